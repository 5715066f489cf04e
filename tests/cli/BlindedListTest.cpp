// Randomisation numbers on the command line: the options, their record, and allocations
// that numbering leaves as the seed draws them.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "CliFixture.h"

namespace zufora::cli {
namespace {

using testing::CliFixture;
using testing::Lines;

class BlindedList : public CliFixture {};

// The cells of the column `name` of a CSV table without quoted cells.
std::vector<std::string> Column(const std::string& table, const std::string& name) {
  const std::vector<std::string> lines = Lines(table);
  std::vector<std::string> cells;
  if (lines.empty()) {
    return cells;
  }
  auto split = [](const std::string& line) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos;
         start = comma + 1) {
      parts.push_back(line.substr(start, comma - start));
    }
    parts.push_back(line.substr(start));
    return parts;
  };
  const std::vector<std::string> header = split(lines[0]);
  const auto at = std::find(header.begin(), header.end(), name) - header.begin();
  for (std::size_t row = 1; row < lines.size(); ++row) {
    const std::vector<std::string> cells_of_row = split(lines[row]);
    if (static_cast<std::size_t>(at) < cells_of_row.size()) {
      cells.push_back(cells_of_row[static_cast<std::size_t>(at)]);
    }
  }
  return cells;
}

TEST_F(BlindedList, NumberOptionsAreRecorded) {
  const auto record = folder_ / "r.json";
  const testing::CliRun run =
      Cli({"generate", "--numbers", "random", Example("per-centre.zfd"), "--seed", "17",
           "--number-format", "R-{00000}", "--check-digit", "--manifest", record.string()});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  const auto json = nlohmann::json::parse(ReadBytes(record));
  EXPECT_EQ(json["options"]["numbers"]["kind"], "random");
  EXPECT_EQ(json["options"]["numbers"]["format"], "R-{00000}");
  EXPECT_EQ(json["options"]["numbers"]["check_digit"], true);

  // "--numbers" before the design file takes no value from it.
  const auto plain = folder_ / "p.json";
  ASSERT_EQ(Cli({"generate", "--numbers", Example("per-centre.zfd"), "--seed", "17", "--manifest",
                 plain.string()})
                .status,
            kExitComplete);
  const auto sequential = nlohmann::json::parse(ReadBytes(plain));
  EXPECT_EQ(sequential["options"]["numbers"]["kind"], "sequential");
  EXPECT_EQ(sequential["options"]["numbers"]["format"], "");
  EXPECT_EQ(sequential["options"]["numbers"]["check_digit"], false);

  // A run without numbers has no such key.
  ASSERT_EQ(
      Cli({"generate", Example("per-centre.zfd"), "--seed", "17", "--manifest", plain.string()})
          .status,
      kExitComplete);
  EXPECT_FALSE(nlohmann::json::parse(ReadBytes(plain))["options"].contains("numbers"));
}

TEST_F(BlindedList, WrongNumberOptionsAreUsageErrors) {
  const std::string design = Example("per-centre.zfd");
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"--check-digit"}, "go with --numbers"},
      {{"--number-format", "R{00}"}, "go with --numbers"},
      {{"--numbers", "--number-format", "R-0000"}, "braces"},
      {{"--numbers", "--number-format"}, "needs a value"},
      {{"--numbers", "--numbers"}, "twice"},
  };
  for (const auto& [options, why] : cases) {
    std::vector<std::string> arguments = {"generate", design};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const testing::CliRun run = Cli(arguments);
    EXPECT_EQ(run.status, kExitFailure) << why;
    EXPECT_NE(run.err.find(why), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

// Numbers come from a stream of their own: every allocation stays that of the seed.
TEST_F(BlindedList, NumbersLeaveTheAllocationsAsTheSeedDrawsThem) {
  const std::string design = Example("per-centre.zfd");
  const testing::CliRun plain = Cli({"generate", design, "--seed", "4711", "--format", "csv"});
  ASSERT_EQ(plain.status, kExitComplete) << plain.err;
  const std::vector<std::string> arms = Column(plain.out, "arm");
  ASSERT_FALSE(arms.empty());
  for (const std::vector<std::string>& numbers : std::vector<std::vector<std::string>>{
           {"--numbers"}, {"--numbers", "random", "--check-digit"}}) {
    std::vector<std::string> arguments = {"generate", design, "--seed", "4711", "--format", "csv"};
    arguments.insert(arguments.end(), numbers.begin(), numbers.end());
    const testing::CliRun numbered = Cli(arguments);
    ASSERT_EQ(numbered.status, kExitComplete) << numbered.err;
    EXPECT_EQ(Column(numbered.out, "arm"), arms);
    EXPECT_EQ(Column(numbered.out, "centre"), Column(plain.out, "centre"));
  }
}

}  // namespace
}  // namespace zufora::cli
