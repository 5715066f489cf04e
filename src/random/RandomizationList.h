#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zufora {

// One drawn list: the single list of the study, one centre's list, or one stratum's.
struct RandomizationList {
  std::optional<std::int32_t> centre;  // centre row 1..C; none for the single list
  // A stratum's list: its number from 1 in stratum order (the centre first, then the
  // factors in their order, the last factor's level changing fastest), and the level
  // index from 0 of each factor of the design (StudyDesign::factors) in factor order.
  // 0 and none when the design is not stratified.
  std::int32_t stratum = 0;
  std::vector<std::int32_t> levels{};
  std::int32_t seed = 0;  // the seed that reproduces this list, as shown
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
  std::vector<RandomizationList> lists;  // one, or one per centre or stratum in their order
  // The list field stays empty: not even the title line was handed on.
  bool leaves_list_empty = false;
};

}  // namespace zufora
