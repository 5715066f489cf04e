#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "design/MessageSink.h"
#include "design/Page.h"
#include "design/StudyDesign.h"
#include "lang/MessageCatalogue.h"
#include "random/ListConsumer.h"
#include "random/ListTextWriter.h"
#include "random/ParkMillerShuffleGenerator.h"
#include "random/RandomizationList.h"

namespace zufora {

// How a press of "Generieren" ended; the lists themselves went to the consumer.
struct GenerationOutcome {
  // Every list was drawn in full: no check stopped the generation, nothing was
  // abandoned, and every list got its block sizes and all its blocks.
  bool complete = false;
  // The list field stays empty: no title line either ("Internal Error #61").
  bool leaves_list_empty = false;
  // As CheckedGeneration: the numbers to keep, the pages to make active afterwards.
  CheckedNumbers checked;
  std::vector<Page> page_switches;
};

// One press of "Generieren" apart from the pages: the checks (CheckGeneration), then the
// title and the lists drawn into `consumer` from `generator`. A problem that shows only
// while drawing is shown at that moment: MessageBlockRestictions for a list whose block
// sizes cannot be drawn (before its heading), MessageInvalidParameter for a block that
// cannot be filled (after the blocks before it). The page switches are the caller's to
// make once this returns.
GenerationOutcome RunGeneration(const StudyDesign& design, const MessageCatalogue& messages,
                                MessageSink& sink, ParkMillerShuffleGenerator& generator,
                                ListConsumer& consumer);

// The lists of a generation kept whole, with its outcome.
struct GenerationResult {
  DrawnLists drawn;
  GenerationOutcome outcome;
};
GenerationResult GenerateLists(const StudyDesign& design, const MessageCatalogue& messages,
                               MessageSink& sink, ParkMillerShuffleGenerator& generator);

// Lists drawn in full, with the design they were drawn from and whether they are a test
// list.
struct GeneratedLists {
  GeneratedLists(StudyDesign drawn_from, DrawnLists lists, bool test)
      : design(std::move(drawn_from)), drawn(std::move(lists)), test_list(test) {}
  StudyDesign design;
  DrawnLists drawn;
  bool test_list = false;
};

// At most how long the design's list text can grow, read from the fields as they stand,
// before any check: the title, every heading, every patient's allocation line with the
// longest arm description (AllocationLinesBound) and a separator after each. The largest
// value when a number cannot be read (the checks will refuse it). A caller that writes
// the text while it is drawn builds it whole instead when this passes kMaxListTextBytes,
// so that the limit refuses it as the list field does.
std::uint64_t ListTextBound(const StudyDesign& design, const ListTextOptions& options);

}  // namespace zufora
