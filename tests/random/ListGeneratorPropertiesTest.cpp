// Properties that hold for every design: exact proportions, reproducibility, and
// arithmetic that does not wrap.
#include <gtest/gtest.h>

#include <map>

#include "DesignBuilder.h"
#include "lang/MessageCatalogue.h"
#include "random/ListGenerator.h"
#include "random/ListText.h"
#include "support/RecordingMessageSink.h"

namespace zufora {
namespace {

using testing::MakeDesign;
using testing::RecordingMessageSink;

struct Drawn {
  GenerationResult result;
  std::string text;
};

Drawn Draw(StudyDesign design, bool answer = false) {
  MessageCatalogue catalogue;
  RecordingMessageSink sink;
  sink.SetDefaultAnswer(answer);
  ParkMillerShuffleGenerator generator;
  Drawn drawn;
  drawn.result = GenerateLists(design, catalogue, sink, generator);
  drawn.text = RenderListText(drawn.result, design, ListTextOptions{});
  return drawn;
}

// Counts of each arm in every block of a list.
std::vector<std::map<std::int32_t, std::int64_t>> ArmsPerBlock(const RandomizationList& list) {
  std::vector<std::map<std::int32_t, std::int64_t>> blocks(1);
  for (const Allocation& allocation : list.allocations) {
    ++blocks.back()[allocation.arm];
    if (allocation.ends_block) {
      blocks.emplace_back();
    }
  }
  blocks.pop_back();
  return blocks;
}

TEST(ListGeneratorProperties, BlocksThatAreMultiplesOfTheRatioSumAreExactlyBalanced) {
  const std::vector<std::vector<std::string>> ratio_sets = {
      {"1", "1"}, {"2", "1"}, {"1", "1", "1", "2"}, {"3", "0", "2"}, {"1", "4", "1", "1", "3"}};
  for (const auto& ratios : ratio_sets) {
    std::int64_t r = 0;
    for (const auto& ratio : ratios) {
      r += std::stoi(ratio);
    }
    for (const char* seed : {"1", "12345", "987654321"}) {
      StudyDesign design = MakeDesign(ratios, std::to_string(r * 40), seed);
      testing::SetVariable(design, std::to_string(r), std::to_string(r * 5));
      const Drawn drawn = Draw(design);
      ASSERT_EQ(drawn.result.lists.size(), 1u);
      const RandomizationList& list = drawn.result.lists[0];
      ASSERT_EQ(list.allocations.size(), static_cast<std::size_t>(r * 40));
      const auto blocks = ArmsPerBlock(list);
      ASSERT_EQ(blocks.size(), list.block_sizes.size());
      for (std::size_t b = 0; b < blocks.size(); ++b) {
        const std::int64_t size = list.block_sizes[b];
        if (size % r != 0) {
          continue;  // the cut last block
        }
        for (std::size_t i = 0; i < ratios.size(); ++i) {
          const auto arm = static_cast<std::int32_t>(i + 1);
          const auto it = blocks[b].find(arm);
          const std::int64_t count = it == blocks[b].end() ? 0 : it->second;
          EXPECT_EQ(count, size * std::stoi(ratios[i]) / r) << "block " << b << " arm " << arm;
        }
      }
    }
  }
}

TEST(ListGeneratorProperties, SameDesignAndSeedGiveTheSameTextTwice) {
  StudyDesign design = MakeDesign({"1", "2", "1"}, "400", "20261208");
  testing::SetVariable(design, "4", "16");
  testing::SetCentres(design, {{"1", "A", "120"}, {"7", "B", "200"}, {"9", "C", "80"}});
  const Drawn first = Draw(design);
  const Drawn second = Draw(design);
  EXPECT_EQ(first.text, second.text);
  EXPECT_TRUE(first.result.complete);
  // And within one generator, whatever came before.
  MessageCatalogue catalogue;
  RecordingMessageSink sink;
  ParkMillerShuffleGenerator generator;
  std::int32_t other = -55;
  generator.Next(other);
  StudyDesign again = design;
  const auto result = GenerateLists(again, catalogue, sink, generator);
  EXPECT_EQ(RenderListText(result, again, ListTextOptions{}), first.text);
}

TEST(ListGeneratorProperties, EveryCentreListIsTheSingleListOfItsShownSeed) {
  StudyDesign design = MakeDesign({"1", "1", "2"}, "96", "31337");
  testing::SetVariable(design, "4", "12");
  testing::SetCentres(design, {{"1", "A", "40"}, {"2", "B", "24"}, {"3", "C", "32"}});
  const Drawn centres = Draw(design);
  ASSERT_EQ(centres.result.lists.size(), 3u);
  for (const RandomizationList& centre : centres.result.lists) {
    StudyDesign single = MakeDesign({"1", "1", "2"}, std::to_string(centre.planned_patients),
                                    std::to_string(centre.seed));
    testing::SetVariable(single, "4", "12");
    const Drawn alone = Draw(single);
    ASSERT_EQ(alone.result.lists.size(), 1u);
    EXPECT_EQ(alone.result.lists[0].block_sizes, centre.block_sizes);
    ASSERT_EQ(alone.result.lists[0].allocations.size(), centre.allocations.size());
    for (std::size_t i = 0; i < centre.allocations.size(); ++i) {
      ASSERT_EQ(alone.result.lists[0].allocations[i].arm, centre.allocations[i].arm);
    }
  }
}

TEST(ListGeneratorProperties, RatioSumBeyond32BitsIsExact) {
  // R = 2^32 - 2 would wrap to -2 in 32 bits. With exact sums each block of 2 holds
  // floor(2 * r1 / R) = 1 patient of arm 1 and the remainder goes to arm 2.
  StudyDesign design = MakeDesign({"2147483647", "2147483647"}, "10", "4");
  testing::SetFixed(design, "2");
  const Drawn drawn = Draw(design);
  ASSERT_EQ(drawn.result.lists.size(), 1u);
  const auto blocks = ArmsPerBlock(drawn.result.lists[0]);
  ASSERT_EQ(blocks.size(), 5u);
  for (const auto& block : blocks) {
    EXPECT_EQ(block.at(1), 1);
    EXPECT_EQ(block.at(2), 1);
  }
}

TEST(ListGeneratorProperties, HugeBlockSizeRangeStaysWithinTheList) {
  // 2147483646 drawable sizes, far above the range where a double product is exact.
  StudyDesign design = MakeDesign({"1"}, "1000", "5");
  testing::SetVariable(design, "2", "2147483647");
  const Drawn drawn = Draw(design);
  ASSERT_EQ(drawn.result.lists.size(), 1u);
  const RandomizationList& list = drawn.result.lists[0];
  std::int64_t total = 0;
  for (const std::int32_t size : list.block_sizes) {
    EXPECT_GE(size, 1);
    total += size;
  }
  EXPECT_EQ(total, 1000);
  EXPECT_EQ(list.allocations.size(), 1000u);
}

TEST(ListGeneratorProperties, ManyArmsWithTinyBlocksStayFast) {
  // 65536 arms, blocks of 2 accepted despite the misfits: quotas are 0 for every arm,
  // so all patients go to the last arm; the quota table is computed once, not per block.
  std::vector<std::string> ratios(65536, "1");
  StudyDesign design = MakeDesign(ratios, "200000", "9");
  testing::SetFixed(design, "2");
  const Drawn drawn = Draw(design);
  ASSERT_EQ(drawn.result.lists.size(), 1u);
  ASSERT_EQ(drawn.result.lists[0].allocations.size(), 200000u);
  for (const Allocation& allocation : drawn.result.lists[0].allocations) {
    ASSERT_EQ(allocation.arm, 65536);
  }
}

TEST(ListGeneratorProperties, ManyArmsWithVariableTinyBlocksAndCentres) {
  // 65536 arms of which only arm 1 has a ratio: every block holds arm 1 only. The arms
  // without ratio cost nothing per block or per centre.
  std::vector<std::string> ratios(65536, "0");
  ratios[0] = "1";
  StudyDesign design = MakeDesign(ratios, "100000", "9");
  testing::SetVariable(design, "1", "3");
  std::vector<testing::CentreSpec> centres;
  for (int c = 1; c <= 2000; ++c) {
    centres.push_back({std::to_string(c), "", "50"});
  }
  testing::SetCentres(design, centres);
  const Drawn drawn = Draw(design);
  ASSERT_EQ(drawn.result.lists.size(), 2000u);
  for (const RandomizationList& list : drawn.result.lists) {
    ASSERT_EQ(list.allocations.size(), 50u);
    for (const Allocation& allocation : list.allocations) {
      ASSERT_EQ(allocation.arm, 1);
    }
  }
}

}  // namespace
}  // namespace zufora
