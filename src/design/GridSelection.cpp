#include "design/GridSelection.h"

namespace zufora {

bool GridSelection::Select(std::int32_t row, const TextGrid& grid) {
  const std::int32_t first_selectable = heading_fixed_ ? 1 : 0;
  if (row < first_selectable || row >= grid.RowCount()) {
    return false;
  }
  row_ = row;
  return true;
}

void GridSelection::FollowRowCount(const TextGrid& grid) {
  if (grid.RowCount() <= 1) {
    heading_fixed_ = false;
  }
  if (row_ >= grid.RowCount()) {
    row_ = grid.RowCount() - 1;
  }
}

}  // namespace zufora
