#pragma once

#include <QString>
#include <filesystem>

namespace zufora::app {

// The address that the Info page's link LabelWWW opens for its caption: the caption as
// it stands, unless it names a local file that is not there (a program run from its build
// folder, or installed under another prefix than the caption's). Then the program's
// README at hand, the first that exists of
//   EXE_FOLDER/README.md                      (a build folder: the build puts it there)
//   EXE_FOLDER/../share/doc/zufora/README.md  (installed under the prefix of EXE_FOLDER)
// and the caption after all when there is none.
QString DocumentLinkAddress(const QString& caption, const std::filesystem::path& executable_folder);

}  // namespace zufora::app
