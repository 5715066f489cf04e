#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace zufora {

// A file could not be written. This is a platform failure, not a user's mistake: it is
// thrown, ends the operation and is shown by the application's general error box, whose
// text is what() = "Unable to write to " + the file name as given + ".".
class FileWriteError : public std::runtime_error {
 public:
  explicit FileWriteError(const std::filesystem::path& file)
      : std::runtime_error("Unable to write to " + file.string() + "."), file_(file) {}

  const std::filesystem::path& File() const { return file_; }

 private:
  std::filesystem::path file_;
};

}  // namespace zufora
