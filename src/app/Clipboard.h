#pragma once

#include <QString>

namespace zufora::app {

// The desktop's clipboard, text only.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void SetText(const QString& text) = 0;
};

}  // namespace zufora::app
