#pragma once

#include <array>

class QCheckBox;
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

// The controls of the main window, each with its component name as its object name.
// BuildMainWindowWidgets places them at their positions; texts come later, from the
// window's texts.
struct MainWindowWidgets {
  QTabWidget* page_control = nullptr;  // PageControl1
  std::array<QWidget*, 7> pages{};     // TabSheetDesign ... TabSheetInfo, in tab order

  // TabSheetDesign
  QLineEdit* edit_stud_name = nullptr;
  QLineEdit* edit_anz = nullptr;
  QLineEdit* edit_arme = nullptr;
  QCheckBox* check_box_zentren = nullptr;
  QLineEdit* edit_zentren = nullptr;
  QLabel* image_logo1 = nullptr;

  // TabSheetArme
  QTableView* string_grid_arme = nullptr;
  std::array<QLineEdit*, 3> arm_fields{};  // EditCArm, EditCBeschr, EditCRatio

  // TabSheetZentren
  QTableView* string_grid_zentren = nullptr;
  QLineEdit* centre_sum_text = nullptr;
  std::array<QLineEdit*, 4> centre_fields{};  // EditAZentrum, EditANummer, EditABeschr,
                                              // EditAFallzahl

  // TabSheetBlock
  QRadioButton* radio_button1 = nullptr;
  QLineEdit* edit_fix = nullptr;
  QRadioButton* radio_button2 = nullptr;
  QLineEdit* edit_von = nullptr;
  QLineEdit* edit_bis = nullptr;
  QPlainTextEdit* memo2 = nullptr;

  // TabSheetZufall
  QLineEdit* edit_zz = nullptr;
  QLabel* label_min_max_seed = nullptr;
  QPushButton* button_zz = nullptr;
  QPlainTextEdit* memo1 = nullptr;

  // TabSheetListe
  QPushButton* bit_btn_start = nullptr;
  QCheckBox* mark_blocks = nullptr;
  QCheckBox* show_seed = nullptr;
  ListTextEdit* rich_edit_list = nullptr;
  QPushButton* bit_btn_export = nullptr;
  QPushButton* bit_btn_print = nullptr;
  QPushButton* bit_btn_preview = nullptr;  // BitBtnPreview: the print window's preview
  QPushButton* bit_btn_clipboard = nullptr;

  // TabSheetInfo
  QLabel* image1 = nullptr;
  QLabel* label_www = nullptr;
  QLabel* image_logo2 = nullptr;

  // Below and above the pages
  QPushButton* bit_btn_back = nullptr;
  QPushButton* bit_btn_next = nullptr;
  QPushButton* bit_btn_load = nullptr;
  QPushButton* bit_btn_save = nullptr;
  QPushButton* bit_btn_close = nullptr;
};

}  // namespace zufora::app
