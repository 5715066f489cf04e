#include "lang/LanguageFileLocation.h"

#include <algorithm>
#include <map>
#include <system_error>

// Set by the build from its install folders (bin and share/zufora by default).
#ifndef ZUFORA_INSTALLED_DATA_FOLDER
#define ZUFORA_INSTALLED_DATA_FOLDER "../share/zufora"
#endif

namespace zufora {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLanguageFilePrefix = "ZuforaLang";
constexpr std::string_view kLanguageFileSuffix = ".ini";

bool IsRegularFile(const fs::path& file) {
  std::error_code error;
  return fs::is_regular_file(file, error);
}

std::vector<fs::path> ProgramLanguageFolders(const fs::path& executable_folder) {
  if (executable_folder.empty()) {
    return {};
  }
  return {executable_folder, (executable_folder / InstalledDataFolder()).lexically_normal()};
}

}  // namespace

std::filesystem::path InstalledDataFolder() {
  return std::filesystem::path(ZUFORA_INSTALLED_DATA_FOLDER);
}

std::optional<fs::path> UserConfigFolder(const UserEnvironment& environment) {
  const fs::path xdg(environment.xdg_config_home);
  if (xdg.is_absolute()) {
    return xdg / "zufora";
  }
  const fs::path home(environment.home);
  if (home.is_absolute()) {
    return home / ".config" / "zufora";
  }
  return std::nullopt;
}

bool IsLanguageFileName(std::string_view name) {
  return name.size() >= kLanguageFilePrefix.size() + kLanguageFileSuffix.size() &&
         name.starts_with(kLanguageFilePrefix) && name.ends_with(kLanguageFileSuffix) &&
         name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

std::vector<fs::path> LanguageFileCandidates(const fs::path& executable_folder,
                                             std::string_view name) {
  std::vector<fs::path> candidates;
  for (const fs::path& folder : ProgramLanguageFolders(executable_folder)) {
    candidates.push_back(folder / name);
  }
  return candidates;
}

std::optional<fs::path> FindLanguageFile(const fs::path& executable_folder, std::string_view name) {
  for (const fs::path& candidate : LanguageFileCandidates(executable_folder, name)) {
    if (IsRegularFile(candidate)) {
      return candidate;
    }
  }
  return std::nullopt;
}

std::optional<FoundLanguageFile> FindLanguageFile(const LanguagePlaces& places,
                                                  const std::optional<std::string>& chosen_file) {
  if (const std::optional<fs::path> folder = UserConfigFolder(places.environment)) {
    const fs::path own = *folder / kLanguageFileName;
    if (IsRegularFile(own)) {
      return FoundLanguageFile{own, LanguageFileSource::UserFile};
    }
  }
  if (chosen_file && IsLanguageFileName(*chosen_file)) {
    if (auto chosen = FindLanguageFile(places.executable_folder, *chosen_file)) {
      return FoundLanguageFile{std::move(*chosen), LanguageFileSource::UserChoice};
    }
  }
  if (auto program = FindLanguageFile(places.executable_folder)) {
    return FoundLanguageFile{std::move(*program), LanguageFileSource::Program};
  }
  return std::nullopt;
}

std::vector<fs::path> InstalledLanguageFiles(const fs::path& executable_folder) {
  std::map<std::string, fs::path> by_name;
  for (const fs::path& folder : ProgramLanguageFolders(executable_folder)) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
      const std::string name = entry->path().filename().string();
      if (IsLanguageFileName(name) && IsRegularFile(entry->path())) {
        by_name.emplace(name, entry->path());  // the first folder's file of a name stays
      }
    }
  }
  std::vector<fs::path> files;
  for (auto& [name, file] : by_name) {
    files.push_back(std::move(file));
  }
  return files;
}

}  // namespace zufora
