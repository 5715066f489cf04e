// The main window's focus and tabs: where the input focus is goes to the pages model, so
// that a page's check runs when the focus leaves it; input to the tabs goes to the model
// as a page move, which a check may give up; the model's page and focus are shown.
#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <utility>

#include "MainWindow.h"

namespace zufora::app {

// Input to the tabs (a click, keys, the wheel; Ctrl+Tab reaches the page control from the
// page) switches the visible page before the page control reports the change, and Qt
// moves the focus off the page that goes: that move is not the user's. The event is
// handled here, with focus moves unwatched, and the change then goes to the model.
bool MainWindow::FilterFocusAndTabInput(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::FocusIn) {
    mouse_focus_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
  }
  const bool tabs = watched == widgets_.tabs || watched == widgets_.tabs->tabBar();
  if (!tabs ||
      (type != QEvent::MouseButtonPress && type != QEvent::KeyPress && type != QEvent::Wheel)) {
    return false;
  }
  ++focus_unwatched_;
  watched->event(event);  // QObject::event is public; the widget's own handler runs
  --focus_unwatched_;
  return true;
}

void MainWindow::OnTabChanged(int index) {
  if (updating_ > 0) {
    return;
  }
  // The tabs have moved already; the model decides. Until it has, the page left stays.
  RunOperation([this, index] {
    ShowPage(pages_->State().active_page);
    pages_->MovePage(static_cast<Page>(index));
  });
}

void MainWindow::OnFocusChanged(QWidget* now) {
  const bool by_mouse = std::exchange(mouse_focus_, false);
  if (updating_ > 0 || focus_unwatched_ > 0 || now == nullptr || now->window() != this) {
    return;  // a message box or dialog, or not the user's move
  }
  const Control control = ControlOf(now);
  if (control == Control::None || control == pages_->State().focus) {
    return;
  }
  const int boxes = sink_.BoxesShown();
  RunOperation([this, control] { pages_->FocusControl(control); });
  // A box shown while a button is being pressed takes the press: the button's action
  // does not follow (its click is swallowed, and the button does not stay down).
  if (by_mouse && sink_.BoxesShown() != boxes) {
    if (auto* button = qobject_cast<QAbstractButton*>(now)) {
      swallowed_click_ = button;
      QTimer::singleShot(0, button, [this, button] {
        button->setDown(false);
        if (swallowed_click_ == button) {
          swallowed_click_ = nullptr;
        }
      });
    }
  }
}

void MainWindow::ShowPage(Page page) {
  ++updating_;
  widgets_.tabs->setCurrentIndex(static_cast<int>(page));
  --updating_;
}

void MainWindow::ApplyFocus() {
  QWidget* target = WidgetOf(pages_->State().focus);
  if (target != nullptr && QApplication::focusWidget() != target && target->isEnabled()) {
    target->setFocus(Qt::OtherFocusReason);
  }
}

Control MainWindow::ControlOf(const QWidget* widget) const {
  for (const QWidget* w = widget; w != nullptr && w != this; w = w->parentWidget()) {
    if (w == widgets_.tabs->tabBar() || w == widgets_.tabs) {
      return Control::Tabs;
    }
    const Control control = ControlByName(w->objectName().toStdString());
    if (control != Control::None) {
      return control;
    }
  }
  return Control::None;
}

QWidget* MainWindow::WidgetOf(Control control) const {
  if (control == Control::None) {
    return nullptr;
  }
  if (control == Control::Tabs) {
    return widgets_.tabs->tabBar();
  }
  return findChild<QWidget*>(QString::fromLatin1(ControlName(control)));
}

}  // namespace zufora::app
