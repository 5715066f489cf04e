#pragma once

#include <QPageSize>
#include <QString>
#include <cstdint>

#include "print/EnvelopeCard.h"

namespace zufora {

struct PdfEnvelopeResult {
  std::int64_t cards = 0;
  std::int32_t pages = 0;
};

// Prints the code-break cards to a PDF file (EnvelopePrintRun) with the page set-up of
// every PDF the program writes (PdfOutput.h). Needs a QGuiApplication
// (OffscreenPrintApplication). An earlier file of that name is replaced only when the
// whole job has been written, unless the file is the caller's own new file (`in_place`),
// which is written straight. std::runtime_error when the file cannot be written.
PdfEnvelopeResult PrintEnvelopesToPdf(const EnvelopeJob& job, EnvelopeCardSource& cards,
                                      const QString& file, const QPageSize& page_size,
                                      bool in_place = false);

}  // namespace zufora
