#pragma once

#include <cstdint>
#include <vector>

#include "design/StudyDesign.h"

namespace zufora {

// A text of a design that a design file cannot give back whole: opening the file reads
// at most IniDocument::kMaxValueLength characters of each value.
struct LongDesignText {
  enum class Field {
    StudyName,       // EditStudName
    SampleSize,      // EditAnz
    ArmCount,        // EditArme
    CentreCount,     // EditZentren
    FixedBlockSize,  // EditFix
    MinBlockSize,    // EditVon
    MaxBlockSize,    // EditBis
    Seed,            // EditZZ
    ArmCell,         // a cell of StringGridArme
    CentreCell,      // a cell of StringGridZentren
  };
  Field field = Field::StudyName;
  std::int32_t row = 0;  // a cell's table row (1 for the first arm or centre)
  int column = 0;        // a cell's column

  bool operator==(const LongDesignText&) const = default;
};

// The texts of `design` that WriteDesign writes and that are longer than a design file
// gives back, in the order of writing.
std::vector<LongDesignText> TextsTooLongForTheFile(const StudyDesign& design);

}  // namespace zufora
