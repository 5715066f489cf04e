#include "CommandLine.h"

#include <charconv>

namespace zufora::cli {
namespace {

constexpr char kGeneralUsage[] =
    "Usage: zufora-cli COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  generate DESIGN.zfd   draw the randomisation lists of a design file\n"
    "  verify DESIGN.zfd LIST  check that LIST is the list the design gives\n"
    "  report DESIGN.zfd     the balance of the design's lists, and of simulated ones\n"
    "  selftest              run the program's known outputs and print a validation report\n"
    "  propose-seed          propose a seed from the clock\n"
    "  write-language-file FILE\n"
    "                        write the program's texts as a language file\n"
    "\n"
    "Options:\n"
    "  --help      show help (also after a command)\n"
    "  --version   show the version\n";

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

template <class Options>
Command Widen(Parsed<Options> parsed) {
  return std::visit([](auto&& value) -> Command { return std::move(value); }, std::move(parsed));
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
    return Widen(ParseGenerate(arguments));
  }
  if (command == "verify") {
    return Widen(ParseVerify(arguments));
  }
  if (command == "report") {
    return Widen(ParseReport(arguments));
  }
  if (command == "selftest") {
    return Widen(ParseSelftest(arguments));
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
