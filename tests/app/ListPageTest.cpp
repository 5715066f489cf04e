#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocument>

#include "WindowFixture.h"

namespace zufora::testing {
namespace {

using ListPageTest = WindowTest;

// 3 arms of ratio 1, 12 patients, fixed blocks of 6, seed 12345: arms 3 1 3 2 2 1 | 2 1 3 3 2 1.
const QStringList kWorkedExample = {
    QStringLiteral("Beispielstudie"),       QStringLiteral("Seed: (12345)"),
    QStringLiteral("1\t3\tDosis B"),        QStringLiteral("2\t1\tPlacebo"),
    QStringLiteral("3\t3\tDosis B"),        QStringLiteral("4\t2\tDosis A"),
    QStringLiteral("5\t2\tDosis A"),        QStringLiteral("6\t1\tPlacebo"),
    QStringLiteral("------- Block ------"), QStringLiteral("7\t2\tDosis A"),
    QStringLiteral("8\t1\tPlacebo"),        QStringLiteral("9\t3\tDosis B"),
    QStringLiteral("10\t3\tDosis B"),       QStringLiteral("11\t2\tDosis A"),
    QStringLiteral("12\t1\tPlacebo"),       QStringLiteral("------- Block ------")};

// The worked example's list as the list field shows it.
QString WorkedExampleText() {
  return kWorkedExample.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

TEST_F(ListPageTest, WorkedExampleIsGeneratedIntoTheListFieldExactly) {
  OpenQuietly();
  GenerateWorkedExample();
  EXPECT_EQ(ListFieldText(), WorkedExampleText());
  EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(ListPageTest, ExportWritesTheEditedFieldAsCp1252WithCarriageReturnLineFeed) {
  OpenQuietly();
  GenerateWorkedExample();
  TypeAtStartOfList(QStringLiteral("Ä"));
  const QString file = FilePath("liste.txt");
  dialogs_.ScriptAnswer(file);
  Click("BitBtnExport");
  ASSERT_TRUE(BoxTexts().empty());
  const auto& shown = dialogs_.ShownDialogs().back();
  EXPECT_TRUE(shown.save);
  EXPECT_EQ(shown.request.title, QStringLiteral("Liste exportieren"));
  EXPECT_EQ(shown.request.filter, QStringLiteral("*.txt|*.txt"));
  EXPECT_EQ(shown.request.default_extension, QStringLiteral(".txt"));

  QByteArray expected("\xC4");
  for (const QString& line : kWorkedExample) {
    expected += line.toLatin1() + "\r\n";
  }
  EXPECT_EQ(ReadFileBytes(file), expected);
}

TEST_F(ListPageTest, ExportThatCannotBeWrittenNamesTheFileInTheErrorBox) {
  OpenQuietly();
  GenerateWorkedExample();
  const QString file = FilePath("kein-ordner/liste.txt");
  dialogs_.ScriptAnswer(file);
  Click("BitBtnExport");
  ASSERT_EQ(boxes_.Boxes().size(), 1u);
  EXPECT_EQ(boxes_.Boxes()[0].kind, Kind::Error);
  EXPECT_EQ(boxes_.Boxes()[0].caption, QStringLiteral("Quandel Zufora"));
  EXPECT_EQ(boxes_.Boxes()[0].text,
            QStringLiteral("Unable to write to %1: No such file or directory.").arg(file));
  EXPECT_FALSE(QFileInfo::exists(file));
  EXPECT_EQ(ListFieldText(), WorkedExampleText());
}

TEST_F(ListPageTest, CopySelectsTheWholeFieldAndPutsItsTextOnTheClipboard) {
  OpenQuietly();
  GenerateWorkedExample();
  Click("BitBtnClipboard");
  ASSERT_EQ(clipboard_.Texts().size(), 1u);
  EXPECT_EQ(clipboard_.Texts()[0], WorkedExampleText());
  auto* list = Find<QPlainTextEdit>("RichEditList");
  EXPECT_EQ(list->textCursor().selectedText().size(), list->document()->characterCount() - 1);
}

TEST(ListTextEdit, LongListsComeBackLineForLineWithEditsAndNoBreakSpaces) {
  app::ListTextEdit field([](const app::RefusedCharacters&) {}, nullptr);
  QString text;
  for (int line = 1; line <= 3 * app::ListTextEdit::kLinesPerParagraph + 7; ++line) {
    text += QStringLiteral("%1\t2\tDosis\u00A0A\n").arg(line);
  }
  field.ShowListText(text);
  EXPECT_EQ(field.ListText(), text);
  EXPECT_EQ(field.document()->blockCount(), 4);
  QTextCursor cursor(field.document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QStringLiteral("Ende"));
  cursor.insertBlock();
  EXPECT_EQ(field.ListText(), text + QStringLiteral("Ende\n"));
}

TEST_F(ListPageTest, SaveThenLoadThroughTheDialogsBringsTheDesignBack) {
  OpenQuietly();
  Type("EditStudName", QStringLiteral("Müller-Studie"));
  Type("EditArme", QStringLiteral("2"));
  ClickTab(Page::Blocks);
  Click("RadioButton2");
  Type("EditVon", QStringLiteral("4"));
  Type("EditBis", QStringLiteral("8"));
  const QString seed = Find<QLineEdit>("EditZZ")->text();
  const QString file = FilePath("studie.zfd");
  dialogs_.ScriptAnswer(file);
  Click("BitBtnSave");
  ASSERT_TRUE(BoxTexts().empty());
  EXPECT_TRUE(QFileInfo::exists(file));

  Type("EditVon", QStringLiteral("9"));
  Click("RadioButton1");
  ClickTab(Page::Design);
  Type("EditStudName", QStringLiteral("anders"));
  dialogs_.ScriptAnswer(file);
  Click("BitBtnLoad");
  EXPECT_TRUE(BoxTexts().empty());
  EXPECT_EQ(ActivePage(), Index(Page::Design));
  EXPECT_EQ(QApplication::focusWidget(), Find("EditAnz"));
  EXPECT_EQ(Find<QLineEdit>("EditStudName")->text(), QStringLiteral("Müller-Studie"));
  EXPECT_EQ(Find<QLineEdit>("EditArme")->text(), QStringLiteral("2"));
  EXPECT_EQ(Find<QLineEdit>("EditVon")->text(), QStringLiteral("4"));
  EXPECT_EQ(Find<QLineEdit>("EditZZ")->text(), seed);
  EXPECT_TRUE(Find<QRadioButton>("RadioButton2")->isChecked());
  EXPECT_TRUE(Find<QLineEdit>("EditVon")->isEnabled());
  EXPECT_EQ(Find<QTableView>("StringGridArme")->model()->rowCount(), 3);
}

}  // namespace
}  // namespace zufora::testing
