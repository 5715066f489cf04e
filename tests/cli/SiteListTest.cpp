// The site list of a blinded trial (--format blinded): numbers, strata, centres and
// levels, and nothing that tells an arm.
#include <gtest/gtest.h>

#include "CliFixture.h"

namespace zufora::cli {
namespace {

using testing::CliFixture;
using testing::Lines;

class SiteList : public CliFixture {};

// A design whose arm texts are words found nowhere else in it.
constexpr char kDesign[] =
    "[Design]\r\nName=Blind\r\nArme=2\r\nFallzahl=24\r\nMulticenter=1\r\nZentren=2\r\n"
    "[Arme]\r\nAnzahl=2\r\nBez1=Verum\r\nBeschr1=Wirkstoff Xylomab\r\nRatio1=1\r\n"
    "Bez2=Schein\r\nBeschr2=Placebo-Tablette\r\nRatio2=2\r\n[Zentren]\r\nAnzahl=2\r\n"
    "Bez1=Z1\r\nID1=11\r\nBeschr1=Nord\r\nFallzahl1=12\r\nBez2=Z2\r\nID2=12\r\nBeschr2=Sued\r\n"
    "Fallzahl2=12\r\n[Bloecke]\r\nFix=1\r\nGroesse=6\r\n[Zufall]\r\nSeed=31337\r\n"
    "[Strata]\r\nAktiv=1\r\nLaenge=\r\nAnzahl=1\r\nName1=Stadium\r\nFeld1=stage\r\n"
    "Stufen1=2\r\nCode1_1=early\r\nBez1_1=fr\xFCh\r\nCode1_2=late\r\nBez1_2=sp\xE4t\r\n";

TEST_F(SiteList, NamesNoArmAndKeepsTheTablesRowsStrataAndLevels) {
  const std::string design = Write("blind.zfd", kDesign);
  const testing::CliRun run = Cli({"generate", design, "--format", "blinded"});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  const auto rows = Lines(run.out);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0], "number,stratum,centre,stage,stage_label");
  for (const char* arm_text :
       {"Verum", "Schein", "Wirkstoff", "Xylomab", "Placebo", "arm", "block", "seed"}) {
    EXPECT_EQ(run.out.find(arm_text), std::string::npos) << arm_text;
  }
  // Row for row the CSV table's patients: the same strata, centres and level codes.
  const testing::CliRun table = Cli({"generate", design, "--format", "csv"});
  ASSERT_EQ(table.status, kExitComplete) << table.err;
  const auto table_rows = Lines(table.out);
  ASSERT_EQ(rows.size(), table_rows.size());
  EXPECT_EQ(rows.size(), 1u + 2 * 2 * 12);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    // CSV: centre,patient,arm,description,block,size,position,stratum,stage,list_seed
    std::vector<std::string> fields;
    std::istringstream row(table_rows[i]);
    for (std::string field; std::getline(row, field, ',');) {
      fields.push_back(field);
    }
    ASSERT_EQ(fields.size(), 10u) << table_rows[i];
    const std::string label = fields[8] == "early" ? "früh" : "spät";
    EXPECT_EQ(rows[i],
              std::to_string(i) + "," + fields[7] + "," + fields[0] + "," + fields[8] + "," + label)
        << i;
  }
}

TEST_F(SiteList, VerifySaysWhatItChecked) {
  const std::string design = Write("blind.zfd", kDesign);
  const auto list = folder_ / "sites.csv";
  ASSERT_EQ(Cli({"generate", design, "--format", "blinded", "--output", list.string()}).status,
            kExitComplete);
  const testing::CliRun same = Cli({"verify", design, list.string()});
  EXPECT_EQ(same.status, kExitComplete) << same.out << same.err;
  EXPECT_NE(same.out.find("is the site list that the design gives"), std::string::npos);
  EXPECT_NE(same.out.find("not the arm behind each number"), std::string::npos);

  // A patient moved to the other stage is found.
  std::string changed = ReadBytes(list);
  const std::string early = ",early,früh";
  const std::size_t at = changed.find(early);
  ASSERT_NE(at, std::string::npos);
  changed.replace(at, early.size(), ",late,spät");
  const testing::CliRun differs = Cli({"verify", design, Write("changed.csv", changed)});
  EXPECT_EQ(differs.status, kExitIncomplete);
  EXPECT_NE(differs.out.find("Allocation lines that differ, are missing or are extra: 1\n"),
            std::string::npos)
      << differs.out;
}

}  // namespace
}  // namespace zufora::cli
