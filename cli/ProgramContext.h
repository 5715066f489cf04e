#pragma once

#include <filesystem>

namespace zufora::cli {

// What the running program knows of itself, given by main (tests leave it empty).
struct ProgramContext {
  // The executable (/proc/self/exe): its folder leads to the installed data files.
  std::filesystem::path executable;
  // Whether standard error is a terminal, where long runs show their progress.
  bool err_is_terminal = false;
};

}  // namespace zufora::cli
