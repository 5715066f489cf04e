#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/ListPrintRunFixture.h"
#include "print/TextFitter.h"

// The pages of a print run: what stands where, for a list without centres.
namespace zufora::print_test {
namespace {

TEST_F(PrintRunTest, TheResultingPage) {
  Print(SingleList(35));  // 36 rows: 30 on page 1, 6 on page 2

  EXPECT_EQ(DocumentKinds(surface_),
            (std::vector<Kind>{Kind::kBeginDocument, Kind::kNewPage, Kind::kEndDocument}));
  EXPECT_EQ(surface_.Log().front().text, "Quandel Zufora Version 1.2");

  // Header band: 100 to 4700, text top 100, the date ending at 4700, Arial 10 italic.
  const PrintOperation date = Only(1, "24.05.2024");
  EXPECT_EQ(date.x, 4700 - 400);
  EXPECT_EQ(date.y, 100);
  EXPECT_EQ(date.font, (PrintFont{"Arial", 10, false, true, {}}));

  const PrintOperation title = FindTexts(surface_, 1, "Teststudie").at(0);
  EXPECT_EQ(title.x, 600);
  EXPECT_EQ(title.y, 300);
  EXPECT_EQ(title.font, (PrintFont{"Arial", 14, true, false, {}}));

  // Sub-title: empty in a list without centres, at (600, 450), regular.
  const auto texts = TextsOnPage(surface_, 1);
  bool sub_title_found = false;
  for (const PrintOperation& op : texts) {
    if (op.x == 600 && op.y == 450) {
      EXPECT_EQ(op.text, "");
      EXPECT_EQ(op.font, (PrintFont{"Arial", 12, false, false, {}}));
      sub_title_found = true;
    }
  }
  EXPECT_TRUE(sub_title_found);

  // Column titles, bold, at y 750; anchors 600, 900, 900, 1650, 2400, 3300, 3900.
  struct Title {
    std::string text;
    std::int32_t x;
  };
  for (const Title& t :
       {Title{" ID ", 600 - 4 * 48}, Title{" Arm ", 900 - 5 * 48}, Title{" Studienarm ", 900},
        Title{" Zentrum ", 1650}, Title{" Patient ", 2400}, Title{" Geb.-Dat. ", 3300},
        Title{" Datum ", 3900}}) {
    const PrintOperation op = Only(1, t.text);
    EXPECT_EQ(op.x, t.x) << t.text;
    EXPECT_EQ(op.y, 750) << t.text;
    EXPECT_EQ(op.font, (PrintFont{"Arial", 12, true, false, {}})) << t.text;
  }

  // Row 0 is the seed note. Right-aligned at the margin it would begin at 600 − 14 × 48,
  // its "S" left of the printable area: it starts at the area's left edge instead.
  const PrintOperation seed = Only(1, " Seed: (4711) ");
  EXPECT_EQ(seed.x, 0);
  EXPECT_EQ(seed.y, 900);
  // Patient k is row k, at 900 + k × 150: the number ends at the margin, the arm at
  // 900, then the description and four empty cells at their anchors.
  for (std::int32_t k = 1; k <= 29; ++k) {
    std::vector<PrintOperation> row;
    for (const PrintOperation& op : TextsOnPage(surface_, 1)) {
      if (op.y == 900 + k * 150) {
        row.push_back(op);
      }
    }
    ASSERT_EQ(row.size(), 7U) << k;
    const std::string number = Padded(std::to_string(k));
    EXPECT_EQ(row[0].text, number);
    EXPECT_EQ(row[0].x, 600 - static_cast<std::int32_t>(number.size()) * 48);
    EXPECT_EQ(row[1].text, " 1 ");
    EXPECT_EQ(row[1].x, 900 - 3 * 48);
    EXPECT_EQ(row[2].text, " Verum ");
    EXPECT_EQ(row[2].x, 900);
    const std::int32_t empty_anchors[] = {1650, 2400, 3300, 3900};
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(row[3 + i].text, "  ");
      EXPECT_EQ(row[3 + i].x, empty_anchors[i]);
    }
    EXPECT_EQ(row[0].font, (PrintFont{"Arial", 12, false, false, {}}));
  }
  EXPECT_TRUE(FindTexts(surface_, 1, " 30 ").empty());

  // Rows 1, 3, …, 29 shaded from the number box to the table's end at 4500.
  std::vector<PrintRect> shading;
  for (std::int32_t k = 1; k < 30; k += 2) {
    shading.push_back(PrintRect{408, 900 + k * 150 - 25, 4500, 900 + k * 150 + 125});
  }
  EXPECT_EQ(FillsOnPage(surface_, 1), shading);

  const std::vector<DrawnLine> grid{
      {600, 725, 600, 5375},   {408, 725, 408, 5375},   {900, 725, 900, 5375},
      {900, 725, 900, 5375},   {1650, 725, 1650, 5375}, {2400, 725, 2400, 5375},
      {3300, 725, 3300, 5375}, {3900, 725, 3900, 5375}, {4500, 725, 4500, 5375},
      {408, 725, 4500, 725},   {408, 5375, 4500, 5375}, {408, 875, 4500, 875}};
  EXPECT_EQ(LinesOnPage(surface_, 1), grid);

  // Footer band: study name left, page number right, text top 6600.
  const auto footer_texts = TextsOnPage(surface_, 1);
  ASSERT_GE(footer_texts.size(), 3U);
  const PrintOperation& left = footer_texts[footer_texts.size() - 3];
  const PrintOperation& right = footer_texts[footer_texts.size() - 2];
  const PrintOperation& middle = footer_texts[footer_texts.size() - 1];
  EXPECT_EQ(left.text, "Teststudie");
  EXPECT_EQ(left.x, 100);
  EXPECT_EQ(left.y, 6600);
  EXPECT_EQ(right.text, "1");
  EXPECT_EQ(right.x, 4700 - 40);
  EXPECT_EQ(middle.text, "");
  EXPECT_EQ(middle.x, 2400);
  EXPECT_EQ(middle.font, (PrintFont{"Arial", 10, false, true, {}}));

  // Page 2: rows 30 … 35 from the top, the date unchanged, page number 2.
  EXPECT_EQ(Only(2, " 30 ").y, 900);
  EXPECT_EQ(Only(2, " 35 ").y, 900 + 5 * 150);
  EXPECT_EQ(Only(2, "24.05.2024").x, 4300);
  EXPECT_EQ(Only(2, "2").x, 4660);
  EXPECT_EQ(FillsOnPage(surface_, 2).size(), 3U);  // rows 31, 33, 35
  EXPECT_EQ(LinesOnPage(surface_, 2).at(0), (DrawnLine{600, 725, 600, 1775}));

  EXPECT_EQ(run_.Layout(), nullptr);
  EXPECT_FALSE(surface_.Printing());
}

TEST_F(PrintRunTest, ASecondJobOnTheSameSurfaceLaysOutAlike) {
  // The first run leaves the surface's font at 12 points; the next job must not start
  // from it.
  Print(SingleList(5));
  const std::vector<PrintOperation> first = surface_.Log();
  surface_.ClearLog();
  Print(SingleList(5));
  EXPECT_EQ(surface_.Log(), first);
}

TEST_F(PrintRunTest, AnEmptyListFieldPrintsOneBarePage) {
  run_.Print(surface_, job_);
  EXPECT_EQ(DocumentKinds(surface_), (std::vector<Kind>{Kind::kBeginDocument, Kind::kEndDocument}));
  // Header 3, title, seven column titles, sub-title, footer 3.
  const auto texts = TextsOnPage(surface_, 1);
  EXPECT_EQ(texts.size(), 15U);
  EXPECT_EQ(Only(1, "24.05.2024").y, 100);
  EXPECT_EQ(Only(1, "1").y, 6600);
  EXPECT_TRUE(FillsOnPage(surface_, 1).empty());
  const auto lines = LinesOnPage(surface_, 1);
  ASSERT_EQ(lines.size(), 12U);
  EXPECT_EQ(lines[0], (DrawnLine{600, 725, 600, 875}));
  EXPECT_EQ(lines[10], (DrawnLine{408, 875, 4500, 875}));
  EXPECT_TRUE(run_.Lines().empty());
}

TEST_F(PrintRunTest, OneHugeLineIsCutAtTheEdgesOfItsRoom) {
  // A list field that holds one line of many megabytes, as a paste may leave it: the
  // line is the title (and the footer's left text); after it, a row of one such field.
  const std::string huge(4u << 20, 'x');
  job_.list_text = huge;
  run_.Print(surface_, job_);
  // The title between the margin and the header band's end, 600 to 4700, at 6 points
  // (24 a character): 170 characters. The footer's, in 10 points (40 a character), up
  // to two blanks before the page number: 100 to 4580, 112 characters.
  const auto title = FindTexts(surface_, 1, std::string(169, 'x') + kEllipsis);
  ASSERT_EQ(title.size(), 1U);
  EXPECT_EQ(title[0].x, 600);
  EXPECT_EQ(title[0].font.point_size, 6);
  const auto footer = FindTexts(surface_, 1, std::string(111, 'x') + kEllipsis);
  ASSERT_EQ(footer.size(), 1U);
  EXPECT_EQ(footer[0].x, 100);
  EXPECT_EQ(footer[0].y, 6600);
  EXPECT_EQ(surface_.PageCount(), 1);

  RecordingSurface second(4800, 6800, 600);
  job_.list_text = "Titel\n" + huge;
  run_.Print(second, job_);
  // A row of one field: from the printable area's left edge to the table's end at
  // 4500, 188 characters at 6 points (188 × 24 − 24 = 4488).
  const auto row = FindTexts(second, 1, " " + std::string(185, 'x') + kEllipsis + " ");
  ASSERT_EQ(row.size(), 1U);
  EXPECT_EQ(row.at(0).x, 0);
  EXPECT_EQ(second.PageCount(), 1);
}

// The seed note of a single list whose ten-digit seed would push it out of the page is
// printed whole from the page's left edge; a short one stays at the margin.
TEST_F(PrintRunTest, TheSeedNoteIsOnThePageWhole) {
  Print({"Studie", "Seed: (2043627648)", "1\t1\tA"});
  const PrintOperation ten_digits = Only(1, " Seed: (2043627648) ");
  EXPECT_EQ(ten_digits.x, 0);
  EXPECT_EQ(ten_digits.y, 900);
  EXPECT_EQ(ten_digits.font.point_size, 12);

  surface_.ClearLog();
  Print({"Studie", "Seed: (1)", "1\t1\tA"});
  EXPECT_EQ(Only(1, " Seed: (1) ").x, 600 - 11 * 48);
}

TEST_F(PrintRunTest, TheMarginIsTheTruncatedEighthOfThePage) {
  RecordingSurface narrow(4760, 6800, 600);
  job_.list_text = "Titel\n";
  run_.Print(narrow, job_);
  // ColumnUnit 4760 / 800 as a float just below 5.95: 100 × it truncates to 594.
  EXPECT_EQ(FindTexts(narrow, 1, "Titel").at(0).x, 594);
}

}  // namespace
}  // namespace zufora::print_test
