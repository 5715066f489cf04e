#include "ReportCommand.h"

#include <charconv>
#include <cstdio>

#include "OpenedDesign.h"
#include "ZuforaCli.h"
#include "evidence/BalanceSimulation.h"
#include "evidence/BalanceTally.h"
#include "pages/QuietGeneration.h"
#include "text/Cp1252.h"
#include "text/IntegerText.h"

namespace zufora::cli {
namespace {

const std::string kUsage =
    std::string(
        "Usage: zufora-cli report DESIGN.zfd [--simulate K] [--format text|csv]\n"
        "                         [--seed TEXT] [--accept-misfits] [--lang FILE]\n"
        "\n"
        "The balance of the lists that the design gives: for each list (each centre's) the\n"
        "patients of each arm against the planned share, the block sizes used and how often,\n"
        "and the largest running imbalance between the arms (patients divided by ratio, the\n"
        "largest minus the smallest; for ratios 1:1 the difference in patients).\n"
        "\n"
        "  --simulate K     also draw the lists of the seeds 1 to K and report how predictable\n"
        "                   the next allocation is: the expected share of right guesses of an\n"
        "                   observer who always guesses the arm most behind its ratio in the\n"
        "                   list (the convergence strategy), and of one who knows the block\n"
        "                   sizes and guesses the arm most behind in the current block; and\n"
        "                   how the final imbalance of the study is distributed\n"
        "  --format csv     one CSV table (UTF-8, CR LF): section,list,centre,item,value,planned\n"
        "\n") +
    kDesignOptionsHelp +
    "\n"
    "Exit status: 0 every list drawn in full; 1 a check stopped the generation, it was\n"
    "abandoned, or a list could not be drawn; 2 a wrong command line or a file problem.\n";

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  return text;
}

std::string Fixed(double value, int places) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", places, value);
  return text;
}

// Writes the report as text or as CSV rows.
class ReportWriter {
 public:
  ReportWriter(std::ostream& out, bool csv) : out_(out), csv_(csv) {
    if (csv_) {
      out_ << "section,list,centre,item,value,planned\r\n";
    }
  }
  void Row(const char* section, std::size_t list, const std::string& centre,
           const std::string& item, const std::string& value, const std::string& planned = "") {
    out_ << section << ',' << list << ',' << centre << ',' << item << ',' << value << ',' << planned
         << "\r\n";
  }
  void Text(const std::string& line) {
    if (!csv_) {
      out_ << line << '\n';
    }
  }
  bool Csv() const { return csv_; }

 private:
  std::ostream& out_;
  bool csv_;
};

void WriteLists(ReportWriter& report, const BalanceTally& tally,
                const std::vector<std::int64_t>& ratios, const StudyDesign& design) {
  std::size_t number = 0;
  for (const BalanceTally::ListBalance& list : tally.Lists()) {
    ++number;
    const std::string centre =
        list.centre ? Cp1252ToUtf8(design.centres.Cell(kCentreNumberColumn, *list.centre)) : "";
    const std::int64_t patients = list.Patients();
    report.Text("");
    report.Text((list.centre ? "Centre " + centre + ", list " : "List ") + std::to_string(number) +
                ": seed " + std::to_string(list.seed) + ", " + std::to_string(patients) +
                " patients");
    report.Text("  arm  ratio  patients  planned");
    for (std::size_t a = 0; a < ratios.size(); ++a) {
      const double planned = tally.PlannedPatients(list, static_cast<std::int32_t>(a + 1));
      char line[96];
      std::snprintf(line, sizeof line, "  %3zu  %5lld  %8lld  %7s", a + 1,
                    static_cast<long long>(ratios[a]),
                    static_cast<long long>(list.patients_per_arm[a]), Fixed(planned, 1).c_str());
      report.Text(line);
      if (report.Csv()) {
        report.Row("arm", number, centre, std::to_string(a + 1),
                   std::to_string(list.patients_per_arm[a]), Number(planned));
      }
    }
    std::string sizes = "  block sizes:";
    for (const auto& [size, count] : list.block_sizes) {
      sizes += " " + std::to_string(size) + " x" + std::to_string(count);
      if (report.Csv()) {
        report.Row("block_size", number, centre, std::to_string(size), std::to_string(count));
      }
    }
    report.Text(list.block_sizes.empty() ? "  block sizes: none" : sizes);
    report.Text("  largest running imbalance: " + Number(list.largest_imbalance) +
                ", at the end: " + Number(list.final_imbalance));
    if (report.Csv()) {
      report.Row("largest_imbalance", number, centre, "", Number(list.largest_imbalance));
      report.Row("final_imbalance", number, centre, "", Number(list.final_imbalance));
    }
  }
}

}  // namespace

Parsed<ReportOptions> ParseReport(const std::vector<std::string>& arguments) {
  ReportOptions options;
  bool have_design = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (IsHelp(argument)) {
      return HelpRequest{kUsage};
    }
    std::string error;
    if (TakeDesignOption(arguments, i, options.design, have_design, error)) {
      if (!error.empty()) {
        return Wrong(error, kUsage.c_str());
      }
    } else if (argument == "--simulate" && i + 1 < arguments.size()) {
      const auto count = ParseIntegerText(arguments[++i]);
      if (!count || *count < 1) {
        return Wrong("--simulate needs a number of seeds from 1", kUsage.c_str());
      }
      options.simulate = *count;
    } else if (argument == "--format" && i + 1 < arguments.size()) {
      const std::string& format = arguments[++i];
      if (format != "text" && format != "csv") {
        return Wrong("--format is text or csv, not " + format, kUsage.c_str());
      }
      options.csv = format == "csv";
    } else {
      return Wrong("unknown option or missing value: " + argument, kUsage.c_str());
    }
  }
  if (!have_design) {
    return Wrong("report needs a design file", kUsage.c_str());
  }
  return options;
}

int RunReport(const ReportOptions& options, std::ostream& out, std::ostream& err,
              const CalendarClock& clock) {
  OpenedDesign opened(options.design, err, clock);
  if (const int status = opened.Open(); status != kExitComplete) {
    return status;
  }
  DesignPages& pages = opened.Pages();
  const StudyDesign& design = pages.Design();
  const std::vector<std::int64_t> ratios = BalanceRatios(design);

  BalanceTally tally(ratios);
  const bool complete = pages.GenerateInto(tally);
  ReportWriter report(out, options.csv);
  report.Text("Balance report: " + Cp1252ToUtf8(design.study_name));
  WriteLists(report, tally, ratios, design);

  if (options.simulate > 0) {
    QuietGeneration drawer(opened.Texts().catalogue);
    const SeedSimulation simulated =
        SimulateSeeds(design, ratios, options.simulate, options.design.accept_misfits, drawer);
    const std::string k = std::to_string(options.simulate);
    report.Text("");
    report.Text("Simulation over the seeds 1 to " + k + " (" + std::to_string(simulated.patients) +
                " patients):");
    report.Text("  right guesses, convergence strategy:    " +
                Fixed(simulated.ConvergenceShare(), 4));
    report.Text("  right guesses, knowing the block sizes: " + Fixed(simulated.BlockShare(), 4));
    report.Text("  final imbalance of the study: seeds (share)");
    if (report.Csv()) {
      report.Row("guess_convergence", 0, "", k, Fixed(simulated.ConvergenceShare(), 6));
      report.Row("guess_blocks", 0, "", k, Fixed(simulated.BlockShare(), 6));
    }
    for (const auto& [imbalance, seeds] : simulated.final_imbalances) {
      const std::string value = Number(static_cast<double>(imbalance) / 1000);
      report.Text("    " + value + ": " + std::to_string(seeds) + " (" +
                  Fixed(static_cast<double>(seeds) / static_cast<double>(options.simulate), 4) +
                  ")");
      if (report.Csv()) {
        report.Row("final_imbalance_seeds", 0, "", value, std::to_string(seeds));
      }
    }
  }
  return complete ? kExitComplete : kExitIncomplete;
}

}  // namespace zufora::cli
