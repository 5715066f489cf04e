#include "VerifyCommand.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "FileComparison.h"
#include "LanguageCandidates.h"
#include "ManifestVerify.h"
#include "NumberOptions.h"
#include "OpenedDesign.h"
#include "TableNumbers.h"
#include "ZuforaCli.h"
#include "random/ListTextWriter.h"
#include "text/Cp1252.h"

namespace zufora::cli {
namespace {

const std::string kUsage =
    std::string(
        "Usage: zufora-cli verify DESIGN.zfd FILE [--seed TEXT] [--no-blocks] [--no-seed]\n"
        "                         [--accept-misfits] [--lang FILE] [--arm-codes LIST]\n"
        "                         [--dag-ids LIST] [--centre-field NAME]\n"
        "                         [--numbers [sequential|random]] [--number-format FMT]\n"
        "                         [--check-digit] [--test]\n"
        "       zufora-cli verify --manifest RECORD [OUTPUT...]\n"
        "\n"
        "Draws the lists of the design again, with the same options as generate, and\n"
        "compares them line by line with FILE: the list text (an export, cp1252 with CR LF,\n"
        "or the output of generate, UTF-8 with LF), or a CSV or REDCap table or a site list,\n"
        "told by its header row (a table with numbers needs the number options generate was\n"
        "given; a site list without them has sequential numbers). An arm changed, a line removed or added, a block separator moved, a\n"
        "seed or heading changed: each is found. Without --lang the list's texts are\n"
        "matched with the built-in German ones, the bundled English language file and the\n"
        "language files installed with the program, and the one used is named.\n"
        "A list whose title ends \" - TEST\" is compared with the design's test list; a\n"
        "table that is not the production list is compared with the test list as well.\n"
        "Either way, verify says which of the two it is.\n"
        "\n") +
    kDesignOptionsHelp + kTableOptionsHelp + kNumberOptionsHelp + kTestListHelp +
    "  --manifest RECORD  check the outputs of a provenance record (generate --manifest):\n"
    "                     the record's design bytes, the design drawn again with the\n"
    "                     recorded seed and options, and each output's SHA-256; OUTPUT\n"
    "                     files given take the place of the recorded ones, in order\n"
    "\n"
    "Exit status: 0 FILE is what the design gives; 1 it differs (the first difference and\n"
    "the number of differing allocation lines are printed), or the design gives no\n"
    "complete list; 2 a wrong command line or a file that does not exist or cannot be\n"
    "read.\n";

bool IsOption(const std::string& argument) {
  return argument.size() > 1 && argument[0] == '-';
}

// The file against the production list, or the test list: when --test asks, when a list
// text's title says TEST, or when a table is not the production list. Says which it is.
int CompareProductionOrTest(OpenedDesign& opened, const VerifyOptions& options,
                            const std::string& first_line, const OutputRequest& request,
                            std::ostream& out, std::ostream& err) {
  const std::string& file = options.list_file;
  const bool marked = request.format == OutputFormat::kList && first_line.ends_with(kTestListMark);
  auto test_seed = [&opened] { return Cp1252ToUtf8(opened.Pages().Design().seed); };
  if (options.design.test_list || marked) {  // OpenedDesign made it the test list already
    if (!options.design.test_list) {
      opened.MakeTestList();
    }
    out << "Compared with the TEST list (test seed " << test_seed() << "), as "
        << (options.design.test_list ? "--test asks" : "its title ends \" - TEST\"") << ".\n";
    const int status = CompareFileWithDesign(opened, file, request, out, err);
    if (status == kExitComplete) {
      out << file << " is the TEST list, not the production list.\n";
    }
    return status;
  }
  std::ostringstream production;
  const int status = CompareFileWithDesign(opened, file, request, production, err);
  if (status == kExitComplete || request.format == OutputFormat::kList) {
    out << production.str();
    if (status == kExitComplete) {
      out << file << " is the production list, not the TEST list.\n";
    }
    return status;
  }
  opened.MakeTestList();
  std::ostringstream test;
  if (CompareFileWithDesign(opened, file, request, test, err) == kExitComplete) {
    out << "Compared with the TEST list (test seed " << test_seed()
        << "), as it is not the production list.\n"
        << test.str() << file << " is the TEST list, not the production list.\n";
    return kExitComplete;
  }
  out << production.str() << "Nor is it the TEST list (test seed " << test_seed() << ").\n";
  return status;
}

}  // namespace

Parsed<VerifyOptions> ParseVerify(const std::vector<std::string>& arguments) {
  VerifyOptions options;
  NumberArguments numbers;
  bool have_design = false;
  bool have_list = false;
  bool design_options = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (IsHelp(argument)) {
      return HelpRequest{kUsage};
    }
    std::string error;
    if (argument == "--manifest") {
      if (i + 1 >= arguments.size()) {
        return Wrong("--manifest needs a file", kUsage.c_str());
      }
      options.manifest_file = arguments[++i];
      continue;
    }
    if (options.manifest_file && !IsOption(argument)) {
      options.output_files.push_back(argument);
      continue;
    }
    if (have_design && !have_list && !IsOption(argument)) {
      options.list_file = argument;
      have_list = true;
      continue;
    }
    const bool was_design = have_design;
    if (TakeDesignOption(arguments, i, options.design, have_design, error) ||
        TakeTableOption(arguments, i, options.table, error) ||
        TakeNumberOption(arguments, i, numbers, error)) {
      if (!error.empty()) {
        return Wrong(error, kUsage.c_str());
      }
      design_options = design_options || have_design == was_design;
      if (options.manifest_file && have_design) {
        return Wrong("a provenance record names its own design", kUsage.c_str());
      }
      continue;
    }
    if (argument == "--test") {
      options.design.test_list = true;
      design_options = true;
      continue;
    }
    return Wrong("unknown option " + argument, kUsage.c_str());
  }
  auto numbering = NumberingOf(numbers);
  if (const auto* problem = std::get_if<std::string>(&numbering)) {
    return Wrong(*problem, kUsage.c_str());
  }
  options.numbers = std::get<std::optional<NumberingOptions>>(std::move(numbering));
  if (options.manifest_file) {
    if (have_design || design_options || options.numbers) {
      return Wrong("with --manifest the record gives the design and its options", kUsage.c_str());
    }
    return options;
  }
  if (!have_list) {
    return Wrong("verify needs a design file and a file to compare", kUsage.c_str());
  }
  return options;
}

int RunVerify(const VerifyOptions& options, std::ostream& out, std::ostream& err,
              const CalendarClock& clock, const ProgramContext& context) {
  if (options.manifest_file) {
    return RunManifestVerify(options, out, err, clock);
  }
  std::error_code error;
  if (!std::filesystem::is_regular_file(options.list_file, error)) {
    err << "zufora-cli: the list file " << options.list_file << " does not exist or is no file\n";
    return kExitFailure;
  }
  const std::optional<std::string> first_line = FirstLineOf(options.list_file);
  if (!first_line) {
    err << "zufora-cli: cannot read the list file " << options.list_file << '\n';
    return kExitFailure;
  }
  OutputRequest request;
  request.format = FormatOfFirstLine(*first_line);
  if (request.format != OutputFormat::kRedcap && options.table.Any()) {
    err << "zufora-cli: --arm-codes, --dag-ids and --centre-field go with a REDCap table, and "
        << options.list_file << " is none\n";
    return kExitFailure;
  }
  request.numbers = options.numbers;
  if (request.format == OutputFormat::kList && request.numbers) {
    err << "zufora-cli: --numbers goes with a table or a site list, and " << options.list_file
        << " is neither\n";
    return kExitFailure;
  }
  if (request.format == OutputFormat::kCsv &&
      first_line->starts_with("number,") != request.numbers.has_value()) {
    err << "zufora-cli: " << options.list_file
        << (request.numbers ? " has no number column: it was written without --numbers"
                            : " has a number column: give the --numbers options that generate "
                              "was given")
        << '\n';
    return kExitFailure;
  }

  // The list text follows a language: the one given, or the likeliest one.
  HeldFiles held;
  std::string language = options.design.language_file
                             ? "the language file " + *options.design.language_file
                             : "the built-in German texts";
  if (request.format == OutputFormat::kList && !options.design.language_file) {
    const std::vector<LanguageCandidate> candidates = LanguageCandidates(context.executable);
    std::vector<ListTexts> texts;
    for (const LanguageCandidate& candidate : candidates) {
      texts.push_back(candidate.texts);
    }
    std::ifstream file(options.list_file, std::ios::binary);
    const LanguageCandidate& likeliest = candidates[LikeliestListTexts(file, texts)];
    held.language = likeliest.bytes;
    language = likeliest.name;
  }
  OpenedDesign opened(options.design, err, clock, held);
  if (const int status = opened.Open(); status != kExitComplete) {
    // A design whose check keeps its first page gives no lists to compare with.
    return kExitFailure;
  }
  if (request.format == OutputFormat::kRedcap) {
    auto redcap = RedcapRequestOf(options.table);
    if (const auto* problem = std::get_if<std::string>(&redcap)) {
      err << "zufora-cli: " << *problem << '\n';
      return kExitFailure;
    }
    request.redcap = std::get<RedcapTableRequest>(std::move(redcap));
    if (const auto problem = RedcapTableProblem(opened.Pages().Design(), request.redcap)) {
      err << "zufora-cli: give the table options that generate was given: " << *problem << '\n';
      return kExitFailure;
    }
  }
  std::unique_ptr<NumberedRows> row_numbers;
  if (const auto problem =
          AttachNumbers(opened, options.design.accept_misfits, request, row_numbers)) {
    err << "zufora-cli: give the number options that generate was given: " << *problem << '\n';
    return kExitFailure;
  }
  if (request.format == OutputFormat::kList) {
    out << "The list's texts: " << language << ".\n";
  }
  return CompareProductionOrTest(opened, options, *first_line, request, out, err);
}

}  // namespace zufora::cli
