#include "AllocationTableWriter.h"

#include <charconv>

namespace zufora::cli {
namespace {

constexpr std::size_t kPartBytes = std::size_t{1} << 16;

void AppendNumber(std::string& out, std::int64_t value) {
  char digits[24];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) {
    return text;
  }
  std::string quoted = "\"";
  for (const char c : text) {
    quoted += c;
    if (c == '"') {
      quoted += '"';
    }
  }
  return quoted + '"';
}

AllocationTableWriter::AllocationTableWriter(Kind kind, const StudyDesign& design,
                                             std::map<std::int32_t, std::string> arm_codes,
                                             const std::string& centre_field,
                                             ListTextSink& sink)
    : kind_(kind),
      design_(design),
      arm_codes_(std::move(arm_codes)),
      with_centre_(kind == Kind::kCsv || design.per_centre_lists),
      sink_(sink) {
  if (kind_ == Kind::kCsv) {
    buffer_ = "centre,patient,arm,arm_description,block,block_size,position_in_block";
  } else {
    buffer_ = "redcap_randomization_group";
    if (with_centre_) {
      buffer_ += ',' + CsvField(centre_field);
    }
  }
  EndRow();
}

void AllocationTableWriter::BeginList(const RandomizationList& list) {
  centre_ = list.centre ? CsvField(design_.centres.Cell(kCentreNumberColumn, *list.centre)) : "";
  block_number_ = 0;
}

const std::string& AllocationTableWriter::ArmField(std::int32_t arm) {
  const auto index = static_cast<std::size_t>(arm);
  if (index >= arm_fields_.size()) {
    arm_fields_.resize(index + 1);
  }
  std::string& field = arm_fields_[index];
  if (field.empty()) {
    if (kind_ == Kind::kRedcap) {
      const auto code = arm_codes_.find(arm);
      field = code != arm_codes_.end() ? CsvField(code->second) : std::to_string(arm);
    } else {
      field = std::to_string(arm) + ',' +
              CsvField(design_.arms.Cell(kArmDescriptionColumn, arm));
    }
  }
  return field;
}

void AllocationTableWriter::Blocks(std::int32_t first_patient,
                                   std::span<const std::int32_t> arms,
                                   std::span<const std::int32_t> block_sizes) {
  std::int64_t patient = first_patient;
  std::size_t i = 0;
  for (const std::int32_t block : block_sizes) {
    ++block_number_;
    for (std::int32_t position = 1; position <= block && i < arms.size(); ++position, ++i) {
      if (kind_ == Kind::kCsv) {
        buffer_ += centre_;
        buffer_ += ',';
        AppendNumber(buffer_, patient);
        buffer_ += ',';
        buffer_ += ArmField(arms[i]);
        buffer_ += ',';
        AppendNumber(buffer_, block_number_);
        buffer_ += ',';
        AppendNumber(buffer_, block);
        buffer_ += ',';
        AppendNumber(buffer_, position);
      } else {
        buffer_ += ArmField(arms[i]);
        if (with_centre_) {
          buffer_ += ',';
          buffer_ += centre_;
        }
      }
      EndRow();
      ++patient;
    }
  }
}

void AllocationTableWriter::EndRow() {
  buffer_ += "\r\n";
  if (buffer_.size() >= kPartBytes) {
    Finish();
  }
}

void AllocationTableWriter::Finish() {
  if (!buffer_.empty()) {
    sink_.Write(buffer_);
    buffer_.clear();
  }
}

}  // namespace zufora::cli
