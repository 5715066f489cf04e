#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "design/Page.h"
#include "design/StudyDesign.h"

namespace zufora {

// One row of a list.
struct Allocation {
  std::int32_t patient_number;  // 1, 2, 3, ... within its list
  std::int32_t arm;             // 1..A: the arm table row that names the arm
  bool ends_block;              // the last allocation of its block
};

// One generated list: the single list of the study, or one centre's list.
struct RandomizationList {
  std::optional<std::int32_t> centre;  // centre row 1..C; none for the single list
  std::int32_t seed = 0;               // the seed that reproduces this list, as shown
  std::int32_t planned_patients = 0;
  std::vector<std::int32_t> block_sizes;  // empty when the block sizes could not be drawn
  std::vector<Allocation> allocations;    // empty when the block sizes could not be drawn
};

// The result of one press of "Generieren".
struct GenerationResult {
  std::string study_name;
  std::vector<RandomizationList> lists;  // one, or one per centre in centre order
  // The list field stays empty: no title line either ("Internal Error #61", or a
  // centre's sample size that could not be read while drawing).
  bool leaves_list_empty = false;
  // Every list was drawn in full: no check stopped the generation, nothing was
  // abandoned, and every list got its block sizes.
  bool complete = false;
  // The numbers the generation's checks accepted, to be kept as the pages' checked
  // numbers (they start from the design's, and change even when a check stops it).
  CheckedNumbers checked;
  // The pages that the generation's checks bring to the front, in order (the design
  // page after a failed arm or patient check, the arm or block page after a misfit
  // question was answered Yes, ...). The caller makes them active.
  std::vector<Page> page_switches;
};

}  // namespace zufora
