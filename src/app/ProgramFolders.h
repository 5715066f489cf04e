#pragma once

#include <filesystem>

namespace zufora::app {

// The folder of the running executable, from which the program finds its language file
// (FindLanguageFile). Call after the application object exists.
std::filesystem::path ExecutableFolder();

}  // namespace zufora::app
