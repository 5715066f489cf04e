#include "qtprint/PageCountingSurface.h"

#include <QPrinter>

#include "print/ListPrintRun.h"

namespace zufora {

PageCountingSurface::PageCountingSurface(const QPrinter& printer)
    : page_width_(printer.width()),
      page_height_(printer.height()),
      resolution_y_(printer.logicalDpiY()) {}

std::int32_t CountPages(const QPrinter& printer, const PrintJobTexts& job) {
  PageCountingSurface surface(printer);
  PrintJobTexts counted = job;
  counted.date = [] { return std::string(); };  // the job reads the clock when it prints
  ListPrintRun run;
  run.Print(surface, counted);
  return surface.Pages();
}

}  // namespace zufora
