// What every stratified generation must give: today's lists for centres without factors,
// and for every stratum exactly the single list of its seed and length, in permuted
// blocks of the design's ratios. The single lists come from the program's own
// generation of a design without centres or strata: an independent path.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "pages/Generation.h"
#include "random/ListText.h"
#include "support/DesignBuilder.h"
#include "support/ListTextReading.h"
#include "support/RecordingMessageSink.h"

namespace zufora {
namespace {

using testing::Factor;
using testing::MakeDesign;

class StrataProperties : public ::testing::Test {
 protected:
  StrataProperties() { sink_.SetDefaultAnswer(false); }

  GenerationResult Generate(const StudyDesign& design) {
    sink_.Clear();
    ParkMillerShuffleGenerator generator;
    return GenerateLists(design, catalogue_, sink_, generator);
  }
  std::string Text(const StudyDesign& design) {
    return RenderListText(Generate(design).drawn, design, options_);
  }

  MessageCatalogue catalogue_;
  testing::RecordingMessageSink sink_;  // misfits accepted: every question answered No
  ListTextOptions options_;
};

TEST_F(StrataProperties, CentresWithoutFactorsGiveTodaysListsByteForByte) {
  StudyDesign design = MakeDesign({"1", "2", "1"}, "60", "20261208");
  testing::SetVariable(design, "4", "12");
  testing::SetCentres(design, {{"101", "Nord", "24"}, {"102", "Süd-West", "0"}, {"7", "", "36"}});
  const std::string today = Text(design);

  StudyDesign switched_on = design;
  testing::SetStrata(switched_on, {});
  EXPECT_EQ(Text(switched_on), today);

  // Factors of one level each: one stratum per centre, the centres' own lists, headed
  // by their levels.
  StudyDesign one_level = design;
  testing::SetStrata(one_level,
                     {Factor("Geschlecht", "sex", {"alle"}), Factor("Alter", "age", {"jedes"})});
  const std::vector<std::string> today_lines = testing::SplitLines(today);
  const std::vector<std::string> lines = testing::SplitLines(Text(one_level));
  ASSERT_EQ(lines.size(), today_lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (today_lines[i].starts_with("Zentrum ")) {
      const std::size_t seed = today_lines[i].find(" - Seed: ");
      EXPECT_EQ(lines[i], today_lines[i].substr(0, seed) + " - Geschlecht: alle - Alter: jedes" +
                              today_lines[i].substr(seed));
    } else {
      EXPECT_EQ(lines[i], today_lines[i]);
    }
  }
}

// Without centres the strata seeds come from the study seed as the centres' do.
TEST_F(StrataProperties, StrataWithoutCentresDrawTheirSeedsAsCentresDo) {
  StudyDesign strata = MakeDesign({"1", "1"}, "10", "4711");
  testing::SetFixed(strata, "2");
  testing::SetStrata(strata, {Factor("A", "a", {"1", "2", "3"}), Factor("B", "b", {"1", "2"})});
  StudyDesign centres = strata;
  centres.stratified = false;
  testing::SetCentres(centres, std::vector<testing::CentreRow>(6, {"1", "", "10"}));
  const GenerationResult by_strata = Generate(strata);
  const GenerationResult by_centres = Generate(centres);
  ASSERT_EQ(by_strata.drawn.lists.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(by_strata.drawn.lists[i].seed, by_centres.drawn.lists[i].seed);
    EXPECT_EQ(by_strata.drawn.lists[i].arms, by_centres.drawn.lists[i].arms);
  }
}

// A random design that every check lets through: block sizes multiples of the ratio
// sum, fixed ones dividing every list.
StudyDesign RandomStratifiedDesign(std::mt19937& random) {
  auto pick = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  const int arms = pick(1, 4);
  std::vector<std::string> ratios;
  int ratio_sum = 0;
  for (int a = 0; a < arms; ++a) {
    const int ratio = pick(a == 0 ? 1 : 0, 3);
    ratios.push_back(std::to_string(ratio));
    ratio_sum += ratio;
  }
  const bool fixed = pick(0, 1) == 0;
  const int block = ratio_sum * pick(1, 3);
  const int unit = fixed ? block : 1;
  StudyDesign design = MakeDesign(ratios, std::to_string(unit * pick(0, 12)),
                                  std::to_string(pick(-2147483647, 2147483647)));
  if (fixed) {
    testing::SetFixed(design, std::to_string(block));
  } else {
    testing::SetVariable(design, std::to_string(block),
                         std::to_string(block + ratio_sum * pick(1, 3)));
  }
  if (pick(0, 1) == 0) {
    std::vector<testing::CentreRow> centres;
    for (int c = pick(1, 3); c > 0; --c) {
      centres.push_back({std::to_string(100 + c), "Klinik " + std::to_string(c),
                         std::to_string(unit * pick(0, 12))});
    }
    testing::SetCentres(design, centres);
  }
  std::vector<StratificationFactor> factors;
  for (int f = pick(1, 3); f > 0; --f) {
    const std::string name = "Faktor" + std::to_string(f);
    factors.push_back(Factor(name, "f" + std::to_string(f),
                             std::vector<std::string>(static_cast<std::size_t>(pick(1, 3)), name)));
  }
  testing::SetStrata(design, factors, pick(0, 2) == 0 ? std::to_string(unit * pick(0, 2)) : "");
  return design;
}

TEST_F(StrataProperties, EveryStratumIsTheSingleListOfItsSeedAndLength) {
  std::mt19937 random(20261208);
  int drawn = 0;
  for (int d = 0; d < 100; ++d) {
    const StudyDesign design = RandomStratifiedDesign(random);
    const GenerationResult result = Generate(design);
    if (!result.outcome.complete) {
      continue;  // a stratum length beyond a centre's size: refused (see StrataPlan)
    }
    ++drawn;
    const std::int32_t centres = design.per_centre_lists ? design.checked.centre_count : 1;
    std::size_t combinations = 1;
    for (const StratificationFactor& factor : design.factors) {
      combinations *= factor.levels.size();
    }
    ASSERT_EQ(result.drawn.lists.size(), combinations * static_cast<std::size_t>(centres));
    const std::vector<std::string> lines =
        testing::SplitLines(RenderListText(result.drawn, design, options_));
    std::size_t line = 1;
    for (std::size_t s = 0; s < result.drawn.lists.size(); ++s) {
      const RandomizationList& stratum = result.drawn.lists[s];
      SCOPED_TRACE("design " + std::to_string(d) + ", stratum " + std::to_string(s + 1));
      EXPECT_EQ(stratum.stratum, static_cast<std::int32_t>(s + 1));
      // The centre first, the last factor fastest.
      std::size_t rest = s % combinations;
      for (std::size_t f = design.factors.size(); f-- > 0;) {
        EXPECT_EQ(stratum.levels[f],
                  static_cast<std::int32_t>(rest % design.factors[f].levels.size()));
        rest /= design.factors[f].levels.size();
      }

      StudyDesign single = design;
      single.stratified = false;
      single.per_centre_lists = false;
      single.seed = std::to_string(stratum.seed);
      single.sample_size = std::to_string(stratum.planned_patients);
      single.checked.sample_size = stratum.planned_patients;
      const GenerationResult alone = Generate(single);
      ASSERT_EQ(alone.drawn.lists.size(), 1u);
      EXPECT_EQ(stratum.block_sizes, alone.drawn.lists[0].block_sizes);
      EXPECT_EQ(stratum.arms, alone.drawn.lists[0].arms);

      // Its text is the single list's below the heading.
      const std::vector<std::string> alone_lines =
          testing::SplitLines(RenderListText(alone.drawn, single, options_));
      ASSERT_EQ(alone_lines[1], "Seed: (" + std::to_string(stratum.seed) + ")");
      EXPECT_TRUE(lines.at(line).ends_with(" - Seed: (" + std::to_string(stratum.seed) + ")"));
      for (std::size_t k = 2; k < alone_lines.size(); ++k) {
        EXPECT_EQ(lines.at(line + k - 1), alone_lines[k]);
      }
      line += alone_lines.size() - 1;

      // Permuted blocks: each block that holds the ratio sum a whole number of times
      // holds every arm in its ratio.
      std::int64_t ratio_sum = 0;
      for (std::int32_t a = 1; a <= design.checked.arm_count; ++a) {
        ratio_sum += std::stoi(design.arms.Cell(kArmRatioColumn, a));
      }
      std::size_t first = 0;
      for (const std::int32_t block : stratum.block_sizes) {
        std::map<std::int32_t, std::int64_t> counts;
        for (std::int32_t k = 0; k < block; ++k) {
          ++counts[stratum.arms[first + static_cast<std::size_t>(k)]];
        }
        first += static_cast<std::size_t>(block);
        if (block % ratio_sum != 0) {
          continue;
        }
        for (std::int32_t a = 1; a <= design.checked.arm_count; ++a) {
          EXPECT_EQ(counts[a], block / ratio_sum * std::stoi(design.arms.Cell(kArmRatioColumn, a)));
        }
      }
      EXPECT_EQ(first, stratum.arms.size());
    }
    EXPECT_EQ(line, lines.size());
  }
  EXPECT_GT(drawn, 80);
}

}  // namespace
}  // namespace zufora
