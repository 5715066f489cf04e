#pragma once

#include <optional>
#include <string_view>

#include "design/Page.h"

namespace zufora {

// The controls of the main window that can hold the input focus, named as their
// components. The window tells the pages model which of them has the focus; where the
// focus is decides which exit handlers a focus change or page move runs.
enum class Control {
  None,  // nothing the model knows of (another window, or before the first show)
  // Outside the pages.
  PageControl1,  // the row of tabs
  BitBtnBack,
  BitBtnNext,
  BitBtnLoad,
  BitBtnSave,
  BitBtnClose,
  // TabSheetDesign
  EditStudName,
  EditAnz,
  EditArme,
  CheckBoxZentren,
  EditZentren,
  // TabSheetArme
  StringGridArme,
  EditCArm,
  EditCBeschr,
  EditCRatio,
  // TabSheetZentren
  StringGridZentren,
  EditAZentrum,
  EditANummer,
  EditABeschr,
  EditAFallzahl,
  EditSumme,
  // TabSheetBlock
  RadioButton1,
  EditFix,
  RadioButton2,
  EditVon,
  EditBis,
  // TabSheetZufall
  EditZZ,
  ButtonZZ,
  // TabSheetListe
  BitBtnStart,
  CheckBoxBlocks,
  CheckBoxSeed,
  RichEditList,
  BitBtnExport,
  BitBtnPrint,
  BitBtnClipboard,
};

// The page that holds `control`; none for the controls outside the pages.
std::optional<Page> PageOf(Control control);
// The component name ("EditAnz"); empty for None.
std::string_view ControlName(Control control);
// The control of that component name; None for a name that is no such control.
Control ControlByName(std::string_view name);

}  // namespace zufora
