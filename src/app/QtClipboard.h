#pragma once

#include "Clipboard.h"

namespace zufora::app {

// Clipboard as the desktop's clipboard.
class QtClipboard : public Clipboard {
 public:
  void SetText(const QString& text) override;
};

}  // namespace zufora::app
