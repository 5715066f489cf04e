#include "QtDesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace zufora::app {

void QtDesktopShell::Open(const QString& address) {
  QDesktopServices::openUrl(QUrl::fromUserInput(address.trimmed()));
}

}  // namespace zufora::app
