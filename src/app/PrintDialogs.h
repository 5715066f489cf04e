#pragma once

#include <functional>
#include <memory>

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

  // The print preview of the pages that `paint` draws on the printer it is given, from
  // which the user may print (`paint` runs again on the chosen printer then).
  virtual void ShowPreview(QWidget* parent, QPrinter& printer,
                           const std::function<void(QPrinter&)>& paint) = 0;

  // A progress indication for a job of `pages` pages, with a way to cancel it when
  // `cancellable`. It disappears when the object is destroyed.
  virtual std::unique_ptr<PrintProgress> StartProgress(QWidget* parent, const QString& label,
                                                       int pages, bool cancellable) = 0;
};

}  // namespace zufora::app
