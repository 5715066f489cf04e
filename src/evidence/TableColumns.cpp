#include "evidence/TableColumns.h"

namespace zufora {

void ListCellColumn::WriteCell(const AllocationRow& row, CsvRows& rows) {
  if (!made_ || row.centre != centre_) {
    made_ = true;
    centre_ = row.centre;
    field_ = make_(row.centre);
  }
  rows.Append(field_);
}

void StratumCellColumn::WriteCell(const AllocationRow& row, CsvRows& rows) {
  if (stratum_ == 0 || row.stratum != stratum_) {
    stratum_ = row.stratum;
    field_ = make_(row);
  }
  rows.Append(field_);
}

void ArmCellColumn::WriteCell(const AllocationRow& row, CsvRows& rows) {
  const auto index = static_cast<std::size_t>(row.arm);
  if (index >= fields_.size()) {
    fields_.resize(index + 1);
  }
  std::optional<std::string>& field = fields_[index];
  if (!field) {
    field = make_(row.arm);
  }
  rows.Append(*field);
}

}  // namespace zufora
