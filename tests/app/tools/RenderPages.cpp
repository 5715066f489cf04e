// Renders every page of the main window to PNG files, offscreen, as a user would see
// them: zufora_render_pages OUT_FOLDER PREFIX [DESIGN.zfd]. With a design file the
// design is opened and its list generated first.
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <iostream>

#include "MainWindow.h"
#include "RecordingClipboard.h"
#include "RecordingDesktopShell.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessageBoxes.h"
#include "ScriptedPrintDialogs.h"
#include "ZuforaApplication.h"
#include "files/DiskDesignFiles.h"

int main(int argc, char** argv) {
  using namespace zufora;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  if (argc < 3) {
    std::cerr << "usage: zufora_render_pages OUT_FOLDER PREFIX [DESIGN.zfd]\n";
    return 2;
  }
  app::ZuforaApplication application(argc, argv);
  const QString out_folder = QString::fromLocal8Bit(argv[1]);
  const QString prefix = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(out_folder);

  QTemporaryDir no_language_file;
  ProgramTexts texts;
  testing::ScriptedMessageBoxes boxes;
  testing::ScriptedFileDialogs dialogs;
  testing::RecordingClipboard clipboard;
  testing::RecordingDesktopShell shell;
  testing::ScriptedPrintDialogs print_dialogs;
  DiskDesignFiles files(texts.catalogue);
  app::MainWindow window(
      texts, app::WindowServices{boxes, dialogs, clipboard, shell, print_dialogs}, files,
      [] { return std::int64_t{1'000'000'000}; }, no_language_file.path().toStdString());
  window.show();
  QApplication::processEvents();
  QTabWidget* tabs = window.Widgets().tabs;
  if (argc > 3) {
    window.OpenDesignFile(QString::fromLocal8Bit(argv[3]));
    tabs->setCurrentIndex(static_cast<int>(Page::List));
    window.Widgets().generate_button->click();
    tabs->setCurrentIndex(static_cast<int>(Page::Design));
  }
  boxes.Clear();
  for (int page = 0; page < tabs->count(); ++page) {
    if (!tabs->isTabVisible(page)) {
      continue;
    }
    tabs->setCurrentIndex(page);
    QApplication::processEvents();
    const QString file = QDir(out_folder)
                             .filePath(QStringLiteral("%1-%2-%3.png")
                                           .arg(prefix)
                                           .arg(page)
                                           .arg(tabs->widget(page)->objectName()));
    if (!window.grab().save(file)) {
      std::cerr << "cannot write " << file.toStdString() << '\n';
      return 1;
    }
    std::cout << file.toStdString() << '\n';
  }
  for (const QString& text : boxes.Texts()) {
    std::cerr << "message: " << text.toStdString() << '\n';
  }
  return 0;
}
