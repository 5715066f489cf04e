// Generation plus rendering of lists, streamed and whole: time and memory per patient.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>

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

// Each design twice: streamed, as generate writes it, and whole, as the window builds it.
[[maybe_unused]] const bool kRegistered = [] {
  const std::pair<const char*, StudyDesign (*)(std::int32_t)> designs[] = {
      {"TwoArmsVariableBlocks", bench::TwoArmsVariable},
      {"FourArmsFixedBlocks", bench::FourArmsFixed},
      {"ThousandPatientCentres", bench::ThousandPatientCentres}};
  for (const auto& [name, make] : designs) {
    benchmark::RegisterBenchmark(("BM_" + std::string(name) + "Streamed").c_str(),
                                 GenerateAndStream, make)
        ->Apply(bench::ListLengths);
  }
  for (const auto& [name, make] : designs) {
    benchmark::RegisterBenchmark(("BM_" + std::string(name)).c_str(), GenerateAndRender, make)
        ->Apply(bench::ListLengths);
  }
  return true;
}();

}  // namespace
}  // namespace zufora

BENCHMARK_MAIN();
