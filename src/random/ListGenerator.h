#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "random/DrawProblem.h"
#include "random/ListConsumer.h"
#include "random/ListPlan.h"
#include "random/ParkMillerShuffleGenerator.h"

namespace zufora {

// Draws the lists of a plan from the program's one generator, in a fixed order of draws,
// so that the same plan always gives the same lists: the lists' own seeds first (when
// each list has one), then for each list in turn its block sizes and the arms of its
// blocks. It knows nothing of the design's fields, messages or pages.
//
// Each list goes to the consumer while it is drawn, in parts of whole blocks: nothing of
// a list is kept beyond its block sizes and the blocks of one part, so that memory does
// not grow with the patients. The title line is the caller's to hand on first.
class ListGenerator {
 public:
  explicit ListGenerator(ParkMillerShuffleGenerator& generator) : generator_(generator) {}

  // Draws every list of `plan`: BeginList, then Blocks for its blocks. Problems go to
  // `problems` at the moment they arise. True when every list got its block sizes and
  // all its blocks. Throws std::invalid_argument for a plan that breaks the bounds of
  // ListPlan, before anything is drawn.
  bool Draw(const ListPlan& plan, ListConsumer& consumer, DrawProblemSink& problems);

 private:
  struct ArmQuota {
    std::int32_t arm;
    std::int64_t quota;
  };
  // The arms that get a place in a block of one size, in arm order.
  struct BlockQuotas {
    std::int32_t block_size = -1;  // -1: not computed yet
    std::vector<ArmQuota> quotas;
    bool fillable = true;  // false when some draw would have to reach beyond 2^23 places
  };

  void TakeRatios(const std::vector<std::int64_t>& ratios);
  bool DrawList(RandomizationList& list, ListConsumer& consumer, DrawProblemSink& problems);
  std::optional<std::vector<std::int32_t>> DrawBlockSizes(std::int32_t n);
  // The arm of each of the n positions, block by block, handed to `consumer` in parts of
  // whole blocks; false when a block would reach beyond the list or could not be filled.
  bool FillBlocks(const std::vector<std::int32_t>& block_sizes, std::int32_t n,
                  ListConsumer& consumer);
  const BlockQuotas& QuotasFor(std::int32_t block_size);
  std::int64_t Ratio(std::int32_t arm) const { return ratios_[static_cast<std::size_t>(arm - 1)]; }

  ParkMillerShuffleGenerator& generator_;

  // Working values of one Draw.
  const ListPlan* plan_ = nullptr;
  std::int32_t working_seed_ = 0;
  std::vector<std::int64_t> ratios_;
  std::int64_t ratio_sum_ = 0;
  std::vector<std::int32_t> arms_by_ratio_;  // drawn arms with ratio > 0, largest first

  // Quotas by block size, computed once per size: small sizes each in their own slot
  // (variable blocks alternate between a few), larger ones in the last slot.
  std::vector<BlockQuotas> quotas_;

  // The arms of the blocks not yet handed to the consumer.
  std::vector<std::int32_t> part_arms_;
};

}  // namespace zufora
