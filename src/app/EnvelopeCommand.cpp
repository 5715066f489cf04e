#include "EnvelopeCommand.h"

#include <QPrinter>
#include <algorithm>
#include <limits>
#include <memory>
#include <string>
#include <variant>

#include "PrintCommand.h"
#include "evidence/EnvelopeCards.h"
#include "print/EnvelopePrintRun.h"
#include "qtprint/Cp1252QString.h"
#include "qtprint/PdfOutput.h"
#include "qtprint/PrintCancelled.h"
#include "qtprint/QtPrintSurface.h"

namespace zufora::app {

bool EnvelopeCommand::Print(QWidget* parent, const GeneratedLists& lists,
                            const NumberingOptions& numbering) {
  QPrinter printer(QPrinter::HighResolution);
  if (!dialogs_.AskPrinter(parent, printer)) {
    return false;
  }
  return Run(parent, printer, lists, numbering);
}

bool EnvelopeCommand::Run(QWidget* parent, QPrinter& printer, const GeneratedLists& lists,
                          const NumberingOptions& numbering) {
  if (WritesPdf(printer)) {
    PreparePdfPrinter(printer);
  }
  std::unique_ptr<PrintProgress> progress;
  QtPrintSurface surface(printer, [&progress](std::int32_t done) {
    if (progress && !progress->PagesDone(done)) {
      throw PrintCancelled();
    }
  });
  const EnvelopeSheet sheet =
      EnvelopeSheet::For(surface.PageWidth(), surface.PageHeight(), surface.ResolutionY());
  const std::int64_t pages = EnvelopePrintRun::PagesFor(EnvelopeCards::Count(lists.drawn), sheet);
  if (pages > PrintCommand::kProgressPages) {
    const bool to_file = !printer.outputFileName().isEmpty();
    const QString label = FromCp1252(texts_.catalogue.Text(Message::LabelEnvelopesButton));
    progress = dialogs_.StartProgress(
        parent, label,
        static_cast<int>(std::min<std::int64_t>(pages, std::numeric_limits<int>::max())), to_file);
  }
  const auto numbers =
      std::get<RandomisationNumbering>(NumberDrawnLists(numbering, lists.design, lists.drawn));
  EnvelopeCards cards(lists.design, lists.drawn, texts_.derived.center_caption,
                      texts_.derived.stratum_caption,
                      [&numbers](std::int64_t index) { return numbers.Number(index); });
  const EnvelopeJob job{.study_name = lists.drawn.study_name,
                        .document_name = texts_.main_window.Caption(),
                        .test = lists.test_list};
  try {
    EnvelopePrintRun::Print(surface, job, cards);
  } catch (const PrintCancelled&) {
    return false;  // abandoned; the user asked for it
  }
  return true;
}

}  // namespace zufora::app
