#include "print/TableLayout.h"

#include <algorithm>
#include <cstdlib>

#include "print/PrintArithmetic.h"
#include "text/IntegerText.h"

namespace zufora {
namespace {

constexpr PrintColor kShadeColor{192, 192, 192};
constexpr char kTab = '\t';

}  // namespace

TableLayout::TableLayout(PrintSurface& surface, HeaderDateClock header_date)
    : surface_(surface), header_date_clock_(std::move(header_date)) {
  // Every job starts from the platform's default font, whatever an earlier job left on
  // the surface: Arial, 8 points, regular.
  PrintFont body;
  body.face = "Arial";
  surface_.SetFont(body);

  line_spacing_ = 1.5F;
  UpdateLineHeight();
  const std::int32_t l0 = line_height_;
  margin_left_ = l0;
  margin_right_ = l0;
  margin_top_ = l0;
  margin_bottom_ = l0;
  body_bottom_gap_ = l0;
  body_top_gap_ = l0;

  footer_.Font() = surface_.Font();
  footer_.Font().italic = true;
  header_.Font() = surface_.Font();
  header_.Font().italic = true;

  // The bands are placed once, here: later margin or line height changes leave them.
  const std::int64_t width = surface_.PageWidth();
  const std::int64_t height = surface_.PageHeight();
  footer_.SetRect(margin_left_, ClampToInt32(height - margin_bottom_ - l0),
                  ClampToInt32(width - margin_right_), ClampToInt32(height - margin_bottom_));
  header_.SetRect(margin_left_, margin_top_, ClampToInt32(width - margin_right_),
                  ClampToInt32(std::int64_t{margin_top_} + l0));

  UpdateLinesPerPage();
  rows_.clear();
  column_unit_ = 1.0F;
}

TableLayout::~TableLayout() {
  if (!surface_.Printing()) {
    return;
  }
  // A destructor must not throw; a printer that fails while closing the job has
  // nothing more to lose.
  try {
    surface_.EndDocument();
  } catch (...) {
  }
}

void TableLayout::BeginDocument() {
  // The band fonts need no resolution of their own: the surface renders every font at
  // its device resolution.
  surface_.BeginDocument(document_name_);
}

void TableLayout::UpdateLineHeight() {
  const std::int64_t points = surface_.Font().point_size;
  const std::int64_t resolution = surface_.ResolutionY();
  // round(points × resolution ÷ 72) with halves away from zero, then its absolute value.
  const std::int64_t h = (std::llabs(points * resolution) + 36) / 72;
  line_height_ = TruncToInt32(static_cast<double>(h) * static_cast<double>(line_spacing_));
  UpdateLinesPerPage();
}

void TableLayout::UpdateLinesPerPage() {
  // A line height of 0 (a zero-point font, a resolution below 1 dpi) would divide by
  // zero; such a page holds no rows.
  if (line_height_ <= 0) {
    lines_per_page_ = 0;
    return;
  }
  const PrintRect& footer = footer_.Rect();
  const PrintRect& header = header_.Rect();
  // Twice the left margin: the top and bottom margins do not enter this sum.
  const std::int64_t free_height =
      std::int64_t{surface_.PageHeight()} - 2 * std::int64_t{margin_left_} -
      (std::int64_t{footer.bottom} - footer.top) - (std::int64_t{header.bottom} - header.top) -
      body_top_gap_ - body_bottom_gap_;
  lines_per_page_ = ClampToInt32(free_height / line_height_);
}

void TableLayout::SetColumnUnit(std::int32_t divisions) {
  if (divisions == 0) {
    return;
  }
  column_unit_ = static_cast<float>(static_cast<double>(surface_.PageWidth()) /
                                    static_cast<double>(divisions));
}

std::int64_t TableLayout::BodyTop() const {
  return std::int64_t{header_.Rect().bottom} + body_top_gap_;
}

std::int64_t TableLayout::RowY(std::int64_t row) const {
  // "rem" keeps the sign of the row, so the heading rows -4, -3, -1 lie above BodyTop.
  // Without rows per page there is nothing to wrap around.
  const std::int64_t in_page = lines_per_page_ == 0 ? row : row % lines_per_page_;
  return BodyTop() + in_page * line_height_;
}

double TableLayout::BandLead() const {
  const auto spacing = static_cast<double>(line_spacing_);
  return (spacing - 1.0) * line_height_ / (2.0 * spacing);
}

std::int32_t TableLayout::RowBandTop(std::int64_t row) const {
  return TruncToInt32(static_cast<double>(RowY(row)) - BandLead());
}

std::int64_t TableLayout::AlignedLeft(std::int32_t x, std::int32_t width, std::int32_t code) {
  std::int64_t left = x;
  if (code == 0) {
    left -= width;
  } else if (code == 2) {
    left -= width / 2;
  }
  return left;
}

bool TableLayout::DrawAlignedText(std::string_view text, std::int64_t row, std::int32_t x,
                                  std::int32_t code) {
  const std::int32_t width = code == 0 || code == 2 ? surface_.TextWidth(text) : 0;
  surface_.TextOut(ClampToInt32(AlignedLeft(x, width, code)), ClampToInt32(RowY(row)), text);
  return true;
}

void TableLayout::DrawFitted(const FittedText& fitted, std::int64_t row, std::int32_t x,
                             std::int32_t code) {
  if (fitted.text.empty() && !fitted.as_given) {
    return;  // not even the ellipsis fits
  }
  const std::int32_t y = ClampToInt32(RowY(row) + fitted.baseline_shift);
  const std::int32_t left = ClampToInt32(AlignedLeft(x, fitted.width, code));
  const PrintFont kept = surface_.Font();
  if (fitted.point_size == kept.point_size) {
    surface_.TextOut(left, y, fitted.text);
    return;
  }
  PrintFont smaller = kept;
  smaller.point_size = fitted.point_size;
  surface_.SetFont(smaller);
  surface_.TextOut(left, y, fitted.text);
  surface_.SetFont(kept);
}

const FittedText& TableLayout::Fit(FitKind kind, std::size_t column, bool cached,
                                   const std::string& text, const CellRoom& room) {
  // Patient numbers never repeat; everything else on a page mostly does.
  constexpr std::size_t kMostFitsKept = 4096;
  if (!cached || !fits_cached_) {
    uncached_fit_ = fitter_.Fit(text, room.Width(), room.overhang, true);
    return uncached_fit_;
  }
  const std::size_t columns = (fits_.size() - 3) / 2;
  std::size_t slot = column;
  switch (kind) {
    case FitKind::kCell: break;
    case FitKind::kColumnTitle: slot = columns + column; break;
    case FitKind::kSeparator: slot = 2 * columns; break;
    case FitKind::kTitle: slot = 2 * columns + 1; break;
    case FitKind::kSubTitle: slot = 2 * columns + 2; break;
  }
  auto& fits = fits_[slot];
  const auto found = fits.find(text);
  if (found != fits.end()) {
    return found->second;
  }
  if (fits.size() >= kMostFitsKept) {
    fits.clear();
  }
  return fits.emplace(text, fitter_.Fit(text, room.Width(), room.overhang, true)).first->second;
}

TableLayout::Columns TableLayout::MakeColumns(const std::vector<std::string>& widths,
                                              const std::vector<std::string>& codes,
                                              std::int32_t box_left) const {
  // The lists should be of equal length; a column needs both a width and a code.
  const std::size_t count = std::min(widths.size(), codes.size());
  Columns columns;
  columns.widths.reserve(count);
  columns.codes.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    columns.widths.push_back(ParseIntegerOrZero(widths[i]));
    columns.codes.push_back(ParseIntegerText(codes[i]).value_or(1));
  }
  const auto unit = static_cast<double>(column_unit_);
  std::int32_t offset = 0;
  std::int32_t right = margin_left_;
  for (const std::int32_t width : columns.widths) {
    columns.anchors.push_back(ClampToInt32(std::int64_t{margin_left_} + offset));
    offset = TruncToInt32(width * unit + offset);
    right = TruncToInt32(width * unit + right);
    columns.lines.push_back(right);
  }
  columns.end = right;
  std::vector<std::int32_t> grid = columns.lines;
  grid.push_back(box_left);
  grid.push_back(margin_left_);
  columns.rooms = ColumnRooms(columns.anchors, columns.codes, grid, surface_.PageWidth());
  return columns;
}

std::int32_t TableLayout::NumberBoxLeft() {
  const PrintFont kept = surface_.Font();
  PrintFont regular = kept;
  regular.bold = false;
  surface_.SetFont(regular);
  const std::int32_t left = ClampToInt32(std::int64_t{margin_left_} - surface_.TextWidth("XXXX"));
  surface_.SetFont(kept);
  return left;
}

bool TableLayout::DrawRow(std::int64_t row, const std::vector<std::string>& fields,
                          const std::vector<std::string>& widths,
                          const std::vector<std::string>& codes) {
  DrawCells(row, fields, MakeColumns(widths, codes, NumberBoxLeft()), FitKind::kCell, false);
  return true;
}

void TableLayout::DrawCells(std::int64_t row, const std::vector<std::string>& fields,
                            const Columns& columns, FitKind kind, bool whole_row) {
  const std::size_t column_count = columns.widths.size();
  const std::size_t drawn = std::min(fields.size(), column_count);
  std::string cell;
  for (std::size_t i = 0; i < drawn; ++i) {
    cell.assign(1, ' ');
    cell += fields[i];
    // A row with more fields than the table has columns (only an edited list text has
    // one) keeps every text: the extra fields are joined, each after one blank, onto
    // the last column's text, which is cut at the table's end like any wide cell.
    if (i + 1 == column_count) {
      for (std::size_t extra = column_count; extra < fields.size(); ++extra) {
        cell += ' ';
        cell += fields[extra];
      }
    }
    cell += ' ';
    const std::int32_t anchor = columns.anchors[i];
    const std::int32_t code = columns.codes[i];
    if (whole_row && i == 0) {
      DrawWholeRowText(cell, row, anchor, code, columns.end);
    } else if (cell.find_first_not_of(' ') == std::string::npos) {
      DrawAlignedText(cell, row, anchor, code);  // blanks leave no ink to keep in place
    } else if (kind == FitKind::kCell && (code == 0 || code == 2)) {
      // Measured anyway, and mostly a patient number that never comes again: not cached.
      if (!DrawIfItFits(cell, row, anchor, code, columns.rooms[i])) {
        DrawFitted(Fit(kind, i, false, cell, columns.rooms[i]), row, anchor, code);
      }
    } else {
      DrawFitted(Fit(kind, i, true, cell, columns.rooms[i]), row, anchor, code);
    }
  }
}

bool TableLayout::DrawIfItFits(const std::string& cell, std::int64_t row, std::int32_t anchor,
                               std::int32_t code, const CellRoom& room) {
  if (!fits_cached_) {
    return false;  // no table being printed: no body blank known
  }
  const std::int64_t limit = std::int64_t{room.Width()} + std::int64_t{room.overhang} * body_blank_;
  const std::int32_t width = fitter_.WidthUpTo(cell, limit);
  if (width > limit) {
    return false;
  }
  surface_.TextOut(ClampToInt32(AlignedLeft(anchor, width, code)), ClampToInt32(RowY(row)), cell);
  return true;
}

void TableLayout::DrawWholeRowText(std::string_view cell, std::int64_t row, std::int32_t anchor,
                                   std::int32_t code, std::int32_t end) {
  const FittedText fitted = fitter_.Fit(cell, end, 1, true);
  if (fitted.text.empty() && !fitted.as_given) {
    return;
  }
  // Its ink (the text less its padding blanks) between the page's left edge and `end`.
  std::int64_t left = AlignedLeft(anchor, fitted.width, code);
  const std::int64_t ink_right = left + fitted.width - fitted.blank;
  if (ink_right > end) {
    left -= ink_right - end;
  }
  if (left + fitted.blank < 0) {
    left = 0;
  }
  FittedText placed = fitted;
  placed.width = 0;  // placed by its left end
  DrawFitted(placed, row, ClampToInt32(left), 1);
}

void TableLayout::SetFontSizeAndBold(std::int32_t point_size, bool bold) {
  PrintFont font = surface_.Font();
  font.point_size = point_size;
  font.bold = bold;
  surface_.SetFont(font);
}

bool TableLayout::PrintTable(const std::vector<std::string>& titles,
                             const std::vector<std::string>& widths,
                             const std::vector<std::string>& codes) {
  UpdateLineHeight();  // the body font may have changed since construction
  if (lines_per_page_ <= 0) {
    return true;
  }
  // The number box left of the margin is as wide as "XXXX".
  const std::int32_t box_left = NumberBoxLeft();
  const Columns columns = MakeColumns(widths, codes, box_left);
  const std::int32_t right = columns.end;
  const auto minimum = static_cast<std::int32_t>(
      std::min<std::size_t>(titles.size(), static_cast<std::size_t>(INT32_MAX)));
  fits_.assign(2 * columns.widths.size() + 3, {});
  fits_cached_ = true;
  body_blank_ = surface_.TextWidth(" ");
  // The page title and sub-title keep between the margin and the header band's end.
  const CellRoom heading_room{margin_left_, header_.Rect().right, 0};
  // Separator and centre rows keep within the table.
  const CellRoom separator_room{margin_left_, right, 0};

  const std::size_t n = rows_.size();
  const double lead = BandLead();
  std::vector<std::string> fields;
  std::size_t p = 0;
  for (;;) {
    if (!surface_.DrawsCurrentPage()) {
      p += std::min(n - p, static_cast<std::size_t>(lines_per_page_));
      if (p >= n) {
        break;
      }
      surface_.NewPage();
      continue;
    }
    DrawHeader();
    DrawWatermark();

    const std::int32_t body_size = surface_.Font().point_size;
    SetFontSizeAndBold(ClampToInt32(std::int64_t{body_size} + 2), true);
    DrawFitted(Fit(FitKind::kTitle, 0, true, page_title_, heading_room), -4, margin_left_, 1);
    SetFontSizeAndBold(body_size, true);
    DrawCells(-1, titles, columns, FitKind::kColumnTitle, false);
    SetFontSizeAndBold(body_size, false);
    DrawFitted(Fit(FitKind::kSubTitle, 0, true, page_sub_title_, heading_room), -3, margin_left_,
               1);

    for (std::int32_t on_page = 0; on_page < lines_per_page_ && p < n; ++on_page, ++p) {
      SplitFieldsInto(rows_[p], kTab, minimum, fields);
      const auto row = static_cast<std::int64_t>(p);
      // Shading follows the row index within the block, not within the page.
      if (p % 2 == 1) {
        const std::int32_t top = RowBandTop(row);
        surface_.FillRect(
            PrintRect{box_left, top, right, ClampToInt32(std::int64_t{top} + line_height_)},
            kShadeColor);
      }
      if (fields.front() == block_separator_ || fields.front() == center_caption_) {
        DrawFitted(Fit(FitKind::kSeparator, 0, true, fields.front(), separator_room), row,
                   margin_left_, 1);
      } else {
        DrawCells(row, fields, columns, FitKind::kCell, rows_[p].find(kTab) == std::string::npos);
      }
    }

    // Grid: from the top of the column-title band to the bottom of the last row drawn
    // on this page (of the column-title band in a block without rows).
    const std::int32_t y_top = TruncToInt32(static_cast<double>(BodyTop() - line_height_) - lead);
    const std::int32_t y_bottom = TruncToInt32(
        static_cast<double>(RowY(static_cast<std::int64_t>(p) - 1) + line_height_) - lead);
    const auto vertical = [&](std::int32_t x) {
      surface_.MoveTo(x, y_top);
      surface_.LineTo(x, y_bottom);
    };
    const auto horizontal = [&](std::int32_t y) {
      surface_.MoveTo(box_left, y);
      surface_.LineTo(right, y);
    };
    vertical(margin_left_);
    vertical(box_left);
    for (const std::int32_t x : columns.lines) {
      vertical(x);
    }
    horizontal(y_top);
    horizontal(y_bottom);
    horizontal(ClampToInt32(std::int64_t{y_top} + line_height_));

    DrawFooter();
    if (p >= n) {
      break;
    }
    surface_.NewPage();
  }
  fits_.clear();
  fits_cached_ = false;
  return true;
}

std::vector<std::string> TableLayout::SplitFields(std::string_view text, char separator,
                                                  std::int32_t minimum) {
  std::vector<std::string> fields;
  SplitFieldsInto(text, separator, minimum, fields);
  return fields;
}

void TableLayout::SplitFieldsInto(std::string_view text, char separator, std::int32_t minimum,
                                  std::vector<std::string>& fields) {
  // Reuses the strings of `fields` so that a table's rows cost no fresh allocations.
  std::size_t count = 0;
  const auto add = [&](std::string_view field) {
    if (count < fields.size()) {
      fields[count].assign(field);
    } else {
      fields.emplace_back(field);
    }
    ++count;
  };
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    if (end == std::string_view::npos) {
      add(text.substr(start));
      break;
    }
    add(text.substr(start, end - start));
    start = end + 1;
  }
  const std::size_t wanted = minimum > 0 ? static_cast<std::size_t>(minimum) : 0;
  while (count < wanted) {
    add({});
  }
  fields.resize(count);
}

}  // namespace zufora
