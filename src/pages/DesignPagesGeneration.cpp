// "Generieren" on the design pages: the lists drawn into the list field, or into a
// consumer, and the lists of the last complete generation kept.
#include <utility>

#include "design/Limits.h"
#include "pages/DesignPages.h"
#include "random/ListCollector.h"
#include "random/ListText.h"
#include "random/TestListSeed.h"
#include "text/IntegerText.h"

namespace zufora {

std::optional<std::string> DesignPages::UseTestSeed() {
  if (!state_.blinding.test_list) {
    return std::nullopt;
  }
  if (design_.seed.empty()) {
    ProposeSeed();  // the production seed comes first, the test list's follows from it
  }
  const std::optional<std::int32_t> seed = ParseIntegerText(design_.seed);
  if (!seed) {
    return std::nullopt;  // the generation's check refuses it
  }
  std::string production = std::exchange(design_.seed, std::to_string(TestListSeed(*seed)));
  state_.test_list = true;
  return production;
}

void DesignPages::RestoreProductionSeed(std::optional<std::string> production) {
  if (production) {
    design_.seed = std::move(*production);
    state_.test_list = false;
  }
}

bool DesignPages::Generate() {
  std::optional<std::string> production = UseTestSeed();
  state_.test_list_drawn = state_.test_list;
  const bool completed = GenerateText();
  RestoreProductionSeed(std::move(production));
  return completed;
}

bool DesignPages::GenerateText() {
  list_text_.clear();
  DrawnLists drawn;
  ListCollector collector(drawn);
  const GenerationOutcome outcome =
      RunGeneration(design_, texts_.catalogue, sink_, generator_, collector);
  KeepGeneration(outcome);
  bool completed = outcome.complete;
  if (!outcome.leaves_list_empty) {
    const ListTextOptions options = ListOptions();
    // Every line counts against the limit, separators and centre headings included,
    // whose words a language file may have made long.
    const std::uint64_t size = ListTextSize(drawn, design_, options);
    if (size > static_cast<std::uint64_t>(kMaxListTextBytes)) {
      sink_.ShowPlain(Text(Message::MessagePatientCount));
      list_text_ = drawn.study_name + (options.test_list ? kTestListMark : "") + "\n";
      completed = false;
    } else {
      list_text_.reserve(size);
      StringSink text(list_text_);
      WriteListText(drawn, design_, options, text);
    }
  }
  state_.generation_completed = completed;
  last_generation_.reset();
  if (completed) {
    last_generation_ =
        std::make_unique<const GeneratedLists>(design_, std::move(drawn), state_.test_list);
  }
  return completed;
}

bool DesignPages::GenerateInto(ListConsumer& consumer) {
  list_text_.clear();
  std::optional<std::string> production = UseTestSeed();
  state_.test_list_drawn = state_.test_list;
  const GenerationOutcome outcome =
      RunGeneration(design_, texts_.catalogue, sink_, generator_, consumer);
  RestoreProductionSeed(std::move(production));
  KeepGeneration(outcome);
  last_generation_.reset();
  state_.generation_completed = outcome.complete;
  return outcome.complete;
}

void DesignPages::KeepGeneration(const GenerationOutcome& outcome) {
  design_.checked = outcome.checked;
  for (const Page page : outcome.page_switches) {
    SwitchPage(page);
  }
}

ListTextOptions DesignPages::ListOptions() const {
  return ListTextOptions{.mark_blocks = state_.mark_blocks,
                         .show_seed = state_.show_seed,
                         .block_separator = BlockSeparator(),
                         .center_caption = CenterCaption(),
                         .stratum_caption = texts_.derived.stratum_caption,
                         .test_list = state_.test_list};
}

}  // namespace zufora
