// The page bands of the layout engine: header and footer with their three texts.
#include <algorithm>
#include <string>

#include "print/PrintArithmetic.h"
#include "print/TableLayout.h"

namespace zufora {
namespace {

// Large enough to be seen from across a room, light enough that the rows drawn over it
// stay easy to read.
constexpr std::int32_t kWatermarkPointSize = 120;
constexpr PrintColor kWatermarkColor{255, 190, 190};

}  // namespace

void TableLayout::DrawHeader() {
  if (!header_date_) {
    header_date_ = header_date_clock_ ? header_date_clock_() : std::string();
  }
  header_.FillAutoTexts("", "", *header_date_);
  header_.ClearAutoFlags();
  DrawBand(header_);
}

void TableLayout::DrawFooter() {
  footer_.FillAutoTexts("", "", std::to_string(surface_.PageNumber()));
  DrawBand(footer_);
}

void TableLayout::DrawWatermark() {
  if (watermark_.empty()) {
    return;
  }
  const PrintFont kept = surface_.Font();
  PrintFont font = kept;
  font.point_size = kWatermarkPointSize;
  font.bold = true;
  font.color = kWatermarkColor;
  surface_.SetFont(font);
  const std::int64_t width = surface_.TextWidth(watermark_);
  surface_.TextOut(ClampToInt32((std::int64_t{surface_.PageWidth()} - width) / 2),
                   ClampToInt32((std::int64_t{surface_.PageHeight()} - surface_.FontAscent()) / 2),
                   watermark_);
  surface_.SetFont(kept);
}

void TableLayout::DrawBand(const PageBand& band) {
  const PrintFont kept = surface_.Font();
  surface_.SetFont(band.Font());
  const PrintRect& rect = band.Rect();
  const std::int64_t band_left = rect.left;
  const std::int64_t middle = (band_left + rect.right) / 2;
  const std::int64_t gap = surface_.TextWidth("  ");
  const std::int32_t right_width = surface_.TextWidth(band.RightText());
  // The left and centre texts end two blanks before the right one begins.
  const std::int64_t free_right =
      band.RightText().empty() ? rect.right : std::int64_t{rect.right} - right_width - gap;

  // The centre text's half width: what it needs, at most what the middle leaves on either
  // side; when the left text needs more, the centre gives way down to half of that.
  const std::int64_t most_half =
      std::max<std::int64_t>(0, std::min(middle - band_left, free_right - middle));
  std::int64_t half = 0;
  if (!band.CenterText().empty()) {
    const std::int64_t centre_width = fitter_.WidthUpTo(band.CenterText(), 2 * most_half);
    half = std::min(most_half, (centre_width + 1) / 2);
    if (!band.LeftText().empty()) {
      // Measured as far as it could reach: beyond that its width does not matter.
      const std::int64_t left_width = fitter_.WidthUpTo(band.LeftText(), middle - gap - band_left);
      const std::int64_t leaves = middle - gap - band_left - left_width;
      if (leaves < half) {
        half = std::max(std::min(half, most_half / 2), leaves);
      }
    }
  }
  const std::int64_t left_room = band.CenterText().empty()
                                     ? free_right - band_left
                                     : std::min(free_right, middle - half - gap) - band_left;

  const FittedText left = fitter_.Fit(band.LeftText(), ClampToInt32(left_room), 0, false);
  surface_.TextOut(rect.left, rect.top, left.text);
  surface_.TextOut(ClampToInt32(std::int64_t{rect.right} - right_width), rect.top,
                   band.RightText());
  const FittedText centre = fitter_.Fit(band.CenterText(), ClampToInt32(2 * half), 0, false);
  surface_.TextOut(ClampToInt32((band_left + rect.right - centre.width) / 2), rect.top,
                   centre.text);
  surface_.SetFont(kept);
}

}  // namespace zufora
