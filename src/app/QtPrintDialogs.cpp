#include "QtPrintDialogs.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <exception>

namespace zufora::app {
namespace {

class QtPrintProgress : public PrintProgress {
 public:
  QtPrintProgress(QWidget* parent, const QString& label, int pages, bool cancellable)
      : dialog_(label, QString(), 0, pages, parent) {
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(0);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    if (cancellable) {
      dialog_.setCancelButtonText(QProgressDialog::tr("Cancel"));
    } else {
      dialog_.setCancelButton(nullptr);
    }
    dialog_.setValue(0);
  }

  // setValue lets a modal progress dialog handle its events, the Cancel button's too.
  bool PagesDone(int pages) override {
    dialog_.setValue(pages);
    return !dialog_.wasCanceled();
  }

 private:
  QProgressDialog dialog_;
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

void QtPrintDialogs::ShowPreview(QWidget* parent, QPrinter& printer,
                                 const std::function<void(QPrinter&)>& paint) {
  QPrintPreviewDialog dialog(&printer, parent);
  // No exception may pass through Qt's signals: the first one closes the preview and is
  // thrown again here.
  std::exception_ptr failure;
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                   [&paint, &failure, &dialog](QPrinter* target) {
                     if (failure) {
                       return;
                     }
                     try {
                       paint(*target);
                     } catch (...) {
                       failure = std::current_exception();
                       dialog.reject();
                     }
                   });
  dialog.exec();
  if (failure) {
    std::rethrow_exception(failure);
  }
}

std::unique_ptr<PrintProgress> QtPrintDialogs::StartProgress(QWidget* parent, const QString& label,
                                                             int pages, bool cancellable) {
  return std::make_unique<QtPrintProgress>(parent, label, pages, cancellable);
}

}  // namespace zufora::app
