#include "MainWindowLayout.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "CompactTabStyle.h"
#include "Cp1252Validator.h"
#include "WindowFonts.h"

namespace zufora::app {
namespace {

constexpr char kListButtonColumn[] = "ListPageButtons";
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
  const QList<int> column_widths(widths);
  grid->setProperty(kColumnWidthsProperty, QVariant::fromValue(column_widths));
  return grid;
}

QPlainTextEdit* MakeNote(QWidget* parent, const char* name, int points, int top, int height) {
  auto* note = Make<QPlainTextEdit>(parent, name, 8, top, 481, height);
  note->setReadOnly(true);
  note->setFont(NoteFont(points));
  note->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  note->setFocusPolicy(Qt::NoFocus);
  return note;
}

QWidget* AddPage(QTabWidget* tabs, const char* name) {
  auto* page = new QWidget;
  page->setObjectName(QString::fromLatin1(name));
  tabs->addTab(page, QString());
  return page;
}

}  // namespace

MainWindowWidgets BuildMainWindowWidgets(QWidget& window, const ListTextEdit::Refusal& on_refused) {
  MainWindowWidgets w;
  window.setFont(WindowFont());
  window.setFixedSize(kClientWidth, kClientHeight);

  w.page_control = Make<QTabWidget>(&window, "PageControl1", 8, 8, 505, 321);
  auto* tab_style = new CompactTabStyle;
  tab_style->setParent(w.page_control);
  w.page_control->tabBar()->setStyle(tab_style);
  w.page_control->tabBar()->setUsesScrollButtons(false);
  w.page_control->tabBar()->setExpanding(false);
  constexpr std::array<const char*, 7> kPageNames = {
      "TabSheetDesign", "TabSheetArme",  "TabSheetZentren", "TabSheetBlock",
      "TabSheetZufall", "TabSheetListe", "TabSheetInfo"};
  for (std::size_t i = 0; i < kPageNames.size(); ++i) {
    w.pages[i] = AddPage(w.page_control, kPageNames[i]);
  }
  // Back and Next lie over the lower right corner of the pages, so the controls of a
  // page keep out of the rectangle from (310, 250) in page coordinates.

  // Studiendesign
  QFrame* panel5 = MakePanel(w.pages[0], "Panel5", 4, 4, 489, 244);
  w.edit_stud_name = MakeEdit(panel5, "EditStudName", 16, 34, 300, on_refused);
  MakeLabel(panel5, "LabelStudName", 16, 16, w.edit_stud_name);
  w.edit_anz = MakeEdit(panel5, "EditAnz", 16, 82, 80, on_refused);
  MakeLabel(panel5, "LabelSampleSizePlanned", 16, 64, w.edit_anz);
  w.edit_arme = MakeEdit(panel5, "EditArme", 16, 130, 80, on_refused);
  MakeLabel(panel5, "LabelArmCount", 16, 112, w.edit_arme);
  w.check_box_zentren = Make<QCheckBox>(panel5, "CheckBoxZentren", 16, 164);
  w.edit_zentren = MakeEdit(panel5, "EditZentren", 16, 208, 80, on_refused);
  MakeLabel(panel5, "LabelCenterCount", 16, 190, w.edit_zentren);
  w.image_logo1 = Make<QLabel>(panel5, "ImageLogo1", 360, 16, 107, 100);
  // The label above the centre count comes after the check box in the keyboard order.
  QWidget::setTabOrder(w.check_box_zentren, w.edit_zentren);

  // Studienarme
  w.string_grid_arme = MakeGrid(w.pages[1], "StringGridArme", {64, 316, 64});
  QFrame* panel3 = MakePanel(w.pages[1], "Panel3", 8, 148, 481, 96);
  w.arm_fields[0] = MakeEdit(panel3, "EditCArm", 8, 30, 64, on_refused);
  MakeLabel(panel3, "LabelArm", 8, 12, w.arm_fields[0]);
  w.arm_fields[1] = MakeEdit(panel3, "EditCBeschr", 80, 30, 316, on_refused);
  MakeLabel(panel3, "LabelArmDescr", 80, 12, w.arm_fields[1]);
  w.arm_fields[2] = MakeEdit(panel3, "EditCRatio", 404, 30, 64, on_refused);
  MakeLabel(panel3, "LabelRatio", 404, 12, w.arm_fields[2]);

  // Studienzentren
  w.string_grid_zentren = MakeGrid(w.pages[2], "StringGridZentren", {64, 60, 262, 64});
  w.centre_sum_text = MakeEdit(w.pages[2], "EditSumme", 404, 146, 64, on_refused);
  auto* sum_label = MakeLabel(w.pages[2], "LabelCenterSum", 248, 148, w.centre_sum_text);
  sum_label->resize(150, kLineHeight - 4);
  sum_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFrame* panel4 = MakePanel(w.pages[2], "Panel4", 8, 174, 481, 72);
  w.centre_fields[0] = MakeEdit(panel4, "EditAZentrum", 8, 30, 64, on_refused);
  MakeLabel(panel4, "LabelCenter", 8, 12, w.centre_fields[0]);
  w.centre_fields[1] = MakeEdit(panel4, "EditANummer", 80, 30, 60, on_refused);
  MakeLabel(panel4, "LabelCenterId", 80, 12, w.centre_fields[1]);
  w.centre_fields[2] = MakeEdit(panel4, "EditABeschr", 148, 30, 220, on_refused);
  MakeLabel(panel4, "LabelCenterDescr", 148, 12, w.centre_fields[2]);
  w.centre_fields[3] = MakeEdit(panel4, "EditAFallzahl", 376, 30, 92, on_refused);
  MakeLabel(panel4, "LabelSampleSize", 376, 12, w.centre_fields[3]);
  QWidget::setTabOrder(w.string_grid_zentren, w.centre_sum_text);

  // Blöcke
  QFrame* panel1 = MakePanel(w.pages[3], "Panel1", 8, 6, 481, 80);
  MakeLabel(panel1, "LabelBlockSize", 12, 6);
  w.radio_button1 = Make<QRadioButton>(panel1, "RadioButton1", 24, 26);
  w.edit_fix = MakeEdit(panel1, "EditFix", 120, 24, 56, on_refused);
  w.radio_button2 = Make<QRadioButton>(panel1, "RadioButton2", 24, 52);
  w.edit_von = MakeEdit(panel1, "EditVon", 120, 50, 56, on_refused);
  MakeLabel(panel1, "LabelTo", 184, 54, nullptr);
  w.edit_bis = MakeEdit(panel1, "EditBis", 212, 50, 56, on_refused);
  w.memo2 = MakeNote(w.pages[3], "Memo2", 9, 90, 160);

  // Zufallsgenerator
  w.edit_zz = MakeEdit(w.pages[4], "EditZZ", 16, 34, 130, on_refused);
  MakeLabel(w.pages[4], "LabelStartValue", 16, 16, w.edit_zz);
  w.label_min_max_seed = Make<QLabel>(w.pages[4], "LabelMinMaxSeed", 16, 58, 130, 16);
  w.label_min_max_seed->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  w.button_zz =
      MakeButton(w.pages[4], "ButtonZZ", QStyle::SP_CustomBase, 156, 32, 80, kLineHeight + 4);
  w.memo1 = MakeNote(w.pages[4], "Memo1", 10, 86, 160);

  // Liste ausgeben
  w.bit_btn_start = MakeButton(w.pages[5], "BitBtnStart", QStyle::SP_MediaPlay, 8, 6, 104, 30);
  w.mark_blocks = Make<QCheckBox>(w.pages[5], "CheckBoxBlocks", 124, 2);
  w.show_seed = Make<QCheckBox>(w.pages[5], "CheckBoxSeed", 124, 20);
  w.rich_edit_list = new ListTextEdit(on_refused, w.pages[5]);
  w.rich_edit_list->setObjectName(QStringLiteral("RichEditList"));
  w.rich_edit_list->setGeometry(8, 42, 385, 204);
  auto* column = new QWidget(w.pages[5]);
  column->setObjectName(QString::fromLatin1(kListButtonColumn));
  column->setGeometry(399, 40, 94, 210);
  auto* column_layout = new QVBoxLayout(column);
  column_layout->setContentsMargins(0, 2, 0, 0);
  column_layout->setSpacing(6);
  column_layout->addStretch(1);
  w.bit_btn_export = AddListPageButton(w, "BitBtnExport");
  w.bit_btn_export->setIcon(w.bit_btn_export->style()->standardIcon(QStyle::SP_DialogSaveButton));
  w.bit_btn_print = AddListPageButton(w, "BitBtnPrint");
  w.bit_btn_print->setIcon(w.bit_btn_print->style()->standardIcon(QStyle::SP_FileIcon));
  w.bit_btn_preview = AddListPageButton(w, "BitBtnPreview");  // no picture: room for the caption
  w.bit_btn_clipboard = AddListPageButton(w, "BitBtnClipboard");
  w.bit_btn_clipboard->setIcon(
      w.bit_btn_clipboard->style()->standardIcon(QStyle::SP_FileDialogContentsView));

  // Info
  auto* panel2 = Make<QFrame>(w.pages[6], "Panel2", 17, 17, 471, 131);
  panel2->setFrameShape(QFrame::Panel);
  panel2->setFrameShadow(QFrame::Sunken);
  panel2->setAutoFillBackground(true);
  QPalette white = panel2->palette();
  white.setColor(QPalette::Window, Qt::white);
  panel2->setPalette(white);
  w.image1 = Make<QLabel>(panel2, "Image1", 12, 12, 76, 76);
  MakeLabel(panel2, "LabelCompany1", 100, 16);
  MakeLabel(panel2, "LabelCompany2", 100, 38);
  w.label_www = MakeLabel(panel2, "LabelWWW", 100, 66);
  QPalette link = w.label_www->palette();
  link.setColor(QPalette::WindowText, Qt::blue);
  w.label_www->setPalette(link);
  QFont underlined = w.label_www->font();
  underlined.setUnderline(true);
  w.label_www->setFont(underlined);
  w.label_www->setCursor(Qt::PointingHandCursor);
  w.image_logo2 = Make<QLabel>(panel2, "ImageLogo2", 354, 15, 107, 100);

  // Over the pages' lower right corner, then the row below the pages.
  w.bit_btn_back = MakeButton(&window, "BitBtnBack", QStyle::SP_ArrowBack, 328, 289, 85, 32);
  w.bit_btn_next = MakeButton(&window, "BitBtnNext", QStyle::SP_ArrowForward, 419, 289, 81, 32);
  // The picture right of the text.
  w.bit_btn_next->setLayoutDirection(Qt::RightToLeft);
  w.bit_btn_load = MakeButton(&window, "BitBtnLoad", QStyle::SP_DialogOpenButton, 8, 335, 145, 33);
  w.bit_btn_save =
      MakeButton(&window, "BitBtnSave", QStyle::SP_DialogSaveButton, 160, 335, 153, 33);
  w.bit_btn_close =
      MakeButton(&window, "BitBtnClose", QStyle::SP_DialogCloseButton, 416, 335, 97, 33);
  w.bit_btn_back->raise();
  w.bit_btn_next->raise();
  return w;
}

void ApplyColumnWidths(QTableView& grid) {
  const QList<int> widths = grid.property(kColumnWidthsProperty).value<QList<int>>();
  for (int column = 0; column < widths.size(); ++column) {
    grid.setColumnWidth(column, widths[column]);
  }
}

QPushButton* AddListPageButton(const MainWindowWidgets& widgets, const char* object_name) {
  auto* column = widgets.pages[5]->findChild<QWidget*>(QString::fromLatin1(kListButtonColumn));
  auto* layout = static_cast<QVBoxLayout*>(column->layout());
  auto* button = new QPushButton(column);
  button->setObjectName(QString::fromLatin1(object_name));
  button->setFixedHeight(30);
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
