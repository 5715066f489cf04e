#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace zufora {

// A file could not be written. This is a platform failure, not a user's mistake: it is
// thrown, ends the operation and is shown by the application's general error box, whose
// text is what() = "Unable to write to " + the file name as given + "." (the design
// save's text; an export names the reason too, see WriteExportFile).
class FileWriteError : public std::runtime_error {
 public:
  explicit FileWriteError(const std::filesystem::path& file, std::string reason = {})
      : std::runtime_error("Unable to write to " + file.string() + "."),
        file_(file),
        reason_(std::move(reason)) {}

  const std::filesystem::path& File() const { return file_; }
  // The system's description of the failure ("Permission denied"); empty when unknown.
  const std::string& Reason() const { return reason_; }

 private:
  std::filesystem::path file_;
  std::string reason_;
};

}  // namespace zufora
