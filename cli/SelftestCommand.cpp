#include "SelftestCommand.h"

#include <ctime>
#include <sstream>

#include "ZuforaCli.h"
#include "evidence/KnownValues.h"
#include "evidence/ProgramBuild.h"
#include "files/FileAccess.h"
#include "lang/MessageCatalogue.h"
#include "pages/QuietGeneration.h"

#ifndef ZUFORA_VERSION
#define ZUFORA_VERSION "unknown"
#endif

namespace zufora::cli {
namespace {

constexpr char kUsage[] =
    "Usage: zufora-cli selftest [--report FILE]\n"
    "\n"
    "Runs the program's known outputs on this machine: the generator's first values,\n"
    "a seed proposal, the worked and edge-case lists, the centre seeds, and long lists\n"
    "pinned by the SHA-256 of their text. Prints a validation report (program version,\n"
    "build, platform, date, each check with expected and actual value, pass or fail,\n"
    "overall verdict).\n"
    "\n"
    "  --report FILE   also write the report to FILE (UTF-8, LF)\n"
    "\n"
    "Exit status: 0 every check passed; 1 a check failed; 2 a wrong command line or a\n"
    "report file that cannot be written.\n";

std::string Date(std::int64_t seconds) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm parts{};
  char text[32] = "unknown";
  if (gmtime_r(&time, &parts) != nullptr) {
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &parts);
  }
  return text;
}

}  // namespace

Parsed<SelftestOptions> ParseSelftest(const std::vector<std::string>& arguments) {
  SelftestOptions options;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (IsHelp(arguments[i])) {
      return HelpRequest{kUsage};
    }
    if (arguments[i] != "--report" || i + 1 >= arguments.size()) {
      return Wrong("unknown argument or missing file: " + arguments[i], kUsage);
    }
    options.report_file = arguments[++i];
  }
  return options;
}

int RunSelftest(const SelftestOptions& options, std::ostream& out, const CalendarClock& clock) {
  std::ostringstream report;
  report << "Zufora validation report\n"
         << "Program:  zufora-cli " << ZUFORA_VERSION << '\n'
         << "Build:    " << CompilerDescription() << '\n'
         << "Platform: " << PlatformDescription() << '\n'
         << "Date:     " << Date(clock()) << "\n\n";
  const MessageCatalogue messages;
  QuietGeneration drawer(messages);
  const std::vector<CheckResult> results = RunKnownValues(kKnownValuesText, drawer);
  int failed = 0;
  for (const CheckResult& result : results) {
    report << (result.passed ? "PASS  " : "FAIL  ") << result.name << '\n'
           << "      expected: " << result.expected << '\n'
           << "      actual:   " << result.actual << '\n';
    failed += result.passed ? 0 : 1;
  }
  report << '\n'
         << (failed == 0 ? "Verdict: PASSED, all " : "Verdict: FAILED, ")
         << (failed == 0 ? std::to_string(results.size()) + " checks passed"
                         : std::to_string(failed) + " of " + std::to_string(results.size()) +
                               " checks failed")
         << '\n';
  out << report.str();
  if (options.report_file) {
    ReplaceFileContents(*options.report_file, report.str());
  }
  return failed == 0 && !results.empty() ? kExitComplete : kExitIncomplete;
}

}  // namespace zufora::cli
