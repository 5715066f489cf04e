#include "MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <exception>
#include <stdexcept>
#include <utility>

#include "ErrorBox.h"
#include "ListTextEdit.h"
#include "MainWindowLayout.h"
#include "ProgramPictures.h"
#include "files/ExportFile.h"
#include "files/FirstShow.h"
#include "lang/LanguageFileLocation.h"
#include "qtprint/Cp1252QString.h"
#include "qtprint/HeaderDate.h"
#include "random/ListExport.h"

namespace zufora::app {
namespace {

std::filesystem::path PathOf(const QString& file) {
  return std::filesystem::path(QFile::encodeName(file).toStdString());
}

// A label without a buddy shows "&" as the marker of nothing: drop it as the caption's
// accelerator ("&&" stands for one "&").
QString LabelText(const QString& caption, bool has_buddy) {
  if (has_buddy) {
    return caption;
  }
  QString text;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
      ++i;
    }
    text.append(caption[i]);
  }
  return text;
}

void SetText(QLineEdit* edit, const std::string& text) {
  const QString shown = FromCp1252(text);
  if (edit->text() != shown) {
    edit->setText(shown);
  }
}

// The grid's selection on `row`, the column after the fixed label column.
void SelectRow(QTableView* grid, std::int32_t row) {
  QAbstractItemModel* model = grid->model();
  if (row < 0 || row >= model->rowCount()) {
    grid->selectionModel()->clear();
    return;
  }
  const QModelIndex current = model->index(static_cast<int>(row), model->columnCount() > 1 ? 1 : 0);
  if (grid->selectionModel()->currentIndex() != current ||
      !grid->selectionModel()->isRowSelected(current.row(), QModelIndex())) {
    grid->selectionModel()->setCurrentIndex(
        current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
}

}  // namespace

MainWindow::MainWindow(ProgramTexts& texts, WindowServices services, DesignFiles& design_files,
                       CalendarClock clock, std::filesystem::path executable_folder,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      texts_(texts),
      services_(services),
      print_command_(services.print, texts),
      clock_(std::move(clock)),
      executable_folder_(std::move(executable_folder)),
      widgets_(BuildMainWindowWidgets(
          *this, [this](const QString& character) { ShowRefusal(character); })),
      sink_(services.boxes, *this, [this](Page page) { ShowPage(page); }) {
  setObjectName(QString::fromLatin1(kMainWindowName));
  ++updating_;
  pages_ = std::make_unique<DesignPages>(texts_, sink_, generator_, clock_, design_files);

  arm_model_ = new TextGridModel(this);
  centre_model_ = new TextGridModel(this);
  for (TextGridModel* model : {arm_model_, centre_model_}) {
    model->SetFixedColour(palette().color(QPalette::Button));
  }
  widgets_.arm_table->setModel(arm_model_);
  widgets_.centre_table->setModel(centre_model_);
  connect(arm_model_, &QAbstractItemModel::modelReset, this,
          [this] { ApplyColumnWidths(*widgets_.arm_table); });
  connect(centre_model_, &QAbstractItemModel::modelReset, this,
          [this] { ApplyColumnWidths(*widgets_.centre_table); });

  // The texts of construction: the built-in ones, until the first show.
  ApplyTexts();
  const QPixmap logo = LogoFromCurrentFolder().value_or(BuiltInLogo());
  for (QLabel* picture : {widgets_.design_page_logo, widgets_.info_page_logo}) {
    picture->setPixmap(logo);
    picture->resize(logo.size());
  }
  widgets_.program_picture->setPixmap(ProgramPicture(76));

  ConnectHandlers();
  Refresh();
  --updating_;
}

MainWindow::~MainWindow() {
  // QWidget's destructor closes the window, which moves the focus: the handlers must be
  // gone by then, the members they use are.
  disconnect(focus_connection_);
  ++updating_;
}

// ---- Wiring ------------------------------------------------------------------------

void MainWindow::RunOperation(const std::function<void()>& operation) {
  ++updating_;
  try {
    operation();
  } catch (const std::exception& error) {
    ShowErrorBox(services_.boxes, this, FromMessageBytes(error.what()));
  }
  Refresh();
  --updating_;
}

void MainWindow::ConnectEdit(QLineEdit* edit, void (DesignPages::*setter)(std::string)) {
  connect(edit, &QLineEdit::textEdited, this, [this, edit, setter](const QString& text) {
    if (updating_ > 0) {
      return;
    }
    RunOperation([&] {
      if (std::optional<std::string> typed = ToCp1252(text)) {
        ((*pages_).*setter)(std::move(*typed));
      }
    });
  });
}

void MainWindow::ConnectRowField(QLineEdit* edit, bool arm_table, int column) {
  connect(edit, &QLineEdit::textEdited, this, [this, arm_table, column](const QString& text) {
    if (updating_ > 0) {
      return;
    }
    RunOperation([&] {
      if (std::optional<std::string> typed = ToCp1252(text)) {
        if (arm_table) {
          pages_->TypeArmField(column, std::move(*typed));
        } else {
          pages_->TypeCentreField(column, std::move(*typed));
        }
      }
    });
  });
}

void MainWindow::ConnectGrid(QTableView* grid, bool arm_table) {
  // A click, and a move of the selection by keys, choose a row.
  connect(grid, &QTableView::clicked, this,
          [this, arm_table](const QModelIndex& index) { GridRowChosen(arm_table, index); });
  connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this, arm_table](const QModelIndex& index) { GridRowChosen(arm_table, index); });
}

void MainWindow::ConnectHandlers() {
  const MainWindowWidgets& w = widgets_;
  ConnectEdit(w.study_name_field, &DesignPages::SetStudyName);
  ConnectEdit(w.sample_size_field, &DesignPages::SetSampleSize);
  ConnectEdit(w.arm_count_field, &DesignPages::SetArmCount);
  ConnectEdit(w.centre_count_field, &DesignPages::SetCentreCount);
  ConnectEdit(w.fixed_block_size_field, &DesignPages::SetFixedBlockSize);
  ConnectEdit(w.min_block_size_field, &DesignPages::SetMinBlockSize);
  ConnectEdit(w.max_block_size_field, &DesignPages::SetMaxBlockSize);
  ConnectEdit(w.seed_field, &DesignPages::SetSeed);
  ConnectEdit(w.centre_sum_field, &DesignPages::SetCentreSumText);
  ConnectRowField(w.arm_fields[kArmDescriptionColumn], true, kArmDescriptionColumn);
  ConnectRowField(w.arm_fields[kArmRatioColumn], true, kArmRatioColumn);
  ConnectRowField(w.centre_fields[kCentreNumberColumn], false, kCentreNumberColumn);
  ConnectRowField(w.centre_fields[kCentreDescriptionColumn], false, kCentreDescriptionColumn);
  ConnectRowField(w.centre_fields[kCentreSampleSizeColumn], false, kCentreSampleSizeColumn);
  ConnectGrid(w.arm_table, true);
  ConnectGrid(w.centre_table, false);

  const auto on_toggle = [this](QAbstractButton* button, auto action) {
    connect(button, &QAbstractButton::toggled, this, [this, action](bool on) {
      if (updating_ == 0) {
        RunOperation([&] { action(on); });
      }
    });
  };
  on_toggle(w.per_centre_switch, [this](bool on) { pages_->SetPerCentreLists(on); });
  on_toggle(w.mark_blocks_switch, [this](bool on) { pages_->SetMarkBlocks(on); });
  on_toggle(w.show_seed_switch, [this](bool on) { pages_->SetShowSeed(on); });
  on_toggle(w.fixed_block_size_choice, [this](bool on) {
    if (on) {
      pages_->SelectBlockSizeMode(BlockSizeMode::Fixed);
    }
  });
  on_toggle(w.variable_block_size_choice, [this](bool on) {
    if (on) {
      pages_->SelectBlockSizeMode(BlockSizeMode::Variable);
    }
  });
  w.per_centre_switch->installEventFilter(this);
  w.web_address_label->installEventFilter(this);
  w.tabs->installEventFilter(this);
  w.tabs->tabBar()->installEventFilter(this);
  for (QPushButton* button :
       {w.back_button, w.next_button, w.open_button, w.save_button, w.close_button}) {
    button->installEventFilter(this);
  }

  const auto on_click = [this](QAbstractButton* button, void (MainWindow::*handler)()) {
    connect(button, &QAbstractButton::clicked, this, [this, button, handler] {
      if (swallowed_click_ == button) {
        swallowed_click_ = nullptr;
        return;
      }
      if (updating_ == 0) {
        (this->*handler)();
      }
    });
  };
  on_click(w.back_button, &MainWindow::GoBack);
  on_click(w.next_button, &MainWindow::GoNext);
  on_click(w.open_button, &MainWindow::OpenDesign);
  on_click(w.save_button, &MainWindow::SaveDesign);
  on_click(w.close_button, &MainWindow::BitBtnCloseClick);
  on_click(w.propose_seed_button, &MainWindow::ProposeSeed);
  on_click(w.generate_button, &MainWindow::Generate);
  on_click(w.export_button, &MainWindow::BitBtnExportClick);
  on_click(w.copy_button, &MainWindow::BitBtnClipboardClick);
  on_click(w.print_button, &MainWindow::BitBtnPrintClick);
  on_click(w.preview_button, &MainWindow::BitBtnPreviewClick);

  connect(w.tabs, &QTabWidget::currentChanged, this, &MainWindow::AfterPageChange);
  focus_connection_ = connect(qApp, &QApplication::focusChanged, this,
                              [this](QWidget* /*old*/, QWidget* now) { FocusChanged(now); });
}

// Input to the tabs (a click, keys, the wheel; Ctrl+Tab reaches the page control from the
// page) switches the visible page before the page control reports the change, and Qt
// moves the focus off the page that goes: that move is not the user's. The event is
// handled here, with focus moves unwatched, and the change then goes to the model.
bool MainWindow::TabInput(QObject* watched, QEvent* event) {
  const bool tabs = watched == widgets_.tabs || watched == widgets_.tabs->tabBar();
  const QEvent::Type type = event->type();
  if (!tabs ||
      (type != QEvent::MouseButtonPress && type != QEvent::KeyPress && type != QEvent::Wheel)) {
    return false;
  }
  ++focus_unwatched_;
  watched->event(event);  // QObject::event is public; the widget's own handler runs
  --focus_unwatched_;
  return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    mouse_focus_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
  }
  if (TabInput(watched, event)) {
    return true;
  }
  if (updating_ == 0) {
    if (watched == widgets_.per_centre_switch && event->type() == QEvent::KeyPress) {
      RunOperation([this] { pages_->PerCentreSwitchKeyDown(); });
    } else if (watched == widgets_.web_address_label &&
               event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      LabelWWWClick();
    }
  }
  return QWidget::eventFilter(watched, event);
}

// ---- Handlers ----------------------------------------------------------------------

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shown_) {
    shown_ = true;
    ShowFirstPage();
  }
}

void MainWindow::ShowFirstPage() {
  RunOperation([this] {
    const FirstShowResult first_show = RunFirstShow(texts_, FindLanguageFile(executable_folder_));
    ApplyTexts();
    if (first_show.message) {
      sink_.ShowPlain(*first_show.message);
    }
    if (first_show.error) {
      throw std::runtime_error(*first_show.error);  // a file there but unreadable
    }
  });
}

void MainWindow::AfterPageChange(int index) {
  if (updating_ > 0) {
    return;
  }
  // The tabs have moved already; the model decides. Until it has, the page left stays.
  RunOperation([this, index] {
    ShowPage(pages_->State().active_page);
    pages_->MovePage(static_cast<Page>(index));
  });
}

void MainWindow::FocusChanged(QWidget* now) {
  const bool by_mouse = std::exchange(mouse_focus_, false);
  if (updating_ > 0 || focus_unwatched_ > 0 || now == nullptr || now->window() != this) {
    return;  // a message box or dialog, or not the user's move
  }
  const Control control = ControlOf(now);
  if (control == Control::None || control == pages_->State().focus) {
    return;
  }
  const int boxes = sink_.BoxesShown();
  RunOperation([this, control] { pages_->FocusControl(control); });
  // A box shown while a button is being pressed takes the press: the button's action
  // does not follow (its click is swallowed, and the button does not stay down).
  if (by_mouse && sink_.BoxesShown() != boxes) {
    if (auto* button = qobject_cast<QAbstractButton*>(now)) {
      swallowed_click_ = button;
      QTimer::singleShot(0, button, [this, button] {
        button->setDown(false);
        if (swallowed_click_ == button) {
          swallowed_click_ = nullptr;
        }
      });
    }
  }
}

void MainWindow::GridRowChosen(bool arm_table, const QModelIndex& index) {
  if (updating_ > 0 || !index.isValid()) {
    return;
  }
  RunOperation([&] {
    if (index.column() == 0) {
      return;  // the label column is fixed: the selection goes back where it was
    }
    const auto row = static_cast<std::int32_t>(index.row());
    if (arm_table) {
      pages_->ClickArmRow(row);
    } else {
      pages_->ClickCentreRow(row);
    }
  });
}

void MainWindow::GoBack() {
  RunOperation([this] { pages_->GoBack(); });
}

void MainWindow::GoNext() {
  RunOperation([this] { pages_->GoNext(); });
}

void MainWindow::OpenDesign() {
  RunOperation([this] {
    pages_->FocusControl(Control::OpenButton);
    const std::optional<QString> file =
        services_.dialogs.AskOpenFileName(this, DialogRequest(texts_.derived.open_dialog_design));
    std::optional<std::string> name;
    if (file) {
      name = PathOf(*file).string();
    }
    pages_->OpenDesign(name);
  });
}

void MainWindow::SaveDesign() {
  RunOperation([this] {
    pages_->FocusControl(Control::SaveButton);
    const std::optional<QString> file =
        services_.dialogs.AskSaveFileName(this, DialogRequest(texts_.derived.save_dialog_design));
    std::optional<std::string> name;
    if (file) {
      name = PathOf(*file).string();
    }
    pages_->SaveDesign(name);
  });
}

void MainWindow::OpenDesignFile(const QString& file) {
  RunOperation([this, &file] { pages_->OpenDesign(PathOf(file).string()); });
}

void MainWindow::BitBtnCloseClick() {
  RunOperation([this] { pages_->FocusControl(Control::CloseButton); });
  close();
}

void MainWindow::ProposeSeed() {
  RunOperation([this] { pages_->ProposeSeed(); });
}

void MainWindow::Generate() {
  RunOperation([this] {
    widgets_.list_field->clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct CursorRestore {
      ~CursorRestore() { QApplication::restoreOverrideCursor(); }
    } restore;
    // Once, so that the emptied field and the cursor show; user input waits, so that
    // nothing can start a second generation inside this one.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    pages_->Generate();
    // The field becomes the list's one store; the model's copy is not kept twice.
    widgets_.list_field->ShowListText(FromCp1252(pages_->ListText()));
    pages_->SetListText(std::string());
  });
}

std::string MainWindow::ListText() const {
  std::optional<std::string> cp1252 = ToCp1252(widgets_.list_field->ListText());
  if (!cp1252) {
    throw std::runtime_error("Die Liste enthält Zeichen, die Zufora nicht speichern kann");
  }
  return std::move(*cp1252);
}

void MainWindow::BitBtnExportClick() {
  RunOperation([this] {
    const std::optional<QString> file =
        services_.dialogs.AskSaveFileName(this, DialogRequest(texts_.derived.save_dialog_export));
    if (file) {
      WriteExportFile(PathOf(*file), ExportBytes(ListText()));
    }
  });
}

void MainWindow::BitBtnClipboardClick() {
  RunOperation([this] {
    widgets_.list_field->selectAll();
    services_.clipboard.SetText(FromCp1252(ListText()));
  });
}

void MainWindow::BitBtnPrintClick() {
  RunOperation([this] { print_command_.Print(this, PrintJob()); });
}

void MainWindow::BitBtnPreviewClick() {
  RunOperation([this] { print_command_.Preview(this, PrintJob()); });
}

PrintJobTexts MainWindow::PrintJob() const {
  return PrintJobTexts::From(texts_, ListText(), &TodaysHeaderDate);
}

void MainWindow::LabelWWWClick() {
  services_.shell.Open(FromCp1252(texts_.main_window.CaptionOf("LabelWWW")));
}

// ---- The view ----------------------------------------------------------------------

void MainWindow::ApplyTexts() {
  ++updating_;
  const TextWindow& window = texts_.main_window;
  setWindowTitle(FromCp1252(window.Caption()));
  widgets_.preview_button->setText(FromCp1252(texts_.print_window.CaptionOf("Button1")));
  for (const TextComponent& component : window.Components()) {
    const QString name = QString::fromStdString(component.name);
    const QString caption = component.caption ? FromCp1252(*component.caption) : QString();
    if (component.class_name == "TTabSheet") {
      for (std::size_t page = 0; page < widgets_.pages.size(); ++page) {
        if (widgets_.pages[page]->objectName() == name) {
          widgets_.tabs->setTabText(static_cast<int>(page), caption);
        }
      }
    }
    QWidget* widget = findChild<QWidget*>(name);
    if (widget == nullptr) {
      continue;
    }
    if (component.caption) {
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(caption);
        if (qobject_cast<QPushButton*>(widget) == nullptr) {
          button->adjustSize();
        }
      } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setTextFormat(Qt::PlainText);
        label->setText(LabelText(caption, label->buddy() != nullptr));
        if (label->alignment() & Qt::AlignLeft) {
          label->adjustSize();
        }
      }
    }
    if (component.hint) {
      widget->setToolTip(FromCp1252(*component.hint));
    }
    if (component.class_name == "TMemo") {
      QStringList lines;
      for (const std::string& line : component.lines) {
        lines.append(FromCp1252(line));
      }
      if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        memo->setPlainText(lines.join(QLatin1Char('\n')));
      }
    }
  }
  --updating_;
}

void MainWindow::ShowPage(Page page) {
  ++updating_;
  widgets_.tabs->setCurrentIndex(static_cast<int>(page));
  --updating_;
}

void MainWindow::Refresh() {
  ++updating_;
  const StudyDesign& design = pages_->Design();
  const PagesState& state = pages_->State();
  const MainWindowWidgets& w = widgets_;

  SetText(w.study_name_field, design.study_name);
  SetText(w.sample_size_field, design.sample_size);
  SetText(w.arm_count_field, design.arm_count);
  w.per_centre_switch->setChecked(design.per_centre_lists);
  SetText(w.centre_count_field, design.centre_count);
  w.centre_count_field->setEnabled(state.centre_count_enabled);

  arm_model_->Show(&design.arms, state.arm_rows.HeadingFixed());
  SelectRow(w.arm_table, state.arm_rows.Row());
  for (int column = 0; column < kArmColumns; ++column) {
    SetText(w.arm_fields[static_cast<std::size_t>(column)], state.arm_rows.Field(column));
  }
  w.arm_fields[kArmLabelColumn]->setEnabled(false);

  centre_model_->Show(&design.centres, state.centre_rows.HeadingFixed());
  SelectRow(w.centre_table, state.centre_rows.Row());
  for (int column = 0; column < kCentreColumns; ++column) {
    SetText(w.centre_fields[static_cast<std::size_t>(column)], state.centre_rows.Field(column));
  }
  w.centre_fields[kCentreLabelColumn]->setEnabled(false);
  SetText(w.centre_sum_field, state.centre_sum_text);

  w.fixed_block_size_choice->setChecked(design.block_mode == BlockSizeMode::Fixed);
  w.variable_block_size_choice->setChecked(design.block_mode == BlockSizeMode::Variable);
  SetText(w.fixed_block_size_field, design.fixed_block_size);
  SetText(w.min_block_size_field, design.min_block_size);
  SetText(w.max_block_size_field, design.max_block_size);
  w.fixed_block_size_field->setEnabled(state.fixed_block_size_enabled);
  w.min_block_size_field->setEnabled(state.min_block_size_enabled);
  w.max_block_size_field->setEnabled(state.max_block_size_enabled);

  SetText(w.seed_field, design.seed);
  w.mark_blocks_switch->setChecked(state.mark_blocks);
  w.show_seed_switch->setChecked(state.show_seed);

  const int centre_tab = static_cast<int>(Page::Centres);
  w.tabs->setTabVisible(centre_tab, state.centre_tab_visible);
  w.tabs->setTabEnabled(centre_tab, state.centre_page_enabled);
  w.tabs->setCurrentIndex(static_cast<int>(state.active_page));
  ApplyFocus();
  --updating_;
}

void MainWindow::ApplyFocus() {
  QWidget* target = WidgetOf(pages_->State().focus);
  if (target != nullptr && QApplication::focusWidget() != target && target->isEnabled()) {
    target->setFocus(Qt::OtherFocusReason);
  }
}

Control MainWindow::ControlOf(const QWidget* widget) const {
  for (const QWidget* w = widget; w != nullptr && w != this; w = w->parentWidget()) {
    if (w == widgets_.tabs->tabBar() || w == widgets_.tabs) {
      return Control::Tabs;
    }
    const Control control = ControlByName(w->objectName().toStdString());
    if (control != Control::None) {
      return control;
    }
  }
  return Control::None;
}

QWidget* MainWindow::WidgetOf(Control control) const {
  if (control == Control::None) {
    return nullptr;
  }
  if (control == Control::Tabs) {
    return widgets_.tabs->tabBar();
  }
  return findChild<QWidget*>(QString::fromLatin1(ControlName(control)));
}

void MainWindow::ShowRefusal(const QString& character) {
  QWidget* field = QApplication::focusWidget();
  const QString text =
      QStringLiteral(
          "Das Zeichen \u201E%1\u201C wurde nicht übernommen: Zufora speichert Texte im "
          "Zeichensatz Windows-1252, der es nicht enthält.")
          .arg(character);
  const QPoint where = field != nullptr && field->window() == this
                           ? field->mapToGlobal(QPoint(0, field->height()))
                           : mapToGlobal(QPoint(width() / 4, height() / 2));
  QToolTip::showText(where, text, field);
  QApplication::beep();
}

FileDialogRequest MainWindow::DialogRequest(const FileDialogTexts& texts) const {
  return {.title = FromCp1252(texts.title),
          .filter = FromCp1252(texts.filter),
          .default_extension = FromCp1252(texts.default_extension)};
}

}  // namespace zufora::app
