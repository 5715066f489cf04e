#pragma once

#include <string_view>

namespace zufora {

// Where a list text goes while it is written: a file, a terminal, a string, a hash.
class ListTextSink {
 public:
  virtual ~ListTextSink() = default;

  // The next part of the text; it always ends at the end of a line (LF).
  virtual void Write(std::string_view whole_lines) = 0;
};

}  // namespace zufora
