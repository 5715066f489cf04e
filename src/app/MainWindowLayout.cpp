#include "MainWindowLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "ButtonIcons.h"
#include "CompactTabStyle.h"
#include "Cp1252Validator.h"
#include "ElidedTextTips.h"
#include "WindowFonts.h"

namespace zufora::app {
namespace {

constexpr char kListButtonColumn[] = "ListPageButtons";
// The list page's button column as first laid out, and its distance from the list field.
constexpr int kListButtonColumnLeft = 399;
constexpr int kListButtonColumnWidth = 94;
constexpr int kListButtonColumnGap = 6;
constexpr int kLineHeight = 21;
constexpr char kColumnWidthsProperty[] = "columnWidths";

template <typename Widget>
Widget* Make(QWidget* parent, const char* name, int left, int top, int width = 0, int height = 0) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(name));
  widget->move(left, top);
  if (width > 0 && height > 0) {
    widget->resize(width, height);
  }
  return widget;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, int left, int top, int width,
                    const ListTextEdit::Refusal& on_refused) {
  auto* edit = Make<QLineEdit>(parent, name, left, top, width, kLineHeight);
  edit->setValidator(new Cp1252Validator(on_refused, edit));
  // Disabled fields take the colour of a button face.
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Disabled, QPalette::Base, palette.color(QPalette::Button));
  edit->setPalette(palette);
  return edit;
}

QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, QWidget* buddy = nullptr) {
  auto* label = Make<QLabel>(parent, name, left, top);
  if (buddy != nullptr) {
    label->setBuddy(buddy);
  }
  return label;
}

// A field of a table page's row panel under its label.
QLineEdit* MakeRowField(QWidget* panel, const char* name, const char* label_name, int left,
                        int width, const ListTextEdit::Refusal& on_refused) {
  QLineEdit* field = MakeEdit(panel, name, left, 30, width, on_refused);
  MakeLabel(panel, label_name, left, 12, field);
  return field;
}

QFrame* MakePanel(QWidget* parent, const char* name, int left, int top, int width, int height) {
  auto* panel = Make<QFrame>(parent, name, left, top, width, height);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFrameShadow(QFrame::Raised);
  return panel;
}

QPushButton* MakeButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon, int left,
                        int top, int width, int height) {
  auto* button = Make<QPushButton>(parent, name, left, top, width, height);
  if (icon != QStyle::SP_CustomBase) {
    button->setIcon(button->style()->standardIcon(icon));
  }
  button->setAutoDefault(false);
  return button;
}

// A button with the desktop theme's icon of that freedesktop name (ButtonIcon).
QPushButton* MakeButton(QWidget* parent, const char* name, const char* icon, int left, int top,
                        int width, int height) {
  QPushButton* button = MakeButton(parent, name, QStyle::SP_CustomBase, left, top, width, height);
  button->setIcon(ButtonIcon(icon));
  return button;
}

QTableView* MakeGrid(QWidget* parent, const char* name, std::initializer_list<int> widths) {
  auto* grid = Make<QTableView>(parent, name, 8, 8, 481, 132);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setDefaultSectionSize(24);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setTabKeyNavigation(false);
  grid->setWordWrap(false);
  // A heading or text cut to its narrow column is shown whole as a tooltip.
  grid->setItemDelegate(new ElidedTextTips(grid));
  const QList<int> column_widths(widths);
  grid->setProperty(kColumnWidthsProperty, QVariant::fromValue(column_widths));
  return grid;
}

QPlainTextEdit* MakeNote(QWidget* parent, const char* name, int points, int top, int height) {
  // A language file may give a note lines of any length: held as the list field holds them.
  auto* note = new ListTextEdit(nullptr, parent);
  note->setObjectName(QString::fromLatin1(name));
  note->setGeometry(8, top, 481, height);
  note->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  note->setReadOnly(true);
  note->setFont(NoteFont(points));
  note->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  note->setFocusPolicy(Qt::NoFocus);
  return note;
}

// The fields of a row panel under the strata page's tables, and its buttons Neu,
// Löschen, up and down (in RowEdit order).
void MakeStrataRowPanel(QWidget* page, const char* panel_name, int left,
                        const std::array<const char*, 6>& names, const std::array<int, 3>& widths,
                        const ListTextEdit::Refusal& on_refused, std::array<QLineEdit*, 3>& fields,
                        std::array<QPushButton*, 4>& buttons) {
  QFrame* panel = MakePanel(page, panel_name, left, 116, 236, 88);
  int x = 8;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    fields[i] = MakeRowField(panel, names[2 * i + 1], names[2 * i], x, widths[i], on_refused);
    x += widths[i] + 4;
  }
  const char* const button_names[] = {"Neu", "Loeschen", "Hoch", "Runter"};
  const std::string stem =
      std::string(names[1]).replace(0, 4, "BitBtn");  // EditFaktor -> BitBtnFaktor
  const QStyle::StandardPixmap icons[] = {QStyle::SP_CustomBase, QStyle::SP_CustomBase,
                                          QStyle::SP_ArrowUp, QStyle::SP_ArrowDown};
  const int lefts[] = {8, 68, 172, 202};
  const int button_widths[] = {56, 72, 26, 26};
  for (std::size_t b = 0; b < buttons.size(); ++b) {
    buttons[b] = MakeButton(panel, (stem + button_names[b]).c_str(), icons[b], lefts[b], 58,
                            button_widths[b], 24);
  }
}

// Strata: the factor table and the level table of the chosen factor side by side, each
// with its row panel below, and the length of each stratum at the bottom.
void BuildStrataPage(QWidget& page, const ListTextEdit::Refusal& on_refused, MainWindowWidgets& w) {
  w.factor_table = MakeGrid(&page, "StringGridFaktoren", {56, 90, 84});
  w.factor_table->setGeometry(8, 8, 236, 104);
  MakeStrataRowPanel(&page, "PanelFaktor", 8,
                     {"LabelFaktor", "EditFaktor", "LabelFaktorName", "EditFaktorName",
                      "LabelFaktorFeld", "EditFaktorFeld"},
                     {56, 84, 76}, on_refused, w.factor_fields, w.factor_buttons);
  w.level_table = MakeGrid(&page, "StringGridStufen", {56, 60, 114});
  w.level_table->setGeometry(253, 8, 236, 104);
  MakeStrataRowPanel(&page, "PanelStufe", 253,
                     {"LabelStufe", "EditStufe", "LabelStufeCode", "EditStufeCode", "LabelStufeBez",
                      "EditStufeBez"},
                     {56, 56, 104}, on_refused, w.level_fields, w.level_buttons);
  w.stratum_length_field = MakeEdit(&page, "EditStratumLaenge", 8, 214, 64, on_refused);
  MakeLabel(&page, "LabelStratumLaenge", 80, 217, w.stratum_length_field);
}

QWidget* AddPage(QTabWidget* tabs, std::string_view name) {
  auto* page = new QWidget;
  page->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  tabs->addTab(page, QString());
  return page;
}

}  // namespace

MainWindowWidgets BuildMainWindowWidgets(QWidget& window, const ListTextEdit::Refusal& on_refused) {
  MainWindowWidgets w;
  window.setFont(WindowFont());
  window.setFixedSize(kClientWidth, kClientHeight);

  w.tabs = Make<QTabWidget>(&window, "PageControl1", 8, 8, 505, 321);
  auto* tab_style = new CompactTabStyle;
  tab_style->setParent(w.tabs);
  w.tabs->tabBar()->setStyle(tab_style);
  w.tabs->tabBar()->setUsesScrollButtons(false);
  w.tabs->tabBar()->setExpanding(false);
  for (std::size_t i = 0; i < w.pages.size(); ++i) {
    w.pages[i] = AddPage(w.tabs, PageName(static_cast<Page>(i)));
  }
  auto page = [&w](Page p) { return w.pages[static_cast<std::size_t>(p)]; };
  // Back and Next lie over the lower right corner of the pages, so the controls of a
  // page keep out of the rectangle from (310, 250) in page coordinates.

  // Studiendesign
  QFrame* design_panel = MakePanel(page(Page::Design), "Panel5", 4, 4, 489, 244);
  w.study_name_field = MakeEdit(design_panel, "EditStudName", 16, 34, 300, on_refused);
  MakeLabel(design_panel, "LabelStudName", 16, 16, w.study_name_field);
  w.sample_size_field = MakeEdit(design_panel, "EditAnz", 16, 82, 80, on_refused);
  MakeLabel(design_panel, "LabelSampleSizePlanned", 16, 64, w.sample_size_field);
  w.arm_count_field = MakeEdit(design_panel, "EditArme", 16, 130, 80, on_refused);
  MakeLabel(design_panel, "LabelArmCount", 16, 112, w.arm_count_field);
  w.per_centre_switch = Make<QCheckBox>(design_panel, "CheckBoxZentren", 16, 164);
  w.centre_count_field = MakeEdit(design_panel, "EditZentren", 16, 208, 80, on_refused);
  MakeLabel(design_panel, "LabelCenterCount", 16, 190, w.centre_count_field);
  w.design_page_logo = Make<QLabel>(design_panel, "ImageLogo1", 360, 16, 107, 100);
  w.strata_switch = Make<QCheckBox>(design_panel, "CheckBoxStrata", 120, 210);
  // The label above the centre count comes after the check box in the keyboard order.
  QWidget::setTabOrder(w.per_centre_switch, w.centre_count_field);
  QWidget::setTabOrder(w.centre_count_field, w.strata_switch);

  // Studienarme
  w.arm_table = MakeGrid(page(Page::Arms), "StringGridArme", {64, 316, 64});
  QFrame* arm_row_panel = MakePanel(page(Page::Arms), "Panel3", 8, 148, 481, 96);
  w.arm_fields[0] = MakeRowField(arm_row_panel, "EditCArm", "LabelArm", 8, 64, on_refused);
  w.arm_fields[1] =
      MakeRowField(arm_row_panel, "EditCBeschr", "LabelArmDescr", 80, 316, on_refused);
  w.arm_fields[2] = MakeRowField(arm_row_panel, "EditCRatio", "LabelRatio", 404, 64, on_refused);

  // Studienzentren
  QWidget* centre_page = page(Page::Centres);
  w.centre_table = MakeGrid(centre_page, "StringGridZentren", {64, 60, 262, 64});
  w.centre_sum_field = MakeEdit(centre_page, "EditSumme", 404, 146, 64, on_refused);
  auto* sum_label = MakeLabel(centre_page, "LabelCenterSum", 248, 148, w.centre_sum_field);
  sum_label->resize(150, kLineHeight - 4);
  sum_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFrame* centre_row_panel = MakePanel(centre_page, "Panel4", 8, 174, 481, 72);
  w.centre_fields[0] =
      MakeRowField(centre_row_panel, "EditAZentrum", "LabelCenter", 8, 64, on_refused);
  w.centre_fields[1] =
      MakeRowField(centre_row_panel, "EditANummer", "LabelCenterId", 80, 60, on_refused);
  w.centre_fields[2] =
      MakeRowField(centre_row_panel, "EditABeschr", "LabelCenterDescr", 148, 220, on_refused);
  w.centre_fields[3] =
      MakeRowField(centre_row_panel, "EditAFallzahl", "LabelSampleSize", 376, 92, on_refused);
  QWidget::setTabOrder(w.centre_table, w.centre_sum_field);

  BuildStrataPage(*page(Page::Strata), on_refused, w);

  // Blöcke
  QFrame* block_size_panel = MakePanel(page(Page::Blocks), "Panel1", 8, 6, 481, 80);
  MakeLabel(block_size_panel, "LabelBlockSize", 12, 6);
  w.fixed_block_size_choice = Make<QRadioButton>(block_size_panel, "RadioButton1", 24, 26);
  w.fixed_block_size_field = MakeEdit(block_size_panel, "EditFix", 120, 24, 56, on_refused);
  w.variable_block_size_choice = Make<QRadioButton>(block_size_panel, "RadioButton2", 24, 52);
  w.min_block_size_field = MakeEdit(block_size_panel, "EditVon", 120, 50, 56, on_refused);
  MakeLabel(block_size_panel, "LabelTo", 184, 54, nullptr);
  w.max_block_size_field = MakeEdit(block_size_panel, "EditBis", 212, 50, 56, on_refused);
  w.block_size_help_note = MakeNote(page(Page::Blocks), "Memo2", 9, 90, 160);

  // Zufallsgenerator
  QWidget* seed_page = page(Page::Seed);
  w.seed_field = MakeEdit(seed_page, "EditZZ", 16, 34, 130, on_refused);
  MakeLabel(seed_page, "LabelStartValue", 16, 16, w.seed_field);
  w.seed_range_label = Make<QLabel>(seed_page, "LabelMinMaxSeed", 16, 58, 130, 16);
  w.seed_range_label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  w.propose_seed_button =
      MakeButton(seed_page, "ButtonZZ", QStyle::SP_CustomBase, 156, 32, 80, kLineHeight + 4);
  w.seed_help_note = MakeNote(seed_page, "Memo1", 10, 86, 160);

  // Liste ausgeben
  QWidget* list_page = page(Page::List);
  w.generate_button = MakeButton(list_page, "BitBtnStart", "system-run", 8, 6, 104, 30);
  w.mark_blocks_switch = Make<QCheckBox>(list_page, "CheckBoxBlocks", 124, 2);
  w.show_seed_switch = Make<QCheckBox>(list_page, "CheckBoxSeed", 124, 20);
  // A blinded trial's choices: the test list beside the list's options, the numbers in
  // a row of their own.
  w.test_list_switch = Make<QCheckBox>(list_page, "CheckBoxTestliste", 262, 2);
  w.numbers_switch = Make<QCheckBox>(list_page, "CheckBoxNummern", 8, 44);
  w.random_numbers_switch = Make<QCheckBox>(list_page, "CheckBoxZufallsnummern", 182, 44);
  w.number_format_field = MakeEdit(list_page, "EditNummernformat", 300, 42, 86, on_refused);
  MakeLabel(list_page, "LabelNummernformat", 262, 45, w.number_format_field);
  w.check_digit_switch = Make<QCheckBox>(list_page, "CheckBoxPruefziffer", 394, 44);
  w.list_field = new ListTextEdit(on_refused, list_page);
  w.list_field->setObjectName(QStringLiteral("RichEditList"));
  w.list_field->setGeometry(8, 66, kListButtonColumnLeft - kListButtonColumnGap - 8, 180);
  auto* column = new QWidget(list_page);
  column->setObjectName(QString::fromLatin1(kListButtonColumn));
  column->setGeometry(kListButtonColumnLeft, 64, kListButtonColumnWidth, 184);
  auto* column_layout = new QVBoxLayout(column);
  column_layout->setContentsMargins(0, 2, 0, 0);
  column_layout->setSpacing(4);
  column_layout->addStretch(1);
  w.export_button = AddListPageButton(w, "BitBtnExport");
  w.export_button->setIcon(ButtonIcon("document-save-as"));
  w.print_button = AddListPageButton(w, "BitBtnPrint");
  w.print_button->setIcon(ButtonIcon("document-print"));
  w.preview_button = AddListPageButton(w, "BitBtnPreview");
  w.preview_button->setIcon(ButtonIcon("document-print-preview"));
  w.envelopes_button = AddListPageButton(w, "BitBtnEnvelopes");
  w.envelopes_button->setIcon(ButtonIcon("document-print"));
  w.copy_button = AddListPageButton(w, "BitBtnClipboard");
  w.copy_button->setIcon(ButtonIcon("edit-copy"));
  w.site_list_button = AddListPageButton(w, "BitBtnZentrumsliste");
  w.site_list_button->setIcon(ButtonIcon("document-save-as"));

  // Info
  auto* info_panel = Make<QFrame>(page(Page::Info), "Panel2", 17, 17, 471, 131);
  info_panel->setFrameShape(QFrame::Panel);
  info_panel->setFrameShadow(QFrame::Sunken);
  info_panel->setAutoFillBackground(true);
  QPalette white = info_panel->palette();
  white.setColor(QPalette::Window, Qt::white);
  info_panel->setPalette(white);
  w.program_picture = Make<QLabel>(info_panel, "Image1", 12, 12, 76, 76);
  MakeLabel(info_panel, "LabelCompany1", 100, 16);
  MakeLabel(info_panel, "LabelCompany2", 100, 38);
  w.web_address_label = MakeLabel(info_panel, "LabelWWW", 100, 66);
  QPalette link = w.web_address_label->palette();
  link.setColor(QPalette::WindowText, Qt::blue);
  w.web_address_label->setPalette(link);
  QFont underlined = w.web_address_label->font();
  underlined.setUnderline(true);
  w.web_address_label->setFont(underlined);
  w.web_address_label->setCursor(Qt::PointingHandCursor);
  w.info_page_logo = Make<QLabel>(info_panel, "ImageLogo2", 354, 15, 107, 100);
  w.language_choice = Make<QComboBox>(page(Page::Info), "ComboBoxLanguage", 17, 180, 250, 24);
  MakeLabel(page(Page::Info), "LabelLanguage", 17, 160, w.language_choice);

  // Over the pages' lower right corner, then the row below the pages.
  w.back_button = MakeButton(&window, "BitBtnBack", "go-previous", 328, 289, 85, 32);
  w.next_button = MakeButton(&window, "BitBtnNext", "go-next", 419, 289, 81, 32);
  // The picture right of the text.
  w.next_button->setLayoutDirection(Qt::RightToLeft);
  w.open_button = MakeButton(&window, "BitBtnLoad", "document-open", 8, 335, 145, 33);
  w.save_button = MakeButton(&window, "BitBtnSave", "document-save", 160, 335, 153, 33);
  w.close_button = MakeButton(&window, "BitBtnClose", "window-close", 416, 335, 97, 33);
  w.back_button->raise();
  w.next_button->raise();
  return w;
}

void ApplyColumnWidths(QTableView& grid) {
  const QList<int> widths = grid.property(kColumnWidthsProperty).value<QList<int>>();
  for (int column = 0; column < widths.size(); ++column) {
    grid.setColumnWidth(column, widths[column]);
  }
}

void FitListPageButtons(const MainWindowWidgets& widgets) {
  auto* column = widgets.pages[static_cast<std::size_t>(Page::List)]->findChild<QWidget*>(
      QString::fromLatin1(kListButtonColumn));
  int width = kListButtonColumnWidth;
  for (const QPushButton* button : column->findChildren<QPushButton*>()) {
    width = std::max(width, button->sizeHint().width());
  }
  width = std::min(width, kListButtonColumnMost);
  const QRect list = widgets.list_field->geometry();
  const int right = kListButtonColumnLeft + kListButtonColumnWidth;
  column->setGeometry(right - width, column->y(), width, column->height());
  widgets.list_field->setGeometry(
      list.left(), list.top(), right - width - kListButtonColumnGap - list.left(), list.height());
}

QPushButton* AddListPageButton(const MainWindowWidgets& widgets, const char* object_name) {
  auto* column = widgets.pages[static_cast<std::size_t>(Page::List)]->findChild<QWidget*>(
      QString::fromLatin1(kListButtonColumn));
  auto* layout = static_cast<QVBoxLayout*>(column->layout());
  auto* button = new QPushButton(column);
  button->setObjectName(QString::fromLatin1(object_name));
  button->setFixedHeight(26);
  button->setAutoDefault(false);
  // Before the stretch that keeps the column at the top, and next in the keyboard order.
  const int position = layout->count() - 1;
  QWidget* previous = position > 0 ? layout->itemAt(position - 1)->widget() : nullptr;
  layout->insertWidget(position, button);
  if (previous != nullptr) {
    QWidget::setTabOrder(previous, button);
  }
  return button;
}

}  // namespace zufora::app
