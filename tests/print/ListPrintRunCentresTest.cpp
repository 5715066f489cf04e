#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/ListPrintRunFixture.h"
#include "print/TextFitter.h"
#include "text/Cp1252.h"

// Centres and blocks: a page per centre, the centre texts, separators, the window's
// words and the lines of the list text.
namespace zufora::print_test {
namespace {

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
  // Not a heading under this caption: an ordinary row with the centre appended, whose
  // first cell is cut to the number box (408 to 600) at 6 points: 9 characters.
  EXPECT_EQ(Only(1, std::string(" Zentru") + kEllipsis + " ").x, 600 - 9 * 24);
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

}  // namespace
}  // namespace zufora::print_test
