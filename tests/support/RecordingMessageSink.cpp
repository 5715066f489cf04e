#include "support/RecordingMessageSink.h"

namespace zufora::testing {

void RecordingMessageSink::ShowPlain(const std::string& text) {
  events_.push_back({Kind::Plain, text});
}

void RecordingMessageSink::ShowNotice(const std::string& text) {
  events_.push_back({Kind::Notice, text});
}

bool RecordingMessageSink::AskQuestion(const std::string& text) {
  bool answer = default_answer_;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  events_.push_back({Kind::Question, text, answer});
  return answer;
}

void RecordingMessageSink::ActivatePage(Page page) {
  events_.push_back({Kind::Page, std::string(PageName(page))});
}

void RecordingMessageSink::ScriptAnswers(std::vector<bool> answers) {
  answers_.assign(answers.begin(), answers.end());
}

std::vector<std::string> RecordingMessageSink::Texts() const {
  std::vector<std::string> texts;
  for (const Event& event : events_) {
    if (event.kind != Kind::Page) {
      texts.push_back(event.text);
    }
  }
  return texts;
}

}  // namespace zufora::testing
