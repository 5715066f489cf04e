#pragma once

#include <cstdint>

#include "print/PrintJobTexts.h"
#include "print/PrintSurface.h"

class QPrinter;

namespace zufora {

// A surface of a printer's page size and resolution that draws nothing and counts the
// pages, so that a job's length is known before it is printed. It draws no page, so the
// layout only moves from page to page; texts measure 0: where a page breaks does not
// depend on them.
class PageCountingSurface final : public PrintSurface {
 public:
  explicit PageCountingSurface(const QPrinter& printer);

  std::int32_t PageWidth() const override { return page_width_; }
  std::int32_t PageHeight() const override { return page_height_; }
  std::int32_t ResolutionY() const override { return resolution_y_; }
  const PrintFont& Font() const override { return font_; }
  void SetFont(const PrintFont& font) override { font_ = font; }
  std::int32_t TextWidth(std::string_view /*text*/) override { return 0; }
  std::int32_t FontAscent() override { return 0; }
  bool DrawsCurrentPage() const override { return false; }
  void TextOut(std::int32_t /*x*/, std::int32_t /*y*/, std::string_view /*text*/) override {}
  void MoveTo(std::int32_t /*x*/, std::int32_t /*y*/) override {}
  void LineTo(std::int32_t /*x*/, std::int32_t /*y*/) override {}
  void FillRect(const PrintRect& /*rect*/, PrintColor /*color*/) override {}

  std::int32_t Pages() const { return pages_; }

 protected:
  void DoBeginDocument(std::string_view /*name*/) override { pages_ = 1; }
  void DoNewPage() override { ++pages_; }
  void DoEndDocument() override {}

 private:
  std::int32_t page_width_;
  std::int32_t page_height_;
  std::int32_t resolution_y_;
  PrintFont font_;
  std::int32_t pages_ = 0;
};

// The number of pages the job takes on the printer (which must be final).
std::int32_t CountPages(const QPrinter& printer, const PrintJobTexts& job);

}  // namespace zufora
