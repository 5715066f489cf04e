#include "ZuforaApplication.h"

#include <exception>
#include <iostream>

#include "ErrorBox.h"
#include "qtprint/Cp1252QString.h"

namespace zufora::app {

ZuforaApplication::ZuforaApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The name, not the display name: the latter would be appended to every window title.
  setApplicationName(QString::fromLatin1(kApplicationTitle));
  setDesktopFileName(QStringLiteral("zufora"));
}

void ZuforaApplication::ReportError(const QString& message) {
  if (error_boxes_ == nullptr) {
    std::cerr << "zufora: " << ErrorBoxText(message).toStdString() << '\n';
    return;
  }
  ShowErrorBox(*error_boxes_, activeWindow(), message);
}

bool ZuforaApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ReportError(FromMessageBytes(error.what()));
  } catch (...) {
    ReportError(QStringLiteral("Unbekannter Fehler"));
  }
  return false;
}

}  // namespace zufora::app
