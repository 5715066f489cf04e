#pragma once

#include <string>
#include <string_view>

#include "lang/TextWindow.h"

namespace zufora {

// The entries of the message catalogue, in catalogue order.
enum class Message {
  MessageArmCount,
  MessagePatientCount,
  MessageCenterCount,
  MessageCheckListEachCenter,
  MessageCenterPatientCount,
  MessageInvalidParameter,
  MessageBlockRestictions,
  MessageValidNumber,
  MessageValidRatio,
  MessageArmPatientCount,
  MessageValidBlockSize,
  MessageExpectedSampleSize,
  MessageRatioSampleSize,
  MessageRatioSampleSize2,
  MessageBlockSize,
  MessageBlockSizeRatio,
  MessageSampleSizeError,
  MessageSampleSizeError2,
  MessageErrorFileOpen,
  LabelBlock,
};

inline constexpr int kMessageCount = static_cast<int>(Message::LabelBlock) + 1;

// The entry's name, as a language file addresses it.
std::string_view MessageName(Message message);

// The user messages by fixed name, held as the label captions of the never-shown
// window FormLang (group box GroupBoxMessages, one label per entry), so that the
// language file translates them like every other window text. Callers read a text
// when they show it, never earlier.
class MessageCatalogue {
 public:
  MessageCatalogue();  // every entry holds its German default text

  const std::string& Text(Message message) const;

  // "MessageValidNumber", a blank and 2147483647.
  std::string ValidNumberMessage() const;
  // "MessageErrorFileOpen", a blank and the file name.
  std::string ErrorFileOpenMessage(std::string_view file_name) const;

  // The window FormLang, for the translation walk.
  TextWindow& Window() { return window_; }
  const TextWindow& Window() const { return window_; }

 private:
  TextWindow window_;
};

}  // namespace zufora
