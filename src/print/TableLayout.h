#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "print/ColumnRooms.h"
#include "print/HeaderDateClock.h"
#include "print/PageBand.h"
#include "print/PrintFont.h"
#include "print/PrintSurface.h"
#include "print/TextFitter.h"

namespace zufora {

// The print layout engine of one print job: turns the tab-separated rows of Rows() into
// table pages with a header band, title, sub-title, column titles, shaded rows, a grid
// and a footer band with the page number. It draws only through its PrintSurface (the
// printer and its canvas); the surface's current font is the body font.
//
// All arithmetic is in device units, truncating toward zero; LineSpacing and ColumnUnit
// are 32-bit floats and enter every computation with their 32-bit values.
//
// A column set is three parallel lists: titles, widths (decimal integers in column-width
// units, device size width × ColumnUnit) and alignment codes (decimal: 0 right-aligned
// at the anchor, 1 left-aligned, 2 centred; any other code, or a code that is no
// integer, aligns left). A width that is no integer counts as 0.
//
// Nothing is printed over another text: every column's texts keep to the column's room
// (ColumnRooms: the cell beside the anchor on the side the text runs to; the number box
// left of the margin for a column that ends at the margin). A text that fits stands
// exactly where its alignment puts it; a wider one is set smaller, down to 6 points,
// with its baseline kept, and beyond that cut with an ellipsis (TextFitter). This holds
// for the column titles, the page title and sub-title (which keep between the margin
// and the header band's right end), separator and centre rows (within the table) and
// the joined extra fields of an edited row (cut at the table's right end). A row of one
// field only (the seed note of a single list) has its row to itself: its text stands
// where its column puts it as long as it stays on the page and within the table's end;
// otherwise it is moved right to the left edge of the printable area (or left to the
// table's end), and set smaller or cut when it is wider than that.
//
// Every drawing operation draws on the engine's surface; on a page that the surface
// does not draw (PrintSurface::DrawsCurrentPage) nothing is drawn or measured.
class TableLayout {
 public:
  // Takes over the surface (no document open). header_date gives the date the header
  // shows on every page of the job; it is read once, when the first page is drawn.
  TableLayout(PrintSurface& surface, HeaderDateClock header_date);
  // Ends a document that is still open.
  ~TableLayout();
  TableLayout(const TableLayout&) = delete;
  TableLayout& operator=(const TableLayout&) = delete;

  PrintSurface& Surface() { return surface_; }

  // The document name under which BeginDocument starts the job.
  const std::string& DocumentName() const { return document_name_; }
  void SetDocumentName(std::string name) { document_name_ = std::move(name); }

  // Begins the document under DocumentName(): first page, page number 1.
  void BeginDocument();
  // Ends the current page and begins the next.
  void NewPage() { surface_.NewPage(); }
  // Ends the last page and the document.
  void EndDocument() { surface_.EndDocument(); }

  // LineHeight := trunc(|round(points × resolution ÷ 72)| × LineSpacing); then
  // UpdateLinesPerPage.
  void UpdateLineHeight();
  // LinesPerPage := (page height − 2 × MarginLeft − footer height − header height
  // − BodyTopGap − BodyBottomGap) div LineHeight; 0 while LineHeight is not positive.
  void UpdateLinesPerPage();
  // ColumnUnit := page width ÷ divisions as a 32-bit float; 0 divisions leave it as is.
  void SetColumnUnit(std::int32_t divisions);

  // Prints every row of Rows() as one table, page after page (a new page between them,
  // none after the last); at least one page, nothing at all while LinesPerPage <= 0.
  // Row p is shaded when p is odd. Always true.
  bool PrintTable(const std::vector<std::string>& titles, const std::vector<std::string>& widths,
                  const std::vector<std::string>& codes);
  // Draws the fields of table row `row` (negative rows are the heading lines), each with
  // one blank on either side, at the running column anchors, each kept to its column's
  // room (the number box counted from the current font). Always true.
  bool DrawRow(std::int64_t row, const std::vector<std::string>& fields,
               const std::vector<std::string>& widths, const std::vector<std::string>& codes);
  // Draws the text in row `row` at anchor x with the alignment code, as it stands (no
  // room is kept). Always true.
  bool DrawAlignedText(std::string_view text, std::int64_t row, std::int32_t x, std::int32_t code);

  // The header band, its right text today's date (taken at the first page, then kept);
  // the footer band, its right text the page number.
  void DrawHeader();
  void DrawFooter();
  // The band's three texts in its font; the surface's font is kept. The right text (the
  // page number, the date) stands whole; the left and centre texts keep two blanks'
  // width apart from each other and from it, cut with an ellipsis where they would not. The
  // centre text keeps its place in the middle and, when both must give way, at least
  // half of the width it could have.
  void DrawBand(const PageBand& band);
  // The watermark, when there is one, centred on the page; the surface's font is kept.
  void DrawWatermark();
  // The fields of the text between separators, empty ones included (at least one
  // field), padded with empty fields to at least `minimum`; never shortened.
  static std::vector<std::string> SplitFields(std::string_view text, char separator,
                                              std::int32_t minimum);

  // The y of table row k: BodyTop + (k rem LinesPerPage) × LineHeight.
  std::int64_t RowY(std::int64_t row) const;
  // Top of the band of row k, which runs LineHeight units downwards.
  std::int32_t RowBandTop(std::int64_t row) const;
  // Header.Rect.bottom + BodyTopGap.
  std::int64_t BodyTop() const;

  std::int32_t LineHeight() const { return line_height_; }
  std::int32_t LinesPerPage() const { return lines_per_page_; }
  PageBand& Footer() { return footer_; }
  PageBand& Header() { return header_; }
  std::int32_t BodyBottomGap() const { return body_bottom_gap_; }
  void SetBodyBottomGap(std::int32_t gap) { body_bottom_gap_ = gap; }
  std::int32_t BodyTopGap() const { return body_top_gap_; }
  void SetBodyTopGap(std::int32_t gap) { body_top_gap_ = gap; }
  std::int32_t MarginLeft() const { return margin_left_; }
  void SetMarginLeft(std::int32_t margin) { margin_left_ = margin; }
  std::int32_t MarginRight() const { return margin_right_; }
  void SetMarginRight(std::int32_t margin) { margin_right_ = margin; }
  std::int32_t MarginTop() const { return margin_top_; }
  void SetMarginTop(std::int32_t margin) { margin_top_ = margin; }
  std::int32_t MarginBottom() const { return margin_bottom_; }
  void SetMarginBottom(std::int32_t margin) { margin_bottom_ = margin; }
  float LineSpacing() const { return line_spacing_; }
  float ColumnUnit() const { return column_unit_; }
  // The rows of the block that PrintTable prints, one tab-separated text each.
  std::vector<std::string>& Rows() { return rows_; }
  const std::string& PageTitle() const { return page_title_; }
  void SetPageTitle(std::string title) { page_title_ = std::move(title); }
  const std::string& PageSubTitle() const { return page_sub_title_; }
  void SetPageSubTitle(std::string title) { page_sub_title_ = std::move(title); }
  // A word drawn large and light in the middle of every page, under the body; empty for
  // none (PrintJobTexts::watermark).
  void SetWatermark(std::string text) { watermark_ = std::move(text); }

  // The texts of a block separator row and of the centre word; a row whose first field
  // equals one of them is drawn as that text alone at the left margin. By default
  // "------- Block ------" and "Zentrum".
  void SetBlockSeparator(std::string text) { block_separator_ = std::move(text); }
  void SetCenterCaption(std::string text) { center_caption_ = std::move(text); }

 private:
  struct Columns {
    std::vector<std::int32_t> widths;
    std::vector<std::int32_t> codes;
    std::vector<std::int32_t> anchors;  // where each column's texts are aligned
    std::vector<std::int32_t> lines;    // the vertical grid lines right of the margin
    std::vector<CellRoom> rooms;
    std::int32_t end = 0;  // the table's right end, its last grid line
  };
  // Which texts of a table share a cache of fitted texts: the body cells of each column,
  // the column titles, separator rows, the title and the sub-title.
  enum class FitKind { kCell, kColumnTitle, kSeparator, kTitle, kSubTitle };

  // Columns with anchors, grid lines and rooms, the number box starting at box_left.
  Columns MakeColumns(const std::vector<std::string>& widths, const std::vector<std::string>& codes,
                      std::int32_t box_left) const;
  // The number box's left edge: "XXXX" wide in the regular body font.
  std::int32_t NumberBoxLeft();
  static void SplitFieldsInto(std::string_view text, char separator, std::int32_t minimum,
                              std::vector<std::string>& fields);
  // `whole_row`: the row had one field only.
  void DrawCells(std::int64_t row, const std::vector<std::string>& fields, const Columns& columns,
                 FitKind kind, bool whole_row);
  void DrawWholeRowText(std::string_view cell, std::int64_t row, std::int32_t anchor,
                        std::int32_t code, std::int32_t end);
  // The fitted text, from the cache of the table being printed when `cached`.
  const FittedText& Fit(FitKind kind, std::size_t column, bool cached, const std::string& text,
                        const CellRoom& room);
  // Draws a body cell as it is when it fits; false when it was not drawn.
  bool DrawIfItFits(const std::string& cell, std::int64_t row, std::int32_t anchor,
                    std::int32_t code, const CellRoom& room);
  // Draws a fitted text aligned at x in row `row`.
  void DrawFitted(const FittedText& fitted, std::int64_t row, std::int32_t x, std::int32_t code);
  // The left end of a text of this width aligned at x.
  static std::int64_t AlignedLeft(std::int32_t x, std::int32_t width, std::int32_t code);
  // (LineSpacing − 1) × LineHeight ÷ (2 × LineSpacing): how far a row's band reaches
  // above its text.
  double BandLead() const;
  void SetFontSizeAndBold(std::int32_t point_size, bool bold);

  PrintSurface& surface_;
  TextFitter fitter_{surface_};
  // Fitted texts of the table being printed, by FitKind and column: arm descriptions,
  // centre names and titles come again on every page. A map of texts that seldom repeat
  // is emptied when it grows large.
  std::vector<std::unordered_map<std::string, FittedText>> fits_;
  bool fits_cached_ = false;
  std::int32_t body_blank_ = 0;  // a blank in the body font of the table being printed
  FittedText uncached_fit_;
  std::string document_name_;
  HeaderDateClock header_date_clock_;
  std::optional<std::string> header_date_;  // read at the first page
  std::string block_separator_ = "------- Block ------";
  std::string center_caption_ = "Zentrum";

  std::int32_t line_height_ = 0;
  std::int32_t lines_per_page_ = 0;
  PageBand footer_;
  PageBand header_;
  std::int32_t body_bottom_gap_ = 0;
  std::int32_t body_top_gap_ = 0;
  std::int32_t margin_left_ = 0;
  std::int32_t margin_right_ = 0;
  std::int32_t margin_top_ = 0;
  std::int32_t margin_bottom_ = 0;
  float line_spacing_ = 1.5F;
  float column_unit_ = 1.0F;
  std::vector<std::string> rows_;
  std::string page_title_;
  std::string watermark_;
  std::string page_sub_title_;
};

}  // namespace zufora
