#include "files/DesignFileStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>

#include "files/DiskDesignFiles.h"
#include "files/FileAccess.h"
#include "files/FileWriteError.h"
#include "files/IniDocument.h"
#include "lang/Language.h"
#include "text/Cp1252.h"

namespace zufora {
namespace {

namespace fs = std::filesystem;

const CentreHeadings kHeadings = {"Zentrum", "Nummer", "Beschreibung", "Geplante Fallzahl"};

class DesignFileStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    folder_ = fs::temp_directory_path() /
              ("zufora_files_" + std::to_string(random()) + "_" + std::to_string(random()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(folder_, ignored);
  }

  static void WriteBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  static std::string ReadBytes(const fs::path& file) {
    const FileBytes read = ReadFileBytes(file);
    EXPECT_EQ(read.status, FileReadStatus::Read) << file;
    return read.bytes;
  }
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }
  // Whether this process can create files in a folder whatever its permission bits say
  // (so as the system's administrator).
  static bool CanCreateIn(const fs::path& folder) {
    const fs::path probe = folder / "probe";
    { std::ofstream out(probe); }
    const bool created = fs::exists(probe);
    std::error_code ignored;
    fs::remove(probe, ignored);
    return created;
  }

  static StudyDesign SmallDesign() {
    StudyDesign design;
    design.study_name = "Studie";
    design.arms.SetRowCount(3);
    design.arms.SetCell(0, 1, "Arm 1");
    design.arms.SetCell(2, 1, "1");
    design.arms.SetCell(0, 2, "Arm 2");
    design.arms.SetCell(2, 2, "2");
    design.seed = "4711";
    return design;
  }

  fs::path folder_;
};

TEST_F(DesignFileStoreTest, ReadingTellsMissingFromUnreadable) {
  const FileBytes missing = ReadFileBytes(folder_ / "nicht da.zfd");
  EXPECT_EQ(missing.status, FileReadStatus::Missing);
  EXPECT_EQ(missing.bytes, "");
  EXPECT_EQ(ReadFileBytes(folder_ / "no folder" / "x.zfd").status, FileReadStatus::Missing);

  const FileBytes folder = ReadFileBytes(folder_);
  EXPECT_EQ(folder.status, FileReadStatus::Unreadable);
  EXPECT_FALSE(folder.reason.empty());

  const std::string bytes("a\0b\r\n\xFF", 6);
  WriteBytes(folder_ / "bin", bytes);
  EXPECT_EQ(ReadBytes(folder_ / "bin"), bytes);
  WriteBytes(folder_ / "empty", "");
  EXPECT_EQ(ReadFileBytes(folder_ / "empty").status, FileReadStatus::Read);
}

TEST_F(DesignFileStoreTest, ReplacingWritesTheBytesAndLeavesNothingBeside) {
  const fs::path file = folder_ / "a.zfd";
  ReplaceFileContents(file, "first\r\n");
  EXPECT_EQ(ReadBytes(file), "first\r\n");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ReplaceFileContents(file, "second");
  EXPECT_EQ(ReadBytes(file), "second");
  EXPECT_EQ(fs::status(file).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(Names(), std::set<std::string>{"a.zfd"});
}

TEST_F(DesignFileStoreTest, ANewFileBesideIsNeverReused) {
  const fs::path file = folder_ / "a.zfd";
  WriteBytes(folder_ / ".a.zfd.0.tmp", "someone else's");
  ReplaceFileContents(file, "mine");
  EXPECT_EQ(ReadBytes(file), "mine");
  EXPECT_EQ(ReadBytes(folder_ / ".a.zfd.0.tmp"), "someone else's");
  EXPECT_EQ(Names(), (std::set<std::string>{"a.zfd", ".a.zfd.0.tmp"}));
}

TEST_F(DesignFileStoreTest, DesignFilesAreCappedOnLoadingAndSaving) {
  const fs::path file = folder_ / "big.zfd";
  WriteBytes(file, "[Design]\r\nName=Gross\r\n");
  fs::resize_file(file, kMaxDesignFileSize);  // NUL bytes after the name: still read
  StudyDesign design;
  EXPECT_FALSE(LoadDesignFile(file, kHeadings, design).refusal);
  EXPECT_EQ(design.study_name, "Gross");

  fs::resize_file(file, kMaxDesignFileSize + 1);
  StudyDesign untouched = SmallDesign();
  const DesignFileLoad load = LoadDesignFile(file, kHeadings, untouched);
  ASSERT_TRUE(load.refusal);
  EXPECT_EQ(load.refusal->Text(MessageCatalogue()),
            "Die Designdatei " + file.string() +
                " kann nicht geladen werden: Sie ist gr\xF6\xDF"
                "er als 32 MB, das Programm liest h\xF6"
                "chstens 32 MB.");
  EXPECT_EQ(untouched.study_name, "Studie");

  // A design that would not load again is not saved; the old file stays.
  const fs::path saved = folder_ / "saved.zfd";
  SaveDesignFile(saved, SmallDesign());
  const std::string old_bytes = ReadBytes(saved);
  StudyDesign huge = SmallDesign();
  huge.study_name.assign(kMaxDesignFileSize, 'x');
  EXPECT_THROW(SaveDesignFile(saved, huge), FileWriteError);
  EXPECT_EQ(ReadBytes(saved), old_bytes);
}

TEST_F(DesignFileStoreTest, AUtf8ByteOrderMarkIsReadAsUtf8) {
  // Without the mark the first section line would not be recognised and the study's
  // name, counts and switch would silently take their defaults.
  const fs::path file = folder_ / "utf8.zfd";
  WriteBytes(file, "\xEF\xBB\xBF[Design]\r\nName=Größe\r\nArme=4\r\nX=1\r\n");
  StudyDesign design;
  EXPECT_FALSE(LoadDesignFile(file, kHeadings, design).refusal);
  EXPECT_EQ(design.study_name, Cp1252Literal("Größe"));
  EXPECT_EQ(design.arm_count, "4");
  // Saved back as cp1252 without the mark, the key this save does not write kept.
  SaveDesignFile(file, design);
  const std::string saved = ReadBytes(file);
  EXPECT_EQ(saved.rfind("[Design]\r\nName=" + Cp1252Literal("Größe") + "\r\nArme=4\r\nX=1\r\n", 0),
            0U);

  // A character that cp1252 lacks refuses the file, naming it; nothing is read.
  WriteBytes(file, "\xEF\xBB\xBF[Design]\r\nName=\xCE\xA9\r\n");
  StudyDesign untouched = SmallDesign();
  const DesignFileLoad load = LoadDesignFile(file, kHeadings, untouched);
  ASSERT_TRUE(load.refusal);
  EXPECT_EQ(load.refusal->Text(MessageCatalogue()),
            "Die Designdatei " + file.string() +
                " kann nicht geladen werden: Sie ist als UTF-8 gespeichert und enth\xE4"
                "lt Zeichen, die das Programm nicht darstellen kann.");
  EXPECT_EQ(untouched.study_name, "Studie");
  EXPECT_THROW(SaveDesignFile(file, SmallDesign()), FileWriteError);
}

// The design files of the window and the command line compose a refusal from their
// catalogue as it reads when the file is refused: after the language file, if any.
TEST_F(DesignFileStoreTest, DiskDesignFilesComposeTheRefusalFromTheirCatalogue) {
  const fs::path file = folder_ / "utf8.zfd";
  WriteBytes(file, "\xEF\xBB\xBF[Design]\r\nName=\xCE\xA9\r\n");
  MessageCatalogue messages;
  DiskDesignFiles files(messages);
  TranslateWindow(messages.Window(),
                  LanguageFile::Parse("[FormLang]\nFormLang.MessageDesignFileNotCp1252.Caption="
                                      "%1: not Windows-1252\n"));
  StudyDesign design;
  const DesignLoad load = files.Load(file.string(), kHeadings, design);
  EXPECT_EQ(load.status, DesignLoadStatus::Refused);
  EXPECT_EQ(load.text, file.string() + ": not Windows-1252");
}

TEST_F(DesignFileStoreTest, TheLongestNamesCanBeSaved) {
  for (const std::size_t length : {std::size_t{200}, std::size_t{249}, std::size_t{255}}) {
    const fs::path file = folder_ / std::string(length, 'd');
    SaveDesignFile(file, SmallDesign());
    SaveDesignFile(file, SmallDesign());  // over an existing file too
    EXPECT_NE(ReadBytes(file).find("Seed=4711"), std::string::npos) << length;
    EXPECT_EQ(Names(), std::set<std::string>{file.filename().string()});
    fs::remove(file);
  }
}

TEST_F(DesignFileStoreTest, SavingThroughALinkReplacesTheFileItNames) {
  const fs::path real = folder_ / "real.zfd";
  const fs::path link = folder_ / "link.zfd";
  WriteBytes(real, "old");
  std::error_code error;
  fs::create_symlink(real, link, error);
  if (error) {
    GTEST_SKIP() << "no symbolic links here";
  }
  ReplaceFileContents(link, "new");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(real), "new");
}

TEST_F(DesignFileStoreTest, AFolderThatDoesNotExistFails) {
  const fs::path file = folder_ / "fehlt" / "a.zfd";
  try {
    SaveDesignFile(file, SmallDesign());
    FAIL() << "saved into a folder that does not exist";
  } catch (const FileWriteError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + file.string() + ".");
    EXPECT_EQ(error.File(), file);
  }
  EXPECT_TRUE(Names().empty());
}

TEST_F(DesignFileStoreTest, ATargetThatIsAFolderFailsAndStaysAsItWas) {
  const fs::path target = folder_ / "ordner.zfd";
  fs::create_directory(target);
  WriteBytes(target / "inside", "x");
  EXPECT_THROW(SaveDesignFile(target, SmallDesign()), FileWriteError);
  EXPECT_THROW(ReplaceFileContents(target, "y"), FileWriteError);
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(ReadBytes(target / "inside"), "x");
  EXPECT_EQ(Names(), std::set<std::string>{"ordner.zfd"});
}

TEST_F(DesignFileStoreTest, AReadOnlyFolderFailsAndLeavesTheOldFile) {
  const fs::path file = folder_ / "a.zfd";
  WriteBytes(file, "[Design]\r\nName=alt\r\n");
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  if (CanCreateIn(folder_)) {
    GTEST_SKIP() << "permission bits do not stop this process from writing";
  }
  EXPECT_THROW(SaveDesignFile(file, SmallDesign()), FileWriteError);
  fs::permissions(folder_, fs::perms::owner_all);
  EXPECT_EQ(ReadBytes(file), "[Design]\r\nName=alt\r\n");
  EXPECT_EQ(Names(), std::set<std::string>{"a.zfd"});
}

TEST_F(DesignFileStoreTest, AReadOnlyFileFailsAndStaysAsItWas) {
  const fs::path file = folder_ / "a.zfd";
  WriteBytes(file, "[Design]\r\nName=alt\r\n");
  fs::permissions(file, fs::perms::owner_read);
  {
    std::ofstream probe(file, std::ios::app);
    if (probe) {
      GTEST_SKIP() << "permission bits do not stop this process from writing";
    }
  }
  EXPECT_THROW(SaveDesignFile(file, SmallDesign()), FileWriteError);
  EXPECT_EQ(ReadBytes(file), "[Design]\r\nName=alt\r\n");
  EXPECT_EQ(Names(), std::set<std::string>{"a.zfd"});
}

TEST_F(DesignFileStoreTest, SavingOverAFileKeepsWhatThisSaveDoesNotWrite) {
  const fs::path file = folder_ / "a.zfd";
  WriteBytes(file,
             "[Design]\nName=alt\nKommentar=bleibt\n[Arme]\nAnzahl=5\nBez4=Arm 4\nRatio5=5\n"
             "[Eigenes]\nx=1\n");
  SaveDesignFile(file, SmallDesign());
  const IniDocument saved = IniDocument::Parse(ReadBytes(file));
  EXPECT_EQ(saved.Get("Design", "Name"), "Studie");
  EXPECT_EQ(saved.Get("Design", "Kommentar"), "bleibt");
  EXPECT_EQ(saved.Get("Arme", "Anzahl"), "2");
  EXPECT_EQ(saved.Get("Arme", "Ratio2"), "2");
  EXPECT_EQ(saved.Get("Arme", "Bez4"), "Arm 4");
  EXPECT_EQ(saved.Get("Arme", "Ratio5"), "5");
  EXPECT_EQ(saved.Get("Eigenes", "x"), "1");
  EXPECT_EQ(saved.Get("Zufall", "Seed"), "4711");
  EXPECT_EQ(Names(), std::set<std::string>{"a.zfd"});
}

TEST_F(DesignFileStoreTest, LoadingASavedFileGivesTheDesignBack) {
  const fs::path file = folder_ / "a.zfd";
  const StudyDesign saved = SmallDesign();
  SaveDesignFile(file, saved);
  StudyDesign loaded;
  const DesignFileLoad result = LoadDesignFile(file, kHeadings, loaded);
  EXPECT_EQ(result.status, FileReadStatus::Read);
  EXPECT_FALSE(result.refusal.has_value());
  EXPECT_EQ(loaded.study_name, "Studie");
  EXPECT_EQ(loaded.arms.RowCount(), 3);
  EXPECT_EQ(loaded.arms.Cell(2, 2), "2");
  EXPECT_EQ(loaded.centres.RowCount(), 3);
  EXPECT_EQ(loaded.seed, "4711");
}

TEST_F(DesignFileStoreTest, LoadingAMissingFileChangesNothing) {
  StudyDesign design = SmallDesign();
  design.block_mode = BlockSizeMode::Fixed;
  const StudyDesign before = design;
  const DesignFileLoad result = LoadDesignFile(folder_ / "fehlt.zfd", kHeadings, design);
  EXPECT_EQ(result.status, FileReadStatus::Missing);
  EXPECT_FALSE(result.refusal);
  EXPECT_EQ(design.study_name, before.study_name);
  EXPECT_EQ(design.arm_count, before.arm_count);
  EXPECT_EQ(design.arms.RowCount(), before.arms.RowCount());
  EXPECT_EQ(design.block_mode, BlockSizeMode::Fixed);
  EXPECT_EQ(design.seed, before.seed);
}

TEST_F(DesignFileStoreTest, LoadingWhatCannotBeReadOrIsRefusedChangesNothing) {
  StudyDesign design = SmallDesign();
  const DesignFileLoad folder = LoadDesignFile(folder_, kHeadings, design);
  EXPECT_EQ(folder.status, FileReadStatus::Unreadable);
  EXPECT_FALSE(folder.reason.empty());
  EXPECT_EQ(design.study_name, "Studie");

  const fs::path file = folder_ / "gross.zfd";
  WriteBytes(file, "[Design]\nName=neu\n[Arme]\nAnzahl=2000000000\n");
  const DesignFileLoad refused = LoadDesignFile(file, kHeadings, design);
  EXPECT_EQ(refused.status, FileReadStatus::Read);
  ASSERT_TRUE(refused.refusal.has_value());
  EXPECT_EQ(design.study_name, "Studie");
  EXPECT_EQ(design.arms.RowCount(), 3);
}

}  // namespace
}  // namespace zufora
