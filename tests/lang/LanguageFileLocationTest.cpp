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

}  // namespace
}  // namespace zufora
