#pragma once

#include <deque>
#include <string>
#include <vector>

#include "design/MessageSink.h"

namespace zufora::testing {

// Records every message, question and page switch in order, and answers questions
// from a script (Yes when the script has run out, unless told otherwise).
class RecordingMessageSink : public MessageSink {
 public:
  enum class Kind { Plain, Notice, Question, Page };
  struct Event {
    Kind kind;
    std::string text;     // the message, or the page's name
    bool answer = false;  // for questions: the answer given
    bool operator==(const Event&) const = default;
  };

  void ShowPlain(const std::string& text) override;
  void ShowNotice(const std::string& text) override;
  bool AskQuestion(const std::string& text) override;
  void ActivatePage(Page page) override;

  // Answers for the coming questions, in order.
  void ScriptAnswers(std::vector<bool> answers);
  void SetDefaultAnswer(bool yes) { default_answer_ = yes; }

  const std::vector<Event>& Events() const { return events_; }
  // The texts of messages and questions only, in order.
  std::vector<std::string> Texts() const;
  void Clear() { events_.clear(); }

 private:
  std::vector<Event> events_;
  std::deque<bool> answers_;
  bool default_answer_ = true;
};

}  // namespace zufora::testing
