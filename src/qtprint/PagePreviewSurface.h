#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "print/PrintSurface.h"
#include "qtprint/PrinterFonts.h"
#include "qtprint/RecordedPage.h"

class QPrinter;

namespace zufora {

// Thrown when the pages a preview asked for are laid out and it wants no more.
class PreviewPagesReady : public std::runtime_error {
 public:
  PreviewPagesReady() : std::runtime_error("preview pages laid out") {}
};

// The layout engine's surface for a preview: it measures exactly as the printer does (the
// same fonts on the same device, so every page breaks and every text fits alike), draws
// nothing on the printer, and records what is drawn on the pages first to last. Other
// pages it does not draw, so the layout passes over them at little cost.
//
// With stop_after_last the job ends by PreviewPagesReady once the last wanted page is
// done; otherwise it runs to the end, and Pages() is the job's length.
class PagePreviewSurface final : public PrintSurface {
 public:
  // Called after each finished page with the number of pages finished so far; may throw
  // (PrintCancelled) to stop the job.
  using PageObserver = std::function<void(std::int32_t pages_done)>;

  PagePreviewSurface(QPrinter& printer, std::int32_t first, std::int32_t last, bool stop_after_last,
                     PageObserver observer = {});

  std::int32_t PageWidth() const override { return page_width_; }
  std::int32_t PageHeight() const override { return page_height_; }
  std::int32_t ResolutionY() const override { return resolution_y_; }
  const PrintFont& Font() const override { return font_; }
  void SetFont(const PrintFont& font) override;
  std::int32_t TextWidth(std::string_view text) override;
  std::int32_t FontAscent() override { return made_font_->ascent; }
  void TextOut(std::int32_t x, std::int32_t y, std::string_view text) override;
  void MoveTo(std::int32_t x, std::int32_t y) override;
  void LineTo(std::int32_t x, std::int32_t y) override;
  void FillRect(const PrintRect& rect, PrintColor color) override;
  bool DrawsCurrentPage() const override;

  // The pages begun so far: the job's length after a run to its end.
  std::int32_t Pages() const { return pages_; }
  // The recorded pages, in order; taken out of the surface.
  std::vector<RecordedPage> TakeRecordedPages() { return std::move(recorded_); }

 protected:
  void DoBeginDocument(std::string_view name) override;
  void DoNewPage() override;
  void DoEndDocument() override;
  void DoAbortDocument() override {}

 private:
  // The page being recorded, or null.
  RecordedPage* Recording();
  void StartPage(std::int32_t number);

  std::int32_t page_width_;
  std::int32_t page_height_;
  std::int32_t resolution_y_;
  std::int32_t first_;
  std::int32_t last_;
  bool stop_after_last_;
  PageObserver observer_;
  PrintFont font_;
  PrinterFonts fonts_;
  const PrinterFont* made_font_ = nullptr;
  std::int32_t current_x_ = 0;
  std::int32_t current_y_ = 0;
  std::int32_t pages_ = 0;
  std::vector<RecordedPage> recorded_;
};

}  // namespace zufora
