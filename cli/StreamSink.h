#pragma once

#include <ostream>

#include "random/ListTextSink.h"

namespace zufora::cli {

// Writes the parts to a stream as they are.
class StreamSink : public ListTextSink {
 public:
  explicit StreamSink(std::ostream& out) : out_(out) {}
  void Write(std::string_view whole_lines) override {
    out_.write(whole_lines.data(), static_cast<std::streamsize>(whole_lines.size()));
  }

 private:
  std::ostream& out_;
};

}  // namespace zufora::cli
