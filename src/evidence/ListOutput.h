#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "design/StudyDesign.h"
#include "evidence/AllocationTables.h"
#include "evidence/RandomisationNumbers.h"
#include "evidence/RedcapRules.h"
#include "random/ListConsumer.h"
#include "random/ListTextSink.h"
#include "random/ListTextWriter.h"

namespace zufora {

// What a generation is written as.
enum class OutputFormat {
  kList,     // the list text
  kCsv,      // CsvAllocationTable
  kRedcap,   // RedcapAllocationTable
  kBlinded,  // BlindedAllocationTable, the site list
};
// "list", "csv", "redcap", "blinded", as the command line and the provenance record name
// them.
std::string_view FormatName(OutputFormat format);
std::optional<OutputFormat> FormatNamed(std::string_view name);
// What a file the program wrote holds, told by its first line: a table by its header row
// (the CSV table's, or one that begins with REDCap's column names), else the list text.
OutputFormat FormatOfFirstLine(std::string_view first_line);

// The bytes of a list text: as a terminal gets it (UTF-8, each line ended by LF) or as the
// export writes it (cp1252, CR LF, no byte-order mark). Tables are UTF-8 with CR LF. Or
// the output as the program holds it inside, cp1252 with its own line ends, for a
// comparison (ListComparison).
enum class TextForm { kUtf8, kExport, kCp1252 };

struct OutputRequest {
  OutputFormat format = OutputFormat::kList;
  TextForm text_form = TextForm::kUtf8;
  RedcapTableRequest redcap;  // for kRedcap; must have passed RedcapTableProblem
  // Randomisation numbers, when asked for; the caller numbers the allocations so and
  // points row_numbers and redcap.numbers at them.
  std::optional<NumberingOptions> numbers;
  // The randomisation number of each row: the CSV table's number column (none: no such
  // column) and the site list's (none: the rows' places, 1, 2, 3, ...).
  RandomizationNumbers* row_numbers = nullptr;
};

// A generation written as `request` says, while it is drawn, as the bytes the program writes
// to a file or a terminal, into `sink`. Design and options must outlive it; call Finish
// once the generation has ended.
class ListOutput : public ListConsumer {
 public:
  ListOutput(const StudyDesign& design, const ListTextOptions& options,
             const OutputRequest& request, ListTextSink& sink);
  ~ListOutput() override;

  void Title(const std::string& study_name) override;
  void BeginList(const RandomizationList& list) override;
  void Blocks(std::int32_t first_patient, std::span<const std::int32_t> arms,
              std::span<const std::int32_t> block_sizes) override;
  void Finish();

  // The allocations written: a row of a table, a line of the list text.
  std::int64_t Rows() const { return rows_; }

 private:
  std::unique_ptr<ListTextSink> converter_;
  std::unique_ptr<ListTextWriter> writer_;
  std::unique_ptr<RandomizationNumbers> places_;  // the site list's numbers when none are given
  std::unique_ptr<AllocationTable> table_;
  std::unique_ptr<ListConsumer> table_rows_;
  std::int64_t rows_ = 0;
};

// Hands a generation on to several consumers, in order.
class ListFanOut : public ListConsumer {
 public:
  void Add(ListConsumer& consumer) { consumers_.push_back(&consumer); }

  void Title(const std::string& study_name) override;
  void BeginList(const RandomizationList& list) override;
  void Blocks(std::int32_t first_patient, std::span<const std::int32_t> arms,
              std::span<const std::int32_t> block_sizes) override;

 private:
  std::vector<ListConsumer*> consumers_;
};

}  // namespace zufora
