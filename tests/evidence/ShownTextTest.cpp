// Texts from files and designs as messages show them: visible, on one line, short.
#include "evidence/ShownText.h"

#include <gtest/gtest.h>

#include <sstream>

#include "evidence/BoundedLineReader.h"

namespace zufora {
namespace {

TEST(ShownText, ControlCharactersAreWrittenVisibly) {
  EXPECT_EQ(ShownUtf8("1\t2\tA"), "1\\t2\\tA");
  EXPECT_EQ(ShownUtf8("\x1B[2J\r\n"), "\\x1B[2J\\r\\n");
  EXPECT_EQ(ShownUtf8(std::string("a\0b", 3)), "a\\x00b");
  EXPECT_EQ(ShownUtf8("C:\\x"), "C:\\\\x");
  EXPECT_EQ(ShownUtf8("\x7F"), "\\x7F");
  // C1 controls and the marks that reorder a terminal line, in UTF-8.
  EXPECT_EQ(ShownUtf8("a\xC2\x9B"
                      "1m"),
            "a\\u009B1m");
  EXPECT_EQ(ShownUtf8("x\xE2\x80\xAEy"), "x\\u202Ey");
  // Letters stay letters.
  EXPECT_EQ(ShownUtf8("S\xC3\xBC"
                      "d \xE2\x82\xAC"),
            "S\xC3\xBC"
            "d \xE2\x82\xAC");
}

TEST(ShownText, FileBytesAreUtf8WhereTheyAreElseCp1252) {
  EXPECT_EQ(ShownFileBytes("S\xC3\xBC"
                           "d"),
            "S\xC3\xBC"
            "d");
  EXPECT_EQ(ShownFileBytes("S\xFC"
                           "d"),
            "S\xC3\xBC"
            "d");
  // cp1252's undefined 0x81 is a C1 control once read.
  EXPECT_EQ(ShownFileBytes("a\x81"), "a\\u0081");
  // A UTF-8 sequence cut where the bytes end is not taken for cp1252.
  EXPECT_EQ(ShownFileBytes("ab\xC3", kShownCharacters, true), "ab\xE2\x80\xA6");
}

TEST(ShownText, LongTextsAreCutWithAnEllipsis) {
  const std::string shown = ShownFileBytes(std::string(1000, 'x'));
  EXPECT_EQ(shown, std::string(kShownCharacters, 'x') + "\xE2\x80\xA6");
  EXPECT_EQ(ShownUtf8("abc", 2), "ab\xE2\x80\xA6");
  EXPECT_EQ(ShownUtf8("ab", 2), "ab");
  EXPECT_EQ(ShownUtf8("ab", 2, true), "ab\xE2\x80\xA6");
}

std::vector<FileLine> ReadAll(const std::string& bytes, bool digest = false) {
  std::istringstream in(bytes);
  BoundedLineReader reader(in);
  std::vector<FileLine> lines;
  for (FileLine line; reader.Next(line, [digest](std::string_view) { return digest; });) {
    lines.push_back(line);
  }
  return lines;
}

TEST(BoundedLineReader, LinesEndAtLfOrCrLfAndTheLastMayHaveNone) {
  const auto lines = ReadAll("a\r\nb\n\r\nc\rd\r\ne");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].head, "a");
  EXPECT_EQ(lines[1].head, "b");
  EXPECT_EQ(lines[2].head, "");
  EXPECT_EQ(lines[3].head, "c\rd");  // a CR inside a line is the line's
  EXPECT_EQ(lines[4].head, "e");
  EXPECT_EQ(lines[4].number, 5);
  EXPECT_TRUE(ReadAll("").empty());
  EXPECT_EQ(ReadAll("\n").size(), 1u);
}

TEST(BoundedLineReader, ALongLineKeepsItsHeadAndOnRequestItsDigest) {
  const std::size_t head = BoundedLineReader::kHeadBytes;
  // A CR LF that falls across the reader's parts, after a line far longer than its head.
  const std::string line(3 * head + 65535, 'q');
  const auto hashed = ReadAll(line + "\r\nnext\n", true);
  ASSERT_EQ(hashed.size(), 2u);
  EXPECT_EQ(hashed[0].length, line.size());
  EXPECT_EQ(hashed[0].head.size(), head);
  EXPECT_FALSE(hashed[0].Whole());
  EXPECT_TRUE(hashed[0].Is(line));
  EXPECT_FALSE(hashed[0].Is(line.substr(1) + "r"));
  EXPECT_FALSE(hashed[0].Is(line + "\r"));
  EXPECT_EQ(hashed[1].head, "next");
  // Without a digest a long line matches nothing.
  EXPECT_FALSE(ReadAll(line + "\n")[0].Is(line));
  // A line exactly as long as a head is whole.
  const auto whole = ReadAll(std::string(head, 'w'));
  EXPECT_TRUE(whole[0].Whole());
  EXPECT_TRUE(whole[0].Is(std::string(head, 'w')));
}

}  // namespace
}  // namespace zufora
