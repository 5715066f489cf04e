#pragma once

#include <QAbstractTableModel>
#include <QColor>

#include "design/TextGrid.h"

namespace zufora::app {

// A table of the design pages as a Qt model: row 0 is the heading row and column 0 the
// label column, both fixed (button-face colour, not selectable) as long as the heading
// is fixed; nothing is editable in place. The grid belongs to the pages model; call
// Show() after every change of it.
class TextGridModel : public QAbstractTableModel {
 public:
  explicit TextGridModel(QObject* parent = nullptr);

  // Shows grid (kept by pointer until the next call). A changed row count resets the
  // model; otherwise only the cells are reported changed.
  void Show(const TextGrid* grid, bool heading_fixed);
  void SetFixedColour(const QColor& colour) { fixed_colour_ = colour; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  bool Fixed(const QModelIndex& index) const;

  const TextGrid* grid_ = nullptr;
  bool heading_fixed_ = true;
  int shown_rows_ = 0;
  int shown_columns_ = 0;
  QColor fixed_colour_;
};

}  // namespace zufora::app
