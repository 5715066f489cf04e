#include <QPlainTextEdit>
#include <QPushButton>

#include "PdfReadBack.h"
#include "WindowFixture.h"

// "Drucken" and "Druckvorschau" on the list page, with scripted print dialogs; the
// pages themselves are checked in the print surface's own tests.
namespace zufora::testing {
namespace {

class PrintTest : public WindowTest {
 protected:
  // The list field as the user may leave it: a title and `rows` allocation lines.
  void TypeList(int rows) {
    ClickTab(Page::List);
    QString text = QStringLiteral("Lange Liste\n");
    for (int i = 1; i <= rows; ++i) {
      text += QStringLiteral("%1\t1\tA\n").arg(i);
    }
    Find<QPlainTextEdit>("RichEditList")->setPlainText(text);
  }

  static std::vector<std::string> Texts(const QString& pdf) {
    std::vector<std::string> texts;
    for (const auto& page : qtprint_test::ReadWords(pdf, 600, 100)) {
      for (const auto& word : page) {
        texts.push_back(word.text);
      }
    }
    return texts;
  }
};

// The list field's current text, edits included, under the window's caption as the
// document name; a cancelled dialog prints nothing and says nothing.
TEST_F(PrintTest, DruckenPrintsTheListFieldOnTheChosenPrinter) {
  OpenQuietly();
  GenerateWorkedExample();
  TypeAtStartOfList(QStringLiteral("Meine "));

  print_dialogs_.ScriptCancel();
  Click("BitBtnPrint");
  EXPECT_EQ(print_dialogs_.DialogsShown(), 1);
  EXPECT_TRUE(BoxTexts().empty());

  const QString pdf = FilePath("liste.pdf");
  print_dialogs_.ScriptPdf(pdf);
  Click("BitBtnPrint");
  EXPECT_TRUE(BoxTexts().empty());
  const std::vector<std::string> texts = Texts(pdf);
  ASSERT_GE(texts.size(), 3U);
  EXPECT_EQ(texts[1], "Meine");  // after the header date
  EXPECT_EQ(texts[2], "Beispielstudie");
  EXPECT_EQ(qtprint_test::DocumentName(pdf), "Quandel Zufora Version 1.2");
  EXPECT_TRUE(print_dialogs_.ProgressShown().empty());  // one page
}

// A long job shows its progress; a cancel abandons it and leaves the earlier file.
TEST_F(PrintTest, ALongJobCanBeCancelled) {
  OpenQuietly();
  TypeList(400);  // 30 rows a page: 14 pages
  const QString pdf = FilePath("liste.pdf");
  WriteFileBytes(pdf, "earlier");
  print_dialogs_.ScriptPdf(pdf);
  print_dialogs_.ScriptCancelAtPage(3);
  Click("BitBtnPrint");
  EXPECT_TRUE(BoxTexts().empty());
  ASSERT_EQ(print_dialogs_.ProgressShown().size(), 1U);
  EXPECT_EQ(print_dialogs_.ProgressShown()[0].label, QStringLiteral("Drucken"));
  EXPECT_EQ(print_dialogs_.ProgressShown()[0].pages, 14);
  EXPECT_TRUE(print_dialogs_.ProgressShown()[0].cancellable);
  EXPECT_EQ(print_dialogs_.ProgressShown()[0].last_done, 3);
  EXPECT_EQ(ReadFileBytes(pdf), "earlier");
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).size(), 1);

  print_dialogs_.ScriptPdf(pdf);
  Click("BitBtnPrint");
  EXPECT_EQ(print_dialogs_.ProgressShown()[1].last_done, 14);
  EXPECT_EQ(qtprint_test::ReadWords(pdf, 600, 100).size(), 14U);
}

TEST_F(PrintTest, APrinterFailureReachesTheErrorBoxWithItsReason) {
  OpenQuietly();
  TypeList(3);
  print_dialogs_.ScriptPdf(FilePath("kein-ordner/liste.pdf"));
  Click("BitBtnPrint");
  ASSERT_EQ(BoxTexts().size(), 1U);
  // The reason as Qt gives it, in the program's language (German: Qt's translation).
  const QString reason = QCoreApplication::translate("QIODevice", "No such file or directory");
  EXPECT_NE(reason, QStringLiteral("No such file or directory"));
  EXPECT_TRUE(BoxTexts()[0].contains(reason)) << BoxTexts()[0].toStdString();
}

// The preview button is captioned from the print window's texts, translated ones
// included, and prints from the preview exactly what "Drucken" prints.
TEST_F(PrintTest, DruckvorschauShowsAndPrintsThePagesOfDrucken) {
  OpenWithLanguageFile(
      "[FormZufora]\r\nFormZufora.Caption=Zufora Test\r\n"
      "[FormDruck]\r\nFormDruck.Button1.Caption=Vorschau\r\n");
  ASSERT_TRUE(BoxTexts().empty());
  EXPECT_EQ(Find<QPushButton>("BitBtnPreview")->text(), QStringLiteral("Vorschau"));
  TypeList(40);

  const QString printed = FilePath("gedruckt.pdf");
  print_dialogs_.ScriptPdf(printed);
  Click("BitBtnPrint");
  const QString previewed = FilePath("vorschau.pdf");
  print_dialogs_.ScriptPrintFromPreview(previewed);
  Click("BitBtnPreview");
  EXPECT_TRUE(BoxTexts().empty());
  EXPECT_EQ(print_dialogs_.PreviewsShown(), 1);
  EXPECT_EQ(qtprint_test::DocumentName(previewed), "Zufora Test");
  EXPECT_EQ(Texts(previewed), Texts(printed));
}

}  // namespace
}  // namespace zufora::testing
