// zufora-cli generate --pdf from a design file to a PDF file, end to end: the list
// drawn, laid out and printed through the Qt print surface (offscreen, 600 dpi, A4).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "ZuforaCli.h"
#include "files/DesignFileStore.h"
#include "support/AllocationCounter.h"
#include "support/BenchDesigns.h"

namespace zufora {
namespace {

namespace fs = std::filesystem;

void BM_GenerateToPdf(benchmark::State& state) {
  const std::int64_t patients = state.range(0);
  const fs::path folder = fs::temp_directory_path() / "zufora-pdf-bench";
  fs::create_directories(folder);
  const fs::path design = folder / "design.zfd";
  SaveDesignFile(design, bench::TwoArmsVariable(static_cast<std::int32_t>(patients)));
  const fs::path output = folder / "liste.pdf";
  const CalendarClock clock = [] { return std::int64_t{1700000000}; };
  bench::ResetPeakAllocatedBytes();
  const std::size_t before = bench::CurrentAllocatedBytes();
  for (auto _ : state) {
    std::ostringstream out;
    std::ostringstream err;
    const int status =
        cli::RunZuforaCli({"generate", design.string(), "--pdf", output.string()}, out, err, clock);
    if (status != cli::kExitComplete) {
      state.SkipWithError(err.str().c_str());
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * patients);
  state.counters["us_per_patient"] = benchmark::Counter(
      static_cast<double>(patients) * 1e-6,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  // The heap at its highest during a run (operator new; Qt's C++ side included) and
  // the part of it that stays per patient: it must not grow with the pages.
  const auto peak = static_cast<double>(bench::PeakAllocatedBytes() - before);
  state.counters["peak_heap_MB"] = peak / 1e6;
  state.counters["peak_heap_B_per_patient"] = peak / static_cast<double>(patients);
  state.counters["pdf_MB"] = static_cast<double>(fs::file_size(output)) / 1e6;
  fs::remove_all(folder);
}

BENCHMARK(BM_GenerateToPdf)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zufora

BENCHMARK_MAIN();
