#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "lang/Language.h"

namespace zufora {

// Where the program looks for its language file, in this order:
//   1. beside the executable: EXE_FOLDER/ZuforaLang.ini, as in a build folder or a
//      copied program folder;
//   2. the installed data folder, found from the executable's folder:
//      EXE_FOLDER/../share/zufora/ZuforaLang.ini when installed under a prefix with the
//      programs in PREFIX/bin and the data in PREFIX/share/zufora (the build derives
//      this relative path from its install folders; see InstalledDataFolder).
// The first regular file found is used; the others are never read. The caller gives
// the folder of the running executable (the window: QCoreApplication's
// applicationDirPath(), which resolves symbolic links): the core does not ask the
// platform where it runs.
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
