#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QToolTip>

#include "WindowFixture.h"

namespace zufora::testing {
namespace {

using DesignPagesWindowTest = WindowTest;

QString Cell(QTableView* grid, int row, int column) {
  return grid->model()->index(row, column).data().toString();
}

void ClickCell(QTableView* grid, int row, int column) {
  const QRect cell = grid->visualRect(grid->model()->index(row, column));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

TEST_F(DesignPagesWindowTest, RowFieldsWriteTheTableAndTheCentreSumAsksOnLeaving) {
  OpenQuietly();
  Click("CheckBoxZentren");
  Type("EditZentren", QStringLiteral("3"));
  ClickTab(Page::Arms);
  auto* arms = Find<QTableView>("StringGridArme");
  ASSERT_EQ(arms->model()->rowCount(), 4);
  EXPECT_EQ(Cell(arms, 0, 1), QStringLiteral("Beschreibung"));
  EXPECT_EQ(Cell(arms, 3, 0), QStringLiteral("Arm 3"));
  EXPECT_EQ(Cell(arms, 3, 2), QStringLiteral("1"));
  ClickCell(arms, 2, 1);
  EXPECT_EQ(QApplication::focusWidget(), Find("EditCBeschr"));
  EXPECT_EQ(Find<QLineEdit>("EditCArm")->text(), QStringLiteral("Arm 2"));
  Keys(Find("EditCBeschr"), QStringLiteral("Dosis ä"));
  EXPECT_EQ(Cell(arms, 2, 1), QStringLiteral("Dosis ä"));
  EXPECT_TRUE(arms->selectionModel()->isRowSelected(2, QModelIndex()));

  ClickTab(Page::Centres);
  ASSERT_EQ(ActivePage(), Index(Page::Centres));
  auto* centres = Find<QTableView>("StringGridZentren");
  const std::vector<QString> sizes = {QStringLiteral("50"), QStringLiteral("40"),
                                      QStringLiteral("abc")};
  for (int row = 1; row <= 3; ++row) {
    ClickCell(centres, row, 2);
    Type("EditAFallzahl", sizes[static_cast<std::size_t>(row - 1)]);
  }
  EXPECT_EQ(Cell(centres, 2, 3), QStringLiteral("40"));
  EXPECT_EQ(Find<QLineEdit>("EditSumme")->text(), QStringLiteral("90"));
  Type("EditAFallzahl", QStringLiteral("60"));  // row 3: 50 + 40 + 60
  EXPECT_EQ(Find<QLineEdit>("EditSumme")->text(), QStringLiteral("150"));
  EXPECT_TRUE(BoxTexts().empty());

  boxes_.ScriptAnswers({true});
  ClickTab(Page::Blocks);
  EXPECT_EQ(BoxTexts(), std::vector<QString>{Msg(Message::MessageSampleSizeError)});
  EXPECT_EQ(boxes_.Boxes()[0].caption, QStringLiteral("Zufora"));
  EXPECT_EQ(ActivePage(), Index(Page::Blocks));
  EXPECT_EQ(Find<QLineEdit>("EditAnz")->text(), QStringLiteral("150"));
}

TEST_F(DesignPagesWindowTest, VariableBlockSizeEnablesItsFieldsAndKeepsTheTexts) {
  OpenQuietly();
  ClickTab(Page::Blocks);
  auto* fixed = Find<QLineEdit>("EditFix");
  auto* from = Find<QLineEdit>("EditVon");
  auto* to = Find<QLineEdit>("EditBis");
  EXPECT_TRUE(fixed->isEnabled());
  EXPECT_FALSE(from->isEnabled());
  Click("RadioButton2");
  EXPECT_FALSE(fixed->isEnabled());
  EXPECT_TRUE(from->isEnabled());
  EXPECT_TRUE(to->isEnabled());
  EXPECT_EQ(fixed->text(), QStringLiteral("12"));
  Type("EditVon", QStringLiteral("3"));
  Click("RadioButton1");
  EXPECT_TRUE(fixed->isEnabled());
  EXPECT_FALSE(from->isEnabled());
  EXPECT_EQ(from->text(), QStringLiteral("3"));
}

TEST_F(DesignPagesWindowTest, CharactersOutsideCp1252AreRefusedVisiblyWhereTyped) {
  OpenQuietly();
  Type("EditStudName", QStringLiteral("Studie €"));
  auto* name = Find<QLineEdit>("EditStudName");
  EXPECT_EQ(name->text(), QStringLiteral("Studie €"));
  QKeyEvent smiley(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u263A"));
  QApplication::sendEvent(name, &smiley);
  EXPECT_EQ(name->text(), QStringLiteral("Studie €"));
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(),
            QStringLiteral("Das Zeichen \u201E\u263A\u201C wurde nicht übernommen: Zufora "
                           "speichert Texte im Zeichensatz Windows-1252, der es nicht enthält."));
  QToolTip::hideText();

  ClickTab(Page::List);
  auto* list = Find<QPlainTextEdit>("RichEditList");
  list->setFocus();
  Keys(list, QStringLiteral("a"));
  QTest::keyClick(list, Qt::Key_Tab);
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("\u0101"));  // a with macron
  QApplication::sendEvent(list, &composed);
  EXPECT_EQ(list->toPlainText(), QStringLiteral("a\t"));
  EXPECT_TRUE(QToolTip::isVisible());
  QToolTip::hideText();
}

// The window's own messages are catalogue entries, which a language file translates.
TEST_F(DesignPagesWindowTest, ALanguageFileTranslatesTheRefusalNoteAndTheListError) {
  OpenWithLanguageFile(
      "[FormLang]\r\n"
      "FormLang.MessageCharacterRefused.Caption=Not taken: %1\r\n"
      "FormLang.MessageListNotCp1252.Caption=The list cannot be saved\r\n");
  ASSERT_TRUE(BoxTexts().empty());
  Keys(Find("EditStudName"), QStringLiteral("\u263A"));
  EXPECT_EQ(QToolTip::text(), QStringLiteral("Not taken: \u263A"));
  QToolTip::hideText();

  // A character no user can type into the field, put there as from outside.
  ClickTab(Page::List);
  Find<QPlainTextEdit>("RichEditList")->setPlainText(QStringLiteral("Liste \u0101\n"));
  Click("BitBtnClipboard");
  EXPECT_EQ(BoxTexts(), std::vector<QString>{QStringLiteral("The list cannot be saved.")});
  EXPECT_TRUE(clipboard_.Texts().empty());
}

}  // namespace
}  // namespace zufora::testing
