#include <QPushButton>
#include <map>
#include <string>
#include <vector>

#include "PdfReadBack.h"
#include "WindowFixture.h"

// "Umschläge drucken" on the list page, with scripted print dialogs; the cards themselves
// are checked in the print layer's and the PDF's own tests.
namespace zufora::testing {
namespace {

class EnvelopeWindowTest : public WindowTest {
 protected:
  // The list page's buttons stand in one column beside the list field, one under the
  // other, each caption whole.
  void CheckListPageColumn();
};

// How often each word stands in the PDF.
std::map<std::string, int> WordCounts(const QString& pdf) {
  std::map<std::string, int> counts;
  for (const auto& page : qtprint_test::ReadWords(pdf, 600, 100)) {
    for (const auto& word : page) {
      ++counts[word.text];
    }
  }
  return counts;
}

// The button waits for a list drawn in full; then it prints a card for each patient of
// that list through the print dialog, whatever the list field holds by then.
TEST_F(EnvelopeWindowTest, UmschlaegeDruckenPrintsACardForEachPatientOfTheLastList) {
  OpenQuietly();
  auto* button = Find<QPushButton>("BitBtnEnvelopes");
  EXPECT_EQ(button->text(), QStringLiteral("Umschläge drucken"));
  EXPECT_FALSE(button->isEnabled());
  GenerateWorkedExample();
  EXPECT_TRUE(button->isEnabled());
  TypeAtStartOfList(QStringLiteral("Meine "));

  print_dialogs_.ScriptCancel();
  Click("BitBtnEnvelopes");
  EXPECT_EQ(print_dialogs_.DialogsShown(), 1);
  EXPECT_TRUE(BoxTexts().empty());

  const QString pdf = FilePath("umschlaege.pdf");
  print_dialogs_.ScriptPdf(pdf);
  Click("BitBtnEnvelopes");
  EXPECT_EQ(print_dialogs_.DialogsShown(), 2);
  EXPECT_TRUE(BoxTexts().empty());
  EXPECT_EQ(qtprint_test::ReadWords(pdf, 600, 100).size(), 2U);  // 12 cards, 6 a page
  const std::map<std::string, int> counts = WordCounts(pdf);
  EXPECT_EQ(counts.at("Studienarm"), 12);
  EXPECT_EQ(counts.at("Nr."), 12);
  EXPECT_EQ(counts.count("Meine"), 0U);  // the edit of the list field is no allocation
  // The worked example's arms: 3, 1, 3, 2, 2, 1 | 2, 1, 3, 3, 2, 1.
  EXPECT_EQ(counts.at("Placebo"), 4);
  EXPECT_EQ(qtprint_test::DocumentName(pdf), "Quandel Zufora Version 1.2");
  EXPECT_TRUE(print_dialogs_.ProgressShown().empty());  // two pages
}

// The caption is a catalogue text, which the English language file translates; the
// button joins the list page's column, which grows at the list field's cost until every
// caption fits, German or English.
TEST_F(EnvelopeWindowTest, TheButtonIsTranslatedAndFitsTheListPageColumn) {
  OpenQuietly();
  CheckListPageColumn();
  window_.reset();
  OpenWithLanguageFile(ReadFileBytes(QStringLiteral(ZUFORA_ENGLISH_LANGUAGE_FILE)));
  EXPECT_EQ(Find<QPushButton>("BitBtnEnvelopes")->text(), QStringLiteral("Print envelopes"));
  CheckListPageColumn();
}

void EnvelopeWindowTest::CheckListPageColumn() {
  auto* button = Find<QPushButton>("BitBtnEnvelopes");
  ClickTab(Page::List);
  auto* list = Find("RichEditList");
  EXPECT_GE(list->width(), 300);
  EXPECT_LE(list->geometry().right(), button->parentWidget()->geometry().left());
  QWidget* column = button->parentWidget();
  EXPECT_LE(column->geometry().right(), column->parentWidget()->width());
  std::vector<QRect> taken;
  for (const char* name :
       {"BitBtnExport", "BitBtnPrint", "BitBtnPreview", "BitBtnEnvelopes", "BitBtnClipboard"}) {
    auto* other = Find<QPushButton>(name);
    ASSERT_EQ(other->parentWidget(), column) << name;
    EXPECT_TRUE(other->isVisible()) << name;
    EXPECT_TRUE(column->rect().contains(other->geometry())) << name;
    EXPECT_GE(other->width(), other->sizeHint().width()) << name << ": its caption is cut";
    for (const QRect& before : taken) {
      EXPECT_FALSE(before.intersects(other->geometry())) << name;
    }
    taken.push_back(other->geometry());
  }
}

}  // namespace
}  // namespace zufora::testing
