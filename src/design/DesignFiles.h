#pragma once

#include <array>
#include <string>

#include "design/StudyDesign.h"

namespace zufora {

// The captions written into the centre table's heading row when a design is read:
// LabelCenter, LabelCenterId, LabelCenterDescr, LabelSampleSize.
using CentreHeadings = std::array<std::string, kCentreColumns>;

enum class DesignLoadStatus {
  Loaded,      // the file's design was read into the design
  Missing,     // no file of that name; design unchanged
  Refused,     // the file asks for more than the program can hold; design unchanged
  Unreadable,  // the file exists but could not be read; design unchanged
};

struct DesignLoad {
  DesignLoadStatus status = DesignLoadStatus::Loaded;
  // Refused: the message to show (cp1252). Unreadable: the system's reason.
  std::string text;
};

// How the design pages reach design files: the files on disk in the program, a fake in
// tests. File names are as the dialog gave them.
class DesignFiles {
 public:
  virtual ~DesignFiles() = default;

  // Reads a design file into `design`: every field's text, both tables (the arm heading
  // row left as it is, the centre heading row written from `headings`), the per-centre
  // switch and the block size mode. The checked numbers are not touched.
  virtual DesignLoad Load(const std::string& file, const CentreHeadings& headings,
                          StudyDesign& design) = 0;
  // Writes `design` into the file, keeping the file's other sections and keys. A file
  // that cannot be written is a platform failure: it throws (a std::runtime_error whose
  // what() names the file), and an existing file stays exactly as it was.
  virtual void Save(const std::string& file, const StudyDesign& design) = 0;
};

}  // namespace zufora
