// The main window's focus and tabs: where the input focus is goes to the pages model, so
// that a page's check runs when the focus leaves it; input to the tabs goes to the model
// as a page move, which a check may give up; the model's page and focus are shown.
#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>
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
  if (type == QEvent::KeyPress) {
    // Tab and Shift+Tab leave the tabs for the next control: a move of the user's.
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
        !key->modifiers().testFlag(Qt::ControlModifier)) {
      return false;
    }
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
  pressed_button_ = nullptr;
  const Control control = ControlOf(now);
  if (control == Control::None || control == pages_->State().focus) {
    return;
  }
  if (by_mouse && IsButtonBelowPages(now)) {
    // The press of a button below the pages: its click tells the model, together with
    // the button's action, as its keys do; a check's message then does not take the
    // click. A press that ends elsewhere tells the model alone (OnButtonReleased).
    pressed_button_ = static_cast<QAbstractButton*>(now);
    return;
  }
  RunOperation([this, control] { pages_->FocusControl(control); });
}

bool MainWindow::IsButtonBelowPages(const QWidget* widget) const {
  const MainWindowWidgets& w = widgets_;
  return widget == w.back_button || widget == w.next_button || widget == w.open_button ||
         widget == w.save_button || widget == w.close_button;
}

void MainWindow::OnButtonReleased(QAbstractButton* button) {
  if (pressed_button_ != button) {
    return;
  }
  // The click, if the release made one, runs first and takes the focus report along.
  QTimer::singleShot(0, this, [this, button] {
    if (pressed_button_ != button) {
      return;
    }
    pressed_button_ = nullptr;
    const Control control = ControlOf(button);
    if (updating_ == 0 && QApplication::focusWidget() == button) {
      RunOperation([this, control] { pages_->FocusControl(control); });
    }
  });
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
