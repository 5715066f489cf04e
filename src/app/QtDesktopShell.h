#pragma once

#include "DesktopShell.h"

namespace zufora::app {

// DesktopShell through QDesktopServices: an address with a scheme as it stands, a bare
// path as a local file.
class QtDesktopShell : public DesktopShell {
 public:
  void Open(const QString& address) override;
};

}  // namespace zufora::app
