#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "print/PrintSurface.h"

namespace zufora {

// The character that ends a text cut at the edge of its room: cp1252 0x85, "…".
inline constexpr char kEllipsis = '\x85';
// A text is set no smaller than this to make it fit.
inline constexpr std::int32_t kSmallestFitPoints = 6;

// A text as it is to be drawn so that it stays within its room.
struct FittedText {
  // The text as given, or its beginning and the ellipsis; empty when not even the
  // ellipsis fits.
  std::string text;
  // Whether the text is drawn as given, in the current font.
  bool as_given = true;
  std::int32_t point_size = 0;
  // Its advance width at that size, and one blank's.
  std::int32_t width = 0;
  std::int32_t blank = 0;
  // How far the text is moved down so that its baseline stays on the current font's.
  std::int32_t baseline_shift = 0;
};

// Makes texts fit into a room on a surface, starting from the surface's current font,
// which it leaves as it found it.
//
// A text fits when its width, less `overhang` blanks, is no greater than the room: the
// blanks that pad a table cell may reach out of the room on the side that faces away
// from its anchor, since they leave no ink.
//
// Widths are measured in the surface's font; a text of many kilobytes is measured by its
// beginning first, so that its fate is settled without measuring it whole.
class TextFitter {
 public:
  explicit TextFitter(PrintSurface& surface) : surface_(surface) {}

  // The text as given when it fits. Otherwise, when `shrink` is set, at the largest
  // smaller whole point size down to kSmallestFitPoints at which it fits; beyond that
  // (or at once, without `shrink`) cut: the longest beginning of the text between its
  // leading and trailing blanks, blanks at its end dropped, then the ellipsis and the
  // trailing blanks again, at the smallest size tried.
  FittedText Fit(std::string_view text, std::int32_t room, std::int32_t overhang, bool shrink);

  // The text's width in the current font when it is at most `limit`; some width above
  // `limit` otherwise.
  std::int32_t WidthUpTo(std::string_view text, std::int64_t limit);

 private:
  // Whether the text fits in the current font; `width` is its width when it does.
  bool FitsNow(std::string_view text, std::int32_t room, std::int32_t overhang,
               std::int32_t& width);
  // One blank's width in the current font (kept for the last font asked about).
  std::int32_t BlankWidth();
  void SetPointSize(std::int32_t points);
  // The longest cut of the text that fits in the current font.
  FittedText Cut(std::string_view text, std::int32_t room, std::int32_t overhang);

  PrintSurface& surface_;
  PrintFont blank_font_;
  std::int32_t blank_width_ = -1;
};

}  // namespace zufora
