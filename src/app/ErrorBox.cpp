#include "ErrorBox.h"

#include "MessageBoxes.h"

namespace zufora::app {

QString ErrorBoxText(const QString& message) {
  if (!message.isEmpty() && message.back().unicode() > u'.') {
    return message + QLatin1Char('.');
  }
  return message;
}

void ShowErrorBox(MessageBoxes& boxes, QWidget* parent, const QString& message) {
  boxes.ShowError(parent, QString::fromLatin1(kApplicationTitle), ErrorBoxText(message));
}

}  // namespace zufora::app
