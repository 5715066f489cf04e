// A list file compared with the list text of a design, line by line and by patient.
#include "evidence/ListComparison.h"

#include <gtest/gtest.h>

#include <sstream>

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
};

// The design's text handed on in two parts, as a writer would.
Compared Compare(const std::string& file_bytes) {
  std::istringstream file(file_bytes);
  std::istringstream same_file(file_bytes);
  ListComparison comparison(file, same_file, "Zentrum");
  const std::size_t cut = kList.find("Zentrum 2");
  comparison.Write(std::string_view(kList).substr(0, cut));
  comparison.Write(std::string_view(kList).substr(cut));
  comparison.Finish();
  return {comparison.FirstDifference(), comparison.DifferingAllocations(), comparison.Lines()};
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
  EXPECT_EQ(changed.first->expected, "2\t2\tB");
  EXPECT_EQ(changed.first->actual, "2\t1\tA");
  EXPECT_EQ(changed.differing, 1);
  // The expected line is shown in UTF-8, a cp1252 line of the file likewise.
  const Compared heading = Compare(Replace(kList, "Seed: (5)", "Seed: (7)"));
  ASSERT_TRUE(heading.first);
  EXPECT_EQ(heading.first->expected,
            "Zentrum 1\tS\xC3\xBC"
            "d - Seed: (5)");
  EXPECT_EQ(heading.first->actual,
            "Zentrum 1\tS\xC3\xBC"
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
  EXPECT_EQ(longer.first->actual, "3\t1\tA");
  EXPECT_EQ(longer.differing, 1);
}

}  // namespace
}  // namespace zufora
