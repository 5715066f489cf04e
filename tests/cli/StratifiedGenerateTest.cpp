// zufora-cli generate on a stratified design: the list text with a heading for each
// stratum (the tables: StratifiedTablesTest).
#include <gtest/gtest.h>

#include "CliFixture.h"

namespace zufora::cli {
namespace {

using testing::CliFixture;
using testing::Lines;

class StratifiedGenerate : public CliFixture {};

TEST_F(StratifiedGenerate, TheListTextHasAHeadingForEachStratum) {
  const testing::CliRun run = Cli({"generate", Example("stratified.zfd")});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  EXPECT_EQ(run.err, "");
  std::vector<std::string> headings;
  for (const std::string& line : Lines(run.out)) {
    if (line.starts_with("Zentrum ")) {
      headings.push_back(line.substr(0, line.find(" - Seed: (")));
    }
  }
  EXPECT_EQ(headings, (std::vector<std::string>{
                          "Zentrum 101\tKlinik Nord - Geschlecht: weiblich - Alter: < 65",
                          "Zentrum 101\tKlinik Nord - Geschlecht: weiblich - Alter: >= 65",
                          "Zentrum 101\tKlinik Nord - Geschlecht: männlich - Alter: < 65",
                          "Zentrum 101\tKlinik Nord - Geschlecht: männlich - Alter: >= 65",
                          "Zentrum 102\tKlinik Süd-West - Geschlecht: weiblich - Alter: < 65",
                          "Zentrum 102\tKlinik Süd-West - Geschlecht: weiblich - Alter: >= 65",
                          "Zentrum 102\tKlinik Süd-West - Geschlecht: männlich - Alter: < 65",
                          "Zentrum 102\tKlinik Süd-West - Geschlecht: männlich - Alter: >= 65",
                      }));
  // Each stratum as long as its centre: 8 x 40 allocation lines.
  std::size_t allocations = 0;
  for (const std::string& line : Lines(run.out)) {
    if (!line.empty() && line.front() >= '1' && line.front() <= '9') {
      ++allocations;
    }
  }
  EXPECT_EQ(allocations, 320u);

  // The list text written to a file is verified line by line.
  const auto list = folder_ / "strata.txt";
  ASSERT_EQ(Cli({"generate", Example("stratified.zfd"), "--output", list.string()}).status,
            kExitComplete);
  const testing::CliRun verify = Cli({"verify", Example("stratified.zfd"), list.string()});
  EXPECT_EQ(verify.status, kExitComplete) << verify.out << verify.err;
}

}  // namespace
}  // namespace zufora::cli
