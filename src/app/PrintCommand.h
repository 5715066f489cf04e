#pragma once

#include "PrintDialogs.h"
#include "lang/ProgramTexts.h"
#include "print/PrintJobTexts.h"

class QPrinter;
class QWidget;

namespace zufora::app {

// The print window's actions: "Drucken" (the print dialog, then the print run on the
// chosen printer) and "Druckvorschau" (Qt's preview of the same pages).
//
// The run is synchronous: it lays out and draws page after page inside the click. A job
// of more than kProgressPages pages shows a progress dialog, modal on the window, whose
// updates after each page let the event loop run once, so that its Cancel button is
// heard; a cancel stops the run at the next page and abandons the job. A PDF file is
// abandoned without trace. A printer's job is spooled by Qt and handed to the printer
// only when the run ends, and Qt cannot withdraw it: for a printer the progress offers
// no Cancel.
class PrintCommand {
 public:
  static constexpr int kProgressPages = 5;

  // The progress shows the print window's "Drucken", as translated.
  PrintCommand(PrintDialogs& dialogs, const ProgramTexts& texts)
      : dialogs_(dialogs), texts_(texts) {}

  // Nothing happens when the dialog is cancelled or the job is cancelled; a failure of
  // the printer is thrown, after the job has been abandoned, for the error box.
  void Print(QWidget* parent, const PrintJobTexts& job);
  void Preview(QWidget* parent, const PrintJobTexts& job);

  // The run on a printer that is ready (the dialog has closed): a PDF printer gets its
  // resolution and margins, then the job is printed. Returns false when it was cancelled.
  bool Run(QWidget* parent, QPrinter& printer, const PrintJobTexts& job);

 private:
  PrintDialogs& dialogs_;
  const ProgramTexts& texts_;
};

}  // namespace zufora::app
