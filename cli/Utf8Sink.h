#pragma once

#include "random/ListTextSink.h"
#include "text/Cp1252.h"

namespace zufora::cli {

// Converts cp1252 parts to UTF-8 on their way to `next`; a part of whole lines stays one.
class Utf8Sink : public ListTextSink {
 public:
  explicit Utf8Sink(ListTextSink& next) : next_(next) {}
  void Write(std::string_view whole_lines) override { next_.Write(Cp1252ToUtf8(whole_lines)); }

 private:
  ListTextSink& next_;
};

}  // namespace zufora::cli
