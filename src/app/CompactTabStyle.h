#pragma once

#include <QProxyStyle>

namespace zufora::app {

// The application's style with narrower tabs, so that the seven page captions fit the
// width of the page control as they did in the window's original small font.
class CompactTabStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
};

}  // namespace zufora::app
