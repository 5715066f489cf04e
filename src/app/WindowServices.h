#pragma once

#include "Clipboard.h"
#include "DesktopShell.h"
#include "FileDialogs.h"
#include "MessageBoxes.h"
#include "PrintDialogs.h"

namespace zufora::app {

// The desktop services that the main window uses, passed in at construction: the Qt
// ones in the program, scripted and recording ones in the tests.
struct WindowServices {
  MessageBoxes& boxes;
  FileDialogs& dialogs;
  Clipboard& clipboard;
  DesktopShell& shell;
  PrintDialogs& print;
};

}  // namespace zufora::app
