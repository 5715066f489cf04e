#include "qtprint/PagePreviewSurface.h"

#include <QPrinter>

#include "print/PrintArithmetic.h"
#include "qtprint/Cp1252QString.h"

namespace zufora {

PagePreviewSurface::PagePreviewSurface(QPrinter& printer, std::int32_t first, std::int32_t last,
                                       bool stop_after_last, PageObserver observer)
    : page_width_(printer.width()),
      page_height_(printer.height()),
      resolution_y_(printer.logicalDpiY()),
      first_(first),
      last_(last),
      stop_after_last_(stop_after_last),
      observer_(std::move(observer)),
      fonts_(printer, resolution_y_) {
  made_font_ = &fonts_.Get(font_);
}

void PagePreviewSurface::SetFont(const PrintFont& font) {
  font_ = font;
  made_font_ = &fonts_.Get(font_);
}

std::int32_t PagePreviewSurface::TextWidth(std::string_view text) {
  return made_font_->metrics.horizontalAdvance(FromCp1252(text));
}

bool PagePreviewSurface::DrawsCurrentPage() const {
  return PageNumber() >= first_ && PageNumber() <= last_;
}

RecordedPage* PagePreviewSurface::Recording() {
  if (!DrawsCurrentPage() || recorded_.empty() || recorded_.back().number != PageNumber()) {
    return nullptr;
  }
  return &recorded_.back();
}

void PagePreviewSurface::StartPage(std::int32_t number) {
  if (number >= first_ && number <= last_) {
    recorded_.push_back(RecordedPage{number, {}, {}});
  }
}

void PagePreviewSurface::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
  RecordedPage* page = Recording();
  // Blanks leave no ink; the table's empty columns are full of them.
  if (page == nullptr || text.find_first_not_of(' ') == std::string_view::npos) {
    return;
  }
  std::size_t font = 0;
  while (font < page->fonts.size() && !(page->fonts[font] == font_)) {
    ++font;
  }
  if (font == page->fonts.size()) {
    page->fonts.push_back(font_);
  }
  RecordedPage::Operation operation;
  operation.kind = RecordedPage::Operation::Kind::kText;
  operation.x1 = x;
  operation.y1 = ClampToInt32(std::int64_t{y} + made_font_->ascent);
  operation.color = font_.color;
  operation.font = font;
  operation.text.assign(text);
  page->operations.push_back(std::move(operation));
}

void PagePreviewSurface::MoveTo(std::int32_t x, std::int32_t y) {
  current_x_ = x;
  current_y_ = y;
}

void PagePreviewSurface::LineTo(std::int32_t x, std::int32_t y) {
  if (RecordedPage* page = Recording()) {
    RecordedPage::Operation operation;
    operation.kind = RecordedPage::Operation::Kind::kLine;
    operation.x1 = current_x_;
    operation.y1 = current_y_;
    operation.x2 = x;
    operation.y2 = y;
    page->operations.push_back(std::move(operation));
  }
  current_x_ = x;
  current_y_ = y;
}

void PagePreviewSurface::FillRect(const PrintRect& rect, PrintColor color) {
  if (RecordedPage* page = Recording()) {
    RecordedPage::Operation operation;
    operation.kind = RecordedPage::Operation::Kind::kFill;
    operation.rect = rect;
    operation.color = color;
    page->operations.push_back(std::move(operation));
  }
}

void PagePreviewSurface::DoBeginDocument(std::string_view /*name*/) {
  recorded_.clear();
  pages_ = 1;
  StartPage(1);
}

void PagePreviewSurface::DoNewPage() {
  if (observer_) {
    observer_(PageNumber());
  }
  if (stop_after_last_ && PageNumber() >= last_) {
    throw PreviewPagesReady();
  }
  ++pages_;
  StartPage(PageNumber() + 1);
}

void PagePreviewSurface::DoEndDocument() {
  if (observer_) {
    observer_(PageNumber());
  }
}

}  // namespace zufora
