#include "text/TextFolding.h"

#include <array>

namespace zufora {
namespace {

constexpr std::array<unsigned char, 256> MakeFoldTable() {
  std::array<unsigned char, 256> table{};
  for (std::size_t i = 0; i < table.size(); ++i) {
    table[i] = static_cast<unsigned char>(i);
  }
  for (std::size_t c = 'A'; c <= 'Z'; ++c) {
    table[c] = static_cast<unsigned char>(c + 0x20);
  }
  for (std::size_t c = 0xC0; c <= 0xDE; ++c) {
    if (c != 0xD7) {  // the multiplication sign has no lower case
      table[c] = static_cast<unsigned char>(c + 0x20);
    }
  }
  table[0x8A] = 0x9A;  // S caron
  table[0x8C] = 0x9C;  // OE
  table[0x8E] = 0x9E;  // Z caron
  table[0x9F] = 0xFF;  // Y diaeresis
  return table;
}

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

}  // namespace

char FoldCase(char c) {
  return static_cast<char>(kFold[static_cast<unsigned char>(c)]);
}

std::string FoldCase(std::string_view text) {
  std::string folded(text.size(), '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    folded[i] = FoldCase(text[i]);
  }
  return folded;
}

}  // namespace zufora
