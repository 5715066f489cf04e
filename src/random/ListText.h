#pragma once

#include <string>

#include "design/StudyDesign.h"
#include "random/RandomizationList.h"

namespace zufora {

struct ListTextOptions {
  bool mark_blocks = true;  // CheckBoxBlocks "Blöcke markieren"
  bool show_seed = true;    // CheckBoxSeed "Seed ausgeben"
  std::string block_separator = "------- Block ------";
  std::string center_caption = "Zentrum";
};

// The list text of a generation: cp1252 lines, each ended by LF. Arm descriptions and
// centre numbers and descriptions are read from `design` as they stand now.
std::string RenderListText(const GenerationResult& result, const StudyDesign& design,
                           const ListTextOptions& options);

}  // namespace zufora
