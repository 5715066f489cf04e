#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "print/PrintColor.h"
#include "print/PrintFont.h"
#include "print/PrintRect.h"

class QPainter;

namespace zufora {

class PrinterFonts;

// What the layout drew on one page, in the printer's device units (origin at the top-left
// of the printable area), to be drawn again at any scale: a few hundred operations a
// page, however long the job.
struct RecordedPage {
  struct Operation {
    enum class Kind { kText, kLine, kFill };
    Kind kind = Kind::kText;
    // Text: x and baseline in x1, y1, font index in font. Line: from (x1, y1) to
    // (x2, y2). Fill: the rectangle.
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
    PrintRect rect;
    PrintColor color;
    std::size_t font = 0;
    std::string text;  // cp1252
  };

  std::int32_t number = 0;
  std::vector<PrintFont> fonts;
  std::vector<Operation> operations;
};

// Draws the page on the painter in device units (the caller scales and moves the painter
// to its device), with fonts made for the printer the page was laid out for. The
// painter's pen width is kept for the lines.
void PaintRecordedPage(QPainter& painter, const RecordedPage& page, PrinterFonts& fonts);

}  // namespace zufora
