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
// included, shows the pages of "Drucken" and prints from the preview exactly what
// "Drucken" prints.
TEST_F(PrintTest, DruckvorschauShowsAndPrintsThePagesOfDrucken) {
  OpenWithLanguageFile(
      "[FormZufora]\r\nFormZufora.Caption=Zufora Test\r\n"
      "[FormDruck]\r\nFormDruck.Button1.Caption=Vorschau\r\n"
      "[FormLang]\r\nFormLang.LabelPreviewPageOf.Caption=%1/%2\r\n");
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
  ASSERT_EQ(print_dialogs_.Previews().size(), 1U);
  const auto& preview = print_dialogs_.Previews()[0];
  EXPECT_EQ(preview.pages, 2);  // 40 rows at 30 a page
  EXPECT_EQ(preview.shown, (std::vector<int>{1, 2}));
  for (const int dark : preview.dark_pixels) {
    EXPECT_GT(dark, 100);
  }
  EXPECT_EQ(preview.texts.title, QStringLiteral("Vorschau"));
  EXPECT_EQ(preview.texts.print, QStringLiteral("Drucken"));
  EXPECT_EQ(preview.texts.page_of, QStringLiteral("%1/%2"));
  EXPECT_EQ(preview.texts.next_page, QStringLiteral("Nächste Seite"));
  EXPECT_TRUE(print_dialogs_.ProgressShown().empty());  // none for a short list
  EXPECT_EQ(qtprint_test::DocumentName(previewed), "Zufora Test");
  EXPECT_EQ(Texts(previewed), Texts(printed));
}

// A long list: the preview counts its pages under a progress of unknown length that can
// be cancelled (then no preview opens), lays out a far page only when it is turned to,
// and stays on the page shown when that is cancelled.
TEST_F(PrintTest, ALongListsPreviewCanBeCancelled) {
  OpenQuietly();
  TypeList(app::PrintCommand::kPreviewProgressLines + 20);  // 10,020 rows: 334 pages
  print_dialogs_.ScriptCancelAtPage(128);
  Click("BitBtnPreview");
  EXPECT_EQ(print_dialogs_.PreviewsShown(), 0);
  ASSERT_EQ(print_dialogs_.ProgressShown().size(), 1U);
  const auto& counting = print_dialogs_.ProgressShown()[0];
  EXPECT_EQ(counting.label, QStringLiteral("Die Seiten der Vorschau werden vorbereitet …"));
  EXPECT_EQ(counting.pages, 0);
  EXPECT_TRUE(counting.cancellable);
  EXPECT_EQ(counting.last_done, 128);
  EXPECT_TRUE(BoxTexts().empty());

  print_dialogs_.ScriptProgressRunsThrough();  // the count
  print_dialogs_.ScriptProgressRunsThrough();  // page 200
  print_dialogs_.ScriptCancelAtPage(64);       // the last page
  print_dialogs_.ScriptPreviewPages({1, 2, 200, 334});
  Click("BitBtnPreview");
  ASSERT_EQ(print_dialogs_.Previews().size(), 1U);
  const auto& preview = print_dialogs_.Previews()[0];
  EXPECT_EQ(preview.pages, 334);
  EXPECT_EQ(preview.shown, (std::vector<int>{1, 2, 200}));
  for (const int dark : preview.dark_pixels) {
    EXPECT_GT(dark, 100);
  }
  // The count went through every page; page 2 was at hand; page 200 was laid out on its
  // own, and so was the last page until it was cancelled.
  ASSERT_EQ(print_dialogs_.ProgressShown().size(), 4U);
  EXPECT_EQ(print_dialogs_.ProgressShown()[1].last_done, 320);
  EXPECT_EQ(print_dialogs_.ProgressShown()[2].last_done, 192);
  EXPECT_EQ(print_dialogs_.ProgressShown()[3].last_done, 64);
}

}  // namespace
}  // namespace zufora::testing
