#include "pages/RowEditor.h"

#include <utility>

namespace zufora {

bool RowEditor::Select(std::int32_t row, const TextGrid& grid) {
  const std::int32_t first_selectable = heading_fixed_ ? 1 : 0;
  if (row < first_selectable || row >= grid.RowCount()) {
    return false;
  }
  row_ = row;
  return true;
}

void RowEditor::FollowRowCount(const TextGrid& grid) {
  if (grid.RowCount() <= 1) {
    heading_fixed_ = false;
  }
  if (row_ >= grid.RowCount()) {
    row_ = grid.RowCount() - 1;
  }
}

void RowEditor::Fill(const TextGrid& grid) {
  for (std::size_t column = 0; column < fields_.size(); ++column) {
    fields_[column] = grid.Cell(static_cast<int>(column), row_);
  }
}

bool RowEditor::Type(int column, std::string text, TextGrid& grid) {
  std::string& field = fields_[static_cast<std::size_t>(column)];
  field = std::move(text);
  if (row_ < 1 || row_ >= grid.RowCount()) {
    return false;
  }
  grid.SetCell(column, row_, field);
  return true;
}

}  // namespace zufora
