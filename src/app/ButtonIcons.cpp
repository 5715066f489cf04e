#include "ButtonIcons.h"

#include <mutex>

// The icons are built into the program's static library: Qt's resource macro makes sure
// they are linked and registered (outside any namespace, as the macro requires).
static void RegisterButtonIcons() {
  Q_INIT_RESOURCE(button_icons);
}

namespace zufora::app {

QIcon ButtonIcon(const char* freedesktop_name) {
  static std::once_flag registered;
  std::call_once(registered, RegisterButtonIcons);
  const QString name = QString::fromLatin1(freedesktop_name);
  return QIcon::fromTheme(
      name, QIcon(QStringLiteral(":/zufora/buttons/") + name + QStringLiteral(".svg")));
}

}  // namespace zufora::app
