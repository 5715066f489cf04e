#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "evidence/DesignDrawer.h"

namespace zufora {

// The program's known outputs (known-values.txt beside this file, built into the
// program): the generator's first values, a seed proposal, worked and edge-case lists,
// and long lists pinned by their SHA-256.
extern const char* const kKnownValuesText;

struct CheckResult {
  std::string name;      // kind and name, "list worked-example"
  std::string expected;  // as the data file gives it
  std::string actual;    // as this program gives it on this machine
  bool passed = false;
};

// Runs every check of a known-values text, the lists' designs drawn by `drawer`; a line
// it cannot read fails as a check.
std::vector<CheckResult> RunKnownValues(std::string_view text, DesignDrawer& drawer);

}  // namespace zufora
