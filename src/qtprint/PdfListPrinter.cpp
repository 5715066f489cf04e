#include "qtprint/PdfListPrinter.h"

#include <QPrinter>

#include "print/ListPrintRun.h"
#include "qtprint/PdfOutput.h"
#include "qtprint/QtPrintSurface.h"

namespace zufora {

PdfPrintResult PrintListToPdf(const PrintJobTexts& job, const QString& file,
                              const QPageSize& page_size) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfFile(printer, file, page_size);
  PdfPrintResult result;
  QtPrintSurface surface(printer, [&result](std::int32_t pages) { result.pages = pages; });
  ListPrintRun run;
  run.Print(surface, job);
  result.body_family = surface.FamilyInUse();
  return result;
}

}  // namespace zufora
