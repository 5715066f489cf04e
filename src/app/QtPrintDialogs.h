#pragma once

#include <QString>

#include "PrintDialogs.h"

namespace zufora::app {

// QPrintDialog, QPrintPreviewDialog and QProgressDialog.
class QtPrintDialogs : public PrintDialogs {
 public:
  // The progress dialog's label (the print window's "Drucken").
  explicit QtPrintDialogs(QString progress_label) : progress_label_(std::move(progress_label)) {}

  bool AskPrinter(QWidget* parent, QPrinter& printer) override;
  void ShowPreview(QWidget* parent, QPrinter& printer,
                   const std::function<void(QPrinter&)>& paint) override;
  std::unique_ptr<PrintProgress> StartProgress(QWidget* parent, int pages,
                                               bool cancellable) override;

 private:
  QString progress_label_;
};

}  // namespace zufora::app
