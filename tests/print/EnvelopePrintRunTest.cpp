#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "print/EnvelopePrintRun.h"
#include "print/EnvelopeSheet.h"
#include "support/RecordingSurface.h"

namespace zufora {
namespace {

using Kind = PrintOperation::Kind;

// The printable areas of A4 and Letter at 600 dots per inch, less margins of 100 dots.
constexpr std::int32_t kA4Width = 4961 - 200;
constexpr std::int32_t kA4Height = 7016 - 200;
constexpr std::int32_t kLetterWidth = 5100 - 200;
constexpr std::int32_t kLetterHeight = 6600 - 200;

class CardList : public EnvelopeCardSource {
 public:
  explicit CardList(std::vector<EnvelopeCard> cards) : cards_(std::move(cards)) {}
  bool Next(EnvelopeCard& card) override {
    if (next_ == cards_.size()) {
      return false;
    }
    card = cards_[next_++];
    return true;
  }

 private:
  std::vector<EnvelopeCard> cards_;
  std::size_t next_ = 0;
};

std::vector<EnvelopeCard> NumberedCards(int count) {
  std::vector<EnvelopeCard> cards;
  for (int k = 1; k <= count; ++k) {
    cards.push_back({.number = "R-" + std::to_string(1000 + k),
                     .centre = "Zentrum 101 Klinik Nord",
                     .levels = "Geschlecht: weiblich",
                     .arm = 1 + k % 2,
                     .arm_description = k % 2 == 0 ? "Placebo" : "Verum"});
  }
  return cards;
}

bool Inside(std::int32_t x, std::int32_t y, const PrintRect& rect) {
  return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

// A text's box as the recording surface measures it: 4 units per point and byte wide,
// round(points × 600 ÷ 72) high.
PrintRect BoxOf(const PrintOperation& text) {
  const std::int32_t width = static_cast<std::int32_t>(text.text.size()) * text.font.point_size * 4;
  const auto height = static_cast<std::int32_t>(std::lround(text.font.point_size * 600 / 72.0));
  return {text.x, text.y, text.x + width, text.y + height};
}

bool Within(const PrintRect& box, const PrintRect& room) {
  return box.left >= room.left && box.right <= room.right && box.top >= room.top &&
         box.bottom <= room.bottom;
}

TEST(EnvelopeSheetTest, SixCardsFitOnA4AndLetterClearOfEachOtherAndOfTheEdges) {
  for (const auto& [width, height] :
       {std::pair{kA4Width, kA4Height}, {kLetterWidth, kLetterHeight}}) {
    const EnvelopeSheet sheet = EnvelopeSheet::For(width, height, 600);
    ASSERT_EQ(sheet.CardsPerPage(), 6) << width;
    EXPECT_EQ(sheet.columns, 2);
    // 90 mm by 3 × 27 mm at 600 dots per inch.
    const PrintRect first = sheet.Card(0);
    EXPECT_EQ(first.right - first.left, 2126);
    EXPECT_EQ(first.bottom - first.top, 3 * 638);
    const std::int32_t mark_room = 106;  // 4.5 mm: the cut marks stay on the page
    for (int a = 0; a < 6; ++a) {
      const PrintRect card = sheet.Card(a);
      EXPECT_GE(card.left, mark_room);
      EXPECT_GE(card.top, mark_room);
      EXPECT_LE(card.right, width - mark_room);
      EXPECT_LE(card.bottom, height - mark_room);
      for (int b = a + 1; b < 6; ++b) {
        const PrintRect other = sheet.Card(b);
        const bool apart = other.left >= card.right + 189 || card.left >= other.right + 189 ||
                           other.top >= card.bottom + 189 || card.top >= other.bottom + 189;
        EXPECT_TRUE(apart) << a << " and " << b << " are not 8 mm apart";
      }
    }
    // Centred: as much room left as right, above as below (one dot for an odd rest).
    const PrintRect last = sheet.Card(5);
    EXPECT_LE(std::abs(first.left - (width - last.right)), 1);
    EXPECT_LE(std::abs(first.top - (height - last.bottom)), 1);
  }
  // A page too small for a card still takes one, at its corner.
  const EnvelopeSheet tiny = EnvelopeSheet::For(300, 300, 600);
  EXPECT_EQ(tiny.CardsPerPage(), 1);
  EXPECT_EQ(tiny.Card(0).left, 0);
}

TEST(EnvelopePrintRunTest, EachCardShowsItsNumberOutsideAndItsArmOnlyInside) {
  RecordingSurface surface(kA4Width, kA4Height, 600);
  CardList cards(NumberedCards(13));
  const EnvelopeJob job{.study_name = "Studie X", .document_name = "Zufora", .test = false};
  EXPECT_EQ(EnvelopePrintRun::Print(surface, job, cards), 13);
  EXPECT_EQ(surface.PageCount(), 3);
  EXPECT_FALSE(surface.Printing());
  const EnvelopeSheet sheet = EnvelopeSheet::For(kA4Width, kA4Height, 600);
  EXPECT_EQ(EnvelopePrintRun::PagesFor(13, sheet), 3);
  EXPECT_EQ(EnvelopePrintRun::PagesFor(12, sheet), 2);
  EXPECT_EQ(EnvelopePrintRun::PagesFor(0, sheet), 1);

  for (int k = 1; k <= 13; ++k) {
    const int page = 1 + (k - 1) / 6;
    const PrintRect card = sheet.Card((k - 1) % 6);
    const std::string number = "R-" + std::to_string(1000 + k);
    int numbers = 0;
    int arm_texts = 0;
    for (const PrintOperation& op : surface.Log()) {
      if (op.kind != Kind::kTextOut || op.page != page || !Inside(op.x, op.y, card)) {
        continue;
      }
      const PrintRect box = BoxOf(op);
      const bool arm_text =
          op.text.starts_with("Studienarm") || op.text == "Placebo" || op.text == "Verum";
      if (op.text == number) {
        ++numbers;
        EXPECT_TRUE(Within(box, sheet.Panel(card, 0))) << number;
      }
      if (arm_text) {
        ++arm_texts;
        EXPECT_TRUE(Within(box, sheet.Panel(card, 2))) << op.text << " on card " << k;
      }
      if (Within(box, sheet.Panel(card, 2))) {
        EXPECT_TRUE(arm_text) << op.text << " inside card " << k;
      }
      EXPECT_FALSE(Inside(op.x, op.y, sheet.Panel(card, 1))) << op.text << " on the cover";
      EXPECT_NE(op.text, "TEST");
    }
    EXPECT_EQ(numbers, 1) << number;
    EXPECT_EQ(arm_texts, 2) << "card " << k;
  }
}

TEST(EnvelopePrintRunTest, ATestListSaysSoOnEveryPageAndEveryCard) {
  RecordingSurface surface(kLetterWidth, kLetterHeight, 600);
  CardList cards(NumberedCards(7));
  const EnvelopeJob job{.study_name = "Studie X", .document_name = "Zufora", .test = true};
  EnvelopePrintRun::Print(surface, job, cards);
  const EnvelopeSheet sheet = EnvelopeSheet::For(kLetterWidth, kLetterHeight, 600);
  int watermarks = 0;
  int on_cards = 0;
  for (const PrintOperation& op : surface.Log()) {
    if (op.kind != Kind::kTextOut || op.text != "TEST") {
      continue;
    }
    if (op.font.point_size > 100) {
      ++watermarks;
      EXPECT_NE(op.font.color, PrintColor{}) << "the watermark is light, not black";
    } else {
      const PrintRect card = sheet.Card((on_cards % 6));
      EXPECT_TRUE(Within(BoxOf(op), sheet.Panel(card, 0)));
      ++on_cards;
    }
  }
  EXPECT_EQ(watermarks, 2);
  EXPECT_EQ(on_cards, 7);
}

TEST(EnvelopePrintRunTest, LongTextsStayOnTheirPanelAndTheArmDescriptionIsWrapped) {
  RecordingSurface surface(kA4Width, kA4Height, 600);
  EnvelopeCard card{.number = std::string(60, '7'),
                    .centre = std::string(150, 'Z'),
                    .levels = std::string(150, 'L'),
                    .arm = 3,
                    .arm_description =
                        "Eine sehr lange Beschreibung des Studienarms, die auf "
                        "einer Zeile keinen Platz findet und darum umbrochen "
                        "wird, bis die drei Zeilen voll sind und der Rest "
                        "gekuerzt werden muss, damit nichts ueber den Rand geht"};
  CardList cards({card});
  const EnvelopeJob job{.study_name = std::string(200, 'S'), .document_name = "Z", .test = true};
  EnvelopePrintRun::Print(surface, job, cards);
  const EnvelopeSheet sheet = EnvelopeSheet::For(kA4Width, kA4Height, 600);
  const PrintRect place = sheet.Card(0);
  std::vector<std::int32_t> inside_lines;
  for (const PrintOperation& op : surface.Log()) {
    if (op.kind != Kind::kTextOut || op.font.point_size > 100) {
      continue;
    }
    const PrintRect box = BoxOf(op);
    EXPECT_TRUE(Within(box, sheet.Panel(place, 0)) || Within(box, sheet.Panel(place, 2)))
        << op.text;
    if (Within(box, sheet.Panel(place, 2)) && !op.text.starts_with("Studienarm")) {
      inside_lines.push_back(op.y);
    }
  }
  EXPECT_EQ(inside_lines.size(), 3U);
}

}  // namespace
}  // namespace zufora
