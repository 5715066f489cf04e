// zufora-cli generate from a design file to an export file, end to end.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "ZuforaCli.h"
#include "files/DesignFileStore.h"
#include "support/BenchDesigns.h"
#include "support/PatientCounts.h"

namespace zufora {
namespace {

namespace fs = std::filesystem;

void BM_GenerateToExportFile(benchmark::State& state) {
  const std::int64_t patients = state.range(0);
  const fs::path folder = fs::temp_directory_path() / "zufora-cli-bench";
  fs::create_directories(folder);
  const fs::path design = folder / "design.zfd";
  SaveDesignFile(design, bench::TwoArmsVariable(static_cast<std::int32_t>(patients)));
  const fs::path output = folder / "liste.txt";
  const CalendarClock clock = [] { return std::int64_t{1700000000}; };
  for (auto _ : state) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunZuforaCli({"generate", design.string(), "--output", output.string()},
                                         out, err, clock);
    if (status != cli::kExitComplete) {
      state.SkipWithError(err.str().c_str());
      break;
    }
  }
  bench::CountPatients(state, patients);
  state.counters["file_bytes"] = static_cast<double>(fs::file_size(output));
  fs::remove_all(folder);
}

BENCHMARK(BM_GenerateToExportFile)->Apply(bench::ListLengths);

}  // namespace
}  // namespace zufora

BENCHMARK_MAIN();
