#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "PreviewPages.h"
#include "PrintDialogs.h"
#include "print/PrintJobTexts.h"
#include "qtprint/PrinterFonts.h"
#include "qtprint/RecordedPage.h"

class QPrinter;

namespace zufora {
class PagePreviewSurface;
}

namespace zufora::app {

// The pages of a print job for the preview, laid out on the printer they would be printed
// on. Opening the preview lays out the job once to count its pages, keeping the first
// ones; a page not at hand is laid out with its neighbours (the pages before are passed
// over without drawing). At most kPagesKept pages are kept, those nearest the page shown,
// so that the memory a preview takes does not grow with the job.
class PrintPreviewDocument : public PreviewPages {
 public:
  // How many pages one layout run keeps around the page asked for, and in all.
  static constexpr int kPagesBefore = 4;
  static constexpr int kPagesPerRun = 16;
  static constexpr std::size_t kPagesKept = 48;
  // After how many pages a run lets the progress (and its Cancel button) be heard.
  static constexpr int kProgressStep = 64;

  // Starts the progress of a run over the widget, or none (a short job).
  using ProgressStarter = std::function<std::unique_ptr<PrintProgress>(QWidget* parent)>;
  // "Drucken" from the preview; true when it was printed.
  using PrintAction = std::function<bool(QWidget* parent)>;

  // The printer must be final and outlive the document, as must the job.
  PrintPreviewDocument(QPrinter& printer, const PrintJobTexts& job, ProgressStarter progress,
                       PrintAction print);

  // Lays out the whole job once: its page count and its first pages. False when the user
  // cancelled. The job's printer errors are thrown.
  bool Open(QWidget* parent);

  int PageCount() const override { return page_count_; }
  QRect PaperRect() const override;
  QRect PrintableRect() const override;
  int Resolution() const override;
  bool Prepare(QWidget* parent, int page) override;
  void Paint(int page, QPainter& painter) override;
  bool Print(QWidget* parent) override { return print_(parent); }

  // How often the job was laid out, and how many pages are kept now.
  int LayoutRuns() const { return layout_runs_; }
  std::size_t PagesKept() const { return pages_.size(); }

 private:
  // Lays out the job, keeping pages first to last; to the end when `count`, else only
  // as far as `last`. False when cancelled.
  bool Run(QWidget* parent, int first, int last, bool count);
  // One print run on the surface; false when cancelled.
  bool LayOut(PagePreviewSurface& surface);
  // Keeps no more than kPagesKept pages, dropping those farthest from `near`.
  void Trim(int near);

  QPrinter& printer_;
  const PrintJobTexts& job_;
  ProgressStarter progress_;
  PrintAction print_;
  PrinterFonts fonts_;
  int page_count_ = 0;
  int layout_runs_ = 0;
  std::map<int, RecordedPage> pages_;
};

}  // namespace zufora::app
