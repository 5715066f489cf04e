#pragma once

#include <QString>
#include <vector>

#include "DesktopShell.h"

namespace zufora::testing {

// Records the addresses handed to the desktop, in order; opens nothing.
class RecordingDesktopShell : public app::DesktopShell {
 public:
  void Open(const QString& address) override { addresses_.push_back(address); }
  const std::vector<QString>& Addresses() const { return addresses_; }

 private:
  std::vector<QString> addresses_;
};

}  // namespace zufora::testing
