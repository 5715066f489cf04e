#include "ZuforaCli.h"

#include <exception>
#include <type_traits>
#include <utility>

#include "CommandLine.h"
#include "GenerateCommand.h"
#include "files/FileAccess.h"
#include "files/FirstShow.h"
#include "lang/LanguageFileWriter.h"
#include "lang/ProgramTexts.h"
#include "random/ParkMillerShuffleGenerator.h"

#ifndef ZUFORA_VERSION
#define ZUFORA_VERSION "unknown"
#endif

namespace zufora::cli {
namespace {

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
      "[Language] names its language: Code (de, en, fr, pt_BR, ...) for the dialogs of Qt,\n"
      "Name as the Info page offers the file.\n"
      "Values lose blanks at either end; an absent key or an empty value keeps the text.";
  if (options.language_file) {
    const LanguageFileReading reading = ReadLanguageFile(*options.language_file);
    if (reading.status != FileReadStatus::Read) {
      err << "zufora-cli: cannot read the language file " << *options.language_file << '\n';
      return kExitFailure;
    }
    TranslateWindows(texts.Windows(), reading.file);
    texts.language = ReadLanguageIdentity(reading.file);
  }
  ReplaceFileContents(options.output_file, WriteLanguageFileText(std::as_const(texts), heading));
  return kExitComplete;
}

}  // namespace

int RunZuforaCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                 const CalendarClock& clock, const ProgramContext& context) {
  Command command = ParseCommandLine(arguments);
  std::visit(
      [&context](auto& request) {
        if constexpr (requires { request.design.language_places; }) {
          request.design.language_places = context.language_places;
        }
      },
      command);
  try {
    return std::visit(
        [&](const auto& request) -> int {
          using Request = std::decay_t<decltype(request)>;
          if constexpr (std::is_same_v<Request, GenerateOptions>) {
            return RunGenerate(request, out, err, clock, context);
          } else if constexpr (std::is_same_v<Request, VerifyOptions>) {
            return RunVerify(request, out, err, clock, context);
          } else if constexpr (std::is_same_v<Request, ReportOptions>) {
            return RunReport(request, out, err, clock, context);
          } else if constexpr (std::is_same_v<Request, SelftestOptions>) {
            return RunSelftest(request, out, err, clock, context);
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
