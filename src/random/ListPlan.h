#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "design/StudyDesign.h"

namespace zufora {

// A study seed as the generator takes it and as a list text shows it.
struct StudySeed {
  std::int32_t state_word = 0;  // stored in the state word before the first draw
  std::int32_t shown = 0;
};

// The seed v of the seed field: state word -|v|, shown |v|. -2^31 has no absolute value
// and stays as it is in both.
inline StudySeed SeedOf(std::int32_t value) {
  if (value == INT32_MIN) {
    return {INT32_MIN, INT32_MIN};
  }
  const std::int32_t shown = value < 0 ? -value : value;
  return {-shown, shown};
}

// One list of a generation.
struct PlannedList {
  std::optional<std::int32_t> centre;  // the centre's row; none for the study's single list
  std::int32_t patients = 0;
  // A stratum's list: its number from 1 in stratum order and the level index (from 0) of
  // each factor in factor order. 0 and none when the design is not stratified.
  std::int32_t stratum = 0;
  std::vector<std::int32_t> levels{};
};

// Where the lists' seeds come from.
enum class ListSeeds {
  kStudySeed,     // one list, drawn from the study seed itself
  kDrawnPerList,  // a seed for each list, all drawn from the study seed in list order
                  // before the first list is drawn
};

// What a generation draws, in numbers that the checks have accepted: the generator reads
// no field of the design. A plan the checks would refuse is a broken invariant.
struct ListPlan {
  StudySeed seed;
  std::vector<std::int64_t> ratios;  // of arms 1..A, by arm - 1: each >= 0, their sum > 0
  BlockSizeMode block_mode = BlockSizeMode::Fixed;
  std::int32_t fixed_block_size = 0;  // Fixed: >= 1
  std::int32_t min_block_size = 0;    // Variable: at least the ratio sum, below the maximum
  std::int32_t max_block_size = 0;
  ListSeeds seeds = ListSeeds::kStudySeed;
  std::vector<PlannedList> lists;  // in the order they are drawn; patients >= 0 each
};

}  // namespace zufora
