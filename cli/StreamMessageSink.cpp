#include "StreamMessageSink.h"

#include <algorithm>

#include "text/Cp1252.h"

namespace zufora::cli {

void StreamMessageSink::WriteLine(const std::string& cp1252_text, const char* suffix) {
  // A translated message could hold a line break; each message stays on one line.
  std::string line = cp1252_text;
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  out_ << Cp1252ToUtf8(line) << suffix << '\n';
}

void StreamMessageSink::ShowPlain(const std::string& text) {
  WriteLine(text);
}

void StreamMessageSink::ShowNotice(const std::string& text) {
  WriteLine(text);
}

bool StreamMessageSink::AskQuestion(const std::string& text) {
  WriteLine(text, answer_yes_ ? " [Ja]" : " [Nein]");
  return answer_yes_;
}

}  // namespace zufora::cli
