#pragma once

#include "design/DesignFiles.h"

namespace zufora {

// Design files on disk (LoadDesignFile and SaveDesignFile): a save that fails throws
// FileWriteError.
class DiskDesignFiles : public DesignFiles {
 public:
  DesignLoad Load(const std::string& file, const CentreHeadings& headings,
                  StudyDesign& design) override;
  void Save(const std::string& file, const StudyDesign& design) override;
};

}  // namespace zufora
