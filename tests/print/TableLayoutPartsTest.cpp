#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "print/PageBand.h"
#include "print/TableLayoutFixture.h"

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

TEST(TableLayoutBand, CentresWithDivisionTowardZero) {
  // One unit per point and character; a 1-point header font measures one per byte.
  RecordingSurface surface(4800, 6800, 600, 1);
  TableLayout layout(surface, kNoDate);
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
