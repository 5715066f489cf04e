// Generation plus rendering of lists, streamed and whole: time and memory per patient.
#include <benchmark/benchmark.h>

#include "design/StudyDesign.h"
#include "lang/MessageCatalogue.h"
#include "random/ListGenerator.h"
#include "random/ListText.h"
#include "random/ListTextWriter.h"
#include "support/AllocationCounter.h"
#include "support/BenchDesigns.h"
#include "support/PatientCounts.h"

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
  bench::CountPatients(state, patients);
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
  bench::CountPatients(state, patients);
  state.counters["text_bytes_per_patient"] =
      static_cast<double>(text_bytes) / static_cast<double>(patients);
  state.counters["peak_heap_MB"] = static_cast<double>(peak) / 1e6;
}

void BM_TwoArmsVariableBlocksStreamed(benchmark::State& state) {
  GenerateAndStream(state, bench::TwoArmsVariable);
}
void BM_FourArmsFixedBlocksStreamed(benchmark::State& state) {
  GenerateAndStream(state, bench::FourArmsFixed);
}
void BM_ThousandPatientCentresStreamed(benchmark::State& state) {
  GenerateAndStream(state, bench::ThousandPatientCentres);
}

BENCHMARK(BM_TwoArmsVariableBlocksStreamed)->Apply(bench::ListLengths);
BENCHMARK(BM_FourArmsFixedBlocksStreamed)->Apply(bench::ListLengths);
BENCHMARK(BM_ThousandPatientCentresStreamed)->Apply(bench::ListLengths);

void BM_TwoArmsVariableBlocks(benchmark::State& state) {
  GenerateAndRender(state, bench::TwoArmsVariable);
}
void BM_FourArmsFixedBlocks(benchmark::State& state) {
  GenerateAndRender(state, bench::FourArmsFixed);
}
void BM_ThousandPatientCentres(benchmark::State& state) {
  GenerateAndRender(state, bench::ThousandPatientCentres);
}

BENCHMARK(BM_TwoArmsVariableBlocks)->Apply(bench::ListLengths);
BENCHMARK(BM_FourArmsFixedBlocks)->Apply(bench::ListLengths);
BENCHMARK(BM_ThousandPatientCentres)->Apply(bench::ListLengths);

}  // namespace
}  // namespace zufora

BENCHMARK_MAIN();
