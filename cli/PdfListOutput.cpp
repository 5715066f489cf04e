#include "PdfListOutput.h"

#include <QByteArray>
#include <QFile>
#include <QPageSize>
#include <QtGlobal>

#include "print/PrintJobTexts.h"
#include "qtprint/HeaderDate.h"
#include "qtprint/OffscreenPrintApplication.h"
#include "qtprint/PdfListPrinter.h"

namespace zufora::cli {

std::int32_t PrintListPdf(const std::string& pdf_file, const PdfPrinting& printing,
                          const ProgramTexts& texts, const std::string& list_text,
                          std::ostream& err) {
  const OffscreenPrintApplication session("zufora-cli");
  const QPageSize size(printing.page_size == PdfPageSize::kLetter ? QPageSize::Letter
                                                                  : QPageSize::A4);
  HeaderDateClock date = &TodaysHeaderDate;
  if (printing.header_date) {
    date = [fixed = *printing.header_date] { return fixed; };
  }
  PrintJobTexts job = PrintJobTexts::From(texts, list_text, date);
  if (printing.test_list) {
    job.watermark = kTestWatermark;
  }
  const PdfPrintResult result =
      PrintListToPdf(job, QFile::decodeName(QByteArray::fromStdString(pdf_file)), size,
                     printing.in_place, printing.observer);
  if (result.body_family != QStringLiteral("Arial") &&
      result.body_family != QStringLiteral("Liberation Sans")) {
    err << "zufora-cli: Arial and Liberation Sans are missing (package fonts-liberation); "
           "the PDF is printed in "
        << result.body_family.toStdString() << '\n';
  }
  return result.pages;
}

std::string QtRuntimeVersion() {
  return qVersion();
}

}  // namespace zufora::cli
