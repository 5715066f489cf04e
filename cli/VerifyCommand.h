#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "DesignOptions.h"
#include "ProgramContext.h"
#include "TableOptions.h"
#include "Usage.h"
#include "evidence/RandomisationNumbers.h"
#include "random/SeedProposal.h"

namespace zufora::cli {

// zufora-cli verify DESIGN.zfd FILE [options]
// zufora-cli verify --manifest RECORD [OUTPUT...]
struct VerifyOptions {
  DesignOptions design;
  TableOptions table;
  std::optional<NumberingOptions> numbers;  // --numbers, --number-format, --check-digit
  std::string list_file;
  std::optional<std::string> manifest_file;
  std::vector<std::string> output_files;  // with --manifest: in place of the recorded paths
};

Parsed<VerifyOptions> ParseVerify(const std::vector<std::string>& arguments);

// Draws the lists again and compares them with the file (list text, CSV or REDCap table,
// told by its first line): 0 when it is what the design gives, 1 with the first
// difference and the count of differing allocation lines (or when the design gives no
// complete list), 2 for a file problem. With --manifest, the outputs of a provenance
// record against the record and a fresh draw of its design.
int RunVerify(const VerifyOptions& options, std::ostream& out, std::ostream& err,
              const CalendarClock& clock, const ProgramContext& context);

}  // namespace zufora::cli
