#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "DesignOptions.h"
#include "PdfListOutput.h"
#include "Usage.h"
#include "random/SeedProposal.h"

namespace zufora::cli {

// zufora-cli generate DESIGN.zfd [options]
struct GenerateOptions {
  enum class Format { kList, kCsv, kRedcap };

  DesignOptions design;
  std::optional<std::string> output_file;  // export file instead of stdout
  std::optional<std::string> pdf_file;     // print the list to this PDF file
  PdfPageSize page_size = PdfPageSize::kA4;
  Format format = Format::kList;
  std::map<std::int32_t, std::string> arm_codes;  // UTF-8, by arm number
  std::string centre_field = "redcap_data_access_group";
};

Parsed<GenerateOptions> ParseGenerate(const std::vector<std::string>& arguments);

// Draws the lists and writes them while they are drawn: the list text (UTF-8 with LF to
// `out`, or an export file), or an allocation table (UTF-8 CSV with CR LF). A PDF needs
// the whole text: with --pdf the text is built in one piece, as the window does.
int RunGenerate(const GenerateOptions& options, std::ostream& out, std::ostream& err,
                const CalendarClock& clock);

}  // namespace zufora::cli
