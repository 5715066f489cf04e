#pragma once

#include <QPageSize>
#include <QString>
#include <cstdint>

#include "print/PrintJobTexts.h"

namespace zufora {

struct PdfPrintResult {
  std::int32_t pages = 0;
  // The family the body font "Arial" was printed with.
  QString body_family;
};

// Prints the job to a PDF file exactly as "Drucken" prints it to the print dialog's PDF
// entry (PdfOutput.h). Needs a QGuiApplication (OffscreenPrintApplication). An earlier file of that
// name is replaced only when the whole job has been written. std::runtime_error when the file
// cannot be written.
PdfPrintResult PrintListToPdf(const PrintJobTexts& job, const QString& file,
                              const QPageSize& page_size);

}  // namespace zufora
