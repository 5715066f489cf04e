// "Studiendesign öffnen" and "Studiendesign speichern" on the pages.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "files/DiskDesignFiles.h"
#include "files/FileAccess.h"
#include "files/FileWriteError.h"
#include "files/IniDocument.h"
#include "pages/DesignPagesFixture.h"
#include "text/Cp1252.h"

namespace zufora::testing {
namespace {

namespace fs = std::filesystem;
using Outcome = DesignPages::LoadOutcome;

// The buttons on design files on disk.
class DesignFileButtons : public DesignPagesTest {
 protected:
  DesignFileButtons() : DesignPagesTest(&disk_files_) {}
  void SetUp() override {
    std::random_device random;
    folder_ = fs::temp_directory_path() /
              ("zufora_pages_" + std::to_string(random()) + "_" + std::to_string(random()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(folder_, ignored);
  }

  std::string PathOf(std::string_view name) const { return (folder_ / name).string(); }
  std::string WriteFile(std::string_view name, std::string_view bytes) const {
    const std::string path = PathOf(name);
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  static IniDocument ReadIni(const std::string& path) {
    const FileBytes read = ReadFileBytes(path);
    EXPECT_EQ(read.status, FileReadStatus::Read);
    return IniDocument::Parse(read.bytes);
  }
  static std::string Key(const IniDocument& ini, std::string_view section, std::string_view key) {
    return ini.Get(section, key).value_or("<missing>");
  }

  // The closing steps of every load, after the events that came before them.
  void ExpectClosingSteps() const {
    ASSERT_FALSE(Events().empty());
    EXPECT_EQ(Events().back(), PageEvent(Page::Design));
    EXPECT_EQ(pages_.State().active_page, Page::Design);
    EXPECT_EQ(pages_.State().focus, Control::SampleSizeField);
  }

  inline static const MessageCatalogue built_in_messages_;
  inline static DiskDesignFiles disk_files_{built_in_messages_};
  fs::path folder_;
};

// The buttons on design files in memory: what the pages do with a file's outcome.
using DesignFileOutcomes = DesignPagesTest;

TEST_F(DesignFileButtons, SavingAFreshDesignAfterLeavingTheDesignPage) {
  CheckDesignPage();
  const std::string path = PathOf("neu.zfd");

  EXPECT_TRUE(pages_.SaveDesign(path));

  EXPECT_TRUE(Events().empty());
  const IniDocument ini = ReadIni(path);
  EXPECT_EQ(Key(ini, "Design", "Name"), "");
  EXPECT_EQ(Key(ini, "Design", "Arme"), "3");
  EXPECT_EQ(Key(ini, "Design", "Fallzahl"), "120");
  EXPECT_EQ(Key(ini, "Design", "Multicenter"), "0");
  EXPECT_EQ(Key(ini, "Design", "Zentren"), "");
  EXPECT_EQ(Key(ini, "Arme", "Anzahl"), "3");
  for (int row = 1; row <= 3; ++row) {
    const std::string r = std::to_string(row);
    EXPECT_EQ(Key(ini, "Arme", "Bez" + r), "Arm " + r);
    EXPECT_EQ(Key(ini, "Arme", "Beschr" + r), "");
    EXPECT_EQ(Key(ini, "Arme", "Ratio" + r), "1");
  }
  EXPECT_EQ(Key(ini, "Zentren", "Anzahl"), "2");
  for (const char* key :
       {"Bez1", "ID1", "Beschr1", "Fallzahl1", "Bez2", "ID2", "Beschr2", "Fallzahl2"}) {
    EXPECT_EQ(Key(ini, "Zentren", key), "") << key;
  }
  EXPECT_EQ(Key(ini, "Bloecke", "Fix"), "1");
  EXPECT_EQ(Key(ini, "Bloecke", "Groesse"), "12");
  EXPECT_EQ(Key(ini, "Bloecke", "Von"), "");
  EXPECT_EQ(Key(ini, "Bloecke", "Bis"), "");
  EXPECT_EQ(Key(ini, "Zufall", "Seed"), kProposedSeed);
  // Saving changes nothing on the pages.
  EXPECT_EQ(pages_.State().active_page, Page::Design);
  EXPECT_EQ(pages_.Design().arms.RowCount(), 4);
}

TEST_F(DesignFileButtons, CancelledDialogsStillRunTheClosingStepsOfLoading) {
  EXPECT_FALSE(pages_.SaveDesign(std::nullopt));
  EXPECT_TRUE(Events().empty());

  pages_.SetPerCentreLists(true);
  pages_.SetCentreCount("2");
  pages_.MovePage(Page::Blocks);
  sink_.Clear();

  EXPECT_EQ(pages_.OpenDesign(std::nullopt), Outcome::Cancelled);
  EXPECT_EQ(Events(), (std::vector<Event>{PageEvent(Page::Design)}));
  ExpectClosingSteps();
  EXPECT_TRUE(pages_.State().centre_tab_visible);
  EXPECT_EQ(pages_.Design().checked.centre_count, 2);
}

TEST_F(DesignFileButtons, RoundTripKeepsEveryTextAsTyped) {
  pages_.SetStudyName("Studie \xE4");  // a cp1252 byte
  pages_.SetArmCount("2");
  pages_.SetSampleSize("10");
  pages_.SetPerCentreLists(true);
  pages_.SetCentreCount("2");
  pages_.SelectBlockSizeMode(BlockSizeMode::Variable);
  pages_.SetMinBlockSize("2");
  pages_.SetMaxBlockSize("6");
  pages_.SetSeed("-17 ");
  pages_.MovePage(Page::Arms);
  pages_.TypeArmField(kArmRatioColumn, "abc");
  pages_.TypeArmField(kArmDescriptionColumn, "Verum");
  const std::string path = PathOf("rund.zfd");
  ASSERT_TRUE(pages_.SaveDesign(path));

  RecordingMessageSink other_sink;
  DesignPages other(texts_, other_sink, generator_, clock_, files_);
  EXPECT_EQ(other.OpenDesign(path), Outcome::Loaded);

  const StudyDesign& loaded = other.Design();
  EXPECT_EQ(loaded.study_name, "Studie \xE4");
  EXPECT_EQ(loaded.arm_count, "2");
  EXPECT_EQ(loaded.sample_size, "10");
  EXPECT_TRUE(loaded.per_centre_lists);
  EXPECT_EQ(loaded.centre_count, "2");
  EXPECT_EQ(loaded.block_mode, BlockSizeMode::Variable);
  EXPECT_EQ(loaded.min_block_size, "2");
  EXPECT_EQ(loaded.max_block_size, "6");
  EXPECT_EQ(loaded.seed, "-17");  // blanks at a value's ends do not survive INI text
  EXPECT_EQ(loaded.arms.RowCount(), 3);
  EXPECT_EQ(loaded.arms.Cell(kArmRatioColumn, 1), "abc");
  EXPECT_EQ(loaded.arms.Cell(kArmDescriptionColumn, 1), "Verum");
  EXPECT_EQ(loaded.centres.Cell(kCentreLabelColumn, 2), "Zentrum 2");
  // The pages follow the loaded state; no check ran and no checked number changed.
  EXPECT_TRUE(other.State().centre_tab_visible);
  EXPECT_TRUE(other.State().centre_count_enabled);
  EXPECT_FALSE(other.State().fixed_block_size_enabled);
  EXPECT_TRUE(other.State().min_block_size_enabled);
  EXPECT_EQ(other.Design().checked.arm_count, 0);
  EXPECT_EQ(other.Design().checked.sample_size, 0);
  EXPECT_EQ(other_sink.Events(), (std::vector<Event>{PageEvent(Page::Design)}));
}

TEST_F(DesignFileButtons, LoadedCentreLabelsStayAndArmLabelsAreRegenerated) {
  const std::string path = WriteFile("labels.zfd",
                                     "[Design]\nArme=4\nFallzahl=120\nMulticenter=1\nZentren=2\n"
                                     "[Arme]\nAnzahl=2\nBez1=Eigener Arm\nRatio1=3\nBez2=X\n"
                                     "[Zentren]\nAnzahl=2\nBez1=Eigenes Zentrum\nID1=A7\n"
                                     "[Bloecke]\nFix=1\n");
  pages_.MovePage(Page::Blocks);
  sink_.Clear();

  EXPECT_EQ(pages_.OpenDesign(path), Outcome::Loaded);
  ExpectClosingSteps();
  EXPECT_EQ(pages_.Design().arms.RowCount(), 3);
  EXPECT_EQ(pages_.Design().arm_count, "4");

  pages_.SetSeed("1");
  pages_.MovePage(Page::Arms);
  const TextGrid& arms = pages_.Design().arms;
  ASSERT_EQ(arms.RowCount(), 5);
  EXPECT_EQ(arms.Cell(kArmLabelColumn, 1), "Arm 1");
  EXPECT_EQ(arms.Cell(kArmLabelColumn, 2), "Arm 2");
  EXPECT_EQ(arms.Cell(kArmRatioColumn, 1), "3");
  EXPECT_EQ(arms.Cell(kArmRatioColumn, 3), "1");
  EXPECT_EQ(arms.Cell(kArmRatioColumn, 4), "1");
  const TextGrid& centres = pages_.Design().centres;
  EXPECT_EQ(centres.Cell(kCentreLabelColumn, 1), "Eigenes Zentrum");
  EXPECT_EQ(centres.Cell(kCentreNumberColumn, 1), "A7");
  EXPECT_EQ(centres.Cell(kCentreLabelColumn, 2), "Zentrum 2");
  EXPECT_EQ(centres.Cell(kCentreNumberColumn, 2), "2");
}

TEST_F(DesignFileButtons, FileWithoutBlockSectionLoadsInVariableMode) {
  const std::string path = WriteFile("ohne.zfd", "[Design]\nName=Ohne Bloecke\n");
  EXPECT_EQ(pages_.OpenDesign(path), Outcome::Loaded);
  EXPECT_EQ(pages_.Design().block_mode, BlockSizeMode::Variable);
  EXPECT_EQ(pages_.Design().fixed_block_size, "12");
  EXPECT_FALSE(pages_.State().fixed_block_size_enabled);
  EXPECT_TRUE(pages_.State().min_block_size_enabled);
  EXPECT_TRUE(pages_.State().max_block_size_enabled);
}

TEST_F(DesignFileButtons, MissingFileKeepsTheDesignAndNamesTheFile) {
  pages_.SetStudyName("vorher");
  pages_.SetSeed("5");
  CheckDesignPage();
  ASSERT_TRUE(pages_.ClickArmRow(3));
  sink_.Clear();

  const std::string missing = PathOf("gibt-es-nicht.zfd");
  EXPECT_EQ(pages_.OpenDesign(missing), Outcome::MissingFile);

  ASSERT_FALSE(sink_.Events().empty());
  EXPECT_EQ(sink_.Events()[0], Plain("Die Datei " + missing +
                                     " gibt es nicht. Das Studiendesign bleibt, wie es ist."));
  const StudyDesign& design = pages_.Design();
  EXPECT_EQ(design.study_name, "vorher");
  EXPECT_EQ(design.seed, "5");
  EXPECT_EQ(design.arms.RowCount(), 4);
  EXPECT_EQ(design.block_mode, BlockSizeMode::Fixed);
  EXPECT_TRUE(pages_.State().arm_rows.HeadingFixed());
  EXPECT_EQ(pages_.State().arm_rows.Row(), 3);
  ExpectClosingSteps();
}

// Texts longer than a design file gives back are saved whole, and a notice names them.
TEST_F(DesignFileButtons, SavingTextsTooLongForTheFileNamesTheirFields) {
  CheckDesignPage();
  const std::string name(2048, 'n');
  pages_.SetStudyName(name);
  ASSERT_TRUE(pages_.ClickArmRow(2));
  pages_.TypeArmField(kArmDescriptionColumn, std::string(5000, 'd'));
  const std::string path = PathOf("lang.zfd");
  ASSERT_TRUE(pages_.SaveDesign(path));
  EXPECT_EQ(Events(),
            (std::vector<Event>{
                {Kind::Notice, Cp1252Literal("Das Studiendesign ist gespeichert. Beim Öffnen gibt "
                                             "eine Designdatei aber von jedem Text nur die ersten "
                                             "2047 Zeichen zurück, und diese Texte sind länger: "
                                             "Bezeichnung der Studie; Arm 2, Beschreibung")}}));
  // The file holds them whole; opening it gives back what the notice said.
  EXPECT_NE(ReadFileBytes(path).bytes.find(name), std::string::npos);
  EXPECT_EQ(pages_.OpenDesign(path), Outcome::Loaded);
  EXPECT_EQ(pages_.Design().study_name, name.substr(0, 2047));

  // More than three: the first three and the count; none at all: no notice.
  pages_.SetStudyName(name);
  for (std::int32_t row = 1; row <= 3; ++row) {
    ASSERT_TRUE(pages_.ClickArmRow(row));
    pages_.TypeArmField(kArmRatioColumn, std::string(2048, '1'));
  }
  sink_.Clear();
  ASSERT_TRUE(pages_.SaveDesign(path));
  ASSERT_EQ(sink_.Texts().size(), 1u);
  EXPECT_TRUE(
      sink_.Texts()[0].ends_with(": Bezeichnung der Studie; Arm 1, Ratio; Arm 2, Ratio; \x85 (4)"))
      << sink_.Texts()[0];
  pages_.SetStudyName("kurz");
  for (std::int32_t row = 1; row <= 3; ++row) {
    ASSERT_TRUE(pages_.ClickArmRow(row));
    pages_.TypeArmField(kArmRatioColumn, "1");
  }
  sink_.Clear();
  ASSERT_TRUE(pages_.SaveDesign(path));
  EXPECT_TRUE(Events().empty());
}

TEST_F(DesignFileOutcomes, RefusedFileLeavesThePagesUnchanged) {
  pages_.SetStudyName("bleibt");
  CheckDesignPage();
  fake_files_.FailLoad("gross.zfd", {DesignLoadStatus::Refused, "zu gross"});

  EXPECT_EQ(pages_.OpenDesign("gross.zfd"), Outcome::Refused);

  EXPECT_EQ(Events(), (std::vector<Event>{Plain("zu gross"), PageEvent(Page::Design)}));
  EXPECT_EQ(pages_.State().focus, Control::SampleSizeField);
  EXPECT_EQ(pages_.Design().study_name, "bleibt");
  EXPECT_EQ(pages_.Design().arms.RowCount(), 4);
  EXPECT_TRUE(pages_.State().fixed_block_size_enabled);
}

TEST_F(DesignFileOutcomes, UnreadableFileShowsErrorFileOpen) {
  pages_.SetStudyName("bleibt");
  fake_files_.FailLoad("ordner.zfd", {DesignLoadStatus::Unreadable, "Is a directory"});

  EXPECT_EQ(pages_.OpenDesign("ordner.zfd"), Outcome::Unreadable);

  EXPECT_EQ(Events(), (std::vector<Event>{Plain(Msg(Message::MessageErrorFileOpen) + " ordner.zfd"),
                                          PageEvent(Page::Design)}));
  EXPECT_EQ(pages_.Design().study_name, "bleibt");
}

TEST_F(DesignFileOutcomes, FailedSaveLeavesThePagesAndASavedDesignLoadsBack) {
  fake_files_.MakeUnwritable("x.zfd");
  EXPECT_THROW(pages_.SaveDesign("x.zfd"), std::runtime_error);
  EXPECT_TRUE(Events().empty());
  EXPECT_EQ(pages_.Design().seed, "");  // no check ran either
  EXPECT_FALSE(pages_.SaveDesign(std::nullopt));
  EXPECT_TRUE(fake_files_.Saved().empty());

  pages_.SetPerCentreLists(true);
  pages_.SelectBlockSizeMode(BlockSizeMode::Variable);
  ASSERT_TRUE(pages_.SaveDesign("y.zfd"));
  DesignPages other(texts_, sink_, generator_, clock_, fake_files_);
  EXPECT_EQ(other.OpenDesign("y.zfd"), Outcome::Loaded);
  EXPECT_TRUE(other.State().centre_tab_visible);
  EXPECT_TRUE(other.State().min_block_size_enabled);
  EXPECT_EQ(other.OpenDesign("none.zfd"), Outcome::MissingFile);
}

TEST_F(DesignFileButtons, SaveIntoReadOnlyFolderKeepsTheOldFile) {
  const std::string old_text = "[Design]\r\nName=alt\r\n";
  const std::string path = WriteFile("alt.zfd", old_text);
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  {
    std::ofstream probe(folder_ / "probe");
    if (probe) {
      GTEST_SKIP() << "this user writes into read-only folders";
    }
  }
  pages_.SetStudyName("neu");
  EXPECT_THROW(pages_.SaveDesign(path), FileWriteError);
  EXPECT_EQ(ReadFileBytes(path).bytes, old_text);
}

TEST_F(DesignFileButtons, SaveKeepsKeysTheDesignDoesNotWrite) {
  const std::string path = WriteFile("alt.zfd",
                                     "[Design]\nName=alt\n[Arme]\nAnzahl=5\nBez4=Vier\nRatio5=9\n"
                                     "[Eigenes]\nNotiz=bleibt\n");
  CheckDesignPage();
  ASSERT_TRUE(pages_.SaveDesign(path));
  const IniDocument ini = ReadIni(path);
  EXPECT_EQ(Key(ini, "Arme", "Anzahl"), "3");
  EXPECT_EQ(Key(ini, "Arme", "Bez4"), "Vier");
  EXPECT_EQ(Key(ini, "Arme", "Ratio5"), "9");
  EXPECT_EQ(Key(ini, "Eigenes", "Notiz"), "bleibt");
  EXPECT_EQ(Key(ini, "Design", "Name"), "");

  EXPECT_EQ(pages_.OpenDesign(path), Outcome::Loaded);
  EXPECT_EQ(pages_.Design().arms.RowCount(), 4);
}

// What the command line does: open a design, set the seed, go to the list page and
// generate. Two centres of 4 and 6 patients, 2 arms 1:1, fixed blocks of 2, seed 4711
// give the centre seeds 773724032 and 1659940736 and the lists 2, 1 | 2, 1 and
// 2, 1 | 1, 2 | 2, 1.
TEST_F(DesignFileButtons, LoadSeedAndGenerateCentreLists) {
  const std::string path =
      WriteFile("zentren.zfd",
                "[Design]\nName=Multi\nArme=2\nFallzahl=10\nMulticenter=1\nZentren=2\n"
                "[Arme]\nAnzahl=2\nBeschr1=Verum\nRatio1=1\nBeschr2=Placebo\nRatio2=1\n"
                "[Zentren]\nAnzahl=2\nID1=1\nBeschr1=Nord\nFallzahl1=4\nID2=2\nBeschr2=S\xFC"
                "d\nFallzahl2=6\n"
                "[Bloecke]\nFix=1\nGroesse=2\n[Zufall]\nSeed=99\n");
  ASSERT_EQ(pages_.OpenDesign(path), Outcome::Loaded);
  pages_.SetSeed("4711");
  pages_.MovePage(Page::List);
  EXPECT_EQ(pages_.State().active_page, Page::List);

  EXPECT_TRUE(pages_.Generate());

  const std::string separator = "------- Block ------\n";
  EXPECT_EQ(pages_.ListText(),
            "Multi\n"
            "Zentrum 1\tNord - Seed: (773724032)\n"
            "1\t2\tPlacebo\n2\t1\tVerum\n" +
                separator + "3\t2\tPlacebo\n4\t1\tVerum\n" + separator +
                "Zentrum 2\tS\xFC"
                "d - Seed: (1659940736)\n" +
                "1\t2\tPlacebo\n2\t1\tVerum\n" + separator + "3\t1\tVerum\n4\t2\tPlacebo\n" +
                separator + "5\t2\tPlacebo\n6\t1\tVerum\n" + separator);
  EXPECT_EQ(Events(), (std::vector<Event>{PageEvent(Page::Design)}));
}

}  // namespace
}  // namespace zufora::testing
