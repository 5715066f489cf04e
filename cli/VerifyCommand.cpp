#include "VerifyCommand.h"

#include <filesystem>
#include <fstream>

#include "OpenedDesign.h"
#include "ZuforaCli.h"
#include "evidence/ListComparison.h"
#include "random/ListTextWriter.h"

namespace zufora::cli {
namespace {

const std::string kUsage =
    std::string(
        "Usage: zufora-cli verify DESIGN.zfd LIST [--seed TEXT] [--no-blocks] [--no-seed]\n"
        "                         [--accept-misfits] [--lang FILE]\n"
        "\n"
        "Draws the lists of the design again, with the same options as generate, and\n"
        "compares them line by line with LIST: an exported list (cp1252, CR LF) or the\n"
        "output of generate (UTF-8, LF). An arm changed, a line removed or added, a block\n"
        "separator moved, a seed or heading changed: each is found.\n"
        "\n") +
    kDesignOptionsHelp +
    "\n"
    "Exit status: 0 LIST is the list the design gives; 1 it differs (the first\n"
    "difference and the number of differing allocation lines are printed); 2 a wrong\n"
    "command line or a file that does not exist or cannot be read.\n";

}  // namespace

Parsed<VerifyOptions> ParseVerify(const std::vector<std::string>& arguments) {
  VerifyOptions options;
  bool have_design = false;
  bool have_list = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (IsHelp(argument)) {
      return HelpRequest{kUsage};
    }
    std::string error;
    if (have_design && !have_list && !(argument.size() > 1 && argument[0] == '-')) {
      options.list_file = argument;
      have_list = true;
      continue;
    }
    if (!TakeDesignOption(arguments, i, options.design, have_design, error)) {
      return Wrong("unknown option " + argument, kUsage.c_str());
    }
    if (!error.empty()) {
      return Wrong(error, kUsage.c_str());
    }
  }
  if (!have_list) {
    return Wrong("verify needs a design file and a list file", kUsage.c_str());
  }
  return options;
}

int RunVerify(const VerifyOptions& options, std::ostream& out, std::ostream& err,
              const CalendarClock& clock) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(options.list_file, error)) {
    err << "zufora-cli: the list file " << options.list_file << " does not exist or is no file\n";
    return kExitFailure;
  }
  OpenedDesign opened(options.design, err, clock);
  if (const int status = opened.Open(); status != kExitComplete) {
    // A design whose check keeps its first page gives no lists to compare with.
    return kExitFailure;
  }
  DesignPages& pages = opened.Pages();
  const ListTextOptions list_options = pages.ListOptions();
  std::ifstream file(options.list_file, std::ios::binary);
  std::ifstream same_file(options.list_file, std::ios::binary);
  if (!file.is_open() || !same_file.is_open()) {
    err << "zufora-cli: cannot read the list file " << options.list_file << '\n';
    return kExitFailure;
  }
  ListComparison comparison(file, same_file, list_options.center_caption);
  ListTextWriter writer(pages.Design(), list_options, comparison);
  const bool complete = pages.GenerateInto(writer);
  writer.Finish();
  comparison.Finish();
  if (!complete) {
    err << "zufora-cli: the design does not give complete lists (see the messages above)\n";
  }

  const auto& difference = comparison.FirstDifference();
  if (!difference) {
    out << options.list_file << " is the list that the design gives: " << comparison.Lines()
        << " lines, the same.\n";
    return kExitComplete;
  }
  out << options.list_file << " differs from the list that the design gives.\n"
      << "First difference, line " << difference->line << ":\n"
      << "  the design gives: "
      << (difference->expected ? *difference->expected : "(the list has ended)") << '\n'
      << "  the file holds:   "
      << (difference->actual ? *difference->actual : "(the file has ended)") << '\n'
      << "Allocation lines that differ, are missing or are extra: "
      << comparison.DifferingAllocations() << '\n';
  return kExitIncomplete;
}

}  // namespace zufora::cli
