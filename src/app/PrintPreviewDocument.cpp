#include "PrintPreviewDocument.h"

#include <QPrinter>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "print/ListPrintRun.h"
#include "qtprint/PagePreviewSurface.h"
#include "qtprint/PrintCancelled.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace zufora::app {
namespace {

// A run holds the list text's lines, several hundred megabytes for the longest lists,
// as many small blocks; glibc keeps such memory from the system once other blocks lie
// above it. The preview gives it back after each run, so that it holds no more than
// its pages between runs.
void GiveBackFreedMemory() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}

}  // namespace

PrintPreviewDocument::PrintPreviewDocument(QPrinter& printer, const PrintJobTexts& job,
                                           ProgressStarter progress, PrintAction print)
    : printer_(printer),
      job_(job),
      progress_(std::move(progress)),
      print_(std::move(print)),
      fonts_(printer, printer.logicalDpiY()) {}

bool PrintPreviewDocument::Open(QWidget* parent) {
  pages_.clear();
  return Run(parent, 1, kPagesPerRun, true);
}

QRect PrintPreviewDocument::PaperRect() const {
  return printer_.paperRect(QPrinter::DevicePixel).toRect();
}

QRect PrintPreviewDocument::PrintableRect() const {
  return printer_.pageRect(QPrinter::DevicePixel).toRect();
}

int PrintPreviewDocument::Resolution() const {
  return printer_.logicalDpiY();
}

bool PrintPreviewDocument::Prepare(QWidget* parent, int page) {
  if (page < 1 || page > page_count_ || pages_.contains(page)) {
    return true;
  }
  // Mostly the user pages on: more pages after the one asked for than before it.
  const int first = std::max(1, page - kPagesBefore);
  const int last = std::min(page_count_, first + kPagesPerRun - 1);
  if (!Run(parent, first, last, false)) {
    return false;
  }
  Trim(page);
  return true;
}

void PrintPreviewDocument::Paint(int page, QPainter& painter) {
  const auto found = pages_.find(page);
  if (found != pages_.end()) {
    PaintRecordedPage(painter, found->second, fonts_);
  }
}

bool PrintPreviewDocument::LayOut(PagePreviewSurface& surface) {
  ListPrintRun run;
  try {
    run.Print(surface, job_);
  } catch (const PreviewPagesReady&) {
    // the pages asked for are done
  } catch (const PrintCancelled&) {
    return false;
  }
  return true;
}

bool PrintPreviewDocument::Run(QWidget* parent, int first, int last, bool count) {
  std::unique_ptr<PrintProgress> progress = progress_ ? progress_(parent) : nullptr;
  PagePreviewSurface surface(printer_, first, last, !count, [&progress](std::int32_t done) {
    if (progress && done % kProgressStep == 0 && !progress->PagesDone(done)) {
      throw PrintCancelled();
    }
  });
  ++layout_runs_;
  const bool done = LayOut(surface);
  GiveBackFreedMemory();
  if (!done) {
    return false;
  }
  if (count) {
    page_count_ = surface.Pages();
  }
  for (RecordedPage& page : surface.TakeRecordedPages()) {
    const int number = page.number;
    pages_.insert_or_assign(number, std::move(page));
  }
  return true;
}

void PrintPreviewDocument::Trim(int near) {
  while (pages_.size() > kPagesKept) {
    const int first = pages_.begin()->first;
    const int last = pages_.rbegin()->first;
    pages_.erase(std::abs(first - near) > std::abs(last - near) ? first : last);
  }
}

}  // namespace zufora::app
