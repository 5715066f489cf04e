#include "ScriptedMessageBoxes.h"

namespace zufora::testing {

void ScriptedMessageBoxes::Inform(QWidget*, const QString& caption, const QString& text) {
  boxes_.push_back({Kind::Inform, caption, text});
}

bool ScriptedMessageBoxes::Ask(QWidget*, const QString& caption, const QString& text) {
  bool answer = true;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  boxes_.push_back({Kind::Ask, caption, text, answer});
  return answer;
}

void ScriptedMessageBoxes::ShowError(QWidget*, const QString& caption, const QString& text) {
  boxes_.push_back({Kind::Error, caption, text});
}

void ScriptedMessageBoxes::ScriptAnswers(std::vector<bool> answers) {
  answers_.assign(answers.begin(), answers.end());
}

std::vector<QString> ScriptedMessageBoxes::Texts() const {
  std::vector<QString> texts;
  for (const Box& box : boxes_) {
    texts.push_back(box.text);
  }
  return texts;
}

}  // namespace zufora::testing
