#include "CommandLine.h"

#include <charconv>

namespace zufora::cli {
namespace {

constexpr char kGeneralUsage[] =
    "Usage: zufora-cli COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  generate DESIGN.zfd   draw the randomisation lists of a design file\n"
    "  propose-seed          propose a seed from the clock\n"
    "  write-language-file FILE\n"
    "                        write the program's texts as a language file\n"
    "\n"
    "Options:\n"
    "  --help      show help (also after a command)\n"
    "  --version   show the version\n";

constexpr char kGenerateUsage[] =
    "Usage: zufora-cli generate DESIGN.zfd [--seed TEXT] [--no-blocks] [--no-seed]\n"
    "                           [--accept-misfits] [--output FILE] [--lang FILE]\n"
    "                           [--pdf FILE [--page-size A4|Letter]]\n"
    "\n"
    "Opens the design file, puts TEXT into the seed field if given, leaves the design\n"
    "page (its check runs and proposes a seed when the field is empty) and presses\n"
    "\"Generieren\" on the list page.\n"
    "\n"
    "  --seed TEXT        the seed field's text (default: the design file's seed)\n"
    "  --no-blocks        do not mark the blocks (\"Bl\xC3\xB6"
    "cke markieren\" off)\n"
    "  --no-seed          do not show the seed (\"Seed ausgeben\" off)\n"
    "  --accept-misfits   answer No to every question that offers to abandon (default:\n"
    "                     Yes, the generation is abandoned)\n"
    "  --output FILE      write the list as the export does (cp1252, CR LF) instead of\n"
    "                     printing it to standard output (UTF-8, LF)\n"
    "  --lang FILE        apply this language file first, as the program does at start\n"
    "  --pdf FILE         print the list to a PDF file as \"Drucken\" prints it (600 dots\n"
    "                     per inch, margins of 1/6 inch), instead of writing it to\n"
    "                     standard output; needs no display\n"
    "  --page-size SIZE   paper of the PDF: A4 (default) or Letter\n"
    "\n"
    "Messages and questions go to standard error, one line each.\n"
    "Exit status: 0 every list drawn in full; 1 a check stopped the generation, it was\n"
    "abandoned, or a list could not be drawn; 2 a wrong command line or a file that\n"
    "does not exist or cannot be read or written.\n";

constexpr char kProposeSeedUsage[] =
    "Usage: zufora-cli propose-seed [--time SECONDS]\n"
    "\n"
    "Prints a seed proposal made from the clock, as the button \"erzeugen\" does.\n"
    "\n"
    "  --time SECONDS   take SECONDS since 1970-01-01 UTC as both clock readings\n";

constexpr char kWriteLanguageFileUsage[] =
    "Usage: zufora-cli write-language-file FILE [--lang FILE]\n"
    "\n"
    "Writes every text of the program's windows and messages to FILE as a language\n"
    "file (cp1252, CR LF): the built-in German texts, or those of the language file\n"
    "given with --lang. Installed as ZuforaLang.ini it changes nothing; it is also the\n"
    "starting point of a translation.\n"
    "\n"
    "  --lang FILE   apply this language file first and write its texts\n";

UsageError Wrong(const std::string& what, const char* usage) {
  return UsageError{"zufora-cli: " + what + "\n\n" + usage};
}

bool IsHelp(const std::string& argument) {
  return argument == "--help" || argument == "-h";
}

Command ParseGenerate(const std::vector<std::string>& arguments) {
  GenerateOptions options;
  bool have_design = false;
  bool page_size_given = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    auto value = [&](std::optional<std::string>& target) -> bool {
      if (i + 1 >= arguments.size()) {
        return false;
      }
      target = arguments[++i];
      return true;
    };
    if (IsHelp(argument)) {
      return HelpRequest{kGenerateUsage};
    } else if (argument == "--seed") {
      if (!value(options.seed))
        return Wrong("--seed needs a value", kGenerateUsage);
    } else if (argument == "--output") {
      if (!value(options.output_file))
        return Wrong("--output needs a file", kGenerateUsage);
    } else if (argument == "--pdf") {
      if (!value(options.pdf_file))
        return Wrong("--pdf needs a file", kGenerateUsage);
    } else if (argument == "--page-size") {
      std::optional<std::string> size;
      if (!value(size))
        return Wrong("--page-size needs A4 or Letter", kGenerateUsage);
      if (*size == "A4" || *size == "a4") {
        options.page_size = PdfPageSize::kA4;
      } else if (*size == "Letter" || *size == "letter") {
        options.page_size = PdfPageSize::kLetter;
      } else {
        return Wrong("--page-size is A4 or Letter, not " + *size, kGenerateUsage);
      }
      page_size_given = true;
    } else if (argument == "--lang") {
      if (!value(options.language_file))
        return Wrong("--lang needs a file", kGenerateUsage);
    } else if (argument == "--no-blocks") {
      options.mark_blocks = false;
    } else if (argument == "--no-seed") {
      options.show_seed = false;
    } else if (argument == "--accept-misfits") {
      options.accept_misfits = true;
    } else if (argument.size() > 1 && argument[0] == '-') {
      return Wrong("unknown option " + argument, kGenerateUsage);
    } else if (have_design) {
      return Wrong("only one design file, please", kGenerateUsage);
    } else {
      options.design_file = argument;
      have_design = true;
    }
  }
  if (!have_design) {
    return Wrong("generate needs a design file", kGenerateUsage);
  }
  if (page_size_given && !options.pdf_file) {
    return Wrong("--page-size goes with --pdf", kGenerateUsage);
  }
  return options;
}

Command ParseProposeSeed(const std::vector<std::string>& arguments) {
  ProposeSeedOptions options;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (IsHelp(argument)) {
      return HelpRequest{kProposeSeedUsage};
    }
    if (argument != "--time") {
      return Wrong("unknown argument " + argument, kProposeSeedUsage);
    }
    if (i + 1 >= arguments.size()) {
      return Wrong("--time needs a number of seconds", kProposeSeedUsage);
    }
    const std::string& text = arguments[++i];
    std::int64_t seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
      return Wrong("--time needs a whole number of seconds, not " + text, kProposeSeedUsage);
    }
    options.time = seconds;
  }
  return options;
}

Command ParseWriteLanguageFile(const std::vector<std::string>& arguments) {
  WriteLanguageFileOptions options;
  bool have_output = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (IsHelp(argument)) {
      return HelpRequest{kWriteLanguageFileUsage};
    } else if (argument == "--lang") {
      if (i + 1 >= arguments.size()) {
        return Wrong("--lang needs a file", kWriteLanguageFileUsage);
      }
      options.language_file = arguments[++i];
    } else if (argument.size() > 1 && argument[0] == '-') {
      return Wrong("unknown option " + argument, kWriteLanguageFileUsage);
    } else if (have_output) {
      return Wrong("only one output file, please", kWriteLanguageFileUsage);
    } else {
      options.output_file = argument;
      have_output = true;
    }
  }
  if (!have_output) {
    return Wrong("write-language-file needs a file to write", kWriteLanguageFileUsage);
  }
  return options;
}

}  // namespace

Command ParseCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.empty()) {
    return Wrong("no command given", kGeneralUsage);
  }
  const std::string& command = arguments[0];
  if (IsHelp(command)) {
    return HelpRequest{kGeneralUsage};
  }
  if (command == "--version") {
    return VersionRequest{};
  }
  if (command == "generate") {
    return ParseGenerate(arguments);
  }
  if (command == "propose-seed") {
    return ParseProposeSeed(arguments);
  }
  if (command == "write-language-file") {
    return ParseWriteLanguageFile(arguments);
  }
  return Wrong("unknown command " + command, kGeneralUsage);
}

}  // namespace zufora::cli
