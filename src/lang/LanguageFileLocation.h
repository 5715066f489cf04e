#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/Language.h"

namespace zufora {

// Where the program looks for its language file. The window and the command line look
// in the same places, in this order, and use the first regular file found:
//   1. the file of the command-line option --lang FILE (the caller's: nothing else is
//      looked at then);
//   2. the user's own language file, ZuforaLang.ini in the user's configuration folder
//      (UserConfigFolder: $XDG_CONFIG_HOME/zufora/, by default ~/.config/zufora/);
//   3. the language file that the user chose on the Info page (a file name remembered in
//      the user's configuration folder, files/LanguageChoice.h), looked for where the
//      program's language files are (4 and 5);
//   4. beside the executable: EXE_FOLDER/ZuforaLang.ini, as in a build folder or a
//      copied program folder;
//   5. the installed data folder, found from the executable's folder:
//      EXE_FOLDER/../share/zufora/ZuforaLang.ini when installed under a prefix with the
//      programs in PREFIX/bin and the data in PREFIX/share/zufora (the build derives
//      this relative path from its install folders; see InstalledDataFolder).
// The caller gives the folder of the running executable (the window: QCoreApplication's
// applicationDirPath(), which resolves symbolic links) and the environment: the core
// neither asks the platform where it runs nor reads environment variables.

// The environment variables that locate the user's configuration, as the process has
// them (empty when unset).
struct UserEnvironment {
  std::string home;             // HOME
  std::string xdg_config_home;  // XDG_CONFIG_HOME
};

// The program's folder in the user's configuration: $XDG_CONFIG_HOME/zufora when that is
// an absolute path, else $HOME/.config/zufora when HOME is one (as the XDG base directory
// rules say); nothing without either.
std::optional<std::filesystem::path> UserConfigFolder(const UserEnvironment& environment);

// The places of 2 to 5. An empty executable folder leaves out 4 and 5.
struct LanguagePlaces {
  std::filesystem::path executable_folder;
  UserEnvironment environment;
};

enum class LanguageFileSource {
  CommandLine,  // 1
  UserFile,     // 2
  UserChoice,   // 3
  Program,      // 4 or 5
};

struct FoundLanguageFile {
  std::filesystem::path file;
  LanguageFileSource source = LanguageFileSource::Program;
  bool operator==(const FoundLanguageFile&) const = default;
};

// The first of 2 to 5 that is a regular file; chosen_file is the name remembered for 3
// (ignored unless IsLanguageFileName).
std::optional<FoundLanguageFile> FindLanguageFile(const LanguagePlaces& places,
                                                  const std::optional<std::string>& chosen_file);

// The language files that the Info page offers: the files named ZuforaLang*.ini beside
// the executable and in the installed data folder, sorted by name, a name found in both
// places taken from beside the executable.
std::vector<std::filesystem::path> InstalledLanguageFiles(
    const std::filesystem::path& executable_folder);

// "ZuforaLang" + anything + ".ini", a plain file name (no folder).
bool IsLanguageFileName(std::string_view name);

// 4 and 5 for a file of that name.
std::vector<std::filesystem::path> LanguageFileCandidates(
    const std::filesystem::path& executable_folder, std::string_view name = kLanguageFileName);

// The first of LanguageFileCandidates that is a regular file, or nothing (then the
// window shows its "missing language file" message).
std::optional<std::filesystem::path> FindLanguageFile(
    const std::filesystem::path& executable_folder, std::string_view name = kLanguageFileName);

// The installed data folder relative to the executable's folder, "../share/zufora" with
// the usual install folders.
std::filesystem::path InstalledDataFolder();

}  // namespace zufora
