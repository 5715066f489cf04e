// The list page's choices for a blinded trial, driven through the pages: the test list
// (CheckBoxTestliste) and the randomisation numbers (CheckBoxNummern and the rest).

#include <string>

#include "pages/DesignPagesFixture.h"
#include "random/TestListSeed.h"

namespace zufora::testing {
namespace {

class TestListChoice : public DesignPagesTest {
 protected:
  void SetUp() override {
    pages_.SetStudyName("Studie B");
    pages_.SetSampleSize("24");
    pages_.SetFixedBlockSize("4");
    pages_.SetArmCount("2");
    pages_.MovePage(Page::List);
    sink_.Clear();
  }

  // The list text of the pages' design drawn from `seed`, as production.
  std::string ListOfSeed(const std::string& seed) {
    pages_.SetSeed(seed);
    EXPECT_TRUE(pages_.Generate());
    return pages_.ListText();
  }
};

TEST_F(TestListChoice, DrawsTheTestSeedsListUnderATestTitleAndKeepsTheProductionSeed) {
  const std::string production = ListOfSeed("2043627648");
  const std::string derived = ListOfSeed(std::to_string(TestListSeed(2043627648)));
  pages_.SetSeed("2043627648");
  pages_.SetTestListChoice(true);
  ASSERT_TRUE(pages_.Generate());
  const std::string test = pages_.ListText();

  EXPECT_EQ(test.substr(0, test.find('\n')), "Studie B - TEST");
  // Past the title, the test list is the derived seed's own list, and no production list.
  EXPECT_EQ(test.substr(test.find('\n')), derived.substr(derived.find('\n')));
  EXPECT_NE(test.substr(test.find('\n')), production.substr(production.find('\n')));
  // The seed field keeps the seed the user typed, and so does a saved design.
  EXPECT_EQ(pages_.Design().seed, "2043627648");
  EXPECT_EQ(pages_.ProposedFileName(".txt"), "Studie B TEST.txt");

  pages_.SetTestListChoice(false);
  ASSERT_TRUE(pages_.Generate());
  EXPECT_EQ(pages_.ListText(), production);
  EXPECT_EQ(pages_.ProposedFileName(".txt"), "");
}

TEST_F(TestListChoice, AnEmptySeedFieldGetsAProductionSeedFirst) {
  pages_.SetTestListChoice(true);
  ASSERT_TRUE(pages_.Generate());
  EXPECT_EQ(pages_.Design().seed, kProposedSeed);
  const std::string test = pages_.ListText();
  EXPECT_EQ(test.substr(0, test.find('\n')), "Studie B - TEST");
  EXPECT_NE(test.find("Seed: (" + std::to_string(TestListSeed(992538752)) + ")"),
            std::string::npos);
}

using NumberingChoices = DesignPagesTest;

TEST_F(NumberingChoices, GiveTheOptionsOnlyWithNumbersAndRefuseAFormatWithAMessage) {
  std::optional<NumberingOptions> numbering = NumberingOptions{};
  EXPECT_TRUE(pages_.NumberingChoice(100, numbering));
  EXPECT_FALSE(numbering);  // no numbers chosen

  pages_.SetNumbers(true);
  pages_.SetRandomNumbers(true);
  pages_.SetCheckDigit(true);
  pages_.SetNumberFormat("R-{0000}");
  ASSERT_TRUE(pages_.NumberingChoice(100, numbering));
  ASSERT_TRUE(numbering);
  EXPECT_TRUE(numbering->random);
  EXPECT_TRUE(numbering->check_digit);
  EXPECT_EQ(numbering->format, "R-{0000}");
  EXPECT_TRUE(Events().empty());

  // Three digits cannot number 1,000 allocations; braces without zeros are no format.
  for (const std::string format : {"R-{000}", "R-{}"}) {
    pages_.SetRandomNumbers(false);
    pages_.SetNumberFormat(format);
    sink_.Clear();
    EXPECT_FALSE(pages_.NumberingChoice(1000, numbering)) << format;
    EXPECT_FALSE(numbering);
    ASSERT_EQ(Events().size(), 1U);
    EXPECT_NE(Events()[0].text.find(format), std::string::npos) << Events()[0].text;
  }
}

}  // namespace
}  // namespace zufora::testing
