#include "ElidedTextTips.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace zufora::app {

bool ElidedTextTips::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                               const QStyleOptionViewItem& option, const QModelIndex& index) {
  if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip) {
    return QStyledItemDelegate::helpEvent(event, view, option, index);
  }
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  const QStyle* style = view->style();
  const QRect text_area = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, view);
  // The margins that the style keeps on either side of a cell's text.
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
  if (cell.fontMetrics.horizontalAdvance(cell.text) > text_area.width() - 2 * margin) {
    QToolTip::showText(event->globalPos(), cell.text, view->viewport(), text_area);
  } else {
    QToolTip::hideText();
  }
  return true;
}

}  // namespace zufora::app
