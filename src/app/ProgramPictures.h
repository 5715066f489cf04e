#pragma once

#include <QPixmap>
#include <optional>

namespace zufora::app {

// The program's picture: three permuted blocks of three arms, one block per row.
QPixmap ProgramPicture(int size);
// The built-in logo: the picture above the program's name.
QPixmap BuiltInLogo();

// The picture "logo_med.bmp" in the current folder, which replaces both logos: nothing
// when there is no such file; std::runtime_error when it is there but no readable
// picture. The colour of its bottom left pixel is drawn transparent.
std::optional<QPixmap> LogoFromCurrentFolder();

}  // namespace zufora::app
