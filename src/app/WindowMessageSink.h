#pragma once

#include <functional>

#include "design/MessageSink.h"

class QWidget;

namespace zufora::app {

class MessageBoxes;

// The pages model's messages as the main window's message boxes: plain ones captioned
// with the application title, notices and questions captioned "Zufora". A page that the
// model brings to the front goes to on_activate at once, so that it is in front before
// the next box appears.
class WindowMessageSink : public MessageSink {
 public:
  WindowMessageSink(MessageBoxes& boxes, QWidget& window, std::function<void(Page)> on_activate);

  void ShowPlain(const std::string& text) override;
  void ShowNotice(const std::string& text) override;
  bool AskQuestion(const std::string& text) override;
  void ActivatePage(Page page) override;

 private:
  MessageBoxes& boxes_;
  QWidget& window_;
  std::function<void(Page)> on_activate_;
};

}  // namespace zufora::app
