#include "pages/Generation.h"

#include <algorithm>
#include <optional>

#include "design/Limits.h"
#include "pages/GenerationCheck.h"
#include "random/ListCollector.h"
#include "random/ListGenerator.h"
#include "random/ListTextBound.h"
#include "text/IntegerText.h"

namespace zufora {
namespace {

// Shows the problems of drawing as their messages.
class DrawMessages : public DrawProblemSink {
 public:
  DrawMessages(const MessageCatalogue& messages, MessageSink& sink)
      : messages_(messages), sink_(sink) {}

  void Report(DrawProblem problem) override {
    sink_.ShowPlain(messages_.Text(problem == DrawProblem::kBlockSizesUndrawable
                                       ? Message::MessageBlockRestictions
                                       : Message::MessageInvalidParameter));
  }

 private:
  const MessageCatalogue& messages_;
  MessageSink& sink_;
};

std::uint64_t SaturatedSum(std::uint64_t a, std::uint64_t b) {
  return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

std::uint64_t SaturatedProduct(std::uint64_t a, std::uint64_t b) {
  return b != 0 && a > UINT64_MAX / b ? UINT64_MAX : a * b;
}

// ListTextBound of a stratified design: every stratum's heading (its centre's heading
// and the longest label of each factor) and lines, `total` the title's bound.
template <typename PatientLines>
std::uint64_t StrataTextBound(const StudyDesign& design, const ListTextOptions& options,
                              std::uint64_t total, const PatientLines& patient_lines) {
  constexpr std::uint64_t kUnknown = UINT64_MAX;
  const std::int64_t combinations = LevelCombinations(design.factors, kMaxStrata);
  std::optional<std::int32_t> common_length;
  if (!design.stratum_length.empty()) {
    common_length = ParseIntegerText(design.stratum_length);
    if (!common_length || *common_length < 0) {
      return kUnknown;
    }
  }
  if (combinations > kMaxStrata) {
    return kUnknown;
  }
  // " - NAME: LABEL" for each factor, then the centre's or the stratum word's part.
  std::uint64_t levels = 0;
  for (const StratificationFactor& factor : design.factors) {
    std::size_t longest = 0;
    for (const FactorLevel& level : factor.levels) {
      longest = std::max(longest, level.label.size());
    }
    levels += 5 + factor.name.size() + longest;
  }
  auto add = [&](std::uint64_t heading, std::int32_t patients) {
    const auto length = common_length.value_or(patients);
    const std::uint64_t stratum = SaturatedSum(heading + levels + 40, patient_lines(length));
    total =
        SaturatedSum(total, SaturatedProduct(static_cast<std::uint64_t>(combinations), stratum));
  };
  if (!design.per_centre_lists) {
    const auto patients = ParseIntegerText(design.sample_size);
    if (!patients || *patients < 0) {
      return kUnknown;
    }
    add(options.stratum_caption.size(), *patients);
    return total;
  }
  const auto centres = ParseIntegerText(design.centre_count);
  if (!centres || *centres < 0 || *centres > kMaxCentres) {
    return kUnknown;
  }
  for (std::int32_t c = 1; c <= *centres; ++c) {
    const auto patients = ParseIntegerText(design.centres.Cell(kCentreSampleSizeColumn, c));
    if (!patients || *patients < 0) {
      return kUnknown;
    }
    add(options.center_caption.size() + design.centres.Cell(kCentreNumberColumn, c).size() +
            design.centres.Cell(kCentreDescriptionColumn, c).size(),
        *patients);
  }
  return total;
}

}  // namespace

GenerationOutcome RunGeneration(const StudyDesign& design, const MessageCatalogue& messages,
                                MessageSink& sink, ParkMillerShuffleGenerator& generator,
                                ListConsumer& consumer) {
  CheckedGeneration checked = CheckGeneration(design, messages, sink);
  GenerationOutcome outcome;
  outcome.checked = checked.checked;
  outcome.page_switches = std::move(checked.page_switches);
  if (checked.leaves_list_empty) {
    outcome.leaves_list_empty = true;
    return outcome;
  }
  consumer.Title(design.study_name);
  if (checked.plan) {
    DrawMessages problems(messages, sink);
    outcome.complete = ListGenerator(generator).Draw(*checked.plan, consumer, problems);
  }
  return outcome;
}

GenerationResult GenerateLists(const StudyDesign& design, const MessageCatalogue& messages,
                               MessageSink& sink, ParkMillerShuffleGenerator& generator) {
  GenerationResult result;
  ListCollector collector(result.drawn);
  result.outcome = RunGeneration(design, messages, sink, generator, collector);
  return result;
}

std::uint64_t ListTextBound(const StudyDesign& design, const ListTextOptions& options) {
  constexpr std::uint64_t kUnknown = UINT64_MAX;
  const auto arms = ParseIntegerText(design.arm_count);
  if (!arms || *arms < 0 || *arms > kMaxArms) {
    return kUnknown;
  }
  const std::int32_t arm_count = std::max(*arms, design.checked.arm_count);
  const std::uint64_t separator = options.mark_blocks ? options.block_separator.size() + 1 : 0;
  // An allocation line and a separator for every patient.
  auto patient_lines = [&](std::int32_t patients) {
    return AllocationLinesBound(patients, design.arms, arm_count) +
           static_cast<std::uint64_t>(patients) * separator;
  };
  // The title and the seed note with their line ends, and more.
  std::uint64_t total = design.study_name.size() + 32;
  if (Stratifies(design)) {
    return StrataTextBound(design, options, total, patient_lines);
  }
  if (!design.per_centre_lists) {
    const auto patients = ParseIntegerText(design.sample_size);
    return patients && *patients >= 0 ? total + patient_lines(*patients) : kUnknown;
  }
  const auto centres = ParseIntegerText(design.centre_count);
  if (!centres || *centres < 0 || *centres > kMaxCentres) {
    return kUnknown;
  }
  for (std::int32_t c = 1; c <= *centres; ++c) {
    const auto patients = ParseIntegerText(design.centres.Cell(kCentreSampleSizeColumn, c));
    if (!patients || *patients < 0) {
      return kUnknown;
    }
    // The heading: caption, blank, number, TAB, description, " - Seed: (S)", LF.
    total += options.center_caption.size() + 40 +
             design.centres.Cell(kCentreNumberColumn, c).size() +
             design.centres.Cell(kCentreDescriptionColumn, c).size() + patient_lines(*patients);
  }
  return total;
}

}  // namespace zufora
