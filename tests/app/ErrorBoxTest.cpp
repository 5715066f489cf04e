#include <gtest/gtest.h>

#include <QEvent>
#include <QObject>
#include <stdexcept>

#include "ErrorBox.h"
#include "ScriptedMessageBoxes.h"
#include "ZuforaApplication.h"

namespace zufora::testing {
namespace {

TEST(ErrorBoxText, FullStopOnlyAfterCharactersThatComeAfterIt) {
  EXPECT_EQ(app::ErrorBoxText(QStringLiteral("Datei fehlt")), QStringLiteral("Datei fehlt."));
  EXPECT_EQ(app::ErrorBoxText(QStringLiteral("Fehler 42")), QStringLiteral("Fehler 42."));
  EXPECT_EQ(app::ErrorBoxText(QStringLiteral("Wirklich?")), QStringLiteral("Wirklich?."));
  EXPECT_EQ(app::ErrorBoxText(QStringLiteral("Grund:")), QStringLiteral("Grund:."));
  EXPECT_EQ(app::ErrorBoxText(QStringLiteral("Müß")), QStringLiteral("Müß."));
  for (const char* unchanged : {"Ende.", "Halt!", "Blank ", "(x)", ""}) {
    EXPECT_EQ(app::ErrorBoxText(QString::fromLatin1(unchanged)), QString::fromLatin1(unchanged));
  }
}

// An object whose handler of one event fails.
class FailingObject : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) {
      throw std::runtime_error("Datei nicht lesbar: Zugriff verweigert");
    }
    ++handled;
    return QObject::event(event);
  }
  int handled = 0;
};

TEST(ApplicationNotify, AnErrorThatEscapesAHandlerGoesToTheErrorBoxAndEventsGoOn) {
  auto* application = static_cast<app::ZuforaApplication*>(QCoreApplication::instance());
  ScriptedMessageBoxes boxes;
  application->SetErrorBoxes(&boxes);
  FailingObject object;
  QEvent failing(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&object, &failing));
  QEvent next(static_cast<QEvent::Type>(QEvent::User + 1));
  QCoreApplication::sendEvent(&object, &next);
  application->SetErrorBoxes(nullptr);

  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0],
            (ScriptedMessageBoxes::Box{ScriptedMessageBoxes::Kind::Error,
                                       QStringLiteral("Quandel Zufora"),
                                       QStringLiteral("Datei nicht lesbar: Zugriff verweigert.")}));
  EXPECT_EQ(object.handled, 1);
}

}  // namespace
}  // namespace zufora::testing
