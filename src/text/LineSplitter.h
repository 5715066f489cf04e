#pragma once

#include <cstddef>
#include <string_view>

namespace zufora {

// The lines of a text, which end at CR, LF or CR LF. The text after the last line end,
// when there is any, is a last line; a text that ends with a line end has no empty line
// after it, and an empty text has no line. Splitting a whole text takes time linear in
// its size, however its line ends are mixed.
class LineSplitter {
 public:
  explicit LineSplitter(std::string_view text);

  // The next line, without its line end; false once the text is used up.
  bool Next(std::string_view& line);
  // Where the next line begins: an offset into the text (its size at the end).
  std::size_t Position() const { return position_; }

 private:
  std::size_t Find(char c, std::size_t from) const;

  std::string_view text_;
  std::size_t position_ = 0;
  // The next CR and the next LF at or after position_ (or the text's size), each
  // searched again only once passed.
  std::size_t next_cr_;
  std::size_t next_lf_;
};

}  // namespace zufora
