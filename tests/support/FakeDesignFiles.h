#pragma once

#include <map>
#include <stdexcept>
#include <string>

#include "design/DesignFiles.h"

namespace zufora::testing {

// Design files in memory: a saved design can be loaded again by its name; a name with
// no design is Missing and leaves the design as it was; names can be made to refuse or to
// fail.
class FakeDesignFiles : public DesignFiles {
 public:
  DesignLoad Load(const std::string& file, const CentreHeadings& headings,
                  StudyDesign& design) override {
    if (const auto failure = load_failures_.find(file); failure != load_failures_.end()) {
      return failure->second;
    }
    const auto saved = saved_.find(file);
    if (saved == saved_.end()) {
      return {DesignLoadStatus::Missing, {}};
    }
    const CheckedNumbers checked = design.checked;
    design = saved->second;
    design.checked = checked;
    for (int column = 0; column < kCentreColumns; ++column) {
      design.centres.SetCell(column, 0, headings[static_cast<std::size_t>(column)]);
    }
    return {DesignLoadStatus::Loaded, {}};
  }
  void Save(const std::string& file, const StudyDesign& design) override {
    if (unwritable_.count(file) != 0) {
      throw std::runtime_error("Unable to write to " + file + ".");
    }
    saved_[file] = design;
  }

  void FailLoad(const std::string& file, DesignLoad failure) { load_failures_[file] = failure; }
  void MakeUnwritable(const std::string& file) { unwritable_[file] = true; }
  const std::map<std::string, StudyDesign>& Saved() const { return saved_; }

 private:
  std::map<std::string, StudyDesign> saved_;
  std::map<std::string, DesignLoad> load_failures_;
  std::map<std::string, bool> unwritable_;
};

}  // namespace zufora::testing
