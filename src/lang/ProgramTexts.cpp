#include "lang/ProgramTexts.h"

#include "lang/FixedMessages.h"

namespace zufora {

std::optional<std::string> ApplyFirstShowTexts(ProgramTexts& texts, const LanguageFile* file) {
  std::optional<std::string> message;
  if (file != nullptr) {
    TranslateWindows(texts.Windows(), *file);
  } else {
    message = FixedMessages::MissingLanguageFile();
  }

  DerivedTexts& derived = texts.derived;
  derived.block_separator = "------- " + texts.catalogue.Text(Message::LabelBlock) + " ------";
  derived.center_caption = texts.main_window.CaptionOf("LabelCenter");
  if (TextComponent* seed_range = texts.main_window.Find("LabelMinMaxSeed");
      seed_range != nullptr && seed_range->caption) {
    *seed_range->caption = std::string(kSeedRangeCaption);
  }
  derived.save_dialog_design.title = texts.main_window.CaptionOf("BitBtnSave");
  derived.open_dialog_design.title = texts.main_window.CaptionOf("BitBtnLoad");
  return message;
}

FirstShowResult RunFirstShow(ProgramTexts& texts,
                             const std::optional<std::filesystem::path>& language_file_path) {
  LanguageFileReading reading;
  if (language_file_path) {
    reading = ReadLanguageFile(*language_file_path);
  }
  const bool read = reading.status == LanguageFileStatus::kRead;
  return {.language_file = reading.status,
          .message = ApplyFirstShowTexts(texts, read ? &reading.file : nullptr)};
}

LanguageFileStatus RunFirstShow(ProgramTexts& texts,
                                const std::optional<std::filesystem::path>& language_file_path,
                                MessageSink& sink) {
  const FirstShowResult result = RunFirstShow(texts, language_file_path);
  if (result.message) {
    sink.ShowPlain(*result.message);
  }
  return result.language_file;
}

}  // namespace zufora
