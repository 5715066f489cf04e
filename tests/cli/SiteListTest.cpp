// The site list of a blinded trial (--format blinded): numbers, strata, centres and
// levels, and nothing that tells an arm.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

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
    // The sequential number, zero-padded to the digits of the largest.
    EXPECT_EQ(rows[i], (i < 10 ? "0" : "") + std::to_string(i) + "," + fields[7] + "," + fields[0] +
                           "," + fields[8] + "," + label)
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

// The fields of the CSV rows of a table without quoted fields, header first.
std::vector<std::vector<std::string>> Table(const std::string& text) {
  std::vector<std::vector<std::string>> table;
  for (const std::string& line : Lines(text)) {
    std::vector<std::string>& fields = table.emplace_back();
    std::istringstream row(line);
    for (std::string field; std::getline(row, field, ',');) {
      fields.push_back(field);
    }
    if (!line.empty() && line.back() == ',') {
      fields.emplace_back();
    }
  }
  return table;
}

// The concealed REDCap table, the CSV table and the site list number the same patients
// alike, each number once; the allocations stay those of the table without numbers.
TEST_F(SiteList, TheTablesNumberEachPatientOnceAndAlike) {
  const std::string design = Write("blind.zfd", kDesign);
  const std::vector<std::vector<std::string>> numberings = {
      {"--numbers"}, {"--numbers", "random", "--number-format", "R-{0000}", "--check-digit"}};
  const auto plain = Table(Cli({"generate", design, "--format", "csv"}).out);
  ASSERT_EQ(plain.size(), 49u);
  for (const auto& numbering : numberings) {
    const auto run = [&](std::vector<std::string> arguments) {
      arguments.insert(arguments.begin(), {"generate", design});
      arguments.insert(arguments.end(), numbering.begin(), numbering.end());
      const testing::CliRun result = Cli(arguments);
      EXPECT_EQ(result.status, kExitComplete) << result.err;
      return Table(result.out);
    };
    const auto redcap = run({"--format", "redcap", "--dag-ids", "11=1,12=2"});
    const auto csv = run({"--format", "csv"});
    const auto site = run({"--format", "blinded"});
    ASSERT_EQ(redcap.size(), 49u);
    ASSERT_EQ(csv.size(), 49u);
    ASSERT_EQ(site.size(), 49u);
    EXPECT_EQ(redcap[0],
              (std::vector<std::string>{"redcap_randomization_number", "redcap_randomization_group",
                                        "stage", "redcap_data_access_group"}));
    EXPECT_EQ(csv[0][0], "number");
    std::set<std::string> numbers;
    for (std::size_t i = 1; i < redcap.size(); ++i) {
      const std::string& number = redcap[i][0];
      EXPECT_FALSE(number.empty()) << i;
      EXPECT_TRUE(numbers.insert(number).second) << "twice: " << number;
      EXPECT_EQ(csv[i][0], number) << i;
      EXPECT_EQ(site[i][0], number) << i;
      // The numbered CSV row is the plain one behind its number; REDCap's group the arm.
      EXPECT_EQ(std::vector<std::string>(csv[i].begin() + 1, csv[i].end()), plain[i]) << i;
      EXPECT_EQ(redcap[i][1], plain[i][2]) << i;
      EXPECT_EQ(redcap[i][2], plain[i][8]) << i;
    }
    if (numbering.size() == 1) {  // sequential: 01 to 48 in study order
      for (std::size_t i = 1; i < redcap.size(); ++i) {
        EXPECT_EQ(std::stoi(redcap[i][0]), static_cast<int>(i));
        EXPECT_EQ(redcap[i][0].size(), 2u);
      }
    } else {
      for (const std::string& number : numbers) {
        EXPECT_EQ(number.rfind("R-", 0), 0u) << number;
        EXPECT_EQ(number.size(), 7u) << number;  // four digits and the check digit
      }
    }
  }
  // Without --numbers the site list has the sequential numbers.
  EXPECT_EQ(Table(Cli({"generate", design, "--format", "blinded"}).out)[48][0], "48");
}

// verify takes the number options the tables were written with.
TEST_F(SiteList, VerifyOfNumberedTablesNeedsTheirNumberOptions) {
  const std::string design = Write("blind.zfd", kDesign);
  const std::vector<std::string> numbering = {"--numbers", "random", "--check-digit"};
  for (const char* format : {"csv", "blinded"}) {
    const auto table = folder_ / (std::string(format) + ".csv");
    std::vector<std::string> generate = {"generate", design,     "--format",
                                         format,     "--output", table.string()};
    generate.insert(generate.end(), numbering.begin(), numbering.end());
    ASSERT_EQ(Cli(generate).status, kExitComplete) << format;
    std::vector<std::string> verify = {"verify", design, table.string()};
    verify.insert(verify.end(), numbering.begin(), numbering.end());
    const testing::CliRun same = Cli(verify);
    EXPECT_EQ(same.status, kExitComplete) << format << same.out << same.err;
    // Other numbers (sequential) are found on the first row.
    const testing::CliRun other = Cli({"verify", design, table.string(), "--numbers"});
    EXPECT_EQ(other.status, kExitIncomplete) << format << other.err;
    EXPECT_NE(other.out.find("First difference, line 2:"), std::string::npos) << other.out;
  }
  const testing::CliRun without = Cli({"verify", design, (folder_ / "csv.csv").string()});
  EXPECT_EQ(without.status, kExitFailure);
  EXPECT_NE(without.err.find("has a number column"), std::string::npos) << without.err;

  // The provenance record keeps the number options, and verify --manifest uses them.
  const auto record = folder_ / "r.json";
  std::vector<std::string> generate = {"generate",   design,         "--format",
                                       "blinded",    "--output",     (folder_ / "s.csv").string(),
                                       "--manifest", record.string()};
  generate.insert(generate.end(), numbering.begin(), numbering.end());
  ASSERT_EQ(Cli(generate).status, kExitComplete);
  const testing::CliRun manifest = Cli({"verify", "--manifest", record.string()});
  EXPECT_EQ(manifest.status, kExitComplete) << manifest.out << manifest.err;
}

}  // namespace
}  // namespace zufora::cli
