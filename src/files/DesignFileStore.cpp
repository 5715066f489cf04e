#include "files/DesignFileStore.h"

#include "files/FileWriteError.h"
#include "files/IniDocument.h"

namespace zufora {

void SaveDesignFile(const std::filesystem::path& file, const StudyDesign& design) {
  const FileBytes existing = ReadFileBytes(file);
  if (existing.status == FileReadStatus::Unreadable) {
    throw FileWriteError(file);
  }
  IniDocument document = IniDocument::Parse(existing.bytes);
  WriteDesign(design, document);
  ReplaceFileContents(file, document.Serialize());
}

DesignFileLoad LoadDesignFile(const std::filesystem::path& file, const CentreHeadings& headings,
                              StudyDesign& design) {
  FileBytes bytes = ReadFileBytes(file);
  DesignFileLoad result;
  result.status = bytes.status;
  if (bytes.status == FileReadStatus::Unreadable) {
    result.reason = std::move(bytes.reason);
    return result;
  }
  result.refusal = ReadDesign(IniDocument::Parse(bytes.bytes), headings, design);
  return result;
}

}  // namespace zufora
