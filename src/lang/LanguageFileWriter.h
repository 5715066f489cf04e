#pragma once

#include <span>
#include <string>
#include <string_view>

#include "lang/ProgramTexts.h"
#include "lang/TextWindow.h"

namespace zufora {

// The texts of the given windows as a language file (cp1252, CR LF), such that reading
// it back and translating the same windows with it changes nothing. One section per
// window, named as the translation walk reads it, holding:
// - the window's caption;
// - every Caption, Hint and Category that a component has and that is not empty;
// - every line of a "TMemo" or "TCustomMemo" (empty lines too, since present lines
//   replace all lines);
// - the non-empty items of a "TCheckListBox", "TRadioGroup" or "TComboBox" and the
//   non-empty sections of a "THeaderControl".
// Texts that no language file can carry unchanged (a blank or control character at
// either end, or a line break inside) are written as comment lines ("; key=value")
// instead, so that a translator still sees them; for a multi-line field all its lines
// become comments when any one of them cannot be carried, since the lines are only
// ever replaced together. The file starts with `heading`, one comment line per line.
std::string WriteLanguageFileText(std::span<const TextWindow* const> windows,
                                  std::string_view heading);

// The program's texts as a language file: the heading, the section [Language] with the
// texts' language (LanguageIdentity.h), then the three windows as above.
std::string WriteLanguageFileText(const ProgramTexts& texts, std::string_view heading);

}  // namespace zufora
