#include "QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zufora::app {

void QtClipboard::SetText(const QString& text) {
  QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

}  // namespace zufora::app
