// Randomisation numbers: formats, sequential and random numbers, check digits.
#include "evidence/RandomisationNumbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <stdexcept>

namespace zufora {
namespace {

TEST(NumberFormat, AcceptsPrefixZerosAndSuffix) {
  for (const char* format :
       {"{0}", "R-{0000}", "{00000}/A", "TRIAL_7.{000}-x", "{000000000000000000}"}) {
    EXPECT_EQ(NumberFormatProblem(format), std::nullopt) << format;
  }
  EXPECT_EQ(NumberFormatProblem(""), std::nullopt);  // the default
}

TEST(NumberFormat, RefusesMalformedFormatsSayingWhy) {
  const std::pair<const char*, const char*> cases[] = {
      {"R-0000", "braces"},
      {"R-}0000{", "braces"},
      {"{00}{00}", "more than one"},
      {"{}", "only zeros"},
      {"{0010}", "only zeros"},
      {"{ 000}", "only zeros"},
      {"{0000000000000000000}", "more than 18"},
      {"R {000}", "letters, digits"},
      {"=R{000}", "letters, digits"},
      {"R,{000}", "letters, digits"},
      {"-R{000}", "formula"},
      {"R7{000}", "right before"},
      {"{000}7", "right after"},
  };
  for (const auto& [format, why] : cases) {
    const auto problem = NumberFormatProblem(format);
    ASSERT_TRUE(problem) << format;
    EXPECT_NE(problem->find(why), std::string::npos) << format << ": " << *problem;
    EXPECT_NE(problem->find(format), std::string::npos) << *problem;
  }
}

TEST(RandomisationNumbering, SequentialNumbersCountFromOne) {
  const RandomisationNumbering plain({}, 120, SeedOf(5));
  EXPECT_EQ(plain.Number(0), "001");
  EXPECT_EQ(plain.Number(9), "010");
  EXPECT_EQ(plain.Number(119), "120");
  EXPECT_THROW((void)plain.Number(120), std::out_of_range);
  EXPECT_THROW((void)plain.Number(-1), std::out_of_range);
  EXPECT_EQ(RandomisationNumbering({}, 9, SeedOf(5)).Number(8), "9");
  EXPECT_EQ(RandomisationNumbering({}, 10, SeedOf(5)).Number(0), "01");

  const RandomisationNumbering formatted({false, "R-{0000}/A", false}, 120, SeedOf(5));
  EXPECT_EQ(formatted.Number(0), "R-0001/A");
  EXPECT_EQ(formatted.Number(119), "R-0120/A");
  // 572 -> 4, as published; the digit stands between the digits and the suffix.
  const RandomisationNumbering checked({false, "S{000}x", true}, 600, SeedOf(5));
  EXPECT_EQ(checked.Number(571), "S5724x");
}

TEST(RandomisationNumbering, RefusesFormatsTooShortForTheLargestNumber) {
  EXPECT_EQ(NumberingProblem({false, "{000}", false}, 999), std::nullopt);
  const auto problem = NumberingProblem({false, "{000}", false}, 1000);
  ASSERT_TRUE(problem);
  EXPECT_NE(problem->find("need 4"), std::string::npos) << *problem;
  EXPECT_THROW(RandomisationNumbering({false, "{000}", false}, 1000, SeedOf(1)),
               std::invalid_argument);
  // Random numbers for 100 allocations come from 1..999 and so need three digits.
  EXPECT_EQ(NumberingProblem({true, "{000}", false}, 100), std::nullopt);
  EXPECT_TRUE(NumberingProblem({true, "{000}", false}, 101));
  EXPECT_TRUE(NumberingProblem({false, "{00", false}, 10));
}

// Over all numbers of a list of 10,000 patients, sequential and random: each passes the
// check, and every single-digit change and every swap of neighbouring different digits
// is caught.
TEST(RandomisationNumbering, CheckDigitCatchesTypingErrorsOverAWholeList) {
  for (const bool random : {false, true}) {
    const RandomisationNumbering numbering({random, "R-{00000}", true}, 10'000, SeedOf(4711));
    for (std::int64_t i = 0; i < numbering.Count(); ++i) {
      const std::string number = numbering.Number(i);
      ASSERT_EQ(number.substr(0, 2), "R-");
      const std::string digits = number.substr(2);
      ASSERT_EQ(digits.size(), 6u) << number;
      ASSERT_TRUE(DammValid(digits)) << number;
      for (std::size_t at = 0; at < digits.size(); ++at) {
        for (char d = '0'; d <= '9'; ++d) {
          std::string changed = digits;
          changed[at] = d;
          ASSERT_EQ(DammValid(changed), d == digits[at]) << number << " -> " << changed;
        }
        if (at + 1 < digits.size() && digits[at] != digits[at + 1]) {
          std::string swapped = digits;
          std::swap(swapped[at], swapped[at + 1]);
          ASSERT_FALSE(DammValid(swapped)) << number << " -> " << swapped;
        }
      }
    }
  }
}

std::vector<std::int64_t> Values(const RandomisationNumbering& numbering) {
  std::vector<std::int64_t> values;
  for (std::int64_t i = 0; i < numbering.Count(); ++i) {
    values.push_back(numbering.Value(i));
  }
  return values;
}

TEST(RandomisationNumbering, RandomNumbersAreUniqueAndInTheirRange) {
  const RandomisationNumbering numbering({true, "", false}, 10'000, SeedOf(4711));
  EXPECT_EQ(numbering.Digits(), 5);  // 10^5 = 10 x 10,000
  EXPECT_EQ(numbering.Largest(), 99'999);
  std::vector<std::int64_t> values = Values(numbering);
  EXPECT_FALSE(std::is_sorted(values.begin(), values.end()));
  std::int64_t sum = 0;
  for (const std::int64_t value : values) {
    ASSERT_GE(value, 1);
    ASSERT_LE(value, 99'999);
    sum += value;
  }
  // The mean of 10,000 uniform draws from 1..99999 lies within 3% of 50000.
  EXPECT_NEAR(static_cast<double>(sum) / 10'000.0, 50'000.0, 1'500.0);
  std::sort(values.begin(), values.end());
  EXPECT_EQ(std::adjacent_find(values.begin(), values.end()), values.end());
  EXPECT_EQ(numbering.Number(0).size(), 5u);

  // A wider format widens the range.
  const RandomisationNumbering wide({true, "{0000000}", false}, 100, SeedOf(4711));
  EXPECT_EQ(wide.Largest(), 9'999'999);
}

TEST(RandomisationNumbering, RandomNumbersFollowTheDocumentedStream) {
  // Independently: mt19937_64 from the salt XOR |seed|, 1 + x mod 999, skipping repeats
  // and the few outputs above the last whole multiple of 999.
  std::mt19937_64 stream(RandomisationNumbering::kNumberStreamSalt ^ 4711u);
  std::set<std::uint64_t> seen;
  std::vector<std::int64_t> expected;
  const std::uint64_t limit = UINT64_MAX / 999 * 999;
  while (expected.size() < 100) {
    const std::uint64_t x = stream();
    if (x < limit && seen.insert(1 + x % 999).second) {
      expected.push_back(static_cast<std::int64_t>(1 + x % 999));
    }
  }
  EXPECT_EQ(Values(RandomisationNumbering({true, "", false}, 100, SeedOf(4711))), expected);
}

TEST(RandomisationNumbering, SameSeedSameNumbers) {
  const auto numbers = [](std::int32_t seed) {
    return Values(RandomisationNumbering({true, "", false}, 1000, SeedOf(seed)));
  };
  EXPECT_EQ(numbers(4711), numbers(4711));
  EXPECT_EQ(numbers(4711), numbers(-4711));  // the same lists, so the same numbers
  EXPECT_EQ(numbers(0), numbers(1));
  EXPECT_EQ(numbers(INT32_MIN), numbers(1));
  EXPECT_NE(numbers(4711), numbers(4712));
}

TEST(RandomisationNumbering, AMillionRandomNumbers) {
  const RandomisationNumbering numbering({true, "", true}, 1'000'000, SeedOf(99));
  EXPECT_EQ(numbering.Largest(), 9'999'999);
  std::vector<std::int64_t> values = Values(numbering);
  std::sort(values.begin(), values.end());
  EXPECT_EQ(std::adjacent_find(values.begin(), values.end()), values.end());
  EXPECT_EQ(numbering.Number(999'999).size(), 8u);
}

}  // namespace
}  // namespace zufora
