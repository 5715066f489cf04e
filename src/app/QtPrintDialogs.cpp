#include "QtPrintDialogs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <limits>

#include "PrintPreviewDialog.h"

namespace zufora::app {
namespace {

class QtPrintProgress : public PrintProgress {
 public:
  QtPrintProgress(QWidget* parent, const QString& label, int pages, bool cancellable)
      : dialog_(label, QString(), 0, pages, parent), known_length_(pages > 0) {
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    if (cancellable) {
      dialog_.setCancelButtonText(QProgressDialog::tr("Cancel"));
    } else {
      dialog_.setCancelButton(nullptr);
    }
    if (known_length_) {
      dialog_.setMinimumDuration(0);
      dialog_.setValue(0);
    } else {
      // Shown by PagesDone once the job has taken a moment; not by Qt's own timer.
      dialog_.setMinimumDuration(std::numeric_limits<int>::max());
      shown_after_.start();
    }
  }

  // setValue lets a modal progress dialog handle its events, the Cancel button's too. A
  // job of unknown length has no value to set: its events are handled here.
  bool PagesDone(int pages) override {
    if (known_length_) {
      dialog_.setValue(pages);
    } else {
      if (!dialog_.isVisible() && shown_after_.elapsed() >= kUnknownLengthDelayMs) {
        dialog_.show();
      }
      if (dialog_.isVisible()) {
        QCoreApplication::processEvents();
      }
    }
    return !dialog_.wasCanceled();
  }

 private:
  static constexpr qint64 kUnknownLengthDelayMs = 400;

  QProgressDialog dialog_;
  bool known_length_;
  QElapsedTimer shown_after_;
};

}  // namespace

bool QtPrintDialogs::AskPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  // Printer, properties and copies; the PDF entry ("print to file") stays, as it is the
  // only printer of a user without one. Every page is printed.
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                    QAbstractPrintDialog::PrintCollateCopies);
  if (dialog.exec() != QDialog::Accepted) {
    return false;
  }
  printer.setPrintRange(QPrinter::AllPages);
  printer.setFromTo(0, 0);
  return true;
}

void QtPrintDialogs::ShowPreview(QWidget* parent, PreviewPages& pages, const PreviewTexts& texts) {
  PrintPreviewDialog dialog(pages, texts, parent);
  dialog.exec();
}

std::unique_ptr<PrintProgress> QtPrintDialogs::StartProgress(QWidget* parent, const QString& label,
                                                             int pages, bool cancellable) {
  return std::make_unique<QtPrintProgress>(parent, label, pages, cancellable);
}

}  // namespace zufora::app
