#include "text/Cp1252.h"

#include <gtest/gtest.h>

namespace zufora {
namespace {

TEST(Cp1252, GermanTextRoundTrips) {
  const std::string utf8 = "Blöcke Größe Übersicht äÄöÖüÜß €";
  const auto cp1252 = Utf8ToCp1252(utf8);
  ASSERT_TRUE(cp1252);
  EXPECT_EQ(*cp1252,
            "Bl\xF6"
            "cke Gr\xF6\xDF"
            "e \xDC"
            "bersicht \xE4\xC4\xF6\xD6\xFC\xDC\xDF \x80");
  EXPECT_EQ(Cp1252ToUtf8(*cp1252), utf8);
}

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) {
    all.push_back(static_cast<char>(b));
  }
  const auto back = Utf8ToCp1252(Cp1252ToUtf8(all));
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, all);
}

TEST(Cp1252, UnrepresentableOrBrokenTextIsRefused) {
  EXPECT_FALSE(Utf8ToCp1252("Ω"));                 // Greek capital omega
  EXPECT_FALSE(Utf8ToCp1252("\xF0\x9F\x98\x80"));  // an emoji
  EXPECT_FALSE(Utf8ToCp1252("\xC3"));              // truncated sequence
  EXPECT_FALSE(Utf8ToCp1252("\xC0\xAF"));          // overlong form
  EXPECT_FALSE(Utf8ToCp1252("\xFF"));
  EXPECT_THROW(Cp1252Literal("Ω"), std::logic_error);
}

}  // namespace
}  // namespace zufora
