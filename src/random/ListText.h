#pragma once

#include <cstdint>
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

// The exact size in bytes of that text, every line counted (title, seed notes, centre
// headings, allocation lines, block separators), found without building it; time linear
// in the number of allocations, no memory beyond one line per arm.
std::uint64_t ListTextSize(const GenerationResult& result, const StudyDesign& design,
                           const ListTextOptions& options);

}  // namespace zufora
