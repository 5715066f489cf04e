#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "evidence/KnownValues.h"

namespace zufora {

// A line of the report's heading: "Label: value".
struct ReportFact {
  std::string label;
  std::string value;
};

// The validation report of a self-test (UTF-8, LF): the heading, the facts of program and
// machine, each check with its expected and actual value and PASS or FAIL, the verdict,
// lines for the operator and the reviewer to sign, and last a line with the SHA-256 of
// all the text above it, so that a stored report shows whether it was changed
// (`head -n -1 REPORT | sha256sum`).
std::string ValidationReportText(const std::vector<ReportFact>& facts,
                                 const std::vector<CheckResult>& results);
// The text that begins the report's last line, before the SHA-256.
inline constexpr char kReportDigestLabel[] = "SHA-256 of this report above this line: ";

// Whether every check passed (and there was one).
bool AllPassed(const std::vector<CheckResult>& results);

// The name of the operating system in the text of /etc/os-release: PRETTY_NAME, else
// NAME and VERSION; empty when it holds neither.
std::string OsReleaseName(std::string_view os_release);

}  // namespace zufora
