#include "pages/Generation.h"

#include <algorithm>

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
