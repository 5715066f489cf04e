// The CSV table of stratified designs, checked from its rows alone: every stratum's rows
// are permuted blocks in the design's ratios, and each stratum's list is the single list
// that a design with the row's list_seed as its seed and the stratum's length gives.
#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <random>

#include "CliFixture.h"

namespace zufora::cli {
namespace {

using testing::CliFixture;
using testing::Lines;

// A design's file text from its parts (cp1252 is not needed: every text is ASCII).
struct DesignText {
  std::vector<int> ratios;
  int patients = 0;
  std::vector<int> centre_sizes;  // none: no per-centre lists
  bool fixed = true;
  int block = 0;
  int block_from = 0;
  int block_to = 0;
  std::string seed;
  std::vector<int> levels;  // the level count of each factor; none: not stratified
  std::string stratum_length;

  std::string File() const {
    std::string text = "[Design]\r\nName=T\r\nArme=" + std::to_string(ratios.size()) +
                       "\r\nFallzahl=" + std::to_string(patients) +
                       "\r\nMulticenter=" + (centre_sizes.empty() ? "0" : "1") +
                       "\r\nZentren=" + std::to_string(centre_sizes.size()) +
                       "\r\n[Arme]\r\nAnzahl=" + std::to_string(ratios.size()) + "\r\n";
    for (std::size_t a = 0; a < ratios.size(); ++a) {
      const std::string n = std::to_string(a + 1);
      text += "Bez" + n + "=Arm " + n + "\r\nBeschr" + n + "=Therapie " + n + "\r\nRatio" + n +
              "=" + std::to_string(ratios[a]) + "\r\n";
    }
    text += "[Zentren]\r\nAnzahl=" + std::to_string(centre_sizes.size()) + "\r\n";
    for (std::size_t c = 0; c < centre_sizes.size(); ++c) {
      const std::string n = std::to_string(c + 1);
      text += "Bez" + n + "=Z" + n + "\r\nID" + n + "=" + std::to_string(100 + c + 1) +
              "\r\nBeschr" + n + "=K" + n + "\r\nFallzahl" + n + "=" +
              std::to_string(centre_sizes[c]) + "\r\n";
    }
    text += "[Bloecke]\r\nFix=" + std::string(fixed ? "1" : "0") +
            "\r\nGroesse=" + (fixed ? std::to_string(block) : "") +
            "\r\nVon=" + (fixed ? "" : std::to_string(block_from)) +
            "\r\nBis=" + (fixed ? "" : std::to_string(block_to)) + "\r\n[Zufall]\r\nSeed=" + seed +
            "\r\n";
    if (!levels.empty()) {
      text += "[Strata]\r\nAktiv=1\r\nLaenge=" + stratum_length +
              "\r\nAnzahl=" + std::to_string(levels.size()) + "\r\n";
      for (std::size_t f = 0; f < levels.size(); ++f) {
        const std::string n = std::to_string(f + 1);
        text += "Name" + n + "=Faktor " + n + "\r\nFeld" + n + "=f" + n + "\r\nStufen" + n + "=" +
                std::to_string(levels[f]) + "\r\n";
        for (int l = 1; l <= levels[f]; ++l) {
          const std::string key = n + "_" + std::to_string(l);
          text += "Code" + key + "=c" + std::to_string(l) + "\r\nBez" + key + "=Stufe " +
                  std::to_string(l) + "\r\n";
        }
      }
    }
    return text;
  }
};

// The fields of a CSV row without quoted fields (these designs quote none).
std::vector<std::string> Fields(const std::string& row) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t comma = row.find(','); comma != std::string::npos;
       start = comma + 1, comma = row.find(',', start)) {
    fields.push_back(row.substr(start, comma - start));
  }
  fields.push_back(row.substr(start));
  return fields;
}

// A table's rows as maps from column name to field.
std::vector<std::map<std::string, std::string>> Rows(const std::string& table) {
  const std::vector<std::string> lines = Lines(table);
  std::vector<std::map<std::string, std::string>> rows;
  if (lines.empty()) {
    return rows;
  }
  const std::vector<std::string> header = Fields(lines[0]);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string> fields = Fields(lines[i]);
    EXPECT_EQ(fields.size(), header.size()) << lines[i];
    std::map<std::string, std::string>& row = rows.emplace_back();
    for (std::size_t f = 0; f < header.size() && f < fields.size(); ++f) {
      row[header[f]] = fields[f];
    }
  }
  return rows;
}

class StratifiedTables : public CliFixture {
 protected:
  // Checks the CSV table of `design` stratum by stratum; returns the strata seen.
  int CheckStrata(const DesignText& design, const std::string& name) {
    const std::string file = Write(name, design.File());
    const testing::CliRun run = Cli({"generate", file, "--format", "csv"});
    EXPECT_EQ(run.status, kExitComplete) << run.err << design.File();
    const auto rows = Rows(run.out);
    std::map<int, std::vector<std::map<std::string, std::string>>> strata;
    for (const auto& row : rows) {
      strata[std::stoi(row.at("stratum"))].push_back(row);
    }
    // Strata 1, 2, ... in order, each row of one stratum together.
    int expected_stratum = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const int stratum = std::stoi(rows[i].at("stratum"));
      if (i == 0 || stratum != std::stoi(rows[i - 1].at("stratum"))) {
        EXPECT_EQ(stratum, ++expected_stratum);
      }
    }
    for (const auto& [stratum, list] : strata) {
      CheckPermutedBlocks(design, list);
      CheckIsSingleList(design, list, name + "." + std::to_string(stratum));
    }
    return static_cast<int>(strata.size());
  }

  // Block by block: numbered from 1, each as long as its size (the last may be cut), its
  // arms exactly in the ratios (the cut one never past them), the size a multiple of the
  // ratios' sum within the design's bounds.
  static void CheckPermutedBlocks(const DesignText& design,
                                  const std::vector<std::map<std::string, std::string>>& list) {
    const int ratio_sum = std::accumulate(design.ratios.begin(), design.ratios.end(), 0);
    std::map<int, std::vector<int>> arms_of_block;
    std::map<int, int> size_of_block;
    for (std::size_t i = 0; i < list.size(); ++i) {
      const auto& row = list[i];
      EXPECT_EQ(std::stoi(row.at("patient")), static_cast<int>(i) + 1);
      EXPECT_EQ(row.at("list_seed"), list[0].at("list_seed"));
      const int block = std::stoi(row.at("block"));
      arms_of_block[block].push_back(std::stoi(row.at("arm")));
      size_of_block[block] = std::stoi(row.at("block_size"));
      EXPECT_EQ(std::stoi(row.at("position_in_block")),
                static_cast<int>(arms_of_block[block].size()));
    }
    int expected_block = 0;
    for (const auto& [block, arms] : arms_of_block) {
      EXPECT_EQ(block, ++expected_block);
      const int size = size_of_block[block];
      EXPECT_EQ(size % ratio_sum, 0);
      if (design.fixed) {
        EXPECT_EQ(size, design.block);
      } else {
        EXPECT_GE(size, design.block_from);
        EXPECT_LE(size, design.block_to);
      }
      const bool last = block == arms_of_block.rbegin()->first;
      EXPECT_TRUE(static_cast<int>(arms.size()) == size || last);
      for (std::size_t a = 0; a < design.ratios.size(); ++a) {
        const auto count = std::count(arms.begin(), arms.end(), static_cast<int>(a) + 1);
        const int quota = size / ratio_sum * design.ratios[a];
        if (static_cast<int>(arms.size()) == size) {
          EXPECT_EQ(count, quota) << "block " << block << " arm " << a + 1;
        } else {
          EXPECT_LE(count, quota) << "cut block " << block << " arm " << a + 1;
        }
      }
    }
  }

  // The stratum's rows are those of the single list of a design without centres and
  // factors, seeded with the rows' list_seed and as long as the stratum.
  void CheckIsSingleList(const DesignText& design,
                         const std::vector<std::map<std::string, std::string>>& list,
                         const std::string& name) {
    DesignText single = design;
    single.centre_sizes.clear();
    single.levels.clear();
    single.patients = static_cast<int>(list.size());
    single.seed = list[0].at("list_seed");
    const testing::CliRun run =
        Cli({"generate", Write(name + ".zfd", single.File()), "--format", "csv"});
    ASSERT_EQ(run.status, kExitComplete) << run.err;
    const auto rows = Rows(run.out);
    ASSERT_EQ(rows.size(), list.size()) << name;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      for (const char* column : {"patient", "arm", "block", "block_size", "position_in_block"}) {
        EXPECT_EQ(rows[i].at(column), list[i].at(column)) << name << " row " << i + 1;
      }
      EXPECT_EQ(rows[i].at("stratum"), "1");
      EXPECT_EQ(rows[i].at("list_seed"), single.seed);
    }
  }
};

TEST_F(StratifiedTables, TheExampleIsPermutedBlocksAndEachStratumItsSeedsSingleList) {
  DesignText example;  // examples/stratified.zfd, as its file says
  example.ratios = {1, 1};
  example.fixed = false;
  example.block_from = 4;
  example.block_to = 8;
  const testing::CliRun run = Cli({"generate", Example("stratified.zfd"), "--format", "csv"});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0],
            "centre,patient,arm,arm_description,block,block_size,position_in_block,stratum,sex,"
            "age_group,list_seed");
  const auto rows = Rows(run.out);
  ASSERT_EQ(rows.size(), 320u);
  std::map<int, std::vector<std::map<std::string, std::string>>> strata;
  for (const auto& row : rows) {
    strata[std::stoi(row.at("stratum"))].push_back(row);
  }
  ASSERT_EQ(strata.size(), 8u);
  // The centre first, then sex, then age group, the last changing fastest.
  int stratum = 0;
  for (const char* centre : {"101", "102"}) {
    for (const char* sex : {"1", "2"}) {
      for (const char* age : {"1", "2"}) {
        const auto& list = strata[++stratum];
        ASSERT_EQ(list.size(), 40u) << stratum;
        EXPECT_EQ(list[0].at("centre"), centre);
        EXPECT_EQ(list[0].at("sex"), sex);
        EXPECT_EQ(list[39].at("age_group"), age);
        CheckPermutedBlocks(example, list);
        CheckIsSingleList(example, list, "example." + std::to_string(stratum));
      }
    }
  }
}

// Random designs: arms and ratios, centres or none, one to three factors, fixed or
// variable blocks, default or shorter strata.
TEST_F(StratifiedTables, RandomDesignsArePermutedBlocksAndEachStratumItsSeedsSingleList) {
  std::mt19937 random(20261208);
  const auto pick = [&random](int from, int to) {
    return std::uniform_int_distribution<int>(from, to)(random);
  };
  for (int d = 0; d < 6; ++d) {
    DesignText design;
    design.ratios.resize(static_cast<std::size_t>(pick(2, 3)));
    for (int& ratio : design.ratios) {
      ratio = pick(1, 2);
    }
    const int ratio_sum = std::accumulate(design.ratios.begin(), design.ratios.end(), 0);
    // Sizes the design checks take for the study and for a single list of a stratum's
    // length: multiples of the block size (fixed), or of the ratios' sum and at least
    // twice the smallest block (variable).
    design.fixed = pick(0, 1) == 1;
    design.block = ratio_sum * pick(1, 2);
    design.block_from = ratio_sum;
    design.block_to = ratio_sum * pick(2, 3);
    const int unit = design.fixed ? design.block : ratio_sum;
    const int fewest = design.fixed ? 1 : 2;
    design.seed = std::to_string(pick(1, 2147483646));
    const int centres = pick(0, 2);
    for (int c = 0; c < centres; ++c) {
      design.centre_sizes.push_back(unit * pick(fewest, 5));
    }
    design.patients =
        centres > 0 ? std::accumulate(design.centre_sizes.begin(), design.centre_sizes.end(), 0)
                    : unit * pick(fewest, 5);
    design.levels.resize(static_cast<std::size_t>(pick(1, 3)));
    for (int& levels : design.levels) {
      levels = pick(2, 3);
    }
    if (pick(0, 1) == 1) {
      design.stratum_length = std::to_string(unit * fewest);  // shorter than any default
    }
    int strata = std::max(centres, 1);
    for (const int levels : design.levels) {
      strata *= levels;
    }
    EXPECT_EQ(CheckStrata(design, "random" + std::to_string(d) + ".zfd"), strata) << design.File();
  }
}

// The tables of a stratified design are verified as the list text is.
TEST_F(StratifiedTables, VerifyTakesTheTablesOfStratifiedDesigns) {
  const auto csv = folder_ / "strata.csv";
  const auto redcap = folder_ / "strata-redcap.csv";
  ASSERT_EQ(
      Cli({"generate", Example("stratified.zfd"), "--format", "csv", "--output", csv.string()})
          .status,
      kExitComplete);
  const std::vector<std::string> redcap_options = {"--dag-ids", "101=3,102=4"};
  std::vector<std::string> generate = {
      "generate", Example("stratified.zfd"), "--format", "redcap", "--output", redcap.string()};
  generate.insert(generate.end(), redcap_options.begin(), redcap_options.end());
  const testing::CliRun written = Cli(generate);
  ASSERT_EQ(written.status, kExitComplete) << written.err;
  EXPECT_EQ(Lines(ReadBytes(redcap))[0],
            "redcap_randomization_number,redcap_randomization_group,sex,age_group,"
            "redcap_data_access_group");
  const std::vector<std::string> first = Fields(Lines(ReadBytes(redcap))[1]);
  EXPECT_EQ(first.size(), 5u);
  EXPECT_EQ(first[0], "");
  EXPECT_EQ(first[2] + "," + first[3] + "," + first[4], "1,1,3");  // stratum 1, centre 101

  EXPECT_EQ(Cli({"verify", Example("stratified.zfd"), csv.string()}).status, kExitComplete);
  std::vector<std::string> verify = {"verify", Example("stratified.zfd"), redcap.string()};
  verify.insert(verify.end(), redcap_options.begin(), redcap_options.end());
  EXPECT_EQ(Cli(verify).status, kExitComplete);

  // A row given another stratum's level is found.
  std::vector<std::string> lines = Lines(ReadBytes(csv));
  std::vector<std::string> fields = Fields(lines[5]);
  ASSERT_EQ(fields.size(), 11u);
  ASSERT_EQ(fields[8], "1");
  fields[8] = "2";  // sex
  lines[5] = fields[0];
  for (std::size_t f = 1; f < fields.size(); ++f) {
    lines[5] += "," + fields[f];
  }
  std::string changed;
  for (const std::string& line : lines) {
    changed += line + "\r\n";
  }
  const std::string file = Write("changed.csv", changed);
  const testing::CliRun differs = Cli({"verify", Example("stratified.zfd"), file});
  EXPECT_EQ(differs.status, kExitIncomplete);
  EXPECT_NE(differs.out.find("Allocation lines that differ, are missing or are extra: 1"),
            std::string::npos)
      << differs.out;
}

// The list text of strata without centres: "Stratum n" headings begin the lists, so a
// removed line counts once, as with centres.
TEST_F(StratifiedTables, VerifyFindsALineMissingFromAStratumWithoutCentres) {
  DesignText design;
  design.ratios = {1, 1};
  design.patients = 10;
  design.block = 2;
  design.seed = "4711";
  design.levels = {2};
  const std::string file = Write("strata.zfd", design.File());
  const auto list = folder_ / "strata.txt";
  ASSERT_EQ(Cli({"generate", file, "--output", list.string()}).status, kExitComplete);
  EXPECT_EQ(Cli({"verify", file, list.string()}).status, kExitComplete);
  std::string text = ReadBytes(list);
  ASSERT_EQ(text.find("\r\nStratum 1\tFaktor 1: Stufe 1 - Seed: ("), text.find("\r\n"));
  const std::size_t second = text.find("\r\nStratum 2\tFaktor 1: Stufe 2 - Seed: (");
  ASSERT_NE(second, std::string::npos);
  const std::size_t line = text.find("\r\n3\t");  // patient 3 of stratum 1
  ASSERT_LT(line, second);
  text.erase(line, text.find("\r\n", line + 2) - line);
  const testing::CliRun run = Cli({"verify", file, Write("cut.txt", text)});
  EXPECT_EQ(run.status, kExitIncomplete);
  EXPECT_NE(run.out.find("Allocation lines that differ, are missing or are extra: 1\n"),
            std::string::npos)
      << run.out;
}

}  // namespace
}  // namespace zufora::cli
