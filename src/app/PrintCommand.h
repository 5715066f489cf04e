#pragma once

#include "PrintDialogs.h"
#include "lang/ProgramTexts.h"
#include "print/PrintJobTexts.h"

class QPrinter;
class QWidget;

namespace zufora::app {

// The print window's actions: "Drucken" (the print dialog, then the print run on the
// chosen printer) and "Druckvorschau" (the program's preview of the same pages, laid out
// on demand so that a list of any length opens at once and takes little memory).
//
// The run is synchronous: it lays out and draws page after page inside the click. A job
// of more than kProgressPages pages shows a progress dialog, modal on the window, whose
// updates after each page let the event loop run once, so that its Cancel button is
// heard; a cancel stops the run at the next page and abandons the job. A PDF file is
// abandoned without trace. A printer's job is spooled by Qt and handed to the printer
// only when the run ends, and Qt cannot withdraw it: for a printer the progress offers
// no Cancel.
//
// The preview lays out a long list (more than kPreviewProgressLines lines) under a
// progress that can be cancelled; a cancel while it opens shows no preview, one while it
// turns to a page stays on the page shown.
class PrintCommand {
 public:
  static constexpr int kProgressPages = 5;
  static constexpr long kPreviewProgressLines = 10000;

  // The progress shows the print window's "Drucken", as translated.
  PrintCommand(PrintDialogs& dialogs, const ProgramTexts& texts)
      : dialogs_(dialogs), texts_(texts) {}

  // Nothing happens when the dialog is cancelled or the job is cancelled; a failure of
  // the printer is thrown, after the job has been abandoned, for the error box. Print is
  // true when the job was printed.
  bool Print(QWidget* parent, const PrintJobTexts& job);
  void Preview(QWidget* parent, const PrintJobTexts& job);

  // The run on a printer that is ready (the dialog has closed): a PDF printer gets its
  // resolution and margins, then the job is printed. Returns false when it was cancelled.
  bool Run(QWidget* parent, QPrinter& printer, const PrintJobTexts& job);

 private:
  PreviewTexts MakePreviewTexts() const;

  PrintDialogs& dialogs_;
  const ProgramTexts& texts_;
};

}  // namespace zufora::app
