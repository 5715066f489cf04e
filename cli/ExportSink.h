#pragma once

#include "random/ListExport.h"
#include "random/ListTextSink.h"

namespace zufora::cli {

// Turns list text parts into the bytes of an exported list (each line ended by CR LF) on
// their way to `next`. Parts of whole lines give the bytes that the whole text gives.
class ExportSink : public ListTextSink {
 public:
  explicit ExportSink(ListTextSink& next) : next_(next) {}
  void Write(std::string_view whole_lines) override { next_.Write(ExportBytes(whole_lines)); }

 private:
  ListTextSink& next_;
};

}  // namespace zufora::cli
