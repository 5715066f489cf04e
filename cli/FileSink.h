#pragma once

#include "files/FileReplacement.h"
#include "random/ListTextSink.h"

namespace zufora::cli {

// Writes the parts to a file that replaces the old one when committed.
class FileSink : public ListTextSink {
 public:
  explicit FileSink(FileReplacement& file) : file_(file) {}
  void Write(std::string_view whole_lines) override { file_.Write(whole_lines); }

 private:
  FileReplacement& file_;
};

}  // namespace zufora::cli
