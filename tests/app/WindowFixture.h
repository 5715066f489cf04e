#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>

#include "ListTextEdit.h"
#include "MainWindow.h"
#include "RecordingClipboard.h"
#include "RecordingDesktopShell.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessageBoxes.h"
#include "ScriptedPrintDialogs.h"
#include "files/DiskDesignFiles.h"
#include "lang/ProgramTexts.h"
#include "text/Cp1252.h"

// QStrings in test failures as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace zufora::testing {

inline const std::filesystem::path kTestData = ZUFORA_TEST_DATA_DIR;
inline const std::filesystem::path kExamples = ZUFORA_EXAMPLES_DIR;

// The real main window with scripted boxes and dialogs, shown offscreen and active. Its
// language file folder is a fresh temporary folder, empty unless a test puts a file in.
class WindowTest : public ::testing::Test {
 protected:
  using Kind = ScriptedMessageBoxes::Kind;

  // Builds and shows the window; language_file (if any) is copied into its folder as
  // ZuforaLang.ini. The boxes of the first show stay recorded.
  void Open(const std::optional<std::filesystem::path>& language_file = std::nullopt) {
    ASSERT_TRUE(folder_.isValid());
    if (language_file) {
      ASSERT_TRUE(QFile::copy(QString::fromStdString(language_file->string()),
                              folder_.filePath(QStringLiteral("ZuforaLang.ini"))));
    }
    window_ = std::make_unique<app::MainWindow>(
        texts_, Services(), files_, [] { return std::int64_t{1'000'000'000}; },
        std::filesystem::path(folder_.path().toStdString()));
    window_->show();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }
  // Open() without a language file, forgetting the one box it shows.
  void OpenQuietly() {
    Open();
    boxes_.Clear();
  }
  // Open() with a language file of these bytes.
  void OpenWithLanguageFile(const QByteArray& contents) {
    QTemporaryDir languages;
    const QString file = languages.filePath(QStringLiteral("ZuforaLang.ini"));
    WriteFileBytes(file, contents);
    Open(file.toStdString());
  }
  // The scripted and recording services, as the window takes them.
  app::WindowServices Services() {
    return app::WindowServices{boxes_, dialogs_, clipboard_, shell_, print_dialogs_};
  }

  // Loads the worked example through the open dialog, brings the list page to the front
  // and generates its list (3 arms of ratio 1, 12 patients, fixed blocks of 6, seed
  // 12345); no box may appear.
  void GenerateWorkedExample() {
    dialogs_.ScriptAnswer(QString::fromStdString((kExamples / "worked-example.zfd").string()));
    Click("BitBtnLoad");
    ClickTab(Page::List);
    ASSERT_EQ(ActivePage(), Index(Page::List));
    Click("BitBtnStart");
    ASSERT_TRUE(BoxTexts().empty());
  }

  template <typename Widget = QWidget>
  Widget* Find(const char* name) const {
    auto* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QTabWidget* Tabs() const { return Find<QTabWidget>("PageControl1"); }
  int ActivePage() const { return Tabs()->currentIndex(); }
  static int Index(Page page) { return static_cast<int>(page); }

  // Types text into a widget key by key; characters beyond ASCII come as key events that
  // carry only their text, as from a keyboard layout that has them.
  static void Keys(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
      if (character.unicode() < 0x80) {
        QTest::keyClick(widget, static_cast<char>(character.unicode()));
      } else {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
      }
    }
  }

  void Click(const char* name) { QTest::mouseClick(Find(name), Qt::LeftButton); }
  // Clicks into a field, selects its text and types over it, as a user does.
  void Type(const char* name, const QString& text) {
    auto* edit = Find<QLineEdit>(name);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    if (text.isEmpty()) {
      QTest::keyClick(edit, Qt::Key_Delete);
    } else {
      Keys(edit, text);
    }
  }
  void ClickTab(Page page) {
    QTabBar* bar = Tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(Index(page)).center());
  }
  // The texts of the boxes shown so far, in order.
  std::vector<QString> BoxTexts() const { return boxes_.Texts(); }
  QString Msg(Message message) const {
    return QString::fromStdString(Cp1252ToUtf8(texts_.catalogue.Text(message)));
  }
  // Types text at the start of the list field, as a user edits the list.
  void TypeAtStartOfList(const QString& text) {
    auto* list = Find<QPlainTextEdit>("RichEditList");
    list->moveCursor(QTextCursor::Start);
    Keys(list, text);
  }
  QString ListFieldText() const { return Find<QPlainTextEdit>("RichEditList")->toPlainText(); }
  QString FilePath(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }

  static void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
  }
  // The file's bytes; none when it cannot be read.
  static QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir folder_;
  ProgramTexts texts_;
  ScriptedMessageBoxes boxes_;
  ScriptedFileDialogs dialogs_;
  RecordingClipboard clipboard_;
  RecordingDesktopShell shell_;
  ScriptedPrintDialogs print_dialogs_;
  DiskDesignFiles files_{texts_.catalogue};
  std::unique_ptr<app::MainWindow> window_;
};

}  // namespace zufora::testing
