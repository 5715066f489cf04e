#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/LanguageFileLocation.h"
#include "lang/LanguageIdentity.h"

namespace zufora {

// The user's choice among the installed language files, remembered in the user's
// configuration folder (UserConfigFolder) in the settings file
//   settings.ini:  [Language]
//                  File=ZuforaLang.en.ini
// Other sections and keys of the file stay as they are when the choice is saved.
inline constexpr std::string_view kSettingsFileName = "settings.ini";

// The remembered file name; nothing when there is no settings file, no such key, or the
// value is no language file name (IsLanguageFileName).
std::optional<std::string> ReadLanguageChoice(const UserEnvironment& environment);

// Remembers `file_name` (a language file name), creating the configuration folder when it
// is not there. Throws FileWriteError when the folder or the file cannot be written, and
// std::invalid_argument for a name that is no language file name.
void SaveLanguageChoice(const UserEnvironment& environment, std::string_view file_name);

// FindLanguageFile (lang/LanguageFileLocation.h) with the remembered choice.
std::optional<FoundLanguageFile> FindProgramLanguageFile(const LanguagePlaces& places);

// An installed language file with the language it states.
struct LanguageOffer {
  std::filesystem::path file;
  LanguageIdentity language;
};

// The installed language files (InstalledLanguageFiles) that can be read, with their
// languages, in that order.
std::vector<LanguageOffer> InstalledLanguageOffers(const std::filesystem::path& executable_folder);

}  // namespace zufora
