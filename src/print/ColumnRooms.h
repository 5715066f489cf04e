#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zufora {

// The stretch of a table row that one column's text may cover, in device units.
struct CellRoom {
  std::int32_t left = 0;
  std::int32_t right = 0;
  // How many of the text's padding blanks may reach out of the room (TextFitter).
  std::int32_t overhang = 1;

  std::int32_t Width() const {
    const std::int64_t width = std::int64_t{right} - left;
    return width <= 0 ? 0 : static_cast<std::int32_t>(std::min<std::int64_t>(width, INT32_MAX));
  }
  friend bool operator==(const CellRoom&, const CellRoom&) = default;
};

// The rooms of a table's columns, column i aligned by codes[i] at anchors[i] (0: ending
// there, 2: centred there, any other code: starting there), between the table's vertical
// grid lines (any order, repeats allowed) on a page `page_width` wide.
//
// A text that ends at its anchor has the cell left of it, up to the next grid line; one
// that starts there has the cell right of it; a centred one as much on either side as
// the nearer of the two gives. Where texts run into one cell from both of its sides,
// each side has half of it. Beyond the outermost lines the cells reach to the page's
// edges. The padding blank on the side away from the anchor may reach out of the room
// (both blanks of a centred text).
std::vector<CellRoom> ColumnRooms(const std::vector<std::int32_t>& anchors,
                                  const std::vector<std::int32_t>& codes,
                                  std::vector<std::int32_t> lines, std::int32_t page_width);

}  // namespace zufora
