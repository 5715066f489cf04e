#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "files/FirstShow.h"
#include "lang/Language.h"
#include "lang/ProgramTexts.h"
#include "text/Cp1252.h"

namespace zufora {
namespace {

const std::filesystem::path kDataDir = std::filesystem::path(ZUFORA_TEST_DATA_DIR) / "lang";

constexpr char kMissingMessage[] = "Missing language file. Please reinstall the software.";

TEST(FirstShow, WithoutALanguageFileOneMessageAndTheBuiltInTexts) {
  ProgramTexts texts;
  const FirstShowResult result =
      RunFirstShow(texts, kDataDir / "no such folder" / std::string(kLanguageFileName));
  EXPECT_EQ(result.language_file, FileReadStatus::Missing);
  EXPECT_EQ(result.message, kMissingMessage);
  EXPECT_EQ(result.error, std::nullopt);

  EXPECT_EQ(texts.derived.block_separator, "------- Block ------");
  EXPECT_EQ(texts.derived.center_caption, "Zentrum");
  EXPECT_EQ(texts.main_window.CaptionOf("LabelMinMaxSeed"), "1 ... 2147483647");
  EXPECT_EQ(texts.derived.save_dialog_design.title, "Studiendesign speichern");
  EXPECT_EQ(texts.derived.open_dialog_design.title, Cp1252Literal("Studiendesign öffnen"));
  EXPECT_EQ(texts.derived.save_dialog_export.title, "Liste exportieren");
  EXPECT_EQ(texts.catalogue.Text(Message::MessageArmCount),
            Cp1252Literal("Gültige Anzahl für Studienarme eingeben!"));
  EXPECT_EQ(texts.main_window.CaptionOf("BitBtnNext"), "&weiter");
}

TEST(FirstShow, NoPathCountsAsMissing) {
  ProgramTexts texts;
  const FirstShowResult result = RunFirstShow(texts, std::nullopt);
  EXPECT_EQ(result.language_file, FileReadStatus::Missing);
  EXPECT_EQ(result.message, kMissingMessage);
  EXPECT_EQ(texts.derived.block_separator, "------- Block ------");
}

TEST(FirstShow, BeforeTheFirstShowDerivedTextsAreUnset) {
  const ProgramTexts texts;
  EXPECT_EQ(texts.derived.block_separator, "");
  EXPECT_EQ(texts.derived.center_caption, "");
  EXPECT_EQ(texts.derived.save_dialog_design.title, "Design speichern");
  EXPECT_EQ(texts.derived.open_dialog_design.title, "Design laden");
}

TEST(FirstShow, DerivedTextsFollowTheLanguageFile) {
  ProgramTexts texts;
  const FirstShowResult result =
      RunFirstShow(texts, kDataDir / "translated" / std::string(kLanguageFileName));
  EXPECT_EQ(result.language_file, FileReadStatus::Read);
  EXPECT_EQ(result.message, std::nullopt);

  EXPECT_EQ(texts.main_window.Caption(), "Zufora (Test)");
  EXPECT_EQ(texts.derived.block_separator, "------- Abschnitt ------");
  EXPECT_EQ(texts.derived.center_caption, "Klinik");
  EXPECT_EQ(texts.derived.save_dialog_design.title, "Design sichern");
  EXPECT_EQ(texts.derived.open_dialog_design.title, "Design holen");
  // The file's own caption for the seed range is overridden.
  EXPECT_EQ(texts.main_window.CaptionOf("LabelMinMaxSeed"), "1 ... 2147483647");
  EXPECT_EQ(texts.catalogue.Text(Message::MessageArmCount),
            "Anzahl der Arme pr\xFC"
            "fen!");
  // An empty value keeps the German text.
  EXPECT_EQ(texts.catalogue.Text(Message::MessagePatientCount),
            Cp1252Literal("Gültige Patientenzahl eingeben!"));
  EXPECT_EQ(texts.catalogue.ValidNumberMessage(),
            Cp1252Literal("Eingabewert: gültige Zahl im Bereich von 1 bis 2147483647"));
}

TEST(FirstShow, ByteOrderMarkHidesTheMainWindowSectionOnly) {
  ProgramTexts texts;
  const FirstShowResult result =
      RunFirstShow(texts, kDataDir / "bom" / std::string(kLanguageFileName));
  EXPECT_EQ(result.language_file, FileReadStatus::Read);
  EXPECT_EQ(result.message, std::nullopt);
  EXPECT_EQ(texts.derived.save_dialog_design.title, "Studiendesign speichern");
  EXPECT_EQ(texts.derived.block_separator, "------- Teil ------");
}

TEST(FirstShow, AnEmptyFileIsAFileAndChangesNothing) {
  ProgramTexts texts;
  const FirstShowResult result =
      RunFirstShow(texts, kDataDir / "empty" / std::string(kLanguageFileName));
  EXPECT_EQ(result.language_file, FileReadStatus::Read);
  EXPECT_EQ(result.message, std::nullopt);
  EXPECT_EQ(texts.derived.block_separator, "------- Block ------");
  EXPECT_EQ(texts.derived.center_caption, "Zentrum");
}

TEST(FirstShow, TheSeedRangeAndDialogTitlesAreSetWhateverTheFileSays) {
  ProgramTexts texts;
  const LanguageFile file = LanguageFile::Parse(
      "[FormZufora]\nFormZufora.LabelMinMaxSeed.Caption=anything\n"
      "FormZufora.SaveDialogDesign.Caption=x\nFormZufora.BitBtnLoad.Caption=Laden\n"
      "[FormLang]\nFormLang.LabelBlock.Caption=  B l o c k  \n");
  EXPECT_EQ(ApplyFirstShowTexts(texts, &file), std::nullopt);
  EXPECT_EQ(texts.main_window.CaptionOf("LabelMinMaxSeed"), "1 ... 2147483647");
  EXPECT_EQ(texts.derived.open_dialog_design.title, "Laden");
  EXPECT_EQ(texts.derived.save_dialog_design.title, "Studiendesign speichern");
  EXPECT_EQ(texts.derived.block_separator, "------- B l o c k ------");
}

TEST(FirstShow, TheCentreWordComesFromTheMainWindowNotTheCatalogue) {
  ProgramTexts texts;
  const LanguageFile file =
      LanguageFile::Parse("[FormLang]\nFormLang.LabelCenter.Caption=wrong window\n");
  ApplyFirstShowTexts(texts, &file);
  EXPECT_EQ(texts.derived.center_caption, "Zentrum");
}

// Reading the file itself

// A language file that is there but cannot be read is no missing file: its failure is
// the platform's, named with the file and the reason, and the built-in texts stay.
TEST(LanguageFileReading, AFileThatCannotBeReadIsAnErrorNotAMissingFile) {
  ProgramTexts texts;
  const std::filesystem::path folder = kDataDir / "translated";
  const FirstShowResult result = RunFirstShow(texts, folder);
  EXPECT_EQ(result.language_file, FileReadStatus::Unreadable);
  EXPECT_EQ(result.message, std::nullopt);
  ASSERT_TRUE(result.error.has_value());
  EXPECT_EQ(result.error->rfind("Unable to read " + folder.string() + ": ", 0), 0u)
      << *result.error;
  EXPECT_GT(result.error->size(), ("Unable to read " + folder.string() + ": ").size());
  EXPECT_EQ(texts.derived.block_separator, "------- Block ------");
}

TEST(LanguageFileReading, AFileBeyondTheCapIsRefusedWithItsName) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("zufora_lang_cap_" + std::to_string(std::random_device{}()) + ".ini");
  { std::ofstream(path, std::ios::binary) << "[FormLang]\r\nFormLang.LabelBlock.Caption=X\r\n"; }
  std::filesystem::resize_file(path, kMaxLanguageFileSize);
  EXPECT_EQ(ReadLanguageFile(path).status, FileReadStatus::Read);
  std::filesystem::resize_file(path, kMaxLanguageFileSize + 1);
  ProgramTexts texts;
  const FirstShowResult result = RunFirstShow(texts, path);
  std::filesystem::remove(path);
  EXPECT_EQ(result.language_file, FileReadStatus::Unreadable);
  ASSERT_TRUE(result.error);
  EXPECT_NE(result.error->find(path.string()), std::string::npos);
  EXPECT_NE(result.error->find("larger than 4 MB"), std::string::npos);
  EXPECT_EQ(texts.derived.block_separator, "------- Block ------");
}

TEST(LanguageFileReading, ReadsEveryByteOfALargeFile) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("zufora_lang_test_" + std::to_string(std::random_device{}()) + ".ini");
  std::string bytes = "[FormLang]\r\nFormLang.LabelBlock.Caption=";
  bytes.append(300000, 'b');
  bytes += "\r\n";
  {
    std::FILE* out = std::fopen(path.string().c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
  }
  ProgramTexts texts;
  const FirstShowResult result = RunFirstShow(texts, path);
  std::filesystem::remove(path);
  EXPECT_EQ(result.language_file, FileReadStatus::Read);
  EXPECT_EQ(texts.derived.block_separator, "------- " + std::string(300000, 'b') + " ------");
}

}  // namespace
}  // namespace zufora
