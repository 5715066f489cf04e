#pragma once

#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

#include "print/PrintSurface.h"
#include "support/PrintOperation.h"

namespace zufora {

// A print surface that draws nothing and records what it is asked to do: for tests and
// benchmarks. Its page size and resolution are fixed at construction; a text is
// measured as (number of bytes) × (point size) × advance_per_point device units,
// whatever the face and style, so widths are easy to work out by hand; a font's ascent
// is its height, round(point size × resolution ÷ 72).
//
// With the log switched off the surface only counts, so that a long run can be laid
// out without holding every operation in memory.
class RecordingSurface : public PrintSurface {
 public:
  RecordingSurface(std::int32_t page_width, std::int32_t page_height, std::int32_t resolution_y,
                   std::int32_t advance_per_point = 4);

  std::int32_t PageWidth() const override { return page_width_; }
  std::int32_t PageHeight() const override { return page_height_; }
  std::int32_t ResolutionY() const override { return resolution_y_; }

  const PrintFont& Font() const override { return font_; }
  void SetFont(const PrintFont& font) override { font_ = font; }

  std::int32_t TextWidth(std::string_view text) override;
  std::int32_t FontAscent() override;
  void TextOut(std::int32_t x, std::int32_t y, std::string_view text) override;
  void MoveTo(std::int32_t x, std::int32_t y) override;
  void LineTo(std::int32_t x, std::int32_t y) override;
  void FillRect(const PrintRect& rect, PrintColor color) override;

  // Only the pages first to last are drawn (DrawsCurrentPage); all are, by default.
  void SetDrawnPages(std::int32_t first, std::int32_t last) {
    first_drawn_page_ = first;
    last_drawn_page_ = last;
  }
  bool DrawsCurrentPage() const override {
    return PageNumber() >= first_drawn_page_ && PageNumber() <= last_drawn_page_;
  }

  // Whether operations are kept in Log(); on at construction.
  void SetKeepLog(bool keep) { keep_log_ = keep; }
  const std::vector<PrintOperation>& Log() const { return log_; }
  void ClearLog() { log_.clear(); }

  // Counts over the surface's whole life, kept whether or not the log is.
  std::int64_t TextOutCount() const { return text_out_count_; }
  std::int64_t LineCount() const { return line_count_; }
  std::int64_t FillCount() const { return fill_count_; }
  std::int64_t PageCount() const { return page_count_; }
  // A running sum of every coordinate drawn at, so that a benchmark's work is observed.
  std::int64_t CoordinateSum() const { return coordinate_sum_; }

 protected:
  void DoBeginDocument(std::string_view name) override;
  void DoNewPage() override;
  void DoEndDocument() override;

 private:
  void Record(PrintOperation::Kind kind, std::int32_t page, std::int32_t x, std::int32_t y,
              std::string_view text);

  std::int32_t page_width_;
  std::int32_t page_height_;
  std::int32_t resolution_y_;
  std::int32_t advance_per_point_;
  PrintFont font_;
  bool keep_log_ = true;
  std::int32_t first_drawn_page_ = std::numeric_limits<std::int32_t>::min();
  std::int32_t last_drawn_page_ = std::numeric_limits<std::int32_t>::max();
  std::vector<PrintOperation> log_;
  std::int64_t text_out_count_ = 0;
  std::int64_t line_count_ = 0;
  std::int64_t fill_count_ = 0;
  std::int64_t page_count_ = 0;
  std::int64_t coordinate_sum_ = 0;
};

}  // namespace zufora
