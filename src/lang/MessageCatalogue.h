#pragma once

#include <string>
#include <string_view>
#include <vector>

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
  // The messages of the window and of design files, after the original entries.
  MessageListNotCp1252,
  MessageCharacterRefused,
  MessageDesignFileTooManyArms,
  MessageDesignFileTooManyCenters,
  MessageDesignFileTooLarge,
  MessageDesignFileNotCp1252,
  // Stratification: the word of a stratum heading, the strata page, design files.
  LabelStratum,
  MessageCheckStrata,
  MessageFactorCount,
  MessageLevelCount,
  MessageFactorName,
  MessageFactorField,
  MessageFactorFieldTwice,
  MessageFactorLevels,
  MessageLevelText,
  MessageLevelCodeTwice,
  MessageStrataCount,
  MessageStratumLength,
  MessageDesignFileTooManyFactors,
  MessageDesignFileTooManyLevels,
  // The print preview's controls and its progress.
  LabelPreviewPageOf,
  LabelPreviewFirstPage,
  LabelPreviewPreviousPage,
  LabelPreviewNextPage,
  LabelPreviewLastPage,
  LabelPreviewZoomIn,
  LabelPreviewZoomOut,
  LabelPreviewPageWidth,
  LabelPreviewWholePage,
  LabelPreviewClose,
  MessagePreviewPreparing,
  // The window's later messages.
  MessageDesignFileMissing,
  MessageCharactersRefused,
  MessageDesignTextTooLong,
  // The list page's button for the code-break envelopes (BitBtnEnvelopes).
  LabelEnvelopesButton,
  // The list page's randomisation numbers.
  MessageNumberFormat,
};

inline constexpr int kMessageCount = static_cast<int>(Message::MessageNumberFormat) + 1;

// The entry's name, as a language file addresses it.
std::string_view MessageName(Message message);

// The text with each "%1" to "%9" replaced by the value of that number, in one pass (a
// value's own "%n" stays as it is). A placeholder without a value, and any other "%",
// stay. Works on any text whose "%" and digits are single ASCII bytes: cp1252, UTF-8.
std::string FillPlaceholders(std::string_view text, const std::vector<std::string>& values);

// The user messages by fixed name, held as the label captions of the never-shown
// window FormLang (group box GroupBoxMessages, one label per entry), so that the
// language file translates them like every other window text. Callers read a text
// when they show it, never earlier.
//
// A message is shown in one of two composed forms when it names values: the original
// entries take a blank and the value after their text (ValidNumberMessage,
// ErrorFileOpenMessage); the later ones name their values inside the text as %1, %2, ...,
// so that a translation can put them where its language wants them (Compose).
class MessageCatalogue {
 public:
  MessageCatalogue();  // every entry holds its German default text

  const std::string& Text(Message message) const;
  // The entry's text with its placeholders filled (FillPlaceholders).
  std::string Compose(Message message, const std::vector<std::string>& values) const;

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
