#include "files/IniDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "files/IniInteger.h"

namespace zufora {
namespace {

std::optional<std::string> Value(std::string_view text, std::string_view section,
                                 std::string_view key) {
  return IniDocument::Parse(text).Get(section, key);
}

TEST(IniDocumentReading, SectionAndKeyNamesIgnoreCase) {
  const IniDocument doc = IniDocument::Parse("[design]\r\nNAME=Studie\r\n");
  EXPECT_EQ(doc.Get("Design", "Name"), "Studie");
  EXPECT_EQ(doc.Get("DESIGN", "name"), "Studie");
  // cp1252 letters fold too: "Blöcke" against "BLÖCKE".
  EXPECT_EQ(Value("[Bl\xF6"
                  "cke]\nGr\xF6\xDF"
                  "e=5\n",
                  "BL\xD6"
                  "CKE",
                  "gR\xD6\xDF"
                  "E"),
            "5");
  EXPECT_EQ(doc.Get("Design", "Nam"), std::nullopt);
  EXPECT_EQ(doc.Get("Desig", "Name"), std::nullopt);
}

TEST(IniDocumentReading, BlanksAroundNamesAndValuesAreDropped) {
  const IniDocument doc = IniDocument::Parse("  [ Design ]  \n \t Name \t=  Studie A \t\n");
  EXPECT_EQ(doc.Get("Design", "Name"), "Studie A");
  EXPECT_EQ(doc.Get(" Design ", " Name "), "Studie A");
  EXPECT_EQ(Value("[S]\nk=\n", "S", "k"), "");
  EXPECT_EQ(Value("[S]\nk=   \n", "S", "k"), "");
}

TEST(IniDocumentReading, MatchingQuotesAreRemovedOnce) {
  const IniDocument doc = IniDocument::Parse(
      "[S]\n"
      "double=\"x y\"\n"
      "single='x y'\n"
      "padded =  \" x \"  \n"
      "mixed=\"x'\n"
      "lone=\"\n"
      "inner=a\"b\"\n"
      "twice=\"\"x\"\"\n"
      "empty=''\n");
  EXPECT_EQ(doc.Get("S", "double"), "x y");
  EXPECT_EQ(doc.Get("S", "single"), "x y");
  EXPECT_EQ(doc.Get("S", "padded"), " x ");
  EXPECT_EQ(doc.Get("S", "mixed"), "\"x'");
  EXPECT_EQ(doc.Get("S", "lone"), "\"");
  EXPECT_EQ(doc.Get("S", "inner"), "a\"b\"");
  EXPECT_EQ(doc.Get("S", "twice"), "\"x\"");
  EXPECT_EQ(doc.Get("S", "empty"), "");
}

TEST(IniDocumentReading, CommentsAndLinesThatAreNoKeys) {
  const IniDocument doc = IniDocument::Parse(
      "Top=1\n"
      "[S]\n"
      ";a=1\n"
      "  ; b=2\n"
      "c\n"
      "#d=4\n"
      "e=x;y\n"
      "f==g\n"
      "[T\n"
      "h=5\n");
  EXPECT_EQ(doc.Get("", "Top"), std::nullopt);  // before any section
  EXPECT_EQ(doc.Get("S", "a"), std::nullopt);
  EXPECT_EQ(doc.Get("S", ";a"), std::nullopt);
  EXPECT_EQ(doc.Get("S", "b"), std::nullopt);
  EXPECT_EQ(doc.Get("S", "c"), std::nullopt);
  EXPECT_EQ(doc.Get("S", "#d"), "4");
  EXPECT_EQ(doc.Get("S", "e"), "x;y");  // no comments after a value
  EXPECT_EQ(doc.Get("S", "f"), "=g");
  EXPECT_EQ(doc.Get("T", "h"), "5");  // a missing ']' closes the name at the line end
  EXPECT_EQ(doc.Get("S", "h"), std::nullopt);
}

TEST(IniDocumentReading, EveryFormOfLineEnd) {
  for (const std::string_view end : {"\r\n", "\n", "\r"}) {
    std::string text = "[S]";
    text += end;
    text += "a=1";
    text += end;
    text += end;
    text += "b=2";  // last line without a line end
    const IniDocument doc = IniDocument::Parse(text);
    EXPECT_EQ(doc.Get("S", "a"), "1");
    EXPECT_EQ(doc.Get("S", "b"), "2");
    EXPECT_EQ(doc.Serialize(), "[S]\r\na=1\r\n\r\nb=2\r\n");
  }
}

TEST(IniDocumentReading, FirstOfDuplicatesWins) {
  const IniDocument doc = IniDocument::Parse("[S]\na=1\nA=2\n[T]\nx=1\n[s]\na=3\nb=4\n");
  EXPECT_EQ(doc.Get("S", "a"), "1");
  // A repeated section adds the keys its first occurrence lacks.
  EXPECT_EQ(doc.Get("S", "b"), "4");
}

TEST(IniDocumentReading, ValuesAreCutTo2047Bytes) {
  const std::string exact(2047, 'x');
  const std::string longer = std::string(2047, 'y') + "z";
  const IniDocument doc = IniDocument::Parse("[S]\nexact=" + exact + "\nlonger=" + longer +
                                             "\nquoted=\"" + exact + "q\"\n");
  EXPECT_EQ(doc.Get("S", "exact"), exact);
  EXPECT_EQ(doc.Get("S", "longer"), std::string(2047, 'y'));
  EXPECT_EQ(doc.Get("S", "quoted"), exact);  // the quotes go first, then the cut
}

TEST(IniDocumentReading, AnyBytesAreText) {
  using namespace std::string_literals;
  const IniDocument doc = IniDocument::Parse("[S\0]\nk\0=v\0w\n[S]\nx=\xFF\x81\n"s);
  EXPECT_EQ(doc.Get(std::string_view("S\0", 2), std::string_view("k\0", 2)),
            std::string("v\0w", 3));
  EXPECT_EQ(doc.Get("S", "x"), "\xFF\x81");
  EXPECT_EQ(doc.Serialize(), "[S\0]\r\nk\0=v\0w\r\n[S]\r\nx=\xFF\x81\r\n"s);
}

TEST(IniDocumentWriting, SetInPlaceKeepsEveryOtherLine) {
  IniDocument doc = IniDocument::Parse(
      "; written by hand\n"
      "[Design]\n"
      "  name = alt  \n"
      "Other=1\n"
      "Name=second\n"
      "\n"
      "[Eigenes]\n"
      "x=y\n");
  doc.Set("design", "NAME", "neu");
  EXPECT_EQ(doc.Get("Design", "Name"), "neu");
  EXPECT_EQ(doc.Serialize(),
            "; written by hand\r\n"
            "[Design]\r\n"
            "  name =neu\r\n"
            "Other=1\r\n"
            "Name=second\r\n"
            "\r\n"
            "[Eigenes]\r\n"
            "x=y\r\n");
}

TEST(IniDocumentWriting, NewKeysFollowTheLastKeyOfTheirSection) {
  IniDocument doc = IniDocument::Parse(
      "[A]\n"
      "a1=1\n"
      "; end of A\n"
      "\n"
      "[B]\n"
      "[A]\n"
      "a2=2\n");
  doc.Set("A", "n1", "x");
  doc.Set("B", "m1", "y");
  doc.Set("A", "n2", "z");
  doc.Set("A", "a2", "changed");
  EXPECT_EQ(doc.Serialize(),
            "[A]\r\n"
            "a1=1\r\n"
            "n1=x\r\n"
            "n2=z\r\n"
            "; end of A\r\n"
            "\r\n"
            "[B]\r\n"
            "m1=y\r\n"
            "[A]\r\n"
            "a2=changed\r\n");
  EXPECT_EQ(doc.Get("A", "n2"), "z");
  EXPECT_EQ(doc.Get("B", "m1"), "y");
}

TEST(IniDocumentWriting, NewSectionsGoToTheEndInTheOrderOfWriting) {
  IniDocument doc = IniDocument::Parse("[A]\na=1");
  doc.Set("Z", "k", "1");
  doc.Set("M", "k", "2");
  doc.Set("Z", "l", "3");
  doc.Set("Z", "K", "4");
  EXPECT_EQ(doc.Serialize(), "[A]\r\na=1\r\n[Z]\r\nk=4\r\nl=3\r\n[M]\r\nk=2\r\n");

  IniDocument empty;
  EXPECT_EQ(empty.Serialize(), "");
  empty.Set("S", "k", "");
  EXPECT_EQ(empty.Serialize(), "[S]\r\nk=\r\n");
  EXPECT_EQ(empty.Get("S", "k"), "");
}

TEST(IniDocumentWriting, ValueIsWrittenAsItStandsAndReadAsThePlatformReadsIt) {
  IniDocument doc;
  doc.Set("S", "blanks", "  x  ");
  doc.Set("S", "quoted", "'q'");
  EXPECT_EQ(doc.Serialize(), "[S]\r\nblanks=  x  \r\nquoted='q'\r\n");
  EXPECT_EQ(doc.Get("S", "blanks"), "x");
  EXPECT_EQ(doc.Get("S", "quoted"), "q");
}

TEST(IniDocumentWriting, LineEndsInAValueCannotBreakTheText) {
  IniDocument doc = IniDocument::Parse("[S]\nk=old\n");
  doc.Set("S", "k", "1\r\n[T]\nx=2\r3");
  doc.Set("S", "new", "a\nb");
  EXPECT_EQ(doc.Serialize(), "[S]\r\nk=1  [T] x=2 3\r\nnew=a b\r\n");
  const IniDocument again = IniDocument::Parse(doc.Serialize());
  EXPECT_EQ(again.Get("T", "x"), std::nullopt);
  EXPECT_EQ(again.Get("S", "k"), "1  [T] x=2 3");
}

TEST(IniDocumentWriting, NamesThatCannotBeWrittenAreRefused) {
  IniDocument doc;
  EXPECT_THROW(doc.Set("S", "a=b", "v"), std::invalid_argument);
  EXPECT_THROW(doc.Set("S", "a\nb", "v"), std::invalid_argument);
  EXPECT_THROW(doc.Set("S", ";a", "v"), std::invalid_argument);
  EXPECT_THROW(doc.Set("S", " [a", "v"), std::invalid_argument);
  EXPECT_THROW(doc.Set("S]x", "a", "v"), std::invalid_argument);
  EXPECT_THROW(doc.Set("S\r", "a", "v"), std::invalid_argument);
  EXPECT_EQ(doc.Serialize(), "");
}

TEST(IniDocumentWriting, ManyNewKeysInAnEarlySectionStayInOrder) {
  // Appending into a section that is followed by others must not shift the text for
  // every key: 100,000 keys finish at once when each append is constant time.
  IniDocument doc = IniDocument::Parse("[A]\nAnzahl=0\n[B]\nb=1\n");
  constexpr int kKeys = 100'000;
  for (int i = 1; i <= kKeys; ++i) {
    const std::string number = std::to_string(i);
    std::string key = "k";
    key += number;
    doc.Set("A", key, number);
  }
  const std::string text = doc.Serialize();
  const std::string head = "[A]\r\nAnzahl=0\r\nk1=1\r\nk2=2\r\n";
  const std::string tail = "\r\nk100000=100000\r\n[B]\r\nb=1\r\n";
  ASSERT_GT(text.size(), head.size() + tail.size());
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  EXPECT_EQ(doc.Get("A", "k54321"), "54321");
}

// Keys chosen against a sorted index: a long shared prefix, in ascending, descending and
// interleaved order, all alike, and spread over one section repeated many times. Reading
// and looking up every key must cost O(n log n) bytes compared, not O(n^2).
TEST(IniDocumentIndex, CraftedKeysCannotMakeItQuadratic) {
  const std::string prefix(100, 'k');
  const auto text = [&](int keys, int shape) {
    std::string file = "[S]\n";
    for (int i = 0; i < keys; ++i) {
      const int number = shape == 1 ? keys - i : shape == 2 ? (i % 2 ? i : keys + i) : i;
      if (shape == 4) {
        file += "[s]\n";
      }
      file += prefix + (shape == 3 ? "" : std::to_string(number)) + "=v\n";
    }
    return file;
  };
  const auto work = [&](int keys, int shape) {
    const std::string file = text(keys, shape);
    const IniDocument doc = IniDocument::Parse(file);
    int found = 0;
    for (int i = 0; i < keys; ++i) {
      found += doc.Get("S", prefix + std::to_string(i)).has_value() ? 1 : 0;
    }
    const int expected[] = {keys, keys - 1, keys / 2, 0, keys};
    EXPECT_EQ(found, expected[shape]);
    return static_cast<double>(doc.IndexWork()) / static_cast<double>(file.size());
  };
  for (int shape = 0; shape < 5; ++shape) {
    const double small = work(2000, shape);
    const double large = work(32000, shape);
    // Per byte of text the work may grow with log n (4 steps from 2000 to 32000 keys).
    EXPECT_LT(large, small * 1.6) << "shape " << shape;
    EXPECT_LT(large, 4 * std::log2(32000.0)) << "shape " << shape;
  }
}

TEST(IniIntegerReading, DecimalOrHexadecimalWholeValues) {
  EXPECT_EQ(ParseIniInteger("0"), 0);
  EXPECT_EQ(ParseIniInteger("42"), 42);
  EXPECT_EQ(ParseIniInteger("-5"), -5);
  EXPECT_EQ(ParseIniInteger("+7"), 7);
  EXPECT_EQ(ParseIniInteger("007"), 7);
  EXPECT_EQ(ParseIniInteger("0x1F"), 31);
  EXPECT_EQ(ParseIniInteger("0Xff"), 255);
  EXPECT_EQ(ParseIniInteger("-0x10"), -16);
  EXPECT_EQ(ParseIniInteger("2000000000"), 2000000000);
  for (const std::string_view bad :
       {"", "-", "0x", "abc", "12abc", "1 2", "$10", "1.5", "x12", "0x1G", "--1"}) {
    EXPECT_EQ(ParseIniInteger(bad), std::nullopt) << bad;
  }
}

TEST(IniIntegerReading, HugeValuesSaturateInsteadOfWrapping) {
  const auto huge = ParseIniInteger(std::string(5000, '9'));
  ASSERT_TRUE(huge.has_value());
  EXPECT_GT(*huge, std::int64_t{1} << 40);
  EXPECT_LT(*ParseIniInteger("-99999999999999999999999999"), -(std::int64_t{1} << 40));
  EXPECT_GT(*ParseIniInteger("0xFFFFFFFFFFFFFFFFFFFF"), std::int64_t{1} << 40);
  EXPECT_EQ(ParseIniInteger(std::string(5000, '9') + "a"), std::nullopt);
  // Exact up to the saturation value itself, and the first value beyond it is cut to it.
  constexpr std::int64_t kTop = std::int64_t{1} << 62;
  EXPECT_EQ(ParseIniInteger(std::to_string(kTop - 1)), kTop - 1);
  EXPECT_EQ(ParseIniInteger(std::to_string(kTop)), kTop);
  EXPECT_EQ(ParseIniInteger(std::to_string(kTop + 1)), kTop);
  EXPECT_EQ(ParseIniInteger("-0x3FFFFFFFFFFFFFFF"), -(kTop - 1));
}

TEST(IniIntegerReading, KeysAndFlagsTakeTheirDefaults) {
  const IniDocument doc = IniDocument::Parse(
      "[S]\nn= 12 \nhex=0x0A\nbad=12abc\nempty=\non=1\ntwo=2\nminus=-1\noff=0\nzero=0x0\n"
      "word=ja\nquoted=\"1\"\n");
  EXPECT_EQ(GetIniInteger(doc, "S", "n"), 12);
  EXPECT_EQ(GetIniInteger(doc, "S", "hex"), 10);
  EXPECT_EQ(GetIniInteger(doc, "S", "bad"), 0);
  EXPECT_EQ(GetIniInteger(doc, "S", "empty"), 0);
  EXPECT_EQ(GetIniInteger(doc, "S", "missing"), 0);
  EXPECT_EQ(GetIniInteger(doc, "Nowhere", "n"), 0);
  EXPECT_TRUE(GetIniFlag(doc, "S", "on"));
  EXPECT_TRUE(GetIniFlag(doc, "S", "two"));
  EXPECT_TRUE(GetIniFlag(doc, "S", "minus"));
  EXPECT_TRUE(GetIniFlag(doc, "S", "quoted"));
  EXPECT_FALSE(GetIniFlag(doc, "S", "off"));
  EXPECT_FALSE(GetIniFlag(doc, "S", "zero"));
  EXPECT_FALSE(GetIniFlag(doc, "S", "word"));
  EXPECT_FALSE(GetIniFlag(doc, "S", "missing"));
}

}  // namespace
}  // namespace zufora
