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

  // A hyphen in the name stays in the column and the footer; the seed note goes.
  EXPECT_EQ(Only(2, "Zentrum 2        Nord-West - Seed: (99)").y, 450);
  EXPECT_EQ(Only(2, "Zentrum 2: Nord-West").y, 6600);
  EXPECT_EQ(Only(2, " Nord-West ").x, 1650);
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

// Strata without centres: a table for each stratum heading, which names the stratum in
// the sub-title, the footer and the column "Zentrum".
TEST_F(PrintRunTest, EveryStratumStartsANewPage) {
  Print({"Studie S", "Stratum 1\tGeschlecht: w - Alter: < 65 - Seed: (17)", "1\t2\tPlacebo",
         "------- Block ------", "Stratum 2\tGeschlecht: w - Alter: >= 65 - Seed: (99)",
         "1\t1\tVerum"});
  EXPECT_EQ(DocumentKinds(surface_),
            (std::vector<Kind>{Kind::kBeginDocument, Kind::kNewPage, Kind::kEndDocument}));
  EXPECT_EQ(Only(1, "Stratum 1        Geschlecht: w - Alter: < 65 - Seed: (17)").y, 450);
  EXPECT_EQ(Only(1, "Stratum 1: Geschlecht: w - Alter: < 65").y, 6600);
  EXPECT_EQ(Only(1, " Placebo ").y, 900);
  EXPECT_EQ(Only(2, "Stratum 2: Geschlecht: w - Alter: >= 65").y, 6600);
  EXPECT_EQ(Only(2, " Verum ").y, 900);
}

TEST_F(PrintRunTest, TheStratumWordFollowsTheLanguageFile) {
  job_.stratum_caption = "Estrato";
  Print({"S", "Stratum 1\tA: a", "1\t1\tX", "Estrato 2\tA: b", "1\t1\tY"});
  EXPECT_EQ(DocumentKinds(surface_),
            (std::vector<Kind>{Kind::kBeginDocument, Kind::kNewPage, Kind::kEndDocument}));
  EXPECT_EQ(Only(2, "Estrato 2: A: b").y, 6600);
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
  EXPECT_EQ(Only(2, "Zentrumsleitung: Tel - 123").y, 6600);
  EXPECT_EQ(Only(2, " Tel - 123 ").x, 1650);
  EXPECT_TRUE(FindTexts(surface_, 1, " Tel - 123 ").empty());
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
  // trimmed, cp1252 letters and hyphens kept.
  const std::string name = Cp1252Literal("Bü");
  const ListPrintRun odd = PrintedCentre("Zentrum 9 :x\t \x01" + name + "\x02 -y\tdrittes");
  EXPECT_EQ(odd.CentreHeading(), "Zentrum 9 :x         \x01" + name + "\x02 -y");
  EXPECT_EQ(odd.CentreId(), "Zentrum 9");
  EXPECT_EQ(odd.CentreName(), name + "\x02 -y");
}

// Names that differ only after a hyphen print apart; only a seed note at the very end of
// the heading is left out, whatever the name holds before it.
TEST(ReadCentreHeading, KeepsHyphensAndLeavesOutOnlyTheSeedNote) {
  EXPECT_EQ(PrintedCentre("Zentrum 1\tNord-West - Seed: (5)").CentreName(), "Nord-West");
  EXPECT_EQ(PrintedCentre("Zentrum 2\tNord-Ost - Seed: (5)").CentreName(), "Nord-Ost");
  EXPECT_EQ(PrintedCentre("Zentrum 3\tKlinik - Seed: (x)").CentreName(), "Klinik - Seed: (x)");
  EXPECT_EQ(PrintedCentre("Zentrum 4\tA - Seed: (1) - B").CentreName(), "A - Seed: (1) - B");
  EXPECT_EQ(PrintedCentre("Zentrum 5\tA - Seed: (1) - Seed: (-2147483648)").CentreName(),
            "A - Seed: (1)");
  EXPECT_EQ(PrintedCentre("Zentrum 6\t - Seed: ()").CentreName(), "- Seed: ()");
  // A stratum: the centre's name with the factors' levels, as the heading has them.
  const std::string south_west = Cp1252Literal("Süd-West");
  const ListPrintRun stratum =
      PrintedCentre("Zentrum 7\t" + south_west + " - Geschlecht: w - Alter: < 65 - Seed: (123)");
  EXPECT_EQ(stratum.CentreId(), "Zentrum 7");
  EXPECT_EQ(stratum.CentreName(), south_west + " - Geschlecht: w - Alter: < 65");
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
