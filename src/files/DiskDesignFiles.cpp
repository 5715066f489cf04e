#include "files/DiskDesignFiles.h"

#include <utility>

#include "files/DesignFileStore.h"
#include "files/FileWriteError.h"

namespace zufora {

DesignLoad DiskDesignFiles::Load(const std::string& file, const CentreHeadings& headings,
                                 StudyDesign& design) {
  DesignFileLoad load = LoadDesignFile(file, headings, design);
  loaded_bytes_ = std::move(load.bytes);
  if (load.status == FileReadStatus::Unreadable) {
    return {DesignLoadStatus::Unreadable, std::move(load.reason)};
  }
  if (load.refusal) {
    return {DesignLoadStatus::Refused, load.refusal->Text(messages_)};
  }
  return {
      load.status == FileReadStatus::Missing ? DesignLoadStatus::Missing : DesignLoadStatus::Loaded,
      {}};
}

void DiskDesignFiles::Save(const std::string& file, const StudyDesign& design) {
  SaveDesignFile(file, design);
}

DesignLoad HeldDesignFiles::Load(const std::string& file, const CentreHeadings& headings,
                                 StudyDesign& design) {
  if (const auto refusal = ReadDesignBytes(bytes_, file, headings, design)) {
    return {DesignLoadStatus::Refused, refusal->Text(messages_)};
  }
  return {DesignLoadStatus::Loaded, {}};
}

void HeldDesignFiles::Save(const std::string& file, const StudyDesign&) {
  throw FileWriteError(file, "a design held in memory is not saved");
}

}  // namespace zufora
