// verify finds every edit of a list, in either of its two written forms.
#include <gtest/gtest.h>

#include <filesystem>

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
  EXPECT_NE(arm.out.find("line 6:\n  the design gives: 4\\t2\\tDosis A\n"
                         "  the file holds:   4\\t1\\tPlacebo\n"),
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

// A design that gives no complete list verifies no file, not even the title that generate
// wrote for it.
TEST_F(Verify, ADesignWithoutCompleteListsVerifiesNothing) {
  const std::string design =
      Write("undrawable.zfd",
            "[Design]\r\nName=S\r\nArme=2\r\nFallzahl=8\r\n[Arme]\r\nAnzahl=2\r\n"
            "Ratio1=1\r\nRatio2=1\r\n[Bloecke]\r\nFix=0\r\nVon=4\r\nBis=5\r\n[Zufall]\r\n"
            "Seed=3\r\n");
  const auto exported = folder_ / "export.txt";
  ASSERT_EQ(Cli({"generate", design, "--output", exported.string()}).status, kExitIncomplete);
  EXPECT_EQ(ReadBytes(exported), "S\r\nSeed: (3)\r\n");
  const testing::CliRun run = Cli({"verify", design, exported.string()});
  EXPECT_EQ(run.status, kExitIncomplete);
  EXPECT_NE(run.out.find("does not give complete lists"), std::string::npos) << run.out;
}

// A list text beyond the limit of one list text: generate writes its title only, and
// verify says that no file is that list, as generate refuses it.
TEST_F(Verify, TheListTextLimitOfGenerateHoldsForVerify) {
  const std::string language =
      Write("long-block.ini",
            "[FormLang]\r\nFormLang.LabelBlock.Caption=" + std::string(3900000, 'B') + "\r\n");
  const std::string design =
      Write("d.zfd",
            "[Design]\r\nName=S\r\nArme=1\r\nFallzahl=280\r\n[Arme]\r\nAnzahl=1\r\n"
            "Ratio1=1\r\n[Bloecke]\r\nFix=1\r\nGroesse=1\r\n[Zufall]\r\nSeed=1\r\n");
  const auto exported = folder_ / "export.txt";
  ASSERT_EQ(Cli({"generate", design, "--lang", language, "--output", exported.string()}).status,
            kExitIncomplete);
  EXPECT_EQ(ReadBytes(exported), "S\r\n");
  const testing::CliRun run = Cli({"verify", design, exported.string(), "--lang", language});
  EXPECT_EQ(run.status, kExitIncomplete);
  EXPECT_NE(run.out.find("more than the 1073741824 that one list text may have"), std::string::npos)
      << run.out.substr(0, 2000);
}

// Whatever a file holds, the messages stay short and show control characters visibly.
TEST_F(Verify, LongLinesAndControlCharactersAreShownHarmlessly) {
  const std::string design = Example("worked-example.zfd");
  const testing::CliRun nul = VerifyText(design, std::string(16 << 20, '\0'));
  EXPECT_EQ(nul.status, kExitIncomplete);
  EXPECT_LT(nul.out.size(), 2000u);
  EXPECT_NE(nul.out.find("the file holds:   \\x00\\x00"), std::string::npos) << nul.out;
  EXPECT_NE(nul.out.find("\xE2\x80\xA6"), std::string::npos);  // cut with an ellipsis

  std::string list = Cli({"generate", design}).out;
  list.replace(list.find("Seed"), 4, "\x1B]0;owned\x07\x9B");
  const testing::CliRun escape = VerifyText(design, list);
  EXPECT_EQ(escape.status, kExitIncomplete);
  EXPECT_NE(escape.out.find("\\x1B]0;owned\\x07"), std::string::npos) << escape.out;
  for (const char raw : {'\x1B', '\x07', '\t'}) {
    EXPECT_EQ(escape.out.find(raw), std::string::npos) << static_cast<int>(raw);
  }
}

// The tables are verified like the list: told by their header row, line by line.
TEST_F(Verify, TablesOfEveryFormat) {
  const std::string design = Example("per-centre.zfd");
  const auto csv = folder_ / "t.csv";
  const auto redcap = folder_ / "r.csv";
  ASSERT_EQ(Cli({"generate", design, "--format", "csv", "--output", csv.string()}).status,
            kExitComplete);
  ASSERT_EQ(Cli({"generate", design, "--format", "redcap", "--dag-ids", "101=1,102=2",
                 "--arm-codes", "1=A,2=B", "--output", redcap.string()})
                .status,
            kExitComplete);
  const testing::CliRun csv_run = Cli({"verify", design, csv.string()});
  EXPECT_EQ(csv_run.status, kExitComplete) << csv_run.out;
  EXPECT_NE(csv_run.out.find("is the CSV table that the design gives"), std::string::npos);
  const testing::CliRun redcap_run = Cli(
      {"verify", design, redcap.string(), "--dag-ids", "101=1,102=2", "--arm-codes", "1=A,2=B"});
  EXPECT_EQ(redcap_run.status, kExitComplete) << redcap_run.out << redcap_run.err;
  // Other table options give another table; without any, verify says what is missing.
  EXPECT_EQ(
      Cli({"verify", design, redcap.string(), "--dag-ids", "101=1,102=3", "--arm-codes", "1=A,2=B"})
          .status,
      kExitIncomplete);
  const testing::CliRun missing = Cli({"verify", design, redcap.string()});
  EXPECT_EQ(missing.status, kExitFailure);
  EXPECT_NE(missing.err.find("--dag-ids"), std::string::npos);

  // One changed row: found in its line, counted once.
  std::string rows = ReadBytes(csv);
  const std::size_t row = rows.find("102,3,");
  ASSERT_NE(row, std::string::npos);
  rows[row + 6] = rows[row + 6] == '1' ? '2' : '1';
  const testing::CliRun changed = VerifyText(design, rows);
  EXPECT_EQ(changed.status, kExitIncomplete);
  EXPECT_NE(changed.out.find("line 8:"), std::string::npos) << changed.out;
  EXPECT_NE(changed.out.find("missing or are extra: 1\n"), std::string::npos) << changed.out;
}

// An export made with the English language file, or a list saved with a byte-order mark,
// is the list of the design.
TEST_F(Verify, ExportsInAnyLanguageAndWithAByteOrderMark) {
  const std::string design = Example("per-centre.zfd");
  const std::string english =
      (std::filesystem::path(ZUFORA_LANG_DIR) / "ZuforaLang.en.ini").string();
  const auto exported = folder_ / "english.txt";
  ASSERT_EQ(Cli({"generate", design, "--lang", english, "--output", exported.string()}).status,
            kExitComplete);
  ASSERT_NE(ReadBytes(exported).find("Center 101"), std::string::npos);
  const testing::CliRun found = Cli({"verify", design, exported.string()});
  EXPECT_EQ(found.status, kExitComplete) << found.out;
  EXPECT_NE(found.out.find("the bundled English language file"), std::string::npos) << found.out;
  const testing::CliRun given = Cli({"verify", design, exported.string(), "--lang", english});
  EXPECT_EQ(given.status, kExitComplete) << given.out;
  // The German list is still German.
  const testing::CliRun german = VerifyText(design, Cli({"generate", design}).out);
  EXPECT_EQ(german.status, kExitComplete);
  EXPECT_NE(german.out.find("the built-in German texts"), std::string::npos);

  const testing::CliRun marked = VerifyText(design, "\xEF\xBB\xBF" + Cli({"generate", design}).out);
  EXPECT_EQ(marked.status, kExitComplete) << marked.out;
  EXPECT_NE(marked.out.find("byte-order mark"), std::string::npos);
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
