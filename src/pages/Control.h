#pragma once

#include <optional>
#include <string_view>

#include "design/Page.h"

namespace zufora {

// The controls of the main window that can hold the input focus, by what they are;
// the comment after each names its component. The window tells the pages model which of them has
// the focus; where the focus is decides which exit handlers a focus change or page move runs.
enum class Control {
  None,  // nothing the model knows of (another window, or before the first show)
  // Outside the pages.
  Tabs,         // PageControl1 (the row of tabs)
  BackButton,   // BitBtnBack
  NextButton,   // BitBtnNext
  OpenButton,   // BitBtnLoad
  SaveButton,   // BitBtnSave
  CloseButton,  // BitBtnClose
  // TabSheetDesign
  StudyNameField,    // EditStudName
  SampleSizeField,   // EditAnz
  ArmCountField,     // EditArme
  PerCentreSwitch,   // CheckBoxZentren
  CentreCountField,  // EditZentren
  StrataSwitch,      // CheckBoxStrata
  // TabSheetArme
  ArmTable,             // StringGridArme
  ArmLabelField,        // EditCArm
  ArmDescriptionField,  // EditCBeschr
  ArmRatioField,        // EditCRatio
  // TabSheetZentren
  CentreTable,             // StringGridZentren
  CentreLabelField,        // EditAZentrum
  CentreNumberField,       // EditANummer
  CentreDescriptionField,  // EditABeschr
  CentreSampleSizeField,   // EditAFallzahl
  CentreSumField,          // EditSumme
  // TabSheetStrata
  FactorTable,         // StringGridFaktoren
  FactorLabelField,    // EditFaktor
  FactorNameField,     // EditFaktorName
  FactorFieldField,    // EditFaktorFeld
  AddFactorButton,     // BitBtnFaktorNeu
  RemoveFactorButton,  // BitBtnFaktorLoeschen
  FactorUpButton,      // BitBtnFaktorHoch
  FactorDownButton,    // BitBtnFaktorRunter
  LevelTable,          // StringGridStufen
  LevelLabelField,     // EditStufe
  LevelCodeField,      // EditStufeCode
  LevelTextField,      // EditStufeBez
  AddLevelButton,      // BitBtnStufeNeu
  RemoveLevelButton,   // BitBtnStufeLoeschen
  LevelUpButton,       // BitBtnStufeHoch
  LevelDownButton,     // BitBtnStufeRunter
  StratumLengthField,  // EditStratumLaenge
  // TabSheetBlock
  FixedBlocksOption,     // RadioButton1
  FixedBlockSizeField,   // EditFix
  VariableBlocksOption,  // RadioButton2
  MinBlockSizeField,     // EditVon
  MaxBlockSizeField,     // EditBis
  // TabSheetZufall
  SeedField,          // EditZZ
  ProposeSeedButton,  // ButtonZZ
  // TabSheetListe
  GenerateButton,    // BitBtnStart
  MarkBlocksSwitch,  // CheckBoxBlocks
  ShowSeedSwitch,    // CheckBoxSeed
  ListField,         // RichEditList
  ExportButton,      // BitBtnExport
  PrintButton,       // BitBtnPrint
  CopyButton,        // BitBtnClipboard
};

// The page that holds `control`; none for the controls outside the pages.
std::optional<Page> PageOf(Control control);
// The component name ("EditAnz"); empty for None.
std::string_view ControlName(Control control);
// The control of that component name; None for a name that is no such control.
Control ControlByName(std::string_view name);

}  // namespace zufora
