#pragma once

#include "MainWindowWidgets.h"
#include "lang/ProgramTexts.h"

class QWidget;

namespace zufora::app {

// Shows the main window's texts (texts.main_window) on its controls: the window's caption,
// the tabs' captions, the captions of buttons, check boxes, radio buttons and labels
// (a label without a buddy shows "&&" as "&" and drops a lone "&"), every tooltip and the
// lines of the help notes. The preview button, which the main window has in place of the
// print window's, takes the print window's caption of it. Emits the widgets' signals:
// call it with the window's handlers held off.
void ApplyWindowTexts(const ProgramTexts& texts, QWidget& window, const MainWindowWidgets& widgets);

}  // namespace zufora::app
