// The stratification in design files: the section Strata, written only when a design
// has something to keep in it, read back as it was, and refused beyond the limits.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "design/Limits.h"
#include "files/DesignFile.h"
#include "files/DesignFileStore.h"
#include "files/IniDocument.h"
#include "text/Cp1252.h"

namespace zufora {
namespace {

const CentreHeadings kHeadings = {"Zentrum", "Nummer", "Beschreibung", "Geplante Fallzahl"};

StudyDesign StratifiedDesign() {
  StudyDesign design;
  design.stratified = true;
  design.stratum_length = "24";
  design.factors = {
      {"Geschlecht", "sex", {{"w", "weiblich"}, {"m", Cp1252Literal("männlich")}}},
      {"Alter", "age_group", {{"1", "< 65"}, {"2", ">= 65"}, {"3", "unbekannt"}}},
  };
  return design;
}

StudyDesign Reread(const std::string& text) {
  StudyDesign design;
  EXPECT_FALSE(ReadDesign(IniDocument::Parse(text), kHeadings, design));
  return design;
}

std::string Saved(const StudyDesign& design, const std::string& into = "") {
  IniDocument file = IniDocument::Parse(into);
  WriteDesign(design, file);
  return file.Serialize();
}

TEST(StrataFile, FactorsAndLevelsComeBackAsTheyWere) {
  const StudyDesign design = StratifiedDesign();
  const StudyDesign again = Reread(Saved(design));
  EXPECT_TRUE(again.stratified);
  EXPECT_EQ(again.stratum_length, "24");
  EXPECT_EQ(again.factors, design.factors);

  // Switched off, the factors are kept all the same.
  StudyDesign off = design;
  off.stratified = false;
  off.stratum_length.clear();
  const StudyDesign off_again = Reread(Saved(off));
  EXPECT_FALSE(off_again.stratified);
  EXPECT_EQ(off_again.stratum_length, "");
  EXPECT_EQ(off_again.factors, design.factors);
}

TEST(StrataFile, TheSectionHoldsItsKeysInTheirOrder) {
  StudyDesign design;
  design.stratified = true;
  design.factors = {{"Stadium", "stage", {{"I", "lokal"}, {"II", "metastasiert"}}}};
  const std::string text = Saved(design);
  const std::size_t section = text.find("[Strata]\r\n");
  ASSERT_NE(section, std::string::npos);
  EXPECT_EQ(text.substr(section),
            "[Strata]\r\nAktiv=1\r\nLaenge=\r\nAnzahl=1\r\nName1=Stadium\r\nFeld1=stage\r\n"
            "Stufen1=2\r\nCode1_1=I\r\nBez1_1=lokal\r\nCode1_2=II\r\nBez1_2=metastasiert\r\n");
}

// A design without factors is saved exactly as before, and a file without the section
// reads as a design that is not stratified.
TEST(StrataFile, WithoutFactorsNothingIsWritten) {
  StudyDesign design;
  design.study_name = "Ohne Faktoren";
  const std::string text = Saved(design);
  EXPECT_EQ(text.find("[Strata]"), std::string::npos);
  const StudyDesign again = Reread(text);
  EXPECT_FALSE(again.stratified);
  EXPECT_TRUE(again.factors.empty());
  EXPECT_EQ(again.stratum_length, "");

  // On with no factors yet is something to keep.
  design.stratified = true;
  EXPECT_TRUE(Reread(Saved(design)).stratified);
}

// A file that was stratified follows the design saved into it: the section says that
// stratification is off and holds no factor, so that none comes back on opening it.
TEST(StrataFile, AFileThatHadFactorsLosesThemWhenTheDesignHasNone) {
  const std::string stratified = Saved(StratifiedDesign());
  const std::string saved = Saved(StudyDesign{}, stratified);
  const StudyDesign again = Reread(saved);
  EXPECT_FALSE(again.stratified);
  EXPECT_TRUE(again.factors.empty());
  // Keys beyond the Anzahl stay, as they do in the tables, but are not read.
  EXPECT_NE(saved.find("Name2=Alter"), std::string::npos);
}

TEST(StrataFile, OtherKeysOfTheSectionSurviveASave) {
  const std::string by_hand = "[Strata]\r\nKommentar=Stratifizierung laut Protokoll\r\n";
  IniDocument file = IniDocument::Parse(by_hand + "Aktiv=1\r\n");
  WriteDesign(StratifiedDesign(), file);
  EXPECT_EQ(file.Get("Strata", "Kommentar"), "Stratifizierung laut Protokoll");
}

TEST(StrataFile, CountsBeyondTheLimitsRefuseTheFile) {
  StudyDesign design = StratifiedDesign();
  const StudyDesign before = design;
  const auto factors = ReadDesign(IniDocument::Parse("[Strata]\nAnzahl=9\n"), kHeadings, design);
  ASSERT_TRUE(factors);
  EXPECT_EQ(factors->message, Message::MessageDesignFileTooManyFactors);
  EXPECT_EQ(factors->values, (std::vector<std::string>{"Strata", "9", "8"}));

  const auto levels = ReadDesign(
      IniDocument::Parse("[Strata]\nAnzahl=2\nStufen1=64\nStufen2=0x41\n"), kHeadings, design);
  ASSERT_TRUE(levels);
  EXPECT_EQ(levels->message, Message::MessageDesignFileTooManyLevels);
  EXPECT_EQ(levels->values, (std::vector<std::string>{"Strata", "Stufen2", "0x41", "64"}));
  EXPECT_EQ(design.factors, before.factors);  // refused: nothing read

  // At the limits, and with counts that are no counts, the file is taken.
  EXPECT_FALSE(ReadDesign(IniDocument::Parse("[Strata]\nAnzahl=8\nStufen1=64\nStufen2=-3\n"),
                          kHeadings, design));
  EXPECT_EQ(design.factors.size(), 8u);
  EXPECT_EQ(design.factors[0].levels.size(), 64u);
  EXPECT_TRUE(design.factors[1].levels.empty());
  EXPECT_FALSE(ReadDesign(IniDocument::Parse("[Strata]\nAnzahl=x\n"), kHeadings, design));
  EXPECT_TRUE(design.factors.empty());
}

TEST(StrataFile, TheBundledExampleIsStratifiedBySexAndAgeInTwoCentres) {
  StudyDesign design;
  const DesignFileLoad load = LoadDesignFile(
      std::filesystem::path(ZUFORA_EXAMPLES_DIR) / "stratified.zfd", kHeadings, design);
  ASSERT_EQ(load.status, FileReadStatus::Read);
  EXPECT_FALSE(load.refusal);
  EXPECT_TRUE(design.stratified);
  EXPECT_TRUE(design.per_centre_lists);
  EXPECT_EQ(design.centres.RowCount(), 3);
  EXPECT_EQ(design.block_mode, BlockSizeMode::Variable);
  ASSERT_EQ(design.factors.size(), 2u);
  EXPECT_EQ(design.factors[0].field, "sex");
  EXPECT_EQ(design.factors[0].levels.size(), 2u);
  EXPECT_EQ(design.factors[1].field, "age_group");
  EXPECT_EQ(design.factors[1].levels.size(), 2u);
}

}  // namespace
}  // namespace zufora
