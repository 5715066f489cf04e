#include "evidence/ListOutput.h"

#include "evidence/OutputSinks.h"

namespace zufora {

std::string_view FormatName(OutputFormat format) {
  switch (format) {
    case OutputFormat::kCsv: return "csv";
    case OutputFormat::kRedcap: return "redcap";
    case OutputFormat::kBlinded: return "blinded";
    case OutputFormat::kList: break;
  }
  return "list";
}

std::optional<OutputFormat> FormatNamed(std::string_view name) {
  for (const OutputFormat format :
       {OutputFormat::kList, OutputFormat::kCsv, OutputFormat::kRedcap, OutputFormat::kBlinded}) {
    if (FormatName(format) == name) {
      return format;
    }
  }
  return std::nullopt;
}

namespace {

// Hands the parts on as they are.
class PassSink : public ListTextSink {
 public:
  explicit PassSink(ListTextSink& next) : next_(next) {}
  void Write(std::string_view whole_lines) override { next_.Write(whole_lines); }

 private:
  ListTextSink& next_;
};

// The rows' places as their numbers.
class RowPlaces : public RandomizationNumbers {
 public:
  std::string NumberOf(const AllocationRow& row) override { return std::to_string(row.row); }
};

}  // namespace

OutputFormat FormatOfFirstLine(std::string_view first_line) {
  if (first_line.starts_with(kCsvTableHeader) ||
      (first_line.starts_with("number,") && first_line.substr(7).starts_with(kCsvTableHeader))) {
    return OutputFormat::kCsv;
  }
  if (first_line.starts_with(kBlindedTableHeader)) {
    return OutputFormat::kBlinded;
  }
  if (first_line.starts_with(kRedcapNumberColumn) || first_line.starts_with(kRedcapGroupColumn)) {
    return OutputFormat::kRedcap;
  }
  return OutputFormat::kList;
}

ListOutput::ListOutput(const StudyDesign& design, const ListTextOptions& options,
                       const OutputRequest& request, ListTextSink& sink) {
  if (request.text_form == TextForm::kCp1252) {
    converter_ = std::make_unique<PassSink>(sink);
  } else if (request.format == OutputFormat::kList && request.text_form == TextForm::kExport) {
    converter_ = std::make_unique<ExportSink>(sink);
  } else {
    converter_ = std::make_unique<Utf8Sink>(sink);
  }
  ListTextSink& text = *converter_;
  switch (request.format) {
    case OutputFormat::kList:
      writer_ = std::make_unique<ListTextWriter>(design, options, text);
      return;
    case OutputFormat::kCsv:
      table_ = std::make_unique<CsvAllocationTable>(design, text, request.row_numbers);
      break;
    case OutputFormat::kBlinded: {
      RandomizationNumbers* numbers = request.row_numbers;
      if (!numbers) {
        places_ = std::make_unique<RowPlaces>();
        numbers = places_.get();
      }
      table_ = std::make_unique<BlindedAllocationTable>(design, *numbers, text);
      break;
    }
    case OutputFormat::kRedcap:
      table_ = std::make_unique<RedcapAllocationTable>(design, request.redcap, text);
      break;
  }
  table_rows_ = std::make_unique<AllocationRows>(*table_);
}

ListOutput::~ListOutput() = default;

void ListOutput::Title(const std::string& study_name) {
  if (writer_) {
    writer_->Title(study_name);
  }
}

void ListOutput::BeginList(const RandomizationList& list) {
  if (writer_) {
    writer_->BeginList(list);
  } else {
    table_rows_->BeginList(list);
  }
}

void ListOutput::Blocks(std::int32_t first_patient, std::span<const std::int32_t> arms,
                        std::span<const std::int32_t> block_sizes) {
  rows_ += static_cast<std::int64_t>(arms.size());
  if (writer_) {
    writer_->Blocks(first_patient, arms, block_sizes);
  } else {
    table_rows_->Blocks(first_patient, arms, block_sizes);
  }
}

void ListOutput::Finish() {
  if (writer_) {
    writer_->Finish();
  } else {
    table_->Finish();
  }
}

void ListFanOut::Title(const std::string& study_name) {
  for (ListConsumer* consumer : consumers_) {
    consumer->Title(study_name);
  }
}

void ListFanOut::BeginList(const RandomizationList& list) {
  for (ListConsumer* consumer : consumers_) {
    consumer->BeginList(list);
  }
}

void ListFanOut::Blocks(std::int32_t first_patient, std::span<const std::int32_t> arms,
                        std::span<const std::int32_t> block_sizes) {
  for (ListConsumer* consumer : consumers_) {
    consumer->Blocks(first_patient, arms, block_sizes);
  }
}

}  // namespace zufora
