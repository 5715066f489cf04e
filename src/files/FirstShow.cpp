#include "files/FirstShow.h"

#include <string>
#include <utility>

namespace zufora {

LanguageFileReading ReadLanguageFile(const std::filesystem::path& path) {
  FileBytes bytes = ReadFileBytes(path, kMaxLanguageFileSize);
  if (bytes.too_large) {
    bytes.reason = "the file is larger than " +
                   std::to_string(kMaxLanguageFileSize / (1024 * 1024)) +
                   " MB, the most a language file may have";
  }
  LanguageFileReading reading{.status = bytes.status, .reason = std::move(bytes.reason)};
  if (bytes.status == FileReadStatus::Read) {
    reading.bytes = bytes.bytes;
    reading.file = LanguageFile::Parse(std::move(bytes.bytes));
  }
  return reading;
}

FirstShowResult RunFirstShow(ProgramTexts& texts,
                             const std::optional<std::filesystem::path>& language_file_path) {
  LanguageFileReading reading;
  if (language_file_path) {
    reading = ReadLanguageFile(*language_file_path);
  }
  FirstShowResult result{.language_file = reading.status};
  const bool read = reading.status == FileReadStatus::Read;
  const std::optional<std::string> missing =
      ApplyFirstShowTexts(texts, read ? &reading.file : nullptr);
  if (reading.status == FileReadStatus::Unreadable) {
    result.error = "Unable to read " + language_file_path->string() + ": " + reading.reason;
  } else {
    result.message = missing;
  }
  return result;
}

}  // namespace zufora
