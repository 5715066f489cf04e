#pragma once

#include <array>
#include <optional>
#include <string>

#include "lang/DerivedTexts.h"
#include "lang/Language.h"
#include "lang/LanguageFile.h"
#include "lang/LanguageIdentity.h"
#include "lang/MainWindowTexts.h"
#include "lang/MessageCatalogue.h"
#include "lang/PrintWindowTexts.h"
#include "lang/TextWindow.h"

namespace zufora {

// The caption that the first show gives LabelMinMaxSeed, whatever a language file says.
inline constexpr std::string_view kSeedRangeCaption = "1 ... 2147483647";

// Every text of the program's three windows and the texts derived from them: what the
// window shows and what the command line writes. A fresh object holds the built-in
// German texts, the state before the first show.
struct ProgramTexts {
  TextWindow main_window = MakeMainWindowTexts();
  TextWindow print_window = MakePrintWindowTexts();
  MessageCatalogue catalogue{};
  DerivedTexts derived{};
  LanguageIdentity language{};  // the language file's, German before one is applied

  // The windows in creation order: FormZufora, FormDruck, FormLang. The pointers are
  // valid as long as this object stays where it is.
  std::array<TextWindow*, 3> Windows() {
    return {&main_window, &print_window, &catalogue.Window()};
  }
  std::array<const TextWindow*, 3> Windows() const {
    return {&main_window, &print_window, &catalogue.Window()};
  }
};

// The text steps of the main window's first show, once, on fresh texts:
//   1. translate all three windows with file, when a language file was found, and take
//      the language it states;
//   2. block_separator from the caption of LabelBlock on FormLang;
//   3. center_caption from the caption of LabelCenter, stratum_caption from the caption
//      of LabelStratum on FormLang;
//   4. the caption of LabelMinMaxSeed := kSeedRangeCaption;
//   5. the design dialogs' titles from the captions of BitBtnSave and BitBtnLoad.
// Without a file (nullptr) returns the plain message to show once, "Missing language
// file. Please reinstall the software."; steps 2 to 5 then use the built-in texts.
// Reading the file from disk is RunFirstShow's (files/FirstShow.h).
std::optional<std::string> ApplyFirstShowTexts(ProgramTexts& texts, const LanguageFile* file);

}  // namespace zufora
