#pragma once

#include <string_view>

#include "lang/TextWindow.h"

namespace zufora {

inline constexpr std::string_view kPrintWindowName = "FormDruck";

// The texts of the never-shown print window FormDruck, in ownership order: the buttons
// Button1 "Druckvorschau" and Button2 "Drucken", the line buffer Memo1 (a TMemo
// without lines), ScrollBox1 holding Image1, RadioGroup1 with the items "vertikal" and
// "horizontal", and PrintDialog1 (neither Caption nor Hint). Nobody sees these texts;
// the translation walk treats them like every other window's.
TextWindow MakePrintWindowTexts();

}  // namespace zufora
