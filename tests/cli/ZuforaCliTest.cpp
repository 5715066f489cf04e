#include "ZuforaCli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

#include "files/FirstShow.h"
#include "lang/Language.h"
#include "random/ParkMillerShuffleGenerator.h"
#include "random/SeedProposal.h"

namespace zufora::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kClockReading = 1700000000;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ZuforaCli : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() /
        ("zufora-cli-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  CliRun Cli(std::vector<std::string> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const CalendarClock clock = [] { return kClockReading; };
    const int status = RunZuforaCli(arguments, out, err, clock);
    return {status, out.str(), err.str()};
  }

  static std::string Example(const char* name) {
    return (fs::path(ZUFORA_EXAMPLES_DIR) / name).string();
  }

  // A design file of two arms 1:1 (descriptions A and B) with the given block section
  // and seed; lines are cp1252.
  std::string TwoArmDesign(const std::string& patients, const std::string& blocks,
                           const std::string& seed, const std::string& name = "design.zfd") {
    const fs::path file = folder_ / name;
    std::ofstream(file, std::ios::binary)
        << "[Design]\r\nName=Studie\r\nArme=2\r\nFallzahl=" << patients
        << "\r\nMulticenter=0\r\n[Arme]\r\nAnzahl=2\r\nBeschr1=A\r\nRatio1=1\r\nBeschr2=B\r\n"
        << "Ratio2=1\r\n[Bloecke]\r\n"
        << blocks << "[Zufall]\r\nSeed=" << seed << "\r\n";
    return file.string();
  }

  fs::path folder_;
};

const char kWorkedExample[] =
    "Beispielstudie\nSeed: (12345)\n"
    "1\t3\tDosis B\n2\t1\tPlacebo\n3\t3\tDosis B\n4\t2\tDosis A\n5\t2\tDosis A\n6\t1\tPlacebo\n"
    "------- Block ------\n"
    "7\t2\tDosis A\n8\t1\tPlacebo\n9\t3\tDosis B\n10\t3\tDosis B\n11\t2\tDosis A\n12\t1\tPlacebo\n"
    "------- Block ------\n";

TEST_F(ZuforaCli, GeneratesTheWorkedExample) {
  const CliRun run = Cli({"generate", Example("worked-example.zfd")});
  EXPECT_EQ(run.status, kExitComplete);
  EXPECT_EQ(run.out, kWorkedExample);
  EXPECT_EQ(run.err, "");
}

TEST_F(ZuforaCli, SeedOptionAndOutputOptions) {
  const CliRun negative = Cli({"generate", Example("worked-example.zfd"), "--seed", "-12345"});
  EXPECT_EQ(negative.out, kWorkedExample);

  const CliRun plain =
      Cli({"generate", Example("worked-example.zfd"), "--no-blocks", "--no-seed", "--seed", "1"});
  EXPECT_EQ(plain.status, kExitComplete);
  EXPECT_EQ(plain.out.substr(0, 16), "Beispielstudie\n\n");
  EXPECT_EQ(plain.out.find("Block"), std::string::npos);
  EXPECT_EQ(std::count(plain.out.begin(), plain.out.end(), '\n'), 14);
}

TEST_F(ZuforaCli, CentreListsInUtf8OnStdoutAndCp1252InTheExport) {
  const CliRun run = Cli({"generate", Example("per-centre.zfd")});
  EXPECT_EQ(run.status, kExitComplete);
  EXPECT_EQ(run.out,
            "Multizentrische Studie\n"
            "Zentrum 101\tKlinik Nord - Seed: (773724032)\n"
            "1\t2\tNeue Therapie\n2\t1\tStandardtherapie\n------- Block ------\n"
            "3\t2\tNeue Therapie\n4\t1\tStandardtherapie\n------- Block ------\n"
            "Zentrum 102\tKlinik S\xC3\xBC"
            "d-West - Seed: (1659940736)\n"
            "1\t2\tNeue Therapie\n2\t1\tStandardtherapie\n------- Block ------\n"
            "3\t1\tStandardtherapie\n4\t2\tNeue Therapie\n------- Block ------\n"
            "5\t2\tNeue Therapie\n6\t1\tStandardtherapie\n------- Block ------\n");

  const fs::path exported = folder_ / "liste.txt";
  const CliRun to_file =
      Cli({"generate", Example("per-centre.zfd"), "--output", exported.string()});
  EXPECT_EQ(to_file.status, kExitComplete);
  EXPECT_EQ(to_file.out, "");
  const std::string bytes = ReadBytes(exported);
  EXPECT_EQ(bytes.substr(0, 24), "Multizentrische Studie\r\n");
  EXPECT_NE(bytes.find("Klinik S\xFC"
                       "d-West - Seed: (1659940736)\r\n"),
            std::string::npos);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 18);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 18);
}

TEST_F(ZuforaCli, MisfitQuestionsAbandonUnlessAccepted) {
  const std::string design = TwoArmDesign("7", "Fix=0\r\nVon=2\r\nBis=4\r\n", "99");
  const std::string question =
      "Die verwendete Anzahl der Studienarme pa\xC3\x9Ft nicht zur angegebenen Fallzahl. "
      "Abbrechen?";

  const CliRun abandoned = Cli({"generate", design});
  EXPECT_EQ(abandoned.status, kExitIncomplete);
  EXPECT_EQ(abandoned.err, question + " [Ja]\n");
  EXPECT_EQ(abandoned.out, "Studie\n");

  const CliRun accepted = Cli({"generate", design, "--accept-misfits", "--no-blocks"});
  EXPECT_EQ(accepted.status, kExitComplete);
  EXPECT_EQ(accepted.err, question + " [Nein]\n");
  EXPECT_EQ(accepted.out,
            "Studie\nSeed: (99)\n1\t2\tB\n2\t1\tA\n3\t2\tB\n4\t1\tA\n5\t2\tB\n6\t1\tA\n7\t2\tB\n");
}

TEST_F(ZuforaCli, UndrawableBlocksStillWriteWhatThereIs) {
  const CliRun run = Cli({"generate", TwoArmDesign("8", "Fix=0\r\nVon=4\r\nBis=5\r\n", "3")});
  EXPECT_EQ(run.status, kExitIncomplete);
  EXPECT_EQ(run.out, "Studie\nSeed: (3)\n");
  EXPECT_EQ(run.err,
            "Bl\xC3\xB6"
            "cke konnten nicht generiert werden, Blockgr\xC3\xB6\xC3\x9F"
            "e zu stark "
            "eingeschr\xC3\xA4nkt?\n");
}

TEST_F(ZuforaCli, DesignPageCheckThatKeepsThePageStopsBeforeGenerating) {
  const fs::path file = folder_ / "bad.zfd";
  std::ofstream(file, std::ios::binary) << "[Design]\r\nArme=zwei\r\n";
  const CliRun run = Cli({"generate", file.string()});
  EXPECT_EQ(run.status, kExitIncomplete);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "G\xC3\xBCltige Anzahl f\xC3\xBCr Studienarme eingeben!\n");
}

// More arms than patients is a warning: the command line goes on to "Generieren", and
// the generation decides the exit status.
TEST_F(ZuforaCli, ArmPatientCountWarningGoesOnToGenerate) {
  const fs::path file = folder_ / "one-arm.zfd";
  std::ofstream(file, std::ios::binary)
      << "[Design]\r\nName=Leer\r\nArme=1\r\nFallzahl=0\r\n[Bloecke]\r\nFix=1\r\nGroesse=1\r\n"
      << "[Zufall]\r\nSeed=5\r\n";
  const CliRun run = Cli({"generate", file.string()});
  EXPECT_EQ(run.status, kExitComplete);
  EXPECT_EQ(run.out, "Leer\nSeed: (5)\n");
  EXPECT_NE(run.err, "");
}

TEST_F(ZuforaCli, EmptySeedIsProposedFromTheClock) {
  const CliRun run = Cli({"generate", TwoArmDesign("4", "Fix=1\r\nGroesse=2\r\n", "")});
  EXPECT_EQ(run.status, kExitComplete);
  ParkMillerShuffleGenerator generator;
  const std::string proposal = ProposeSeed(generator, [] { return kClockReading; });
  EXPECT_EQ(run.out.substr(0, run.out.find('\n', 7) + 1), "Studie\nSeed: (" + proposal + ")\n");
}

TEST_F(ZuforaCli, LanguageFileAppliesBeforeEverythingElse) {
  const fs::path language = folder_ / "lang.ini";
  std::ofstream(language, std::ios::binary)
      << "[FormLang]\r\nFormLang.LabelBlock.Caption=Bloque\r\n"
      << "[FormZufora]\r\nFormZufora.LabelCenter.Caption=Centro\r\n";
  const CliRun run =
      Cli({"generate", Example("per-centre.zfd"), "--lang", language.string(), "--no-seed"});
  EXPECT_EQ(run.status, kExitComplete);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n', run.out.find('\n') + 1) + 1),
            "Multizentrische Studie\nCentro 101\tKlinik Nord\n");
  EXPECT_NE(run.out.find("\n------- Bloque ------\n"), std::string::npos);

  const CliRun missing =
      Cli({"generate", Example("per-centre.zfd"), "--lang", (folder_ / "none.ini").string()});
  EXPECT_EQ(missing.status, kExitFailure);
  EXPECT_EQ(missing.out, "");
}

TEST_F(ZuforaCli, FileProblemsAndWrongCommandLines) {
  const CliRun missing = Cli({"generate", (folder_ / "missing.zfd").string()});
  EXPECT_EQ(missing.status, kExitFailure);
  EXPECT_NE(missing.err.find("does not exist"), std::string::npos);
  EXPECT_EQ(missing.out, "");

  // A design path that is no file: a folder, a pipe that no one writes to, a device
  // without end. Each is refused at once, naming it, and never read.
  const fs::path fifo = folder_ / "pipe.zfd";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const fs::path& no_file : {folder_, fifo, fs::path("/dev/zero")}) {
    const CliRun run = Cli({"generate", no_file.string()});
    EXPECT_EQ(run.status, kExitFailure) << no_file;
    EXPECT_NE(run.err.find("Fehler beim Öffnen der Datei " + no_file.string()), std::string::npos)
        << run.err;
    EXPECT_EQ(run.out, "");
  }

  // An export that cannot be written names the file and the system's reason.
  const std::string out_file = (folder_ / "no-such-folder" / "out.txt").string();
  const CliRun unwritable = Cli({"generate", Example("worked-example.zfd"), "--output", out_file});
  EXPECT_EQ(unwritable.status, kExitFailure);
  EXPECT_EQ(unwritable.err,
            "zufora-cli: Unable to write to " + out_file + ": No such file or directory\n");

  // An output that is the design or the language file itself, under any name.
  const std::string design = TwoArmDesign("4", "Fix=1\r\nGroesse=2\r\n", "1");
  const std::string design_bytes = ReadBytes(design);
  const fs::path language = folder_ / "lang.ini";
  std::ofstream(language, std::ios::binary) << "[FormZufora]\r\n";
  fs::create_symlink(design, folder_ / "link.zfd");
  for (const fs::path& output :
       {fs::path(design), folder_ / "." / "design.zfd", folder_ / "link.zfd", language}) {
    const CliRun same =
        Cli({"generate", design, "--lang", language.string(), "--output", output.string()});
    EXPECT_EQ(same.status, kExitFailure) << output;
    EXPECT_NE(same.err.find("is the file"), std::string::npos) << output;
  }
  EXPECT_EQ(ReadBytes(design), design_bytes);
  EXPECT_EQ(ReadBytes(language), "[FormZufora]\r\n");

  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{},
                                             {"draw"},
                                             {"generate"},
                                             {"generate", "a.zfd", "b.zfd"},
                                             {"generate", "a.zfd", "--seed"},
                                             {"generate", "a.zfd", "--colour"},
                                             {"propose-seed", "--time", "soon"},
                                             {"propose-seed", "--time", "12x"}}) {
    const CliRun run = Cli(arguments);
    EXPECT_EQ(run.status, kExitFailure) << ::testing::PrintToString(arguments);
    EXPECT_NE(run.err.find("Usage: zufora-cli"), std::string::npos);
    EXPECT_EQ(run.out, "");
  }
}

// The German file that the build installs: every catalogue text in cp1252 with CR LF,
// and applied it changes nothing.
TEST_F(ZuforaCli, TheWrittenLanguageFileChangesNothing) {
  const std::string file = (folder_ / "ZuforaLang.ini").string();
  const CliRun run = Cli({"write-language-file", file});
  ASSERT_EQ(run.status, kExitComplete) << run.err;
  EXPECT_EQ(run.out + run.err, "");
  EXPECT_NE(ReadBytes(file).find("\r\nFormLang.MessageArmCount.Caption=G\xFCltige Anzahl f\xFCr "
                                 "Studienarme eingeben!\r\n"),
            std::string::npos);
  for (const char* design : {"worked-example.zfd", "per-centre.zfd"}) {
    const CliRun plain = Cli({"generate", Example(design)});
    const CliRun with_file = Cli({"generate", Example(design), "--lang", file});
    EXPECT_EQ(with_file.status, plain.status);
    EXPECT_EQ(with_file.out, plain.out);
    EXPECT_EQ(with_file.err, plain.err);
  }
}

TEST_F(ZuforaCli, WritesTheTextsOfAGivenLanguageFile) {
  const std::string english = (fs::path(ZUFORA_LANG_DIR) / "ZuforaLang.en.ini").string();
  const std::string file = (folder_ / "template.ini").string();
  ASSERT_EQ(Cli({"write-language-file", "--lang", english, file}).status, kExitComplete);
  const LanguageFileReading written = ReadLanguageFile(file);
  const LanguageFileReading original = ReadLanguageFile(english);
  for (const char* key : {"FormZufora.BitBtnNext.Caption", "FormZufora.Memo2.Lines[3]"}) {
    EXPECT_EQ(written.file.Find("FormZufora", key), original.file.Find("FormZufora", key)) << key;
    EXPECT_TRUE(written.file.HasKey("FormZufora", key)) << key;
  }

  EXPECT_EQ(Cli({"write-language-file"}).status, kExitFailure);
  EXPECT_EQ(Cli({"write-language-file", file, "--lang", (folder_ / "none.ini").string()}).status,
            kExitFailure);
  const CliRun unwritable = Cli({"write-language-file", (folder_ / "no" / "x.ini").string()});
  EXPECT_EQ(unwritable.status, kExitFailure);
  EXPECT_NE(unwritable.err.find("zufora-cli: "), std::string::npos);
}

TEST_F(ZuforaCli, HelpVersionAndSeedProposal) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"--help"},
                                             {"generate", "--help"},
                                             {"propose-seed", "--help"},
                                             {"write-language-file", "--help"}}) {
    const CliRun run = Cli(arguments);
    EXPECT_EQ(run.status, kExitComplete);
    EXPECT_EQ(run.out.rfind("Usage: zufora-cli", 0), 0u);
  }
  EXPECT_EQ(Cli({"--version"}).out.rfind("zufora-cli ", 0), 0u);
  EXPECT_EQ(Cli({"propose-seed", "--time", "1000000000"}).out, "992538752\n");
  ParkMillerShuffleGenerator generator;
  EXPECT_EQ(Cli({"propose-seed"}).out, ProposeSeed(generator, [] { return kClockReading; }) + "\n");
}

}  // namespace
}  // namespace zufora::cli
