#include "text/LineSplitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zufora {
namespace {

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  LineSplitter splitter(text);
  for (std::string_view line; splitter.Next(line);) {
    lines.emplace_back(line);
  }
  EXPECT_EQ(splitter.Position(), text.size());
  return lines;
}

TEST(LineSplitter, EndsAtCrLfOrCrLfAndOpensNoLineAfterTheLastEnd) {
  using L = std::vector<std::string>;
  EXPECT_EQ(Lines("a\r\nb\rc\nd"), (L{"a", "b", "c", "d"}));
  EXPECT_EQ(Lines("a\n\r\n\r\r\n"), (L{"a", "", "", ""}));  // LF CR is two ends
  EXPECT_EQ(Lines("a\n"), (L{"a"}));
  EXPECT_EQ(Lines("\n"), (L{""}));
  EXPECT_EQ(Lines(""), L{});
  EXPECT_EQ(Lines("x\r"), (L{"x"}));

  LineSplitter splitter("ab\r\ncd");
  std::string_view line;
  ASSERT_TRUE(splitter.Next(line));
  EXPECT_EQ(splitter.Position(), 4U);
}

}  // namespace
}  // namespace zufora
