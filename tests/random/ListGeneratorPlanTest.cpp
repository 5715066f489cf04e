// What the generator takes and gives besides the arms: plans it refuses, problems in
// their moment, and lists kept whole and handed on again.
#include <gtest/gtest.h>

#include "PlanDrawing.h"

namespace zufora {
namespace {

using testing::CentrePlan;
using testing::SinglePlan;

// Every call in order, the problems among them.
class CallLog : public ListConsumer, public DrawProblemSink {
 public:
  void Title(const std::string& study_name) override { calls.push_back("title " + study_name); }
  void BeginList(const RandomizationList& list) override {
    calls.push_back("list " + std::to_string(list.centre.value_or(0)) + " blocks " +
                    std::to_string(list.block_sizes.size()));
  }
  void Blocks(std::int32_t first_patient, std::span<const std::int32_t> arms,
              std::span<const std::int32_t> block_sizes) override {
    calls.push_back("blocks from " + std::to_string(first_patient) + ": " +
                    std::to_string(block_sizes.size()) + " of " + std::to_string(arms.size()));
  }
  void Report(DrawProblem problem) override {
    calls.push_back(problem == DrawProblem::kBlockSizesUndrawable ? "undrawable" : "unfillable");
  }
  std::vector<std::string> calls;
};

TEST(ListGeneratorPlan, ProblemsComeBetweenTheConsumersCalls) {
  // Only size 4 is drawable: 8 patients cannot be cut into blocks, 3 fit one cut block.
  ListPlan plan = CentrePlan({1, 1}, {8, 3}, 42);
  testing::SetVariable(plan, 4, 5);
  ParkMillerShuffleGenerator generator;
  CallLog log;
  EXPECT_FALSE(ListGenerator(generator).Draw(plan, log, log));
  EXPECT_EQ(log.calls, (std::vector<std::string>{"undrawable", "list 1 blocks 0", "list 2 blocks 1",
                                                 "blocks from 1: 1 of 3"}));

  // 9,000,000 > 2^23: floor(u * B) never reaches the last position, which arm 1 would
  // have to take because the last arm's ratio is 0. The list ends before that block.
  ListPlan unfillable = SinglePlan({1, 0}, 9'000'000, 3);
  testing::SetFixed(unfillable, 9'000'000);
  log.calls.clear();
  EXPECT_FALSE(ListGenerator(generator).Draw(unfillable, log, log));
  EXPECT_EQ(log.calls, (std::vector<std::string>{"list 0 blocks 1", "unfillable"}));
}

TEST(ListGeneratorPlan, LongListsGoOutInPartsOfWholeBlocks) {
  ListPlan plan = SinglePlan({1, 1, 1}, 30000, 7);
  testing::SetFixed(plan, 6);
  ParkMillerShuffleGenerator generator;
  CallLog log;
  EXPECT_TRUE(ListGenerator(generator).Draw(plan, log, log));
  ASSERT_GT(log.calls.size(), 3u);
  // 4098 patients (683 blocks of 6) in each part, the first part from patient 1.
  EXPECT_EQ(log.calls[1], "blocks from 1: 683 of 4098");
  EXPECT_EQ(log.calls[2], "blocks from 4099: 683 of 4098");
}

TEST(ListGeneratorPlan, APlanTheChecksWouldRefuseIsRefusedBeforeAnyDraw) {
  struct Case {
    const char* what;
    void (*spoil)(ListPlan&);
  };
  const Case cases[] = {
      {"no arms", [](ListPlan& p) { p.ratios.clear(); }},
      {"ratio sum 0",
       [](ListPlan& p) {
         p.ratios = {0, 0};
       }},
      {"negative ratio",
       [](ListPlan& p) {
         p.ratios = {2, -1};
       }},
      {"fixed block size 0", [](ListPlan& p) { testing::SetFixed(p, 0); }},
      {"minimum below the ratio sum", [](ListPlan& p) { testing::SetVariable(p, 1, 6); }},
      {"minimum not below the maximum", [](ListPlan& p) { testing::SetVariable(p, 4, 4); }},
      {"negative list", [](ListPlan& p) { p.lists[0].patients = -1; }},
      {"two lists from the study seed", [](ListPlan& p) { p.lists.push_back(p.lists[0]); }},
      {"too many patients", [](ListPlan& p) { p.lists[0].patients = 10'000'001; }},
  };
  for (const Case& c : cases) {
    ListPlan plan = SinglePlan({1, 1}, 10, 5);
    testing::SetFixed(plan, 2);
    c.spoil(plan);
    ParkMillerShuffleGenerator generator;
    CallLog log;
    EXPECT_THROW(ListGenerator(generator).Draw(plan, log, log), std::invalid_argument) << c.what;
    EXPECT_TRUE(log.calls.empty()) << c.what;
    // The shared table was never filled: a positive state word still starts from 1.
    ParkMillerShuffleGenerator fresh;
    std::int32_t state_a = 9;
    std::int32_t state_b = 9;
    EXPECT_EQ(generator.Next(state_a), fresh.Next(state_b)) << c.what;
  }
}

TEST(ListGeneratorPlan, CentreListsWithoutCentresDrawNothing) {
  ParkMillerShuffleGenerator generator;
  CallLog log;
  EXPECT_TRUE(ListGenerator(generator).Draw(CentrePlan({1, 1}, {}, 5), log, log));
  EXPECT_TRUE(log.calls.empty());
}

TEST(ListCollector, ReplayHandsOnWhatWasDrawn) {
  ListPlan plan = CentrePlan({1, 2}, {3, 0, 9000, 8}, 11);
  testing::SetVariable(plan, 3, 9);
  ParkMillerShuffleGenerator generator;
  CallLog drawn;
  drawn.Title("S");
  ListGenerator(generator).Draw(plan, drawn, drawn);

  const testing::DrawnPlan kept = testing::DrawPlan(plan, generator, "S");
  CallLog replayed;
  ReplayLists(kept.lists, replayed);
  // The same calls, but each list's blocks in one part.
  std::vector<std::string> expected;
  for (const std::string& call : drawn.calls) {
    if (call.rfind("blocks from ", 0) != 0) {
      expected.push_back(call);
    }
  }
  std::vector<std::string> replayed_without_blocks;
  std::int64_t blocks_calls = 0;
  for (const std::string& call : replayed.calls) {
    if (call.rfind("blocks from 1: ", 0) == 0) {
      ++blocks_calls;
    } else {
      replayed_without_blocks.push_back(call);
    }
  }
  EXPECT_EQ(replayed_without_blocks, expected);
  EXPECT_EQ(blocks_calls, 3) << "the list without patients has no blocks";
  EXPECT_EQ(kept.lists.lists[2].arms.size(), 9000u);

  DrawnLists empty;
  empty.leaves_list_empty = true;
  CallLog none;
  ReplayLists(empty, none);
  EXPECT_TRUE(none.calls.empty());
}

TEST(ListCollector, AListCutShortIsReplayedWithTheBlocksItHas) {
  DrawnLists lists;
  lists.study_name = "S";
  RandomizationList& list = lists.lists.emplace_back();
  list.block_sizes = {2, 3, 2};
  list.arms = {1, 2, 2, 1, 1};  // the third block was never filled
  CallLog log;
  ReplayLists(lists, log);
  EXPECT_EQ(log.calls,
            (std::vector<std::string>{"title S", "list 0 blocks 3", "blocks from 1: 2 of 5"}));
}

}  // namespace
}  // namespace zufora
