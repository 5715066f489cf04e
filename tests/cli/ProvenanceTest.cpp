// A seed proposed by the clock is never lost, and the provenance record lets an auditor
// draw the lists again and check each output.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CliFixture.h"
#include "evidence/Sha256.h"

namespace zufora::cli {
namespace {

using testing::CliFixture;
using testing::Lines;

class Provenance : public CliFixture {
 protected:
  // A design without a seed, with two centres.
  std::string SeedlessDesign(const std::string& name = "seedless.zfd") {
    return Write(name,
                 "[Design]\r\nName=Ohne Seed\r\nArme=3\r\nFallzahl=20\r\nMulticenter=1\r\n"
                 "Zentren=2\r\n[Arme]\r\nAnzahl=3\r\nBeschr1=A\r\nRatio1=1\r\nBeschr2=B\r\n"
                 "Ratio2=2\r\nBeschr3=C\r\nRatio3=1\r\n[Zentren]\r\nAnzahl=2\r\nID1=11\r\n"
                 "Fallzahl1=8\r\nID2=12\r\nFallzahl2=12\r\n[Bloecke]\r\nFix=0\r\nVon=4\r\n"
                 "Bis=8\r\n[Zufall]\r\nSeed=\r\n");
  }
  static nlohmann::json Json(const std::filesystem::path& file) {
    return nlohmann::json::parse(ReadBytes(file));
  }
  // The seed that standard error names.
  static std::string ProposedSeed(const std::string& err) {
    const std::string before = "the seed ";
    const std::size_t at = err.find(before);
    if (at == std::string::npos) {
      return "";
    }
    const std::size_t start = at + before.size();
    return err.substr(start, err.find(' ', start) - start);
  }
};

// Standard error names a proposed seed, and that seed draws the same table again.
TEST_F(Provenance, AProposedSeedIsNamedAndDrawsTheSameListsAgain) {
  const std::string design = Example("variable-blocks.zfd");
  for (const std::vector<std::string>& options : std::vector<std::vector<std::string>>{
           {"--format", "csv"}, {"--format", "redcap"}, {"--no-seed"}}) {
    std::vector<std::string> arguments = {"generate", design};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const testing::CliRun first = CliAt(arguments, 1700000000);
    const testing::CliRun second = CliAt(arguments, 1800000000);
    ASSERT_EQ(first.status, kExitComplete);
    const std::string seed = ProposedSeed(first.err);
    ASSERT_FALSE(seed.empty()) << first.err;
    EXPECT_NE(first.out, second.out) << "another clock, another seed";
    arguments.insert(arguments.end(), {"--seed", seed});
    const testing::CliRun again = CliAt(arguments, 1800000000);
    EXPECT_EQ(again.out, first.out);
    EXPECT_EQ(again.err, "") << "a seed given is no proposal";
  }
}

// An output file that cannot show a proposed seed gets a record beside it.
TEST_F(Provenance, ATableOfAProposedSeedGetsItsRecord) {
  const std::string design = Example("variable-blocks.zfd");
  const auto table = folder_ / "t.csv";
  const testing::CliRun run =
      Cli({"generate", design, "--format", "csv", "--output", table.string()});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  const auto record = folder_ / "t.csv.manifest.json";
  ASSERT_TRUE(std::filesystem::exists(record)) << run.err;
  EXPECT_NE(run.err.find(record.string()), std::string::npos);
  const nlohmann::json json = Json(record);
  EXPECT_EQ(json["seed"]["value"], ProposedSeed(run.err));
  EXPECT_EQ(json["seed"]["proposed"], true);
  EXPECT_EQ(json["seed"]["clock"], 1700000000);
  EXPECT_EQ(Cli({"verify", "--manifest", record.string()}).status, kExitComplete);
  // A list that shows its seed needs none.
  const auto list = folder_ / "l.txt";
  ASSERT_EQ(Cli({"generate", design, "--output", list.string()}).status, kExitComplete);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "l.txt.manifest.json"));
}

// What the record holds, checked against the files themselves.
TEST_F(Provenance, TheRecordNamesDesignOptionsListsAndOutputs) {
  const std::string design = SeedlessDesign();
  const auto table = folder_ / "r.csv";
  const auto record = folder_ / "r.json";
  const testing::CliRun run =
      Cli({"generate", design, "--format", "redcap", "--dag-ids", "11=5,12=6", "--arm-codes",
           "1=a,2=b,3=c", "--output", table.string(), "--manifest", record.string()});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  const nlohmann::json json = Json(record);
  EXPECT_EQ(json["record"], "zufora provenance record");
  EXPECT_EQ(json["program"]["name"], "zufora-cli");
  EXPECT_EQ(json["design"]["path"], design);
  EXPECT_EQ(json["design"]["sha256"], Sha256Hex(ReadBytes(design)));
  EXPECT_EQ(json["options"]["format"], "redcap");
  EXPECT_EQ(json["options"]["dag_ids"]["12"], 6);
  EXPECT_EQ(json["options"]["arm_codes"]["3"], "c");
  EXPECT_EQ(json["seed"]["proposed"], true);
  ASSERT_EQ(json["lists"].size(), 2u);
  EXPECT_EQ(json["lists"][0]["centre"], "11");
  EXPECT_EQ(json["lists"][1]["patients"], 12);
  ASSERT_EQ(json["outputs"].size(), 1u);
  const std::string bytes = ReadBytes(table);
  EXPECT_EQ(json["outputs"][0]["path"], std::filesystem::absolute(table).string());
  EXPECT_EQ(json["outputs"][0]["sha256"], Sha256Hex(bytes));
  EXPECT_EQ(json["outputs"][0]["bytes"], bytes.size());
  EXPECT_EQ(json["outputs"][0]["rows"], 20);
  EXPECT_EQ(json["exit_status"], 0);
  // Each list's seed is the one its heading shows when drawn as a list with that seed.
  const testing::CliRun list =
      Cli({"generate", design, "--seed", json["seed"]["value"].get<std::string>()});
  for (const auto& recorded : json["lists"]) {
    EXPECT_NE(list.out.find("Seed: (" + std::to_string(recorded["seed"].get<int>()) + ")"),
              std::string::npos);
  }
}

// The record alone reproduces the table: the design file may have moved; one changed row
// fails.
TEST_F(Provenance, ARedcapTableOfASeedlessDesignIsVerifiedFromItsRecordAlone) {
  const std::string design = SeedlessDesign();
  const auto table = folder_ / "r.csv";
  const auto record = folder_ / "r.json";
  ASSERT_EQ(Cli({"generate", design, "--format", "redcap", "--centre-field", "site", "--output",
                 table.string(), "--manifest", record.string()})
                .status,
            kExitComplete);
  std::filesystem::remove(design);
  const testing::CliRun verified = CliAt({"verify", "--manifest", record.string()}, 1900000000);
  EXPECT_EQ(verified.status, kExitComplete) << verified.out << verified.err;
  EXPECT_NE(verified.out.find("no longer there"), std::string::npos) << verified.out;
  EXPECT_NE(verified.out.find("OK: " + table.string()), std::string::npos) << verified.out;

  // A copy elsewhere, given in the record's place.
  const auto copy = folder_ / "copy.csv";
  std::filesystem::copy_file(table, copy);
  EXPECT_EQ(Cli({"verify", "--manifest", record.string(), copy.string()}).status, kExitComplete);
  std::string rows = ReadBytes(copy);
  const std::size_t third = rows.find("\r\n,", rows.find("\r\n,") + 1) + 3;
  rows[third] = rows[third] == '1' ? '2' : '1';
  std::ofstream(copy, std::ios::binary) << rows;
  const testing::CliRun changed = Cli({"verify", "--manifest", record.string(), copy.string()});
  EXPECT_EQ(changed.status, kExitIncomplete);
  EXPECT_NE(changed.out.find("First difference, line 3:"), std::string::npos) << changed.out;
  EXPECT_NE(changed.out.find("Verdict: FAILED"), std::string::npos);
}

// A record that was changed, or a design file changed since, is told.
TEST_F(Provenance, AChangedRecordFailsAndAChangedDesignIsANote) {
  const std::string design = SeedlessDesign();
  const auto list = folder_ / "l.txt";
  const auto record = folder_ / "l.json";
  ASSERT_EQ(
      Cli({"generate", design, "--output", list.string(), "--manifest", record.string()}).status,
      kExitComplete);
  std::string bytes = ReadBytes(design);
  std::ofstream(design, std::ios::binary) << bytes << "[Extra]\r\n";
  const testing::CliRun noted = Cli({"verify", "--manifest", record.string()});
  EXPECT_EQ(noted.status, kExitComplete) << noted.out;
  EXPECT_NE(noted.out.find("has changed since"), std::string::npos);

  nlohmann::json json = Json(record);
  json["seed"]["value"] = "12345";
  std::ofstream(record, std::ios::binary) << json.dump();
  EXPECT_EQ(Cli({"verify", "--manifest", record.string()}).status, kExitIncomplete);
  EXPECT_EQ(Cli({"verify", "--manifest", (folder_ / "none.json").string()}).status, kExitFailure);
  EXPECT_EQ(Cli({"verify", "--manifest", design}).status, kExitFailure);
  EXPECT_EQ(Cli({"verify", "--manifest", record.string(), "--seed", "1"}).status, kExitFailure);
}

}  // namespace
}  // namespace zufora::cli
