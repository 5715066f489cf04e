#pragma once

#include <QPageSize>
#include <QString>

class QPrinter;

namespace zufora {

// PDF output, the same from the print dialog's PDF entry and from the command line:
// 600 dots per inch, margins of 12 points (1/6 inch, about 4.2 mm) on every side.
inline constexpr int kPdfResolution = 600;
inline constexpr double kPdfMarginPoints = 12.0;

// Whether the printer writes a PDF file rather than sending a job to a printer.
bool WritesPdf(const QPrinter& printer);

// Gives a PDF printer the resolution and margins above and turns full-page mode off;
// paper size and orientation stay as chosen. Must run before the print surface is
// built on the printer.
void PreparePdfPrinter(QPrinter& printer);

// A PDF printer for the file: the page size in portrait, then PreparePdfPrinter.
void SetUpPdfFile(QPrinter& printer, const QString& file, const QPageSize& page_size);

}  // namespace zufora
