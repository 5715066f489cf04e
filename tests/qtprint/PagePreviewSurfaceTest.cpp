#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "lang/ProgramTexts.h"
#include "print/ListPrintRun.h"
#include "print/PrintLogQueries.h"
#include "qtprint/PagePreviewSurface.h"
#include "qtprint/PdfOutput.h"
#include "qtprint/PrintCancelled.h"
#include "support/RecordingSurface.h"

// The preview's surface: pages as the print lays them out, only those asked for.
namespace zufora {
namespace {

using Kind = PrintOperation::Kind;
using Operation = RecordedPage::Operation;

// A recording surface that measures with the printer's own fonts, as the preview does.
class PrinterMeasuredSurface : public RecordingSurface {
 public:
  explicit PrinterMeasuredSurface(QPrinter& printer)
      : RecordingSurface(printer.width(), printer.height(), printer.logicalDpiY()),
        fonts_(printer, printer.logicalDpiY()) {}
  std::int32_t TextWidth(std::string_view text) override {
    return fonts_.Get(Font()).metrics.horizontalAdvance(QString::fromLatin1(text));
  }
  std::int32_t FontAscent() override { return fonts_.Get(Font()).ascent; }

 private:
  PrinterFonts fonts_;
};

class PagePreviewSurfaceTest : public ::testing::Test {
 protected:
  PagePreviewSurfaceTest() {
    SetUpPdfFile(printer_, directory_.filePath(QStringLiteral("nie.pdf")),
                 QPageSize(QPageSize::A4));
    ProgramTexts texts;
    ApplyFirstShowTexts(texts, nullptr);
    std::string list = "Lange Liste\n";
    for (int i = 1; i <= 200; ++i) {
      list += std::to_string(i) + "\t" + std::to_string(i % 2 + 1) + "\tArm\n";
    }
    job_ = PrintJobTexts::From(texts, list, [] { return std::string("08.12.26"); });
  }

  QTemporaryDir directory_;
  QPrinter printer_{QPrinter::HighResolution};
  PrintJobTexts job_;
};

TEST_F(PagePreviewSurfaceTest, RecordsTheWantedPagesAsThePrintDrawsThem) {
  PrinterMeasuredSurface expected(printer_);
  ListPrintRun().Print(expected, job_);
  ASSERT_GE(expected.PageCount(), 5);

  std::vector<std::int32_t> observed;
  PagePreviewSurface surface(printer_, 2, 3, true,
                             [&observed](std::int32_t done) { observed.push_back(done); });
  EXPECT_THROW(ListPrintRun().Print(surface, job_), PreviewPagesReady);
  EXPECT_EQ(observed, (std::vector<std::int32_t>{1, 2, 3}));
  const std::vector<RecordedPage> pages = surface.TakeRecordedPages();
  ASSERT_EQ(pages.size(), 2U);
  for (const RecordedPage& page : pages) {
    SCOPED_TRACE("page " + std::to_string(page.number));
    std::vector<PrintOperation> texts;
    for (const PrintOperation& op : print_test::TextsOnPage(expected, page.number)) {
      if (op.text.find_first_not_of(' ') != std::string::npos) {
        texts.push_back(op);
      }
    }
    std::vector<print_test::DrawnLine> lines;
    std::vector<PrintRect> fills;
    std::size_t text = 0;
    for (const Operation& operation : page.operations) {
      if (operation.kind == Operation::Kind::kText) {
        ASSERT_LT(text, texts.size());
        const PrintOperation& want = texts[text++];
        EXPECT_EQ(operation.text, want.text);
        EXPECT_EQ(operation.x1, want.x);
        const PrintFont& font = page.fonts.at(operation.font);
        EXPECT_EQ(font, want.font);
        PrinterFonts fonts(printer_, printer_.logicalDpiY());
        EXPECT_EQ(operation.y1 - fonts.Get(font).ascent, want.y);
      } else if (operation.kind == Operation::Kind::kLine) {
        lines.push_back({operation.x1, operation.y1, operation.x2, operation.y2});
      } else {
        fills.push_back(operation.rect);
      }
    }
    EXPECT_EQ(text, texts.size());
    EXPECT_EQ(lines, print_test::LinesOnPage(expected, page.number));
    EXPECT_EQ(fills, print_test::FillsOnPage(expected, page.number));
  }
  EXPECT_EQ(pages[0].number, 2);
  EXPECT_EQ(pages[1].number, 3);
}

TEST_F(PagePreviewSurfaceTest, ARunToTheEndCountsThePagesAndCanBeCancelled) {
  PrinterMeasuredSurface expected(printer_);
  ListPrintRun().Print(expected, job_);
  PagePreviewSurface counting(printer_, 1, 1, false);
  ListPrintRun().Print(counting, job_);
  EXPECT_EQ(counting.Pages(), expected.PageCount());
  EXPECT_EQ(counting.TakeRecordedPages().size(), 1U);

  PagePreviewSurface cancelled(printer_, 1, 1, false, [](std::int32_t done) {
    if (done == 2) {
      throw PrintCancelled();
    }
  });
  EXPECT_THROW(ListPrintRun().Print(cancelled, job_), PrintCancelled);
  EXPECT_FALSE(cancelled.Printing());
}

TEST_F(PagePreviewSurfaceTest, ARecordedPageIsPaintedAtAnyScale) {
  PagePreviewSurface surface(printer_, 1, 1, false);
  ListPrintRun().Print(surface, job_);
  const std::vector<RecordedPage> pages = surface.TakeRecordedPages();
  ASSERT_EQ(pages.size(), 1U);
  // A tenth of the printer's resolution: the table's frame and texts leave dark pixels
  // where the layout put them, the right margin stays white.
  QImage image(printer_.width() / 10, printer_.height() / 10, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.scale(0.1, 0.1);
    painter.setPen(QPen(Qt::black, 0));  // lines one screen pixel wide, as the preview's
    PrinterFonts fonts(printer_, printer_.logicalDpiY());
    PaintRecordedPage(painter, pages[0], fonts);
  }
  const auto dark_in = [&image](int x1, int y1, int x2, int y2) {
    int dark = 0;
    for (int y = y1; y < y2; ++y) {
      for (int x = x1; x < x2; ++x) {
        dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
      }
    }
    return dark;
  };
  const int margin = printer_.width() / 8 / 10;  // the table's left line
  EXPECT_GT(dark_in(margin - 1, image.height() / 4, margin + 2, image.height() / 2), 10);
  EXPECT_EQ(dark_in(image.width() - 5, 0, image.width(), image.height() * 9 / 10), 0);
}

}  // namespace
}  // namespace zufora
