#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace zufora {

// An export file could not be written: what() names the file and the system's reason,
// "Unable to write to FILE: Permission denied", for the application's error box.
class ExportFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes the bytes of an exported list (ExportBytes) to `file`, replacing it in one step
// (ReplaceFileContents). Throws ExportFileError when it cannot be written; an existing
// file then stays as it was.
void WriteExportFile(const std::filesystem::path& file, std::string_view bytes);

class FileWriteError;
// The ExportFileError for a failure of writing an export to `file` in parts
// (FileReplacement).
ExportFileError ExportFailure(const std::filesystem::path& file, const FileWriteError& error);

}  // namespace zufora
