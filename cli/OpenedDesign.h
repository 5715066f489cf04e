#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "DesignOptions.h"
#include "StreamMessageSink.h"
#include "files/DiskDesignFiles.h"
#include "lang/ProgramTexts.h"
#include "pages/DesignPages.h"
#include "random/ParkMillerShuffleGenerator.h"
#include "random/SeedProposal.h"

namespace zufora::cli {

// Where the design and the language texts come from when not from the files the options
// name: bytes held in memory (a provenance record's), the options' file names standing
// for them in messages.
struct HeldFiles {
  std::optional<std::string> design;
  std::optional<std::string> language;  // applied as the language file
};

// A design file walked to the list page as a user does in the window: the language file
// applied, the design opened, the seed field set, the design page left (its check runs),
// the check boxes set. Messages go to `err`. When the check proposes a seed, `err` says
// so with the seed.
class OpenedDesign {
 public:
  OpenedDesign(const DesignOptions& options, std::ostream& err, const CalendarClock& clock,
               HeldFiles held = {});
  OpenedDesign(const OpenedDesign&) = delete;
  OpenedDesign& operator=(const OpenedDesign&) = delete;

  // kExitComplete when the list page is in front, ready for "Generieren"; otherwise the
  // exit status (a file problem, or a check that kept the design page in front).
  int Open();

  DesignPages& Pages() { return *pages_; }
  const ProgramTexts& Texts() const { return texts_; }
  // The design file's bytes as they were read and loaded.
  const std::string& DesignBytes() const;
  // The language file's bytes as applied; none without one.
  const std::optional<std::string>& LanguageBytes() const { return language_bytes_; }
  // Whether the design had no seed and the check proposed one, and the clock reading it
  // was proposed from.
  bool SeedProposed() const { return seed_proposed_; }
  std::optional<std::int64_t> SeedClock() const;

 private:
  int ApplyLanguage();
  // The program's language file when --lang is not given: kExitComplete, or the exit
  // status of a file that is there but cannot be read.
  int ApplyProgramLanguageFile();
  // The seed field's seed turned into the test list's, and the lists marked as a test list.
  void MakeTestList();

  const DesignOptions& options_;
  std::ostream& err_;
  const CalendarClock& clock_;
  HeldFiles held_;
  // The clock as the pages read it, every reading noted.
  std::vector<std::int64_t> clock_readings_;
  CalendarClock noted_clock_;
  ProgramTexts texts_;
  StreamMessageSink sink_;
  ParkMillerShuffleGenerator generator_;
  DiskDesignFiles disk_files_{texts_.catalogue};
  std::unique_ptr<HeldDesignFiles> held_files_;
  std::unique_ptr<DesignPages> pages_;
  std::optional<std::string> language_bytes_;
  bool seed_proposed_ = false;
};

}  // namespace zufora::cli
