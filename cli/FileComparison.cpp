#include "FileComparison.h"

#include <fstream>
#include <memory>

#include "ZuforaCli.h"
#include "design/Limits.h"
#include "evidence/BoundedLineReader.h"
#include "evidence/LineKeys.h"
#include "evidence/ListComparison.h"

namespace zufora::cli {
namespace {

const char* WhatItIs(OutputFormat format) {
  switch (format) {
    case OutputFormat::kCsv: return "the CSV table";
    case OutputFormat::kRedcap: return "the REDCap table";
    case OutputFormat::kBlinded: return "the site list";
    case OutputFormat::kList: break;
  }
  return "the list";
}

std::unique_ptr<LineKeys> KeysFor(const OutputRequest& request, const ListTextOptions& options) {
  switch (request.format) {
    case OutputFormat::kCsv: return std::make_unique<CsvTableKeys>(request.row_numbers != nullptr);
    case OutputFormat::kRedcap:
    case OutputFormat::kBlinded: return std::make_unique<RowOrderKeys>();
    case OutputFormat::kList: break;
  }
  return std::make_unique<ListTextKeys>(options.center_caption, options.stratum_caption);
}

}  // namespace

std::optional<std::string> FirstLineOf(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  BoundedLineReader reader(in);
  reader.SkipByteOrderMark();
  FileLine line;
  return reader.Next(line) ? line.head : std::string();
}

int CompareFileWithDesign(OpenedDesign& opened, const std::string& file,
                          const OutputRequest& request, std::ostream& out, std::ostream& err) {
  DesignPages& pages = opened.Pages();
  std::ifstream positional(file, std::ios::binary);
  std::ifstream keyed(file, std::ios::binary);
  if (!positional || !keyed) {
    err << "zufora-cli: cannot read " << file << '\n';
    return kExitFailure;
  }
  const ListTextOptions list_options = pages.ListOptions();
  const std::unique_ptr<LineKeys> keys = KeysFor(request, list_options);
  ListComparison comparison(positional, keyed, *keys);
  OutputRequest held = request;
  held.text_form = TextForm::kCp1252;
  ListOutput output(pages.Design(), list_options, held, comparison);
  const bool complete = pages.GenerateInto(output);
  output.Finish();
  comparison.Finish();

  const char* what = WhatItIs(request.format);
  if (comparison.ByteOrderMark()) {
    out << "Note: " << file << " begins with a UTF-8 byte-order mark, which was skipped.\n";
  }
  const auto& difference = comparison.FirstDifference();
  if (difference) {
    out << file << " differs from " << what << " that the design gives.\n"
        << "First difference, line " << difference->line << ":\n"
        << "  the design gives: "
        << (difference->expected ? *difference->expected : "(the list has ended)") << '\n'
        << "  the file holds:   "
        << (difference->actual ? *difference->actual : "(the file has ended)") << '\n'
        << "Allocation lines that differ, are missing or are extra: "
        << comparison.DifferingAllocations() << '\n';
  }
  if (request.format == OutputFormat::kList &&
      comparison.ExpectedBytes() > static_cast<std::uint64_t>(kMaxListTextBytes)) {
    out << "The design's list text has " << comparison.ExpectedBytes() << " bytes, more than the "
        << kMaxListTextBytes
        << " that one list text may have: generate writes its title only and exits 1, so no "
           "file is that list.\n";
    return kExitIncomplete;
  }
  if (!complete) {
    out << "The design does not give complete lists (see the messages above): no file is " << what
        << " of this design.\n";
    return kExitIncomplete;
  }
  if (difference) {
    return kExitIncomplete;
  }
  out << file << " is " << what << " that the design gives: " << comparison.Lines()
      << " lines, the same.\n";
  if (request.format == OutputFormat::kBlinded) {
    out << "The site list names no arm: its numbers, strata, centres and levels were checked, "
           "not the arm behind each number (verify the CSV or REDCap table for that).\n";
  }
  return kExitComplete;
}

}  // namespace zufora::cli
