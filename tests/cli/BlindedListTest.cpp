// Randomisation numbers on the command line: the options, their record, and allocations
// that numbering leaves as the seed draws them.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CliFixture.h"
#include "PdfListOutput.h"
#include "lang/ProgramTexts.h"

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
           "--number-format", "R-{00000}", "--check-digit", "--format", "csv", "--output",
           (folder_ / "r.csv").string(), "--manifest", record.string()});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  const auto json = nlohmann::json::parse(ReadBytes(record));
  EXPECT_EQ(json["options"]["numbers"]["kind"], "random");
  EXPECT_EQ(json["options"]["numbers"]["format"], "R-{00000}");
  EXPECT_EQ(json["options"]["numbers"]["check_digit"], true);

  // "--numbers" before the design file takes no value from it.
  const auto plain = folder_ / "p.json";
  ASSERT_EQ(Cli({"generate", "--numbers", Example("per-centre.zfd"), "--seed", "17", "--format",
                 "blinded", "--output", (folder_ / "p.csv").string(), "--manifest", plain.string()})
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
      // The list text has no place for numbers; they would be lost without a word.
      {{"--numbers"}, "the list text has no numbers"},
      {{"--numbers", "random", "--pdf", "x.pdf"}, "the list text has no numbers"},
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

// For every bundled example: the test list's allocations differ, its title says TEST and
// nothing else of the production list's title changes, and its record gives its own seed.
TEST_F(BlindedList, ATestListIsNeverTheProductionList) {
  for (const char* example :
       {"worked-example.zfd", "per-centre.zfd", "stratified.zfd", "variable-blocks.zfd"}) {
    const std::vector<std::string> base = {"generate", Example(example), "--seed", "20261208"};
    const auto production_record = folder_ / "p.json";
    const auto test_record = folder_ / "t.json";
    std::vector<std::string> production_arguments = base;
    production_arguments.insert(production_arguments.end(),
                                {"--manifest", production_record.string()});
    std::vector<std::string> test_arguments = base;
    test_arguments.insert(test_arguments.end(), {"--test", "--manifest", test_record.string()});
    const testing::CliRun production = Cli(production_arguments);
    const testing::CliRun test = Cli(test_arguments);
    ASSERT_EQ(production.status, kExitComplete) << example << production.err;
    ASSERT_EQ(test.status, kExitComplete) << example << test.err;
    EXPECT_NE(test.err.find("a TEST list"), std::string::npos) << test.err;

    const std::vector<std::string> production_lines = Lines(production.out);
    const std::vector<std::string> test_lines = Lines(test.out);
    ASSERT_FALSE(production_lines.empty());
    ASSERT_FALSE(test_lines.empty());
    EXPECT_EQ(test_lines[0], production_lines[0] + " - TEST") << example;
    // The allocation lines ("PATIENT<TAB>ARM<TAB>DESCRIPTION"), in order.
    auto allocations = [](const std::vector<std::string>& lines) {
      std::vector<std::string> found;
      for (const std::string& line : lines) {
        if (!line.empty() && line[0] >= '0' && line[0] <= '9' &&
            line.find('\t') != std::string::npos) {
          found.push_back(line);
        }
      }
      return found;
    };
    ASSERT_EQ(allocations(test_lines).size(), allocations(production_lines).size()) << example;
    EXPECT_NE(allocations(test_lines), allocations(production_lines)) << example;

    const auto production_json = nlohmann::json::parse(ReadBytes(production_record));
    const auto test_json = nlohmann::json::parse(ReadBytes(test_record));
    EXPECT_EQ(production_json["seed"]["value"], "20261208");
    EXPECT_FALSE(production_json.contains("test"));
    EXPECT_EQ(test_json["test"], true);
    EXPECT_NE(test_json["seed"]["value"], "20261208");
    EXPECT_NE(test_json["seed"]["value"], "-20261208");
    // The record draws the test list again as it is.
    const testing::CliRun again = Cli({"verify", "--manifest", test_record.string()});
    EXPECT_NE(again.out.find("Drawn again with the TEST list's seed"), std::string::npos)
        << again.out;
  }
}

TEST_F(BlindedList, TheTestListsPdfSaysTestOnEveryPage) {
  const auto pdf = folder_ / "t.pdf";
  std::vector<std::string> texts;
  PdfPrinting printing;
  printing.test_list = true;
  printing.header_date = "08.12.2026";
  printing.observer = [&texts](std::int32_t, std::int32_t, std::string_view text) {
    texts.emplace_back(text);
  };
  const testing::CliRun list = Cli({"generate", Example("stratified.zfd"), "--test"});
  ASSERT_EQ(list.status, kExitComplete);
  std::ostringstream err;
  ProgramTexts program;
  ApplyFirstShowTexts(program, nullptr);
  const std::int32_t pages = PrintListPdf(pdf.string(), printing, program, list.out, err);
  const auto marks = std::count(texts.begin(), texts.end(), "TEST");
  EXPECT_GE(pages, 3);
  EXPECT_EQ(marks, pages);
}

TEST_F(BlindedList, VerifySaysWhichListAFileIs) {
  const std::string design = Example("per-centre.zfd");
  const auto production = folder_ / "p.txt";
  const auto test = folder_ / "t.txt";
  const auto test_table = folder_ / "t-TEST.csv";
  ASSERT_EQ(Cli({"generate", design, "--output", production.string()}).status, kExitComplete);
  ASSERT_EQ(Cli({"generate", design, "--test", "--output", test.string()}).status, kExitComplete);
  ASSERT_EQ(Cli({"generate", design, "--test", "--format", "csv", "--output", test_table.string()})
                .status,
            kExitComplete);

  const testing::CliRun of_production = Cli({"verify", design, production.string()});
  EXPECT_EQ(of_production.status, kExitComplete);
  EXPECT_NE(of_production.out.find("is the production list"), std::string::npos)
      << of_production.out;
  const testing::CliRun of_test = Cli({"verify", design, test.string()});
  EXPECT_EQ(of_test.status, kExitComplete);
  EXPECT_NE(of_test.out.find("as its title ends \" - TEST\""), std::string::npos) << of_test.out;
  EXPECT_NE(of_test.out.find(test.string() + " is the TEST list"), std::string::npos);
  const testing::CliRun of_table = Cli({"verify", design, test_table.string()});
  EXPECT_EQ(of_table.status, kExitComplete);
  EXPECT_NE(of_table.out.find("is the TEST list"), std::string::npos) << of_table.out;

  // The production list is no test list, whatever --test says.
  const testing::CliRun forced = Cli({"verify", design, production.string(), "--test"});
  EXPECT_EQ(forced.status, kExitIncomplete);
  EXPECT_EQ(forced.out.find("is the TEST list"), std::string::npos) << forced.out;

  // A test table with one arm changed is neither.
  std::string bytes = ReadBytes(test_table);
  const std::size_t row = bytes.find("\r\n101,1,");
  ASSERT_NE(row, std::string::npos) << bytes;
  const char arm = bytes[row + 8];
  bytes[row + 8] = arm == '1' ? '2' : '1';
  const std::string changed = Write("changed.csv", bytes);
  const testing::CliRun of_changed = Cli({"verify", design, changed});
  EXPECT_EQ(of_changed.status, kExitIncomplete);
  EXPECT_NE(of_changed.out.find("differs from the CSV table"), std::string::npos);
  EXPECT_NE(of_changed.out.find("Nor is it the TEST list"), std::string::npos) << of_changed.out;
}

}  // namespace
}  // namespace zufora::cli
