#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/ColumnRooms.h"
#include "print/TextFitter.h"
#include "support/RecordingSurface.h"

// The rooms of table columns and the fitting of texts into them.
namespace zufora {
namespace {

// The print run's columns on a page 4800 wide: the number box from 408, the margin at
// 600, then ID (ending at 600), Arm (ending at 900), and five columns starting at their
// anchors, the table ending at 4500.
TEST(ColumnRoomsTest, ThePrintRunsColumnsEachHaveTheirOwnCell) {
  const std::vector<std::int32_t> anchors{600, 900, 900, 1650, 2400, 3300, 3900};
  const std::vector<std::int32_t> codes{0, 0, 1, 1, 1, 1, 1};
  const std::vector<std::int32_t> lines{900, 900, 1650, 2400, 3300, 3900, 4500, 408, 600};
  const std::vector<CellRoom> expected{{408, 600, 1},   {600, 900, 1},   {900, 1650, 1},
                                       {1650, 2400, 1}, {2400, 3300, 1}, {3300, 3900, 1},
                                       {3900, 4500, 1}};
  EXPECT_EQ(ColumnRooms(anchors, codes, lines, 4800), expected);
}

TEST(ColumnRoomsTest, ACellEnteredFromBothSidesIsShared) {
  // Column 0 starts at 600, column 1 ends at 1200 and column 2 is centred there; the
  // cell 600 to 1200 is split at 900. Column 2 has the nearer side's 300 either way.
  const std::vector<CellRoom> rooms =
      ColumnRooms({600, 1200, 1200}, {1, 0, 2}, {408, 600, 1200, 1200, 2400}, 4800);
  const std::vector<CellRoom> expected{{600, 900, 1}, {900, 1200, 1}, {900, 1500, 2}};
  EXPECT_EQ(rooms, expected);
  // Beyond the outermost lines the rooms reach to the page's edges; a column without
  // a code of its own starts at its anchor.
  const std::vector<CellRoom> outer = ColumnRooms({300, 500}, {0, 7}, {400}, 1000);
  EXPECT_EQ(outer, (std::vector<CellRoom>{{0, 300, 1}, {500, 1000, 1}}));
}

class TextFitterTest : public ::testing::Test {
 protected:
  // One unit per point and character: at 10 points a character is 10 wide.
  TextFitterTest() : surface_(4800, 6800, 600, 1) {
    PrintFont font;
    font.point_size = 10;
    surface_.SetFont(font);
  }

  RecordingSurface surface_;
  TextFitter fitter_{surface_};
};

TEST_F(TextFitterTest, ATextThatFitsIsTakenAsItIs) {
  // " abc " is 50 wide; one blank may stand outside, so a room of 40 is enough.
  const FittedText fitted = fitter_.Fit(" abc ", 40, 1, true);
  EXPECT_TRUE(fitted.as_given);
  EXPECT_EQ(fitted.text, " abc ");
  EXPECT_EQ(fitted.point_size, 10);
  EXPECT_EQ(fitted.width, 50);
  EXPECT_EQ(fitted.blank, 10);
  EXPECT_EQ(fitted.baseline_shift, 0);
}

TEST_F(TextFitterTest, ShrinksToTheLargestSizeThatFitsThenCuts) {
  // 10 characters, no blank outside: at 9 points 90 is too wide for 85, at 8 points 80
  // fits. The ascent (the font's height at 600 dpi) drops from 83 to 67.
  const FittedText smaller = fitter_.Fit("abcdefghij", 85, 0, true);
  EXPECT_FALSE(smaller.as_given);
  EXPECT_EQ(smaller.text, "abcdefghij");
  EXPECT_EQ(smaller.point_size, 8);
  EXPECT_EQ(smaller.width, 80);
  EXPECT_EQ(smaller.baseline_shift, 83 - 67);
  EXPECT_EQ(surface_.Font().point_size, 10);

  // At 6 points 60 is too wide for 40: cut to 6 characters with the ellipsis, blanks
  // before the ellipsis dropped.
  const FittedText cut = fitter_.Fit("abcd fghij", 40, 0, true);
  EXPECT_EQ(cut.point_size, 6);
  EXPECT_EQ(cut.text, std::string("abcd") + kEllipsis);
  EXPECT_EQ(cut.width, 30);

  // Without shrinking the text is cut at its own size; the padding blanks stay.
  const FittedText kept_size = fitter_.Fit(" abcdefghij ", 60, 1, false);
  EXPECT_EQ(kept_size.point_size, 10);
  EXPECT_EQ(kept_size.text, std::string(" abcd") + kEllipsis + " ");
}

TEST_F(TextFitterTest, NothingIsLeftWhenNotEvenTheEllipsisFits) {
  const FittedText none = fitter_.Fit(" abc ", 5, 1, true);
  EXPECT_FALSE(none.as_given);
  EXPECT_TRUE(none.text.empty());
  const FittedText blanks = fitter_.Fit("     ", -10, 0, true);
  EXPECT_TRUE(blanks.text.empty());
}

TEST_F(TextFitterTest, AHugeTextIsCutWithoutMeasuringItWhole) {
  class CountingSurface : public RecordingSurface {
   public:
    CountingSurface() : RecordingSurface(4800, 6800, 600, 1) {}
    std::int32_t TextWidth(std::string_view text) override {
      measured += static_cast<std::int64_t>(text.size());
      return RecordingSurface::TextWidth(text);
    }
    std::int64_t measured = 0;
  };
  CountingSurface surface;
  TextFitter fitter(surface);
  const std::string huge(8u << 20, 'x');
  const FittedText cut = fitter.Fit(huge, 4000, 0, true);
  EXPECT_EQ(cut.text, std::string(4000 / 6 - 1, 'x') + kEllipsis);
  EXPECT_LT(surface.measured, 100000);
}

}  // namespace
}  // namespace zufora
