#pragma once

#include <string>

namespace zufora {

// What a file dialog of the main window shows and proposes. In a filter, "|" separates
// a description from its pattern.
struct FileDialogTexts {
  std::string title;
  std::string filter;
  std::string default_extension;
};

inline constexpr char kDesignFileFilter[] = "Zufora Design (*.zfd)|*.zfd|Alle Dateien (*.*)|*.*";

// The main window's texts besides its components' own: fixed at the first show from
// the translated captions (block separator, centre word, design dialog titles) or
// fixed for good (the export dialog). Before the first show the separator and centre
// word are empty and the design dialogs carry their construction titles. cp1252.
struct DerivedTexts {
  // "------- " + caption of LabelBlock on FormLang + " ------": the line that marks the
  // end of a block in the list text and the printout.
  std::string block_separator{};
  // The caption of LabelCenter: a centre heading is this, a blank and the number.
  std::string center_caption{};
  // The caption of LabelStratum on FormLang: a stratum heading without centres is this,
  // a blank and the stratum's number.
  std::string stratum_caption{};
  FileDialogTexts save_dialog_export{"Liste exportieren", "*.txt|*.txt", ".txt"};
  FileDialogTexts save_dialog_design{"Design speichern", kDesignFileFilter, "zfd"};
  FileDialogTexts open_dialog_design{"Design laden", kDesignFileFilter, "zfd"};
};

}  // namespace zufora
