#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/TableLayoutFixture.h"
#include "print/TextFitter.h"

// Tables page after page: headings, rows, shading, grid, bands. The fixture is
// TableLayoutFixture.h.
namespace zufora::print_test {
namespace {

TEST_F(TableTest, HeadingLinesLieFourThreeAndOneRowAboveTheBody) {
  PrintRows({});
  const auto title = FindTexts(surface_, 1, "Titel");
  ASSERT_EQ(title.size(), 1U);
  EXPECT_EQ(title[0].x, 600);
  EXPECT_EQ(title[0].y, 300);
  EXPECT_EQ(title[0].font.point_size, 14);
  EXPECT_TRUE(title[0].font.bold);

  const auto sub_title = FindTexts(surface_, 1, "Untertitel");
  ASSERT_EQ(sub_title.size(), 1U);
  EXPECT_EQ(sub_title[0].y, 450);
  EXPECT_EQ(sub_title[0].font.point_size, 12);
  EXPECT_FALSE(sub_title[0].font.bold);

  // Column titles in bold 12 points at y 750; " B " is right-aligned: 1200 - 144.
  const auto a = FindTexts(surface_, 1, " A ");
  const auto b = FindTexts(surface_, 1, " B ");
  const auto c = FindTexts(surface_, 1, " C ");
  ASSERT_EQ(a.size(), 1U);
  ASSERT_EQ(b.size(), 1U);
  ASSERT_EQ(c.size(), 1U);
  EXPECT_EQ(a[0].x, 600);
  EXPECT_EQ(b[0].x, 1056);
  EXPECT_EQ(c[0].x, 1200 - 72);  // centred
  for (const auto& t : {a[0], b[0], c[0]}) {
    EXPECT_EQ(t.y, 750);
    EXPECT_TRUE(t.font.bold);
    EXPECT_EQ(t.font.point_size, 12);
  }
  // The body font is left as it was.
  EXPECT_EQ(surface_.Font().point_size, 12);
  EXPECT_FALSE(surface_.Font().bold);
}

TEST_F(TableTest, EmptyBlockPrintsOnePageWithTheGridAroundTheColumnTitlesOnly) {
  PrintRows({});
  EXPECT_EQ(DocumentKinds(surface_), (std::vector<Kind>{Kind::kBeginDocument}));
  EXPECT_TRUE(FillsOnPage(surface_, 1).empty());
  const std::vector<DrawnLine> expected{
      {600, 725, 600, 875},   {408, 725, 408, 875},  {1200, 725, 1200, 875}, {1200, 725, 1200, 875},
      {2400, 725, 2400, 875}, {408, 725, 2400, 725}, {408, 875, 2400, 875},  {408, 875, 2400, 875}};
  EXPECT_EQ(LinesOnPage(surface_, 1), expected);
}

TEST_F(TableTest, RowsSitOneLineHeightApartWithOddRowsShaded) {
  PrintRows(NumberedRows(4));
  for (std::int32_t k = 0; k < 4; ++k) {
    const auto cell = FindTexts(surface_, 1, Padded("r" + std::to_string(k)));
    ASSERT_EQ(cell.size(), 1U) << k;
    EXPECT_EQ(cell[0].x, 600);
    EXPECT_EQ(cell[0].y, 900 + 150 * k);
    EXPECT_FALSE(cell[0].font.bold);
  }
  EXPECT_EQ(FillsOnPage(surface_, 1), (std::vector<PrintRect>{Band(1), Band(3)}));
  for (const PrintOperation& op : surface_.Log()) {
    if (op.kind == Kind::kFillRect) {
      EXPECT_EQ(op.color, (PrintColor{192, 192, 192}));
    }
  }
  // The shading comes before the text of its row.
  const auto& log = surface_.Log();
  std::size_t fill_at = 0;
  std::size_t text_at = 0;
  for (std::size_t i = 0; i < log.size(); ++i) {
    if (log[i].kind == Kind::kFillRect && fill_at == 0) {
      fill_at = i;
    }
    if (log[i].text == " r1 ") {
      text_at = i;
    }
  }
  EXPECT_LT(fill_at, text_at);
  // Grid down to the bottom of row 3's band: 900 + 3 × 150 + 150 - 25.
  const auto lines = LinesOnPage(surface_, 1);
  ASSERT_EQ(lines.size(), 8U);
  EXPECT_EQ(lines[0], (DrawnLine{600, 725, 600, 1475}));
  EXPECT_EQ(lines[6], (DrawnLine{408, 1475, 2400, 1475}));
}

TEST_F(TableTest, AFullPageNeedsNoSecondPage) {
  PrintRows(NumberedRows(30));
  EXPECT_EQ(DocumentKinds(surface_), (std::vector<Kind>{Kind::kBeginDocument}));
  EXPECT_EQ(FindTexts(surface_, 1, " r29 ").at(0).y, 900 + 29 * 150);
  EXPECT_EQ(LinesOnPage(surface_, 1).at(0), (DrawnLine{600, 725, 600, 5375}));
  EXPECT_EQ(FillsOnPage(surface_, 1).size(), 15U);
}

TEST_F(TableTest, OneRowMoreStartsASecondPageAtTheTop) {
  PrintRows(NumberedRows(31));
  EXPECT_EQ(DocumentKinds(surface_), (std::vector<Kind>{Kind::kBeginDocument, Kind::kNewPage}));
  const auto last = FindTexts(surface_, 2, " r30 ");
  ASSERT_EQ(last.size(), 1U);
  EXPECT_EQ(last[0].y, 900);
  EXPECT_TRUE(FindTexts(surface_, 2, " r29 ").empty());
  // Row 30 is even: page 2 has no shading; its grid ends under the one row.
  EXPECT_TRUE(FillsOnPage(surface_, 2).empty());
  EXPECT_EQ(LinesOnPage(surface_, 2).at(0), (DrawnLine{600, 725, 600, 1025}));
  // Every page carries its own headings.
  EXPECT_EQ(FindTexts(surface_, 2, "Titel").size(), 1U);
  EXPECT_EQ(FindTexts(surface_, 2, " A ").size(), 1U);
}

TEST_F(TableTest, ShadingFollowsTheRowOfTheBlockNotOfThePage) {
  // 150 more below the body: (4700 - 250) div 150 = 29 rows per page.
  layout_.SetBodyBottomGap(250);
  PrintRows(NumberedRows(30));
  ASSERT_EQ(layout_.LinesPerPage(), 29);
  EXPECT_EQ(FindTexts(surface_, 2, " r29 ").at(0).y, 900);
  EXPECT_EQ(FillsOnPage(surface_, 2), (std::vector<PrintRect>{Band(0)}));
}

TEST_F(TableTest, WithFourRowsOrFewerTheHeadingsFoldIntoTheTable) {
  // (4700 - 4200) div 150 = 3 rows per page.
  layout_.SetBodyBottomGap(4200);
  PrintRows(NumberedRows(1));
  ASSERT_EQ(layout_.LinesPerPage(), 3);
  // -4 rem 3 = -1: the title falls on the column-title row; -3 rem 3 = 0: the
  // sub-title on row 0.
  EXPECT_EQ(FindTexts(surface_, 1, "Titel").at(0).y, 750);
  EXPECT_EQ(FindTexts(surface_, 1, " A ").at(0).y, 750);
  EXPECT_EQ(FindTexts(surface_, 1, "Untertitel").at(0).y, 900);
  EXPECT_EQ(FindTexts(surface_, 1, " r0 ").at(0).y, 900);
}

TEST_F(TableTest, NoRoomForARowDrawsNothing) {
  layout_.SetBodyBottomGap(5000);
  const std::size_t before = surface_.Log().size();
  PrintRows(NumberedRows(5));
  EXPECT_LE(layout_.LinesPerPage(), 0);
  EXPECT_EQ(surface_.Log().size(), before);
}

TEST_F(TableTest, SeparatorAndCentreRowsAreDrawnAsPlainTextAtTheMargin) {
  PrintRows({"------- Block ------", "Zentrum\tx\ty", "r2\tb\tc"});
  const auto separator = FindTexts(surface_, 1, "------- Block ------");
  ASSERT_EQ(separator.size(), 1U);
  EXPECT_EQ(separator[0].x, 600);
  EXPECT_EQ(separator[0].y, 900);
  const auto centre = FindTexts(surface_, 1, "Zentrum");
  ASSERT_EQ(centre.size(), 1U);
  EXPECT_EQ(centre[0].x, 600);
  EXPECT_EQ(centre[0].y, 1050);
  EXPECT_TRUE(FindTexts(surface_, 1, " x ").empty());
  // They are rows like any other: row 1 is shaded, the grid crosses them.
  EXPECT_EQ(FillsOnPage(surface_, 1), (std::vector<PrintRect>{Band(1)}));
  EXPECT_EQ(LinesOnPage(surface_, 1).at(0), (DrawnLine{600, 725, 600, 1325}));
}

TEST_F(TableTest, TheTextsToCompareRowsWithAreTheCallers) {
  layout_.SetBlockSeparator("=== Block ===");
  layout_.SetCenterCaption("Centre");
  PrintRows({"=== Block ===", "------- Block ------"});
  EXPECT_EQ(FindTexts(surface_, 1, "=== Block ===").size(), 1U);
  EXPECT_EQ(FindTexts(surface_, 1, " ------- Block ------ ").size(), 1U);
}

// The fixture's rooms: A starts at 600 and shares the cell up to 1200 with B and C,
// which run into it from 1200: A has 600 to 900, B 900 to 1200; C is centred at 1200
// with 300 on either side (the nearer side's share). At 12 points a character is 48
// wide, a blank too; the blank facing away from the anchor may stand outside.
TEST_F(TableTest, ACellThatFitsStandsAsItIsOneThatDoesNotIsSetSmaller) {
  // " abcde " needs 7 × 48 − 48 = 288 <= 300; " abcdef " needs 336: at 11 points
  // 8 × 44 − 44 = 308 is still too wide, at 10 points 280 fits.
  PrintRows({"abcde\tabcde\tabcde", "abcdef\tabcdef\tabcdef"});
  const auto fits = FindTexts(surface_, 1, " abcde ");
  ASSERT_EQ(fits.size(), 3U);
  EXPECT_EQ(fits[0].x, 600);
  EXPECT_EQ(fits[1].x, 1200 - 7 * 48);
  EXPECT_EQ(fits[2].x, 1200 - 7 * 48 / 2);
  for (const PrintOperation& op : fits) {
    EXPECT_EQ(op.y, 900);
    EXPECT_EQ(op.font.point_size, 12);
  }
  const auto smaller = FindTexts(surface_, 1, " abcdef ");
  ASSERT_EQ(smaller.size(), 3U);
  EXPECT_EQ(smaller[0].x, 600);
  EXPECT_EQ(smaller[0].font.point_size, 10);
  EXPECT_EQ(smaller[1].x, 1200 - 8 * 40);
  EXPECT_EQ(smaller[1].font.point_size, 10);
  // The centred one has 600 and fits as it is.
  EXPECT_EQ(smaller[2].x, 1200 - 8 * 48 / 2);
  EXPECT_EQ(smaller[2].font.point_size, 12);
  // The baseline stays on the row's: 100 − 83 (the fonts' ascents) further down.
  EXPECT_EQ(smaller[0].y, 1050 + 100 - 83);
  // The body font is left as it was.
  EXPECT_EQ(surface_.Font().point_size, 12);
}

TEST_F(TableTest, ACellTooWideEvenAtSixPointsIsCutWithAnEllipsis) {
  // 62 characters with its blanks. At 6 points (24 a character) A and B take 13
  // characters (13 × 24 − 24 = 288 <= 300, 14 would need 312), C with both blanks
  // outside 27 (27 × 24 − 48 = 600).
  const std::string wide(60, 'w');
  PrintRows({wide + "\t" + wide + "\t" + wide});
  const std::string ten = " " + std::string(10, 'w') + kEllipsis + " ";
  const std::string twenty_four = " " + std::string(24, 'w') + kEllipsis + " ";
  const auto cut = FindTexts(surface_, 1, ten);
  ASSERT_EQ(cut.size(), 2U);
  EXPECT_EQ(cut[0].x, 600);
  EXPECT_EQ(cut[1].x, 1200 - 13 * 24);
  const auto centred = FindTexts(surface_, 1, twenty_four);
  ASSERT_EQ(centred.size(), 1U);
  EXPECT_EQ(centred[0].x, 1200 - 27 * 24 / 2);
  for (const PrintOperation& op : {cut[0], cut[1], centred[0]}) {
    EXPECT_EQ(op.font.point_size, 6);
    EXPECT_EQ(op.y, 900 + 100 - 50);
    // The ink (the text less its blanks) stays within 600 and 1500.
    EXPECT_GE(op.x + 24, 600);
    EXPECT_LE(op.x + static_cast<std::int32_t>(op.text.size()) * 24 - 24, 1500);
  }
  EXPECT_TRUE(FindTexts(surface_, 1, Padded(wide)).empty());
}

TEST_F(TableTest, ColumnTitlesTitleAndSeparatorsKeepToTheirRoomToo) {
  titles_ = {"A", "Beschreibung", "C"};
  layout_.SetPageTitle(std::string(80, 'T'));
  layout_.SetBlockSeparator(std::string(100, '='));
  PrintRows({std::string(100, '=')});
  // " Beschreibung " in B's 300: too wide at 6 points (14 × 24 − 24 = 312); cut to 13.
  const auto heading = FindTexts(surface_, 1, std::string(" Beschreibu") + kEllipsis + " ");
  ASSERT_EQ(heading.size(), 1U);
  EXPECT_EQ(heading[0].x, 1200 - 13 * 24);
  EXPECT_TRUE(heading[0].font.bold);
  EXPECT_EQ(heading[0].y, 750 + 100 - 50);
  // The title between the margin and the header band's end, 600 to 4700: 80 × 56 at
  // 14 points and 80 × 52 at 13 are too wide, 80 × 48 = 3840 fits at 12.
  const auto title = FindTexts(surface_, 1, std::string(80, 'T'));
  ASSERT_EQ(title.size(), 1U);
  EXPECT_EQ(title[0].x, 600);
  EXPECT_EQ(title[0].font.point_size, 12);
  EXPECT_TRUE(title[0].font.bold);
  EXPECT_EQ(title[0].y, 300 + 117 - 100);
  // The separator within the table, 600 to 2400: 75 characters at 6 points.
  const auto separator = FindTexts(surface_, 1, std::string(74, '=') + kEllipsis);
  ASSERT_EQ(separator.size(), 1U);
  EXPECT_EQ(separator[0].x, 600);
  EXPECT_EQ(separator[0].font.point_size, 6);
}

// A row of one field has the row to itself: it stays where its column puts it while it
// is on the page, is moved to the page's left edge when it is not, and is cut at the
// table's end (2400) when it is wider than that.
TEST_F(TableTest, AOneFieldRowKeepsBetweenThePageEdgeAndTheTableEnd) {
  codes_ = {"0", "0", "2"};  // the first column ends at the margin, as the print run's
  PrintRows({"kurz", std::string(20, 'm'), std::string(95, 'l'), std::string(150, 'n'), "x\ty"});
  // " kurz " ends at 600; " m…m " would begin at 600 − 22 × 48 < 0.
  EXPECT_EQ(FindTexts(surface_, 1, " kurz ").at(0).x, 600 - 6 * 48);
  const auto moved = FindTexts(surface_, 1, Padded(std::string(20, 'm')));
  ASSERT_EQ(moved.size(), 1U);
  EXPECT_EQ(moved[0].x, 0);
  EXPECT_EQ(moved[0].font.point_size, 12);
  // 97 × 28 − 28 > 2400 at 7 points; at 6 points 97 × 24 − 24 = 2304 fits.
  const auto smaller = FindTexts(surface_, 1, Padded(std::string(95, 'l')));
  ASSERT_EQ(smaller.size(), 1U);
  EXPECT_EQ(smaller[0].x, 0);
  EXPECT_EQ(smaller[0].font.point_size, 6);
  // 152 characters are too many even then: 101 fit (101 × 24 − 24 = 2400).
  const auto cut = FindTexts(surface_, 1, " " + std::string(98, 'n') + kEllipsis + " ");
  ASSERT_EQ(cut.size(), 1U);
  EXPECT_EQ(cut[0].x, 0);
  // A row of two fields is kept to the number box: " x " fits there.
  EXPECT_EQ(FindTexts(surface_, 1, " x ").at(0).x, 600 - 3 * 48);
}

// A page the surface does not draw is passed over: nothing is drawn on it, and the
// pages that are drawn look exactly as in a run that draws every page.
TEST_F(TableTest, PagesTheSurfaceDoesNotDrawArePassedOver) {
  PrintRows(NumberedRows(75));
  RecordingSurface partial(4800, 6800, 600);
  partial.SetDrawnPages(2, 2);
  TableLayout layout(partial, [] { return std::string("01.02.2024"); });
  layout.SetColumnUnit(800);
  SetBodySize(partial, 12);
  layout.SetMarginLeft(600);
  layout.SetBodyTopGap(700);
  layout.SetPageTitle("Titel");
  layout.SetPageSubTitle("Untertitel");
  layout.BeginDocument();
  layout.Rows() = NumberedRows(75);
  layout.PrintTable(titles_, widths_, codes_);

  EXPECT_EQ(DocumentKinds(partial), DocumentKinds(surface_));
  std::vector<PrintOperation> drawn_page_2;
  std::vector<PrintOperation> full_page_2;
  for (const PrintOperation& op : partial.Log()) {
    if (op.kind != Kind::kBeginDocument && op.kind != Kind::kNewPage) {
      EXPECT_EQ(op.page, 2) << op.text;
      drawn_page_2.push_back(op);
    }
  }
  for (const PrintOperation& op : surface_.Log()) {
    if (op.page == 2 && op.kind != Kind::kNewPage) {
      full_page_2.push_back(op);
    }
  }
  EXPECT_EQ(drawn_page_2, full_page_2);
  EXPECT_FALSE(full_page_2.empty());
}

TEST_F(TableTest, ExtraFieldsJoinTheLastColumn) {
  PrintRows({"a\tb\tc\td\te", "x"});
  const auto row0 = TextsOnPage(surface_, 1);
  EXPECT_EQ(FindTexts(surface_, 1, " c d e ").size(), 1U);
  EXPECT_TRUE(FindTexts(surface_, 1, " d ").empty());
  // Short rows are padded: the second row draws all three cells.
  EXPECT_EQ(FindTexts(surface_, 1, " x ").size(), 1U);
  std::size_t blanks = 0;
  for (const PrintOperation& op : row0) {
    if (op.text == "  " && op.y == 1050) {
      ++blanks;
    }
  }
  EXPECT_EQ(blanks, 2U);
}

TEST_F(TableTest, WidthsAndCodesThatAreNoIntegersCountAsZeroAndLeft) {
  widths_ = {"zehn", "100", "x"};
  codes_ = {"0", "rechts", "7"};
  PrintRows({"a\tb\tc"});
  // Anchors: 600, 600 + 0, 600 + 600.
  EXPECT_EQ(FindTexts(surface_, 1, " a ").at(0).x, 600 - 3 * 48);
  EXPECT_EQ(FindTexts(surface_, 1, " b ").at(0).x, 600);
  EXPECT_EQ(FindTexts(surface_, 1, " c ").at(0).x, 1200);
}

TEST_F(TableTest, HeaderDateStaysAndFooterPageNumberRuns) {
  PrintRows(NumberedRows(61));
  for (std::int32_t page = 1; page <= 3; ++page) {
    const auto texts = TextsOnPage(surface_, page);
    ASSERT_GE(texts.size(), 3U);
    // Header: left, right, centre, in this order, at the band's top.
    EXPECT_EQ(texts[0].text, "");
    EXPECT_EQ(texts[0].x, 100);
    EXPECT_EQ(texts[1].text, "01.02.2024");
    EXPECT_EQ(texts[1].x, 4700 - 10 * 8 * 4);  // 8-point italic band font
    EXPECT_EQ(texts[1].y, 100);
    EXPECT_TRUE(texts[1].font.italic);
    EXPECT_EQ(texts[2].x, 2400);

    const std::string number = std::to_string(page);
    const auto footer = FindTexts(surface_, page, number);
    ASSERT_EQ(footer.size(), 1U) << page;
    EXPECT_EQ(footer[0].x, 4700 - 32);
    EXPECT_EQ(footer[0].y, 6600);
  }
  EXPECT_FALSE(layout_.Header().RightAuto());
  EXPECT_TRUE(layout_.Footer().RightAuto());
}

TEST_F(TableTest, ExplicitBandTextsAreDrawnAsTheyStand) {
  layout_.Footer().SetRightText("Seite");
  layout_.Header().SetLeftText("Kopf");
  PrintRows(NumberedRows(31));
  for (std::int32_t page = 1; page <= 2; ++page) {
    EXPECT_EQ(FindTexts(surface_, page, "Seite").size(), 1U);
    EXPECT_EQ(FindTexts(surface_, page, "Kopf").at(0).x, 100);
    EXPECT_TRUE(FindTexts(surface_, page, std::to_string(page)).empty());
  }
}

}  // namespace
}  // namespace zufora::print_test
