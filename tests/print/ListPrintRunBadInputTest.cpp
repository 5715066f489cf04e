#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "print/ListPrintRunFixture.h"
#include "print/TextFitter.h"

// The print run on bad input and failing printers, and the header date of a job.
namespace zufora::print_test {
namespace {

TEST_F(PrintRunTest, LongLinesAndManyTabsAreCutAtTheEdgesOfTheirRoom) {
  const std::string long_field(100000, 'L');
  std::string many_tabs = "1";
  for (int i = 0; i < 5000; ++i) {
    many_tabs += "\tf";
  }
  Print({"S", long_field, many_tabs, "Zentrum " + long_field + "\t" + long_field});
  // The long row: one field, from the page's left edge to the table's end at 4500; at
  // 6 points 188 characters (188 × 24 − 24 = 4488), baseline kept (100 − 50 lower).
  const PrintOperation wide = Only(1, " " + std::string(185, 'L') + kEllipsis + " ");
  EXPECT_EQ(wide.x, 0);
  EXPECT_EQ(wide.y, 900 + 50);
  // 5001 fields: six columns drawn singly, the rest joined onto "Datum" and cut at the
  // table's end: 3900 to 4500 holds 26 characters at 6 points.
  const PrintOperation joined =
      Only(1, " f f f f f f f f f f f f" + std::string(1, kEllipsis) + " ");
  EXPECT_EQ(joined.x, 3900);
  EXPECT_EQ(joined.y, 1050 + 50);
  EXPECT_EQ(FindTexts(surface_, 1, " f ").size(), 5U);
  // The heading with its long texts opens page 2 for the (empty) last block: the
  // sub-title keeps between the margin and the header band's end (600 to 4700), 170
  // characters at 6 points.
  EXPECT_EQ(Only(2, "Zentrum " + std::string(161, 'L') + kEllipsis).y, 450 + 50);
}

TEST_F(PrintRunTest, AHundredThousandRowsArePagedThrough) {
  surface_.SetKeepLog(false);
  std::string text = "Studie\n";
  for (int i = 1; i <= 100000; ++i) {
    text += std::to_string(i);
    text += "\t1\tA\n";
  }
  job_.list_text = std::move(text);
  run_.Print(surface_, job_);
  // 100000 rows at 30 a page: 3334 pages, 15 texts each besides the rows' 7 cells.
  EXPECT_EQ(surface_.PageCount(), 3334);
  EXPECT_EQ(surface_.TextOutCount(), 3334 * 15 + 100000 * 7);
  EXPECT_EQ(surface_.FillCount(), 50000);
  EXPECT_EQ(surface_.LineCount(), 3334 * 12);
}

TEST_F(PrintRunTest, APageTooSmallForAnyRowPrintsEmptyPages) {
  RecordingSurface tiny(40, 40, 600);
  job_.list_text = "S\nZentrum 1\tA\n1\t1\tX\nZentrum 2\tB\n2\t1\tY\n";
  run_.Print(tiny, job_);
  EXPECT_EQ(DocumentKinds(tiny),
            (std::vector<Kind>{Kind::kBeginDocument, Kind::kNewPage, Kind::kEndDocument}));
  EXPECT_EQ(tiny.TextOutCount(), 0);

  RecordingSurface no_resolution(4800, 6800, 0);
  run_.Print(no_resolution, job_);
  EXPECT_EQ(no_resolution.TextOutCount(), 0);
  EXPECT_FALSE(no_resolution.Printing());
}

TEST_F(PrintRunTest, AnEmptyCentreCaptionMakesEveryLineAHeading) {
  job_.center_caption = "";
  Print(SingleList(3));
  EXPECT_EQ(DocumentKinds(surface_), (std::vector<Kind>{Kind::kBeginDocument, Kind::kEndDocument}));
  EXPECT_TRUE(FillsOnPage(surface_, 1).empty());
}

// A printer that fails when the second page is begun.
class FailingSurface : public RecordingSurface {
 public:
  FailingSurface() : RecordingSurface(4800, 6800, 600) {}

 protected:
  void DoNewPage() override { throw std::runtime_error("Druckerfehler"); }
};

TEST(PrintRunFailure, APrinterErrorStopsTheRunAndEndsTheJob) {
  FailingSurface surface;
  ListPrintRun run;
  PrintJobTexts job = BuiltInJob();
  job.list_text = "S\nZentrum 1\tA\n1\t1\tX\nZentrum 2\tB\n2\t1\tY\n";
  EXPECT_THROW(run.Print(surface, job), std::runtime_error);
  EXPECT_EQ(run.Layout(), nullptr);
  EXPECT_FALSE(surface.Printing());
  EXPECT_EQ(DocumentKinds(surface), (std::vector<Kind>{Kind::kBeginDocument, Kind::kEndDocument}));
  EXPECT_EQ(FindTexts(surface, 1, " X ").size(), 1U);
  EXPECT_TRUE(FindTexts(surface, 1, " Y ").empty());
}

TEST(PrintRunFailure, PrintListNeedsALayoutEngine) {
  ListPrintRun run;
  EXPECT_THROW(run.PrintList(PrintJobTexts{}), std::logic_error);
}

// The header date is read through the job's clock when the first page is drawn, once
// for each job, and not when the job's texts are built.
TEST(PrintJobDate, ReadWhenTheFirstPageIsDrawnOncePerJob) {
  ProgramTexts texts;
  ApplyFirstShowTexts(texts, nullptr);
  RecordingSurface first(4800, 6800, 600);
  RecordingSurface second(4800, 6800, 600);
  int reads = 0;
  std::vector<bool> printing_when_read;
  const PrintJobTexts job = PrintJobTexts::From(texts, JoinLines(SingleList(35)), [&] {
    printing_when_read.push_back((reads == 0 ? first : second).Printing());
    return "0" + std::to_string(++reads) + ".12.26";
  });
  EXPECT_EQ(reads, 0);

  ListPrintRun run;
  run.Print(first, job);
  EXPECT_EQ(reads, 1);
  EXPECT_EQ(FindTexts(first, 1, "01.12.26").size(), 1U);
  EXPECT_EQ(FindTexts(first, 2, "01.12.26").size(), 1U);  // the same date on every page
  run.Print(second, job);
  EXPECT_EQ(FindTexts(second, 1, "02.12.26").size(), 1U);
  EXPECT_EQ(printing_when_read, (std::vector<bool>{true, true}));
}

}  // namespace
}  // namespace zufora::print_test
