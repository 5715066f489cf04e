#pragma once

#include <memory>
#include <ostream>

#include "DesignOptions.h"
#include "StreamMessageSink.h"
#include "files/DiskDesignFiles.h"
#include "lang/ProgramTexts.h"
#include "pages/DesignPages.h"
#include "random/ParkMillerShuffleGenerator.h"
#include "random/SeedProposal.h"

namespace zufora::cli {

// A design file walked to the list page as a user does in the window: the language file
// applied, the design opened, the seed field set, the design page left (its check runs),
// the check boxes set. Messages go to `err`.
class OpenedDesign {
 public:
  OpenedDesign(const DesignOptions& options, std::ostream& err, const CalendarClock& clock);
  OpenedDesign(const OpenedDesign&) = delete;
  OpenedDesign& operator=(const OpenedDesign&) = delete;

  // kExitComplete when the list page is in front, ready for "Generieren"; otherwise the
  // exit status (a file problem, or a check that kept the design page in front).
  int Open();

  DesignPages& Pages() { return *pages_; }
  const ProgramTexts& Texts() const { return texts_; }

 private:
  // The program's language file when --lang is not given: kExitComplete, or the exit
  // status of a file that is there but cannot be read.
  int ApplyProgramLanguageFile();

  const DesignOptions& options_;
  std::ostream& err_;
  const CalendarClock& clock_;
  ProgramTexts texts_;
  StreamMessageSink sink_;
  ParkMillerShuffleGenerator generator_;
  DiskDesignFiles files_{texts_.catalogue};
  std::unique_ptr<DesignPages> pages_;
};

}  // namespace zufora::cli
