// The one list text writer, held against a plain line-by-line rendering: written while
// the lists are drawn, in parts that end at line ends, or from lists kept whole.
#include "random/ListTextWriter.h"

#include <gtest/gtest.h>

#include "PlanDrawing.h"
#include "random/ListText.h"
#include "support/DesignBuilder.h"

namespace zufora {
namespace {

// The list text built the plain way, one line at a time.
std::string PlainText(const DrawnLists& lists, const StudyDesign& design,
                      const ListTextOptions& options) {
  if (lists.leaves_list_empty) {
    return "";
  }
  std::string text = lists.study_name + "\n";
  for (const RandomizationList& list : lists.lists) {
    const std::string seed_note = "Seed: (" + std::to_string(list.seed) + ")";
    if (list.centre) {
      text += options.center_caption + " " +
              design.centres.Cell(kCentreNumberColumn, *list.centre) + "\t" +
              design.centres.Cell(kCentreDescriptionColumn, *list.centre) +
              (options.show_seed ? " - " + seed_note : "") + "\n";
    } else {
      text += (options.show_seed ? seed_note : "") + "\n";
    }
    std::size_t patient = 0;
    for (const std::int32_t block : list.block_sizes) {
      if (patient + static_cast<std::size_t>(block) > list.arms.size()) {
        break;
      }
      for (std::int32_t k = 0; k < block; ++k, ++patient) {
        const std::int32_t arm = list.arms[patient];
        text += std::to_string(patient + 1) + "\t" + std::to_string(arm) + "\t" +
                design.arms.Cell(kArmDescriptionColumn, arm) + "\n";
      }
      if (options.mark_blocks) {
        text += options.block_separator + "\n";
      }
    }
  }
  return text;
}

class PartsSink : public ListTextSink {
 public:
  void Write(std::string_view whole_lines) override {
    EXPECT_FALSE(whole_lines.empty());
    EXPECT_EQ(whole_lines.back(), '\n') << "a part ends inside a line";
    text += whole_lines;
    ++parts;
  }
  std::string text;
  int parts = 0;
};

struct Written {
  std::string plain;       // PlainText of the lists kept whole
  std::string whole;       // RenderListText of the lists kept whole
  std::uint64_t size = 0;  // ListTextSize likewise
  std::string streamed;    // written while drawn
  int parts = 0;
};

Written Write(const ListPlan& plan, const StudyDesign& design, const ListTextOptions& options) {
  Written written;
  ParkMillerShuffleGenerator keeping;
  const testing::DrawnPlan kept = testing::DrawPlan(plan, keeping, design.study_name);
  written.plain = PlainText(kept.lists, design, options);
  written.whole = RenderListText(kept.lists, design, options);
  written.size = ListTextSize(kept.lists, design, options);

  ParkMillerShuffleGenerator generator;
  PartsSink parts;
  ListTextWriter writer(design, options, parts);
  testing::ProblemLog problems;
  writer.Title(design.study_name);
  ListGenerator(generator).Draw(plan, writer, problems);
  writer.Finish();
  written.streamed = parts.text;
  written.parts = parts.parts;
  return written;
}

TEST(ListTextWriter, WritesThePlainTextWhileDrawnAndFromListsKeptWhole) {
  // 20000 patients: numbers pass 9, 99, 999 and 9999 inside parts and across them.
  ListPlan variable = testing::SinglePlan({1, 1}, 20000, 12345);
  testing::SetVariable(variable, 4, 8);
  ListPlan unequal = testing::SinglePlan({1, 2, 0, 3}, 6000, 7);
  testing::SetFixed(unequal, 12);
  ListPlan centres = testing::CentrePlan({1, 1}, {1002, 0, 98}, 4711);
  testing::SetFixed(centres, 2);
  ListPlan undrawable = testing::CentrePlan({1, 1}, {8, 3}, 5);
  testing::SetVariable(undrawable, 4, 5);
  ListPlan one_big_block = testing::SinglePlan({1, 1, 1}, 99999, 3);
  testing::SetFixed(one_big_block, 99999);

  // A description longer than the writer's fixed moves, one empty, one with a cp1252
  // character; a centre description longer than one part.
  StudyDesign design = testing::MakeDesign({"1", "1", "1", "1"}, "10", "1");
  design.study_name = "Studie \xC4";
  design.arms.SetCell(kArmDescriptionColumn, 1, std::string(70, 'x'));
  design.arms.SetCell(kArmDescriptionColumn, 2, "");
  design.arms.SetCell(kArmDescriptionColumn, 4, "Dosis \xE4");
  testing::SetCentres(design, {{"1", "Nord", "1002"},
                               {"2",
                                "S\xFC"
                                "d",
                                "0"},
                               {"C-3", std::string(70000, 'k'), "98"}});

  const ListTextOptions translated{.block_separator = "------- Bloque ------",
                                   .center_caption = "Centro"};
  const ListTextOptions plain{.mark_blocks = false, .show_seed = false};
  for (const ListPlan* plan : {&variable, &unequal, &centres, &undrawable, &one_big_block}) {
    for (const ListTextOptions* options : {&translated, &plain}) {
      const Written written = Write(*plan, design, *options);
      ASSERT_EQ(written.whole, written.plain);
      ASSERT_EQ(written.streamed, written.plain);
      EXPECT_EQ(written.size, written.plain.size());
    }
  }
  EXPECT_GT(Write(variable, design, translated).parts, 2) << "a long list goes out in parts";
}

TEST(ListTextWriter, NothingIsWrittenBeforeTheTitle) {
  StudyDesign design = testing::MakeDesign({"1", "1"}, "10", "1");
  PartsSink parts;
  ListTextWriter writer(design, ListTextOptions{}, parts);
  writer.Finish();
  EXPECT_EQ(parts.parts, 0);
  writer.Title("S");
  writer.Finish();
  EXPECT_EQ(parts.text, "S\n");
}

// A stratum's heading: its centre's heading, or the stratum word and number, then each
// factor's name and the label of the stratum's level, then the seed note.
TEST(ListTextWriter, StratumHeadingsNameEachFactorsLevel) {
  StudyDesign design = testing::MakeDesign({"1", "1"}, "10", "1");
  testing::SetCentres(design, {{"101", "Klinik Nord", "10"}});
  testing::SetStrata(design, {testing::Factor("Geschlecht", "sex", {"weiblich", "divers"}),
                              testing::Factor("Alter", "age", {"< 65", ">= 65"})});
  auto heading = [&design](const ListTextOptions& options, std::optional<std::int32_t> centre,
                           std::int32_t stratum, std::vector<std::int32_t> levels) {
    std::string text;
    StringSink sink(text);
    ListTextWriter writer(design, options, sink);
    RandomizationList list;
    list.centre = centre;
    list.stratum = stratum;
    list.levels = std::move(levels);
    list.seed = 123;
    writer.BeginList(list);
    writer.Finish();
    return text;
  };
  const ListTextOptions shown;
  EXPECT_EQ(heading(shown, 1, 3, {1, 0}),
            "Zentrum 101\tKlinik Nord - Geschlecht: divers - Alter: < 65 - Seed: (123)\n");
  EXPECT_EQ(heading(shown, std::nullopt, 4, {1, 1}),
            "Stratum 4\tGeschlecht: divers - Alter: >= 65 - Seed: (123)\n");
  const ListTextOptions translated{
      .show_seed = false, .center_caption = "Centro", .stratum_caption = "Estrato"};
  EXPECT_EQ(heading(translated, std::nullopt, 12, {0, 1}),
            "Estrato 12\tGeschlecht: weiblich - Alter: >= 65\n");
  EXPECT_EQ(heading(translated, 1, 1, {0, 0}),
            "Centro 101\tKlinik Nord - Geschlecht: weiblich - Alter: < 65\n");
  // A centre's list of a design without factors keeps its heading.
  EXPECT_EQ(heading(shown, 1, 0, {}), "Zentrum 101\tKlinik Nord - Seed: (123)\n");
}

}  // namespace
}  // namespace zufora
