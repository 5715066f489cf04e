#pragma once

#include <QPageSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <string_view>

#include "print/PrintJobTexts.h"

namespace zufora {

struct PdfPrintResult {
  std::int32_t pages = 0;
  // The family the body font "Arial" was printed with.
  QString body_family;
};

// Sees every text the print run hands to the PDF's surface, where it goes, in order.
using PrintedTextObserver = std::function<void(std::int32_t x, std::int32_t y, std::string_view)>;

// Prints the job to a PDF file exactly as "Drucken" prints it to the print dialog's PDF
// entry (PdfOutput.h). Needs a QGuiApplication (OffscreenPrintApplication). An earlier
// file of that name is replaced only when the whole job has been written, unless the
// file is the caller's own new file (`in_place`, FileReplacement's), which is written
// straight. std::runtime_error when the file cannot be written.
PdfPrintResult PrintListToPdf(const PrintJobTexts& job, const QString& file,
                              const QPageSize& page_size, bool in_place = false,
                              const PrintedTextObserver& observer = {});

}  // namespace zufora
