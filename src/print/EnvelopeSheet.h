#pragma once

#include <cstdint>

#include "print/PrintRect.h"

namespace zufora {

// Where the code-break cards stand on a page, in device units of the printable area.
//
// A card is kCardWidthMm wide and three panels of kPanelHeightMm high, one below the
// other: the outside (study, stratum, number), the cover (a dense pattern) and the
// inside (the arm). The inside is folded onto the cover, printed sides together, and the
// two are folded behind the outside, so that the arm lies face to face with the pattern
// and cannot be read through the paper from either side.
//
// Cards stand in a grid of as many columns and rows as fit, kGutterMm apart, the grid
// centred in the printable area with room for the cut marks around it; at least one
// card, even on a page too small for it.
struct EnvelopeSheet {
  static constexpr double kCardWidthMm = 90.0;
  static constexpr double kPanelHeightMm = 27.0;
  static constexpr double kGutterMm = 8.0;
  // Room kept between the grid and the edges of the printable area for the cut marks.
  static constexpr double kMarkRoomMm = 4.5;

  // The sheet of a printable area of the given size at `resolution` units per inch.
  static EnvelopeSheet For(std::int32_t page_width, std::int32_t page_height,
                           std::int32_t resolution);

  // Device units of a length in millimetres at the sheet's resolution, rounded.
  std::int32_t Units(double millimetres) const;

  std::int32_t CardsPerPage() const { return columns * rows; }
  // The card in place `slot` (0 .. CardsPerPage() - 1, row by row).
  PrintRect Card(std::int32_t slot) const;
  // The three panels of a card: 0 outside, 1 cover, 2 inside.
  PrintRect Panel(const PrintRect& card, std::int32_t panel) const;

  std::int32_t resolution = 0;
  std::int32_t card_width = 0;
  std::int32_t panel_height = 0;
  std::int32_t gutter = 0;
  std::int32_t columns = 1;
  std::int32_t rows = 1;
  // The top-left corner of the first card.
  std::int32_t left = 0;
  std::int32_t top = 0;
};

}  // namespace zufora
