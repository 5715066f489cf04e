#include "print/EnvelopeSheet.h"

#include <algorithm>
#include <cmath>

#include "print/PrintArithmetic.h"

namespace zufora {
namespace {

// How many items of `size`, `gap` apart, fit into `room`; at least one.
std::int32_t HowManyFit(std::int64_t room, std::int64_t size, std::int64_t gap) {
  if (size <= 0 || room < size) {
    return 1;
  }
  return ClampToInt32(std::max<std::int64_t>(1, (room + gap) / (size + gap)));
}

}  // namespace

EnvelopeSheet EnvelopeSheet::For(std::int32_t page_width, std::int32_t page_height,
                                 std::int32_t resolution) {
  EnvelopeSheet sheet;
  sheet.resolution = std::max(resolution, 1);
  sheet.card_width = sheet.Units(kCardWidthMm);
  sheet.panel_height = sheet.Units(kPanelHeightMm);
  sheet.gutter = sheet.Units(kGutterMm);
  const std::int64_t mark_room = sheet.Units(kMarkRoomMm);
  const std::int64_t card_height = 3 * std::int64_t{sheet.panel_height};
  sheet.columns = HowManyFit(page_width - 2 * mark_room, sheet.card_width, sheet.gutter);
  sheet.rows = HowManyFit(page_height - 2 * mark_room, card_height, sheet.gutter);
  const std::int64_t grid_width = sheet.columns * std::int64_t{sheet.card_width} +
                                  (sheet.columns - 1) * std::int64_t{sheet.gutter};
  const std::int64_t grid_height =
      sheet.rows * card_height + (sheet.rows - 1) * std::int64_t{sheet.gutter};
  sheet.left = ClampToInt32(std::max<std::int64_t>(0, (page_width - grid_width) / 2));
  sheet.top = ClampToInt32(std::max<std::int64_t>(0, (page_height - grid_height) / 2));
  return sheet;
}

std::int32_t EnvelopeSheet::Units(double millimetres) const {
  return ClampToInt32(std::llround(millimetres * resolution / 25.4));
}

PrintRect EnvelopeSheet::Card(std::int32_t slot) const {
  const std::int64_t column = slot % columns;
  const std::int64_t row = slot / columns;
  const std::int64_t card_height = 3 * std::int64_t{panel_height};
  const std::int64_t x = left + column * (card_width + std::int64_t{gutter});
  const std::int64_t y = top + row * (card_height + gutter);
  return PrintRect{ClampToInt32(x), ClampToInt32(y), ClampToInt32(x + card_width),
                   ClampToInt32(y + card_height)};
}

PrintRect EnvelopeSheet::Panel(const PrintRect& card, std::int32_t panel) const {
  const std::int64_t top_of_panel = card.top + std::int64_t{panel} * panel_height;
  return PrintRect{card.left, ClampToInt32(top_of_panel), card.right,
                   ClampToInt32(top_of_panel + panel_height)};
}

}  // namespace zufora
