#include "ScriptedFileDialogs.h"

namespace zufora::testing {

std::optional<QString> ScriptedFileDialogs::Answer(bool save,
                                                   const app::FileDialogRequest& request) {
  shown_.push_back({save, request});
  if (answers_.empty()) {
    return std::nullopt;
  }
  const Scripted answer = answers_.front();
  answers_.pop_front();
  if (!answer.chosen) {
    return std::nullopt;
  }
  return answer.file;
}

std::optional<QString> ScriptedFileDialogs::AskSaveFileName(QWidget*,
                                                            const app::FileDialogRequest& request) {
  return Answer(true, request);
}

std::optional<QString> ScriptedFileDialogs::AskOpenFileName(QWidget*,
                                                            const app::FileDialogRequest& request) {
  return Answer(false, request);
}

}  // namespace zufora::testing
