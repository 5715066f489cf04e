#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "print/ListPrintRunFixture.h"
#include "print/TextFitter.h"
#include "text/Cp1252.h"

// Long study, arm and centre names: every text keeps clear of every other.
namespace zufora::print_test {
namespace {

struct Ink {
  std::int32_t left = 0;
  std::int32_t right = 0;
  std::string text;
};

// Where a recorded text leaves ink: its extent less the blanks at either end, at the
// recording surface's 4 units per point and character.
Ink InkOf(const PrintOperation& op) {
  const std::int32_t per_char = 4 * op.font.point_size;
  const std::size_t first = op.text.find_first_not_of(' ');
  const std::size_t last = op.text.find_last_not_of(' ');
  return Ink{op.x + static_cast<std::int32_t>(first) * per_char,
             op.x + static_cast<std::int32_t>(last + 1) * per_char, op.text};
}

// Every text of a page that leaves ink, by the line of the page it stands on: the
// lines are 150 apart from 900, and a text set smaller moves down less than a line.
void ExpectNoTextOverAnother(const RecordingSurface& surface, std::int32_t page) {
  std::map<std::int32_t, std::vector<Ink>> lines;
  for (const PrintOperation& op : TextsOnPage(surface, page)) {
    if (op.text.find_first_not_of(' ') == std::string::npos) {
      continue;
    }
    const std::int32_t line = op.y >= 900 ? (op.y - 900) / 150 : -1 - (899 - op.y) / 150;
    lines[line].push_back(InkOf(op));
  }
  for (auto& [line, inks] : lines) {
    std::sort(inks.begin(), inks.end(), [](const Ink& a, const Ink& b) { return a.left < b.left; });
    for (std::size_t i = 0; i < inks.size(); ++i) {
      EXPECT_GE(inks[i].left, 0) << "\"" << inks[i].text << "\" off the page";
      EXPECT_LE(inks[i].right, 4800) << "\"" << inks[i].text << "\" off the page";
      if (i + 1 < inks.size()) {
        EXPECT_LE(inks[i].right, inks[i + 1].left)
            << "\"" << inks[i].text << "\" runs into \"" << inks[i + 1].text << "\" on line "
            << line << " of page " << page;
      }
    }
  }
}

TEST_F(PrintRunTest, LongNamesPrintNoTextOverAnother) {
  const std::string arm = "Standardtherapie Cisplatin 75 mg/m2";
  const std::string centre = Cp1252Literal("Universitätsklinikum Schleswig Holstein Campus Lübeck");
  std::vector<std::string> lines{
      "Eine multizentrische randomisierte Studie mit einem ausgesprochen langen Namen, der "
      "kein Ende nimmt",
      "Zentrum 1\t" + centre + " - Seed: (2043627648)"};
  for (int i = 99990; i < 100040; ++i) {
    lines.push_back(std::to_string(i) + "\t1\t" + arm);
    lines.push_back(std::to_string(i) + "\t2\tNeue Therapie");
  }
  lines.push_back("Zentrum 2\tKlinik Nord - Seed: (7)");
  lines.push_back("1\t1\t" + arm + "\tnoch ein Feld\tund noch eins\tund noch\teins\tmehr");
  Print(lines);
  ASSERT_EQ(surface_.PageCount(), 5);
  for (std::int32_t page = 1; page <= 5; ++page) {
    ExpectNoTextOverAnother(surface_, page);
  }
  // The arm's description in its 750 units at 6 points: 32 characters.
  EXPECT_EQ(
      FindTexts(surface_, 1, " Standardtherapie Cisplatin 75" + std::string(1, kEllipsis) + " ")
          .size(),
      15U);
  // "Neue Therapie" fits and stands where it always did.
  const auto fits = FindTexts(surface_, 1, " Neue Therapie ");
  ASSERT_EQ(fits.size(), 15U);
  EXPECT_EQ(fits[0].x, 900);
  EXPECT_EQ(fits[0].font.point_size, 12);
}

}  // namespace
}  // namespace zufora::print_test
