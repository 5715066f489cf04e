#pragma once

#include <string>
#include <string_view>

namespace zufora {

// Lower case of the cp1252 letters (A-Z, the accented capitals, S and Z with caron,
// the OE ligature, Y with diaeresis), so that names compare without regard to case as
// in a Western European setting. Other bytes stay as they are.
char FoldCase(char c);
std::string FoldCase(std::string_view text);

// The text without the leading and trailing characters for which `drop` is true.
template <typename Predicate>
std::string_view TrimWhere(std::string_view text, Predicate drop) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && drop(text[begin])) {
    ++begin;
  }
  while (end > begin && drop(text[end - 1])) {
    --end;
  }
  return text.substr(begin, end - begin);
}

// Blanks and control characters: every byte up to 0x20, and DEL.
inline bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= 0x20 || c == '\x7F';
}

}  // namespace zufora
