// "Generieren" on the design pages: the lists drawn into the list field, or into a
// consumer, and the lists of the last complete generation kept.
#include "design/Limits.h"
#include "pages/DesignPages.h"
#include "random/ListCollector.h"
#include "random/ListText.h"

namespace zufora {

bool DesignPages::Generate() {
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
  const GenerationOutcome outcome =
      RunGeneration(design_, texts_.catalogue, sink_, generator_, consumer);
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
