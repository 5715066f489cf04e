#pragma once

#include <string_view>

#include "lang/TextWindow.h"

namespace zufora {

inline constexpr std::string_view kMainWindowName = "FormZufora";

// The texts of the main window FormZufora: every component with its name, class,
// default Caption, Hint and Lines, in ownership order. The translation walk runs over
// it, the headless design pages read their captions from it, and the window binds its
// widgets' texts to it.
//
// Classes are the window's component classes (TLabel, TEdit, TCheckBox, TRadioButton,
// TButton, TBitBtn, TPanel, TTabSheet, TPageControl, TStringGrid, TImage, TMemo,
// TRichEdit, TSaveDialog, TOpenDialog). Labels, buttons, check boxes, radio buttons,
// pages and panels have a Caption; every visible control has a Hint (empty unless a
// tooltip is shown); no component has a Category; the dialogs have neither, their
// titles are part of DerivedTexts. `LabelMinMaxSeed` has an empty caption until the
// first show sets it. Texts are cp1252.
TextWindow MakeMainWindowTexts();

}  // namespace zufora
