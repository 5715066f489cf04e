#include "evidence/AllocationRows.h"

#include "random/RandomizationList.h"

namespace zufora {

void AllocationRows::BeginList(const RandomizationList& list) {
  row_ = AllocationRow{};
  row_.centre = list.centre;
  ++lists_;
  row_.stratum = list.stratum > 0 ? list.stratum : lists_;
  row_.levels = list.levels;
  row_.list_seed = list.seed;
}

void AllocationRows::Blocks(std::int32_t first_patient, std::span<const std::int32_t> arms,
                            std::span<const std::int32_t> block_sizes) {
  row_.patient = first_patient;
  std::size_t i = 0;
  for (const std::int32_t block : block_sizes) {
    ++row_.block;
    row_.block_size = block;
    for (std::int32_t position = 1; position <= block && i < arms.size(); ++position, ++i) {
      row_.row = ++rows_;
      row_.arm = arms[i];
      row_.position = position;
      sink_.Row(row_);
      ++row_.patient;
    }
  }
}

}  // namespace zufora
