#include "PdfListOutput.h"

#include <QByteArray>
#include <QFile>
#include <QPageSize>

#include "print/PrintJobTexts.h"
#include "qtprint/HeaderDate.h"
#include "qtprint/OffscreenPrintApplication.h"
#include "qtprint/PdfListPrinter.h"

namespace zufora::cli {

void PrintListPdf(const std::string& pdf_file, PdfPageSize page_size, const ProgramTexts& texts,
                  const std::string& list_text, std::ostream& err) {
  const OffscreenPrintApplication session("zufora-cli");
  const QPageSize size(page_size == PdfPageSize::kLetter ? QPageSize::Letter : QPageSize::A4);
  const PdfPrintResult result =
      PrintListToPdf(PrintJobTexts::From(texts, list_text, &TodaysHeaderDate),
                     QFile::decodeName(QByteArray::fromStdString(pdf_file)), size);
  if (result.body_family != QStringLiteral("Arial") &&
      result.body_family != QStringLiteral("Liberation Sans")) {
    err << "zufora-cli: Arial and Liberation Sans are missing (package fonts-liberation); "
           "the PDF is printed in "
        << result.body_family.toStdString() << '\n';
  }
}

}  // namespace zufora::cli
