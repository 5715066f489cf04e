#include "print/ColumnRooms.h"

#include <algorithm>

#include "print/PrintArithmetic.h"

namespace zufora {
namespace {

bool EndsAtAnchor(std::int32_t code) {
  return code == 0;
}
bool Centred(std::int32_t code) {
  return code == 2;
}
bool StartsAtAnchor(std::int32_t code) {
  return code != 0 && code != 2;
}

std::int32_t Middle(std::int32_t low, std::int32_t high) {
  return static_cast<std::int32_t>(low + (std::int64_t{high} - low) / 2);
}

}  // namespace

std::vector<CellRoom> ColumnRooms(const std::vector<std::int32_t>& anchors,
                                  const std::vector<std::int32_t>& codes,
                                  std::vector<std::int32_t> lines, std::int32_t page_width) {
  std::sort(lines.begin(), lines.end());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  const std::size_t count = std::min(anchors.size(), codes.size());
  // The anchors whose texts run rightwards (into the cell right of them) and leftwards.
  std::vector<std::int32_t> rightwards;
  std::vector<std::int32_t> leftwards;
  for (std::size_t i = 0; i < count; ++i) {
    if (!EndsAtAnchor(codes[i])) {
      rightwards.push_back(anchors[i]);
    }
    if (!StartsAtAnchor(codes[i])) {
      leftwards.push_back(anchors[i]);
    }
  }
  std::sort(rightwards.begin(), rightwards.end());
  std::sort(leftwards.begin(), leftwards.end());
  const auto has = [](const std::vector<std::int32_t>& sorted, std::int32_t x) {
    return std::binary_search(sorted.begin(), sorted.end(), x);
  };

  std::vector<CellRoom> rooms;
  rooms.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::int32_t anchor = anchors[i];
    const auto after = std::upper_bound(lines.begin(), lines.end(), anchor);
    const auto at_or_after = std::lower_bound(lines.begin(), lines.end(), anchor);
    std::int32_t previous = at_or_after == lines.begin() ? std::min(0, anchor) : *(at_or_after - 1);
    std::int32_t next = after == lines.end() ? std::max(page_width, anchor) : *after;
    // A cell entered from its other side as well is shared half and half.
    if (has(rightwards, previous)) {
      previous = Middle(previous, anchor);
    }
    if (has(leftwards, next)) {
      next = Middle(anchor, next);
    }
    CellRoom room;
    if (EndsAtAnchor(codes[i])) {
      room = CellRoom{previous, anchor, 1};
    } else if (Centred(codes[i])) {
      const std::int64_t half =
          std::min(std::int64_t{anchor} - previous, std::int64_t{next} - anchor);
      room = CellRoom{ClampToInt32(anchor - half), ClampToInt32(anchor + half), 2};
    } else {
      room = CellRoom{anchor, next, 1};
    }
    rooms.push_back(room);
  }
  return rooms;
}

}  // namespace zufora
