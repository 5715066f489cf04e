#include "ScriptedPrintDialogs.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPen>
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

void ScriptedPrintDialogs::ShowPreview(QWidget* parent, app::PreviewPages& pages,
                                       const app::PreviewTexts& texts) {
  ++previews_shown_;
  Preview preview;
  preview.pages = pages.PageCount();
  preview.texts = texts;
  const std::vector<int> wanted = preview_pages_.value_or(std::vector<int>{1, pages.PageCount()});
  preview_pages_.reset();
  // Each page as the preview paints it: a tenth of the printer's size.
  const QRect printable = pages.PrintableRect();
  for (const int page : wanted) {
    if (!pages.Prepare(parent, page)) {
      continue;
    }
    QImage picture(printable.width() / 10 + 1, printable.height() / 10 + 1, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
      QPainter painter(&picture);
      painter.scale(0.1, 0.1);
      painter.setPen(QPen(Qt::black, 0));
      pages.Paint(page, painter);
    }
    int dark = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        dark += qGray(picture.pixel(x, y)) < 128 ? 1 : 0;
      }
    }
    preview.shown.push_back(page);
    preview.dark_pixels.push_back(dark);
  }
  previews_.push_back(preview);
  if (preview_print_) {
    answers_.push_front(*preview_print_);
    preview_print_.reset();
    pages.Print(parent);
  }
}

std::unique_ptr<app::PrintProgress> ScriptedPrintDialogs::StartProgress(QWidget* /*parent*/,
                                                                        const QString& label,
                                                                        int pages,
                                                                        bool cancellable) {
  progress_.push_back({label, pages, cancellable, 0});
  std::optional<int> cancel_at;
  if (!cancel_at_.empty()) {
    cancel_at = cancel_at_.front();
    cancel_at_.pop_front();
  }
  auto progress = std::make_unique<ScriptedProgress>(progress_.back(), cancel_at);
  return progress;
}

}  // namespace zufora::testing
