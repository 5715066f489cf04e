#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "print/TableLayoutFixture.h"

// Construction and the line arithmetic of the layout engine.
namespace zufora::print_test {
namespace {

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
  TableLayout layout(surface, kNoDate);
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
    TableLayout layout(surface, kNoDate);
    SetBodySize(surface, c.points);
    layout.UpdateLineHeight();
    EXPECT_EQ(layout.LineHeight(), c.line_height) << c.points << " pt at " << c.dpi;
  }
}

TEST(TableLayoutLineHeight, UpdateLineHeightRecomputesRowsPerPage) {
  RecordingSurface surface(4800, 6800, 600);
  TableLayout layout(surface, kNoDate);
  SetBodySize(surface, 12);
  layout.UpdateLineHeight();
  // (6800 - 200 - 100 - 100 - 100 - 100) div 150
  EXPECT_EQ(layout.LinesPerPage(), 41);
}

TEST(TableLayoutLinesPerPage, CountsTheLeftMarginTwiceAndNotTopOrBottom) {
  RecordingSurface surface(4800, 6800, 600);
  TableLayout layout(surface, kNoDate);
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
  TableLayout layout(surface, kNoDate);
  EXPECT_EQ(layout.LineHeight(), 0);
  EXPECT_EQ(layout.LinesPerPage(), 0);
}

TEST(TableLayoutColumnUnit, IsAThirtyTwoBitFloat) {
  RecordingSurface surface(4760, 6800, 600);
  TableLayout layout(surface, kNoDate);
  layout.SetColumnUnit(800);
  // 4760 / 800 = 5.95, held as the float just below it: 100 × unit truncates to 594.
  EXPECT_EQ(layout.ColumnUnit(), 5.95F);
  EXPECT_LT(static_cast<double>(layout.ColumnUnit()), 5.95);
  EXPECT_EQ(std::trunc(100.0 * static_cast<double>(layout.ColumnUnit())), 594.0);

  RecordingSurface even(4800, 6800, 600);
  TableLayout even_layout(even, kNoDate);
  even_layout.SetColumnUnit(800);
  EXPECT_EQ(even_layout.ColumnUnit(), 6.0F);
  even_layout.SetColumnUnit(0);  // no division by zero: the unit stays
  EXPECT_EQ(even_layout.ColumnUnit(), 6.0F);
}

}  // namespace
}  // namespace zufora::print_test
