#include "evidence/AllocationTable.h"

namespace zufora {

AllocationTable::AllocationTable(std::vector<std::unique_ptr<TableColumn>> columns,
                                 ListTextSink& sink)
    : columns_(std::move(columns)), rows_(sink) {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    header_ += (i > 0 ? "," : "") + columns_[i]->Name();
  }
  rows_.Append(header_);
  rows_.EndRow();
}

void AllocationTable::Row(const AllocationRow& row) {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (i > 0) {
      rows_.Append(',');
    }
    columns_[i]->WriteCell(row, rows_);
  }
  rows_.EndRow();
  ++row_count_;
}

}  // namespace zufora
