#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <memory>
#include <string>

#include "PreviewPageView.h"
#include "PrintPreviewDialog.h"
#include "PrintPreviewDocument.h"
#include "lang/ProgramTexts.h"
#include "qtprint/PdfOutput.h"

// The print preview itself, driven by clicks, keys and the wheel: pages laid out on
// demand, few kept, painted where the view shows them.
namespace zufora::app {
namespace {

class PrintPreviewDialogTest : public ::testing::Test {
 protected:
  // A list of `rows` rows (30 a page on A4) on a PDF printer, opened for the preview.
  void OpenList(int rows) {
    ASSERT_TRUE(folder_.isValid());
    SetUpPdfFile(printer_, folder_.filePath(QStringLiteral("nie.pdf")), QPageSize(QPageSize::A4));
    ProgramTexts texts;
    ApplyFirstShowTexts(texts, nullptr);
    std::string list = "Vorschau\n";
    for (int i = 1; i <= rows; ++i) {
      list += std::to_string(i) + "\t1\tArm\n";
    }
    job_ = PrintJobTexts::From(texts, list, [] { return std::string("08.12.26"); });
    pages_ = std::make_unique<PrintPreviewDocument>(printer_, job_, nullptr, [this](QWidget*) {
      ++prints_;
      return print_answer_;
    });
    ASSERT_TRUE(pages_->Open(nullptr));
    texts_ = PreviewTexts{QStringLiteral("Druckvorschau"),   QStringLiteral("Drucken"),
                          QStringLiteral("Seite %1 von %2"), QStringLiteral("Erste Seite"),
                          QStringLiteral("Vorige Seite"),    QStringLiteral("Nächste Seite"),
                          QStringLiteral("Letzte Seite"),    QStringLiteral("Vergrößern"),
                          QStringLiteral("Verkleinern"),     QStringLiteral("Seitenbreite"),
                          QStringLiteral("Ganze Seite"),     QStringLiteral("Schließen")};
    dialog_ = std::make_unique<PrintPreviewDialog>(*pages_, texts_, nullptr);
    dialog_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
  }

  template <typename Widget>
  Widget* Find(const char* name) const {
    auto* widget = dialog_->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }
  QString PageOf() const { return Find<QLabel>("PreviewPageOf")->text(); }

  // Dark pixels of the page as the view shows it.
  int DarkPixels() const {
    const QImage shown = Find<PreviewPageView>("PreviewPage")->grab().toImage();
    int dark = 0;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) {
        dark += qGray(shown.pixel(x, y)) < 100 ? 1 : 0;
      }
    }
    return dark;
  }

  QTemporaryDir folder_;
  QPrinter printer_{QPrinter::HighResolution};
  PrintJobTexts job_;
  int prints_ = 0;
  bool print_answer_ = true;
  std::unique_ptr<PrintPreviewDocument> pages_;
  PreviewTexts texts_;
  std::unique_ptr<PrintPreviewDialog> dialog_;
};

TEST_F(PrintPreviewDialogTest, TurnsPagesByButtonsKeysNumberAndWheel) {
  OpenList(400);  // 14 pages
  EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Druckvorschau"));
  EXPECT_EQ(Find<QToolButton>("PreviewNext")->toolTip(), QStringLiteral("Nächste Seite"));
  EXPECT_EQ(Find<QToolButton>("PreviewWholePage")->text(), QStringLiteral("Ganze Seite"));
  EXPECT_EQ(Find<QPushButton>("PreviewClose")->text(), QStringLiteral("Schließen"));
  EXPECT_EQ(PageOf(), QStringLiteral("Seite 1 von 14"));
  EXPECT_FALSE(Find<QToolButton>("PreviewFirst")->isEnabled());
  EXPECT_FALSE(Find<QToolButton>("PreviewPrevious")->isEnabled());

  Click("PreviewNext");
  EXPECT_EQ(PageOf(), QStringLiteral("Seite 2 von 14"));
  Click("PreviewLast");
  EXPECT_EQ(dialog_->CurrentPage(), 14);
  EXPECT_FALSE(Find<QToolButton>("PreviewNext")->isEnabled());
  EXPECT_TRUE(Find<QToolButton>("PreviewPrevious")->isEnabled());
  QTest::keyClick(dialog_.get(), Qt::Key_PageUp);
  EXPECT_EQ(dialog_->CurrentPage(), 13);
  QTest::keyClick(dialog_.get(), Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(dialog_->CurrentPage(), 1);
  QTest::keyClick(dialog_.get(), Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(dialog_->CurrentPage(), 14);

  auto* number = Find<QSpinBox>("PreviewPageNumber");
  EXPECT_EQ(number->value(), 14);
  number->setFocus();
  number->selectAll();
  QTest::keyClicks(number, QStringLiteral("7"));
  QTest::keyClick(number, Qt::Key_Return);
  EXPECT_EQ(PageOf(), QStringLiteral("Seite 7 von 14"));

  // A whole page has nothing to scroll: the wheel turns the page.
  auto* view = Find<PreviewPageView>("PreviewPage");
  const QPointF at(view->width() / 2.0, view->height() / 2.0);
  QWheelEvent down(at, view->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view, &down);
  EXPECT_EQ(dialog_->CurrentPage(), 8);
  EXPECT_EQ(view->Page(), 8);
}

TEST_F(PrintPreviewDialogTest, PagesAreLaidOutWhenTurnedToAndFewAreKept) {
  OpenList(2000);  // 67 pages
  EXPECT_EQ(pages_->PageCount(), 67);
  EXPECT_EQ(pages_->LayoutRuns(), 1);
  const int dark_first = DarkPixels();
  EXPECT_GT(dark_first, 1000);
  for (int page = 2; page <= 67; ++page) {
    QTest::keyClick(dialog_.get(), Qt::Key_PageDown);
    ASSERT_EQ(dialog_->CurrentPage(), page);
    EXPECT_LE(pages_->PagesKept(), PrintPreviewDocument::kPagesKept);
  }
  // Pages on: one run for every dozen pages or so, not one for each page.
  EXPECT_LE(pages_->LayoutRuns(),
            1 + 67 / (PrintPreviewDocument::kPagesPerRun - PrintPreviewDocument::kPagesBefore) + 1);
  // The last page holds 10 rows: less ink than a full one, but some.
  const int dark_last = DarkPixels();
  EXPECT_GT(dark_last, 100);
  EXPECT_LT(dark_last, dark_first);
  // A page just left is at hand; the first page is laid out again.
  const int runs = pages_->LayoutRuns();
  QTest::keyClick(dialog_.get(), Qt::Key_PageUp);
  EXPECT_EQ(pages_->LayoutRuns(), runs);
  QTest::keyClick(dialog_.get(), Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(pages_->LayoutRuns(), runs + 1);
  EXPECT_EQ(DarkPixels(), dark_first);
}

TEST_F(PrintPreviewDialogTest, ZoomFitsTheWholePageOrItsWidth) {
  OpenList(40);
  auto* view = Find<PreviewPageView>("PreviewPage");
  auto* scroll = dialog_->findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  // Whole page: all of the paper in the scroll area.
  EXPECT_LE(view->height(), scroll->viewport()->height());
  EXPECT_TRUE(Find<QToolButton>("PreviewWholePage")->isChecked());
  const double whole = view->Scale();

  Click("PreviewPageWidth");
  EXPECT_TRUE(Find<QToolButton>("PreviewPageWidth")->isChecked());
  EXPECT_FALSE(Find<QToolButton>("PreviewWholePage")->isChecked());
  EXPECT_GT(view->Scale(), whole);
  EXPECT_LE(view->width(), scroll->viewport()->width());
  EXPECT_GT(view->height(), scroll->viewport()->height());

  const double width = view->Scale();
  Click("PreviewZoomIn");
  EXPECT_NEAR(view->Scale(), width * 1.25, 1e-9);
  const double zoomed = view->Scale();
  Click("PreviewZoomOut");
  Click("PreviewZoomOut");
  EXPECT_NEAR(view->Scale(), zoomed / 1.25 / 1.25, 1e-9);
  EXPECT_FALSE(Find<QToolButton>("PreviewPageWidth")->isChecked());
}

TEST_F(PrintPreviewDialogTest, DruckenClosesThePreviewOnceItPrinted) {
  OpenList(40);
  print_answer_ = false;  // the print dialog was cancelled
  Click("PreviewPrint");
  EXPECT_EQ(prints_, 1);
  EXPECT_TRUE(dialog_->isVisible());
  print_answer_ = true;
  Click("PreviewPrint");
  EXPECT_EQ(prints_, 2);
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace zufora::app
