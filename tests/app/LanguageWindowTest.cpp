#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>

#include "WindowFixture.h"

namespace zufora::testing {
namespace {

const std::filesystem::path kEnglishFile = ZUFORA_ENGLISH_LANGUAGE_FILE;

// Qt's own text of a Yes button, in the language Qt's translation gives it now.
QString QtYes() {
  QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
  return box.button(QMessageBox::Yes)->text();
}

// The window as a user starts it: the program's folder holds the German and the English
// language file, the user has a home folder of their own.
class LanguageWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid() && home_.isValid());
    ASSERT_TRUE(QFile::copy(QString::fromStdString(ZUFORA_LANGUAGE_FILE),
                            folder_.filePath(QStringLiteral("ZuforaLang.ini"))));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(kEnglishFile.string()),
                            folder_.filePath(QStringLiteral("ZuforaLang.en.ini"))));
  }

  void Start(const std::optional<std::filesystem::path>& command_line_file = std::nullopt) {
    window_.reset();
    texts_ = ProgramTexts();
    boxes_.Clear();
    const app::WindowLanguage language{
        .executable_folder = folder_.path().toStdString(),
        .environment = {.home = home_.path().toStdString(), .xdg_config_home = ""},
        .command_line_file = command_line_file};
    window_ = std::make_unique<app::MainWindow>(
        texts_, Services(), files_, [] { return std::int64_t{1'000'000'000}; }, language);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    ASSERT_TRUE(BoxTexts().empty());
  }

  QStringList Offered() const {
    QStringList names;
    auto* choice = Find<QComboBox>("ComboBoxLanguage");
    for (int i = 0; i < choice->count(); ++i) {
      names.append(choice->itemText(i));
    }
    return names;
  }
  QString HomeFile(const char* name) const {
    return home_.filePath(QStringLiteral(".config/zufora/") + QString::fromLatin1(name));
  }

  QTemporaryDir home_;
};

TEST_F(LanguageWindowTest, TheInfoPageChoiceTakesEffectAtTheNextStart) {
  Start();
  EXPECT_EQ(Find<QPushButton>("BitBtnLoad")->text(), QStringLiteral("Studiendesign öffnen"));
  EXPECT_EQ(QtYes(), QStringLiteral("&Ja"));
  auto* choice = Find<QComboBox>("ComboBoxLanguage");
  EXPECT_EQ(Offered(), (QStringList{QStringLiteral("English"), QStringLiteral("Deutsch")}));
  EXPECT_EQ(choice->currentText(), QStringLiteral("Deutsch"));
  EXPECT_TRUE(choice->isEnabled());

  ClickTab(Page::Info);
  choice->setFocus(Qt::TabFocusReason);
  QTest::keyClick(choice, Qt::Key_Up);
  EXPECT_EQ(ReadFileBytes(HomeFile("settings.ini")),
            QByteArray("[Language]\r\nFile=ZuforaLang.en.ini\r\n"));
  EXPECT_EQ(Find<QPushButton>("BitBtnLoad")->text(), QStringLiteral("Studiendesign öffnen"));
  EXPECT_TRUE(BoxTexts().empty());

  Start();
  EXPECT_EQ(Find<QPushButton>("BitBtnLoad")->text(), QStringLiteral("Open study design"));
  EXPECT_EQ(Find<QLabel>("LabelLanguage")->text(),
            QStringLiteral("Language (from the next start):"));
  EXPECT_EQ(QtYes(), QStringLiteral("&Yes"));
  EXPECT_EQ(Find<QComboBox>("ComboBoxLanguage")->currentText(), QStringLiteral("English"));
}

TEST_F(LanguageWindowTest, QtsOwnDialogsSpeakTheLanguageOfTheFile) {
  Start();
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  auto* look_in = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
  ASSERT_NE(look_in, nullptr);
  EXPECT_EQ(look_in->text(), QStringLiteral("Suchen in:"));

  Start(kEnglishFile);
  EXPECT_EQ(QtYes(), QStringLiteral("&Yes"));
  QFileDialog english;
  english.setOption(QFileDialog::DontUseNativeDialog);
  EXPECT_EQ(english.findChild<QLabel*>(QStringLiteral("lookInLabel"))->text(),
            QStringLiteral("Look in:"));
  // Gone with the window.
  Start();
  window_.reset();
  EXPECT_EQ(QtYes(), QStringLiteral("&Yes"));
}

// The user's own file and the command line's go before any choice: the Info page shows
// the file in use and offers nothing.
TEST_F(LanguageWindowTest, AFileOfTheUsersOwnGoesBeforeTheChoice) {
  ASSERT_TRUE(QDir().mkpath(home_.filePath(QStringLiteral(".config/zufora"))));
  WriteFileBytes(HomeFile("settings.ini"), "[Language]\r\nFile=ZuforaLang.ini\r\n");
  ASSERT_TRUE(
      QFile::copy(QString::fromStdString(kEnglishFile.string()), HomeFile("ZuforaLang.ini")));
  Start();
  EXPECT_EQ(Find<QPushButton>("BitBtnLoad")->text(), QStringLiteral("Open study design"));
  auto* choice = Find<QComboBox>("ComboBoxLanguage");
  EXPECT_FALSE(choice->isEnabled());
  EXPECT_EQ(Offered(), QStringList{QStringLiteral("English (%1)").arg(HomeFile("ZuforaLang.ini"))});

  ASSERT_TRUE(QFile::remove(HomeFile("ZuforaLang.ini")));
  Start(folder_.filePath(QStringLiteral("ZuforaLang.en.ini")).toStdString());
  EXPECT_EQ(Find<QPushButton>("BitBtnLoad")->text(), QStringLiteral("Open study design"));
  EXPECT_FALSE(Find<QComboBox>("ComboBoxLanguage")->isEnabled());
}

}  // namespace
}  // namespace zufora::testing
