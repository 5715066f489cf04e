#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "PrintDialogs.h"

namespace zufora::testing {

// Answers print dialogs from a script and records what was asked. A confirmed dialog
// sends the job to a PDF file, as the dialog's PDF entry does; a dialog without an
// answer left is cancelled. The preview turns to the scripted pages (the first and the
// last unless told), paints each into a picture and, when scripted, prints from the
// preview to a file. Progress is recorded and cancelled at a scripted page.
class ScriptedPrintDialogs : public app::PrintDialogs {
 public:
  bool AskPrinter(QWidget* parent, QPrinter& printer) override;
  void ShowPreview(QWidget* parent, app::PreviewPages& pages,
                   const app::PreviewTexts& texts) override;
  std::unique_ptr<app::PrintProgress> StartProgress(QWidget* parent, const QString& label,
                                                    int pages, bool cancellable) override;

  // The next print dialog chooses the PDF entry with this file.
  void ScriptPdf(const QString& file) { answers_.push_back(file); }
  // The next print dialog is cancelled.
  void ScriptCancel() { answers_.push_back(std::nullopt); }
  // The next preview prints from the preview to this PDF file after showing its pages.
  void ScriptPrintFromPreview(const QString& file) { preview_print_ = file; }
  // The pages the next preview turns to, in order.
  void ScriptPreviewPages(std::vector<int> pages) { preview_pages_ = std::move(pages); }
  // The next job's progress is cancelled when this many pages are done.
  void ScriptCancelAtPage(int page) { cancel_at_.push_back(page); }
  // The next job's progress runs through (so that a cancel scripted after it is
  // heard by the job after that).
  void ScriptProgressRunsThrough() { cancel_at_.push_back(std::nullopt); }

  int DialogsShown() const { return dialogs_shown_; }
  int PreviewsShown() const { return previews_shown_; }
  // What each preview showed: its page count, the pages it turned to (those whose layout
  // was cancelled left out) with the dark pixels of each page's picture, its texts.
  struct Preview {
    int pages = 0;
    std::vector<int> shown;
    std::vector<int> dark_pixels;
    app::PreviewTexts texts;
  };
  const std::vector<Preview>& Previews() const { return previews_; }
  // The page count that each progress indication was started with, and whether it
  // could be cancelled.
  struct Progress {
    QString label;
    int pages = 0;
    bool cancellable = false;
    int last_done = 0;
  };
  const std::deque<Progress>& ProgressShown() const { return progress_; }

 private:
  std::deque<std::optional<QString>> answers_;
  std::optional<QString> preview_print_;
  std::optional<std::vector<int>> preview_pages_;
  std::vector<Preview> previews_;
  std::deque<std::optional<int>> cancel_at_;
  int dialogs_shown_ = 0;
  int previews_shown_ = 0;
  std::deque<Progress> progress_;  // stable references while a job runs
};

}  // namespace zufora::testing
