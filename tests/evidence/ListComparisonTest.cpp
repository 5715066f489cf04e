// A list file compared with the list text of a design, line by line and by patient.
#include "evidence/ListComparison.h"

#include <gtest/gtest.h>

#include <sstream>

#include "evidence/BoundedLineReader.h"
#include "evidence/LineKeys.h"

namespace zufora {
namespace {

// Two centre lists, cp1252 with LF as the writer gives them.
const std::string kList =
    "Studie\n"
    "Zentrum 1\tS\xFC"
    "d - Seed: (5)\n"
    "1\t2\tB\n2\t1\tA\n------- Block ------\n"
    "Zentrum 2\tNord - Seed: (6)\n"
    "1\t1\tA\n2\t2\tB\n------- Block ------\n";

struct Compared {
  std::optional<ListComparison::Difference> first;
  std::int64_t differing = 0;
  std::int64_t lines = 0;
  bool byte_order_mark = false;
};

// The design's text handed on in two parts, as a writer would.
Compared Compare(const std::string& file_bytes) {
  std::istringstream file(file_bytes);
  std::istringstream same_file(file_bytes);
  const ListTextKeys keys("Zentrum");
  ListComparison comparison(file, same_file, keys);
  const std::size_t cut = kList.find("Zentrum 2");
  comparison.Write(std::string_view(kList).substr(0, cut));
  comparison.Write(std::string_view(kList).substr(cut));
  comparison.Finish();
  return {comparison.FirstDifference(), comparison.DifferingAllocations(), comparison.Lines(),
          comparison.ByteOrderMark()};
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

TEST(ListComparison, TheSameListInEitherWrittenForm) {
  const Compared same = Compare(kList);
  EXPECT_FALSE(same.first);
  EXPECT_EQ(same.differing, 0);
  EXPECT_EQ(same.lines, 9);
  // UTF-8 with CR LF, as an exported list converted would be.
  std::string exported;
  for (const char c : Replace(kList, "S\xFC", "S\xC3\xBC")) {
    exported += c == '\n' ? std::string("\r\n") : std::string(1, c);
  }
  EXPECT_FALSE(Compare(exported).first);
}

TEST(ListComparison, AChangedArmIsTheFirstDifferenceAndCountsOnce) {
  const Compared changed = Compare(Replace(kList, "2\t2\tB\n", "2\t1\tA\n"));
  ASSERT_TRUE(changed.first);
  EXPECT_EQ(changed.first->line, 8);
  EXPECT_EQ(changed.first->expected, "2\\t2\\tB");
  EXPECT_EQ(changed.first->actual, "2\\t1\\tA");
  EXPECT_EQ(changed.differing, 1);
  // The expected line is shown in UTF-8, a cp1252 line of the file likewise.
  const Compared heading = Compare(Replace(kList, "Seed: (5)", "Seed: (7)"));
  ASSERT_TRUE(heading.first);
  EXPECT_EQ(heading.first->expected,
            "Zentrum 1\\tS\xC3\xBC"
            "d - Seed: (5)");
  EXPECT_EQ(heading.first->actual,
            "Zentrum 1\\tS\xC3\xBC"
            "d - Seed: (7)");
  EXPECT_EQ(heading.differing, 0);
}

TEST(ListComparison, RemovedAndMovedLinesCountByListAndPatient) {
  // Patient 1 of the second list removed: one allocation is missing, the rest matches.
  const Compared removed =
      Compare(Replace(kList, "Nord - Seed: (6)\n1\t1\tA\n", "Nord - Seed: (6)\n"));
  ASSERT_TRUE(removed.first);
  EXPECT_EQ(removed.first->line, 7);
  EXPECT_EQ(removed.differing, 1);
  // A separator moved: every allocation is where it belongs.
  const Compared moved =
      Compare(Replace(kList, "2\t1\tA\n------- Block ------\n", "------- Block ------\n2\t1\tA\n"));
  ASSERT_TRUE(moved.first);
  EXPECT_EQ(moved.differing, 0);
}

TEST(ListComparison, AFileThatEndsEarlyOrGoesOn) {
  const Compared shorter = Compare(kList.substr(0, kList.find("2\t2\tB")));
  ASSERT_TRUE(shorter.first);
  EXPECT_EQ(shorter.first->line, 8);
  EXPECT_FALSE(shorter.first->actual);
  EXPECT_EQ(shorter.differing, 1);

  const Compared longer = Compare(kList + "3\t1\tA\n");
  ASSERT_TRUE(longer.first);
  EXPECT_EQ(longer.first->line, 10);
  EXPECT_FALSE(longer.first->expected);
  EXPECT_EQ(longer.first->actual, "3\\t1\\tA");
  EXPECT_EQ(longer.differing, 1);
}

TEST(ListComparison, AByteOrderMarkIsSkippedAndTold) {
  const Compared marked = Compare("\xEF\xBB\xBF" + kList);
  EXPECT_FALSE(marked.first);
  EXPECT_TRUE(marked.byte_order_mark);
  EXPECT_FALSE(Compare(kList).byte_order_mark);
  // Only at the very start: elsewhere it is a byte of the line like any other.
  EXPECT_TRUE(Compare(Replace(kList, "1\t2\tB",
                              "\xEF\xBB\xBF"
                              "1\t2\tB"))
                  .first);
}

// A line of any length is compared in full while only its start is held, and shown cut.
TEST(ListComparison, LongLinesAreComparedWholeAndShownShort) {
  const std::string tail(3 * BoundedLineReader::kHeadBytes, 'x');
  std::string list = kList;
  list.replace(0, 6, "Studie" + tail);  // the title: longer than a line's head
  const std::string expected_title = "Studie" + tail;
  auto compare = [&](const std::string& file_bytes) {
    std::istringstream file(file_bytes);
    std::istringstream same_file(file_bytes);
    const ListTextKeys keys("Zentrum");
    ListComparison comparison(file, same_file, keys);
    comparison.Write(list);
    comparison.Finish();
    return comparison.FirstDifference();
  };
  EXPECT_FALSE(compare(list));
  // One byte changed at the very end of the long line is found.
  std::string changed = list;
  changed[expected_title.size() - 1] = 'y';
  const auto difference = compare(changed);
  ASSERT_TRUE(difference);
  EXPECT_EQ(difference->line, 1);
  EXPECT_LT(difference->actual->size(), 200u);
  EXPECT_TRUE(difference->actual->ends_with("\xE2\x80\xA6")) << *difference->actual;
  // A file line longer than the design's, of NUL bytes, shown escaped and cut.
  const auto nul = compare(std::string(2 * BoundedLineReader::kHeadBytes, '\0') + "\n");
  ASSERT_TRUE(nul);
  EXPECT_EQ(nul->actual->rfind("\\x00\\x00", 0), 0u);
  EXPECT_LT(nul->actual->size(), 600u);
}

// The CSV table's rows are matched by centre and patient: a row removed counts once.
TEST(ListComparison, TableRowsAreMatchedByCentreAndPatient) {
  const std::string table =
      "centre,patient,arm\r\n101,1,2\r\n101,2,1\r\n\"1,02\",1,1\r\n\"1,02\",2,2\r\n";
  auto compare = [&](const std::string& file_bytes, const LineKeys& keys) {
    std::istringstream file(file_bytes);
    std::istringstream same_file(file_bytes);
    ListComparison comparison(file, same_file, keys);
    comparison.Write(table);
    comparison.Finish();
    return std::pair(comparison.FirstDifference(), comparison.DifferingAllocations());
  };
  const CsvTableKeys csv;
  const RowOrderKeys rows;
  EXPECT_FALSE(compare(table, csv).first);
  // LF instead of CR LF is the same table.
  std::string lf = table;
  for (std::size_t at; (at = lf.find('\r')) != std::string::npos;) {
    lf.erase(at, 1);
  }
  EXPECT_FALSE(compare(lf, csv).first);
  const std::string removed = Replace(table, "101,2,1\r\n", "");
  EXPECT_EQ(compare(removed, csv).second, 1);
  // Without a patient column every later row is out of place.
  EXPECT_EQ(compare(removed, rows).second, 3);
  const std::string changed = Replace(table, "\"1,02\",2,2", "\"1,02\",2,1");
  const auto [first, count] = compare(changed, csv);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->line, 5);
  EXPECT_EQ(count, 1);
}

}  // namespace
}  // namespace zufora
