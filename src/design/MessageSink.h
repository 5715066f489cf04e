#pragma once

#include <string>

#include "design/Page.h"

namespace zufora {

// The one way messages, questions and page switches leave the core. The window shows
// them in message boxes and its page control, the command line prints them, tests
// record them. Texts are cp1252.
class MessageSink {
 public:
  virtual ~MessageSink() = default;

  // A modal box captioned with the application title, with one OK button.
  virtual void ShowPlain(const std::string& text) = 0;
  // A modal box captioned "Zufora", with one OK button.
  virtual void ShowNotice(const std::string& text) = 0;
  // A modal box captioned "Zufora" with Yes and No; true when Yes was chosen.
  virtual bool AskQuestion(const std::string& text) = 0;
  // Brings a page of the main window to the front.
  virtual void ActivatePage(Page page) = 0;
};

}  // namespace zufora
