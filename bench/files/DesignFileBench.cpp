// Load and save of large designs: 1,000 arms with 1,000 / 10,000 / 100,000 centres, in
// memory (the INI text alone) and through a real file. Time must grow linearly with the
// number of centres.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "design/StudyDesign.h"
#include "files/DesignFile.h"
#include "files/DesignFileStore.h"
#include "files/IniDocument.h"

namespace zufora {
namespace {

constexpr std::int32_t kArms = 1000;
const CentreHeadings kHeadings = {"Zentrum", "Nummer", "Beschreibung", "Geplante Fallzahl"};

StudyDesign LargeDesign(std::int32_t centres) {
  StudyDesign design;
  design.study_name = "Grosse Studie";
  design.arm_count = std::to_string(kArms);
  design.sample_size = std::to_string(centres * 20);
  design.per_centre_lists = true;
  design.centre_count = std::to_string(centres);
  design.arms.SetRowCount(kArms + 1);
  for (std::int32_t r = 1; r <= kArms; ++r) {
    design.arms.SetCell(kArmLabelColumn, r, "Arm " + std::to_string(r));
    design.arms.SetCell(kArmDescriptionColumn, r, "Behandlung " + std::to_string(r));
    design.arms.SetCell(kArmRatioColumn, r, "1");
  }
  design.centres.SetRowCount(centres + 1);
  for (std::int32_t r = 1; r <= centres; ++r) {
    design.centres.SetCell(kCentreLabelColumn, r, "Zentrum " + std::to_string(r));
    design.centres.SetCell(kCentreNumberColumn, r, std::to_string(r));
    design.centres.SetCell(kCentreDescriptionColumn, r, "Klinik " + std::to_string(r));
    design.centres.SetCell(kCentreSampleSizeColumn, r, "20");
  }
  design.seed = "123456789";
  return design;
}

std::string SavedText(const StudyDesign& design) {
  IniDocument file;
  WriteDesign(design, file);
  return file.Serialize();
}

void SetCounters(benchmark::State& state, std::size_t bytes) {
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes));
  state.counters["keys"] = static_cast<double>(5 + 1 + 3 * kArms + 1 + 4 * state.range(0) + 4 + 1);
}

void BM_SaveNewText(benchmark::State& state) {
  const StudyDesign design = LargeDesign(static_cast<std::int32_t>(state.range(0)));
  std::size_t bytes = 0;
  for (auto _ : state) {
    IniDocument file;
    WriteDesign(design, file);
    const std::string text = file.Serialize();
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  SetCounters(state, bytes);
}

void BM_SaveOverExistingText(benchmark::State& state) {
  const StudyDesign design = LargeDesign(static_cast<std::int32_t>(state.range(0)));
  const std::string existing = SavedText(design);
  for (auto _ : state) {
    IniDocument file = IniDocument::Parse(existing);
    WriteDesign(design, file);
    const std::string text = file.Serialize();
    benchmark::DoNotOptimize(text.data());
  }
  SetCounters(state, existing.size());
}

void BM_LoadText(benchmark::State& state) {
  const std::string text = SavedText(LargeDesign(static_cast<std::int32_t>(state.range(0))));
  for (auto _ : state) {
    StudyDesign design;
    const auto refusal = ReadDesign(IniDocument::Parse(text), kHeadings, design);
    benchmark::DoNotOptimize(refusal);
    benchmark::DoNotOptimize(design.centres.RowCount());
  }
  SetCounters(state, text.size());
}

std::filesystem::path BenchFile() {
  static const std::filesystem::path file =
      std::filesystem::temp_directory_path() /
      ("zufora_files_bench_" + std::to_string(std::random_device{}()) + ".zfd");
  return file;
}

void BM_SaveFile(benchmark::State& state) {
  const StudyDesign design = LargeDesign(static_cast<std::int32_t>(state.range(0)));
  const std::filesystem::path file = BenchFile();
  std::filesystem::remove(file);
  for (auto _ : state) {
    SaveDesignFile(file, design);  // over the file of the previous round, after the first
  }
  SetCounters(state, static_cast<std::size_t>(std::filesystem::file_size(file)));
  std::filesystem::remove(file);
}

void BM_LoadFile(benchmark::State& state) {
  const std::filesystem::path file = BenchFile();
  SaveDesignFile(file, LargeDesign(static_cast<std::int32_t>(state.range(0))));
  for (auto _ : state) {
    StudyDesign design;
    const DesignFileLoad result = LoadDesignFile(file, kHeadings, design);
    benchmark::DoNotOptimize(result.status);
    benchmark::DoNotOptimize(design.centres.RowCount());
  }
  SetCounters(state, static_cast<std::size_t>(std::filesystem::file_size(file)));
  std::filesystem::remove(file);
}

// Opening a file of many keys in one section, as the key index sees them: ordinary keys,
// and keys that share a long prefix (each comparison then reads far into both names),
// given in descending order. Time per key must stay near constant from 80,000 to
// 320,000 keys, whichever the keys.
void BM_ParseManyKeys(benchmark::State& state) {
  const bool crafted = state.range(1) != 0;
  std::string text = "[Arme]\r\n";
  for (std::int64_t i = state.range(0); i > 0; --i) {
    text += crafted ? std::string(48, 'k') + std::to_string(i) : "k" + std::to_string(i * 7919);
    text += "=1\r\n";
  }
  for (auto _ : state) {
    const IniDocument file = IniDocument::Parse(text);
    benchmark::DoNotOptimize(file.Get("Arme", "k1"));
  }
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
  state.counters["ns_per_key"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * static_cast<double>(state.range(0)),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Centres(benchmark::internal::Benchmark* bench) {
  bench->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
  bench->Complexity(benchmark::oN);
}

BENCHMARK(BM_SaveNewText)->Apply(Centres);
BENCHMARK(BM_SaveOverExistingText)->Apply(Centres);
BENCHMARK(BM_LoadText)->Apply(Centres);
BENCHMARK(BM_SaveFile)->Apply(Centres);
BENCHMARK(BM_LoadFile)->Apply(Centres);
BENCHMARK(BM_ParseManyKeys)
    ->ArgsProduct({{80000, 320000}, {0, 1}})
    ->ArgNames({"keys", "crafted"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zufora

BENCHMARK_MAIN();
