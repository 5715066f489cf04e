#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "DesignOptions.h"
#include "ProgramContext.h"
#include "Usage.h"
#include "random/SeedProposal.h"

namespace zufora::cli {

// zufora-cli report DESIGN.zfd [--simulate K] [--format text|csv] [options]
struct ReportOptions {
  DesignOptions design;
  std::int64_t simulate = 0;  // seeds 1..K
  bool csv = false;
};

Parsed<ReportOptions> ParseReport(const std::vector<std::string>& arguments);

// The balance report of the design's lists, and with --simulate of K seeds.
// With --simulate, progress goes to `err` when it is a terminal.
int RunReport(const ReportOptions& options, std::ostream& out, std::ostream& err,
              const CalendarClock& clock, const ProgramContext& context);

}  // namespace zufora::cli
