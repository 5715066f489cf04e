#include "print/TableLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "print/PageBand.h"
#include "print/PrintLogQueries.h"
#include "support/RecordingSurface.h"

namespace zufora {
namespace {

using print_test::DocumentKinds;
using print_test::DrawnLine;
using print_test::FillsOnPage;
using print_test::FindTexts;
using print_test::LinesOnPage;
using print_test::Padded;
using print_test::TextsOnPage;
using Kind = PrintOperation::Kind;

const HeaderDateClock NoDate = [] { return std::string(); };

void SetBodySize(PrintSurface& surface, std::int32_t points) {
  PrintFont font = surface.Font();
  font.point_size = points;
  surface.SetFont(font);
}

// ---------------------------------------------------------------------------------------
// Construction and the line arithmetic

TEST(TableLayoutConstruction, TakesItsMeasuresFromTheEightPointLine) {
  RecordingSurface surface(4800, 6800, 600);
  TableLayout layout(surface, [] { return std::string("01.02.2024"); });

  // 8 points at 600 dpi: 66.67 rounds to 67, times 1.5 is 100.5, truncated 100.
  EXPECT_EQ(layout.LineHeight(), 100);
  EXPECT_EQ(layout.MarginLeft(), 100);
  EXPECT_EQ(layout.MarginRight(), 100);
  EXPECT_EQ(layout.MarginTop(), 100);
  EXPECT_EQ(layout.MarginBottom(), 100);
  EXPECT_EQ(layout.BodyTopGap(), 100);
  EXPECT_EQ(layout.BodyBottomGap(), 100);
  EXPECT_EQ(layout.Footer().Rect(), (PrintRect{100, 6600, 4700, 6700}));
  EXPECT_EQ(layout.Header().Rect(), (PrintRect{100, 100, 4700, 200}));
  // (6800 - 2*100 - 100 - 100 - 100 - 100) div 100
  EXPECT_EQ(layout.LinesPerPage(), 62);
  EXPECT_EQ(layout.LineSpacing(), 1.5F);
  EXPECT_EQ(layout.ColumnUnit(), 1.0F);
  EXPECT_TRUE(layout.Rows().empty());
  EXPECT_FALSE(surface.Printing());
  EXPECT_EQ(surface.PageNumber(), 0);

  const PrintFont& body = surface.Font();
  EXPECT_EQ(body.face, "Arial");
  EXPECT_EQ(body.point_size, 8);
  EXPECT_FALSE(body.bold);
  EXPECT_FALSE(body.italic);
  for (const PageBand* band : {&layout.Footer(), &layout.Header()}) {
    EXPECT_EQ(band->Font().face, "Arial");
    EXPECT_EQ(band->Font().point_size, 8);
    EXPECT_TRUE(band->Font().italic);
    EXPECT_FALSE(band->Font().bold);
  }
}

TEST(TableLayoutConstruction, BandsStayWhereConstructionPutThem) {
  RecordingSurface surface(4800, 6800, 600);
  TableLayout layout(surface, NoDate);
  layout.SetMarginLeft(600);
  layout.SetMarginTop(900);
  SetBodySize(surface, 12);
  layout.UpdateLineHeight();
  EXPECT_EQ(layout.Header().Rect(), (PrintRect{100, 100, 4700, 200}));
  EXPECT_EQ(layout.Footer().Rect(), (PrintRect{100, 6600, 4700, 6700}));
}

TEST(TableLayoutLineHeight, FollowsPointSizeAndResolution) {
  struct Case {
    std::int32_t points;
    std::int32_t dpi;
    std::int32_t line_height;
  };
  for (const Case c : {Case{8, 600, 100}, Case{12, 600, 150}, Case{8, 300, 49}, Case{12, 300, 75},
                       // 3 × 300 ÷ 72 = 12.5: the half rounds away from zero to 13,
                       // 19.5 truncates to 19.
                       Case{3, 300, 19},
                       // A negative size counts by its absolute value.
                       Case{-8, 600, 100}}) {
    RecordingSurface surface(4800, 6800, c.dpi);
    TableLayout layout(surface, NoDate);
    SetBodySize(surface, c.points);
    layout.UpdateLineHeight();
    EXPECT_EQ(layout.LineHeight(), c.line_height) << c.points << " pt at " << c.dpi;
  }
}

TEST(TableLayoutLineHeight, UpdateLineHeightRecomputesRowsPerPage) {
  RecordingSurface surface(4800, 6800, 600);
  TableLayout layout(surface, NoDate);
  SetBodySize(surface, 12);
  layout.UpdateLineHeight();
  // (6800 - 200 - 100 - 100 - 100 - 100) div 150
  EXPECT_EQ(layout.LinesPerPage(), 41);
}

TEST(TableLayoutLinesPerPage, CountsTheLeftMarginTwiceAndNotTopOrBottom) {
  RecordingSurface surface(4800, 6800, 600);
  TableLayout layout(surface, NoDate);
  layout.SetMarginLeft(600);
  layout.SetMarginTop(3000);
  layout.SetMarginBottom(3000);
  layout.SetMarginRight(2000);
  layout.UpdateLinesPerPage();
  // (6800 - 1200 - 100 - 100 - 100 - 100) div 100
  EXPECT_EQ(layout.LinesPerPage(), 52);
  layout.SetBodyTopGap(700);
  layout.SetBodyBottomGap(150);
  layout.UpdateLinesPerPage();
  // (6800 - 1200 - 100 - 100 - 700 - 150) div 100 = 4550 div 100
  EXPECT_EQ(layout.LinesPerPage(), 45);
}

TEST(TableLayoutLinesPerPage, ZeroLineHeightGivesNoRowsInsteadOfDividingByZero) {
  RecordingSurface surface(4800, 6800, 0);
  TableLayout layout(surface, NoDate);
  EXPECT_EQ(layout.LineHeight(), 0);
  EXPECT_EQ(layout.LinesPerPage(), 0);
}

TEST(TableLayoutColumnUnit, IsAThirtyTwoBitFloat) {
  RecordingSurface surface(4760, 6800, 600);
  TableLayout layout(surface, NoDate);
  layout.SetColumnUnit(800);
  // 4760 / 800 = 5.95, held as the float just below it: 100 × unit truncates to 594.
  EXPECT_EQ(layout.ColumnUnit(), 5.95F);
  EXPECT_LT(static_cast<double>(layout.ColumnUnit()), 5.95);
  EXPECT_EQ(std::trunc(100.0 * static_cast<double>(layout.ColumnUnit())), 594.0);

  RecordingSurface even(4800, 6800, 600);
  TableLayout even_layout(even, NoDate);
  even_layout.SetColumnUnit(800);
  EXPECT_EQ(even_layout.ColumnUnit(), 6.0F);
  even_layout.SetColumnUnit(0);  // no division by zero: the unit stays
  EXPECT_EQ(even_layout.ColumnUnit(), 6.0F);
}

// ---------------------------------------------------------------------------------------
// SplitFields, the band

TEST(TableLayoutSplitFields, KeepsEmptyFieldsAndPadsToTheMinimum) {
  using Fields = std::vector<std::string>;
  EXPECT_EQ(TableLayout::SplitFields("a", '\t', 0), (Fields{"a"}));
  EXPECT_EQ(TableLayout::SplitFields("a\t\tb", '\t', 0), (Fields{"a", "", "b"}));
  EXPECT_EQ(TableLayout::SplitFields("a\t", '\t', 0), (Fields{"a", ""}));
  EXPECT_EQ(TableLayout::SplitFields("\ta", '\t', 0), (Fields{"", "a"}));
  EXPECT_EQ(TableLayout::SplitFields("", '\t', 0), (Fields{""}));
  EXPECT_EQ(TableLayout::SplitFields("", '\t', 3), (Fields{"", "", ""}));
  EXPECT_EQ(TableLayout::SplitFields("a\tb", '\t', 4), (Fields{"a", "b", "", ""}));
  EXPECT_EQ(TableLayout::SplitFields("a\tb\tc", '\t', 2), (Fields{"a", "b", "c"}));
  EXPECT_EQ(TableLayout::SplitFields("a\tb", '\t', -5), (Fields{"a", "b"}));
  EXPECT_EQ(TableLayout::SplitFields("x:y\tz", ':', 0), (Fields{"x", "y\tz"}));
}

TEST(PageBandTest, SettingATextClearsItsAutoFlagOnly) {
  PageBand band;
  EXPECT_TRUE(band.LeftAuto());
  EXPECT_TRUE(band.RightAuto());
  EXPECT_TRUE(band.CenterAuto());
  EXPECT_EQ(band.Rect(), (PrintRect{0, 0, 0, 0}));
  EXPECT_EQ(band.Font(), PrintFont{});

  band.SetCenterText("Mitte");
  EXPECT_FALSE(band.CenterAuto());
  EXPECT_TRUE(band.LeftAuto());
  EXPECT_TRUE(band.RightAuto());

  band.FillAutoTexts("links", "auto", "rechts");
  EXPECT_EQ(band.LeftText(), "links");
  EXPECT_EQ(band.CenterText(), "Mitte");
  EXPECT_EQ(band.RightText(), "rechts");
  EXPECT_TRUE(band.LeftAuto());

  band.SetRect(1, 2, 3, 4);
  EXPECT_EQ(band.Rect(), (PrintRect{1, 2, 3, 4}));
}

// ---------------------------------------------------------------------------------------
// Tables. The fixture mirrors the print run's page: 4800 × 6800 at 600 dpi, 12-point body
// (LineHeight 150), left margin 600, BodyTopGap 700: BodyTop 900, 30 rows per page.
// Three columns of widths 100, 0 and 200 units of 6.0: anchors 600, 1200, 1200, end 2400.
// Texts measure 4 units per point and character: 48 per character at 12 points, so
// "XXXX" is 192 wide and the number box starts at 408.

class TableTest : public ::testing::Test {
 protected:
  TableTest()
      : surface_(4800, 6800, 600), layout_(surface_, [] { return std::string("01.02.2024"); }) {
    layout_.SetColumnUnit(800);
    SetBodySize(surface_, 12);
    layout_.SetMarginLeft(600);
    layout_.SetBodyTopGap(700);
    layout_.SetPageTitle("Titel");
    layout_.SetPageSubTitle("Untertitel");
    layout_.BeginDocument();
  }

  void PrintRows(std::vector<std::string> rows) {
    layout_.Rows() = std::move(rows);
    ASSERT_TRUE(layout_.PrintTable(titles_, widths_, codes_));
  }

  static std::vector<std::string> NumberedRows(int count) {
    std::vector<std::string> rows;
    for (int i = 0; i < count; ++i) {
      std::string row = "r";
      row += std::to_string(i);
      row += "\tb\tc";
      rows.push_back(std::move(row));
    }
    return rows;
  }

  // The band of row k on its page: [900 + (k rem 30) × 150 - 25, +150).
  static PrintRect Band(std::int32_t row_on_page) {
    const std::int32_t top = 900 + row_on_page * 150 - 25;
    return PrintRect{408, top, 2400, top + 150};
  }

  RecordingSurface surface_;
  TableLayout layout_;
  std::vector<std::string> titles_{"A", "B", "C"};
  std::vector<std::string> widths_{"100", "0", "200"};
  std::vector<std::string> codes_{"1", "0", "2"};
};

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

TEST_F(TableTest, CellsAreNotClippedToTheirColumn) {
  // 62 characters with its blanks: 2976 wide, far wider than any of the columns.
  const std::string wide(60, 'w');
  PrintRows({wide + "\t" + wide + "\t" + wide});
  const auto cells = FindTexts(surface_, 1, Padded(wide));
  ASSERT_EQ(cells.size(), 3U);
  EXPECT_EQ(cells[0].x, 600);                 // runs on past 1200
  EXPECT_EQ(cells[1].x, 1200 - 62 * 48);      // right-aligned: runs on to the left
  EXPECT_EQ(cells[2].x, 1200 - 62 * 48 / 2);  // centred
  EXPECT_LT(cells[1].x, 0);
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

TEST(TableLayoutBand, CentresWithDivisionTowardZero) {
  // One unit per point and character; a 1-point header font measures one per byte.
  RecordingSurface surface(4800, 6800, 600, 1);
  TableLayout layout(surface, NoDate);
  layout.Header().Font().point_size = 1;
  layout.Header().SetCenterText(std::string(4801, 'c'));
  layout.Header().SetRightText("abc");
  layout.DrawHeader();
  const auto texts = TextsOnPage(surface, 0);
  ASSERT_EQ(texts.size(), 3U);
  EXPECT_EQ(texts[1].x, 4697);
  // (100 + 4700 - 4801) div 2 = -1 div 2 = 0, not -1.
  EXPECT_EQ(texts[2].x, 0);
  // The canvas font is restored after the band.
  EXPECT_EQ(surface.Font().point_size, 8);
  EXPECT_FALSE(surface.Font().italic);
}

TEST(TableLayoutAlignedText, AlignsByCode) {
  RecordingSurface surface(4800, 6800, 600, 1);
  TableLayout layout(surface, NoDate);
  SetBodySize(surface, 3);  // 3 units per character
  layout.UpdateLineHeight();
  layout.DrawAlignedText("ab", 0, 1000, 0);
  layout.DrawAlignedText("ab", 0, 1000, 1);
  layout.DrawAlignedText("ab", 0, 1000, 2);
  layout.DrawAlignedText("ab", 0, 1000, 9);
  layout.DrawAlignedText("ab", 0, 1000, -1);
  layout.DrawAlignedText("a", 0, 1000, 2);
  const auto texts = TextsOnPage(surface, 0);
  ASSERT_EQ(texts.size(), 6U);
  EXPECT_EQ(texts[0].x, 994);
  EXPECT_EQ(texts[1].x, 1000);
  EXPECT_EQ(texts[2].x, 997);  // 6 div 2
  EXPECT_EQ(texts[3].x, 1000);
  EXPECT_EQ(texts[4].x, 1000);
  EXPECT_EQ(texts[5].x, 999);  // 3 div 2 is 1
}

TEST(TableLayoutLifecycle, DestroyingTheEngineEndsAnOpenDocument) {
  RecordingSurface surface(4800, 6800, 600);
  {
    TableLayout layout(surface, NoDate);
    layout.SetDocumentName("Dokument");
    layout.BeginDocument();
    EXPECT_EQ(surface.PageNumber(), 1);
    layout.NewPage();
    EXPECT_EQ(surface.PageNumber(), 2);
  }
  EXPECT_FALSE(surface.Printing());
  EXPECT_EQ(surface.PageNumber(), 0);
  EXPECT_EQ(DocumentKinds(surface),
            (std::vector<Kind>{Kind::kBeginDocument, Kind::kNewPage, Kind::kEndDocument}));
  EXPECT_EQ(surface.Log().front().text, "Dokument");
}

TEST(PrintSurfaceTest, DocumentOperationsOutOfOrderAreRefused) {
  RecordingSurface surface(100, 100, 72);
  EXPECT_THROW(surface.NewPage(), std::logic_error);
  EXPECT_THROW(surface.EndDocument(), std::logic_error);
  surface.BeginDocument("x");
  EXPECT_THROW(surface.BeginDocument("y"), std::logic_error);
  EXPECT_EQ(surface.PageNumber(), 1);
}

}  // namespace
}  // namespace zufora
