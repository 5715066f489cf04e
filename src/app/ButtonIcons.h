#pragma once

#include <QIcon>

namespace zufora::app {

// The icon of a button: the desktop theme's icon of that freedesktop name ("edit-copy",
// "document-print", ...), else the program's own picture of it (data/icons/buttons/,
// built into the program).
QIcon ButtonIcon(const char* freedesktop_name);

}  // namespace zufora::app
