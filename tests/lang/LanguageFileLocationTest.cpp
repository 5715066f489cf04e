#include "lang/LanguageFileLocation.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zufora {
namespace {

namespace fs = std::filesystem;

class LanguageFileLocation : public ::testing::Test {
 protected:
  void SetUp() override {
    prefix_ = fs::temp_directory_path() /
              ("zufora-location-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(prefix_);
    bin_ = prefix_ / "bin";
    data_ = prefix_ / "share" / "zufora";
    fs::create_directories(bin_);
    fs::create_directories(data_);
  }
  void TearDown() override { fs::remove_all(prefix_); }

  static void Touch(const fs::path& file) { std::ofstream(file) << "[FormZufora]\n"; }

  fs::path prefix_;
  fs::path bin_;   // where the programs are installed
  fs::path data_;  // where their data are installed
};

TEST_F(LanguageFileLocation, BesideTheProgramFirstThenTheInstalledDataFolder) {
  EXPECT_EQ(FindLanguageFile(bin_), std::nullopt);

  Touch(data_ / "ZuforaLang.ini");
  EXPECT_EQ(FindLanguageFile(bin_), data_ / "ZuforaLang.ini");

  Touch(bin_ / "ZuforaLang.ini");
  EXPECT_EQ(FindLanguageFile(bin_), bin_ / "ZuforaLang.ini");
  EXPECT_EQ(FindLanguageFile(bin_, "ZuforaLang.en.ini"), std::nullopt);
}

TEST_F(LanguageFileLocation, AFolderOfThatNameIsPassedOver) {
  fs::create_directories(bin_ / "ZuforaLang.ini");
  Touch(data_ / "ZuforaLang.ini");
  EXPECT_EQ(FindLanguageFile(bin_), data_ / "ZuforaLang.ini");
  EXPECT_EQ(LanguageFileCandidates(bin_),
            (std::vector<fs::path>{bin_ / "ZuforaLang.ini", data_ / "ZuforaLang.ini"}));
}

TEST_F(LanguageFileLocation, TheUsersConfigurationFolderFollowsTheXdgRules) {
  EXPECT_EQ(UserConfigFolder({.home = "/home/anna", .xdg_config_home = "/etc/anna"}),
            fs::path("/etc/anna/zufora"));
  // Unset, empty or relative: ~/.config.
  EXPECT_EQ(UserConfigFolder({.home = "/home/anna", .xdg_config_home = ""}),
            fs::path("/home/anna/.config/zufora"));
  EXPECT_EQ(UserConfigFolder({.home = "/home/anna", .xdg_config_home = "config"}),
            fs::path("/home/anna/.config/zufora"));
  EXPECT_EQ(UserConfigFolder({.home = "", .xdg_config_home = ""}), std::nullopt);
  EXPECT_EQ(UserConfigFolder({.home = "anna", .xdg_config_home = ""}), std::nullopt);
}

// The user's own file, then the user's choice, then the program's own file.
TEST_F(LanguageFileLocation, TheUsersFileAndChoiceComeBeforeTheProgramsFile) {
  const fs::path home = prefix_ / "home";
  const fs::path own = home / ".config" / "zufora" / "ZuforaLang.ini";
  const LanguagePlaces places{.executable_folder = bin_,
                              .environment = {.home = home.string(), .xdg_config_home = ""}};
  const std::optional<std::string> english = "ZuforaLang.en.ini";
  EXPECT_EQ(FindLanguageFile(places, english), std::nullopt);

  Touch(data_ / "ZuforaLang.ini");
  EXPECT_EQ(FindLanguageFile(places, english),
            (FoundLanguageFile{data_ / "ZuforaLang.ini", LanguageFileSource::Program}));
  Touch(data_ / "ZuforaLang.en.ini");
  EXPECT_EQ(FindLanguageFile(places, english),
            (FoundLanguageFile{data_ / "ZuforaLang.en.ini", LanguageFileSource::UserChoice}));
  EXPECT_EQ(FindLanguageFile(places, std::nullopt)->source, LanguageFileSource::Program);
  // A remembered name that is no language file's is not looked for.
  for (const char* name : {"../zufora/ZuforaLang.en.ini", "other.ini", "ZuforaLang.en.txt"}) {
    EXPECT_EQ(FindLanguageFile(places, std::string(name))->source, LanguageFileSource::Program)
        << name;
  }
  fs::create_directories(own.parent_path());
  Touch(own);
  EXPECT_EQ(FindLanguageFile(places, english),
            (FoundLanguageFile{own, LanguageFileSource::UserFile}));
}

TEST_F(LanguageFileLocation, WithoutTheProgramsFolderOnlyTheUsersPlacesCount) {
  const fs::path config = prefix_ / "config";
  fs::create_directories(config / "zufora");
  const LanguagePlaces places{.executable_folder = {},
                              .environment = {.home = "", .xdg_config_home = config.string()}};
  // Not the working folder's file, whatever it holds.
  const fs::path previous = fs::current_path();
  fs::current_path(bin_);
  Touch(bin_ / "ZuforaLang.ini");
  EXPECT_EQ(FindLanguageFile(places, std::nullopt), std::nullopt);
  Touch(config / "zufora" / "ZuforaLang.ini");
  EXPECT_EQ(FindLanguageFile(places, std::nullopt)->file, config / "zufora" / "ZuforaLang.ini");
  fs::current_path(previous);
  EXPECT_TRUE(InstalledLanguageFiles({}).empty());
}

TEST_F(LanguageFileLocation, InstalledFilesAreTheLanguageFilesOfBothFoldersByName) {
  Touch(data_ / "ZuforaLang.ini");
  Touch(data_ / "ZuforaLang.fr.ini");
  Touch(data_ / "Other.ini");
  Touch(data_ / "ZuforaLang.ini.orig");
  fs::create_directories(data_ / "ZuforaLang.dir.ini");
  Touch(bin_ / "ZuforaLang.ini");
  EXPECT_EQ(InstalledLanguageFiles(bin_),
            (std::vector<fs::path>{data_ / "ZuforaLang.fr.ini", bin_ / "ZuforaLang.ini"}));
}

}  // namespace
}  // namespace zufora
