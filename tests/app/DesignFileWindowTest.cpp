#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include "QtFileDialogs.h"
#include "WindowFixture.h"

namespace zufora::testing {
namespace {

using DesignFileWindowTest = WindowTest;

// Runs `step` with the modal dialog of that type once it is up (nothing after 5 s).
template <typename Dialog, typename Step>
void WhenModal(Step step) {
  QTimer::singleShot(0, [step] {
    const auto modal = [] { return qobject_cast<Dialog*>(QApplication::activeModalWidget()); };
    const bool up = QTest::qWaitFor([&modal] { return modal() != nullptr; }, 5000);
    step(up ? modal() : nullptr);
  });
}

TEST_F(DesignFileWindowTest, ACancelledOrMissingFileKeepsTheDesign) {
  OpenQuietly();
  Type("EditStudName", QStringLiteral("Meine Studie"));
  Type("EditArme", QStringLiteral("4"));
  dialogs_.ScriptCancel();
  Click("BitBtnLoad");
  EXPECT_TRUE(BoxTexts().empty());
  EXPECT_EQ(Find<QLineEdit>("EditStudName")->text(), QStringLiteral("Meine Studie"));

  // A name that does not exist, as the program's argument gives it.
  const QString missing = FilePath("Studie mit Tippfehler.zfd");
  window_->OpenDesignFile(missing);
  EXPECT_EQ(BoxTexts(), std::vector<QString>{QStringLiteral("Die Datei %1 gibt es nicht. Das "
                                                            "Studiendesign bleibt, wie es ist.")
                                                 .arg(missing)});
  EXPECT_EQ(Find<QLineEdit>("EditStudName")->text(), QStringLiteral("Meine Studie"));
  EXPECT_EQ(Find<QLineEdit>("EditArme")->text(), QStringLiteral("4"));
  EXPECT_EQ(ActivePage(), Index(Page::Design));
}

TEST_F(DesignFileWindowTest, SavingATextTooLongForTheFileSaysSo) {
  OpenQuietly();
  auto* name = Find<QLineEdit>("EditStudName");
  name->setFocus();
  Keys(name, QString(2048, QLatin1Char('n')));
  dialogs_.ScriptAnswer(FilePath("lang.zfd"));
  Click("BitBtnSave");
  ASSERT_EQ(boxes_.Boxes().size(), 1u);
  EXPECT_EQ(boxes_.Boxes()[0].caption, QStringLiteral("Zufora"));
  EXPECT_TRUE(boxes_.Boxes()[0].text.endsWith(
      QStringLiteral("die ersten 2047 Zeichen zurück, und diese Texte sind länger: "
                     "Bezeichnung der Studie")))
      << boxes_.Boxes()[0].text.toStdString();
  EXPECT_TRUE(ReadFileBytes(FilePath("lang.zfd")).contains(QByteArray(2048, 'n')));
}

// The open dialog takes only a file that exists: a typed name that does not exist is
// answered by the dialog itself and the dialog stays open.
TEST_F(DesignFileWindowTest, TheOpenDialogTakesOnlyAFileThatExists) {
  QTemporaryDir folder;
  const QString existing = folder.filePath(QStringLiteral("da.zfd"));
  WriteFileBytes(existing, "[Design]\r\nName=da\r\n");
  bool refused_name_kept_open = false;
  WhenModal<QFileDialog>([&](QFileDialog* dialog) {
    ASSERT_NE(dialog, nullptr);
    dialog->setDirectory(folder.path());
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(QStringLiteral("fehlt"));
    WhenModal<QMessageBox>([](QMessageBox* warning) {
      if (warning != nullptr) {
        warning->reject();
      }
    });
    QTest::keyClick(name, Qt::Key_Return);
    refused_name_kept_open = dialog->isVisible();
    name->setText(QStringLiteral("da"));
    QTest::keyClick(name, Qt::Key_Return);
  });
  app::QtFileDialogs dialogs;
  const std::optional<QString> chosen =
      dialogs.AskOpenFileName(nullptr, {.title = QStringLiteral("Design laden"),
                                        .filter = QStringLiteral("Zufora Design (*.zfd)|*.zfd"),
                                        .default_extension = QStringLiteral("zfd"),
                                        .proposed_name = {}});
  EXPECT_TRUE(refused_name_kept_open);
  EXPECT_EQ(chosen, existing);
}

}  // namespace
}  // namespace zufora::testing
