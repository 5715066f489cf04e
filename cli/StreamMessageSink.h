#pragma once

#include <ostream>

#include "design/MessageSink.h"

namespace zufora::cli {

// Writes every message to a stream in UTF-8, one line each, a question together with
// the answer given. Every question is answered alike: the only questions on the way of
// a generation are the misfit questions, which abandon it on Yes.
class StreamMessageSink : public MessageSink {
 public:
  StreamMessageSink(std::ostream& out, bool answer_yes) : out_(out), answer_yes_(answer_yes) {}

  void ShowPlain(const std::string& text) override;
  void ShowNotice(const std::string& text) override;
  bool AskQuestion(const std::string& text) override;
  void ActivatePage(Page) override {}

 private:
  void WriteLine(const std::string& cp1252_text, const char* suffix = "");

  std::ostream& out_;
  bool answer_yes_;
};

}  // namespace zufora::cli
