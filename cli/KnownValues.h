#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zufora::cli {

// The program's known outputs (known-values.txt, built into the program): the
// generator's first values, a seed proposal, worked and edge-case lists, and long lists
// pinned by their SHA-256.
extern const char* const kKnownValuesText;

struct CheckResult {
  std::string name;      // kind and name, "list worked-example"
  std::string expected;  // as the data file gives it
  std::string actual;    // as this program gives it on this machine
  bool passed = false;
};

// Runs every check of a known-values text; a line it cannot read fails as a check.
std::vector<CheckResult> RunKnownValues(std::string_view text);

}  // namespace zufora::cli
