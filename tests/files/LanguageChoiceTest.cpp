#include "files/LanguageChoice.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

#include "files/FileAccess.h"
#include "files/FileWriteError.h"

namespace zufora {
namespace {

namespace fs = std::filesystem;

class LanguageChoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("zufora-choice-" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "bin");
    fs::create_directories(root_ / "share" / "zufora");
  }
  void TearDown() override { fs::remove_all(root_); }

  static void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
  }

  UserEnvironment Home() const {
    return {.home = (root_ / "home").string(), .xdg_config_home = ""};
  }
  fs::path Settings() const { return root_ / "home" / ".config" / "zufora" / "settings.ini"; }

  fs::path root_;
};

TEST_F(LanguageChoiceTest, AChoiceIsRememberedInTheUsersSettingsBesideTheirOtherKeys) {
  EXPECT_EQ(ReadLanguageChoice(Home()), std::nullopt);
  SaveLanguageChoice(Home(), "ZuforaLang.en.ini");  // creates the folders
  EXPECT_EQ(ReadLanguageChoice(Home()), "ZuforaLang.en.ini");
  EXPECT_EQ(ReadFileBytes(Settings()).bytes, "[Language]\r\nFile=ZuforaLang.en.ini\r\n");

  Write(Settings(), "[Fenster]\r\nBreite=600\r\n[Language]\r\nFile=ZuforaLang.en.ini\r\n");
  SaveLanguageChoice(Home(), "ZuforaLang.ini");
  EXPECT_EQ(ReadFileBytes(Settings()).bytes,
            "[Fenster]\r\nBreite=600\r\n[Language]\r\nFile=ZuforaLang.ini\r\n");
}

TEST_F(LanguageChoiceTest, WhatIsNoLanguageFileNameIsNeitherSavedNorRead) {
  EXPECT_THROW(SaveLanguageChoice(Home(), "../../etc/passwd"), std::invalid_argument);
  Write(Settings(), "[Language]\r\nFile=/etc/ZuforaLang.ini\r\n");
  EXPECT_EQ(ReadLanguageChoice(Home()), std::nullopt);
  // Nowhere to keep it: no home, no configuration folder.
  EXPECT_THROW(SaveLanguageChoice({}, "ZuforaLang.ini"), FileWriteError);
  EXPECT_EQ(ReadLanguageChoice({}), std::nullopt);
  // A file where the folder should be.
  Write(root_ / "blocked" / "zufora", "");
  EXPECT_THROW(SaveLanguageChoice({.home = "", .xdg_config_home = (root_ / "blocked").string()},
                                  "ZuforaLang.ini"),
               FileWriteError);
}

TEST_F(LanguageChoiceTest, TheProgramFindsTheChosenFileAndOffersTheInstalledOnesByLanguage) {
  const fs::path data = root_ / "share" / "zufora";
  Write(data / "ZuforaLang.ini", "[Language]\r\nCode=de\r\nName=Deutsch\r\n");
  Write(data / "ZuforaLang.en.ini", "[Language]\r\nCode=en\r\nName=English\r\n");
  Write(data / "ZuforaLang.alt.ini", "[FormZufora]\r\nFormZufora.Caption=Alt\r\n");
  const LanguagePlaces places{.executable_folder = root_ / "bin", .environment = Home()};
  EXPECT_EQ(FindProgramLanguageFile(places)->file, data / "ZuforaLang.ini");
  SaveLanguageChoice(Home(), "ZuforaLang.en.ini");
  EXPECT_EQ(FindProgramLanguageFile(places),
            (FoundLanguageFile{data / "ZuforaLang.en.ini", LanguageFileSource::UserChoice}));

  const std::vector<LanguageOffer> offers = InstalledLanguageOffers(root_ / "bin");
  ASSERT_EQ(offers.size(), 3u);
  EXPECT_EQ(offers[0].file.filename(), "ZuforaLang.alt.ini");
  EXPECT_EQ(offers[0].language, LanguageIdentity{});  // states none: German
  EXPECT_EQ(offers[1].language.name, "English");
  EXPECT_EQ(offers[2].language.code, "de");
}

}  // namespace
}  // namespace zufora
