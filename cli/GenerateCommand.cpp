#include "GenerateCommand.h"

namespace zufora::cli {
namespace {

const std::string kUsage =
    std::string(
        "Usage: zufora-cli generate DESIGN.zfd [--seed TEXT] [--no-blocks] [--no-seed]\n"
        "                           [--accept-misfits] [--lang FILE] [--output FILE]\n"
        "                           [--format list|csv|redcap|blinded]\n"
        "                           [--arm-codes 1=CODE,2=CODE...]\n"
        "                           [--dag-ids CENTRE=ID,...] [--centre-field NAME]\n"
        "                           [--numbers [sequential|random]] [--number-format FMT]\n"
        "                           [--check-digit] [--test]\n"
        "                           [--pdf FILE] [--envelopes FILE] [--page-size A4|Letter]\n"
        "                           [--manifest FILE]\n"
        "\n"
        "Opens the design file, puts TEXT into the seed field if given, leaves the design\n"
        "page (its check runs and proposes a seed when the field is empty; standard error\n"
        "then names it) and presses \"Generieren\" on the list page. Each list is written\n"
        "while it is drawn.\n"
        "\n") +
    kDesignOptionsHelp +
    "  --output FILE      write to FILE (replaced in one step) instead of standard output;\n"
    "                     the list text as the export writes it (cp1252, CR LF)\n"
    "  --format list      the list text (default; UTF-8 with LF on standard output)\n"
    "  --format csv       one CSV row per patient: centre, patient, arm,\n"
    "                     arm_description, block, block_size, position_in_block,\n"
    "                     stratum, a stratified design's factor fields (level codes),\n"
    "                     list_seed\n"
    "  --format redcap    the allocation table for upload into REDCap's randomization\n"
    "                     module: redcap_randomization_number (empty),\n"
    "                     redcap_randomization_group, a stratified design's factor\n"
    "                     fields, and with per-centre lists the centre field and/or\n"
    "                     redcap_data_access_group\n"
    "  --format blinded   the site list of a blinded trial: number, stratum, centre and\n"
    "                     each factor's level code and label; no arm, no block\n" +
    kTableOptionsHelp + kNumberOptionsHelp + kTestListHelp +
    "  --pdf FILE         print the list to a PDF file as \"Drucken\" prints it (600 dots\n"
    "                     per inch, margins of 1/6 inch), instead of writing it to\n"
    "                     standard output; needs no display\n"
    "  --envelopes FILE   print the code-break envelopes to a PDF file: a card for each\n"
    "                     randomisation number, six to a page with cut and fold marks;\n"
    "                     the arm stands only on the card's inside part\n"
    "  --page-size SIZE   paper of the PDFs: A4 (default) or Letter\n"
    "  --manifest FILE    write the provenance record (JSON): program, design file and\n"
    "                     its bytes, options, seed, lists, and each output's SHA-256;\n"
    "                     verify --manifest FILE checks the outputs against it. A seed\n"
    "                     proposed for an output that cannot show it (a table, --no-seed)\n"
    "                     gets a record beside the output file unless this names one\n"
    "\n"
    "Tables are UTF-8 CSV with a header row, each row ended by CR LF; a run that does not\n"
    "draw every list in full writes no table.\n"
    "Messages and questions go to standard error, one line each.\n"
    "Exit status: 0 every list drawn in full; 1 a check stopped the generation, it was\n"
    "abandoned, or a list could not be drawn; 2 a wrong command line or a file that\n"
    "does not exist or cannot be read or written.\n";

}  // namespace

Parsed<GenerateOptions> ParseGenerate(const std::vector<std::string>& arguments) {
  GenerateOptions options;
  options.arguments = arguments;
  bool have_design = false;
  bool page_size_given = false;
  NumberArguments numbers;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    std::string error;
    if (IsHelp(argument)) {
      return HelpRequest{kUsage};
    }
    if (TakeDesignOption(arguments, i, options.design, have_design, error) ||
        TakeTableOption(arguments, i, options.table, error) ||
        TakeNumberOption(arguments, i, numbers, error)) {
      if (!error.empty()) {
        return Wrong(error, kUsage.c_str());
      }
      continue;
    }
    if (i + 1 >= arguments.size() &&
        (argument == "--output" || argument == "--format" || argument == "--pdf" ||
         argument == "--page-size" || argument == "--manifest" || argument == "--envelopes")) {
      return Wrong(argument + " needs a value", kUsage.c_str());
    }
    if (argument == "--test") {
      options.design.test_list = true;
    } else if (argument == "--output") {
      options.output_file = arguments[++i];
    } else if (argument == "--pdf") {
      options.pdf_file = arguments[++i];
    } else if (argument == "--envelopes") {
      options.envelopes_file = arguments[++i];
    } else if (argument == "--manifest") {
      options.manifest_file = arguments[++i];
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
      const auto format = FormatNamed(arguments[++i]);
      if (!format) {
        return Wrong("unknown format " + arguments[i], kUsage.c_str());
      }
      options.format = *format;
    } else {
      return Wrong("unknown option " + argument, kUsage.c_str());
    }
  }
  auto numbering = NumberingOf(numbers);
  if (const auto* problem = std::get_if<std::string>(&numbering)) {
    return Wrong(*problem, kUsage.c_str());
  }
  options.numbers = std::get<std::optional<NumberingOptions>>(std::move(numbering));
  if (!have_design) {
    return Wrong("generate needs a design file", kUsage.c_str());
  }
  if (page_size_given && !options.pdf_file && !options.envelopes_file) {
    return Wrong("--page-size goes with --pdf or --envelopes", kUsage.c_str());
  }
  if (options.pdf_file && options.format != OutputFormat::kList) {
    return Wrong("--pdf prints the list text, not a table", kUsage.c_str());
  }
  // The list text and its printout carry no numbers: asked for there, they would be lost.
  if (options.numbers && options.format == OutputFormat::kList && !options.envelopes_file) {
    return Wrong(
        "--numbers, --number-format and --check-digit number the rows of a table (--format "
        "csv, redcap or blinded) or the envelopes (--envelopes); the list text has no numbers",
        kUsage.c_str());
  }
  if (options.format != OutputFormat::kRedcap && options.table.Any()) {
    return Wrong("--arm-codes, --dag-ids and --centre-field go with --format redcap",
                 kUsage.c_str());
  }
  return options;
}

}  // namespace zufora::cli
