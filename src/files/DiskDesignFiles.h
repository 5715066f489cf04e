#pragma once

#include "design/DesignFiles.h"
#include "lang/MessageCatalogue.h"

namespace zufora {

// Design files on disk (LoadDesignFile and SaveDesignFile): a save that fails throws
// FileWriteError; a refused file's message comes from `messages` when it is refused.
class DiskDesignFiles : public DesignFiles {
 public:
  // messages must outlive this object: the program's catalogue, which the language file
  // translates at the first show.
  explicit DiskDesignFiles(const MessageCatalogue& messages) : messages_(messages) {}

  DesignLoad Load(const std::string& file, const CentreHeadings& headings,
                  StudyDesign& design) override;
  void Save(const std::string& file, const StudyDesign& design) override;

 private:
  const MessageCatalogue& messages_;
};

}  // namespace zufora
