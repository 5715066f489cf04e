#pragma once

#include <filesystem>
#include <optional>

#include "lang/LanguageFileLocation.h"

namespace zufora::app {

// Where the main window's language comes from (lang/LanguageFileLocation.h): the
// program's folder, the user's environment, and the file of "zufora --lang FILE".
struct WindowLanguage {
  std::filesystem::path executable_folder;
  UserEnvironment environment;  // empty: no user's own file, no choice to remember
  std::optional<std::filesystem::path> command_line_file;
};

}  // namespace zufora::app
