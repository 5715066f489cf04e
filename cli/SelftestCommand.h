#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ProgramContext.h"
#include "Usage.h"
#include "random/SeedProposal.h"

namespace zufora::cli {

// zufora-cli selftest [--report FILE]
struct SelftestOptions {
  std::optional<std::string> report_file;
};

Parsed<SelftestOptions> ParseSelftest(const std::vector<std::string>& arguments);

// Runs the program's known outputs on this machine, checks the installation and prints a
// validation report (also into the report file); 0 only when every check passes.
int RunSelftest(const SelftestOptions& options, std::ostream& out, std::ostream& err,
                const CalendarClock& clock, const ProgramContext& context);

}  // namespace zufora::cli
