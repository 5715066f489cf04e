#include "files/DesignFileStore.h"

#include <string_view>

#include "files/FileWriteError.h"
#include "files/IniDocument.h"
#include "text/Cp1252.h"

namespace zufora {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// A design file is cp1252 text. One that an editor saved as UTF-8 with a byte-order mark
// is read as the characters it means: without the mark, which would otherwise hide the
// first section line, and with its letters converted. False when it holds a character
// that cp1252 lacks (or is no UTF-8 after all).
bool FromUtf8WithMark(std::string& bytes) {
  if (!bytes.starts_with(kUtf8ByteOrderMark)) {
    return true;
  }
  auto converted = Utf8ToCp1252(std::string_view(bytes).substr(kUtf8ByteOrderMark.size()));
  if (!converted) {
    return false;
  }
  bytes = std::move(*converted);
  return true;
}

}  // namespace

void SaveDesignFile(const std::filesystem::path& file, const StudyDesign& design) {
  FileBytes existing = ReadFileBytes(file);
  // A file whose other keys could not be read as they are would lose them.
  if (existing.status == FileReadStatus::Unreadable || !FromUtf8WithMark(existing.bytes)) {
    throw FileWriteError(file);
  }
  IniDocument document = IniDocument::Parse(existing.bytes);
  WriteDesign(design, document);
  const std::string bytes = document.Serialize();
  if (bytes.size() > kMaxDesignFileSize) {
    throw FileWriteError(file);  // it could never be opened again
  }
  ReplaceFileContents(file, bytes);
}

DesignFileLoad LoadDesignFile(const std::filesystem::path& file, const CentreHeadings& headings,
                              StudyDesign& design) {
  FileBytes bytes = ReadFileBytes(file);
  DesignFileLoad result;
  result.status = bytes.status;
  if (bytes.too_large) {
    result.status = FileReadStatus::Read;
    const std::string megabytes = std::to_string(kMaxDesignFileSize / (1024 * 1024));
    result.refusal =
        DesignFileRefusal{Message::MessageDesignFileTooLarge, {file.string(), megabytes}};
    return result;
  }
  if (bytes.status == FileReadStatus::Unreadable) {
    result.reason = std::move(bytes.reason);
    return result;
  }
  if (bytes.status == FileReadStatus::Missing) {
    return result;  // the design stays as it is
  }
  result.refusal = ReadDesignBytes(bytes.bytes, file.string(), headings, design);
  if (!result.refusal) {
    result.bytes = std::move(bytes.bytes);
  }
  return result;
}

std::optional<DesignFileRefusal> ReadDesignBytes(std::string bytes, const std::string& name,
                                                 const CentreHeadings& headings,
                                                 StudyDesign& design) {
  if (bytes.size() > kMaxDesignFileSize) {
    const std::string megabytes = std::to_string(kMaxDesignFileSize / (1024 * 1024));
    return DesignFileRefusal{Message::MessageDesignFileTooLarge, {name, megabytes}};
  }
  if (!FromUtf8WithMark(bytes)) {
    return DesignFileRefusal{Message::MessageDesignFileNotCp1252, {name}};
  }
  return ReadDesign(IniDocument::Parse(bytes), headings, design);
}

}  // namespace zufora
