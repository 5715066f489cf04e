// Generation plus rendering of lists, streamed and whole: time and memory per patient.
#include <benchmark/benchmark.h>

#include "support/AllocationCounter.h"
#include "design/StudyDesign.h"
#include "lang/MessageCatalogue.h"
#include "random/ListGenerator.h"
#include "random/ListText.h"
#include "random/ListTextWriter.h"

namespace zufora {
namespace {

class SilentSink : public MessageSink {
 public:
  void ShowPlain(const std::string&) override { ++messages; }
  void ShowNotice(const std::string&) override { ++messages; }
  bool AskQuestion(const std::string&) override {
    ++messages;
    return false;
  }
  void ActivatePage(Page) override {}
  int messages = 0;
};

StudyDesign Design(const std::vector<const char*>& ratios, std::int32_t patients) {
  StudyDesign design;
  design.study_name = "Benchmark";
  design.arm_count = std::to_string(ratios.size());
  design.sample_size = std::to_string(patients);
  design.seed = "20261208";
  const auto arms = static_cast<std::int32_t>(ratios.size());
  design.arms.SetRowCount(arms + 1);
  for (std::int32_t r = 1; r <= arms; ++r) {
    design.arms.SetCell(kArmDescriptionColumn, r, "Therapie " + std::to_string(r));
    design.arms.SetCell(kArmRatioColumn, r, ratios[static_cast<std::size_t>(r - 1)]);
  }
  design.checked.arm_count = arms;
  design.checked.sample_size = patients;
  return design;
}

StudyDesign TwoArmsVariable(std::int32_t patients) {
  StudyDesign design = Design({"1", "1"}, patients);
  design.block_mode = BlockSizeMode::Variable;
  design.min_block_size = "4";
  design.max_block_size = "8";
  return design;
}

StudyDesign FourArmsFixed(std::int32_t patients) {
  StudyDesign design = Design({"1", "1", "1", "2"}, patients);
  design.fixed_block_size = "10";
  return design;
}

StudyDesign Centres(std::int32_t patients) {
  constexpr std::int32_t kPerCentre = 1000;
  StudyDesign design = TwoArmsVariable(patients);
  const std::int32_t centres = patients / kPerCentre;
  design.per_centre_lists = true;
  design.centre_count = std::to_string(centres);
  design.centres.SetRowCount(centres + 1);
  for (std::int32_t c = 1; c <= centres; ++c) {
    design.centres.SetCell(kCentreNumberColumn, c, std::to_string(c));
    design.centres.SetCell(kCentreDescriptionColumn, c, "Klinik " + std::to_string(c));
    design.centres.SetCell(kCentreSampleSizeColumn, c, std::to_string(kPerCentre));
  }
  return design;
}

void GenerateAndRender(benchmark::State& state, StudyDesign (*make)(std::int32_t)) {
  const auto patients = static_cast<std::int32_t>(state.range(0));
  const StudyDesign prototype = make(patients);
  const MessageCatalogue catalogue;
  ParkMillerShuffleGenerator generator;
  SilentSink sink;
  std::size_t text_bytes = 0;
  std::size_t peak_beyond_text = 0;
  for (auto _ : state) {
    StudyDesign design = prototype;
    const std::size_t before = bench::CurrentAllocatedBytes();
    bench::ResetPeakAllocatedBytes();
    const GenerationResult result = GenerateLists(design, catalogue, sink, generator);
    const std::string text = RenderListText(result, design, ListTextOptions{});
    benchmark::DoNotOptimize(text.data());
    text_bytes = text.capacity();
    peak_beyond_text = bench::PeakAllocatedBytes() - before - text_bytes;
    if (!result.complete || sink.messages != 0) {
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
void GenerateAndStream(benchmark::State& state, StudyDesign (*make)(std::int32_t)) {
  const auto patients = static_cast<std::int32_t>(state.range(0));
  const StudyDesign prototype = make(patients);
  const MessageCatalogue catalogue;
  ParkMillerShuffleGenerator generator;
  SilentSink sink;
  std::size_t text_bytes = 0;
  std::size_t peak = 0;
  for (auto _ : state) {
    StudyDesign design = prototype;
    const std::size_t before = bench::CurrentAllocatedBytes();
    bench::ResetPeakAllocatedBytes();
    CountingSink text;
    ListTextWriter writer(design, ListTextOptions{}, text);
    const ListGenerator::Outcome outcome =
        ListGenerator(design, catalogue, sink, generator).Generate(writer);
    writer.Finish();
    text_bytes = text.bytes;
    peak = bench::PeakAllocatedBytes() - before;
    if (!outcome.complete || sink.messages != 0) {
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
