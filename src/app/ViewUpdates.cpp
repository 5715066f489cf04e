#include "ViewUpdates.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>

#include "qtprint/Cp1252QString.h"

namespace zufora::app {

void SetText(QLineEdit* edit, const std::string& text) {
  const QString shown = FromCp1252(text);
  if (edit->text() != shown) {
    edit->setText(shown);
  }
}

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

}  // namespace zufora::app
