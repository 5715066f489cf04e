#include "print/ListPrintRun.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "lang/ProgramTexts.h"
#include "print/PrintLogQueries.h"
#include "support/RecordingSurface.h"
#include "text/Cp1252.h"

namespace zufora {
namespace {

using print_test::DocumentKinds;
using print_test::DrawnLine;
using print_test::FillsOnPage;
using print_test::FindTexts;
using print_test::LinesOnPage;
using print_test::Padded;
using print_test::TextsOnPage;
using Kind = PrintOperation::Kind;

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

// A job with the built-in texts of a first show without language file.
PrintJobTexts BuiltInJob() {
  ProgramTexts texts;
  ApplyFirstShowTexts(texts, nullptr);
  return PrintJobTexts::From(texts, "", [] { return std::string("24.05.2024"); });
}

// The page of the print run: 4800 × 6800 at 600 dpi. Texts measure 4 units per point and
// character: 48 at 12 points, 56 at 14, 40 at 10.
class PrintRunTest : public ::testing::Test {
 protected:
  PrintRunTest() : surface_(4800, 6800, 600) {}

  void Print(const std::vector<std::string>& lines) {
    job_.list_text = JoinLines(lines);
    run_.Print(surface_, job_);
  }

  // The one text of a page equal to `text`.
  PrintOperation Only(std::int32_t page, const std::string& text) {
    const auto found = FindTexts(surface_, page, text);
    EXPECT_EQ(found.size(), 1U) << "\"" << text << "\" on page " << page;
    return found.empty() ? PrintOperation{} : found.front();
  }

  RecordingSurface surface_;
  ListPrintRun run_;
  PrintJobTexts job_ = BuiltInJob();
};

std::vector<std::string> SingleList(int patients) {
  std::vector<std::string> lines{"Teststudie", "Seed: (4711)"};
  for (int i = 1; i <= patients; ++i) {
    lines.push_back(std::to_string(i) + "\t1\tVerum");
  }
  return lines;
}

TEST_F(PrintRunTest, TheResultingPage) {
  Print(SingleList(35));  // 36 rows: 30 on page 1, 6 on page 2

  EXPECT_EQ(DocumentKinds(surface_),
            (std::vector<Kind>{Kind::kBeginDocument, Kind::kNewPage, Kind::kEndDocument}));
  EXPECT_EQ(surface_.Log().front().text, "Quandel Zufora Version 1.2");

  // Header band: 100 to 4700, text top 100, the date ending at 4700, Arial 10 italic.
  const PrintOperation date = Only(1, "24.05.2024");
  EXPECT_EQ(date.x, 4700 - 400);
  EXPECT_EQ(date.y, 100);
  EXPECT_EQ(date.font, (PrintFont{"Arial", 10, false, true, {}}));

  const PrintOperation title = FindTexts(surface_, 1, "Teststudie").at(0);
  EXPECT_EQ(title.x, 600);
  EXPECT_EQ(title.y, 300);
  EXPECT_EQ(title.font, (PrintFont{"Arial", 14, true, false, {}}));

  // Sub-title: empty in a list without centres, at (600, 450), regular.
  const auto texts = TextsOnPage(surface_, 1);
  bool sub_title_found = false;
  for (const PrintOperation& op : texts) {
    if (op.x == 600 && op.y == 450) {
      EXPECT_EQ(op.text, "");
      EXPECT_EQ(op.font, (PrintFont{"Arial", 12, false, false, {}}));
      sub_title_found = true;
    }
  }
  EXPECT_TRUE(sub_title_found);

  // Column titles, bold, at y 750; anchors 600, 900, 900, 1650, 2400, 3300, 3900.
  struct Title {
    std::string text;
    std::int32_t x;
  };
  for (const Title& t :
       {Title{" ID ", 600 - 4 * 48}, Title{" Arm ", 900 - 5 * 48}, Title{" Studienarm ", 900},
        Title{" Zentrum ", 1650}, Title{" Patient ", 2400}, Title{" Geb.-Dat. ", 3300},
        Title{" Datum ", 3900}}) {
    const PrintOperation op = Only(1, t.text);
    EXPECT_EQ(op.x, t.x) << t.text;
    EXPECT_EQ(op.y, 750) << t.text;
    EXPECT_EQ(op.font, (PrintFont{"Arial", 12, true, false, {}})) << t.text;
  }

  // Row 0 is the seed note, right-aligned at the margin: it runs out of the number box
  // and past the left edge of the printable area.
  const PrintOperation seed = Only(1, " Seed: (4711) ");
  EXPECT_EQ(seed.x, 600 - 14 * 48);
  EXPECT_EQ(seed.y, 900);
  // Patient k is row k, at 900 + k × 150: the number ends at the margin, the arm at
  // 900, then the description and four empty cells at their anchors.
  for (std::int32_t k = 1; k <= 29; ++k) {
    std::vector<PrintOperation> row;
    for (const PrintOperation& op : TextsOnPage(surface_, 1)) {
      if (op.y == 900 + k * 150) {
        row.push_back(op);
      }
    }
    ASSERT_EQ(row.size(), 7U) << k;
    const std::string number = Padded(std::to_string(k));
    EXPECT_EQ(row[0].text, number);
    EXPECT_EQ(row[0].x, 600 - static_cast<std::int32_t>(number.size()) * 48);
    EXPECT_EQ(row[1].text, " 1 ");
    EXPECT_EQ(row[1].x, 900 - 3 * 48);
    EXPECT_EQ(row[2].text, " Verum ");
    EXPECT_EQ(row[2].x, 900);
    const std::int32_t empty_anchors[] = {1650, 2400, 3300, 3900};
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(row[3 + i].text, "  ");
      EXPECT_EQ(row[3 + i].x, empty_anchors[i]);
    }
    EXPECT_EQ(row[0].font, (PrintFont{"Arial", 12, false, false, {}}));
  }
  EXPECT_TRUE(FindTexts(surface_, 1, " 30 ").empty());

  // Rows 1, 3, …, 29 shaded from the number box to the table's end at 4500.
  std::vector<PrintRect> shading;
  for (std::int32_t k = 1; k < 30; k += 2) {
    shading.push_back(PrintRect{408, 900 + k * 150 - 25, 4500, 900 + k * 150 + 125});
  }
  EXPECT_EQ(FillsOnPage(surface_, 1), shading);

  const std::vector<DrawnLine> grid{
      {600, 725, 600, 5375},   {408, 725, 408, 5375},   {900, 725, 900, 5375},
      {900, 725, 900, 5375},   {1650, 725, 1650, 5375}, {2400, 725, 2400, 5375},
      {3300, 725, 3300, 5375}, {3900, 725, 3900, 5375}, {4500, 725, 4500, 5375},
      {408, 725, 4500, 725},   {408, 5375, 4500, 5375}, {408, 875, 4500, 875}};
  EXPECT_EQ(LinesOnPage(surface_, 1), grid);

  // Footer band: study name left, page number right, text top 6600.
  const auto footer_texts = TextsOnPage(surface_, 1);
  ASSERT_GE(footer_texts.size(), 3U);
  const PrintOperation& left = footer_texts[footer_texts.size() - 3];
  const PrintOperation& right = footer_texts[footer_texts.size() - 2];
  const PrintOperation& middle = footer_texts[footer_texts.size() - 1];
  EXPECT_EQ(left.text, "Teststudie");
  EXPECT_EQ(left.x, 100);
  EXPECT_EQ(left.y, 6600);
  EXPECT_EQ(right.text, "1");
  EXPECT_EQ(right.x, 4700 - 40);
  EXPECT_EQ(middle.text, "");
  EXPECT_EQ(middle.x, 2400);
  EXPECT_EQ(middle.font, (PrintFont{"Arial", 10, false, true, {}}));

  // Page 2: rows 30 … 35 from the top, the date unchanged, page number 2.
  EXPECT_EQ(Only(2, " 30 ").y, 900);
  EXPECT_EQ(Only(2, " 35 ").y, 900 + 5 * 150);
  EXPECT_EQ(Only(2, "24.05.2024").x, 4300);
  EXPECT_EQ(Only(2, "2").x, 4660);
  EXPECT_EQ(FillsOnPage(surface_, 2).size(), 3U);  // rows 31, 33, 35
  EXPECT_EQ(LinesOnPage(surface_, 2).at(0), (DrawnLine{600, 725, 600, 1775}));

  EXPECT_EQ(run_.Layout(), nullptr);
  EXPECT_FALSE(surface_.Printing());
}

TEST_F(PrintRunTest, ASecondJobOnTheSameSurfaceLaysOutAlike) {
  // The first run leaves the surface's font at 12 points; the next job must not start
  // from it.
  Print(SingleList(5));
  const std::vector<PrintOperation> first = surface_.Log();
  surface_.ClearLog();
  Print(SingleList(5));
  EXPECT_EQ(surface_.Log(), first);
}

TEST_F(PrintRunTest, AnEmptyListFieldPrintsOneBarePage) {
  run_.Print(surface_, job_);
  EXPECT_EQ(DocumentKinds(surface_), (std::vector<Kind>{Kind::kBeginDocument, Kind::kEndDocument}));
  // Header 3, title, seven column titles, sub-title, footer 3.
  const auto texts = TextsOnPage(surface_, 1);
  EXPECT_EQ(texts.size(), 15U);
  EXPECT_EQ(Only(1, "24.05.2024").y, 100);
  EXPECT_EQ(Only(1, "1").y, 6600);
  EXPECT_TRUE(FillsOnPage(surface_, 1).empty());
  const auto lines = LinesOnPage(surface_, 1);
  ASSERT_EQ(lines.size(), 12U);
  EXPECT_EQ(lines[0], (DrawnLine{600, 725, 600, 875}));
  EXPECT_EQ(lines[10], (DrawnLine{408, 875, 4500, 875}));
  EXPECT_TRUE(run_.Lines().empty());
}

TEST_F(PrintRunTest, OneHugeLinePrintsAsItStands) {
  // A list field that holds one line of many megabytes, as a paste may leave it: the
  // line is the title (and the footer's left text); after it, a row of one such field.
  const std::string huge(4u << 20, 'x');
  job_.list_text = huge;
  run_.Print(surface_, job_);
  EXPECT_EQ(FindTexts(surface_, 1, huge).size(), 2U);  // title and footer
  EXPECT_EQ(surface_.PageCount(), 1);

  RecordingSurface second(4800, 6800, 600);
  job_.list_text = "Titel\n" + huge;
  run_.Print(second, job_);
  const auto row = FindTexts(second, 1, " " + huge + " ");  // a cell: a blank either side
  ASSERT_EQ(row.size(), 1U);
  EXPECT_LT(row.at(0).x, 0);  // right-aligned at the margin, far out of the page
  EXPECT_EQ(second.PageCount(), 1);
}

TEST_F(PrintRunTest, TheMarginIsTheTruncatedEighthOfThePage) {
  RecordingSurface narrow(4760, 6800, 600);
  job_.list_text = "Titel\n";
  run_.Print(narrow, job_);
  // ColumnUnit 4760 / 800 as a float just below 5.95: 100 × it truncates to 594.
  EXPECT_EQ(FindTexts(narrow, 1, "Titel").at(0).x, 594);
}

TEST_F(PrintRunTest, EveryCentreStartsANewPageAndCarriesItsTexts) {
  Print({"Studie Z", "Zentrum 1\tKlinik Nord - Seed: (4711)", "1\t2\tPlacebo", "2\t1\tVerum",
         "------- Block ------", "Zentrum 2\tNord-West - Seed: (99)", "3\t1\tVerum",
         "Zentrum 3\tOhne Patienten", Cp1252Literal("Zentrum 4\tSüd"), "4\t2\tPlacebo",
         "Zentrum 5\tLetztes"});
  // Centre 3 has no rows and no page; the last centre is printed although empty.
  EXPECT_EQ(DocumentKinds(surface_),
            (std::vector<Kind>{Kind::kBeginDocument, Kind::kNewPage, Kind::kNewPage, Kind::kNewPage,
                               Kind::kEndDocument}));

  EXPECT_EQ(Only(1, "Zentrum 1        Klinik Nord - Seed: (4711)").y, 450);
  EXPECT_EQ(Only(1, "Zentrum 1: Klinik Nord").x, (100 + 4700 - 22 * 40) / 2);
  EXPECT_EQ(Only(1, " Placebo ").y, 900);
  EXPECT_EQ(FindTexts(surface_, 1, " Klinik Nord ").size(), 2U);
  EXPECT_EQ(FindTexts(surface_, 1, " Klinik Nord ").at(0).x, 1650);
  EXPECT_EQ(Only(1, "------- Block ------").y, 1200);  // the separator row, no Zentrum
  EXPECT_EQ(Only(1, "1").y, 6600);

  // A hyphen cuts the name in the column and the footer, not in the sub-title.
  EXPECT_EQ(Only(2, "Zentrum 2        Nord-West - Seed: (99)").y, 450);
  EXPECT_EQ(Only(2, "Zentrum 2: Nord").y, 6600);
  EXPECT_EQ(Only(2, " Nord ").x, 1650);
  EXPECT_EQ(Only(2, " 3 ").y, 900);  // a centre with one row gets its own page
  EXPECT_EQ(Only(2, "2").x, 4660);

  const std::string south = Cp1252Literal("Süd");
  EXPECT_EQ(Only(3, "Zentrum 4: " + south).y, 6600);
  EXPECT_EQ(Only(3, Padded(south)).x, 1650);
  EXPECT_EQ(Only(3, "3").x, 4660);
  EXPECT_TRUE(FindTexts(surface_, 3, "Zentrum 3: Ohne Patienten").empty());

  EXPECT_EQ(Only(4, "Zentrum 5        Letztes").y, 450);
  EXPECT_EQ(Only(4, "Zentrum 5: Letztes").y, 6600);
  EXPECT_EQ(Only(4, "4").x, 4660);
  EXPECT_EQ(LinesOnPage(surface_, 4).at(0), (DrawnLine{600, 725, 600, 875}));

  for (std::int32_t page = 1; page <= 4; ++page) {
    // The title, and the footer's left text.
    const auto study = FindTexts(surface_, page, "Studie Z");
    ASSERT_EQ(study.size(), 2U);
    EXPECT_EQ(study[0].y, 300);
    EXPECT_EQ(study[1].y, 6600);
  }
  EXPECT_EQ(run_.CentreName(), "Letztes");
}

TEST_F(PrintRunTest, SeparatorRowsCountForShadingAndThePageBreak) {
  std::vector<std::string> lines = SingleList(28);  // rows 0 … 28
  lines.push_back("------- Block ------");          // row 29, odd
  lines.push_back("29\t2\tPlacebo");                // row 30: page 2
  Print(lines);
  const PrintOperation separator = Only(1, "------- Block ------");
  EXPECT_EQ(separator.x, 600);
  EXPECT_EQ(separator.y, 900 + 29 * 150);
  EXPECT_EQ(FillsOnPage(surface_, 1).back(), (PrintRect{408, 5225, 4500, 5375}));
  EXPECT_EQ(Only(2, " 29 ").y, 900);
}

TEST_F(PrintRunTest, ALineTypedWithTheCentreWordOpensABlock) {
  Print({"Studie", "1\t1\tA", "Zentrumsleitung: Dr. Meier\tTel - 123", "2\t1\tA"});
  EXPECT_EQ(DocumentKinds(surface_),
            (std::vector<Kind>{Kind::kBeginDocument, Kind::kNewPage, Kind::kEndDocument}));
  EXPECT_EQ(Only(2, "Zentrumsleitung: Dr. Meier        Tel - 123").y, 450);
  EXPECT_EQ(Only(2, "Zentrumsleitung: Tel").y, 6600);
  EXPECT_EQ(Only(2, " Tel ").x, 1650);
  EXPECT_TRUE(FindTexts(surface_, 1, " Tel ").empty());
}

TEST_F(PrintRunTest, TheMainWindowsTextsAreUsed) {
  job_.center_caption = "Centre";
  job_.block_separator = "------- Bloc ------";
  job_.document_name = "Meine Liste";
  Print({"S", "Centre 1\tA", "1\t1\tX", "------- Bloc ------", "Zentrum 2\tB"});
  EXPECT_EQ(surface_.Log().front().text, "Meine Liste");
  EXPECT_EQ(DocumentKinds(surface_), (std::vector<Kind>{Kind::kBeginDocument, Kind::kEndDocument}));
  EXPECT_EQ(Only(1, "------- Bloc ------").x, 600);
  // Not a heading under this caption: an ordinary row with the centre appended.
  EXPECT_EQ(Only(1, " Zentrum 2 ").x, 600 - 11 * 48);
  EXPECT_EQ(Only(1, " B ").x, 900 - 3 * 48);
  const auto centre_column = FindTexts(surface_, 1, " A ");
  ASSERT_EQ(centre_column.size(), 2U);
  EXPECT_EQ(centre_column[0].x, 1650);  // row 0: the centre in its column
  EXPECT_EQ(centre_column[1].x, 900);   // row 2: the centre after "B"
}

TEST_F(PrintRunTest, LineBreaksOfEveryKindSeparateLines) {
  run_.SplitIntoLines("a\r\nb\rc\nd");
  EXPECT_EQ(run_.Lines(), (std::vector<std::string>{"a", "b", "c", "d"}));
  run_.SplitIntoLines("a\n");
  EXPECT_EQ(run_.Lines(), (std::vector<std::string>{"a"}));
  run_.SplitIntoLines("a\n\n\r\n");
  EXPECT_EQ(run_.Lines(), (std::vector<std::string>{"a", "", ""}));
  run_.SplitIntoLines("\n");
  EXPECT_EQ(run_.Lines(), (std::vector<std::string>{""}));
  run_.SplitIntoLines("");
  EXPECT_TRUE(run_.Lines().empty());

  job_.list_text = "Titel\r\nSeed: (1)\r\n1\t1\tA\r\n";
  run_.Print(surface_, job_);
  EXPECT_EQ(FindTexts(surface_, 1, "Titel").at(0).y, 300);
  EXPECT_EQ(Only(1, " A ").y, 1050);
  // The run leaves the lines behind, the title taken off.
  EXPECT_EQ(run_.Lines(), (std::vector<std::string>{"Seed: (1)", "1\t1\tA"}));
}

// The centre texts that a print run took from a list whose one centre heading is `line`.
ListPrintRun PrintedCentre(const std::string& line) {
  RecordingSurface surface(4800, 6800, 600);
  ListPrintRun run;
  PrintJobTexts job = BuiltInJob();
  job.list_text = "Studie\n" + line + "\n1\t1\tA\n";
  run.Print(surface, job);
  return run;
}

TEST(ReadCentreHeading, SplitsHeadingIdAndName) {
  ListPrintRun run;
  run.ReadCentreHeading("Zentrum 3\tKlinik Nord");
  EXPECT_EQ(run.CentreHeading(), "");  // no engine, no effect

  const ListPrintRun full = PrintedCentre("Zentrum 3\tKlinik Nord - Seed: (4711)");
  EXPECT_EQ(full.CentreHeading(), "Zentrum 3        Klinik Nord - Seed: (4711)");
  EXPECT_EQ(full.CentreId(), "Zentrum 3");
  EXPECT_EQ(full.CentreName(), "Klinik Nord");

  const ListPrintRun bare = PrintedCentre("Zentrum 7");
  EXPECT_EQ(bare.CentreHeading(), "Zentrum 7        ");
  EXPECT_EQ(bare.CentreId(), "Zentrum 7");
  EXPECT_EQ(bare.CentreName(), "");

  // Only the second field counts; id cut at its colon; blanks and control characters
  // trimmed, cp1252 letters kept.
  const std::string name = Cp1252Literal("Bü");
  const ListPrintRun odd = PrintedCentre("Zentrum 9 :x\t \x01" + name + "\x02 -y\tdrittes");
  EXPECT_EQ(odd.CentreHeading(), "Zentrum 9 :x         \x01" + name + "\x02 -y");
  EXPECT_EQ(odd.CentreId(), "Zentrum 9");
  EXPECT_EQ(odd.CentreName(), name);
}

TEST(AddColumnTest, AppendsWidthAndCodeAsDecimalText) {
  std::vector<std::string> titles{"ID"};
  std::vector<std::string> widths{"50"};
  std::vector<std::string> codes{"0"};
  ListPrintRun::AddColumn(titles, widths, codes, "Arm", -7, 2);
  EXPECT_EQ(titles, (std::vector<std::string>{"ID", "Arm"}));
  EXPECT_EQ(widths, (std::vector<std::string>{"50", "-7"}));
  EXPECT_EQ(codes, (std::vector<std::string>{"0", "2"}));
}

// ---------------------------------------------------------------------------------------
// Bad input and failures

TEST_F(PrintRunTest, LongLinesAndManyTabsArePrintedWhole) {
  const std::string long_field(100000, 'L');
  std::string many_tabs = "1";
  for (int i = 0; i < 5000; ++i) {
    many_tabs += "\tf";
  }
  Print({"S", long_field, many_tabs, "Zentrum " + long_field + "\t" + long_field});
  // The long row: one cell, right-aligned far beyond the left edge.
  const PrintOperation wide = Only(1, Padded(long_field));
  EXPECT_EQ(wide.x, 600 - 100002 * 48);
  // 5001 fields: six columns drawn singly, the rest joined onto "Datum".
  std::string joined = " f";
  for (int i = 0; i < 4995 - 1; ++i) {
    joined += " f";
  }
  joined += ' ';
  EXPECT_EQ(Only(1, joined).x, 3900);
  EXPECT_EQ(Only(1, joined).y, 1050);
  EXPECT_EQ(FindTexts(surface_, 1, " f ").size(), 5U);
  // The heading with its long texts opens page 2 for the (empty) last block.
  EXPECT_EQ(Only(2, "Zentrum " + long_field + "        " + long_field).y, 450);
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
}  // namespace zufora
