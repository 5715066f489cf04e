#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "print/PageBand.h"
#include "print/TableLayoutFixture.h"
#include "print/TextFitter.h"

// The layout engine's parts: field splitting, page bands, aligned text, the document
// that the engine keeps open, and the surface's document order.
namespace zufora::print_test {
namespace {

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

// Bands with a 1-point font at one unit per point and character: every character, the
// blank and the ellipsis one unit wide; texts keep two blanks apart. The header band runs from 100
// to 4700, its middle at 2400.
class BandTest : public ::testing::Test {
 protected:
  BandTest() : surface_(4800, 6800, 600, 1), layout_(surface_, kNoDate) {
    layout_.Header().Font().point_size = 1;
  }

  // The three texts drawn: left, right, centre.
  std::vector<PrintOperation> Draw(std::string left, std::string centre, std::string right) {
    layout_.Header().SetLeftText(std::move(left));
    layout_.Header().SetCenterText(std::move(centre));
    layout_.Header().SetRightText(std::move(right));
    layout_.DrawHeader();
    return TextsOnPage(surface_, 0);
  }

  // Where a drawn text ends.
  static std::int32_t End(const PrintOperation& op) {
    return op.x + static_cast<std::int32_t>(op.text.size());
  }

  RecordingSurface surface_;
  TableLayout layout_;
};

TEST_F(BandTest, TextsThatFitStandAtTheEdgesAndInTheMiddle) {
  const auto texts = Draw("links", "mitte", "abc");
  ASSERT_EQ(texts.size(), 3U);
  EXPECT_EQ(texts[0].text, "links");
  EXPECT_EQ(texts[0].x, 100);
  EXPECT_EQ(texts[1].text, "abc");
  EXPECT_EQ(texts[1].x, 4697);
  EXPECT_EQ(texts[2].text, "mitte");
  EXPECT_EQ(texts[2].x, 2397);  // (100 + 4700 − 5) div 2
  // The canvas font is restored after the band.
  EXPECT_EQ(surface_.Font().point_size, 8);
  EXPECT_FALSE(surface_.Font().italic);
}

TEST_F(BandTest, ACentreTextWiderThanTheBandIsCutAndStaysClearOfTheRightText) {
  // The centre may reach to two blanks before "abc": 4695, and as far to the left of
  // the middle, 105: 4590 characters, the last one the ellipsis.
  const auto texts = Draw("", std::string(4801, 'c'), "abc");
  ASSERT_EQ(texts.size(), 3U);
  EXPECT_EQ(texts[1].text, "abc");
  EXPECT_EQ(texts[2].text, std::string(4589, 'c') + kEllipsis);
  EXPECT_EQ(texts[2].x, 105);
  EXPECT_EQ(End(texts[2]) + 2, texts[1].x);
}

TEST_F(BandTest, ALongLeftTextIsCutTwoBlanksBeforeTheCentreText) {
  const auto texts = Draw(std::string(3000, 'l'), "Mitte", "7");
  ASSERT_EQ(texts.size(), 3U);
  EXPECT_EQ(texts[2].text, "Mitte");  // whole, in its place
  EXPECT_EQ(texts[2].x, 2397);
  EXPECT_EQ(texts[0].x, 100);
  EXPECT_EQ(texts[0].text.back(), kEllipsis);
  EXPECT_EQ(End(texts[0]) + 2, texts[2].x);
}

TEST_F(BandTest, WhenBothAreLongTheCentreKeepsHalfOfItsRoom) {
  // The centre could have 2297 on either side of the middle (the right text "7" and two
  // blanks end it at 4697); it keeps half of that, 1148, the left text the rest.
  const auto texts = Draw(std::string(3000, 'l'), std::string(3000, 'c'), "7");
  ASSERT_EQ(texts.size(), 3U);
  EXPECT_EQ(texts[2].text, std::string(2295, 'c') + kEllipsis);
  EXPECT_EQ(texts[2].x, 2400 - 1148);
  EXPECT_EQ(texts[0].text, std::string(1149, 'l') + kEllipsis);
  EXPECT_EQ(End(texts[0]) + 2, texts[2].x);
  EXPECT_LT(End(texts[2]), texts[1].x);
}

TEST(TableLayoutAlignedText, AlignsByCode) {
  RecordingSurface surface(4800, 6800, 600, 1);
  TableLayout layout(surface, kNoDate);
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
    TableLayout layout(surface, kNoDate);
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
}  // namespace zufora::print_test
