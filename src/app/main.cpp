// The desktop program: start-up of the application and its main window.
#include <QFile>
#include <QIcon>
#include <QStringList>
#include <cstring>
#include <ctime>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <system_error>

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
    "Usage: zufora [--lang FILE] [DESIGN.zfd]\n"
    "Draws randomisation lists for clinical trials in permuted blocks: a window whose\n"
    "pages hold the study design, its arms, centres, block sizes and seed, and the list.\n"
    "\n"
    "  DESIGN.zfd   a study design to open at start, as the window's load button does\n"
    "  --lang FILE  take the texts from this language file\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "\n"
    "The window's texts come from a language file: the one of --lang; else the user's own,\n"
    "ZuforaLang.ini in $XDG_CONFIG_HOME/zufora/ (by default ~/.config/zufora/); else the\n"
    "one chosen on the Info page (remembered there in settings.ini); else ZuforaLang.ini\n"
    "beside the executable or in the installed data folder ../share/zufora/ seen from the\n"
    "executable's folder (/usr/share/zufora/ for /usr/bin/zufora). Its section [Language]\n"
    "says which language it holds, and Qt's own dialogs follow it.\n"
    "zufora-cli draws the same lists from the shell.\n";

// What the command line asks of the window; Qt has taken its own options out already.
struct WindowArguments {
  std::optional<std::filesystem::path> language_file;
  std::optional<QString> design_file;
  QString error;  // a wrong command line
};

WindowArguments ParseWindowArguments(const QStringList& arguments) {
  WindowArguments parsed;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QStringLiteral("--lang")) {
      if (i + 1 == arguments.size()) {
        parsed.error = QStringLiteral("--lang needs a file");
        return parsed;
      }
      parsed.language_file = std::filesystem::path(QFile::encodeName(arguments[++i]).toStdString());
    } else if (!parsed.design_file) {
      parsed.design_file = argument;
    } else {
      parsed.error = QStringLiteral("more than one design file: ") + argument;
      return parsed;
    }
  }
  return parsed;
}

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

std::string Environment(const char* name) {
  return qEnvironmentVariable(name).toStdString();
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
  const WindowArguments arguments = ParseWindowArguments(QApplication::arguments());
  if (!arguments.error.isEmpty()) {
    std::cerr << "zufora: " << arguments.error.toStdString() << "\n" << kUsage;
    return 2;
  }
  std::error_code no_file;
  if (arguments.language_file &&
      !std::filesystem::is_regular_file(*arguments.language_file, no_file)) {
    std::cerr << "zufora: cannot read the language file " << arguments.language_file->string()
              << '\n';
    return 2;
  }
  const WindowLanguage language{.executable_folder = ExecutableFolder(),
                                .environment = {.home = Environment("HOME"),
                                                .xdg_config_home = Environment("XDG_CONFIG_HOME")},
                                .command_line_file = arguments.language_file};
  std::unique_ptr<MainWindow> window;
  try {
    window = std::make_unique<MainWindow>(
        texts, WindowServices{boxes, dialogs, clipboard, shell, print_dialogs}, design_files, clock,
        language);
  } catch (const std::exception& error) {
    // An error while the windows are built ends the program after its box.
    application.ReportError(FromMessageBytes(error.what()));
    return 1;
  }
  window->show();
  if (arguments.design_file) {
    window->OpenDesignFile(*arguments.design_file);
  }
  return QApplication::exec();
}
