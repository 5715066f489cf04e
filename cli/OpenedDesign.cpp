#include "OpenedDesign.h"

#include <filesystem>
#include <system_error>

#include "ZuforaCli.h"
#include "evidence/ProvenanceRecord.h"
#include "files/FirstShow.h"
#include "files/LanguageChoice.h"
#include "random/TestListSeed.h"
#include "text/Cp1252.h"
#include "text/IntegerText.h"

namespace zufora::cli {

OpenedDesign::OpenedDesign(const DesignOptions& options, std::ostream& err,
                           const CalendarClock& clock, HeldFiles held)
    : options_(options),
      err_(err),
      clock_(clock),
      held_(std::move(held)),
      noted_clock_([this] {
        clock_readings_.push_back(clock_());
        return clock_readings_.back();
      }),
      sink_(err, !options.accept_misfits) {}

const std::string& OpenedDesign::DesignBytes() const {
  return held_.design ? *held_.design : disk_files_.LoadedBytes();
}

std::optional<std::int64_t> OpenedDesign::SeedClock() const {
  if (!seed_proposed_ || clock_readings_.empty()) {
    return std::nullopt;
  }
  return clock_readings_.front();
}

int OpenedDesign::ApplyLanguage() {
  if (held_.language) {
    language_bytes_ = held_.language;
    const LanguageFile file = LanguageFile::Parse(*held_.language);
    ApplyFirstShowTexts(texts_, &file);
    return kExitComplete;
  }
  if (!options_.language_file && held_.design) {
    // Drawn again as a record says: it names every language file that was used.
    ApplyFirstShowTexts(texts_, nullptr);
    return kExitComplete;
  }
  if (!options_.language_file) {
    return ApplyProgramLanguageFile();
  }
  LanguageFileReading reading = ReadLanguageFile(*options_.language_file);
  if (reading.status != FileReadStatus::Read) {
    if (reading.status == FileReadStatus::Unreadable) {
      err_ << "zufora-cli: Unable to read " << *options_.language_file << ": " << reading.reason
           << '\n';
    } else {
      err_ << "zufora-cli: cannot read the language file " << *options_.language_file << '\n';
    }
    return kExitFailure;
  }
  language_bytes_ = std::move(reading.bytes);
  ApplyFirstShowTexts(texts_, &reading.file);
  return kExitComplete;
}

int OpenedDesign::ApplyProgramLanguageFile() {
  const std::optional<FoundLanguageFile> found =
      options_.language_places ? FindProgramLanguageFile(*options_.language_places) : std::nullopt;
  if (!found) {
    ApplyFirstShowTexts(texts_, nullptr);  // the built-in texts, without the window's notice
    return kExitComplete;
  }
  LanguageFileReading reading = ReadLanguageFile(found->file);
  if (reading.status != FileReadStatus::Read) {
    err_ << "zufora-cli: cannot read the language file " << found->file.string();
    if (!reading.reason.empty()) {
      err_ << ": " << reading.reason;
    }
    err_ << '\n';
    return kExitFailure;
  }
  language_bytes_ = std::move(reading.bytes);
  ApplyFirstShowTexts(texts_, &reading.file);
  if (found->source == LanguageFileSource::UserFile ||
      found->source == LanguageFileSource::UserChoice) {
    err_ << "zufora-cli: texts from the language file " << found->file.string() << " ("
         << Cp1252ToUtf8(texts_.language.name) << ")\n";
  }
  return kExitComplete;
}

int OpenedDesign::Open() {
  if (const int status = ApplyLanguage(); status != kExitComplete) {
    return status;
  }
  std::optional<std::string> seed;
  if (options_.seed) {
    seed = Utf8ToCp1252(*options_.seed);
    if (!seed) {
      err_ << "zufora-cli: the seed holds characters that a design cannot store\n";
      return kExitFailure;
    }
  }

  DesignFiles* files = &disk_files_;
  if (held_.design) {
    held_files_ = std::make_unique<HeldDesignFiles>(texts_.catalogue, *held_.design);
    files = held_files_.get();
  }
  if (!held_.design) {
    std::error_code status_error;
    if (std::filesystem::status(options_.design_file, status_error).type() ==
        std::filesystem::file_type::not_found) {
      err_ << "zufora-cli: the design file " << options_.design_file << " does not exist\n";
      return kExitFailure;
    }
  }
  pages_ = std::make_unique<DesignPages>(texts_, sink_, generator_, noted_clock_, *files);
  switch (pages_->OpenDesign(options_.design_file)) {
    case DesignPages::LoadOutcome::Loaded: break;
    case DesignPages::LoadOutcome::MissingFile:
      err_ << "zufora-cli: the design file " << options_.design_file << " does not exist\n";
      return kExitFailure;
    case DesignPages::LoadOutcome::Refused:
    case DesignPages::LoadOutcome::Unreadable:
    case DesignPages::LoadOutcome::Cancelled: return kExitFailure;  // the message has been shown
  }
  if (seed) {
    pages_->SetSeed(*seed);
  }
  const bool without_seed = pages_->Design().seed.empty();
  const bool moved =
      pages_->MovePage(Page::List) ||
      // A check of the design page kept it in front. Only the warning that
      // there are more arms than patients lets the user go on: the focus is
      // on the tabs now, so the next move runs no check.
      (pages_->State().last_design_check == DesignCheck::Warned && pages_->MovePage(Page::List));
  seed_proposed_ = without_seed && !pages_->Design().seed.empty();
  if (!moved) {
    return kExitIncomplete;
  }
  // Said only when lists are drawn with it.
  if (seed_proposed_) {
    const std::string proposed = Cp1252ToUtf8(pages_->Design().seed);
    err_ << "zufora-cli: the design has no seed; the seed " << proposed
         << " was proposed from the clock (" << UtcTimestamp(*SeedClock()) << "); --seed "
         << proposed << " draws these lists again\n";
  }
  pages_->SetMarkBlocks(options_.mark_blocks);
  pages_->SetShowSeed(options_.show_seed);
  if (options_.test_list) {
    MakeTestList();
  }
  return kExitComplete;
}

void OpenedDesign::MakeTestList() {
  // A seed that is no number is left for the generation's check to refuse.
  if (const auto seed = ParseIntegerText(pages_->Design().seed);
      seed && !options_.seed_is_test_seed) {
    pages_->SetSeed(std::to_string(TestListSeed(*seed)));
  }
  pages_->SetTestList(true);
}

}  // namespace zufora::cli
