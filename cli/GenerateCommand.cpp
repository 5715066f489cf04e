#include "GenerateCommand.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

#include "ExportSink.h"
#include "FileSink.h"
#include "OpenedDesign.h"
#include "StreamSink.h"
#include "Utf8Sink.h"
#include "ZuforaCli.h"
#include "design/Limits.h"
#include "evidence/AllocationTables.h"
#include "files/ExportFile.h"
#include "files/FileWriteError.h"
#include "pages/Generation.h"
#include "random/ListExport.h"
#include "random/ListTextWriter.h"
#include "text/Cp1252.h"
#include "text/IntegerText.h"

namespace zufora::cli {
namespace {

const std::string kUsage =
    std::string(
        "Usage: zufora-cli generate DESIGN.zfd [--seed TEXT] [--no-blocks] [--no-seed]\n"
        "                           [--accept-misfits] [--lang FILE] [--output FILE]\n"
        "                           [--format list|csv|redcap] [--arm-codes 1=CODE,2=CODE...]\n"
        "                           [--centre-field NAME] [--pdf FILE [--page-size A4|Letter]]\n"
        "\n"
        "Opens the design file, puts TEXT into the seed field if given, leaves the design\n"
        "page (its check runs and proposes a seed when the field is empty) and presses\n"
        "\"Generieren\" on the list page. Each list is written while it is drawn.\n"
        "\n") +
    kDesignOptionsHelp +
    "  --output FILE      write to FILE (replaced in one step) instead of standard output;\n"
    "                     the list text as the export writes it (cp1252, CR LF)\n"
    "  --format list      the list text (default; UTF-8 with LF on standard output)\n"
    "  --format csv       one CSV row per patient: centre, patient, arm,\n"
    "                     arm_description, block, block_size, position_in_block\n"
    "  --format redcap    the allocation table for upload into REDCap's randomization\n"
    "                     module: redcap_randomization_group, and with per-centre lists\n"
    "                     a stratum column holding the centre number\n"
    "                     (csv and redcap: not for stratified designs yet)\n"
    "  --arm-codes LIST   redcap: the code of each arm, e.g. 1=0,2=1 (default: the arm\n"
    "                     number); every arm needs one, no two arms the same\n"
    "  --centre-field NAME  redcap: the stratum column's name (default\n"
    "                     redcap_data_access_group)\n"
    "  --pdf FILE         print the list to a PDF file as \"Drucken\" prints it (600 dots\n"
    "                     per inch, margins of 1/6 inch), instead of writing it to\n"
    "                     standard output; needs no display\n"
    "  --page-size SIZE   paper of the PDF: A4 (default) or Letter\n"
    "\n"
    "Tables are UTF-8 CSV with a header row, each row ended by CR LF.\n"
    "Messages and questions go to standard error, one line each.\n"
    "Exit status: 0 every list drawn in full; 1 a check stopped the generation, it was\n"
    "abandoned, or a list could not be drawn; 2 a wrong command line or a file that\n"
    "does not exist or cannot be read or written.\n";

// Whether two names reach the same file (device and inode, through links and any
// spelling of the path); false when either does not exist.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

std::optional<std::map<std::int32_t, std::string>> ParseArmCodes(const std::string& text) {
  std::map<std::int32_t, std::string> codes;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(',', start);
    if (end == std::string::npos) {
      end = text.size();
    }
    const std::string pair = text.substr(start, end - start);
    const std::size_t equals = pair.find('=');
    if (equals == std::string::npos) {
      return std::nullopt;
    }
    const auto arm = ParseIntegerText(pair.substr(0, equals));
    const std::string code = pair.substr(equals + 1);
    if (!arm || *arm < 1 || code.empty() || !codes.emplace(*arm, code).second) {
      return std::nullopt;
    }
    start = end + 1;
  }
  return codes;
}

// Every arm of the design has a code, and no two the same; the message otherwise.
std::optional<std::string> CheckArmCodes(const std::map<std::int32_t, std::string>& codes,
                                         std::int32_t arm_count) {
  const auto problem = FindArmCodeProblem(codes, arm_count);
  if (!problem) {
    return std::nullopt;
  }
  switch (problem->kind) {
    case ArmCodeProblem::Kind::kMissing:
      return "--arm-codes gives no code for arm " + std::to_string(problem->arm);
    case ArmCodeProblem::Kind::kTwice:
      return "--arm-codes gives the code " + problem->code + " to two arms";
    case ArmCodeProblem::Kind::kBeyond: break;
  }
  return "--arm-codes names arm " + std::to_string(problem->arm) + ", but the design has " +
         std::to_string(arm_count);
}

int WriteWhileDrawing(const GenerateOptions& options, DesignPages& pages,
                      const std::map<std::int32_t, std::string>& arm_codes,
                      const std::string& centre_field, std::ostream& out);

}  // namespace

Parsed<GenerateOptions> ParseGenerate(const std::vector<std::string>& arguments) {
  GenerateOptions options;
  bool have_design = false;
  bool page_size_given = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    std::string error;
    if (IsHelp(argument)) {
      return HelpRequest{kUsage};
    }
    if (TakeDesignOption(arguments, i, options.design, have_design, error)) {
      if (!error.empty()) {
        return Wrong(error, kUsage.c_str());
      }
      continue;
    }
    if (i + 1 >= arguments.size() &&
        (argument == "--output" || argument == "--format" || argument == "--arm-codes" ||
         argument == "--centre-field" || argument == "--pdf" || argument == "--page-size")) {
      return Wrong(argument + " needs a value", kUsage.c_str());
    }
    if (argument == "--output") {
      options.output_file = arguments[++i];
    } else if (argument == "--pdf") {
      options.pdf_file = arguments[++i];
    } else if (argument == "--page-size") {
      const std::string& size = arguments[++i];
      if (size == "A4" || size == "a4") {
        options.page_size = PdfPageSize::kA4;
      } else if (size == "Letter" || size == "letter") {
        options.page_size = PdfPageSize::kLetter;
      } else {
        return Wrong("--page-size is A4 or Letter, not " + size, kUsage.c_str());
      }
      page_size_given = true;
    } else if (argument == "--format") {
      const std::string& format = arguments[++i];
      if (format == "list") {
        options.format = GenerateOptions::Format::kList;
      } else if (format == "csv") {
        options.format = GenerateOptions::Format::kCsv;
      } else if (format == "redcap") {
        options.format = GenerateOptions::Format::kRedcap;
      } else {
        return Wrong("unknown format " + format, kUsage.c_str());
      }
    } else if (argument == "--arm-codes") {
      const auto codes = ParseArmCodes(arguments[++i]);
      if (!codes) {
        return Wrong("--arm-codes needs ARM=CODE pairs separated by commas, each arm once",
                     kUsage.c_str());
      }
      options.arm_codes = *codes;
    } else if (argument == "--centre-field") {
      options.centre_field = arguments[++i];
      if (options.centre_field.empty()) {
        return Wrong("--centre-field needs a name", kUsage.c_str());
      }
    } else {
      return Wrong("unknown option " + argument, kUsage.c_str());
    }
  }
  if (!have_design) {
    return Wrong("generate needs a design file", kUsage.c_str());
  }
  if (page_size_given && !options.pdf_file) {
    return Wrong("--page-size goes with --pdf", kUsage.c_str());
  }
  if (options.pdf_file && options.format != GenerateOptions::Format::kList) {
    return Wrong("--pdf prints the list text, not a table", kUsage.c_str());
  }
  if (options.format != GenerateOptions::Format::kRedcap &&
      (!options.arm_codes.empty() || options.centre_field != GenerateOptions().centre_field)) {
    return Wrong("--arm-codes and --centre-field go with --format redcap", kUsage.c_str());
  }
  return options;
}

int RunGenerate(const GenerateOptions& options, std::ostream& out, std::ostream& err,
                const CalendarClock& clock) {
  // An output would replace the file the list is drawn from, and the design be lost.
  for (const std::optional<std::string>& output : {options.output_file, options.pdf_file}) {
    for (const std::optional<std::string>& input :
         {std::optional<std::string>(options.design.design_file), options.design.language_file}) {
      if (output && input && SameFile(*output, *input)) {
        err << "zufora-cli: the output file " << *output << " is the file " << *input
            << " itself; choose another output file\n";
        return kExitFailure;
      }
    }
  }
  OpenedDesign opened(options.design, err, clock);
  if (const int status = opened.Open(); status != kExitComplete) {
    return status;
  }
  DesignPages& pages = opened.Pages();
  // The tables have no columns for strata yet: one without them would be wrong.
  if (options.format != GenerateOptions::Format::kList && Stratifies(pages.Design())) {
    err << "zufora-cli: --format "
        << (options.format == GenerateOptions::Format::kCsv ? "csv" : "redcap")
        << " has no columns for strata yet; a stratified design is written as its list "
           "text (--format list) or printed (--pdf)\n";
    return kExitFailure;
  }

  // Table texts are cp1252 inside, like the design's.
  std::map<std::int32_t, std::string> arm_codes;
  for (const auto& [arm, code] : options.arm_codes) {
    const auto converted = Utf8ToCp1252(code);
    if (!converted) {
      err << "zufora-cli: the code of arm " << arm << " holds characters outside cp1252\n";
      return kExitFailure;
    }
    arm_codes.emplace(arm, *converted);
  }
  const auto centre_field = Utf8ToCp1252(options.centre_field);
  if (!centre_field) {
    err << "zufora-cli: the centre field's name holds characters outside cp1252\n";
    return kExitFailure;
  }
  if (!arm_codes.empty()) {
    if (const auto problem = CheckArmCodes(arm_codes, pages.Design().checked.arm_count)) {
      err << "zufora-cli: " << *problem << '\n';
      return kExitFailure;
    }
  }

  // A text that could pass the limit of one list text is built whole, as the window does,
  // so that the limit refuses it alike; so is one that is printed, as the print run lays
  // out the whole text.
  const bool whole = options.format == GenerateOptions::Format::kList &&
                     ListTextBound(pages.Design(), pages.ListOptions()) >
                         static_cast<std::uint64_t>(kMaxListTextBytes);
  if (options.pdf_file || whole) {
    const bool complete = pages.Generate();
    if (options.output_file) {
      WriteExportFile(*options.output_file, ExportBytes(pages.ListText()));
    }
    if (options.pdf_file) {
      PrintListPdf(*options.pdf_file, options.page_size, opened.Texts(), pages.ListText(), err);
    } else if (!options.output_file) {
      out << Cp1252ToUtf8(pages.ListText());
    }
    return complete ? kExitComplete : kExitIncomplete;
  }

  try {
    return WriteWhileDrawing(options, pages, arm_codes, *centre_field, out);
  } catch (const FileWriteError& error) {
    throw ExportFailure(*options.output_file, error);
  }
}

namespace {

int WriteWhileDrawing(const GenerateOptions& options, DesignPages& pages,
                      const std::map<std::int32_t, std::string>& arm_codes,
                      const std::string& centre_field, std::ostream& out) {
  std::optional<FileReplacement> file;
  std::optional<FileSink> file_sink;
  if (options.output_file) {
    file.emplace(*options.output_file);
    file_sink.emplace(*file);
  }
  StreamSink stream_sink(out);
  ListTextSink& target = file_sink ? static_cast<ListTextSink&>(*file_sink) : stream_sink;

  bool complete = false;
  if (options.format == GenerateOptions::Format::kList) {
    ExportSink export_sink(target);
    Utf8Sink utf8_sink(target);
    ListTextSink& text_sink = file ? static_cast<ListTextSink&>(export_sink) : utf8_sink;
    ListTextWriter writer(pages.Design(), pages.ListOptions(), text_sink);
    complete = pages.GenerateInto(writer);
    writer.Finish();
  } else if (options.format == GenerateOptions::Format::kCsv) {
    Utf8Sink utf8_sink(target);
    CsvAllocationTable table(pages.Design(), utf8_sink);
    AllocationRows rows(table);
    complete = pages.GenerateInto(rows);
    table.Finish();
  } else {
    Utf8Sink utf8_sink(target);
    RedcapAllocationTable table(pages.Design(), arm_codes, centre_field, utf8_sink);
    AllocationRows rows(table);
    complete = pages.GenerateInto(rows);
    table.Finish();
  }
  if (file) {
    file->Commit();
  }
  return complete ? kExitComplete : kExitIncomplete;
}

}  // namespace

}  // namespace zufora::cli
