#pragma once

#include <QString>
#include <vector>

#include "Clipboard.h"

namespace zufora::testing {

// Records the texts put on the clipboard, in order.
class RecordingClipboard : public app::Clipboard {
 public:
  void SetText(const QString& text) override { texts_.push_back(text); }
  const std::vector<QString>& Texts() const { return texts_; }

 private:
  std::vector<QString> texts_;
};

}  // namespace zufora::testing
