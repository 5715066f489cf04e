#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace zufora {

// The texts of a language that a list text holds (cp1252): the block separator line and
// the word that begins each centre heading.
struct ListTexts {
  std::string block_separator;
  std::string center_caption;
};

// Which of `candidates` a list file was most likely written with: the one whose block
// separator and centre headings its first lines (at most 1,000, each read in bounded
// memory) hold most often, in cp1252 or UTF-8. The first candidate when no other holds
// more: a list that shows neither reads the same in every language.
std::size_t LikeliestListTexts(std::istream& file, const std::vector<ListTexts>& candidates);

}  // namespace zufora
