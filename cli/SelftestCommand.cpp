#include "SelftestCommand.h"

#include "SelftestChecks.h"
#include "ZuforaCli.h"
#include "evidence/KnownValues.h"
#include "evidence/ProgramBuild.h"
#include "evidence/ProvenanceRecord.h"
#include "evidence/ValidationReport.h"
#include "files/FileAccess.h"
#include "lang/ProgramTexts.h"
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
    "a seed proposal, the worked and edge-case lists, the centre seeds, long lists\n"
    "pinned by the SHA-256 of their text, the bytes of an export, a CSV and a REDCap\n"
    "table, verify of an untouched and a changed list, and a list printed to a PDF\n"
    "file. Checks that the known-values file installed with the program is the one\n"
    "built in. Prints a validation report: program version and build, the machine\n"
    "(operating system, host, Qt libraries, the executable's SHA-256), date, each check\n"
    "with expected and actual value, pass or fail, the verdict, lines for operator and\n"
    "reviewer to sign, and last the SHA-256 of the report above it.\n"
    "\n"
    "  --report FILE   also write the report to FILE (UTF-8, LF)\n"
    "\n"
    "Exit status: 0 every check passed; 1 a check failed; 2 a wrong command line or a\n"
    "report file that cannot be written.\n";

std::string Date(std::int64_t seconds) {
  std::string stamp = UtcTimestamp(seconds);  // 2023-11-14T22:13:20Z
  if (stamp.size() == 20) {
    stamp = stamp.substr(0, 10) + " " + stamp.substr(11, 8) + " UTC";
  }
  return stamp;
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

int RunSelftest(const SelftestOptions& options, std::ostream& out, std::ostream& err,
                const CalendarClock& clock, const ProgramContext& context) {
  std::vector<ReportFact> facts = {{"Program", std::string("zufora-cli ") + ZUFORA_VERSION},
                                   {"Build", CompilerDescription()},
                                   {"Built for", PlatformDescription()}};
  for (ReportFact& fact : MachineFacts(context.executable)) {
    facts.push_back(std::move(fact));
  }
  facts.push_back({"Date", Date(clock())});

  std::vector<CheckResult> results;
  results.push_back(InstalledKnownValuesCheck(context.executable, facts));
  ProgramTexts texts;
  ApplyFirstShowTexts(texts, nullptr);
  QuietGeneration drawer(texts.catalogue);
  for (CheckResult& result : RunKnownValues(kKnownValuesText, drawer)) {
    results.push_back(std::move(result));
  }
  results.push_back(PdfCheck(texts, facts, err));

  const std::string report = ValidationReportText(facts, results);
  out << report;
  if (options.report_file) {
    ReplaceFileContents(*options.report_file, report);
  }
  return AllPassed(results) ? kExitComplete : kExitIncomplete;
}

}  // namespace zufora::cli
