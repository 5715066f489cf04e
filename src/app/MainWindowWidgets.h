#pragma once

#include <array>

#include "design/Page.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class QWidget;

namespace zufora::app {

class ListTextEdit;

// The controls of the main window, named here by their role; each has its component name
// as its object name (in the comments), by which a language file and the tests address
// it. BuildMainWindowWidgets places them at their positions; texts come later, from the
// window's texts.
struct MainWindowWidgets {
  QTabWidget* tabs = nullptr;                // PageControl1
  std::array<QWidget*, kPageCount> pages{};  // TabSheetDesign ... TabSheetInfo, in tab order

  // The design page, TabSheetDesign
  QLineEdit* study_name_field = nullptr;    // EditStudName
  QLineEdit* sample_size_field = nullptr;   // EditAnz
  QLineEdit* arm_count_field = nullptr;     // EditArme
  QCheckBox* per_centre_switch = nullptr;   // CheckBoxZentren
  QLineEdit* centre_count_field = nullptr;  // EditZentren
  QCheckBox* strata_switch = nullptr;       // CheckBoxStrata
  QLabel* design_page_logo = nullptr;       // ImageLogo1

  // The arms page, TabSheetArme
  QTableView* arm_table = nullptr;         // StringGridArme
  std::array<QLineEdit*, 3> arm_fields{};  // EditCArm, EditCBeschr, EditCRatio

  // The centres page, TabSheetZentren
  QTableView* centre_table = nullptr;         // StringGridZentren
  QLineEdit* centre_sum_field = nullptr;      // EditSumme
  std::array<QLineEdit*, 4> centre_fields{};  // EditAZentrum, EditANummer, EditABeschr,
                                              // EditAFallzahl

  // The strata page, TabSheetStrata
  QTableView* factor_table = nullptr;            // StringGridFaktoren
  std::array<QLineEdit*, 3> factor_fields{};     // EditFaktor, EditFaktorName, EditFaktorFeld
  std::array<QPushButton*, 4> factor_buttons{};  // BitBtnFaktorNeu, ...Loeschen, ...Hoch,
                                                 // ...Runter (in RowEdit order)
  QTableView* level_table = nullptr;             // StringGridStufen
  std::array<QLineEdit*, 3> level_fields{};      // EditStufe, EditStufeCode, EditStufeBez
  std::array<QPushButton*, 4> level_buttons{};   // BitBtnStufeNeu, ...Loeschen, ...Hoch,
                                                 // ...Runter (in RowEdit order)
  QLineEdit* stratum_length_field = nullptr;     // EditStratumLaenge

  // The block size page, TabSheetBlock
  QRadioButton* fixed_block_size_choice = nullptr;     // RadioButton1
  QLineEdit* fixed_block_size_field = nullptr;         // EditFix
  QRadioButton* variable_block_size_choice = nullptr;  // RadioButton2
  QLineEdit* min_block_size_field = nullptr;           // EditVon
  QLineEdit* max_block_size_field = nullptr;           // EditBis
  QPlainTextEdit* block_size_help_note = nullptr;      // Memo2

  // The seed page, TabSheetZufall
  QLineEdit* seed_field = nullptr;             // EditZZ
  QLabel* seed_range_label = nullptr;          // LabelMinMaxSeed
  QPushButton* propose_seed_button = nullptr;  // ButtonZZ
  QPlainTextEdit* seed_help_note = nullptr;    // Memo1

  // The list page, TabSheetListe
  QPushButton* generate_button = nullptr;      // BitBtnStart
  QCheckBox* mark_blocks_switch = nullptr;     // CheckBoxBlocks
  QCheckBox* show_seed_switch = nullptr;       // CheckBoxSeed
  QCheckBox* test_list_switch = nullptr;       // CheckBoxTestliste
  QCheckBox* numbers_switch = nullptr;         // CheckBoxNummern
  QCheckBox* random_numbers_switch = nullptr;  // CheckBoxZufallsnummern
  QLineEdit* number_format_field = nullptr;    // EditNummernformat, under LabelNummernformat
  QCheckBox* check_digit_switch = nullptr;     // CheckBoxPruefziffer
  ListTextEdit* list_field = nullptr;          // RichEditList
  QPushButton* export_button = nullptr;        // BitBtnExport
  QPushButton* print_button = nullptr;         // BitBtnPrint
  QPushButton* preview_button = nullptr;       // BitBtnPreview: the print window's preview
  QPushButton* copy_button = nullptr;          // BitBtnClipboard
  QPushButton* site_list_button = nullptr;     // BitBtnZentrumsliste: the site list, no arms
  QPushButton* envelopes_button = nullptr;     // BitBtnEnvelopes "Umschläge drucken"

  // The info page, TabSheetInfo
  QLabel* program_picture = nullptr;     // Image1
  QLabel* web_address_label = nullptr;   // LabelWWW
  QLabel* info_page_logo = nullptr;      // ImageLogo2
  QComboBox* language_choice = nullptr;  // ComboBoxLanguage, under LabelLanguage

  // Below and above the pages
  QPushButton* back_button = nullptr;   // BitBtnBack
  QPushButton* next_button = nullptr;   // BitBtnNext
  QPushButton* open_button = nullptr;   // BitBtnLoad
  QPushButton* save_button = nullptr;   // BitBtnSave
  QPushButton* close_button = nullptr;  // BitBtnClose
};

}  // namespace zufora::app
