#include "files/LongDesignTexts.h"

#include <string>
#include <utility>

#include "files/IniDocument.h"

namespace zufora {
namespace {

bool TooLong(const std::string& text) {
  return text.size() > IniDocument::kMaxValueLength;
}

void AddCells(const TextGrid& table, LongDesignText::Field field,
              std::vector<LongDesignText>& found) {
  for (std::int32_t row = 1; row < table.RowCount(); ++row) {
    for (int column = 0; column < table.ColumnCount(); ++column) {
      if (TooLong(table.Cell(column, row))) {
        found.push_back({field, row, column});
      }
    }
  }
}

}  // namespace

std::vector<LongDesignText> TextsTooLongForTheFile(const StudyDesign& design) {
  using Field = LongDesignText::Field;
  std::vector<LongDesignText> found;
  for (const auto& [field, text] : {std::pair{Field::StudyName, &design.study_name},
                                    {Field::ArmCount, &design.arm_count},
                                    {Field::SampleSize, &design.sample_size},
                                    {Field::CentreCount, &design.centre_count}}) {
    if (TooLong(*text)) {
      found.push_back({field});
    }
  }
  AddCells(design.arms, Field::ArmCell, found);
  AddCells(design.centres, Field::CentreCell, found);
  for (const auto& [field, text] : {std::pair{Field::FixedBlockSize, &design.fixed_block_size},
                                    {Field::MinBlockSize, &design.min_block_size},
                                    {Field::MaxBlockSize, &design.max_block_size},
                                    {Field::Seed, &design.seed}}) {
    if (TooLong(*text)) {
      found.push_back({field});
    }
  }
  return found;
}

}  // namespace zufora
