#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "DesignOptions.h"
#include "Usage.h"
#include "random/SeedProposal.h"

namespace zufora::cli {

// zufora-cli verify DESIGN.zfd LIST [options]
struct VerifyOptions {
  DesignOptions design;
  std::string list_file;
};

Parsed<VerifyOptions> ParseVerify(const std::vector<std::string>& arguments);

// Draws the lists again and compares them with the list file line by line: 0 when they
// are the same, 1 with the first difference and the count of differing allocation lines,
// 2 for a file problem.
int RunVerify(const VerifyOptions& options, std::ostream& out, std::ostream& err,
              const CalendarClock& clock);

}  // namespace zufora::cli
