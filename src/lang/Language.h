#pragma once

#include <span>
#include <string_view>

#include "lang/LanguageFile.h"
#include "lang/TextComponent.h"
#include "lang/TextWindow.h"

// The translation of window texts by a language file. A window's section is its name
// up to its first underscore (W below); every key starts with W and a full stop:
//   W.Caption                  the window's caption
//   W.C.Caption / .Hint / .Category   the text property of component C, where it has one
//   W.C.Lines[n]               the lines of a "TMemo" or "TCustomMemo"
//   W.C.Items[n]               the items of a "TCheckListBox", "TRadioGroup", "TComboBox"
//   W.C.Section[n]             the sections of a "THeaderControl"
// Class names compare exactly, so a class derived from one of these gets only the three
// text properties. An empty value changes nothing (except a check-list box item, below).
namespace zufora {

// The name the program looks for beside its executable.
inline constexpr std::string_view kLanguageFileName = "ZuforaLang.ini";

// Sets the text property "Caption", "Hint" or "Category" (names exact) when the value
// is not empty and the component has that property; otherwise does nothing.
void SetTextProperty(TextComponent& component, std::string_view property_name,
                     std::string_view value);

// Translates one window and every component it owns, in ownership order:
// captions, hints and categories; memo lines (present "Lines[0]" replaces all lines by
// Lines[0], Lines[1], ... up to the first missing index, empty values giving empty
// lines); check-list box items (absent key or the value "fsdef" keeps the item, an
// empty value empties it); radio group and combo box items and header sections (a
// non-empty value replaces the existing item; none is ever added). Keys for other
// components or properties have no effect.
void TranslateWindow(TextWindow& window, const LanguageFile& file);

// TranslateWindow for every window, in the order given (the program's creation order:
// FormZufora, FormDruck, FormLang).
void TranslateWindows(std::span<TextWindow* const> windows, const LanguageFile& file);

}  // namespace zufora
