#include "files/LongDesignTexts.h"

#include <gtest/gtest.h>

#include "files/DesignFile.h"
#include "files/IniDocument.h"

namespace zufora {
namespace {

using Field = LongDesignText::Field;

const std::string kLongest(IniDocument::kMaxValueLength, 'x');
const std::string kTooLong(IniDocument::kMaxValueLength + 1, 'y');

StudyDesign DesignWithTexts() {
  StudyDesign design;
  design.arms.SetRowCount(4);
  design.centres.SetRowCount(3);
  design.study_name = kTooLong;
  design.sample_size = kLongest;  // just fits
  design.arms.SetCell(kArmDescriptionColumn, 2, kTooLong);
  design.arms.SetCell(kArmDescriptionColumn, 3, kLongest);
  design.arms.SetCell(kArmLabelColumn, 0, kTooLong);  // a heading: not written
  design.centres.SetCell(kCentreSampleSizeColumn, 1, kTooLong + kTooLong);
  design.seed = kTooLong;
  return design;
}

TEST(LongDesignTexts, NamesTheTextsLongerThanAFileGivesBackInTheOrderOfWriting) {
  EXPECT_EQ(TextsTooLongForTheFile(DesignWithTexts()),
            (std::vector<LongDesignText>{{Field::StudyName},
                                         {Field::ArmCell, 2, kArmDescriptionColumn},
                                         {Field::CentreCell, 1, kCentreSampleSizeColumn},
                                         {Field::Seed}}));
  EXPECT_TRUE(TextsTooLongForTheFile(StudyDesign{}).empty());
}

// What the list names is exactly what a file written and read again gives back changed.
TEST(LongDesignTexts, AreTheTextsThatComeBackCut) {
  const StudyDesign design = DesignWithTexts();
  IniDocument file;
  WriteDesign(design, file);
  StudyDesign read;
  ASSERT_FALSE(ReadDesign(IniDocument::Parse(file.Serialize()), {"", "", "", ""}, read));

  std::vector<LongDesignText> changed;
  if (read.study_name != design.study_name) {
    changed.push_back({Field::StudyName});
  }
  EXPECT_EQ(read.sample_size, design.sample_size);
  for (const auto& [field, written, came_back] :
       {std::tuple{Field::ArmCell, &design.arms, &read.arms},
        {Field::CentreCell, &design.centres, &read.centres}}) {
    for (std::int32_t row = 1; row < written->RowCount(); ++row) {
      for (int column = 0; column < written->ColumnCount(); ++column) {
        if (came_back->Cell(column, row) != written->Cell(column, row)) {
          changed.push_back({field, row, column});
        }
      }
    }
  }
  if (read.seed != design.seed) {
    changed.push_back({Field::Seed});
  }
  EXPECT_EQ(TextsTooLongForTheFile(design), changed);
  EXPECT_EQ(read.study_name, kTooLong.substr(0, IniDocument::kMaxValueLength));
}

}  // namespace
}  // namespace zufora
