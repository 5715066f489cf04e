// "Generieren" in the pages model, without a window: the checks, the drawing, the text's
// size against the limit, and the text of the list field.
#include <benchmark/benchmark.h>

#include "design/DesignFiles.h"
#include "lang/ProgramTexts.h"
#include "pages/DesignPages.h"
#include "support/BenchDesigns.h"

namespace zufora {
namespace {

class QuietSink : public MessageSink {
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

class NoFiles : public DesignFiles {
 public:
  DesignLoad Load(const std::string&, const CentreHeadings&, StudyDesign&) override {
    return {DesignLoadStatus::Unreadable, {}};
  }
  void Save(const std::string&, const StudyDesign&) override {}
};

void BM_GenerateInPages(benchmark::State& state) {
  ProgramTexts texts;
  ApplyFirstShowTexts(texts, nullptr);
  QuietSink sink;
  ParkMillerShuffleGenerator generator;
  const CalendarClock clock = [] { return std::int64_t{1'000'000'000}; };
  NoFiles files;
  DesignPages pages(texts, sink, generator, clock, files);
  pages.SetStudyName("Benchmark");
  pages.SetArmCount("4");
  pages.SetSampleSize(std::to_string(state.range(0)));
  pages.SetFixedBlockSize("8");
  pages.SetSeed("12345");
  pages.MovePage(Page::List);  // the design page check sizes the arm table
  for (auto _ : state) {
    if (!pages.Generate() || sink.messages != 0) {
      state.SkipWithError("the benchmark design did not generate cleanly");
      break;
    }
    benchmark::DoNotOptimize(pages.ListText().data());
  }
  state.counters["ns_per_patient"] = benchmark::Counter(
      static_cast<double>(state.range(0)) * 1e-9,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GenerateInPages)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The one design that a file of this fake holds.
class OneDesignFile : public DesignFiles {
 public:
  explicit OneDesignFile(StudyDesign design) : design_(std::move(design)) {}
  DesignLoad Load(const std::string&, const CentreHeadings&, StudyDesign& design) override {
    design = design_;
    return {DesignLoadStatus::Loaded, {}};
  }
  void Save(const std::string&, const StudyDesign&) override {}

 private:
  StudyDesign design_;
};

// "Generieren" of a stratified design: patients (first argument) in strata of the second
// argument's length, ten strata (sex x age group) in each centre.
void BM_GenerateStrataInPages(benchmark::State& state) {
  ProgramTexts texts;
  ApplyFirstShowTexts(texts, nullptr);
  QuietSink sink;
  ParkMillerShuffleGenerator generator;
  const CalendarClock clock = [] { return std::int64_t{1'000'000'000}; };
  const auto patients = static_cast<std::int32_t>(state.range(0));
  OneDesignFile files(
      bench::StratifiedCentres(patients, static_cast<std::int32_t>(state.range(1))));
  DesignPages pages(texts, sink, generator, clock, files);
  pages.OpenDesign("strata.zfd");
  pages.MovePage(Page::List);  // the design page check sizes the tables
  for (auto _ : state) {
    if (!pages.Generate() || sink.messages != 0) {
      state.SkipWithError("the benchmark design did not generate cleanly");
      break;
    }
    benchmark::DoNotOptimize(pages.ListText().data());
  }
  state.counters["ns_per_patient"] = benchmark::Counter(
      static_cast<double>(patients) * 1e-9,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["strata"] = static_cast<double>(patients / state.range(1));
}
BENCHMARK(BM_GenerateStrataInPages)
    ->Args({100'000, 1'000})
    ->Args({1'000'000, 1'000})
    ->Args({1'000'000, 10})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zufora

BENCHMARK_MAIN();
