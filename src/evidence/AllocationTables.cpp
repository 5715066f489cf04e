#include "evidence/AllocationTables.h"

#include <set>

namespace zufora {
namespace {

// The field of the row's centre number, looked up once per list.
const std::string& CentreField(const StudyDesign& design, const AllocationRow& row,
                               std::optional<std::int32_t>& centre, std::string& field) {
  if (row.centre != centre) {
    centre = row.centre;
    field = centre ? CsvField(design.centres.Cell(kCentreNumberColumn, *centre)) : "";
  }
  return field;
}

// The field(s) of an arm, made once by `make`.
template <typename Make>
const std::string& ArmField(std::vector<std::string>& fields, std::int32_t arm, Make make) {
  const auto index = static_cast<std::size_t>(arm);
  if (index >= fields.size()) {
    fields.resize(index + 1);
  }
  std::string& field = fields[index];
  if (field.empty()) {
    field = make();
  }
  return field;
}

}  // namespace

CsvAllocationTable::CsvAllocationTable(const StudyDesign& design, ListTextSink& sink)
    : design_(design), rows_(sink) {
  rows_.Append("centre,patient,arm,arm_description,block,block_size,position_in_block");
  rows_.EndRow();
}

void CsvAllocationTable::Row(const AllocationRow& row) {
  rows_.Append(CentreField(design_, row, centre_, centre_field_));
  rows_.Append(',');
  rows_.AppendNumber(row.patient);
  rows_.Append(',');
  rows_.Append(ArmField(arm_fields_, row.arm, [&] {
    return std::to_string(row.arm) + ',' +
           CsvField(design_.arms.Cell(kArmDescriptionColumn, row.arm));
  }));
  rows_.Append(',');
  rows_.AppendNumber(row.block);
  rows_.Append(',');
  rows_.AppendNumber(row.block_size);
  rows_.Append(',');
  rows_.AppendNumber(row.position);
  rows_.EndRow();
}

RedcapAllocationTable::RedcapAllocationTable(const StudyDesign& design,
                                             std::map<std::int32_t, std::string> arm_codes,
                                             const std::string& centre_field, ListTextSink& sink)
    : design_(design),
      arm_codes_(std::move(arm_codes)),
      with_centre_(design.per_centre_lists),
      rows_(sink) {
  rows_.Append("redcap_randomization_group");
  if (with_centre_) {
    rows_.Append(',');
    rows_.Append(CsvField(centre_field));
  }
  rows_.EndRow();
}

void RedcapAllocationTable::Row(const AllocationRow& row) {
  rows_.Append(ArmField(arm_fields_, row.arm, [&] {
    const auto code = arm_codes_.find(row.arm);
    return code != arm_codes_.end() ? CsvField(code->second) : std::to_string(row.arm);
  }));
  if (with_centre_) {
    rows_.Append(',');
    rows_.Append(CentreField(design_, row, centre_, centre_field_));
  }
  rows_.EndRow();
}

std::optional<ArmCodeProblem> FindArmCodeProblem(const std::map<std::int32_t, std::string>& codes,
                                                 std::int32_t arm_count) {
  std::set<std::string> seen;
  for (std::int32_t arm = 1; arm <= arm_count; ++arm) {
    const auto code = codes.find(arm);
    if (code == codes.end()) {
      return ArmCodeProblem{ArmCodeProblem::Kind::kMissing, arm, {}};
    }
    if (!seen.insert(code->second).second) {
      return ArmCodeProblem{ArmCodeProblem::Kind::kTwice, arm, code->second};
    }
  }
  if (!codes.empty() && codes.rbegin()->first > arm_count) {
    return ArmCodeProblem{ArmCodeProblem::Kind::kBeyond, codes.rbegin()->first, {}};
  }
  return std::nullopt;
}

}  // namespace zufora
