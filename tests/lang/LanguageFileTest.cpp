#include "lang/LanguageFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace zufora {
namespace {

using namespace std::string_literals;

std::optional<std::string> Value(const LanguageFile& file, std::string_view section,
                                 std::string_view key) {
  const auto value = file.Find(section, key);
  return value ? std::optional<std::string>(*value) : std::nullopt;
}

// Keys that the standard library's string hash maps to one and the same value: for
// 16-byte keys the hash is a chain of two invertible block steps, so any first block
// can be given a second block that ends at a chosen state. A hash table would put all
// of them into one bucket. Only bytes that a key keeps as they are (no '=', no line
// end, nothing that case folding changes) are used.
std::vector<std::string> KeysOfOneHash(int count) {
  constexpr std::uint64_t kMul = 0xc6a4a7935bd1e995ULL;
  std::uint64_t inverse = kMul;
  for (int i = 0; i < 6; ++i) {
    inverse *= 2 - kMul * inverse;
  }
  const auto mix = [](std::uint64_t v) { return v ^ (v >> 47); };
  const auto block = [&](std::uint64_t k) { return mix(k * kMul) * kMul; };
  const auto unblock = [&](std::uint64_t y) { return mix(y * inverse) * inverse; };
  const std::uint64_t start = 0xc70f6907ULL ^ (16 * kMul);
  const auto kept = [](unsigned char c) {
    return (c > 0x20 && c < 0x7F && c != '=' && !(c >= 'A' && c <= 'Z')) ||
           (c >= 0x80 && c != 0x8A && c != 0x8C && c != 0x8E && c != 0x9F &&
            !(c >= 0xC0 && c <= 0xDE && c != 0xD7));
  };
  const std::uint64_t target =
      ((start ^ block(0x3030303030303030ULL)) * kMul) ^ block(0x3030303030303030ULL);
  std::vector<std::string> keys;
  for (std::uint64_t n = 0; static_cast<int>(keys.size()) < count; ++n) {
    char first[8];
    for (int i = 0; i < 8; ++i) {
      first[i] = static_cast<char>('a' + (n >> (3 * i)) % 8);
    }
    std::uint64_t k1 = 0;
    std::memcpy(&k1, first, 8);
    const std::uint64_t k2 = unblock(target ^ ((start ^ block(k1)) * kMul));
    char second[8];
    std::memcpy(second, &k2, 8);
    if (std::all_of(second, second + 8,
                    [&](char c) { return kept(static_cast<unsigned char>(c)); })) {
      keys.push_back(std::string(first, 8) + std::string(second, 8));
    }
  }
  return keys;
}

TEST(LanguageFileIndex, KeysCraftedAgainstAHashCannotMakeItQuadratic) {
  if (sizeof(std::size_t) != 8) {
    GTEST_SKIP() << "the keys are crafted for a 64-bit string hash";
  }
  const auto work_per_key = [](int count) {
    const std::vector<std::string> keys = KeysOfOneHash(count);
    EXPECT_EQ(std::hash<std::string>{}(keys.front()), std::hash<std::string>{}(keys.back()));
    std::string text = "[FormLang]\n";
    for (const std::string& key : keys) {
      text += key + "=v\n";
    }
    const LanguageFile file = LanguageFile::Parse(text);
    for (const std::string& key : keys) {
      EXPECT_TRUE(file.HasKey("FormLang", key));
    }
    return static_cast<double>(file.IndexWork()) / count;
  };
  const double small = work_per_key(2000);
  const double large = work_per_key(16000);
  // Per key the work may grow with log n (three steps from 2000 to 16000 keys).
  EXPECT_LT(large, small * 1.5);
}

TEST(LanguageFileLines, SplitAtCarriageReturnLineFeedOrBoth) {
  const LanguageFile file = LanguageFile::Parse("[S]\ra=1\nb=2\r\nc=3\n\rd=4");
  EXPECT_EQ(Value(file, "S", "a"), "1");
  EXPECT_EQ(Value(file, "S", "b"), "2");
  EXPECT_EQ(Value(file, "S", "c"), "3");
  EXPECT_EQ(Value(file, "S", "d"), "4");
  EXPECT_EQ(file.EntryCount(), 4u);
}

// A line loses blanks and control characters at its ends; a name, key or value inside it
// loses only blanks.
TEST(LanguageFileLines, LinesLoseControlCharactersNamesKeysAndValuesOnlyBlanks) {
  const LanguageFile file = LanguageFile::Parse(
      "\t [ S ] \x01\n  key one \t=\x7F  a value  \x1F \n k2=\t\n k3 = \tv\n[ T\t]\nk=1\n"s);
  EXPECT_EQ(Value(file, "S", "key one \t"), "\x7F  a value");
  EXPECT_FALSE(file.HasKey("S", "key one"));
  EXPECT_EQ(Value(file, "S", "k2"), "");  // the tab ended the line
  EXPECT_EQ(Value(file, "S", "k3"), "\tv");
  EXPECT_EQ(Value(file, "T\t", "k"), "1");
  EXPECT_FALSE(file.HasKey("T", "k"));
}

TEST(LanguageFileLines, InnerControlCharactersAndNulBytesStay) {
  const LanguageFile file = LanguageFile::Parse("[S]\nk=a\tb\0c\n"s);
  EXPECT_EQ(Value(file, "S", "k"), "a\tb\0c"s);
}

TEST(LanguageFileLines, CommentsEmptyLinesAndLinesWithoutEqualsAreNoEntries) {
  const LanguageFile file = LanguageFile::Parse(
      "[S]\n; k=comment\n   ;k2=indented comment\n\n   \nno entry here\nk3 = x ; y\n");
  EXPECT_FALSE(file.HasKey("S", "; k"));
  EXPECT_FALSE(file.HasKey("S", "k"));
  EXPECT_FALSE(file.HasKey("S", "k2"));
  EXPECT_FALSE(file.HasKey("S", "no entry here"));
  EXPECT_EQ(Value(file, "S", "k3"), "x ; y");  // a ';' later in the line is text
  EXPECT_EQ(file.EntryCount(), 1u);
}

TEST(LanguageFileEntries, KeyBeforeTheFirstEqualsSign) {
  const LanguageFile file = LanguageFile::Parse("[S]\na = b = c==\n==x\n");
  EXPECT_EQ(Value(file, "S", "a"), "b = c==");
  EXPECT_EQ(Value(file, "S", ""), "=x");
}

TEST(LanguageFileEntries, AKeyIsPresentWhateverItsValue) {
  const LanguageFile file = LanguageFile::Parse("[S]\nempty=\nblank=   \n");
  EXPECT_TRUE(file.HasKey("S", "empty"));
  EXPECT_TRUE(file.HasKey("S", "blank"));
  EXPECT_FALSE(file.HasKey("S", "other"));
  EXPECT_EQ(file.ReadString("S", "empty", "default"), "");
  EXPECT_EQ(file.ReadString("S", "other", "default"), "default");
  EXPECT_EQ(file.ReadString("T", "empty", "default"), "default");
}

TEST(LanguageFileEntries, NamesCompareWithoutLetterCase) {
  // 0xC4/0xE4 are A and a with diaeresis in cp1252, 0x8A/0x9A S and s with caron.
  const LanguageFile file = LanguageFile::Parse(
      "[FormZufora]\nFormZufora.BitBtnNext.Caption=X\n"
      "[Gr\xC4\x8A]\nK\xC4=umlaut\n");
  EXPECT_EQ(Value(file, "formzufora", "FORMZUFORA.bitbtnnext.CAPTION"), "X");
  EXPECT_EQ(Value(file, "gr\xE4\x9A", "k\xE4"), "umlaut");
  // Values keep their letter case.
  EXPECT_EQ(Value(file, "FormZufora", "FormZufora.BitBtnNext.Caption"), "X");
}

TEST(LanguageFileEntries, FirstOfTwoEqualKeysWinsAndARepeatedSectionContinues) {
  const LanguageFile file =
      LanguageFile::Parse("[S]\nk=first\nK=second\n[T]\nt=1\n[s]\nk=third\nlater=2\n");
  EXPECT_EQ(Value(file, "S", "k"), "first");
  EXPECT_EQ(Value(file, "S", "later"), "2");
  EXPECT_EQ(file.SectionCount(), 2u);
}

TEST(LanguageFileSections, EntriesBeforeTheFirstSectionAreIgnored) {
  const LanguageFile file = LanguageFile::Parse("k=before\n[S]\nk2=inside\n");
  EXPECT_FALSE(file.HasKey("", "k"));
  EXPECT_FALSE(file.HasKey("S", "k"));
  EXPECT_EQ(Value(file, "S", "k2"), "inside");
}

TEST(LanguageFileSections, AByteOrderMarkMakesTheFirstLineNoSectionLine) {
  const LanguageFile file =
      LanguageFile::Parse("\xEF\xBB\xBF[FormZufora]\nFormZufora.Caption=X\n[FormLang]\nk=y\n");
  EXPECT_FALSE(file.HasKey("FormZufora", "FormZufora.Caption"));
  EXPECT_FALSE(file.HasKey("\xEF\xBB\xBF[FormZufora]", "FormZufora.Caption"));
  EXPECT_EQ(Value(file, "FormLang", "k"), "y");
  EXPECT_EQ(file.SectionCount(), 1u);
}

TEST(LanguageFileSections, NameBetweenTheBracketsStripped) {
  const LanguageFile file =
      LanguageFile::Parse("[  Form Zufora  ]\na=1\n[]\nb=2\n[x=y]\nc=3\n[open\nd=4\nclose]\n");
  EXPECT_EQ(Value(file, "Form Zufora", "a"), "1");
  EXPECT_EQ(Value(file, "", "b"), "2");
  EXPECT_EQ(Value(file, "x=y", "c"), "3");
  // "[open" opens nothing: its line is no entry, the next belongs to the section before.
  EXPECT_EQ(Value(file, "x=y", "d"), "4");
  EXPECT_FALSE(file.HasKey("open", "d"));
}

TEST(LanguageFileSections, EmptyFileAndDefaultFileHoldNothing) {
  EXPECT_EQ(LanguageFile::Parse("").SectionCount(), 0u);
  EXPECT_FALSE(LanguageFile().HasKey("S", "k"));
  EXPECT_EQ(LanguageFile::Parse("\r\n\r\n;\n[").SectionCount(), 0u);
}

TEST(LanguageFileCopies, ValuesSurviveMovesAndCopiesOfShortFiles) {
  // Short texts live inside the string object; values must not point at the old one.
  LanguageFile original = LanguageFile::Parse("[S]\nk=v\n");
  LanguageFile copy = original;
  LanguageFile moved = std::move(original);
  EXPECT_EQ(Value(copy, "S", "k"), "v");
  EXPECT_EQ(Value(moved, "S", "k"), "v");
}

// Bad input: whatever the bytes, the file loads, in time linear in its size.

TEST(LanguageFileBadInput, BinaryBytesLoad) {
  std::string bytes;
  std::uint32_t state = 12345;
  for (int i = 0; i < 1 << 20; ++i) {
    state = state * 1103515245u + 12345u;
    bytes.push_back(static_cast<char>(state >> 24));
  }
  bytes += "\n[S]\nk=v\n";
  const LanguageFile file = LanguageFile::Parse(bytes);
  EXPECT_EQ(Value(file, "S", "k"), "v");
}

TEST(LanguageFileBadInput, NulBytesAreOrdinaryCharacters) {
  // NUL is a control character: stripped at the ends of a line, kept inside it.
  const LanguageFile file = LanguageFile::Parse("\0\0[S]\0\n[S\0T]\nk\0=\0v\0w\0\n\0\0\0"s);
  EXPECT_EQ(file.SectionCount(), 2u);
  EXPECT_EQ(Value(file, "S\0T"s, "k\0"s), "\0v\0w"s);
  EXPECT_FALSE(file.HasKey("S", "k"));
}

TEST(LanguageFileBadInput, FiftyMegabyteLine) {
  constexpr std::size_t kSize = 50u << 20;
  std::string bytes = "[S]\nk=";
  bytes.append(kSize, 'x');
  bytes += "\nafter=1\n";
  const LanguageFile file = LanguageFile::Parse(std::move(bytes));
  ASSERT_TRUE(file.HasKey("S", "k"));
  EXPECT_EQ(file.Find("S", "k")->size(), kSize);
  EXPECT_EQ(Value(file, "S", "after"), "1");

  // The same line as a key, and without any line break at all.
  std::string long_key = "[S]\n";
  long_key.append(kSize, '=');
  EXPECT_EQ(LanguageFile::Parse(std::move(long_key)).EntryCount(), 1u);
  EXPECT_EQ(LanguageFile::Parse(std::string(kSize, 'a')).SectionCount(), 0u);
}

TEST(LanguageFileBadInput, ThousandsOfSectionsAndEntries) {
  std::string bytes;
  for (int i = 0; i < 20000; ++i) {
    bytes += "[Section" + std::to_string(i) + "]\nkey=" + std::to_string(i) + "\n";
  }
  for (int i = 0; i < 50000; ++i) {
    const std::string number = std::to_string(i);
    bytes.append("k").append(number).append("=").append(number).append("\n");
  }
  const LanguageFile file = LanguageFile::Parse(bytes);
  EXPECT_EQ(file.SectionCount(), 20000u);
  EXPECT_EQ(file.EntryCount(), 70000u);
  EXPECT_EQ(Value(file, "section7777", "KEY"), "7777");
  EXPECT_EQ(Value(file, "Section19999", "k49999"), "49999");
}

}  // namespace
}  // namespace zufora
