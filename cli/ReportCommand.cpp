#include "ReportCommand.h"

#include <cstdio>

#include "OpenedDesign.h"
#include "ZuforaCli.h"
#include "evidence/BalanceSimulation.h"
#include "evidence/BalanceTally.h"
#include "evidence/CsvRows.h"
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
        "The balance of the lists that the design gives: for each list (each centre's or\n"
        "stratum's) the patients of each arm against the planned share (the list's\n"
        "patients times the arm's ratio divided by the sum of the ratios), the block sizes\n"
        "used and how often, and the largest running imbalance between the arms (patients\n"
        "divided by ratio, the largest minus the smallest; for ratios 1:1 the difference in\n"
        "patients, for other ratios in patients per unit of ratio). A stratified design's\n"
        "strata are named by their levels, and the study follows: the strata's patients of\n"
        "each arm summed and their imbalance at the end.\n"
        "\n"
        "  --simulate K     also draw the lists of the seeds 1 to K (at most 100,000, and\n"
        "                   at most 1,000,000,000 patients in all) and report how\n"
        "                   predictable the next allocation is: the expected share of right\n"
        "                   guesses of an observer who always guesses the arm most behind\n"
        "                   its ratio in the list (the convergence strategy), and of one who\n"
        "                   knows the block sizes and guesses the arm most behind in the\n"
        "                   current block, each with its Monte-Carlo standard error and\n"
        "                   against chance (1 / arms); and how the final imbalance of the\n"
        "                   study is distributed. Seeds whose lists cannot be drawn are\n"
        "                   counted and left out of the figures.\n"
        "  --format csv     one CSV table (UTF-8, CR LF): section,list,centre,item,value,planned\n"
        "                   (a stratum's levels: section level, item the field, value the code)\n"
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

// Writes the parts to a stream as they are.
class StreamText : public ListTextSink {
 public:
  explicit StreamText(std::ostream& out) : out_(out) {}
  void Write(std::string_view whole_lines) override {
    out_.write(whole_lines.data(), static_cast<std::streamsize>(whole_lines.size()));
  }

 private:
  std::ostream& out_;
};

// Writes the report as text or as CSV rows (the tables' CSV writer: quoted where needed,
// no cell a spreadsheet would run as a formula).
class ReportWriter {
 public:
  ReportWriter(std::ostream& out, bool csv) : out_(out), sink_(out), rows_(sink_), csv_(csv) {
    if (csv_) {
      rows_.Append("section,list,centre,item,value,planned");
      rows_.EndRow();
    }
  }
  ~ReportWriter() { rows_.Finish(); }
  ReportWriter(const ReportWriter&) = delete;
  ReportWriter& operator=(const ReportWriter&) = delete;

  void Row(const char* section, std::size_t list, const std::string& centre,
           const std::string& item, const std::string& value, const std::string& planned = "") {
    rows_.Append(section);
    rows_.Append(',');
    rows_.AppendNumber(static_cast<std::int64_t>(list));
    for (const std::string* field : {&centre, &item, &value, &planned}) {
      rows_.Append(',');
      rows_.Append(CsvField(*field));
    }
    rows_.EndRow();
  }
  void Text(const std::string& line) {
    if (!csv_) {
      out_ << line << '\n';
    }
  }
  bool Csv() const { return csv_; }

 private:
  std::ostream& out_;
  StreamText sink_;
  CsvRows rows_;
  bool csv_;
};

std::string Ratios(const std::vector<std::int64_t>& ratios) {
  std::string text;
  for (std::size_t a = 0; a < ratios.size() && a < 8; ++a) {
    text += (a > 0 ? ":" : "") + std::to_string(ratios[a]);
  }
  return ratios.size() > 8 ? text + ":..." : text;
}

// The patients of each arm against their planned share, as rows of `section`.
void WriteArms(ReportWriter& report, const BalanceTally& tally,
               const std::vector<std::int64_t>& ratios, const BalanceTally::ListBalance& list,
               const char* section, std::size_t number, const std::string& centre) {
  report.Text("  arm  ratio  patients  planned (" + std::to_string(list.Patients()) +
              " x ratio / " + std::to_string(tally.RatioSum()) + ")");
  for (std::size_t a = 0; a < ratios.size(); ++a) {
    const double planned = tally.PlannedPatients(list, static_cast<std::int32_t>(a + 1));
    char line[96];
    std::snprintf(line, sizeof line, "  %3zu  %5lld  %8lld  %7s", a + 1,
                  static_cast<long long>(ratios[a]),
                  static_cast<long long>(list.patients_per_arm[a]), Fixed(planned, 1).c_str());
    report.Text(line);
    if (report.Csv()) {
      report.Row(section, number, centre, std::to_string(a + 1),
                 std::to_string(list.patients_per_arm[a]), Number(planned));
    }
  }
}

// A stratum's heading: "Stratum 3 (centre 101, Sex: male, Age: < 65)"; its levels as CSV
// rows (section level, item the factor's field name, value the level's code).
std::string StratumHeading(ReportWriter& report, const BalanceTally::ListBalance& list,
                           const StudyDesign& design, std::size_t number,
                           const std::string& centre) {
  std::string heading = "Stratum " + std::to_string(list.stratum) + " (";
  if (list.centre) {
    heading += "centre " + centre;
  }
  for (std::size_t f = 0; f < list.levels.size() && f < design.factors.size(); ++f) {
    const StratificationFactor& factor = design.factors[f];
    const auto level = static_cast<std::size_t>(list.levels[f]);
    const FactorLevel shown = level < factor.levels.size() ? factor.levels[level] : FactorLevel{};
    heading += (f > 0 || list.centre ? ", " : "") + Cp1252ToUtf8(factor.name) + ": " +
               Cp1252ToUtf8(shown.label);
    if (report.Csv()) {
      report.Row("level", number, centre, Cp1252ToUtf8(factor.field), Cp1252ToUtf8(shown.code));
    }
  }
  return heading + ")";
}

// The study as a whole: the strata's patients of each arm summed, and the imbalance of
// the sums at the end (the strata fill side by side, so there is no running imbalance).
void WriteStudy(ReportWriter& report, const BalanceTally& tally,
                const std::vector<std::int64_t>& ratios) {
  BalanceTally::ListBalance study;
  study.patients_per_arm.assign(ratios.size(), 0);
  for (const BalanceTally::ListBalance& list : tally.Lists()) {
    study.patients += list.Patients();
    for (std::size_t a = 0; a < ratios.size() && a < list.patients_per_arm.size(); ++a) {
      study.patients_per_arm[a] += list.patients_per_arm[a];
    }
  }
  report.Text("");
  report.Text("Study, all " + std::to_string(tally.Lists().size()) +
              " strata: " + std::to_string(study.Patients()) + " patients");
  WriteArms(report, tally, ratios, study, "study_arm", 0, "");
  report.Text("  imbalance at the end, the strata's patients summed: " +
              Number(tally.StudyImbalance()));
  if (report.Csv()) {
    report.Row("study_final_imbalance", 0, "", "", Number(tally.StudyImbalance()));
  }
}

void WriteLists(ReportWriter& report, const BalanceTally& tally,
                const std::vector<std::int64_t>& ratios, const StudyDesign& design) {
  std::size_t number = 0;
  for (const BalanceTally::ListBalance& list : tally.Lists()) {
    ++number;
    const std::string centre =
        list.centre ? Cp1252ToUtf8(design.centres.Cell(kCentreNumberColumn, *list.centre)) : "";
    const std::int64_t patients = list.Patients();
    report.Text("");
    const std::string heading =
        list.stratum > 0 ? StratumHeading(report, list, design, number, centre)
        : list.centre    ? "Centre " + centre + ", list " + std::to_string(number)
                         : "List " + std::to_string(number);
    report.Text(heading + ": seed " + std::to_string(list.seed) + ", " + std::to_string(patients) +
                " patients");
    WriteArms(report, tally, ratios, list, "arm", number, centre);
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

std::string WithError(double share, const std::optional<double>& error) {
  return Fixed(share, 4) + (error ? " (standard error " + Fixed(*error, 4) + ")"
                                  : " (no standard error from one seed)");
}

void WriteSimulation(ReportWriter& report, const SeedSimulation& simulated,
                     const std::vector<std::int64_t>& ratios) {
  const std::string k = std::to_string(simulated.seeds);
  report.Text("");
  report.Text("Simulation over the seeds 1 to " + k + ":");
  std::string failed;
  for (const std::int64_t seed : simulated.failed_seeds) {
    failed += (failed.empty() ? "" : ", ") + std::to_string(seed);
  }
  if (simulated.failed > static_cast<std::int64_t>(simulated.failed_seeds.size())) {
    failed += ", ...";
  }
  report.Text("  seeds drawn in full: " + std::to_string(simulated.drawn) + " of " + k +
              (simulated.failed > 0 ? "; " + std::to_string(simulated.failed) +
                                          " could not be drawn (seeds " + failed + ")"
                                    : std::string()));
  if (report.Csv()) {
    report.Row("seeds_drawn", 0, "", k, std::to_string(simulated.drawn));
    report.Row("seeds_failed", 0, "", k, std::to_string(simulated.failed));
  }
  if (simulated.drawn == 0) {
    report.Text("  no seed gave lists drawn in full: there is nothing to report");
    return;
  }
  const auto arms = std::count_if(ratios.begin(), ratios.end(), [](auto r) { return r > 0; });
  const double chance = arms > 0 ? 1.0 / static_cast<double>(arms) : 0;
  report.Text("  the figures are over the " + std::to_string(simulated.drawn) + " seeds drawn (" +
              std::to_string(simulated.patients) + " patients)");
  report.Text("  right guesses, convergence strategy:    " +
              WithError(simulated.ConvergenceShare(), simulated.ConvergenceError()));
  report.Text("  right guesses, knowing the block sizes: " +
              WithError(simulated.BlockShare(), simulated.BlockError()));
  report.Text("  chance, one guess among " + std::to_string(arms) +
              " arms:         " + Fixed(chance, 4));
  report.Text("  final imbalance of the study: seeds (share of the seeds drawn)");
  if (report.Csv()) {
    report.Row("guess_convergence", 0, "", k, Fixed(simulated.ConvergenceShare(), 6));
    report.Row("guess_blocks", 0, "", k, Fixed(simulated.BlockShare(), 6));
    const auto error = [](const std::optional<double>& value) {
      return value ? Fixed(*value, 6) : std::string();
    };
    report.Row("guess_convergence_se", 0, "", k, error(simulated.ConvergenceError()));
    report.Row("guess_blocks_se", 0, "", k, error(simulated.BlockError()));
    report.Row("guess_chance", 0, "", std::to_string(arms), Fixed(chance, 6));
  }
  for (const auto& [imbalance, seeds] : simulated.final_imbalances) {
    const std::string value = Number(static_cast<double>(imbalance) / 1000);
    report.Text("    " + value + ": " + std::to_string(seeds) + " (" +
                Fixed(static_cast<double>(seeds) / static_cast<double>(simulated.drawn), 4) + ")");
    if (report.Csv()) {
      report.Row("final_imbalance_seeds", 0, "", value, std::to_string(seeds));
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
      if (*count > kMaxSimulatedSeeds) {
        return Wrong("--simulate takes at most " + std::to_string(kMaxSimulatedSeeds) +
                         " seeds, not " + std::to_string(*count),
                     kUsage.c_str());
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
              const CalendarClock& clock, const ProgramContext& context) {
  OpenedDesign opened(options.design, err, clock);
  if (const int status = opened.Open(); status != kExitComplete) {
    return status;
  }
  DesignPages& pages = opened.Pages();
  const StudyDesign& design = pages.Design();
  const std::vector<std::int64_t> ratios = BalanceRatios(design);

  BalanceTally tally(ratios);
  const bool complete = pages.GenerateInto(tally);
  std::int64_t planned = 0;
  for (const BalanceTally::ListBalance& list : tally.Lists()) {
    planned += list.planned_patients;
  }
  if (options.simulate > 0 && options.simulate * planned > kMaxSimulatedPatients) {
    err << "zufora-cli: --simulate " << options.simulate << " would draw " << options.simulate
        << " x " << planned << " patients; at most " << kMaxSimulatedPatients
        << " patients are drawn in all: simulate fewer seeds\n";
    return kExitFailure;
  }
  ReportWriter report(out, options.csv);
  report.Text("Balance report: " + Cp1252ToUtf8(design.study_name));
  report.Text("Ratios " + Ratios(ratios) +
              "; imbalance: patients / ratio, the largest minus the smallest among the arms "
              "with a ratio above 0 (for ratios 1:1 the difference in patients; for others in "
              "patients per unit of ratio, 0 when the arms stand exactly at their ratios)");
  WriteLists(report, tally, ratios, design);
  if (Stratifies(design)) {
    WriteStudy(report, tally, ratios);
  }

  if (options.simulate > 0) {
    QuietGeneration drawer(opened.Texts().catalogue);
    std::function<void(std::int64_t)> progress;
    if (context.err_is_terminal) {
      progress = [&err, &options](std::int64_t done) {
        err << "\rsimulating: seed " << done << " of " << options.simulate << std::flush;
      };
    }
    const SeedSimulation simulated = SimulateSeeds(design, ratios, options.simulate,
                                                   options.design.accept_misfits, drawer, progress);
    if (progress) {
      err << '\n';
    }
    WriteSimulation(report, simulated, ratios);
  }
  return complete ? kExitComplete : kExitIncomplete;
}

}  // namespace zufora::cli
