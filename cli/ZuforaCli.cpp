#include "ZuforaCli.h"

#include <exception>
#include <filesystem>
#include <system_error>
#include <type_traits>
#include <utility>

#include <QByteArray>
#include <QFile>
#include <QPageSize>

#include "CommandLine.h"
#include "StreamMessageSink.h"
#include "files/DiskDesignFiles.h"
#include "files/ExportFile.h"
#include "files/FileAccess.h"
#include "files/FirstShow.h"
#include "lang/LanguageFileWriter.h"
#include "lang/ProgramTexts.h"
#include "pages/DesignPages.h"
#include "print/PrintJobTexts.h"
#include "qtprint/GuiSession.h"
#include "qtprint/HeaderDate.h"
#include "qtprint/PdfListPrinter.h"
#include "random/ListExport.h"
#include "text/Cp1252.h"

#ifndef ZUFORA_VERSION
#define ZUFORA_VERSION "unknown"
#endif

namespace zufora::cli {
namespace {

// The list text printed to the PDF file as "Drucken" prints it; throws when the file
// cannot be written.
void PrintPdf(const GenerateOptions& options, const ProgramTexts& texts,
              const std::string& list_text, std::ostream& err) {
  const GuiSession session;
  const QPageSize page_size(options.page_size == PdfPageSize::kLetter ? QPageSize::Letter
                                                                      : QPageSize::A4);
  const PdfPrintResult result =
      PrintListToPdf(PrintJobTexts::From(texts, list_text, &TodaysHeaderDate),
                     QFile::decodeName(QByteArray::fromStdString(*options.pdf_file)), page_size);
  if (result.body_family != QStringLiteral("Arial") &&
      result.body_family != QStringLiteral("Liberation Sans")) {
    err << "zufora-cli: Arial and Liberation Sans are missing (package fonts-liberation); "
           "the PDF is printed in "
        << result.body_family.toStdString() << '\n';
  }
}

// Whether two names reach the same file (device and inode, through links and any
// spelling of the path); false when either does not exist.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

int Generate(const GenerateOptions& options, std::ostream& out, std::ostream& err,
             const CalendarClock& clock) {
  // An output would replace the file the list is drawn from, and the design be lost.
  for (const std::optional<std::string>& output : {options.output_file, options.pdf_file}) {
    for (const std::optional<std::string>& input :
         {std::optional<std::string>(options.design_file), options.language_file}) {
      if (output && input && SameFile(*output, *input)) {
        err << "zufora-cli: the output file " << *output << " is the file " << *input
            << " itself; choose another output file\n";
        return kExitFailure;
      }
    }
  }
  ProgramTexts texts;
  if (options.language_file) {
    const FirstShowResult first_show = RunFirstShow(texts, *options.language_file);
    if (first_show.language_file != FileReadStatus::Read) {
      if (first_show.error) {
        err << "zufora-cli: " << *first_show.error << '\n';
      } else {
        err << "zufora-cli: cannot read the language file " << *options.language_file << '\n';
      }
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
    WriteExportFile(*options.output_file, ExportBytes(pages.RichEditList()));
  } else if (!options.pdf_file) {
    out << Cp1252ToUtf8(pages.RichEditList());
  }
  if (options.pdf_file) {
    PrintPdf(options, texts, pages.RichEditList(), err);
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
