#pragma once

#include <QWidget>
#include <functional>

#include "PreviewPages.h"

namespace zufora::app {

// One page of a preview on its paper, at a scale: the printable area clipped as the
// printer clips it, lines one screen pixel wide whatever the scale.
class PreviewPageView : public QWidget {
 public:
  // Screen pixels around the paper.
  static constexpr int kMargin = 12;

  PreviewPageView(PreviewPages& pages, QWidget* parent);

  int Page() const { return page_; }
  void SetPage(int page);
  // Screen pixels per device unit of the printer.
  double Scale() const { return scale_; }
  void SetScale(double scale);
  QSize sizeHint() const override;

  // Asked with the wheel's steps (positive: towards the end) where the view has nothing
  // left to scroll; true when it turned the page.
  std::function<bool(int steps)> turn_page_by_wheel;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  PreviewPages& pages_;
  int page_ = 1;
  double scale_ = 0.1;
};

}  // namespace zufora::app
