#include "qtprint/PdfOutput.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>

namespace zufora {

bool WritesPdf(const QPrinter& printer) {
  return printer.outputFormat() == QPrinter::PdfFormat;
}

void PreparePdfPrinter(QPrinter& printer) {
  printer.setResolution(kPdfResolution);
  printer.setFullPage(false);
  printer.setPageMargins(
      QMarginsF(kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints),
      QPageLayout::Point);
}

void SetUpPdfFile(QPrinter& printer, const QString& file, const QPageSize& page_size) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setPageSize(page_size);
  printer.setPageOrientation(QPageLayout::Portrait);
  PreparePdfPrinter(printer);
}

}  // namespace zufora
