#include "files/ExportFile.h"

#include <string>

#include "files/FileAccess.h"
#include "files/FileWriteError.h"

namespace zufora {

void WriteExportFile(const std::filesystem::path& file, std::string_view bytes) {
  try {
    ReplaceFileContents(file, bytes);
  } catch (const FileWriteError& error) {
    throw ExportFailure(file, error);
  }
}

ExportFileError ExportFailure(const std::filesystem::path& file, const FileWriteError& error) {
  const std::string reason = error.Reason().empty() ? "unknown error" : error.Reason();
  return ExportFileError("Unable to write to " + file.string() + ": " + reason);
}

}  // namespace zufora
