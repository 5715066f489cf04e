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

bool TableLayout::DrawAlignedText(std::string_view text, std::int64_t row, std::int32_t x,
                                  std::int32_t code) {
  std::int64_t left = x;
  if (code == 0) {
    left -= surface_.TextWidth(text);
  } else if (code == 2) {
    left -= surface_.TextWidth(text) / 2;
  }
  surface_.TextOut(ClampToInt32(left), ClampToInt32(RowY(row)), text);
  return true;
}

TableLayout::Columns TableLayout::ParseColumns(const std::vector<std::string>& widths,
                                               const std::vector<std::string>& codes) {
  // The lists should be of equal length; a column needs both a width and a code.
  const std::size_t count = std::min(widths.size(), codes.size());
  Columns columns;
  columns.widths.reserve(count);
  columns.codes.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    columns.widths.push_back(ParseIntegerOrZero(widths[i]));
    columns.codes.push_back(ParseIntegerText(codes[i]).value_or(1));
  }
  return columns;
}

bool TableLayout::DrawRow(std::int64_t row, const std::vector<std::string>& fields,
                          const std::vector<std::string>& widths,
                          const std::vector<std::string>& codes) {
  DrawCells(row, fields, ParseColumns(widths, codes));
  return true;
}

void TableLayout::DrawCells(std::int64_t row, const std::vector<std::string>& fields,
                            const Columns& columns) {
  const std::size_t column_count = columns.widths.size();
  const std::size_t drawn = std::min(fields.size(), column_count);
  const auto unit = static_cast<double>(column_unit_);
  std::int32_t offset = 0;
  std::string cell;
  for (std::size_t i = 0; i < drawn; ++i) {
    cell.assign(1, ' ');
    cell += fields[i];
    // A row with more fields than the table has columns (only an edited list text has
    // one) keeps every text: the extra fields are joined, each after one blank, onto
    // the last column's text, which runs on past the table like any wide cell.
    if (i + 1 == column_count) {
      for (std::size_t extra = column_count; extra < fields.size(); ++extra) {
        cell += ' ';
        cell += fields[extra];
      }
    }
    cell += ' ';
    DrawAlignedText(cell, row, ClampToInt32(std::int64_t{margin_left_} + offset), columns.codes[i]);
    offset = TruncToInt32(columns.widths[i] * unit + offset);
  }
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
  const Columns columns = ParseColumns(widths, codes);
  const auto minimum = static_cast<std::int32_t>(
      std::min<std::size_t>(titles.size(), static_cast<std::size_t>(INT32_MAX)));
  const auto unit = static_cast<double>(column_unit_);

  // The vertical grid lines right of the margin, the last one being the table's end R.
  std::vector<std::int32_t> column_lines;
  column_lines.reserve(columns.widths.size());
  std::int32_t right = margin_left_;
  for (const std::int32_t width : columns.widths) {
    right = TruncToInt32(width * unit + right);
    column_lines.push_back(right);
  }

  const std::size_t n = rows_.size();
  const double lead = BandLead();
  std::vector<std::string> fields;
  std::size_t p = 0;
  for (;;) {
    DrawHeader();

    const std::int32_t body_size = surface_.Font().point_size;
    SetFontSizeAndBold(ClampToInt32(std::int64_t{body_size} + 2), true);
    DrawAlignedText(page_title_, -4, margin_left_, 1);
    SetFontSizeAndBold(body_size, true);
    DrawCells(-1, titles, columns);
    SetFontSizeAndBold(body_size, false);
    DrawAlignedText(page_sub_title_, -3, margin_left_, 1);

    // The number box left of the margin is as wide as "XXXX".
    const std::int32_t box_left =
        ClampToInt32(std::int64_t{margin_left_} - surface_.TextWidth("XXXX"));

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
        DrawAlignedText(fields.front(), row, margin_left_, 1);
      } else {
        DrawCells(row, fields, columns);
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
    for (const std::int32_t x : column_lines) {
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
  return true;
}

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

void TableLayout::DrawBand(const PageBand& band) {
  const PrintFont kept = surface_.Font();
  surface_.SetFont(band.Font());
  const PrintRect& rect = band.Rect();
  surface_.TextOut(rect.left, rect.top, band.LeftText());
  surface_.TextOut(ClampToInt32(std::int64_t{rect.right} - surface_.TextWidth(band.RightText())),
                   rect.top, band.RightText());
  surface_.TextOut(
      ClampToInt32((std::int64_t{rect.left} + rect.right - surface_.TextWidth(band.CenterText())) /
                   2),
      rect.top, band.CenterText());
  surface_.SetFont(kept);
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
