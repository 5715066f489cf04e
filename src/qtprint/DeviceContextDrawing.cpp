#include "qtprint/DeviceContextDrawing.h"

#include <QPainter>
#include <QPen>

namespace zufora {

void DrawDeviceLine(QPainter& painter, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                    std::int32_t y2) {
  if (x1 == x2 && y1 == y2) {
    return;
  }
  // A flat-capped pen one unit wide covers a device context's pixels when the line runs
  // through the pixels' centres across its direction; along it, a line drawn towards
  // smaller coordinates covers the pixels after its end point, up to its start.
  double from_x = x1;
  double from_y = y1;
  double to_x = x2;
  double to_y = y2;
  if (y1 == y2) {
    from_y += 0.5;
    to_y += 0.5;
    if (x2 < x1) {
      from_x += 1;
      to_x += 1;
    }
  } else if (x1 == x2) {
    from_x += 0.5;
    to_x += 0.5;
    if (y2 < y1) {
      from_y += 1;
      to_y += 1;
    }
  } else {
    from_x += 0.5;
    from_y += 0.5;
    to_x += 0.5;
    to_y += 0.5;
  }
  if (painter.pen().color() != Qt::black) {
    QPen pen = painter.pen();
    pen.setColor(Qt::black);
    painter.setPen(pen);
  }
  painter.drawLine(QPointF(from_x, from_y), QPointF(to_x, to_y));
}

void FillDeviceRect(QPainter& painter, const PrintRect& rect, PrintColor color) {
  const std::int64_t width = std::int64_t{rect.right} - rect.left;
  const std::int64_t height = std::int64_t{rect.bottom} - rect.top;
  if (width <= 0 || height <= 0) {
    return;
  }
  // QRect(left, top, width, height): QRect(QPoint, QPoint) would be one unit larger.
  painter.fillRect(
      QRectF(rect.left, rect.top, static_cast<double>(width), static_cast<double>(height)),
      QColor(color.red, color.green, color.blue));
}

void DrawDeviceText(QPainter& painter, std::int32_t x, std::int32_t baseline, const QString& text,
                    PrintColor color) {
  const QColor wanted(color.red, color.green, color.blue);
  if (painter.pen().color() != wanted) {
    QPen pen = painter.pen();
    pen.setColor(wanted);
    painter.setPen(pen);
  }
  painter.drawText(QPointF(x, baseline), text);
}

}  // namespace zufora
