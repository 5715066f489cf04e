#include "text/DammCheckDigit.h"

#include <gtest/gtest.h>

#include <string>

namespace zufora {
namespace {

TEST(DammCheckDigit, PublishedExamples) {
  // 572: interim 0 -5-> 9 -7-> 7 -2-> 4, the example Damm's method is usually shown with.
  EXPECT_EQ(DammDigit("572"), '4');
  EXPECT_TRUE(DammValid("5724"));
  EXPECT_FALSE(DammValid("5723"));
  // Leading zeros leave the digit as it is (row 0 of the table maps 0 to 0).
  EXPECT_EQ(DammDigit("000572"), '4');
  EXPECT_EQ(DammDigit(""), '0');
}

TEST(DammCheckDigit, RefusesWhatIsNoDigitString) {
  EXPECT_EQ(DammDigit("57a"), '\0');
  EXPECT_FALSE(DammValid(""));
  EXPECT_FALSE(DammValid("57 24"));
  EXPECT_FALSE(DammValid("R-5724"));
}

// Every digit appended makes a valid string, and every single-digit error and every swap
// of neighbouring different digits in the result is caught, over all 4-digit strings.
TEST(DammCheckDigit, CatchesEverySingleErrorAndNeighbourSwap) {
  for (int value = 0; value < 10000; ++value) {
    std::string digits = std::to_string(value);
    digits.insert(0, 4 - digits.size(), '0');
    const std::string full = digits + DammDigit(digits);
    ASSERT_TRUE(DammValid(full)) << full;
    for (std::size_t i = 0; i < full.size(); ++i) {
      for (char d = '0'; d <= '9'; ++d) {
        if (d != full[i]) {
          std::string changed = full;
          changed[i] = d;
          ASSERT_FALSE(DammValid(changed)) << full << " -> " << changed;
        }
      }
      if (i + 1 < full.size() && full[i] != full[i + 1]) {
        std::string swapped = full;
        std::swap(swapped[i], swapped[i + 1]);
        ASSERT_FALSE(DammValid(swapped)) << full << " -> " << swapped;
      }
    }
  }
}

}  // namespace
}  // namespace zufora
