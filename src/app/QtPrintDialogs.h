#pragma once

#include <QString>

#include "PrintDialogs.h"

namespace zufora::app {

// QPrintDialog, the program's PrintPreviewDialog and QProgressDialog.
class QtPrintDialogs : public PrintDialogs {
 public:
  bool AskPrinter(QWidget* parent, QPrinter& printer) override;
  void ShowPreview(QWidget* parent, PreviewPages& pages, const PreviewTexts& texts) override;
  std::unique_ptr<PrintProgress> StartProgress(QWidget* parent, const QString& label, int pages,
                                               bool cancellable) override;
};

}  // namespace zufora::app
