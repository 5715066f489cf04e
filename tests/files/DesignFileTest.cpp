#include "files/DesignFile.h"

#include <gtest/gtest.h>

#include <string>

#include "design/Limits.h"
#include "files/IniDocument.h"
#include "lang/Language.h"

namespace zufora {
namespace {

const CentreHeadings kHeadings = {"Zentrum", "Nummer", "Beschreibung", "Geplante Fallzahl"};

// A new design after the design page was left once: three arms with their labels and
// ratio 1, the two empty rows of the centre table kept, the proposed seed.
StudyDesign FreshCheckedDesign() {
  StudyDesign design;
  design.arms.SetRowCount(4);
  design.arms.SetCell(kArmLabelColumn, 0, "Arm");
  design.arms.SetCell(kArmDescriptionColumn, 0, "Beschreibung");
  design.arms.SetCell(kArmRatioColumn, 0, "Ratio");
  for (int r = 1; r <= 3; ++r) {
    design.arms.SetCell(kArmLabelColumn, r, "Arm " + std::to_string(r));
    design.arms.SetCell(kArmRatioColumn, r, "1");
  }
  design.seed = "1234567";
  return design;
}

// A design in which every field differs from its default.
StudyDesign FullDesign() {
  StudyDesign design;
  design.study_name =
      "Studie M\xFC"
      "nchen 2024";
  design.arm_count = "2";
  design.sample_size = "abc";
  design.per_centre_lists = true;
  design.centre_count = "3";
  design.arms.SetRowCount(3);
  design.arms.SetCell(0, 1, "Arm 1");
  design.arms.SetCell(1, 1, "Placebo");
  design.arms.SetCell(2, 1, "2");
  design.arms.SetCell(0, 2, "Arm 2");
  design.arms.SetCell(1, 2, "Verum \x80 10 mg");
  design.arms.SetCell(2, 2, "0");
  design.centres.SetRowCount(4);
  for (int r = 1; r <= 3; ++r) {
    design.centres.SetCell(0, r, "Zentrum " + std::to_string(r));
    design.centres.SetCell(1, r, std::to_string(100 + r));
    design.centres.SetCell(2, r, "Klinik " + std::to_string(r));
    design.centres.SetCell(3, r, std::to_string(10 * r));
  }
  design.block_mode = BlockSizeMode::Variable;
  design.fixed_block_size = "6";
  design.min_block_size = "4";
  design.max_block_size = "8";
  design.seed = "not a number";
  return design;
}

void ExpectSameFields(const StudyDesign& a, const StudyDesign& b) {
  EXPECT_EQ(a.study_name, b.study_name);
  EXPECT_EQ(a.arm_count, b.arm_count);
  EXPECT_EQ(a.sample_size, b.sample_size);
  EXPECT_EQ(a.per_centre_lists, b.per_centre_lists);
  EXPECT_EQ(a.centre_count, b.centre_count);
  EXPECT_EQ(a.block_mode, b.block_mode);
  EXPECT_EQ(a.fixed_block_size, b.fixed_block_size);
  EXPECT_EQ(a.min_block_size, b.min_block_size);
  EXPECT_EQ(a.max_block_size, b.max_block_size);
  EXPECT_EQ(a.seed, b.seed);
}

void ExpectSameDataRows(const TextGrid& a, const TextGrid& b) {
  ASSERT_EQ(a.RowCount(), b.RowCount());
  for (std::int32_t r = 1; r < a.RowCount(); ++r) {
    for (int c = 0; c < a.ColumnCount(); ++c) {
      EXPECT_EQ(a.Cell(c, r), b.Cell(c, r)) << "column " << c << " row " << r;
    }
  }
}

StudyDesign Load(std::string_view text, StudyDesign design = {}) {
  const auto refusal = ReadDesign(IniDocument::Parse(text), kHeadings, design);
  EXPECT_FALSE(refusal.has_value()) << refusal->Text(MessageCatalogue());
  return design;
}

TEST(DesignFileWriting, FreshDesignGivesExactlyTheseBytes) {
  IniDocument file;
  WriteDesign(FreshCheckedDesign(), file);
  EXPECT_EQ(file.Serialize(),
            "[Design]\r\nName=\r\nArme=3\r\nFallzahl=120\r\nMulticenter=0\r\nZentren=\r\n"
            "[Arme]\r\nAnzahl=3\r\n"
            "Bez1=Arm 1\r\nBeschr1=\r\nRatio1=1\r\n"
            "Bez2=Arm 2\r\nBeschr2=\r\nRatio2=1\r\n"
            "Bez3=Arm 3\r\nBeschr3=\r\nRatio3=1\r\n"
            "[Zentren]\r\nAnzahl=2\r\n"
            "Bez1=\r\nID1=\r\nBeschr1=\r\nFallzahl1=\r\n"
            "Bez2=\r\nID2=\r\nBeschr2=\r\nFallzahl2=\r\n"
            "[Bloecke]\r\nFix=1\r\nGroesse=12\r\nVon=\r\nBis=\r\n"
            "[Zufall]\r\nSeed=1234567\r\n");
}

TEST(DesignFileWriting, FlagsAndTheCentreTableWithPerCentreListsOff) {
  StudyDesign design = FullDesign();
  design.per_centre_lists = false;
  IniDocument file;
  WriteDesign(design, file);
  EXPECT_EQ(file.Get("Design", "Multicenter"), "0");
  EXPECT_EQ(file.Get("Bloecke", "Fix"), "0");
  EXPECT_EQ(file.Get("Zentren", "Anzahl"), "3");
  EXPECT_EQ(file.Get("Zentren", "Fallzahl3"), "30");
  EXPECT_EQ(file.Get("Zentren", "ID1"), "101");
  design.per_centre_lists = true;
  design.block_mode = BlockSizeMode::Fixed;
  WriteDesign(design, file);
  EXPECT_EQ(file.Get("Design", "Multicenter"), "1");
  EXPECT_EQ(file.Get("Bloecke", "Fix"), "1");
}

TEST(DesignFileWriting, HiddenRowsAreNotWritten) {
  StudyDesign design = FreshCheckedDesign();
  design.arms.SetCell(kArmDescriptionColumn, 3, "third");
  design.arms.SetRowCount(3);  // arm 3 hidden with its texts
  IniDocument file;
  WriteDesign(design, file);
  EXPECT_EQ(file.Get("Arme", "Anzahl"), "2");
  EXPECT_EQ(file.Get("Arme", "Bez3"), std::nullopt);
  EXPECT_EQ(file.Get("Arme", "Beschr3"), std::nullopt);
}

TEST(DesignFileWriting, SavingOverAFileWithMoreArmsKeepsTheirRows) {
  StudyDesign five = FreshCheckedDesign();
  five.arms.SetRowCount(6);
  for (int r = 1; r <= 5; ++r) {
    five.arms.SetCell(kArmLabelColumn, r, "Arm " + std::to_string(r));
    five.arms.SetCell(kArmDescriptionColumn, r, "alt " + std::to_string(r));
    five.arms.SetCell(kArmRatioColumn, r, std::to_string(r));
  }
  IniDocument old_file;
  WriteDesign(five, old_file);

  IniDocument file = IniDocument::Parse(old_file.Serialize());
  WriteDesign(FreshCheckedDesign(), file);
  EXPECT_EQ(file.Get("Arme", "Anzahl"), "3");
  EXPECT_EQ(file.Get("Arme", "Beschr2"), "");
  EXPECT_EQ(file.Get("Arme", "Ratio3"), "1");
  EXPECT_EQ(file.Get("Arme", "Bez4"), "Arm 4");
  EXPECT_EQ(file.Get("Arme", "Beschr4"), "alt 4");
  EXPECT_EQ(file.Get("Arme", "Ratio5"), "5");

  const StudyDesign loaded = Load(file.Serialize());
  EXPECT_EQ(loaded.arms.RowCount(), 4);
  // The row count, not the kept keys, decides what is read.
  EXPECT_EQ(loaded.arms.Cell(kArmDescriptionColumn, 4), "");
}

TEST(DesignFileWriting, SectionsAddedByHandAndCommentsSurvive) {
  IniDocument file = IniDocument::Parse(
      "; Studie 17, Version 2\r\n"
      "[Notizen]\r\n"
      "Autor=Dr. M\r\n"
      "[Design]\r\n"
      "Name=alt\r\n"
      "Eigenes=bleibt\r\n"
      "[Zufall]\r\n"
      "Seed=1\r\n");
  WriteDesign(FreshCheckedDesign(), file);
  EXPECT_EQ(file.Serialize(),
            "; Studie 17, Version 2\r\n[Notizen]\r\nAutor=Dr. M\r\n"
            "[Design]\r\nName=\r\nEigenes=bleibt\r\n"
            "Arme=3\r\nFallzahl=120\r\nMulticenter=0\r\nZentren=\r\n"
            "[Zufall]\r\nSeed=1234567\r\n"
            "[Arme]\r\nAnzahl=3\r\n"
            "Bez1=Arm 1\r\nBeschr1=\r\nRatio1=1\r\n"
            "Bez2=Arm 2\r\nBeschr2=\r\nRatio2=1\r\n"
            "Bez3=Arm 3\r\nBeschr3=\r\nRatio3=1\r\n"
            "[Zentren]\r\nAnzahl=2\r\n"
            "Bez1=\r\nID1=\r\nBeschr1=\r\nFallzahl1=\r\n"
            "Bez2=\r\nID2=\r\nBeschr2=\r\nFallzahl2=\r\n"
            "[Bloecke]\r\nFix=1\r\nGroesse=12\r\nVon=\r\nBis=\r\n");
  EXPECT_EQ(file.Get("Notizen", "Autor"), "Dr. M");
  EXPECT_EQ(file.Get("Design", "Eigenes"), "bleibt");
}

TEST(DesignFileWriting, LineEndsInATextBecomeBlanks) {
  StudyDesign design = FreshCheckedDesign();
  design.study_name = "eins\r\n[Arme]\nAnzahl=9";
  IniDocument file;
  WriteDesign(design, file);
  const StudyDesign loaded = Load(file.Serialize());
  EXPECT_EQ(loaded.study_name, "eins  [Arme] Anzahl=9");
  EXPECT_EQ(loaded.arms.RowCount(), 4);
}

TEST(DesignFileRoundTrip, EveryFieldComesBack) {
  const StudyDesign saved = FullDesign();
  IniDocument file;
  WriteDesign(saved, file);

  StudyDesign loaded;
  loaded.arms.SetCell(0, 0, "Arm-Kopf");  // the arm heading row is left as it is
  loaded.checked = CheckedNumbers{7, 8, 9};
  ASSERT_FALSE(ReadDesign(IniDocument::Parse(file.Serialize()), kHeadings, loaded));
  ExpectSameFields(saved, loaded);
  ExpectSameDataRows(saved.arms, loaded.arms);
  ExpectSameDataRows(saved.centres, loaded.centres);
  EXPECT_EQ(loaded.arms.Cell(0, 0), "Arm-Kopf");
  for (int c = 0; c < kCentreColumns; ++c) {
    EXPECT_EQ(loaded.centres.Cell(c, 0), kHeadings[static_cast<std::size_t>(c)]);
  }
  EXPECT_EQ(loaded.checked.arm_count, 7);  // loading changes no checked number
  EXPECT_EQ(loaded.checked.sample_size, 8);
  EXPECT_EQ(loaded.checked.centre_count, 9);
}

TEST(DesignFileRoundTrip, LongTextsAreCutOnReading) {
  StudyDesign design = FreshCheckedDesign();
  design.study_name = std::string(2047, 'a') + "bcd";
  IniDocument file;
  WriteDesign(design, file);
  EXPECT_EQ(Load(file.Serialize()).study_name, std::string(2047, 'a'));
}

TEST(DesignFileReading, EmptyFileGivesEveryDefault) {
  const StudyDesign loaded = Load("", FullDesign());
  EXPECT_EQ(loaded.study_name, "");
  EXPECT_EQ(loaded.arm_count, "3");
  EXPECT_EQ(loaded.sample_size, "120");
  EXPECT_FALSE(loaded.per_centre_lists);
  EXPECT_EQ(loaded.centre_count, "");
  EXPECT_EQ(loaded.arms.RowCount(), 1);
  EXPECT_EQ(loaded.centres.RowCount(), 1);
  EXPECT_EQ(loaded.block_mode, BlockSizeMode::Variable);
  EXPECT_EQ(loaded.fixed_block_size, "12");
  EXPECT_EQ(loaded.min_block_size, "");
  EXPECT_EQ(loaded.max_block_size, "");
  EXPECT_EQ(loaded.seed, "");
  EXPECT_EQ(loaded.centres.Cell(3, 0), "Geplante Fallzahl");
}

TEST(DesignFileReading, ArmCountTextAndArmRowsAreIndependent) {
  const StudyDesign loaded = Load(
      "[Design]\nArme=4\n[Arme]\nAnzahl=2\nBez1=Arm 1\nRatio1=3\nBez2=Arm 2\nRatio2=1\n"
      "Bez3=Arm 3\n");
  EXPECT_EQ(loaded.arm_count, "4");
  EXPECT_EQ(loaded.arms.RowCount(), 3);
  EXPECT_EQ(loaded.arms.Cell(kArmRatioColumn, 1), "3");
  EXPECT_EQ(loaded.arms.Cell(kArmLabelColumn, 3), "");
}

TEST(DesignFileReading, WithoutBloeckeSectionTheModeIsVariable) {
  StudyDesign before;  // a new design starts in fixed mode
  ASSERT_EQ(before.block_mode, BlockSizeMode::Fixed);
  const StudyDesign loaded = Load("[Design]\nName=x\n[Zufall]\nSeed=5\n", before);
  EXPECT_EQ(loaded.block_mode, BlockSizeMode::Variable);
  EXPECT_EQ(loaded.fixed_block_size, "12");
  EXPECT_EQ(Load("[Bloecke]\nFix=1\n").block_mode, BlockSizeMode::Fixed);
  EXPECT_EQ(Load("[Bloecke]\nFix=0x1\n").block_mode, BlockSizeMode::Fixed);
  EXPECT_EQ(Load("[Bloecke]\nFix=ja\n").block_mode, BlockSizeMode::Variable);
  EXPECT_EQ(Load("[Bloecke]\nFix=0\nGroesse=\n").fixed_block_size, "");
}

TEST(DesignFileReading, AnzahlThatGivesTheHeadingRowOnly) {
  for (const std::string_view anzahl :
       {"Anzahl=abc\n", "Anzahl=-5\n", "", "Anzahl=\n", "Anzahl=12abc\n", "Anzahl=0\n",
        "Anzahl=-99999999999999999999\n"}) {
    const std::string text =
        "[Arme]\n" + std::string(anzahl) + "Bez1=x\n[Zentren]\n" + std::string(anzahl) + "Bez1=y\n";
    const StudyDesign loaded = Load(text, FullDesign());
    EXPECT_EQ(loaded.arms.RowCount(), 1) << anzahl;
    EXPECT_EQ(loaded.centres.RowCount(), 1) << anzahl;
  }
}

TEST(DesignFileReading, HexadecimalAnzahl) {
  const StudyDesign loaded =
      Load("[Arme]\nAnzahl=0x2\nBeschr2=B\n[Zentren]\nAnzahl=0X0a\nFallzahl10=7\n");
  EXPECT_EQ(loaded.arms.RowCount(), 3);
  EXPECT_EQ(loaded.arms.Cell(kArmDescriptionColumn, 2), "B");
  EXPECT_EQ(loaded.centres.RowCount(), 11);
  EXPECT_EQ(loaded.centres.Cell(kCentreSampleSizeColumn, 10), "7");
}

TEST(DesignFileReading, MissingRowKeysEmptyTheirCells) {
  const StudyDesign loaded =
      Load("[Arme]\nAnzahl=2\nBez1=A\n[Zentren]\nAnzahl=3\nID3=Z3\n", FullDesign());
  EXPECT_EQ(loaded.arms.Cell(kArmLabelColumn, 1), "A");
  EXPECT_EQ(loaded.arms.Cell(kArmDescriptionColumn, 1), "");
  EXPECT_EQ(loaded.arms.Cell(kArmRatioColumn, 2), "");
  EXPECT_EQ(loaded.centres.Cell(kCentreLabelColumn, 1), "");
  EXPECT_EQ(loaded.centres.Cell(kCentreNumberColumn, 3), "Z3");
  EXPECT_EQ(loaded.centres.Cell(kCentreSampleSizeColumn, 2), "");
}

TEST(DesignFileReading, AnySeedTextIsKept) {
  for (const std::string_view seed :
       {"0", "-17", "2147483648", "abc;def=[x]", "\xE4\x81\xFF", "0x7FFFFFFF", "1 2 3"}) {
    EXPECT_EQ(Load("[Zufall]\nSeed=" + std::string(seed) + "\n").seed, seed);
  }
}

TEST(DesignFileReading, PerCentreFlagAndCentreCount) {
  const StudyDesign on = Load("[Design]\nMulticenter=1\nZentren=12\n");
  EXPECT_TRUE(on.per_centre_lists);
  EXPECT_EQ(on.centre_count, "12");
  EXPECT_TRUE(Load("[Design]\nMulticenter=2\n").per_centre_lists);
  EXPECT_FALSE(Load("[Design]\nMulticenter=on\n").per_centre_lists);
  EXPECT_FALSE(Load("[Design]\nMulticenter=0\n", FullDesign()).per_centre_lists);
}

TEST(DesignFileLimits, CountsAtTheLimitsLoad) {
  const StudyDesign loaded = Load("[Arme]\nAnzahl=" + std::to_string(kMaxArms) +
                                  "\n[Zentren]\nAnzahl=" + std::to_string(kMaxCentres) + "\n");
  EXPECT_EQ(loaded.arms.RowCount(), kMaxArms + 1);
  EXPECT_EQ(loaded.centres.RowCount(), kMaxCentres + 1);
}

TEST(DesignFileLimits, CountsBeyondTheLimitsAreRefusedAndChangeNothing) {
  struct Case {
    std::string text;
    std::string section;
    std::string anzahl;
  };
  const Case cases[] = {
      {"[Arme]\nAnzahl=" + std::to_string(kMaxArms + 1) + "\n", "[Arme]", "65537"},
      {"[Arme]\nAnzahl=2000000000\n", "[Arme]", "2000000000"},
      {"[Zentren]\nAnzahl=" + std::to_string(kMaxCentres + 1) + "\n", "[Zentren]", "100001"},
      {"[Arme]\nAnzahl=3\n[Zentren]\nAnzahl=0x7FFFFFFF\n", "[Zentren]", "0x7FFFFFFF"},
      {"[Zentren]\nAnzahl=" + std::string(3000, '9') + "\n", "[Zentren]", "999999999999"},
  };
  for (const Case& c : cases) {
    StudyDesign design = FullDesign();
    design.arms.SetCell(0, 0, "Kopf");
    const auto refusal =
        ReadDesign(IniDocument::Parse("[Design]\nName=neu\n" + c.text), kHeadings, design);
    ASSERT_TRUE(refusal.has_value()) << c.text.substr(0, 40);
    const std::string text = refusal->Text(MessageCatalogue());
    EXPECT_NE(text.find(c.section), std::string::npos) << text;
    EXPECT_NE(text.find("Anzahl=" + c.anzahl), std::string::npos) << text;
    EXPECT_LT(text.size(), 200U);
    ExpectSameFields(design, FullDesign());
    ExpectSameDataRows(design.arms, FullDesign().arms);
    ExpectSameDataRows(design.centres, FullDesign().centres);
    EXPECT_EQ(design.arms.Cell(0, 0), "Kopf");
    EXPECT_EQ(design.centres.Cell(0, 0), "");
  }
}

// The refusal's words are the catalogue's when it is shown: German by default, a
// language file's otherwise.
TEST(DesignFileLimits, TheRefusalIsTheCatalogueTextWithSectionCountAndLimit) {
  StudyDesign design;
  const auto arms = ReadDesign(IniDocument::Parse("[Arme]\nAnzahl=65537\n"), kHeadings, design);
  const auto centres =
      ReadDesign(IniDocument::Parse("[Zentren]\nAnzahl=100001\n"), kHeadings, design);
  ASSERT_TRUE(arms && centres);
  MessageCatalogue messages;
  EXPECT_EQ(arms->Text(messages),
            "Die Designdatei kann nicht geladen werden: Im Abschnitt [Arme] steht "
            "Anzahl=65537, das Programm verarbeitet aber h\xF6"
            "chstens 65536 Studienarme.");
  EXPECT_EQ(centres->Text(messages),
            "Die Designdatei kann nicht geladen werden: Im Abschnitt [Zentren] steht "
            "Anzahl=100001, das Programm verarbeitet aber h\xF6"
            "chstens 100000 Zentren.");

  TranslateWindow(messages.Window(),
                  LanguageFile::Parse("[FormLang]\nFormLang.MessageDesignFileTooManyCenters."
                                      "Caption=At most %3 centres, not %2 ([%1])\n"));
  EXPECT_EQ(centres->Text(messages), "At most 100000 centres, not 100001 ([Zentren])");
}

}  // namespace
}  // namespace zufora
