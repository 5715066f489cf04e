// The list generator behind its checks: a design decoded from the bytes, within the
// program's documented limits, checked, generated and rendered as "Generieren" does, the
// questions answered from the bytes too. Every run is bounded in time and memory by the fuzzer's
// -timeout and -rss_limit_mb (scripts/fuzz): the sizes decoded here keep ordinary work well below a
// second, so a design whose work is far beyond linear shows up as a hang.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "BuiltInTexts.h"
#include "FuzzCheck.h"
#include "FuzzedMessageSink.h"
#include "design/Limits.h"
#include "design/StudyDesign.h"
#include "lang/ProgramTexts.h"
#include "pages/Generation.h"
#include "random/ListText.h"
#include "random/ParkMillerShuffleGenerator.h"

namespace {

using namespace zufora;

// Mostly small numbers, sometimes any integer text at all.
std::string Number(FuzzedDataProvider& data, std::int32_t low, std::int32_t high) {
  switch (data.ConsumeIntegralInRange(0, 15)) {
    case 0: return data.ConsumeRandomLengthString(12);
    case 1: return std::to_string(data.ConsumeIntegral<std::int32_t>());
    default: return std::to_string(data.ConsumeIntegralInRange(low, high));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const ProgramTexts& texts = fuzz::BuiltInTexts();
  FuzzedDataProvider data(bytes, size);

  // Up to 2^16 patients in a large design: inside the limits, yet large enough that
  // work beyond linear takes seconds.
  constexpr std::int32_t kPatients = 1 << 16;
  StudyDesign design;
  design.study_name = data.ConsumeRandomLengthString(40);
  const std::int32_t arms =
      data.ConsumeIntegralInRange(1, data.ConsumeIntegralInRange(0, 7) ? 8 : 300);
  design.arm_count =
      data.ConsumeIntegralInRange(0, 31) == 0 ? Number(data, -2, 400) : std::to_string(arms);
  design.arms.SetRowCount(arms + 1);
  for (std::int32_t r = 1; r <= arms; ++r) {
    design.arms.SetCell(kArmDescriptionColumn, r, data.ConsumeRandomLengthString(16));
    design.arms.SetCell(kArmRatioColumn, r, Number(data, 0, 6));
  }
  // Mostly small lists, so that many designs are tried; now and then a large one.
  const bool large = data.ConsumeIntegralInRange(0, 63) == 0;
  design.sample_size = Number(data, 0, large ? kPatients : 200);
  design.per_centre_lists = data.ConsumeBool();
  if (design.per_centre_lists) {
    const std::int32_t centres = data.ConsumeIntegralInRange(0, 40);
    design.centre_count =
        data.ConsumeIntegralInRange(0, 15) == 0 ? Number(data, -1, 45) : std::to_string(centres);
    design.centres.SetRowCount(centres + 1);
    for (std::int32_t r = 1; r <= centres; ++r) {
      design.centres.SetCell(kCentreNumberColumn, r, data.ConsumeRandomLengthString(6));
      design.centres.SetCell(kCentreDescriptionColumn, r, data.ConsumeRandomLengthString(12));
      design.centres.SetCell(kCentreSampleSizeColumn, r,
                             Number(data, 0, large ? kPatients / 40 : 50));
    }
  }
  // Strata: a few factors of a few levels, at times one length for all of them.
  design.stratified = data.ConsumeIntegralInRange(0, 3) == 0;
  for (int f = design.stratified ? data.ConsumeIntegralInRange(0, 3) : 0; f > 0; --f) {
    StratificationFactor factor{data.ConsumeRandomLengthString(8), "f" + std::to_string(f), {}};
    for (int l = data.ConsumeIntegralInRange(1, 4); l > 0; --l) {
      factor.levels.push_back({std::to_string(l), data.ConsumeRandomLengthString(8)});
    }
    design.factors.push_back(std::move(factor));
  }
  if (design.stratified && data.ConsumeBool()) {
    design.stratum_length = Number(data, 0, 50);
  }
  design.block_mode = data.ConsumeBool() ? BlockSizeMode::Fixed : BlockSizeMode::Variable;
  design.fixed_block_size = Number(data, 0, 64);
  design.min_block_size = Number(data, 0, 64);
  design.max_block_size = Number(data, 0, 256);
  design.seed = Number(data, -5, 1 << 30);
  const bool mark_blocks = data.ConsumeBool();
  const bool show_seed = data.ConsumeBool();

  fuzz::FuzzedMessageSink sink(data);
  ParkMillerShuffleGenerator generator;
  const GenerationResult result = GenerateLists(design, texts.catalogue, sink, generator);

  // What every list must be, whatever the design.
  for (const RandomizationList& list : result.drawn.lists) {
    // The arms are those of whole blocks: all of them, or those before one that failed.
    const auto drawn_arms = static_cast<std::int64_t>(list.arms.size());
    std::int64_t sum = 0;
    bool whole_blocks = drawn_arms == 0;
    for (const std::int32_t block : list.block_sizes) {
      FUZZ_CHECK(block > 0);
      sum += block;
      whole_blocks = whole_blocks || sum == drawn_arms;
    }
    FUZZ_CHECK(list.block_sizes.empty() || sum == list.planned_patients);
    FUZZ_CHECK(whole_blocks);
    for (const std::int32_t arm : list.arms) {
      FUZZ_CHECK(arm >= 1 && arm <= result.outcome.checked.arm_count);
    }
  }
  const ListTextOptions options{.mark_blocks = mark_blocks,
                                .show_seed = show_seed,
                                .block_separator = texts.derived.block_separator,
                                .center_caption = texts.derived.center_caption,
                                .stratum_caption = texts.derived.stratum_caption};
  const std::uint64_t text_size = ListTextSize(result.drawn, design, options);
  FUZZ_CHECK(text_size <= static_cast<std::uint64_t>(kMaxListTextBytes));
  FUZZ_CHECK(RenderListText(result.drawn, design, options).size() == text_size);
  // The command line writes the text while it is drawn only below this bound.
  FUZZ_CHECK(ListTextBound(design, options) >= text_size);
  return 0;
}
