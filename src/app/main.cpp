// The desktop program: start-up of the application and its main window.
#include <QIcon>
#include <QStringList>
#include <cstring>
#include <ctime>
#include <exception>
#include <iostream>
#include <memory>

#include "ErrorBox.h"
#include "MainWindow.h"
#include "ProgramFolders.h"
#include "ProgramPictures.h"
#include "QtClipboard.h"
#include "QtDesktopShell.h"
#include "QtFileDialogs.h"
#include "QtMessageBoxes.h"
#include "QtPrintDialogs.h"
#include "ZuforaApplication.h"
#include "files/DiskDesignFiles.h"
#include "lang/ProgramTexts.h"
#include "qtprint/Cp1252QString.h"

#ifndef ZUFORA_VERSION
#define ZUFORA_VERSION "unknown"
#endif

namespace {

constexpr char kUsage[] =
    "Usage: zufora [DESIGN.zfd]\n"
    "Draws randomisation lists for clinical trials in permuted blocks: a window whose\n"
    "pages hold the study design, its arms, centres, block sizes and seed, and the list.\n"
    "\n"
    "  DESIGN.zfd   a study design to open at start, as the window's load button does\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "The window's texts come from the language file ZuforaLang.ini: the one beside the\n"
    "executable, else the one in the installed data folder ../share/zufora/ seen from\n"
    "the executable's folder (/usr/share/zufora/ for /usr/bin/zufora).\n"
    "zufora-cli draws the same lists from the shell.\n";

// --help and --version answer without a display.
bool AnswersWithoutWindow(int argc, char** argv, int& status) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      std::cout << kUsage;
      status = 0;
      return true;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << "zufora " << ZUFORA_VERSION << '\n';
      status = 0;
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zufora;
  using namespace zufora::app;
  int status = 0;
  if (AnswersWithoutWindow(argc, argv, status)) {
    return status;
  }

  ZuforaApplication application(argc, argv);
  application.setWindowIcon(QIcon(ProgramPicture(64)));
  QtMessageBoxes boxes;
  QtFileDialogs dialogs;
  QtClipboard clipboard;
  QtPrintDialogs print_dialogs;
  QtDesktopShell shell;
  application.SetErrorBoxes(&boxes);

  // The texts of the three windows: the main window, the print window, the language window.
  ProgramTexts texts;
  DiskDesignFiles design_files(texts.catalogue);
  const CalendarClock clock = [] { return static_cast<std::int64_t>(std::time(nullptr)); };
  std::unique_ptr<MainWindow> window;
  try {
    window = std::make_unique<MainWindow>(
        texts, WindowServices{boxes, dialogs, clipboard, shell, print_dialogs}, design_files, clock,
        ExecutableFolder());
  } catch (const std::exception& error) {
    // An error while the windows are built ends the program after its box.
    application.ReportError(FromMessageBytes(error.what()));
    return 1;
  }
  window->show();
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) {
    window->OpenDesignFile(arguments.at(1));
  }
  return QApplication::exec();
}
