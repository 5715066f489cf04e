#pragma once

#include <QPainter>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "print/PrintSurface.h"
#include "qtprint/PrinterFonts.h"

class QPrinter;

namespace zufora {

// The layout engine's surface on a real printer or a PDF file: a QPainter on a QPrinter,
// made to follow the rules of a printer device context.
//
// The printer must be final (page size, orientation, resolution, margins, full-page mode
// off) when the surface is built: the engine reads the page size and resolution once.
// Device units are the printer's dots; (0, 0) is the top-left of the printable area.
//
// - Fonts: pixel size round(points × vertical resolution ÷ 72), kerning off, measured on
//   the printer's own metrics; "Arial" falls back to its metric twin Liberation Sans.
// - TextOut places the top-left of the character cell; the font's ascent is added.
// - Lines: one device unit, solid black, flat caps, covering the pixels a device context
//   covers (the last pixel of a line left out); fills cover left ≤ x < right exactly.
// - A job written to a file goes to a temporary file beside it and replaces the file
//   only when it is complete; an abandoned job leaves the earlier file as it was. A
//   caller that gives a new file of its own (FileReplacement's) has it written in place.
//
// Failures of the printer (begin, new page, end) are thrown as std::runtime_error.
class QtPrintSurface final : public PrintSurface {
 public:
  // Called after each finished page with the number of pages finished so far; may throw
  // (PrintCancelled) to stop the job, which is then abandoned.
  using PageObserver = std::function<void(std::int32_t pages_done)>;

  // How a job reaches the printer's output file.
  enum class FileWriting {
    kReplaceWhenComplete,  // through a temporary file beside it, renamed when complete
    kInPlace,              // straight into it: a new file the caller replaces with
  };

  explicit QtPrintSurface(QPrinter& printer, PageObserver observer = {},
                          FileWriting writing = FileWriting::kReplaceWhenComplete);
  // Abandons a job still open.
  ~QtPrintSurface() override;

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

  // The family the current font was actually given (QFontInfo), for checks and
  // warnings: "Liberation Sans" or "Arial" for the body font on a sound installation.
  QString FamilyInUse() const;

 protected:
  void DoBeginDocument(std::string_view name) override;
  void DoNewPage() override;
  void DoEndDocument() override;
  void DoAbortDocument() override;

 private:
  void ApplyFont();
  // Ends the painter, and brings the printer back to the file name it was given.
  bool FinishPainter();
  void DiscardTemporaryFile();

  QPrinter& printer_;
  PageObserver observer_;
  FileWriting writing_;
  std::int32_t page_width_;
  std::int32_t page_height_;
  std::int32_t resolution_y_;
  PrintFont font_;
  PrinterFonts fonts_;
  const PrinterFont* made_font_ = nullptr;
  QPainter painter_;
  std::int32_t current_x_ = 0;
  std::int32_t current_y_ = 0;
  // The file the job is meant for, and the temporary file it is written to meanwhile.
  QString target_file_;
  QString temporary_file_;
};

}  // namespace zufora
