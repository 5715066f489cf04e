#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zufora {

// One drawn list: the single list of the study, or one centre's list.
struct RandomizationList {
  std::optional<std::int32_t> centre;  // centre row 1..C; none for the single list
  std::int32_t seed = 0;               // the seed that reproduces this list, as shown
  std::int32_t planned_patients = 0;
  std::vector<std::int32_t> block_sizes;  // empty when the block sizes could not be drawn
  // The arm (1..A, the arm table row that names it) of each patient in list order, for
  // the whole blocks drawn: none when the block sizes could not be drawn, and only the
  // blocks before it when a block could not be filled. Kept only by a consumer that
  // keeps lists whole (ListCollector); a list that begins has none yet.
  std::vector<std::int32_t> arms;
};

// Lists kept whole, as a generation handed them on.
struct DrawnLists {
  std::string study_name;
  std::vector<RandomizationList> lists;  // one, or one per centre in centre order
  // The list field stays empty: not even the title line was handed on.
  bool leaves_list_empty = false;
};

}  // namespace zufora
