#include "OpenedDesign.h"

#include <filesystem>
#include <system_error>

#include "ZuforaCli.h"
#include "files/FirstShow.h"
#include "files/LanguageChoice.h"
#include "text/Cp1252.h"

namespace zufora::cli {

OpenedDesign::OpenedDesign(const DesignOptions& options, std::ostream& err,
                           const CalendarClock& clock)
    : options_(options), err_(err), clock_(clock), sink_(err, !options.accept_misfits) {}

int OpenedDesign::ApplyProgramLanguageFile() {
  const std::optional<FoundLanguageFile> found =
      options_.language_places ? FindProgramLanguageFile(*options_.language_places) : std::nullopt;
  if (!found) {
    ApplyFirstShowTexts(texts_, nullptr);  // the built-in texts, without the window's notice
    return kExitComplete;
  }
  const FirstShowResult first_show = RunFirstShow(texts_, found->file);
  if (first_show.language_file != FileReadStatus::Read) {
    err_ << "zufora-cli: "
         << first_show.error.value_or("cannot read the language file " + found->file.string())
         << '\n';
    return kExitFailure;
  }
  if (found->source == LanguageFileSource::UserFile ||
      found->source == LanguageFileSource::UserChoice) {
    err_ << "zufora-cli: texts from the language file " << found->file.string() << " ("
         << Cp1252ToUtf8(texts_.language.name) << ")\n";
  }
  return kExitComplete;
}

int OpenedDesign::Open() {
  if (options_.language_file) {
    const FirstShowResult first_show = RunFirstShow(texts_, *options_.language_file);
    if (first_show.language_file != FileReadStatus::Read) {
      if (first_show.error) {
        err_ << "zufora-cli: " << *first_show.error << '\n';
      } else {
        err_ << "zufora-cli: cannot read the language file " << *options_.language_file << '\n';
      }
      return kExitFailure;
    }
  } else if (const int status = ApplyProgramLanguageFile(); status != kExitComplete) {
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

  pages_ = std::make_unique<DesignPages>(texts_, sink_, generator_, clock_, files_);
  std::error_code status_error;
  if (std::filesystem::status(options_.design_file, status_error).type() ==
      std::filesystem::file_type::not_found) {
    err_ << "zufora-cli: the design file " << options_.design_file << " does not exist\n";
    return kExitFailure;
  }
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
  if (!pages_->MovePage(Page::List)) {
    // A check of the design page kept it in front. Only the warning that there are more
    // arms than patients lets the user go on: the focus is on the tabs now, so the next
    // move runs no check.
    if (pages_->State().last_design_check != DesignCheck::Warned || !pages_->MovePage(Page::List)) {
      return kExitIncomplete;
    }
  }
  pages_->SetMarkBlocks(options_.mark_blocks);
  pages_->SetShowSeed(options_.show_seed);
  return kExitComplete;
}

}  // namespace zufora::cli
