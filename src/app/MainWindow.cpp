#include "MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <exception>
#include <stdexcept>
#include <utility>

#include "ApplyWindowTexts.h"
#include "DocumentLink.h"
#include "ErrorBox.h"
#include "ListTextEdit.h"
#include "MainWindowLayout.h"
#include "ProgramPictures.h"
#include "RefusalNote.h"
#include "ViewUpdates.h"
#include "evidence/EnvelopeCards.h"
#include "files/ExportFile.h"
#include "qtprint/Cp1252QString.h"
#include "qtprint/HeaderDate.h"
#include "random/ListExport.h"

namespace zufora::app {
namespace {

std::filesystem::path PathOf(const QString& file) {
  return std::filesystem::path(QFile::encodeName(file).toStdString());
}

// A file dialog's answer as the pages model takes it.
std::optional<std::string> FileName(const std::optional<QString>& file) {
  return file ? std::optional(PathOf(*file).string()) : std::nullopt;
}

}  // namespace

MainWindow::MainWindow(ProgramTexts& texts, WindowServices services, DesignFiles& design_files,
                       CalendarClock clock, std::filesystem::path executable_folder,
                       QWidget* parent)
    : MainWindow(texts, services, design_files, std::move(clock),
                 WindowLanguage{.executable_folder = std::move(executable_folder),
                                .environment = {},
                                .command_line_file = std::nullopt},
                 parent) {}

MainWindow::MainWindow(ProgramTexts& texts, WindowServices services, DesignFiles& design_files,
                       CalendarClock clock, WindowLanguage language, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      texts_(texts),
      services_(services),
      print_command_(services.print, texts),
      envelope_command_(services.print, texts),
      clock_(std::move(clock)),
      language_(std::move(language)),
      widgets_(BuildMainWindowWidgets(
          *this, [this](const RefusedCharacters& refused) { ShowRefusal(refused); })),
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

void MainWindow::ConnectTable(QTableView* table, bool arm_table) {
  // A click, and a move of the selection by keys, choose a row.
  connect(table, &QTableView::clicked, this,
          [this, arm_table](const QModelIndex& index) { OnTableRowChosen(arm_table, index); });
  connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this, arm_table](const QModelIndex& index) { OnTableRowChosen(arm_table, index); });
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
  ConnectTable(w.arm_table, true);
  ConnectTable(w.centre_table, false);
  ConnectStrataHandlers();
  ConnectBlindingHandlers();

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
      if (pressed_button_ == button) {
        pressed_button_ = nullptr;  // the handler tells the model of the focus
      }
      if (updating_ == 0) {
        (this->*handler)();
      }
    });
  };
  on_click(w.back_button, &MainWindow::OnBackClicked);
  on_click(w.next_button, &MainWindow::OnNextClicked);
  on_click(w.open_button, &MainWindow::OnOpenClicked);
  on_click(w.save_button, &MainWindow::OnSaveClicked);
  on_click(w.close_button, &MainWindow::OnCloseClicked);
  on_click(w.propose_seed_button, &MainWindow::OnProposeSeedClicked);
  on_click(w.generate_button, &MainWindow::OnGenerateClicked);
  on_click(w.export_button, &MainWindow::OnExportClicked);
  on_click(w.copy_button, &MainWindow::OnCopyClicked);
  on_click(w.print_button, &MainWindow::OnPrintClicked);
  on_click(w.preview_button, &MainWindow::OnPreviewClicked);
  on_click(w.envelopes_button, &MainWindow::OnEnvelopesClicked);
  on_click(w.site_list_button, &MainWindow::OnSiteListClicked);

  connect(w.tabs, &QTabWidget::currentChanged, this, &MainWindow::OnTabChanged);
  connect(w.language_choice, &QComboBox::activated, this, &MainWindow::OnLanguageChosen);
  focus_connection_ = connect(qApp, &QApplication::focusChanged, this,
                              [this](QWidget* /*old*/, QWidget* now) { OnFocusChanged(now); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (FilterFocusAndTabInput(watched, event)) {
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease &&
      IsButtonBelowPages(qobject_cast<QWidget*>(watched))) {
    OnButtonReleased(static_cast<QAbstractButton*>(watched));
  }
  if (updating_ == 0) {
    if (watched == widgets_.per_centre_switch && event->type() == QEvent::KeyPress) {
      RunOperation([this] { pages_->PerCentreSwitchKeyDown(); });
    } else if (watched == widgets_.web_address_label &&
               event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      OnWebAddressClicked();
    }
  }
  return QWidget::eventFilter(watched, event);
}

// ---- Handlers ----------------------------------------------------------------------

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shown_) {
    shown_ = true;
    OnFirstShow();
  }
}

void MainWindow::OnTableRowChosen(bool arm_table, const QModelIndex& index) {
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

void MainWindow::OnBackClicked() {
  RunOperation([this] { pages_->GoBack(); });
}

void MainWindow::OnNextClicked() {
  RunOperation([this] { pages_->GoNext(); });
}

void MainWindow::OnOpenClicked() {
  RunOperation([this] {
    pages_->FocusControl(Control::OpenButton);
    pages_->OpenDesign(FileName(
        services_.dialogs.AskOpenFileName(this, DialogRequest(texts_.derived.open_dialog_design))));
  });
}

void MainWindow::OnSaveClicked() {
  RunOperation([this] {
    pages_->FocusControl(Control::SaveButton);
    pages_->SaveDesign(FileName(
        services_.dialogs.AskSaveFileName(this, DialogRequest(texts_.derived.save_dialog_design))));
  });
}

void MainWindow::OpenDesignFile(const QString& file) {
  RunOperation([this, &file] { pages_->OpenDesign(PathOf(file).string()); });
}

void MainWindow::OnCloseClicked() {
  RunOperation([this] { pages_->FocusControl(Control::CloseButton); });
  close();
}

void MainWindow::OnProposeSeedClicked() {
  RunOperation([this] { pages_->ProposeSeed(); });
}

void MainWindow::OnGenerateClicked() {
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
    // As UTF-8, which the error box reads first: the catalogue's bytes are cp1252.
    throw std::runtime_error(
        FromCp1252(texts_.catalogue.Text(Message::MessageListNotCp1252)).toStdString());
  }
  return std::move(*cp1252);
}

void MainWindow::OnExportClicked() {
  RunOperation([this] {
    FileDialogRequest request = DialogRequest(texts_.derived.save_dialog_export);
    request.proposed_name =
        FromCp1252(pages_->ProposedFileName(texts_.derived.save_dialog_export.default_extension));
    const std::optional<QString> file = services_.dialogs.AskSaveFileName(this, request);
    if (file) {
      WriteExportFile(PathOf(*file), ExportBytes(ListText()));
    }
  });
}

void MainWindow::OnCopyClicked() {
  RunOperation([this] {
    widgets_.list_field->selectAll();
    services_.clipboard.SetText(FromCp1252(ListText()));
  });
}

void MainWindow::OnPrintClicked() {
  RunOperation([this] { print_command_.Print(this, PrintJob()); });
}

void MainWindow::OnPreviewClicked() {
  RunOperation([this] { print_command_.Preview(this, PrintJob()); });
}

void MainWindow::OnEnvelopesClicked() {
  RunOperation([this] {
    // The numbers the list page's choices ask for (without CheckBoxNummern: 1, 2, 3, ...).
    std::optional<NumberingOptions> numbering;
    if (const GeneratedLists* lists = pages_->LastGeneration();
        lists != nullptr &&
        pages_->NumberingChoice(EnvelopeCards::Count(lists->drawn), numbering)) {
      envelope_command_.Print(this, *lists, numbering.value_or(NumberingOptions{}));
    }
  });
}

PrintJobTexts MainWindow::PrintJob() const {
  PrintJobTexts job = PrintJobTexts::From(texts_, ListText(), &TodaysHeaderDate);
  if (pages_->State().test_list_drawn) {
    job.watermark = kTestWatermark;  // every page of a test list says so
  }
  return job;
}

void MainWindow::OnWebAddressClicked() {
  services_.shell.Open(DocumentLinkAddress(FromCp1252(texts_.main_window.CaptionOf("LabelWWW")),
                                           language_.executable_folder));
}

// ---- The view ----------------------------------------------------------------------

void MainWindow::ApplyTexts() {
  ++updating_;
  ApplyWindowTexts(texts_, *this, widgets_);
  FitListPageButtons(widgets_);
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
  // The envelopes come from the lists last drawn in full: none before.
  w.envelopes_button->setEnabled(pages_->LastGeneration() != nullptr);

  const int centre_tab = static_cast<int>(Page::Centres);
  w.tabs->setTabVisible(centre_tab, state.centre_tab_visible);
  w.tabs->setTabEnabled(centre_tab, state.centre_page_enabled);
  RefreshStrata();
  RefreshBlinding();
  w.tabs->setCurrentIndex(static_cast<int>(state.active_page));
  ApplyFocus();
  --updating_;
}

void MainWindow::ShowRefusal(const RefusedCharacters& refused) {
  ShowRefusalNote(*this, RefusalNoteText(texts_.catalogue, refused));
}

FileDialogRequest MainWindow::DialogRequest(const FileDialogTexts& texts) const {
  return {.title = FromCp1252(texts.title),
          .filter = FromCp1252(texts.filter),
          .default_extension = FromCp1252(texts.default_extension),
          .proposed_name = {}};
}

}  // namespace zufora::app
