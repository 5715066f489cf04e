#include "files/LanguageChoice.h"

#include <stdexcept>
#include <system_error>

#include "files/FileAccess.h"
#include "files/FileWriteError.h"
#include "files/FirstShow.h"
#include "files/IniDocument.h"

namespace zufora {
namespace {

constexpr std::string_view kFileKey = "File";
// A settings file holds a few lines; anything larger is no settings file of ours.
constexpr std::uintmax_t kMaxSettingsFileSize = std::uintmax_t{64} * 1024;

std::optional<std::filesystem::path> SettingsFile(const UserEnvironment& environment) {
  const std::optional<std::filesystem::path> folder = UserConfigFolder(environment);
  if (!folder) {
    return std::nullopt;
  }
  return *folder / kSettingsFileName;
}

}  // namespace

std::optional<std::string> ReadLanguageChoice(const UserEnvironment& environment) {
  const std::optional<std::filesystem::path> file = SettingsFile(environment);
  if (!file) {
    return std::nullopt;
  }
  const FileBytes bytes = ReadFileBytes(*file, kMaxSettingsFileSize);
  if (bytes.status != FileReadStatus::Read) {
    return std::nullopt;
  }
  std::optional<std::string> name = IniDocument::Parse(bytes.bytes).Get(kLanguageSection, kFileKey);
  if (!name || !IsLanguageFileName(*name)) {
    return std::nullopt;
  }
  return name;
}

void SaveLanguageChoice(const UserEnvironment& environment, std::string_view file_name) {
  if (!IsLanguageFileName(file_name)) {
    throw std::invalid_argument("no language file name: " + std::string(file_name));
  }
  const std::optional<std::filesystem::path> file = SettingsFile(environment);
  if (!file) {
    throw FileWriteError("~/.config/zufora/" + std::string(kSettingsFileName),
                         "neither XDG_CONFIG_HOME nor HOME names a folder");
  }
  std::error_code error;
  std::filesystem::create_directories(file->parent_path(), error);
  if (error) {
    throw FileWriteError(*file, error.message());
  }
  const FileBytes existing = ReadFileBytes(*file, kMaxSettingsFileSize);
  if (existing.status == FileReadStatus::Unreadable) {
    throw FileWriteError(*file, existing.reason);  // its other settings would be lost
  }
  IniDocument settings = IniDocument::Parse(existing.bytes);
  settings.Set(kLanguageSection, kFileKey, file_name);
  ReplaceFileContents(*file, settings.Serialize());
}

std::optional<FoundLanguageFile> FindProgramLanguageFile(const LanguagePlaces& places) {
  return FindLanguageFile(places, ReadLanguageChoice(places.environment));
}

std::vector<LanguageOffer> InstalledLanguageOffers(const std::filesystem::path& executable_folder) {
  std::vector<LanguageOffer> offers;
  for (std::filesystem::path& file : InstalledLanguageFiles(executable_folder)) {
    const LanguageFileReading reading = ReadLanguageFile(file);
    if (reading.status == FileReadStatus::Read) {
      offers.push_back({std::move(file), ReadLanguageIdentity(reading.file)});
    }
  }
  return offers;
}

}  // namespace zufora
