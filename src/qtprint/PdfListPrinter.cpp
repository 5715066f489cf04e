#include "qtprint/PdfListPrinter.h"

#include <QPrinter>

#include "print/ListPrintRun.h"
#include "qtprint/PdfOutput.h"
#include "qtprint/QtPrintSurface.h"

namespace zufora {
namespace {

// Hands everything on to the PDF's surface and shows each text to an observer first.
class ObservedSurface final : public PrintSurface {
 public:
  ObservedSurface(PrintSurface& surface, const PrintedTextObserver& observer)
      : surface_(surface), observer_(observer) {}

  std::int32_t PageWidth() const override { return surface_.PageWidth(); }
  std::int32_t PageHeight() const override { return surface_.PageHeight(); }
  std::int32_t ResolutionY() const override { return surface_.ResolutionY(); }
  const PrintFont& Font() const override { return surface_.Font(); }
  void SetFont(const PrintFont& font) override { surface_.SetFont(font); }
  std::int32_t TextWidth(std::string_view text) override { return surface_.TextWidth(text); }
  std::int32_t FontAscent() override { return surface_.FontAscent(); }
  void TextOut(std::int32_t x, std::int32_t y, std::string_view text) override {
    observer_(x, y, text);
    surface_.TextOut(x, y, text);
  }
  void MoveTo(std::int32_t x, std::int32_t y) override { surface_.MoveTo(x, y); }
  void LineTo(std::int32_t x, std::int32_t y) override { surface_.LineTo(x, y); }
  void FillRect(const PrintRect& rect, PrintColor color) override {
    surface_.FillRect(rect, color);
  }
  bool DrawsCurrentPage() const override { return surface_.DrawsCurrentPage(); }

 protected:
  void DoBeginDocument(std::string_view name) override { surface_.BeginDocument(name); }
  void DoNewPage() override { surface_.NewPage(); }
  void DoEndDocument() override { surface_.EndDocument(); }
  void DoAbortDocument() override { surface_.AbortDocument(); }

 private:
  PrintSurface& surface_;
  const PrintedTextObserver& observer_;
};

}  // namespace

PdfPrintResult PrintListToPdf(const PrintJobTexts& job, const QString& file,
                              const QPageSize& page_size, bool in_place,
                              const PrintedTextObserver& observer) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfFile(printer, file, page_size);
  PdfPrintResult result;
  QtPrintSurface surface(
      printer, [&result](std::int32_t pages) { result.pages = pages; },
      in_place ? QtPrintSurface::FileWriting::kInPlace
               : QtPrintSurface::FileWriting::kReplaceWhenComplete);
  ListPrintRun run;
  if (observer) {
    ObservedSurface observed(surface, observer);
    run.Print(observed, job);
  } else {
    run.Print(surface, job);
  }
  result.body_family = surface.FamilyInUse();
  return result;
}

}  // namespace zufora
