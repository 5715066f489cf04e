#include "files/DiskDesignFiles.h"

#include <utility>

#include "files/DesignFileStore.h"

namespace zufora {

DesignLoad DiskDesignFiles::Load(const std::string& file, const CentreHeadings& headings,
                                 StudyDesign& design) {
  DesignFileLoad load = LoadDesignFile(file, headings, design);
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

}  // namespace zufora
