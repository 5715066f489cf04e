// Generation plus rendering of lists, streamed and whole: time and memory per patient.
#include <benchmark/benchmark.h>

#include "random/ListCollector.h"
#include "random/ListGenerator.h"
#include "random/ListText.h"
#include "random/ListTextWriter.h"
#include "support/AllocationCounter.h"

namespace zufora {
namespace {

class NoProblems : public DrawProblemSink {
 public:
  void Report(DrawProblem) override { ++problems; }
  int problems = 0;
};

// A plan as the checks give it, and the design that names its arms and centres.
struct Study {
  ListPlan plan;
  StudyDesign design;
};

Study Single(std::vector<std::int64_t> ratios, std::int32_t patients) {
  Study study;
  study.plan.seed = SeedOf(20261208);
  study.plan.ratios = std::move(ratios);
  study.plan.lists = {{std::nullopt, patients}};
  study.design.study_name = "Benchmark";
  const auto arms = static_cast<std::int32_t>(study.plan.ratios.size());
  study.design.arms.SetRowCount(arms + 1);
  for (std::int32_t r = 1; r <= arms; ++r) {
    study.design.arms.SetCell(kArmDescriptionColumn, r, "Therapie " + std::to_string(r));
  }
  return study;
}

Study TwoArmsVariable(std::int32_t patients) {
  Study study = Single({1, 1}, patients);
  study.plan.block_mode = BlockSizeMode::Variable;
  study.plan.min_block_size = 4;
  study.plan.max_block_size = 8;
  return study;
}

Study FourArmsFixed(std::int32_t patients) {
  Study study = Single({1, 1, 1, 2}, patients);
  study.plan.fixed_block_size = 10;
  return study;
}

Study Centres(std::int32_t patients) {
  constexpr std::int32_t kPerCentre = 1000;
  Study study = TwoArmsVariable(patients);
  const std::int32_t centres = patients / kPerCentre;
  study.plan.seeds = ListSeeds::kDrawnPerList;
  study.plan.lists.clear();
  study.design.per_centre_lists = true;
  study.design.centres.SetRowCount(centres + 1);
  for (std::int32_t c = 1; c <= centres; ++c) {
    study.plan.lists.push_back({c, kPerCentre});
    study.design.centres.SetCell(kCentreNumberColumn, c, std::to_string(c));
    study.design.centres.SetCell(kCentreDescriptionColumn, c, "Klinik " + std::to_string(c));
  }
  return study;
}

// The window's way: the lists kept whole, the text's size checked against the limit, then
// the text built in one piece.
void GenerateAndRender(benchmark::State& state, Study (*make)(std::int32_t)) {
  const auto patients = static_cast<std::int32_t>(state.range(0));
  const Study study = make(patients);
  ParkMillerShuffleGenerator generator;
  NoProblems problems;
  std::size_t text_bytes = 0;
  std::size_t peak_beyond_text = 0;
  for (auto _ : state) {
    const std::size_t before = bench::CurrentAllocatedBytes();
    bench::ResetPeakAllocatedBytes();
    DrawnLists lists;
    ListCollector collector(lists);
    collector.Title(study.design.study_name);
    const bool complete = ListGenerator(generator).Draw(study.plan, collector, problems);
    std::string text;
    text.reserve(ListTextSize(lists, study.design, ListTextOptions{}));
    StringSink sink(text);
    WriteListText(lists, study.design, ListTextOptions{}, sink);
    benchmark::DoNotOptimize(text.data());
    text_bytes = text.capacity();
    peak_beyond_text = bench::PeakAllocatedBytes() - before - text_bytes;
    if (!complete || problems.problems != 0) {
      state.SkipWithError("the benchmark design did not generate cleanly");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * patients);
  // Patients scaled by 1e-9 and inverted: nanoseconds per patient.
  state.counters["ns_per_patient"] = benchmark::Counter(
      static_cast<double>(patients) * 1e-9,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["text_bytes_per_patient"] =
      static_cast<double>(text_bytes) / static_cast<double>(patients);
  state.counters["other_bytes_per_patient"] =
      static_cast<double>(peak_beyond_text) / static_cast<double>(patients);
}

// Takes the parts of a streamed text and lets them go, as a pipe would.
class CountingSink : public ListTextSink {
 public:
  void Write(std::string_view whole_lines) override {
    bytes += whole_lines.size();
    benchmark::DoNotOptimize(whole_lines.data());
  }
  std::size_t bytes = 0;
};

// The command line's way: each list's text written while it is drawn.
void GenerateAndStream(benchmark::State& state, Study (*make)(std::int32_t)) {
  const auto patients = static_cast<std::int32_t>(state.range(0));
  const Study study = make(patients);
  ParkMillerShuffleGenerator generator;
  NoProblems problems;
  std::size_t text_bytes = 0;
  std::size_t peak = 0;
  for (auto _ : state) {
    const std::size_t before = bench::CurrentAllocatedBytes();
    bench::ResetPeakAllocatedBytes();
    CountingSink text;
    ListTextWriter writer(study.design, ListTextOptions{}, text);
    writer.Title(study.design.study_name);
    const bool complete = ListGenerator(generator).Draw(study.plan, writer, problems);
    writer.Finish();
    text_bytes = text.bytes;
    peak = bench::PeakAllocatedBytes() - before;
    if (!complete || problems.problems != 0) {
      state.SkipWithError("the benchmark design did not generate cleanly");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * patients);
  state.counters["ns_per_patient"] = benchmark::Counter(
      static_cast<double>(patients) * 1e-9,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["text_bytes_per_patient"] =
      static_cast<double>(text_bytes) / static_cast<double>(patients);
  state.counters["peak_heap_MB"] = static_cast<double>(peak) / 1e6;
}

void BM_TwoArmsVariableBlocksStreamed(benchmark::State& state) {
  GenerateAndStream(state, TwoArmsVariable);
}
void BM_FourArmsFixedBlocksStreamed(benchmark::State& state) {
  GenerateAndStream(state, FourArmsFixed);
}
void BM_ThousandPatientCentresStreamed(benchmark::State& state) {
  GenerateAndStream(state, Centres);
}

BENCHMARK(BM_TwoArmsVariableBlocksStreamed)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FourArmsFixedBlocksStreamed)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThousandPatientCentresStreamed)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);

void BM_TwoArmsVariableBlocks(benchmark::State& state) {
  GenerateAndRender(state, TwoArmsVariable);
}
void BM_FourArmsFixedBlocks(benchmark::State& state) {
  GenerateAndRender(state, FourArmsFixed);
}
void BM_ThousandPatientCentres(benchmark::State& state) {
  GenerateAndRender(state, Centres);
}

BENCHMARK(BM_TwoArmsVariableBlocks)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FourArmsFixedBlocks)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThousandPatientCentres)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zufora

BENCHMARK_MAIN();
