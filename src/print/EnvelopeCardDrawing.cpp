#include "print/EnvelopeCardDrawing.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "print/PrintArithmetic.h"
#include "print/TextFitter.h"

namespace zufora {
namespace {

// Room kept between a panel's edges and its texts.
constexpr double kPaddingMm = 3.0;
// The cut marks: how far from the card's edge they begin, and how long they are. Two
// cards a gutter apart keep their marks apart.
constexpr double kMarkOffsetMm = 1.0;
constexpr double kMarkLengthMm = 2.5;
// The fold lines' dashes and the gaps between them.
constexpr double kDashMm = 2.0;
constexpr double kDashGapMm = 1.5;
// The cover's grid: bars this wide, this far from one to the next.
constexpr double kBarMm = 0.5;
constexpr double kBarPitchMm = 0.8;
constexpr PrintColor kCoverGround{64, 64, 64};
constexpr PrintColor kBlack{0, 0, 0};
constexpr PrintColor kWatermark{215, 215, 215};
constexpr std::int32_t kArmDescriptionLines = 3;

// Restores the surface's font when it goes.
class FontKeeper {
 public:
  explicit FontKeeper(PrintSurface& surface) : surface_(surface), font_(surface.Font()) {}
  ~FontKeeper() { surface_.SetFont(font_); }
  FontKeeper(const FontKeeper&) = delete;
  FontKeeper& operator=(const FontKeeper&) = delete;

  // The kept font at another size and weight.
  void Use(std::int32_t points, bool bold) {
    PrintFont font = font_;
    font.point_size = points;
    font.bold = bold;
    font.color = kBlack;
    surface_.SetFont(font);
  }

 private:
  PrintSurface& surface_;
  PrintFont font_;
};

// A line of text at `points`, from its top to the next line's top.
std::int32_t LineAdvance(const EnvelopeSheet& sheet, std::int32_t points) {
  return ClampToInt32(std::llround(points * 1.25 * sheet.resolution / 72.0));
}

// Draws the text in the current font at (x, y), set smaller or cut to stay within `room`.
// Returns the width it takes.
std::int32_t DrawWithin(PrintSurface& surface, std::int32_t x, std::int32_t y,
                        std::string_view text, std::int32_t room) {
  if (text.empty() || room <= 0) {
    return 0;
  }
  TextFitter fitter(surface);
  const FittedText fitted = fitter.Fit(text, room, 0, true);
  if (fitted.as_given) {
    surface.TextOut(x, y, fitted.text);
    return fitted.width;
  }
  const PrintFont before = surface.Font();
  PrintFont smaller = before;
  smaller.point_size = fitted.point_size;
  surface.SetFont(smaller);
  surface.TextOut(x, ClampToInt32(std::int64_t{y} + fitted.baseline_shift), fitted.text);
  surface.SetFont(before);
  return fitted.width;
}

// The words of the text in lines no wider than `room` in the current font, at most
// `most` lines; the last line takes whatever is left (DrawWithin makes it fit).
std::vector<std::string> WrapWords(PrintSurface& surface, std::string_view text, std::int32_t room,
                                   std::int32_t most) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t blank = text.find(' ', start);
    const std::size_t end = blank == std::string_view::npos ? text.size() : blank;
    const std::string_view word = text.substr(start, end - start);
    start = end + 1;
    if (word.empty()) {
      continue;
    }
    std::string longer = line.empty() ? std::string(word) : line + ' ' + std::string(word);
    if (!line.empty() && static_cast<std::int32_t>(lines.size()) + 1 < most &&
        surface.TextWidth(longer) > room) {
      lines.push_back(std::move(line));
      line = std::string(word);
    } else {
      line = std::move(longer);
    }
  }
  if (!line.empty()) {
    lines.push_back(std::move(line));
  }
  return lines;
}

void Line(PrintSurface& surface, std::int32_t x0, std::int32_t y0, std::int32_t x1,
          std::int32_t y1) {
  surface.MoveTo(x0, y0);
  surface.LineTo(x1, y1);
}

}  // namespace

void DrawCutMarks(PrintSurface& surface, const EnvelopeSheet& sheet, const PrintRect& card) {
  const std::int32_t offset = sheet.Units(kMarkOffsetMm);
  const std::int32_t length = sheet.Units(kMarkLengthMm);
  for (const std::int32_t y : {card.top, card.bottom}) {
    Line(surface, card.left - offset - length, y, card.left - offset, y);
    Line(surface, card.right + offset, y, card.right + offset + length, y);
  }
  for (const std::int32_t x : {card.left, card.right}) {
    Line(surface, x, card.top - offset - length, x, card.top - offset);
    Line(surface, x, card.bottom + offset, x, card.bottom + offset + length);
  }
  // The fold lines, marked beside the card as well, as the dashes are cut away with it.
  for (const std::int32_t panel : {1, 2}) {
    const std::int32_t y = sheet.Panel(card, panel).top;
    Line(surface, card.left - offset - length / 2, y, card.left - offset, y);
    Line(surface, card.right + offset, y, card.right + offset + length / 2, y);
  }
}

void DrawFoldLines(PrintSurface& surface, const EnvelopeSheet& sheet, const PrintRect& card) {
  const std::int32_t dash = std::max(sheet.Units(kDashMm), 1);
  const std::int32_t step = dash + std::max(sheet.Units(kDashGapMm), 1);
  for (const std::int32_t panel : {1, 2}) {
    const std::int32_t y = sheet.Panel(card, panel).top;
    for (std::int64_t x = card.left; x < card.right; x += step) {
      Line(surface, ClampToInt32(x), y, ClampToInt32(std::min<std::int64_t>(x + dash, card.right)),
           y);
    }
  }
}

void DrawCover(PrintSurface& surface, const EnvelopeSheet& sheet, const PrintRect& panel) {
  surface.FillRect(panel, kCoverGround);
  const std::int32_t pitch = std::max(sheet.Units(kBarPitchMm), 2);
  const std::int32_t bar = std::clamp(sheet.Units(kBarMm), 1, pitch - 1);
  for (std::int64_t x = panel.left; x < panel.right; x += pitch) {
    const auto right = ClampToInt32(std::min<std::int64_t>(x + bar, panel.right));
    surface.FillRect(PrintRect{ClampToInt32(x), panel.top, right, panel.bottom}, kBlack);
  }
  for (std::int64_t y = panel.top; y < panel.bottom; y += pitch) {
    const auto bottom = ClampToInt32(std::min<std::int64_t>(y + bar, panel.bottom));
    surface.FillRect(PrintRect{panel.left, ClampToInt32(y), panel.right, bottom}, kBlack);
  }
}

void DrawOutside(PrintSurface& surface, const EnvelopeSheet& sheet, const PrintRect& panel,
                 const EnvelopeJob& job, const EnvelopeCard& card) {
  FontKeeper font(surface);
  const std::int32_t padding = sheet.Units(kPaddingMm);
  const std::int32_t left = panel.left + padding;
  const std::int32_t room = panel.right - padding - left;
  std::int32_t y = panel.top + padding;

  font.Use(10, true);
  std::int32_t study_room = room;
  if (job.test) {
    const std::int32_t width = surface.TextWidth("TEST");
    surface.TextOut(panel.right - padding - width, y, "TEST");
    study_room -= width + padding;
  }
  DrawWithin(surface, left, y, job.study_name, study_room);
  y += LineAdvance(sheet, 10);

  font.Use(9, false);
  DrawWithin(surface, left, y, card.centre, room);
  y += LineAdvance(sheet, 9);
  DrawWithin(surface, left, y, card.levels, room);

  // The number at the bottom, its label on the same baseline.
  font.Use(18, true);
  const std::int32_t number_top = panel.bottom - padding - LineAdvance(sheet, 18);
  const std::int32_t number_ascent = surface.FontAscent();
  font.Use(9, false);
  const std::string_view label = "Nr.";
  const std::int32_t label_width = surface.TextWidth(label);
  surface.TextOut(left, number_top + number_ascent - surface.FontAscent(), label);
  const std::int32_t number_left = left + label_width + sheet.Units(2.0);
  font.Use(18, true);
  DrawWithin(surface, number_left, number_top, card.number, panel.right - padding - number_left);
}

void DrawInside(PrintSurface& surface, const EnvelopeSheet& sheet, const PrintRect& panel,
                const EnvelopeCard& card) {
  FontKeeper font(surface);
  const std::int32_t padding = sheet.Units(kPaddingMm);
  const std::int32_t left = panel.left + padding;
  const std::int32_t room = panel.right - padding - left;
  std::int32_t y = panel.top + padding;
  font.Use(14, true);
  DrawWithin(surface, left, y, "Studienarm " + std::to_string(card.arm), room);
  y += LineAdvance(sheet, 14);
  font.Use(11, false);
  for (const std::string& line :
       WrapWords(surface, card.arm_description, room, kArmDescriptionLines)) {
    DrawWithin(surface, left, y, line, room);
    y += LineAdvance(sheet, 11);
  }
}

void DrawTestWatermark(PrintSurface& surface) {
  FontKeeper font(surface);
  PrintFont large = surface.Font();
  large.point_size = 160;
  large.bold = true;
  large.color = kWatermark;
  surface.SetFont(large);
  const std::int64_t width = surface.TextWidth("TEST");
  const std::int64_t height = std::llround(160.0 * surface.ResolutionY() / 72.0);
  surface.TextOut(ClampToInt32((surface.PageWidth() - width) / 2),
                  ClampToInt32((surface.PageHeight() - height) / 2), "TEST");
}

}  // namespace zufora
