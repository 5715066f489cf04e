// verify finds every edit of a list, in either of its two written forms.
#include <gtest/gtest.h>

#include "CliFixture.h"

namespace zufora::cli {
namespace {

using testing::CliFixture;

class Verify : public CliFixture {
 protected:
  testing::CliRun VerifyText(const std::string& design, const std::string& text,
                             std::vector<std::string> options = {}) {
    std::vector<std::string> arguments = {"verify", design, Write("list.txt", text)};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return Cli(arguments);
  }
};

TEST_F(Verify, TheListOfTheDesignPassesInBothForms) {
  const std::string design = Example("per-centre.zfd");
  const auto exported = folder_ / "export.txt";
  ASSERT_EQ(Cli({"generate", design, "--output", exported.string()}).status, kExitComplete);
  EXPECT_EQ(Cli({"verify", design, exported.string()}).status, kExitComplete);
  const testing::CliRun utf8 = VerifyText(design, Cli({"generate", design}).out);
  EXPECT_EQ(utf8.status, kExitComplete) << utf8.out;
  // Other options give another list: it no longer matches.
  EXPECT_EQ(Cli({"verify", design, exported.string(), "--seed", "4712"}).status, kExitIncomplete);
  EXPECT_EQ(Cli({"verify", design, exported.string(), "--no-blocks"}).status, kExitIncomplete);
}

TEST_F(Verify, EditsAreFoundWithTheFirstDifferenceAndACount) {
  const std::string design = Example("worked-example.zfd");
  const std::string list = Cli({"generate", design}).out;  // 16 lines, blocks of 6
  auto replace = [&](const std::string& from, const std::string& to) {
    std::string edited = list;
    edited.replace(edited.find(from), from.size(), to);
    return edited;
  };

  const testing::CliRun arm = VerifyText(design, replace("4\t2\tDosis A", "4\t1\tPlacebo"));
  EXPECT_EQ(arm.status, kExitIncomplete);
  EXPECT_NE(arm.out.find("line 6:\n  the design gives: 4\t2\tDosis A\n"
                         "  the file holds:   4\t1\tPlacebo\n"),
            std::string::npos)
      << arm.out;
  EXPECT_NE(arm.out.find("missing or are extra: 1\n"), std::string::npos) << arm.out;

  const testing::CliRun removed = VerifyText(design, replace("9\t3\tDosis B\n", ""));
  EXPECT_EQ(removed.status, kExitIncomplete);
  EXPECT_NE(removed.out.find("line 12:"), std::string::npos) << removed.out;
  EXPECT_NE(removed.out.find("missing or are extra: 1\n"), std::string::npos) << removed.out;

  const testing::CliRun moved =
      VerifyText(design, replace("6\t1\tPlacebo\n------- Block ------\n7\t2\tDosis A\n",
                                 "6\t1\tPlacebo\n7\t2\tDosis A\n------- Block ------\n"));
  EXPECT_EQ(moved.status, kExitIncomplete);
  EXPECT_NE(moved.out.find("missing or are extra: 0\n"), std::string::npos) << moved.out;

  const testing::CliRun cut = VerifyText(design, list.substr(0, list.size() - 21));
  EXPECT_EQ(cut.status, kExitIncomplete);
  EXPECT_NE(cut.out.find("(the file has ended)"), std::string::npos) << cut.out;

  const testing::CliRun longer = VerifyText(design, list + "13\t1\tPlacebo\n");
  EXPECT_EQ(longer.status, kExitIncomplete);
  EXPECT_NE(longer.out.find("line 17:\n  the design gives: (the list has ended)"),
            std::string::npos)
      << longer.out;
  EXPECT_NE(longer.out.find("missing or are extra: 1\n"), std::string::npos) << longer.out;
}

TEST_F(Verify, FileProblems) {
  const std::string design = Example("worked-example.zfd");
  EXPECT_EQ(Cli({"verify", design, (folder_ / "none.txt").string()}).status, kExitFailure);
  EXPECT_EQ(Cli({"verify", (folder_ / "none.zfd").string(), Write("l.txt", "x\n")}).status,
            kExitFailure);
  EXPECT_EQ(Cli({"verify", design}).status, kExitFailure);
}

}  // namespace
}  // namespace zufora::cli
