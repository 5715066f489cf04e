#include "ZuforaCli.h"

#include <exception>
#include <type_traits>
#include <utility>

#include "CommandLine.h"
#include "StreamMessageSink.h"
#include "files/DiskDesignFiles.h"
#include "files/FileAccess.h"
#include "files/FirstShow.h"
#include "lang/LanguageFileWriter.h"
#include "lang/ProgramTexts.h"
#include "pages/DesignPages.h"
#include "random/ListExport.h"
#include "text/Cp1252.h"

#ifndef ZUFORA_VERSION
#define ZUFORA_VERSION "unknown"
#endif

namespace zufora::cli {
namespace {

int Generate(const GenerateOptions& options, std::ostream& out, std::ostream& err,
             const CalendarClock& clock) {
  ProgramTexts texts;
  if (options.language_file) {
    const FirstShowResult first_show = RunFirstShow(texts, *options.language_file);
    if (first_show.language_file != FileReadStatus::Read) {
      err << "zufora-cli: cannot read the language file " << *options.language_file << '\n';
      return kExitFailure;
    }
  } else {
    ApplyFirstShowTexts(texts, nullptr);  // the built-in texts, without the window's notice
  }
  std::optional<std::string> seed;
  if (options.seed) {
    seed = Utf8ToCp1252(*options.seed);
    if (!seed) {
      err << "zufora-cli: the seed holds characters that a design cannot store\n";
      return kExitFailure;
    }
  }

  StreamMessageSink sink(err, !options.accept_misfits);
  ParkMillerShuffleGenerator generator;
  DiskDesignFiles files;
  DesignPages pages(texts, sink, generator, clock, files);

  switch (pages.BitBtnLoadClick(options.design_file)) {
    case DesignPages::LoadOutcome::Loaded:
      break;
    case DesignPages::LoadOutcome::MissingFile:
      err << "zufora-cli: the design file " << options.design_file << " does not exist\n";
      return kExitFailure;
    case DesignPages::LoadOutcome::Refused:
    case DesignPages::LoadOutcome::Unreadable:
    case DesignPages::LoadOutcome::Cancelled:
      return kExitFailure;  // the message has been shown
  }
  if (seed) {
    pages.SetEditZZ(*seed);
  }
  if (!pages.MovePage(Page::TabSheetListe)) {
    // A check of the design page kept it in front. Only the warning that there are more
    // arms than patients lets the user go on: the focus is on the tabs now, so the next
    // move runs no check.
    if (pages.State().last_design_check != DesignCheck::Warned ||
        !pages.MovePage(Page::TabSheetListe)) {
      return kExitIncomplete;
    }
  }
  pages.SetCheckBoxBlocks(options.mark_blocks);
  pages.SetCheckBoxSeed(options.show_seed);
  const bool complete = pages.BitBtnStartClick();

  if (options.output_file) {
    ReplaceFileContents(*options.output_file, ExportBytes(pages.RichEditList()));
  } else {
    out << Cp1252ToUtf8(pages.RichEditList());
  }
  return complete ? kExitComplete : kExitIncomplete;
}

int ProposeSeedCommand(const ProposeSeedOptions& options, std::ostream& out,
                       const CalendarClock& clock) {
  ParkMillerShuffleGenerator generator;
  const CalendarClock fixed = [&options] { return *options.time; };
  out << ProposeSeed(generator, options.time ? fixed : clock) << '\n';
  return kExitComplete;
}

int WriteLanguageFileCommand(const WriteLanguageFileOptions& options, std::ostream& err) {
  ProgramTexts texts;  // the built-in texts, before any first show
  std::string heading =
      "Zufora " ZUFORA_VERSION
      " language file, written by zufora-cli write-language-file.\n"
      "Stored beside the program as ZuforaLang.ini it replaces the texts of the windows.\n"
      "Values lose blanks at either end; an absent key or an empty value keeps the text.";
  if (options.language_file) {
    const LanguageFileReading reading = ReadLanguageFile(*options.language_file);
    if (reading.status != FileReadStatus::Read) {
      err << "zufora-cli: cannot read the language file " << *options.language_file << '\n';
      return kExitFailure;
    }
    TranslateWindows(texts.Windows(), reading.file);
  }
  const auto windows = std::as_const(texts).Windows();
  ReplaceFileContents(options.output_file, WriteLanguageFileText(windows, heading));
  return kExitComplete;
}

}  // namespace

int RunZuforaCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                 const CalendarClock& clock) {
  const Command command = ParseCommandLine(arguments);
  try {
    return std::visit(
        [&](const auto& request) -> int {
          using Request = std::decay_t<decltype(request)>;
          if constexpr (std::is_same_v<Request, GenerateOptions>) {
            return Generate(request, out, err, clock);
          } else if constexpr (std::is_same_v<Request, ProposeSeedOptions>) {
            return ProposeSeedCommand(request, out, clock);
          } else if constexpr (std::is_same_v<Request, WriteLanguageFileOptions>) {
            return WriteLanguageFileCommand(request, err);
          } else if constexpr (std::is_same_v<Request, HelpRequest>) {
            out << request.text;
            return kExitComplete;
          } else if constexpr (std::is_same_v<Request, VersionRequest>) {
            out << "zufora-cli " << ZUFORA_VERSION << '\n';
            return kExitComplete;
          } else {
            err << request.text;
            return kExitFailure;
          }
        },
        command);
  } catch (const std::exception& error) {
    err << "zufora-cli: " << error.what() << '\n';
    return kExitFailure;
  }
}

}  // namespace zufora::cli
