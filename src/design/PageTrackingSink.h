#pragma once

#include <functional>
#include <string>

#include "design/MessageSink.h"

namespace zufora {

// Passes messages and questions on to another sink unchanged, but hands every page
// switch to a callback instead, so that the owner of the page state learns of switches
// made by code it calls (the list generator) and can report them itself.
class PageTrackingSink : public MessageSink {
 public:
  using PageSwitch = std::function<void(Page)>;

  PageTrackingSink(MessageSink& target, PageSwitch on_page_switch);

  void ShowPlain(const std::string& text) override;
  void ShowNotice(const std::string& text) override;
  bool AskQuestion(const std::string& text) override;
  void ActivatePage(Page page) override;

 private:
  MessageSink& target_;
  PageSwitch on_page_switch_;
};

}  // namespace zufora
