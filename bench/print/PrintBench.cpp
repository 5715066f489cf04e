// Laying out long lists on the recording surface: the cost per list line of the print
// run and of the engine's table alone.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "lang/ProgramTexts.h"
#include "print/ListPrintRun.h"
#include "print/PrintJobTexts.h"
#include "print/TableLayout.h"
#include "support/RecordingSurface.h"

namespace zufora {
namespace {

// A generated single list: title, seed note, then allocation lines with a separator
// after every block of six.
std::string ListText(std::int64_t allocations) {
  std::string text = "Benchmarkstudie\nSeed: (12345)\n";
  for (std::int64_t i = 1; i <= allocations; ++i) {
    text += std::to_string(i);
    text += '\t';
    text += std::to_string(i % 3 + 1);
    text += "\tArm ";
    text += static_cast<char>('A' + i % 3);
    text += '\n';
    if (i % 6 == 0) {
      text += "------- Block ------\n";
    }
  }
  return text;
}

// Lines per centre list: the same allocations cut into centres of 1000 patients.
std::string CentreListText(std::int64_t allocations) {
  std::string text = "Benchmarkstudie\n";
  for (std::int64_t i = 1; i <= allocations; ++i) {
    if (i % 1000 == 1) {
      text += "Zentrum ";
      text += std::to_string(i / 1000 + 1);
      text += "\tKlinik - Seed: (4711)\n";
    }
    text += std::to_string(i);
    text += "\t2\tArm B\n";
  }
  return text;
}

std::int64_t LineCount(const std::string& text) {
  std::int64_t lines = 0;
  for (const char c : text) {
    lines += c == '\n' ? 1 : 0;
  }
  return lines;
}

void RunPrint(benchmark::State& state, const std::string& text) {
  ProgramTexts texts;
  ApplyFirstShowTexts(texts, nullptr);
  const PrintJobTexts job =
      PrintJobTexts::From(texts, text, [] { return std::string("24.05.2024"); });
  const std::int64_t lines = LineCount(text);
  for (auto _ : state) {
    RecordingSurface surface(4800, 6800, 600);
    surface.SetKeepLog(false);
    ListPrintRun run;
    run.Print(surface, job);
    benchmark::DoNotOptimize(surface.CoordinateSum());
    state.counters["pages"] = static_cast<double>(surface.PageCount());
  }
  state.SetItemsProcessed(state.iterations() * lines);
  // Seconds per list line, shown with an SI prefix (n for nanoseconds).
  state.counters["time_per_line"] =
      benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void BM_PrintRunSingleList(benchmark::State& state) {
  RunPrint(state, ListText(state.range(0)));
}
BENCHMARK(BM_PrintRunSingleList)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_PrintRunCentreLists(benchmark::State& state) {
  RunPrint(state, CentreListText(state.range(0)));
}
BENCHMARK(BM_PrintRunCentreLists)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The engine alone: one block of rows through PrintTable.
void BM_PrintTable(benchmark::State& state) {
  std::vector<std::string> rows;
  for (std::int64_t i = 1; i <= state.range(0); ++i) {
    rows.push_back(std::to_string(i) + "\t1\tArm A");
  }
  const std::vector<std::string> titles{"ID",      "Arm",       "Studienarm", "Zentrum",
                                        "Patient", "Geb.-Dat.", "Datum"};
  const std::vector<std::string> widths{"50", "0", "125", "125", "150", "100", "100"};
  const std::vector<std::string> codes{"0", "0", "1", "1", "1", "1", "1"};
  for (auto _ : state) {
    RecordingSurface surface(4800, 6800, 600);
    surface.SetKeepLog(false);
    TableLayout layout(surface, [] { return std::string("24.05.2024"); });
    layout.SetColumnUnit(800);
    layout.Rows() = rows;
    layout.BeginDocument();
    layout.PrintTable(titles, widths, codes);
    layout.EndDocument();
    benchmark::DoNotOptimize(surface.CoordinateSum());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["time_per_line"] = benchmark::Counter(
      static_cast<double>(state.range(0)),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PrintTable)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zufora

BENCHMARK_MAIN();
