#include "text/IntegerText.h"

#include <gtest/gtest.h>

namespace zufora {
namespace {

TEST(IntegerText, AcceptedForms) {
  EXPECT_EQ(ParseIntegerText("120"), 120);
  EXPECT_EQ(ParseIntegerText("   42"), 42);
  EXPECT_EQ(ParseIntegerText("-7"), -7);
  EXPECT_EQ(ParseIntegerText("+7"), 7);
  EXPECT_EQ(ParseIntegerText("007"), 7);
  EXPECT_EQ(ParseIntegerText("$1F"), 31);
  EXPECT_EQ(ParseIntegerText("0x1f"), 31);
  EXPECT_EQ(ParseIntegerText("0X10"), 16);
  EXPECT_EQ(ParseIntegerText("-$10"), -16);
  EXPECT_EQ(ParseIntegerText("2147483647"), 2147483647);
  EXPECT_EQ(ParseIntegerText("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseIntegerText("$7FFFFFFF"), 2147483647);
  EXPECT_EQ(ParseIntegerText("0"), 0);
}

TEST(IntegerText, RefusedForms) {
  for (const char* text : {"",          " ",          "-",           "+",
                           "$",         "0x",         "12 ",         "12a",
                           "1.5",       "1e3",        "--1",         "- 1",
                           "\t1",       "2147483648", "-2147483649", "99999999999999999999",
                           "$80000000", "0xG",        "abc",         "1,000"}) {
    EXPECT_FALSE(ParseIntegerText(text)) << '"' << text << '"';
  }
  EXPECT_FALSE(ParseIntegerText(std::string_view("1\0", 2)));
}

TEST(IntegerText, LenientReadingCountsNonIntegersAsZero) {
  EXPECT_EQ(ParseIntegerOrZero("50"), 50);
  EXPECT_EQ(ParseIntegerOrZero("abc"), 0);
  EXPECT_EQ(ParseIntegerOrZero(""), 0);
  EXPECT_EQ(ParseIntegerOrZero("-3"), -3);
}

// The wide reading behind every integer text: forms by option, saturation at 2^62.
TEST(IntegerText, WideReadingSaturatesAndKeepsToItsForm) {
  constexpr std::int64_t kSaturation = std::int64_t{1} << 62;
  const IntegerForm ini{.leading_blanks = false, .hex = true, .dollar_hex = false};
  EXPECT_EQ(ParseWideInteger("4611686018427387903", ini), kSaturation - 1);
  EXPECT_EQ(ParseWideInteger("4611686018427387904", ini), kSaturation);
  EXPECT_EQ(ParseWideInteger("-99999999999999999999999", ini), -kSaturation);
  EXPECT_EQ(ParseWideInteger("0xFFFFFFFFFFFFFFFFFF", ini), kSaturation);
  EXPECT_EQ(ParseWideInteger("99999999999999999999x", ini), std::nullopt);
  EXPECT_EQ(ParseWideInteger(" 1", ini), std::nullopt);
  EXPECT_EQ(ParseWideInteger("$1", ini), std::nullopt);
  EXPECT_EQ(ParseWideInteger("0x1", {.leading_blanks = true, .hex = false}), std::nullopt);
  EXPECT_EQ(ParseWideInteger("  -12", {.leading_blanks = true, .hex = false}), -12);
}

}  // namespace
}  // namespace zufora
