#include "design/PageTrackingSink.h"

#include <utility>

namespace zufora {

PageTrackingSink::PageTrackingSink(MessageSink& target, PageSwitch on_page_switch)
    : target_(target), on_page_switch_(std::move(on_page_switch)) {}

void PageTrackingSink::ShowPlain(const std::string& text) {
  target_.ShowPlain(text);
}

void PageTrackingSink::ShowNotice(const std::string& text) {
  target_.ShowNotice(text);
}

bool PageTrackingSink::AskQuestion(const std::string& text) {
  return target_.AskQuestion(text);
}

void PageTrackingSink::ActivatePage(Page page) {
  on_page_switch_(page);
}

}  // namespace zufora
