#pragma once

#include <cstdint>

#include "design/TextGrid.h"

namespace zufora {

// The selected row of a table whose whole rows are selected and whose heading row 0 is
// fixed (not selectable). A table needs one row that is not fixed, so when its row
// count falls to 1 the heading row stops being fixed, and it stays an ordinary,
// selectable row when the count grows again. The selection starts on row 1.
class GridSelection {
 public:
  std::int32_t Row() const { return row_; }
  bool HeadingFixed() const { return heading_fixed_; }

  // Selects `row` when it is shown and not fixed; false (selection unchanged) otherwise.
  bool Select(std::int32_t row, const TextGrid& grid);
  // Call after every change of the grid's row count: unfixes the heading row when the
  // grid has no other row, and moves a selection beyond the last row onto it.
  void FollowRowCount(const TextGrid& grid);
  // Whether the selected row is a data row (row 1 or later) that the grid shows.
  bool OnDataRow(const TextGrid& grid) const { return row_ >= 1 && row_ < grid.RowCount(); }

 private:
  std::int32_t row_ = 1;
  bool heading_fixed_ = true;
};

}  // namespace zufora
