#pragma once

#include <optional>
#include <vector>

#include "design/MessageSink.h"
#include "design/Page.h"
#include "design/StudyDesign.h"
#include "lang/MessageCatalogue.h"
#include "random/ListPlan.h"

namespace zufora {

// What the checks of "Generieren" made of the design.
struct CheckedGeneration {
  // What to draw; none when a check stopped the generation (or it was abandoned).
  std::optional<ListPlan> plan;
  // With no plan: not even the title line goes out ("Internal Error #61": centre lists
  // without centres).
  bool leaves_list_empty = false;
  // The numbers the checks accepted, to be kept as the pages' checked numbers (they start
  // from the design's, and change even when a check stops the generation).
  CheckedNumbers checked;
  // The pages the checks bring to the front, in order (the design page after a failed arm
  // or patient check, the arm or block page after a misfit question answered Yes, ...).
  // The caller makes them active once the generation has ended.
  std::vector<Page> page_switches;
};

// The checks that run when "Generieren" is pressed, before anything is drawn. They read
// the design's fields, show their messages and ask the misfit questions through `sink`
// (texts read from `messages` at that moment), and plan the lists: the study's single
// list, one list per centre, or one list per stratum when the design is stratified
// (Stratifies), the strata in stratum order and numbered from 1 in it.
//
// Designs that cannot be drawn are refused: an arm count below 1 or above kMaxArms,
// negative ratios or a ratio sum of 0, a fixed block size below 1, a minimum block size
// below the ratio sum (also when its question was answered No), negative sample or
// centre sizes, more patients than kMaxPatients in all lists together, a centre count
// below 0 or above kMaxCentres, and a list text that could grow beyond kMaxListTextBytes
// (patients times the longest allocation line). A stratified design is refused, with
// TabSheetStrata brought to the front, for factors that FindFactorProblem refuses, more
// than kMaxStrata strata (MessageStrataCount), and a stratum length that is no number,
// negative or longer than a stratum's planned size (MessageStratumLength).
CheckedGeneration CheckGeneration(const StudyDesign& design, const MessageCatalogue& messages,
                                  MessageSink& sink);

}  // namespace zufora
