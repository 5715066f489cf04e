#pragma once

#include <memory>

#include "PreviewPages.h"

class QPrinter;
class QString;
class QWidget;

namespace zufora::app {

// The progress of a long print job.
class PrintProgress {
 public:
  virtual ~PrintProgress() = default;
  // `pages` of the job's pages are done. False once the user has cancelled.
  virtual bool PagesDone(int pages) = 0;
};

// The print dialog, the preview and the progress of a job, reached only through this
// interface: Qt's in the program, scripted ones in the tests.
class PrintDialogs {
 public:
  virtual ~PrintDialogs() = default;

  // The print dialog on `printer`: the choice of printer (the PDF entry included), its
  // properties and the number of copies; no page range, current page or selection.
  // False when cancelled.
  virtual bool AskPrinter(QWidget* parent, QPrinter& printer) = 0;

  // The print preview of the pages, with their navigation and a way to print them; it
  // returns when the preview is closed.
  virtual void ShowPreview(QWidget* parent, PreviewPages& pages, const PreviewTexts& texts) = 0;

  // A progress indication for a job of `pages` pages, with a way to cancel it when
  // `cancellable`. With 0 pages the length is not known: the indication then shows that
  // work goes on, and only once the job has taken a moment. It disappears when the
  // object is destroyed.
  virtual std::unique_ptr<PrintProgress> StartProgress(QWidget* parent, const QString& label,
                                                       int pages, bool cancellable) = 0;
};

}  // namespace zufora::app
