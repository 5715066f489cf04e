#pragma once

#include <QString>

class QWidget;

namespace zufora::app {

class MessageBoxes;

// The caption of plain messages and of the error box; the desktop's name of the program.
inline constexpr char kApplicationTitle[] = "Quandel Zufora";

// The text of the general error box: the error's message, with a full stop appended
// when its last character comes after the full stop in character order (a letter, a
// digit, "?" or ":"), but not after ".", "!" or a blank.
QString ErrorBoxText(const QString& message);

// Shows an error that no operation handled: captioned with the application title, the
// error symbol, one OK button.
void ShowErrorBox(MessageBoxes& boxes, QWidget* parent, const QString& message);

}  // namespace zufora::app
