#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "DesignOptions.h"
#include "NumberOptions.h"
#include "PdfListOutput.h"
#include "ProgramContext.h"
#include "TableOptions.h"
#include "Usage.h"
#include "evidence/ListOutput.h"
#include "random/SeedProposal.h"

namespace zufora::cli {

// zufora-cli generate DESIGN.zfd [options]
struct GenerateOptions {
  DesignOptions design;
  std::optional<std::string> output_file;    // export file instead of stdout
  std::optional<std::string> pdf_file;       // print the list to this PDF file
  std::optional<std::string> manifest_file;  // the provenance record
  PdfPageSize page_size = PdfPageSize::kA4;
  OutputFormat format = OutputFormat::kList;
  TableOptions table;
  std::optional<NumberingOptions> numbers;  // --numbers, --number-format, --check-digit
  std::vector<std::string> arguments;       // the command line as given, for the record
};

Parsed<GenerateOptions> ParseGenerate(const std::vector<std::string>& arguments);

// Draws the lists and writes them while they are drawn: the list text (UTF-8 with LF to
// `out`, or an export file), or an allocation table (UTF-8 CSV with CR LF), and with
// --manifest the provenance record. A PDF needs the whole text: with --pdf the text is
// built in one piece, as the window does. Every output file is checked, and refused when
// two are the same or one is an input, before anything is drawn.
int RunGenerate(const GenerateOptions& options, std::ostream& out, std::ostream& err,
                const CalendarClock& clock, const ProgramContext& context);

}  // namespace zufora::cli
