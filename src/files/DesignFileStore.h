#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "design/StudyDesign.h"
#include "files/DesignFile.h"
#include "files/FileAccess.h"

namespace zufora {

// Saves a design into a file, as "Studiendesign speichern" does: an existing file is read
// first, so that every section and key this save does not write stays as it was (rows
// beyond the Anzahl now written, sections added by hand); then the design's keys are set
// in place and the file is replaced in one step. A new file holds the keys in the order
// of writing. Changes nothing in `design`.
// Throws FileWriteError ("Unable to write to <file>.") when the file cannot be written,
// also when an existing file cannot be read (its other keys would be lost) and when the
// file would grow beyond kMaxDesignFileSize (it could not be opened again); the old file
// is then left exactly as it was.
void SaveDesignFile(const std::filesystem::path& file, const StudyDesign& design);

struct DesignFileLoad {
  // Read: the file was read (and `refusal` tells whether it was taken); a file larger
  //   than kMaxDesignFileSize is Read and refused, without reading it.
  // Missing: no such file; `design` is unchanged.
  // Unreadable: `design` is unchanged; show MessageErrorFileOpen and the file name.
  FileReadStatus status = FileReadStatus::Missing;
  std::string reason;                        // Unreadable: the system's description
  std::optional<DesignFileRefusal> refusal;  // Read: a count beyond the limits; unchanged
  std::string bytes;                         // Read and taken: the file's bytes as they were read
};

// Reads a design file into `design` (the load steps between the open dialog and the
// closing steps, see ReadDesign). A file that begins with a UTF-8 byte-order mark is
// read as UTF-8 (converted to cp1252; refused when a character has no cp1252 form);
// a save into such a file writes it back as cp1252, its other keys kept. Any other
// file is cp1252 as it stands: one in UTF-16 holds no section the program recognises
// and loads as an empty file, every key taking its default.
DesignFileLoad LoadDesignFile(const std::filesystem::path& file, const CentreHeadings& headings,
                              StudyDesign& design);

// The same from a design file's bytes held in memory (a provenance record carries them),
// `name` standing for the file in a refusal.
std::optional<DesignFileRefusal> ReadDesignBytes(std::string bytes, const std::string& name,
                                                 const CentreHeadings& headings,
                                                 StudyDesign& design);

}  // namespace zufora
