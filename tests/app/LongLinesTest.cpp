#include <QClipboard>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTextBlock>

#include "WindowFixture.h"

namespace zufora::testing {
namespace {

using LongLinesTest = WindowTest;

// Far below the minute that word wrapping took for such a line, far above what it takes.
constexpr qint64 kResponsiveMilliseconds = 5000;

// One line of a million characters without a blank: the worst for word wrapping.
QString MegabyteLine() {
  QString line;
  line.reserve(1'000'000);
  while (line.size() < 1'000'000) {
    line += QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyzÄÖÜäöüß");
  }
  line.truncate(1'000'000);
  return line;
}

int LongestParagraph(const QTextDocument& document) {
  int longest = 0;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    longest = std::max(longest, block.length() - 1);
  }
  return longest;
}

TEST_F(LongLinesTest, TheListFieldTakesALineOfAMegabyteAndStaysQuick) {
  OpenQuietly();
  ClickTab(Page::List);
  auto* list = Find<app::ListTextEdit>("RichEditList");
  list->setFocus();
  Keys(list, QStringLiteral("Kopf"));
  QTest::keyClick(list, Qt::Key_Return);
  const QString line = MegabyteLine();

  QElapsedTimer timer;
  timer.start();
  QApplication::clipboard()->setText(line);
  QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
  list->repaint();
  EXPECT_LT(timer.restart(), kResponsiveMilliseconds);
  Keys(list, QStringLiteral("x"));
  list->repaint();
  EXPECT_LT(timer.restart(), kResponsiveMilliseconds);

  EXPECT_EQ(list->ListText(), QStringLiteral("Kopf\n") + line + QStringLiteral("x"));
  EXPECT_LE(LongestParagraph(*list->document()), app::kParagraphCharacters + 1);
}

// The pieces of a long line are one line to every key, to undo and to a copy.
TEST_F(LongLinesTest, ThePiecesOfALongLineAreOneLine) {
  OpenQuietly();
  ClickTab(Page::List);
  auto* list = Find<app::ListTextEdit>("RichEditList");
  const QString line = QString(3 * app::kParagraphCharacters, QLatin1Char('a')) +
                       QString(app::kParagraphCharacters, QLatin1Char('b'));
  list->ShowListText(QStringLiteral("Kopf\n") + line + QStringLiteral("\nEnde"));
  ASSERT_GT(list->document()->blockCount(), 4);

  // Backspace at the start of a piece and Delete at the end of one remove a character.
  QTextCursor cursor = list->textCursor();
  const QTextBlock second_piece = list->document()->findBlockByNumber(2);
  ASSERT_TRUE(second_piece.isValid());
  cursor.setPosition(second_piece.position());
  list->setTextCursor(cursor);
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Backspace);
  QTest::keyClick(list, Qt::Key_Delete);
  QString expected_line = line;
  // "Kopf" is a paragraph, the line's pieces the ones after it.
  const int at = app::kParagraphCharacters;  // where the second piece begins in the line
  expected_line.remove(at - 1, 2);
  EXPECT_EQ(list->ListText(), QStringLiteral("Kopf\n") + expected_line + QStringLiteral("\nEnde"));

  // Return inside a piece starts a new line; undo takes it back.
  QTest::keyClick(list, Qt::Key_Return);
  expected_line.insert(at - 1, QLatin1Char('\n'));
  EXPECT_EQ(list->ListText(), QStringLiteral("Kopf\n") + expected_line + QStringLiteral("\nEnde"));
  QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
  expected_line.remove(at - 1, 1);
  EXPECT_EQ(list->ListText(), QStringLiteral("Kopf\n") + expected_line + QStringLiteral("\nEnde"));

  // A copy of everything gives the lines as they are.
  list->selectAll();
  QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), list->ListText());
}

TEST_F(LongLinesTest, UndoAndRedoOfALongPasteGiveTheTextBack) {
  OpenQuietly();
  ClickTab(Page::List);
  auto* list = Find<app::ListTextEdit>("RichEditList");
  list->setFocus();
  Keys(list, QStringLiteral("ab"));
  QTest::keyClick(list, Qt::Key_Left);
  const QString line(5 * app::kParagraphCharacters / 2, QLatin1Char('z'));
  QApplication::clipboard()->setText(line + QStringLiteral("\n") + line);
  QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
  const QString pasted =
      QStringLiteral("a") + line + QStringLiteral("\n") + line + QStringLiteral("b");
  EXPECT_EQ(list->ListText(), pasted);
  QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(list->ListText(), QStringLiteral("ab"));
  QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(list->ListText(), pasted);
}

// A line field holds what Qt lets it hold (32,767 characters) and answers every key at once.
TEST_F(LongLinesTest, ALineFieldStaysQuickAfterAMegabytePaste) {
  OpenQuietly();
  auto* name = Find<QLineEdit>("EditStudName");
  name->setFocus();
  QElapsedTimer timer;
  timer.start();
  QApplication::clipboard()->setText(MegabyteLine());
  QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
  name->repaint();
  EXPECT_LT(timer.restart(), kResponsiveMilliseconds);
  Keys(name, QStringLiteral("x"));
  name->repaint();
  EXPECT_LT(timer.restart(), kResponsiveMilliseconds);
  EXPECT_EQ(name->text().size(), name->maxLength());
  EXPECT_EQ(window_->Pages().Design().study_name.size(),
            static_cast<std::size_t>(name->maxLength()));
}

// A language file may give a help note a line of any length.
TEST_F(LongLinesTest, AHelpNoteWithALineOfAMegabyteIsShownAtOnce) {
  QElapsedTimer timer;
  timer.start();
  OpenWithLanguageFile(QByteArray("[FormZufora]\r\nFormZufora.Memo1.Lines[0]=") +
                       MegabyteLine().toLatin1() + QByteArray("\r\n"));
  ClickTab(Page::Seed);
  Find<QPlainTextEdit>("Memo1")->repaint();
  EXPECT_LT(timer.elapsed(), kResponsiveMilliseconds);
  EXPECT_LE(LongestParagraph(*Find<QPlainTextEdit>("Memo1")->document()),
            app::kParagraphCharacters);
}

}  // namespace
}  // namespace zufora::testing
