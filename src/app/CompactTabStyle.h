#pragma once

#include <QProxyStyle>

namespace zufora::app {

// The application's style with narrower tabs, so that the page captions fit the width of
// the page control as they did in the window's original small font: 10 pixels beside
// each caption, less when the visible tabs would not fit otherwise (all eight pages, the
// centre and strata pages shown), down to 2.
class CompactTabStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
};

}  // namespace zufora::app
