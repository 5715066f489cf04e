#include "PreviewPageView.h"

#include <QPainter>
#include <QPen>
#include <QWheelEvent>
#include <cmath>

namespace zufora::app {

PreviewPageView::PreviewPageView(PreviewPages& pages, QWidget* parent)
    : QWidget(parent), pages_(pages) {
  setObjectName(QStringLiteral("PreviewPage"));
}

void PreviewPageView::SetPage(int page) {
  page_ = page;
  update();
}

void PreviewPageView::SetScale(double scale) {
  scale_ = scale;
  resize(sizeHint());
  update();
}

QSize PreviewPageView::sizeHint() const {
  const QRect paper = pages_.PaperRect();
  return {static_cast<int>(std::ceil(paper.width() * scale_)) + 2 * kMargin,
          static_cast<int>(std::ceil(paper.height() * scale_)) + 2 * kMargin};
}

void PreviewPageView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Dark));
  const QRect paper = pages_.PaperRect();
  const QRect printable = pages_.PrintableRect();
  const QRectF sheet(kMargin, kMargin, paper.width() * scale_, paper.height() * scale_);
  painter.fillRect(sheet.translated(3, 3), palette().color(QPalette::Shadow));
  painter.fillRect(sheet, Qt::white);

  painter.translate(sheet.left() + (printable.left() - paper.left()) * scale_,
                    sheet.top() + (printable.top() - paper.top()) * scale_);
  painter.scale(scale_, scale_);
  // What the printer cannot print is not shown either.
  painter.setClipRect(QRectF(0, 0, printable.width(), printable.height()));
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setPen(QPen(Qt::black, 0));  // cosmetic: one screen pixel at any scale
  pages_.Paint(page_, painter);
}

void PreviewPageView::wheelEvent(QWheelEvent* event) {
  const int steps = -event->angleDelta().y() / 120;
  if (steps != 0 && turn_page_by_wheel && turn_page_by_wheel(steps)) {
    event->accept();
    return;
  }
  event->ignore();  // the scroll area scrolls
}

}  // namespace zufora::app
