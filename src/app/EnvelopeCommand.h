#pragma once

#include "PrintDialogs.h"
#include "evidence/RandomisationNumbers.h"
#include "lang/ProgramTexts.h"
#include "pages/Generation.h"

class QPrinter;
class QWidget;

namespace zufora::app {

// "Umschläge drucken": the print dialog, then one code-break card for each allocation of
// the lists given (EnvelopePrintRun) on the chosen printer, or its PDF entry. A job of
// more than PrintCommand::kProgressPages pages shows the progress of "Drucken", which
// can cancel a PDF file as it does there.
class EnvelopeCommand {
 public:
  EnvelopeCommand(PrintDialogs& dialogs, const ProgramTexts& texts)
      : dialogs_(dialogs), texts_(texts) {}

  // Nothing happens when the dialog or the job is cancelled (false); a failure of the
  // printer is thrown, after the job has been abandoned, for the error box.
  // The cards carry the numbers `numbering` gives, which must pass NumberingProblem for
  // the lists' allocations.
  bool Print(QWidget* parent, const GeneratedLists& lists, const NumberingOptions& numbering);

  // The run on a printer that is ready (the dialog has closed). False when cancelled.
  bool Run(QWidget* parent, QPrinter& printer, const GeneratedLists& lists,
           const NumberingOptions& numbering);

 private:
  PrintDialogs& dialogs_;
  const ProgramTexts& texts_;
};

}  // namespace zufora::app
