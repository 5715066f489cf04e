#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "files/FileAccess.h"
#include "lang/LanguageFile.h"
#include "lang/ProgramTexts.h"

namespace zufora {

struct LanguageFileReading {
  FileReadStatus status = FileReadStatus::Missing;
  std::string reason;   // Unreadable: the system's description of the failure
  LanguageFile file{};  // empty unless status is Read
  std::string bytes{};  // Read: the file's bytes as read
};

// The largest language file the program reads: a complete translation takes some 20 KB.
inline constexpr std::uintmax_t kMaxLanguageFileSize = std::uintmax_t{4} * 1024 * 1024;

// Reads a language file whole; one larger than kMaxLanguageFileSize is Unreadable (its
// reason says so) and is never read into memory.
LanguageFileReading ReadLanguageFile(const std::filesystem::path& path);

struct FirstShowResult {
  // Read: the file was applied. Missing (also when no path was given) or Unreadable:
  // the built-in texts stay.
  FileReadStatus language_file = FileReadStatus::Missing;
  // Missing: the plain message to show once, "Missing language file. Please reinstall
  // the software."
  std::optional<std::string> message{};
  // Unreadable: a platform failure, for the application's error box: the file's name
  // and the system's reason ("Unable to read FILE: Permission denied").
  std::optional<std::string> error{};
};

// ApplyFirstShowTexts with the language file at language_file_path, read whole. The
// window passes FindLanguageFile(its executable's folder) (lang/LanguageFileLocation.h:
// beside the executable, then the installed data folder). The command line passes
// the file of "--lang FILE" (or nothing) and treats a status other than Read for a
// given FILE as its own error instead of showing the message.
FirstShowResult RunFirstShow(ProgramTexts& texts,
                             const std::optional<std::filesystem::path>& language_file_path);

}  // namespace zufora
