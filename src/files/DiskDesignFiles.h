#pragma once

#include <string>

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

  // The bytes of the file last loaded, exactly as they were read (for its SHA-256 in a
  // provenance record); empty when the last load did not take a file.
  const std::string& LoadedBytes() const { return loaded_bytes_; }

 private:
  const MessageCatalogue& messages_;
  std::string loaded_bytes_;
};

// A design file's bytes held in memory (as a provenance record carries them), loaded
// under any name as the file on disk would be. Saving is refused.
class HeldDesignFiles : public DesignFiles {
 public:
  HeldDesignFiles(const MessageCatalogue& messages, std::string bytes)
      : messages_(messages), bytes_(std::move(bytes)) {}

  DesignLoad Load(const std::string& file, const CentreHeadings& headings,
                  StudyDesign& design) override;
  void Save(const std::string& file, const StudyDesign& design) override;

 private:
  const MessageCatalogue& messages_;
  std::string bytes_;
};

}  // namespace zufora
