#include "PrintCommand.h"

#include <QPrinter>
#include <memory>

#include "print/ListPrintRun.h"
#include "qtprint/Cp1252QString.h"
#include "qtprint/PageCountingSurface.h"
#include "qtprint/PdfOutput.h"
#include "qtprint/PrintCancelled.h"
#include "qtprint/QtPrintSurface.h"

namespace zufora::app {

void PrintCommand::Print(QWidget* parent, const PrintJobTexts& job) {
  QPrinter printer(QPrinter::HighResolution);
  if (!dialogs_.AskPrinter(parent, printer)) {
    return;
  }
  Run(parent, printer, job);
}

void PrintCommand::Preview(QWidget* parent, const PrintJobTexts& job) {
  QPrinter printer(QPrinter::HighResolution);
  if (printer.outputFormat() == QPrinter::NativeFormat && !printer.isValid()) {
    printer.setOutputFormat(QPrinter::PdfFormat);  // no printer at all: the PDF page
  }
  if (WritesPdf(printer)) {
    PreparePdfPrinter(printer);
  }
  dialogs_.ShowPreview(parent, printer,
                       [this, parent, &job](QPrinter& target) { Run(parent, target, job); });
}

bool PrintCommand::Run(QWidget* parent, QPrinter& printer, const PrintJobTexts& job) {
  if (WritesPdf(printer)) {
    PreparePdfPrinter(printer);
  }
  std::unique_ptr<PrintProgress> progress;
  const int pages = CountPages(printer, job);
  if (pages > kProgressPages) {
    const bool to_file = !printer.outputFileName().isEmpty();
    const QString label = FromCp1252(texts_.print_window.CaptionOf("Button2"));
    progress = dialogs_.StartProgress(parent, label, pages, to_file);
  }
  QtPrintSurface surface(printer, [&progress](std::int32_t done) {
    if (progress && !progress->PagesDone(done)) {
      throw PrintCancelled();
    }
  });
  ListPrintRun run;
  try {
    run.Print(surface, job);
  } catch (const PrintCancelled&) {
    return false;  // abandoned; the user asked for it
  }
  return true;
}

}  // namespace zufora::app
