// zufora-cli generate from a design file to an export file, end to end.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ZuforaCli.h"

namespace zufora {
namespace {

namespace fs = std::filesystem;

fs::path WriteDesign(const fs::path& folder, std::int64_t patients) {
  const fs::path file = folder / ("design-" + std::to_string(patients) + ".zfd");
  std::ofstream(file, std::ios::binary)
      << "[Design]\r\nName=Benchmark\r\nArme=2\r\nFallzahl=" << patients
      << "\r\nMulticenter=0\r\n[Arme]\r\nAnzahl=2\r\nBeschr1=Kontrolle\r\nRatio1=1\r\n"
      << "Beschr2=Intervention\r\nRatio2=1\r\n[Bloecke]\r\nFix=0\r\nVon=4\r\nBis=8\r\n"
      << "[Zufall]\r\nSeed=20261208\r\n";
  return file;
}

void BM_GenerateToExportFile(benchmark::State& state) {
  const std::int64_t patients = state.range(0);
  const fs::path folder = fs::temp_directory_path() / "zufora-cli-bench";
  fs::create_directories(folder);
  const fs::path design = WriteDesign(folder, patients);
  const fs::path output = folder / "liste.txt";
  const CalendarClock clock = [] { return std::int64_t{1700000000}; };
  for (auto _ : state) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunZuforaCli(
        {"generate", design.string(), "--output", output.string()}, out, err, clock);
    if (status != cli::kExitComplete) {
      state.SkipWithError(err.str().c_str());
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * patients);
  state.counters["ns_per_patient"] = benchmark::Counter(
      static_cast<double>(patients) * 1e-9,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["file_bytes"] = static_cast<double>(fs::file_size(output));
  fs::remove_all(folder);
}

BENCHMARK(BM_GenerateToExportFile)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zufora

BENCHMARK_MAIN();
