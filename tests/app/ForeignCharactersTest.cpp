#include <QClipboard>
#include <QInputMethodEvent>
#include <QToolTip>

#include "WindowFixture.h"

namespace zufora::testing {
namespace {

using ForeignCharactersTest = WindowTest;

const QString kNotInCp1252 =
    QStringLiteral(" Zufora speichert Texte im Zeichensatz Windows-1252, ");

// Puts text on the clipboard and pastes it into the widget with Ctrl+V.
void Paste(QWidget* widget, const QString& text) {
  QApplication::clipboard()->setText(text);
  QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}

QString Note() {
  const QString text = QToolTip::isVisible() ? QToolTip::text() : QString();
  QToolTip::hideText();
  return text;
}

TEST_F(ForeignCharactersTest, APasteIntoALineFieldTakesTheRestAndNamesWhatItLeftOut) {
  OpenQuietly();
  auto* name = Find<QLineEdit>("EditStudName");
  Type("EditStudName", QStringLiteral("Studie "));
  // Two characters outside cp1252 (one a surrogate pair) among ones inside, the euro too.
  Paste(name, QStringLiteral("\u263A A € \U0001F600 B"));
  EXPECT_EQ(name->text(), QStringLiteral("Studie  A €  B"));
  EXPECT_EQ(window_->Pages().Design().study_name, Utf8ToCp1252("Studie  A €  B").value());
  EXPECT_EQ(Note(), QStringLiteral("2 Zeichen wurden nicht übernommen, als erstes „\u263A“:") +
                        kNotInCp1252 + QStringLiteral("der sie nicht enthält."));
  // Further keys go on where the paste ended.
  Keys(name, QStringLiteral("!"));
  EXPECT_EQ(name->text(), QStringLiteral("Studie  A €  B!"));

  // One character, however often: the note names it.
  Paste(name, QStringLiteral("\u263Ax\u263A"));
  EXPECT_EQ(name->text(), QStringLiteral("Studie  A €  B!x"));
  EXPECT_EQ(Note(), QStringLiteral("Das Zeichen „\u263A“ wurde nicht übernommen:") + kNotInCp1252 +
                        QStringLiteral("der es nicht enthält."));
}

TEST_F(ForeignCharactersTest, AnEditThatBringsNothingTakableLeavesTheSelection) {
  OpenQuietly();
  Type("EditStudName", QStringLiteral("bleibt"));
  auto* name = Find<QLineEdit>("EditStudName");
  name->selectAll();
  Paste(name, QStringLiteral("\u263A\u263B"));
  EXPECT_EQ(name->text(), QStringLiteral("bleibt"));
  EXPECT_EQ(name->selectedText(), QStringLiteral("bleibt"));
  EXPECT_TRUE(Note().startsWith(QStringLiteral("2 Zeichen wurden nicht übernommen")));
  // The undo history survives as well.
  QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(name->text(), QString());
}

TEST_F(ForeignCharactersTest, TheListFieldTakesWhatItCanFromPastesAndInputMethods) {
  OpenQuietly();
  ClickTab(Page::List);
  auto* list = Find<app::ListTextEdit>("RichEditList");
  list->setFocus();
  Paste(list, QStringLiteral("1\t\u0101A\r\n2\tB\u263A"));
  EXPECT_EQ(list->ListText(), QStringLiteral("1\tA\n2\tB"));
  EXPECT_TRUE(
      Note().startsWith(QStringLiteral("2 Zeichen wurden nicht übernommen, als erstes „\u0101“")));

  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("\u0101ü"));
  QApplication::sendEvent(list, &composed);
  EXPECT_EQ(list->ListText(), QStringLiteral("1\tA\n2\tBü"));
  EXPECT_TRUE(Note().startsWith(QStringLiteral("Das Zeichen „\u0101“")));
}

}  // namespace
}  // namespace zufora::testing
