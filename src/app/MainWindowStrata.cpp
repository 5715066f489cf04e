// The strata page of the main window: CheckBoxStrata on the design page, the factor and
// level tables with the fields and buttons under them, and EditStratumLaenge. Each
// handler reads its widget, calls the pages model and leaves the refresh to RunOperation.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <array>

#include "MainWindow.h"
#include "MainWindowLayout.h"
#include "ViewUpdates.h"
#include "qtprint/Cp1252QString.h"

namespace zufora::app {

void MainWindow::ConnectStrataHandlers() {
  const MainWindowWidgets& w = widgets_;
  factor_model_ = new TextGridModel(this);
  level_model_ = new TextGridModel(this);
  for (auto [model, table] :
       {std::pair{factor_model_, w.factor_table}, std::pair{level_model_, w.level_table}}) {
    model->SetFixedColour(palette().color(QPalette::Button));
    table->setModel(model);
    connect(model, &QAbstractItemModel::modelReset, this, [table] { ApplyColumnWidths(*table); });
  }

  connect(w.strata_switch, &QAbstractButton::toggled, this, [this](bool on) {
    if (updating_ == 0) {
      RunOperation([this, on] { pages_->SetStratified(on); });
    }
  });
  ConnectEdit(w.stratum_length_field, &DesignPages::SetStratumLength);

  // The fields under the tables: name and field name; code and label.
  const auto connect_field = [this](QLineEdit* edit, bool factor, int column) {
    connect(edit, &QLineEdit::textEdited, this, [this, factor, column](const QString& text) {
      if (updating_ > 0) {
        return;
      }
      RunOperation([&] {
        if (std::optional<std::string> typed = ToCp1252(text)) {
          if (factor) {
            pages_->TypeFactorField(column, std::move(*typed));
          } else {
            pages_->TypeLevelField(column, std::move(*typed));
          }
        }
      });
    });
  };
  connect_field(w.factor_fields[kFactorNameColumn], true, kFactorNameColumn);
  connect_field(w.factor_fields[kFactorFieldColumn], true, kFactorFieldColumn);
  connect_field(w.level_fields[kLevelCodeColumn], false, kLevelCodeColumn);
  connect_field(w.level_fields[kLevelTextColumn], false, kLevelTextColumn);

  // StringGridFaktoren, StringGridStufen: a click, or a move of the selection by keys.
  const auto connect_table = [this](QTableView* table, bool factor) {
    const auto chosen = [this, factor](const QModelIndex& index) {
      if (updating_ > 0 || !index.isValid()) {
        return;
      }
      RunOperation([&] {
        if (index.column() == 0) {
          return;  // the label column is fixed: the selection goes back where it was
        }
        const auto row = static_cast<std::int32_t>(index.row());
        if (factor) {
          pages_->ClickFactorRow(row);
        } else {
          pages_->ClickLevelRow(row);
        }
      });
    };
    connect(table, &QTableView::clicked, this, chosen);
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this, chosen);
  };
  connect_table(w.factor_table, true);
  connect_table(w.level_table, false);

  // BitBtnFaktorNeu ... BitBtnStufeRunter, in RowEdit order.
  for (std::size_t b = 0; b < w.factor_buttons.size(); ++b) {
    const auto edit = static_cast<RowEdit>(b);
    for (const bool factor : {true, false}) {
      QPushButton* button = factor ? w.factor_buttons[b] : w.level_buttons[b];
      connect(button, &QAbstractButton::clicked, this, [this, button, edit, factor] {
        if (pressed_button_ == button) {
          pressed_button_ = nullptr;  // the operation tells the model of the focus
        }
        if (updating_ == 0) {
          RunOperation([&] { factor ? pages_->EditFactors(edit) : pages_->EditLevels(edit); });
        }
      });
    }
  }
}

void MainWindow::RefreshStrata() {
  const StudyDesign& design = pages_->Design();
  const PagesState& state = pages_->State();
  const StrataEditor& strata = state.strata;
  const MainWindowWidgets& w = widgets_;

  w.strata_switch->setChecked(design.stratified);
  factor_model_->Show(&strata.FactorGrid(), true);
  SelectRow(w.factor_table, strata.FactorRow());
  for (int column = 0; column < kFactorColumns; ++column) {
    QLineEdit* field = w.factor_fields[static_cast<std::size_t>(column)];
    SetText(field, strata.FactorField(column));
    field->setEnabled(column != kFactorLabelColumn && strata.FactorRow() > 0);
  }
  level_model_->Show(&strata.LevelGrid(), true);
  SelectRow(w.level_table, strata.LevelRow());
  for (int column = 0; column < kLevelColumns; ++column) {
    QLineEdit* field = w.level_fields[static_cast<std::size_t>(column)];
    SetText(field, strata.LevelField(column));
    field->setEnabled(column != kLevelLabelColumn && strata.LevelRow() > 0);
  }
  // Buttons that would do nothing are off: removing needs a selected row, moving a row
  // to move to, levels a selected factor.
  const auto enable = [](const std::array<QPushButton*, 4>& buttons, std::int32_t row,
                         std::int32_t rows) {
    buttons[static_cast<std::size_t>(RowEdit::Remove)]->setEnabled(row > 0);
    buttons[static_cast<std::size_t>(RowEdit::Up)]->setEnabled(row > 1);
    buttons[static_cast<std::size_t>(RowEdit::Down)]->setEnabled(row > 0 && row < rows - 1);
  };
  enable(w.factor_buttons, strata.FactorRow(), strata.FactorGrid().RowCount());
  enable(w.level_buttons, strata.LevelRow(), strata.LevelGrid().RowCount());
  w.level_buttons[static_cast<std::size_t>(RowEdit::Add)]->setEnabled(strata.FactorRow() > 0);
  SetText(w.stratum_length_field, design.stratum_length);

  const int strata_tab = static_cast<int>(Page::Strata);
  w.tabs->setTabVisible(strata_tab, state.strata_tab_visible);
  w.tabs->setTabEnabled(strata_tab, state.strata_page_enabled);
}

}  // namespace zufora::app
