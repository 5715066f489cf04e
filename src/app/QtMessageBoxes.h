#pragma once

#include "MessageBoxes.h"

namespace zufora::app {

// MessageBoxes as modal QMessageBoxes.
class QtMessageBoxes : public MessageBoxes {
 public:
  void Inform(QWidget* parent, const QString& caption, const QString& text) override;
  bool Ask(QWidget* parent, const QString& caption, const QString& text) override;
  void ShowError(QWidget* parent, const QString& caption, const QString& text) override;
};

}  // namespace zufora::app
