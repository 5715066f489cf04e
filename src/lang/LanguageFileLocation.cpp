#include "lang/LanguageFileLocation.h"

#include <system_error>

// Set by the build from its install folders (bin and share/zufora by default).
#ifndef ZUFORA_INSTALLED_DATA_FOLDER
#define ZUFORA_INSTALLED_DATA_FOLDER "../share/zufora"
#endif

namespace zufora {

std::filesystem::path InstalledDataFolder() {
  return std::filesystem::path(ZUFORA_INSTALLED_DATA_FOLDER);
}

std::vector<std::filesystem::path> LanguageFileCandidates(
    const std::filesystem::path& executable_folder, std::string_view name) {
  return {executable_folder / name,
          (executable_folder / InstalledDataFolder() / name).lexically_normal()};
}

std::optional<std::filesystem::path> FindLanguageFile(
    const std::filesystem::path& executable_folder, std::string_view name) {
  for (const std::filesystem::path& candidate : LanguageFileCandidates(executable_folder, name)) {
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) {
      return candidate;
    }
  }
  return std::nullopt;
}

}  // namespace zufora
