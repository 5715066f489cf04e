#pragma once

#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "random/ListTextSink.h"

namespace zufora::cli {

// A file named on the command line, with the option that named it.
struct NamedFile {
  std::string option;  // "--output", "--pdf", "--manifest", "the design file", ...
  std::string path;
};

// Why these outputs cannot be written as asked: two of them are the same file (under any
// spelling or link, also before either exists), or one is an input itself, which the
// output would replace. None when each output is a file of its own.
std::optional<std::string> OutputClash(const std::vector<NamedFile>& outputs,
                                       const std::vector<NamedFile>& inputs);

// Holds what is written for standard output in an unnamed temporary file until it is
// known whether it may go out at all (a table goes out whole or not at all). The file has
// no name, so nothing is left behind whatever becomes of the process.
class SpoolSink : public ListTextSink {
 public:
  SpoolSink();
  ~SpoolSink() override;
  SpoolSink(const SpoolSink&) = delete;
  SpoolSink& operator=(const SpoolSink&) = delete;

  void Write(std::string_view whole_lines) override;
  // Copies everything written to `out`.
  void CopyTo(std::ostream& out);

 private:
  std::FILE* file_;
};

}  // namespace zufora::cli
