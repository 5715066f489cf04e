#pragma once

#include <filesystem>
#include <optional>

#include "lang/LanguageFileLocation.h"

namespace zufora::cli {

// What the running program knows of itself, given by main (tests leave it empty).
struct ProgramContext {
  // The executable (/proc/self/exe): its folder leads to the installed data files.
  std::filesystem::path executable;
  // Whether standard error is a terminal, where long runs show their progress.
  bool err_is_terminal = false;
  // Where the program and its user keep language files; a command that draws a design's
  // lists without --lang takes the one the window would take. None: the built-in texts.
  std::optional<LanguagePlaces> language_places;
};

}  // namespace zufora::cli
