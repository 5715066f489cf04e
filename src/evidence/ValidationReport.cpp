#include "evidence/ValidationReport.h"

#include <algorithm>
#include <map>

#include "evidence/Sha256.h"

namespace zufora {

std::string ValidationReportText(const std::vector<ReportFact>& facts,
                                 const std::vector<CheckResult>& results) {
  std::size_t width = 0;
  for (const ReportFact& fact : facts) {
    width = std::max(width, fact.label.size());
  }
  std::string report = "Zufora validation report\n";
  for (const ReportFact& fact : facts) {
    report +=
        fact.label + ":" + std::string(width + 2 - fact.label.size(), ' ') + fact.value + '\n';
  }
  report += '\n';
  std::size_t failed = 0;
  for (const CheckResult& result : results) {
    report += (result.passed ? "PASS  " : "FAIL  ") + result.name + '\n' +
              "      expected: " + result.expected + '\n' + "      actual:   " + result.actual +
              '\n';
    failed += result.passed ? 0 : 1;
  }
  report += '\n';
  if (AllPassed(results)) {
    report += "Verdict: PASSED, all " + std::to_string(results.size()) + " checks passed\n";
  } else {
    report += "Verdict: FAILED, " + std::to_string(failed) + " of " +
              std::to_string(results.size()) + " checks failed\n";
  }
  report +=
      "\n"
      "Operator (name, signature): ______________________________  Date: ____________\n"
      "Reviewer (name, signature): ______________________________  Date: ____________\n"
      "\n";
  return report + kReportDigestLabel + Sha256Hex(report) + '\n';
}

bool AllPassed(const std::vector<CheckResult>& results) {
  return !results.empty() && std::all_of(results.begin(), results.end(),
                                         [](const CheckResult& result) { return result.passed; });
}

std::string OsReleaseName(std::string_view os_release) {
  std::map<std::string, std::string> values;
  std::size_t start = 0;
  while (start < os_release.size()) {
    std::size_t end = os_release.find('\n', start);
    if (end == std::string_view::npos) {
      end = os_release.size();
    }
    const std::string_view line = os_release.substr(start, end - start);
    start = end + 1;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || line.starts_with('#')) {
      continue;
    }
    std::string value(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    values[std::string(line.substr(0, equals))] = value;
  }
  if (!values["PRETTY_NAME"].empty()) {
    return values["PRETTY_NAME"];
  }
  const std::string name = values["NAME"] + " " + values["VERSION"];
  return name == " " ? "" : name;
}

}  // namespace zufora
