#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zufora {

// A table of text cells addressed by column and row, row 0 being the heading row.
// Changing the row count never clears a cell: rows beyond a reduced count keep their
// texts, hidden, and show them again when the count grows. Cells that never held
// text read as empty. Storage grows only with the rows actually written.
class TextGrid {
 public:
  TextGrid(int columns, std::int32_t rows);

  int ColumnCount() const { return columns_; }
  std::int32_t RowCount() const { return row_count_; }
  // A count below 1 becomes 1: the heading row always exists.
  void SetRowCount(std::int32_t rows);

  // Any row may be read, hidden ones included; rows never written read as empty.
  const std::string& Cell(int column, std::int32_t row) const;
  // Writes a cell of a shown row; throws std::out_of_range for any other address.
  void SetCell(int column, std::int32_t row, std::string text);

 private:
  int columns_;
  std::int32_t row_count_;
  std::vector<std::vector<std::string>> rows_;  // rows_[row][column]
};

}  // namespace zufora
