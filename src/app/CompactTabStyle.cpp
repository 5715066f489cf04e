#include "CompactTabStyle.h"

#include <QTabBar>
#include <algorithm>

namespace zufora::app {
namespace {

constexpr int kTabSpace = 10;
constexpr int kLeastTabSpace = 2;
// What the style adds to each tab beyond its caption and space (frame and overlap).
constexpr int kTabFrame = 4;

// The space beside each caption that lets the visible tabs fill at most the width of
// the page control.
int FittingTabSpace(const QTabBar& bar) {
  const QWidget* control = bar.parentWidget() != nullptr ? bar.parentWidget() : &bar;
  int captions = 0;
  int tabs = 0;
  for (int i = 0; i < bar.count(); ++i) {
    if (bar.isTabVisible(i)) {
      captions += bar.fontMetrics().horizontalAdvance(bar.tabText(i)) + kTabFrame;
      ++tabs;
    }
  }
  if (tabs == 0) {
    return kTabSpace;
  }
  return std::clamp((control->width() - captions) / tabs, kLeastTabSpace, kTabSpace);
}

}  // namespace

int CompactTabStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const {
  if (metric == PM_TabBarTabHSpace) {
    const auto* bar = qobject_cast<const QTabBar*>(widget);
    return bar != nullptr ? FittingTabSpace(*bar) : kTabSpace;
  }
  return QProxyStyle::pixelMetric(metric, option, widget);
}

}  // namespace zufora::app
