#pragma once

#include <string>
#include <string_view>

namespace zufora {

// Where a list text goes while it is written: a file, a terminal, a string, a hash.
class ListTextSink {
 public:
  virtual ~ListTextSink() = default;

  // The next part of the text; it always ends at the end of a line (LF).
  virtual void Write(std::string_view whole_lines) = 0;
};

// Appends the parts to a string, which must outlive the sink.
class StringSink : public ListTextSink {
 public:
  explicit StringSink(std::string& text) : text_(text) {}
  void Write(std::string_view whole_lines) override { text_.append(whole_lines); }

 private:
  std::string& text_;
};

}  // namespace zufora
