#include "random/SeedProposal.h"

#include <gtest/gtest.h>

#include "random/RuntimeRandom.h"

namespace zufora {
namespace {

CalendarClock FixedClock(std::int64_t seconds) {
  return [seconds] { return seconds; };
}

TEST(RuntimeRandom, DrawsOfTheKnownClockReading) {
  RuntimeRandom runtime;
  runtime.Seed(1000000000u);
  EXPECT_EQ(runtime.Draw() % 1000, 699);
  runtime.Seed(1000000000u + 699u);
  EXPECT_EQ(runtime.Draw() % 1000, 636);
}

TEST(ProposeSeed, KnownClockReading) {
  ParkMillerShuffleGenerator generator;
  EXPECT_EQ(ProposeSeed(generator, FixedClock(1000000000)), "992538752");
}

TEST(ProposeSeed, ReadsTheClockTwice) {
  ParkMillerShuffleGenerator generator;
  int reads = 0;
  const std::string proposal = ProposeSeed(generator, [&reads] {
    ++reads;
    return std::int64_t{1000000000};
  });
  EXPECT_EQ(reads, 2);
  EXPECT_EQ(proposal, "992538752");
}

TEST(ProposeSeed, SameSecondGivesSameProposal) {
  ParkMillerShuffleGenerator generator;
  const std::string first = ProposeSeed(generator, FixedClock(1700000000));
  EXPECT_EQ(ProposeSeed(generator, FixedClock(1700000000)), first);
  EXPECT_NE(ProposeSeed(generator, FixedClock(1700000001)), first);
}

TEST(ProposeSeed, ProposalsAreDigitsInTheSeedRange) {
  ParkMillerShuffleGenerator generator;
  for (std::int64_t t = 1600000000; t < 1600003000; ++t) {
    const std::string proposal = ProposeSeed(generator, FixedClock(t));
    ASSERT_FALSE(proposal.empty());
    ASSERT_EQ(proposal.find_first_not_of("0123456789"), std::string::npos) << proposal;
    const long long value = std::stoll(proposal);
    ASSERT_GE(value, 1);
    ASSERT_LE(value, 2147483392);
  }
}

}  // namespace
}  // namespace zufora
