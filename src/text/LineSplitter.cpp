#include "text/LineSplitter.h"

#include <cstring>

namespace zufora {

LineSplitter::LineSplitter(std::string_view text)
    : text_(text), next_cr_(Find('\r', 0)), next_lf_(Find('\n', 0)) {}

std::size_t LineSplitter::Find(char c, std::size_t from) const {
  if (from >= text_.size()) {
    return text_.size();
  }
  const void* found = std::memchr(text_.data() + from, c, text_.size() - from);
  return found == nullptr
             ? text_.size()
             : static_cast<std::size_t>(static_cast<const char*>(found) - text_.data());
}

bool LineSplitter::Next(std::string_view& line) {
  if (position_ >= text_.size()) {
    return false;
  }
  if (next_cr_ < position_) {
    next_cr_ = Find('\r', position_);
  }
  if (next_lf_ < position_) {
    next_lf_ = Find('\n', position_);
  }
  const std::size_t end = next_cr_ < next_lf_ ? next_cr_ : next_lf_;
  line = text_.substr(position_, end - position_);
  position_ = end + 1;
  if (end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n') {
    ++position_;
  }
  if (position_ > text_.size()) {
    position_ = text_.size();
  }
  return true;
}

}  // namespace zufora
