#include "design/TextGrid.h"

#include <stdexcept>

namespace zufora {
namespace {
const std::string kEmpty;
}

TextGrid::TextGrid(int columns, std::int32_t rows) : columns_(columns), row_count_(1) {
  if (columns <= 0) {
    throw std::invalid_argument("TextGrid needs at least one column");
  }
  SetRowCount(rows);
}

void TextGrid::SetRowCount(std::int32_t rows) {
  row_count_ = rows < 1 ? 1 : rows;
}

const std::string& TextGrid::Cell(int column, std::int32_t row) const {
  if (column < 0 || column >= columns_ || row < 0 ||
      static_cast<std::size_t>(row) >= rows_.size()) {
    return kEmpty;
  }
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void TextGrid::SetCell(int column, std::int32_t row, std::string text) {
  if (column < 0 || column >= columns_ || row < 0 || row >= row_count_) {
    throw std::out_of_range("TextGrid cell outside the shown rows");
  }
  const auto index = static_cast<std::size_t>(row);
  if (index >= rows_.size()) {
    if (text.empty()) {
      return;  // an empty cell needs no storage
    }
    rows_.resize(index + 1, std::vector<std::string>(static_cast<std::size_t>(columns_)));
  }
  rows_[index][static_cast<std::size_t>(column)] = std::move(text);
}

}  // namespace zufora
