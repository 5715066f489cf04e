#pragma once

#include <filesystem>

namespace zufora::app {

// The folder where the program looks for its language file: the folder of the running
// executable. Call after the application object exists.
std::filesystem::path LanguageFileFolder();

}  // namespace zufora::app
