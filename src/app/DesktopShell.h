#pragma once

#include <QString>

namespace zufora::app {

// Hands an address to the desktop, which opens it with its own handler (a browser, a
// file manager). Whether that worked is not reported: a failure is ignored.
class DesktopShell {
 public:
  virtual ~DesktopShell() = default;
  virtual void Open(const QString& address) = 0;
};

}  // namespace zufora::app
