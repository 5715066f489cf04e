#include "PrintCommand.h"

#include <QPrinter>
#include <algorithm>
#include <memory>

#include "PrintPreviewDocument.h"
#include "print/ListPrintRun.h"
#include "qtprint/Cp1252QString.h"
#include "qtprint/PageCountingSurface.h"
#include "qtprint/PdfOutput.h"
#include "qtprint/PrintCancelled.h"
#include "qtprint/QtPrintSurface.h"

namespace zufora::app {

bool PrintCommand::Print(QWidget* parent, const PrintJobTexts& job) {
  QPrinter printer(QPrinter::HighResolution);
  if (!dialogs_.AskPrinter(parent, printer)) {
    return false;
  }
  return Run(parent, printer, job);
}

void PrintCommand::Preview(QWidget* parent, const PrintJobTexts& job) {
  QPrinter printer(QPrinter::HighResolution);
  if (printer.outputFormat() == QPrinter::NativeFormat && !printer.isValid()) {
    printer.setOutputFormat(QPrinter::PdfFormat);  // no printer at all: the PDF page
  }
  if (WritesPdf(printer)) {
    PreparePdfPrinter(printer);
  }
  // Lines end in LF, CR LF or CR.
  const auto lines = std::max(std::count(job.list_text.begin(), job.list_text.end(), '\n'),
                              std::count(job.list_text.begin(), job.list_text.end(), '\r'));
  const bool long_job = lines > kPreviewProgressLines;
  const QString label = FromCp1252(texts_.catalogue.Text(Message::MessagePreviewPreparing));
  PrintPreviewDocument pages(
      printer, job,
      [this, long_job, label](QWidget* over) -> std::unique_ptr<PrintProgress> {
        return long_job ? dialogs_.StartProgress(over, label, 0, true) : nullptr;
      },
      [this, &job](QWidget* over) { return Print(over, job); });
  if (!pages.Open(parent)) {
    return;  // cancelled while the pages were counted
  }
  dialogs_.ShowPreview(parent, pages, MakePreviewTexts());
}

PreviewTexts PrintCommand::MakePreviewTexts() const {
  const auto text = [this](Message message) { return FromCp1252(texts_.catalogue.Text(message)); };
  PreviewTexts preview;
  preview.title = FromCp1252(texts_.print_window.CaptionOf("Button1"));
  preview.print = FromCp1252(texts_.print_window.CaptionOf("Button2"));
  preview.page_of = text(Message::LabelPreviewPageOf);
  preview.first_page = text(Message::LabelPreviewFirstPage);
  preview.previous_page = text(Message::LabelPreviewPreviousPage);
  preview.next_page = text(Message::LabelPreviewNextPage);
  preview.last_page = text(Message::LabelPreviewLastPage);
  preview.zoom_in = text(Message::LabelPreviewZoomIn);
  preview.zoom_out = text(Message::LabelPreviewZoomOut);
  preview.page_width = text(Message::LabelPreviewPageWidth);
  preview.whole_page = text(Message::LabelPreviewWholePage);
  preview.close = text(Message::LabelPreviewClose);
  return preview;
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
