#pragma once

#include <QString>

class QWidget;

namespace zufora::app {

// The modal boxes of the program. The window reaches them only through this interface,
// so that tests can script the answers and record what was shown.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  // A box with the caption, the text and one OK button, no symbol.
  virtual void Inform(QWidget* parent, const QString& caption, const QString& text) = 0;
  // A box with Yes and No and no symbol; true for Yes.
  virtual bool Ask(QWidget* parent, const QString& caption, const QString& text) = 0;
  // A box with the error symbol and one OK button.
  virtual void ShowError(QWidget* parent, const QString& caption, const QString& text) = 0;
};

}  // namespace zufora::app
