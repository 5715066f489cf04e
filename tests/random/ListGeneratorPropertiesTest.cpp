// Properties that hold for every plan: exact proportions, reproducibility, and
// arithmetic that does not wrap.
#include <gtest/gtest.h>

#include <map>

#include "PlanDrawing.h"

namespace zufora {
namespace {

using testing::CentrePlan;
using testing::DrawPlan;
using testing::SinglePlan;

// Counts of each arm in every block of a list.
std::vector<std::map<std::int32_t, std::int64_t>> ArmsPerBlock(const RandomizationList& list) {
  std::vector<std::map<std::int32_t, std::int64_t>> blocks;
  std::size_t i = 0;
  for (const std::int32_t size : list.block_sizes) {
    auto& counts = blocks.emplace_back();
    for (std::int32_t k = 0; k < size && i < list.arms.size(); ++k, ++i) {
      ++counts[list.arms[i]];
    }
  }
  return blocks;
}

TEST(ListGeneratorProperties, BlocksThatAreMultiplesOfTheRatioSumAreExactlyBalanced) {
  const std::vector<std::vector<std::int64_t>> ratio_sets = {
      {1, 1}, {2, 1}, {1, 1, 1, 2}, {3, 0, 2}, {1, 4, 1, 1, 3}};
  for (const auto& ratios : ratio_sets) {
    std::int32_t r = 0;
    for (const std::int64_t ratio : ratios) {
      r += static_cast<std::int32_t>(ratio);
    }
    for (const std::int32_t seed : {1, 12345, 987654321}) {
      ListPlan plan = SinglePlan(ratios, r * 40, seed);
      testing::SetVariable(plan, r, r * 5);
      const testing::DrawnPlan drawn = DrawPlan(plan);
      ASSERT_EQ(drawn.lists.lists.size(), 1u);
      const RandomizationList& list = drawn.lists.lists[0];
      ASSERT_EQ(list.arms.size(), static_cast<std::size_t>(r * 40));
      const auto blocks = ArmsPerBlock(list);
      for (std::size_t b = 0; b < blocks.size(); ++b) {
        const std::int64_t size = list.block_sizes[b];
        if (size % r != 0) {
          continue;  // the cut last block
        }
        for (std::size_t i = 0; i < ratios.size(); ++i) {
          const auto arm = static_cast<std::int32_t>(i + 1);
          const auto it = blocks[b].find(arm);
          const std::int64_t count = it == blocks[b].end() ? 0 : it->second;
          EXPECT_EQ(count, size * ratios[i] / r) << "block " << b << " arm " << arm;
        }
      }
    }
  }
}

TEST(ListGeneratorProperties, SamePlanGivesTheSameListsWhateverCameBefore) {
  ListPlan plan = CentrePlan({1, 2, 1}, {120, 200, 80}, 20261208);
  testing::SetVariable(plan, 4, 16);
  const testing::DrawnPlan first = DrawPlan(plan);
  EXPECT_TRUE(first.complete);
  // The shared table filled by another caller first: the seed refills it.
  ParkMillerShuffleGenerator generator;
  std::int32_t other = -55;
  generator.Next(other);
  const testing::DrawnPlan again = DrawPlan(plan, generator);
  ASSERT_EQ(again.lists.lists.size(), 3u);
  for (std::size_t c = 0; c < 3; ++c) {
    EXPECT_EQ(again.lists.lists[c].seed, first.lists.lists[c].seed);
    EXPECT_EQ(again.lists.lists[c].block_sizes, first.lists.lists[c].block_sizes);
    EXPECT_EQ(again.lists.lists[c].arms, first.lists.lists[c].arms);
  }
}

TEST(ListGeneratorProperties, EveryCentreListIsTheSingleListOfItsShownSeed) {
  ListPlan plan = CentrePlan({1, 1, 2}, {40, 24, 32}, 31337);
  testing::SetVariable(plan, 4, 12);
  const testing::DrawnPlan centres = DrawPlan(plan);
  ASSERT_EQ(centres.lists.lists.size(), 3u);
  for (const RandomizationList& centre : centres.lists.lists) {
    ListPlan single = SinglePlan({1, 1, 2}, centre.planned_patients, centre.seed);
    testing::SetVariable(single, 4, 12);
    const testing::DrawnPlan alone = DrawPlan(single);
    ASSERT_EQ(alone.lists.lists.size(), 1u);
    EXPECT_EQ(alone.lists.lists[0].block_sizes, centre.block_sizes);
    EXPECT_EQ(alone.lists.lists[0].arms, centre.arms);
  }
}

TEST(ListGeneratorProperties, RatioSumBeyond32BitsIsExact) {
  // R = 2^32 - 2 would wrap to -2 in 32 bits. With exact sums each block of 2 holds
  // floor(2 * r1 / R) = 1 patient of arm 1 and the remainder goes to arm 2.
  ListPlan plan = SinglePlan({2147483647, 2147483647}, 10, 4);
  testing::SetFixed(plan, 2);
  const testing::DrawnPlan drawn = DrawPlan(plan);
  ASSERT_EQ(drawn.lists.lists.size(), 1u);
  const auto blocks = ArmsPerBlock(drawn.lists.lists[0]);
  ASSERT_EQ(blocks.size(), 5u);
  for (const auto& block : blocks) {
    EXPECT_EQ(block.at(1), 1);
    EXPECT_EQ(block.at(2), 1);
  }
}

TEST(ListGeneratorProperties, HugeBlockSizeRangeStaysWithinTheList) {
  // 2147483646 drawable sizes, far above the range where a double product is exact.
  ListPlan plan = SinglePlan({1}, 1000, 5);
  testing::SetVariable(plan, 2, 2147483647);
  const testing::DrawnPlan drawn = DrawPlan(plan);
  ASSERT_EQ(drawn.lists.lists.size(), 1u);
  const RandomizationList& list = drawn.lists.lists[0];
  std::int64_t total = 0;
  for (const std::int32_t size : list.block_sizes) {
    EXPECT_GE(size, 1);
    total += size;
  }
  EXPECT_EQ(total, 1000);
  EXPECT_EQ(list.arms.size(), 1000u);
}

TEST(ListGeneratorProperties, ManyArmsWithTinyBlocksStayFast) {
  // 65536 arms in blocks of 2: quotas are 0 for every arm, so all patients go to the
  // last arm; the quota table is computed once, not per block.
  ListPlan plan = SinglePlan(std::vector<std::int64_t>(65536, 1), 200000, 9);
  testing::SetFixed(plan, 2);
  const testing::DrawnPlan drawn = DrawPlan(plan);
  ASSERT_EQ(drawn.lists.lists.size(), 1u);
  EXPECT_EQ(drawn.lists.lists[0].arms, std::vector<std::int32_t>(200000, 65536));
}

TEST(ListGeneratorProperties, ManyArmsWithVariableTinyBlocksAndCentres) {
  // 65536 arms of which only arm 1 has a ratio: every block holds arm 1 only. The arms
  // without ratio cost nothing per block or per centre.
  std::vector<std::int64_t> ratios(65536, 0);
  ratios[0] = 1;
  ListPlan plan = CentrePlan(ratios, std::vector<std::int32_t>(2000, 50), 9);
  testing::SetVariable(plan, 1, 3);
  const testing::DrawnPlan drawn = DrawPlan(plan);
  ASSERT_EQ(drawn.lists.lists.size(), 2000u);
  for (const RandomizationList& list : drawn.lists.lists) {
    ASSERT_EQ(list.arms, std::vector<std::int32_t>(50, 1));
  }
}

}  // namespace
}  // namespace zufora
