#include "support/RecordingSurface.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string>

namespace zufora {

RecordingSurface::RecordingSurface(std::int32_t page_width, std::int32_t page_height,
                                   std::int32_t resolution_y, std::int32_t advance_per_point)
    : page_width_(page_width),
      page_height_(page_height),
      resolution_y_(resolution_y),
      advance_per_point_(advance_per_point) {}

std::int32_t RecordingSurface::TextWidth(std::string_view text) {
  // Exact in double for every realistic text; clamped so that no size can overflow.
  const double width = static_cast<double>(text.size()) * static_cast<double>(font_.point_size) *
                       static_cast<double>(advance_per_point_);
  const double clamped = std::clamp(width, double{std::numeric_limits<std::int32_t>::min()},
                                    double{std::numeric_limits<std::int32_t>::max()});
  return static_cast<std::int32_t>(clamped);
}

std::int32_t RecordingSurface::FontAscent() {
  const std::int64_t points = font_.point_size;
  return static_cast<std::int32_t>((std::llabs(points * resolution_y_) + 36) / 72);
}

void RecordingSurface::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
  ++text_out_count_;
  Record(PrintOperation::Kind::kTextOut, PageNumber(), x, y, text);
}

void RecordingSurface::MoveTo(std::int32_t x, std::int32_t y) {
  Record(PrintOperation::Kind::kMoveTo, PageNumber(), x, y, {});
}

void RecordingSurface::LineTo(std::int32_t x, std::int32_t y) {
  ++line_count_;
  Record(PrintOperation::Kind::kLineTo, PageNumber(), x, y, {});
}

void RecordingSurface::FillRect(const PrintRect& rect, PrintColor color) {
  ++fill_count_;
  coordinate_sum_ += std::int64_t{rect.left} + rect.top + rect.right + rect.bottom;
  if (keep_log_) {
    PrintOperation operation;
    operation.kind = PrintOperation::Kind::kFillRect;
    operation.page = PageNumber();
    operation.rect = rect;
    operation.color = color;
    operation.font = font_;
    log_.push_back(std::move(operation));
  }
}

void RecordingSurface::DoBeginDocument(std::string_view name) {
  ++page_count_;
  Record(PrintOperation::Kind::kBeginDocument, 1, 0, 0, name);
}

void RecordingSurface::DoNewPage() {
  ++page_count_;
  const std::int32_t next =
      PageNumber() < std::numeric_limits<std::int32_t>::max() ? PageNumber() + 1 : PageNumber();
  Record(PrintOperation::Kind::kNewPage, next, 0, 0, {});
}

void RecordingSurface::DoEndDocument() {
  Record(PrintOperation::Kind::kEndDocument, PageNumber(), 0, 0, {});
}

void RecordingSurface::Record(PrintOperation::Kind kind, std::int32_t page, std::int32_t x,
                              std::int32_t y, std::string_view text) {
  coordinate_sum_ += std::int64_t{x} + y;
  if (!keep_log_) {
    return;
  }
  PrintOperation operation;
  operation.kind = kind;
  operation.page = page;
  operation.x = x;
  operation.y = y;
  operation.text = std::string(text);
  operation.font = font_;
  log_.push_back(std::move(operation));
}

}  // namespace zufora
