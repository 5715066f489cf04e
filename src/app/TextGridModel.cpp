#include "TextGridModel.h"

#include <QBrush>

#include "qtprint/Cp1252QString.h"

namespace zufora::app {

TextGridModel::TextGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void TextGridModel::Show(const TextGrid* grid, bool heading_fixed) {
  const int rows = grid != nullptr ? static_cast<int>(grid->RowCount()) : 0;
  const int columns = grid != nullptr ? grid->ColumnCount() : 0;
  if (rows != shown_rows_ || columns != shown_columns_ || grid != grid_) {
    beginResetModel();
    grid_ = grid;
    heading_fixed_ = heading_fixed;
    shown_rows_ = rows;
    shown_columns_ = columns;
    endResetModel();
    return;
  }
  heading_fixed_ = heading_fixed;
  if (rows > 0 && columns > 0) {
    // Views repaint only what they show, so this costs nothing for a long table.
    emit dataChanged(index(0, 0), index(rows - 1, columns - 1));
  }
}

int TextGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shown_rows_;
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shown_columns_;
}

bool TextGridModel::Fixed(const QModelIndex& index) const {
  return index.column() == 0 || (index.row() == 0 && heading_fixed_);
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
  if (grid_ == nullptr || !index.isValid()) {
    return {};
  }
  switch (role) {
    case Qt::DisplayRole: return FromCp1252(grid_->Cell(index.column(), index.row()));
    case Qt::BackgroundRole:
      if (Fixed(index) && fixed_colour_.isValid()) {
        return QBrush(fixed_colour_);
      }
      return {};
    default: return {};
  }
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) {
    return Qt::NoItemFlags;
  }
  if (Fixed(index)) {
    return Qt::ItemIsEnabled;
  }
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace zufora::app
