#include "OutputFiles.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "files/FileReplacement.h"

namespace zufora::cli {

std::optional<std::string> OutputClash(const std::vector<NamedFile>& outputs,
                                       const std::vector<NamedFile>& inputs) {
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    for (const NamedFile& input : inputs) {
      std::error_code error;
      if (std::filesystem::equivalent(outputs[i].path, input.path, error) && !error) {
        return "the output file " + outputs[i].path + " is the file " + input.path +
               " itself; choose another output file";
      }
    }
    for (std::size_t k = i + 1; k < outputs.size(); ++k) {
      if (SameOutputFile(outputs[i].path, outputs[k].path)) {
        return outputs[i].option + " " + outputs[i].path + " and " + outputs[k].option + " " +
               outputs[k].path + " are the same file; each output needs a file of its own";
      }
    }
  }
  return std::nullopt;
}

SpoolSink::SpoolSink() : file_(std::tmpfile()) {
  if (file_ == nullptr) {
    throw std::runtime_error("no temporary file for the table");
  }
}

SpoolSink::~SpoolSink() {
  std::fclose(file_);
}

void SpoolSink::Write(std::string_view whole_lines) {
  if (std::fwrite(whole_lines.data(), 1, whole_lines.size(), file_) != whole_lines.size()) {
    throw std::runtime_error("the temporary file for the table cannot be written");
  }
}

void SpoolSink::CopyTo(std::ostream& out) {
  std::rewind(file_);
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file_)) > 0) {
    out.write(buffer, static_cast<std::streamsize>(got));
  }
}

}  // namespace zufora::cli
