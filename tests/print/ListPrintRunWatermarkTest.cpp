// A test list's pages carry the watermark TEST, under the rows, on every page.
#include <algorithm>

#include "print/ListPrintRunFixture.h"

namespace zufora::print_test {
namespace {

TEST_F(PrintRunTest, TheWatermarkStandsOnEveryPageUnderTheRows) {
  job_.watermark = kTestWatermark;
  Print(SingleList(35));  // two pages
  ASSERT_EQ(surface_.PageCount(), 2);
  for (std::int32_t page = 1; page <= 2; ++page) {
    const PrintOperation mark = Only(page, "TEST");
    // 4 characters of 120 points at 4 units per point and character: 1920 wide, centred
    // on the 4800 of the page; 120 points at 600 dpi are 1000 high, centred on 6800.
    EXPECT_EQ(mark.x, 1440) << page;
    EXPECT_EQ(mark.y, 2900) << page;
    EXPECT_EQ(mark.font.point_size, 120);
    EXPECT_TRUE(mark.font.bold);
    EXPECT_NE(mark.font.color, PrintColor{}) << "lighter than the black text";
    // Drawn before the rows, so that they stand over it, and in the font of the page
    // again afterwards.
    const auto& log = surface_.Log();
    const auto at = std::find(log.begin(), log.end(), mark);
    const auto first_row = std::find_if(log.begin(), log.end(), [page](const PrintOperation& op) {
      return op.page == page && op.kind == Kind::kTextOut && op.text == Padded("Verum");
    });
    ASSERT_NE(first_row, log.end());
    EXPECT_LT(at, first_row);
    EXPECT_EQ(first_row->font.point_size, 12);
  }
}

TEST_F(PrintRunTest, AListWithoutWatermarkHasNone) {
  Print(SingleList(35));
  for (const PrintOperation& op : surface_.Log()) {
    EXPECT_NE(op.font.point_size, 120) << op.text;
  }
}

}  // namespace
}  // namespace zufora::print_test
