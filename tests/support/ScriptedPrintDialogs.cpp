#include "ScriptedPrintDialogs.h"

#include <QPageSize>
#include <QPrinter>

namespace zufora::testing {
namespace {

class ScriptedProgress : public app::PrintProgress {
 public:
  ScriptedProgress(ScriptedPrintDialogs::Progress& record, std::optional<int> cancel_at)
      : record_(record), cancel_at_(cancel_at) {}

  bool PagesDone(int pages) override {
    record_.last_done = pages;
    return !(cancel_at_ && pages >= *cancel_at_);
  }

 private:
  ScriptedPrintDialogs::Progress& record_;
  std::optional<int> cancel_at_;
};

void SendToPdf(QPrinter& printer, const QString& file) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setPageSize(QPageSize(QPageSize::A4));
}

}  // namespace

bool ScriptedPrintDialogs::AskPrinter(QWidget* /*parent*/, QPrinter& printer) {
  ++dialogs_shown_;
  if (answers_.empty() || !answers_.front()) {
    if (!answers_.empty()) {
      answers_.pop_front();
    }
    return false;
  }
  SendToPdf(printer, *answers_.front());
  answers_.pop_front();
  return true;
}

void ScriptedPrintDialogs::ShowPreview(QWidget* /*parent*/, QPrinter& printer,
                                       const std::function<void(QPrinter&)>& paint) {
  ++previews_shown_;
  // The pages as the preview shows them: on the preview's printer, into a scratch file.
  QPrinter shown(QPrinter::HighResolution);
  shown.setOutputFormat(QPrinter::PdfFormat);
  shown.setOutputFileName(preview_folder_.filePath(QStringLiteral("preview.pdf")));
  shown.setPageLayout(printer.pageLayout());
  shown.setResolution(printer.resolution());
  paint(shown);
  if (preview_print_) {
    SendToPdf(printer, *preview_print_);
    preview_print_.reset();
    paint(printer);
  }
}

std::unique_ptr<app::PrintProgress> ScriptedPrintDialogs::StartProgress(QWidget* /*parent*/,
                                                                        const QString& label,
                                                                        int pages,
                                                                        bool cancellable) {
  progress_.push_back({label, pages, cancellable, 0});
  auto progress = std::make_unique<ScriptedProgress>(progress_.back(), cancel_at_);
  cancel_at_.reset();
  return progress;
}

}  // namespace zufora::testing
