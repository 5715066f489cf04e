#include <QImage>
#include <map>

#include "WindowFixture.h"

namespace zufora::testing {
namespace {

using FirstShowTest = WindowTest;

TEST_F(FirstShowTest, WithoutLanguageFileOneBoxThenTheGermanWindowOnTheDesignPage) {
  Open();
  ASSERT_EQ(boxes_.Boxes().size(), 1u);
  EXPECT_EQ(boxes_.Boxes()[0],
            (ScriptedMessageBoxes::Box{Kind::Inform, QStringLiteral("Quandel Zufora"),
                                       QStringLiteral("Missing language file. Please reinstall "
                                                      "the software.")}));
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Quandel Zufora Version 1.2"));
  EXPECT_EQ(window_->size(), QSize(521, 376));
  EXPECT_EQ(Find<QPushButton>("BitBtnNext")->text(), QStringLiteral("&weiter"));
  EXPECT_EQ(Find<QCheckBox>("CheckBoxZentren")->text(),
            QStringLiteral("&Randomisierungsliste für jedes Zentrum"));
  EXPECT_EQ(Find<QLineEdit>("EditAnz")->text(), QStringLiteral("120"));
  EXPECT_FALSE(Find<QLineEdit>("EditZentren")->isEnabled());
  EXPECT_EQ(Find<QLabel>("LabelMinMaxSeed")->text(), QStringLiteral("1 ... 2147483647"));
  EXPECT_EQ(Find<QPlainTextEdit>("Memo2")->toPlainText().split(QLatin1Char('\n')).size(), 10);
  EXPECT_EQ(Find<QRadioButton>("RadioButton2")->toolTip(),
            QStringLiteral("Größe der Blöcke wird per Zufallsgenerator vorgegeben"));
  EXPECT_EQ(ActivePage(), Index(Page::Design));
  EXPECT_FALSE(Tabs()->isTabVisible(Index(Page::Centres)));
  EXPECT_EQ(QApplication::focusWidget(), Find("EditAnz"));
  EXPECT_EQ(window_->Pages().BlockSeparator(), "------- Block ------");
  EXPECT_EQ(window_->Pages().CenterCaption(), "Zentrum");
}

// Every text the window shows, by object name (tabs by their page's name).
std::map<QString, QString> ShownTexts(const QWidget& window) {
  std::map<QString, QString> texts = {{QStringLiteral("FormZufora"), window.windowTitle()}};
  for (const QWidget* widget : window.findChildren<QWidget*>()) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      text = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      text = button->text();
    } else if (const auto* memo = qobject_cast<const QPlainTextEdit*>(widget)) {
      text = memo->toPlainText();
    } else if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
      for (int page = 0; page < tabs->count(); ++page) {
        texts[tabs->widget(page)->objectName()] = tabs->tabText(page);
      }
    }
    texts[widget->objectName()] = text + QLatin1Char('|') + widget->toolTip();
  }
  return texts;
}

TEST_F(FirstShowTest, TheGermanFileWrittenFromTheProgramsTextsChangesNoTextAndShowsNoBox) {
  Open();
  const std::map<QString, QString> built_in = ShownTexts(*window_);
  window_.reset();
  boxes_.Clear();
  texts_ = ProgramTexts();
  Open(std::filesystem::path(ZUFORA_LANGUAGE_FILE));
  EXPECT_TRUE(boxes_.Boxes().empty());
  EXPECT_EQ(ShownTexts(*window_), built_in);
}

TEST_F(FirstShowTest, TranslatedFileReachesWidgetsDerivedTextsAndDialogTitles) {
  Open(kTestData / "lang" / "translated" / "ZuforaLang.ini");
  EXPECT_TRUE(boxes_.Boxes().empty());
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Zufora (Test)"));
  EXPECT_EQ(Find<QPushButton>("BitBtnSave")->text(), QStringLiteral("Design sichern"));
  EXPECT_EQ(Find<QLabel>("LabelCenter")->text(), QStringLiteral("Klinik"));
  // The seed range is the program's, whatever the file says.
  EXPECT_EQ(Find<QLabel>("LabelMinMaxSeed")->text(), QStringLiteral("1 ... 2147483647"));
  EXPECT_EQ(window_->Pages().BlockSeparator(), "------- Abschnitt ------");
  EXPECT_EQ(window_->Pages().CenterCaption(), "Klinik");

  Click("BitBtnSave");
  Click("BitBtnLoad");
  ASSERT_EQ(dialogs_.ShownDialogs().size(), 2u);
  EXPECT_EQ(dialogs_.ShownDialogs()[0].request.title, QStringLiteral("Design sichern"));
  EXPECT_EQ(dialogs_.ShownDialogs()[0].request.filter,
            QStringLiteral("Zufora Design (*.zfd)|*.zfd|Alle Dateien (*.*)|*.*"));
  EXPECT_EQ(dialogs_.ShownDialogs()[0].request.default_extension, QStringLiteral("zfd"));
  EXPECT_EQ(dialogs_.ShownDialogs()[1].request.title, QStringLiteral("Design holen"));
}

TEST_F(FirstShowTest, LogoFromTheCurrentFolderReplacesBothLogosAndAnUnreadableOneIsAnError) {
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(folder_.path()));
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(QStringLiteral("logo_med.bmp"), "BMP"));
  OpenQuietly();
  for (const char* name : {"ImageLogo1", "ImageLogo2"}) {
    EXPECT_EQ(Find<QLabel>(name)->pixmap().size(), QSize(40, 30)) << name;
    EXPECT_EQ(Find<QLabel>(name)->size(), QSize(40, 30)) << name;
  }
  window_.reset();

  QFile broken(QStringLiteral("logo_med.bmp"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
  broken.write("no picture");
  broken.close();
  EXPECT_THROW(app::MainWindow(
                   texts_, Services(), files_, [] { return std::int64_t{0}; }, "."),
               std::runtime_error);
  QDir::setCurrent(previous);
}

TEST_F(FirstShowTest, WebLabelOpensTheCaptionItShows) {
  OpenQuietly();
  auto* label = Find<QLabel>("LabelWWW");
  Tabs()->setCurrentIndex(Index(Page::Info));
  QTest::mouseClick(label, Qt::LeftButton);
  ASSERT_EQ(shell_.Addresses().size(), 1u);
  EXPECT_EQ(shell_.Addresses()[0], label->text());
}

}  // namespace
}  // namespace zufora::testing
