#include "QtMessageBoxes.h"

#include <QMessageBox>

namespace zufora::app {
namespace {

QMessageBox::StandardButton Run(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                const QString& text, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, caption, text, buttons, parent);
  // The texts are the program's own, never markup.
  box.setTextFormat(Qt::PlainText);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtMessageBoxes::Inform(QWidget* parent, const QString& caption, const QString& text) {
  Run(parent, QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
}

bool QtMessageBoxes::Ask(QWidget* parent, const QString& caption, const QString& text) {
  return Run(parent, QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

void QtMessageBoxes::ShowError(QWidget* parent, const QString& caption, const QString& text) {
  Run(parent, QMessageBox::Critical, caption, text, QMessageBox::Ok);
}

}  // namespace zufora::app
