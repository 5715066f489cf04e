#include "files/DesignFileStore.h"

#include "files/FileWriteError.h"
#include "files/IniDocument.h"
#include "text/Cp1252.h"

namespace zufora {

void SaveDesignFile(const std::filesystem::path& file, const StudyDesign& design) {
  const FileBytes existing = ReadFileBytes(file);
  if (existing.status == FileReadStatus::Unreadable) {
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
    result.refusal = DesignFileRefusal{
        "Die Designdatei " + file.string() + Cp1252Literal(" kann nicht geladen werden: Sie ist ") +
        Cp1252Literal("größer als ") + std::to_string(kMaxDesignFileSize / (1024 * 1024)) +
        " MB, das Programm liest " + Cp1252Literal("höchstens ") +
        std::to_string(kMaxDesignFileSize / (1024 * 1024)) + " MB."};
    return result;
  }
  if (bytes.status == FileReadStatus::Unreadable) {
    result.reason = std::move(bytes.reason);
    return result;
  }
  result.refusal = ReadDesign(IniDocument::Parse(bytes.bytes), headings, design);
  return result;
}

}  // namespace zufora
