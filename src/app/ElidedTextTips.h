#pragma once

#include <QStyledItemDelegate>

namespace zufora::app {

// Draws a grid's cells as usual; a cell whose text does not fit (and is shown cut, with
// an ellipsis) shows the whole text as its tooltip.
class ElidedTextTips : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override;
};

}  // namespace zufora::app
