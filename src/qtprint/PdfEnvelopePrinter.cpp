#include "qtprint/PdfEnvelopePrinter.h"

#include <QPrinter>

#include "print/EnvelopePrintRun.h"
#include "qtprint/PdfOutput.h"
#include "qtprint/QtPrintSurface.h"

namespace zufora {

PdfEnvelopeResult PrintEnvelopesToPdf(const EnvelopeJob& job, EnvelopeCardSource& cards,
                                      const QString& file, const QPageSize& page_size,
                                      bool in_place) {
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfFile(printer, file, page_size);
  PdfEnvelopeResult result;
  QtPrintSurface surface(
      printer, [&result](std::int32_t pages) { result.pages = pages; },
      in_place ? QtPrintSurface::FileWriting::kInPlace
               : QtPrintSurface::FileWriting::kReplaceWhenComplete);
  result.cards = EnvelopePrintRun::Print(surface, job, cards);
  return result;
}

}  // namespace zufora
