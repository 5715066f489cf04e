#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "FileDialogs.h"

namespace zufora::testing {

// Answers file dialogs from a script (a name, or nothing for a cancel; a cancel once the
// script has run out) and records what each dialog was asked to show.
class ScriptedFileDialogs : public app::FileDialogs {
 public:
  struct Shown {
    bool save;
    app::FileDialogRequest request;
  };

  std::optional<QString> AskSaveFileName(QWidget* parent,
                                         const app::FileDialogRequest& request) override;
  std::optional<QString> AskOpenFileName(QWidget* parent,
                                         const app::FileDialogRequest& request) override;

  // The next dialog chooses `file`.
  void ScriptAnswer(const QString& file) { answers_.push_back({true, file}); }
  // The next dialog is cancelled.
  void ScriptCancel() { answers_.push_back({false, QString()}); }
  const std::vector<Shown>& ShownDialogs() const { return shown_; }

 private:
  std::optional<QString> Answer(bool save, const app::FileDialogRequest& request);

  struct Scripted {
    bool chosen;
    QString file;
  };
  std::deque<Scripted> answers_;
  std::vector<Shown> shown_;
};

}  // namespace zufora::testing
