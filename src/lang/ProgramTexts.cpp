#include "lang/ProgramTexts.h"

#include "lang/FixedMessages.h"

namespace zufora {

std::optional<std::string> ApplyFirstShowTexts(ProgramTexts& texts, const LanguageFile* file) {
  std::optional<std::string> message;
  if (file != nullptr) {
    TranslateWindows(texts.Windows(), *file);
    texts.language = ReadLanguageIdentity(*file);
  } else {
    message = FixedMessages::MissingLanguageFile();
  }

  DerivedTexts& derived = texts.derived;
  derived.block_separator = "------- " + texts.catalogue.Text(Message::LabelBlock) + " ------";
  derived.center_caption = texts.main_window.CaptionOf("LabelCenter");
  derived.stratum_caption = texts.catalogue.Text(Message::LabelStratum);
  if (TextComponent* seed_range = texts.main_window.Find("LabelMinMaxSeed");
      seed_range != nullptr && seed_range->caption) {
    *seed_range->caption = std::string(kSeedRangeCaption);
  }
  derived.save_dialog_design.title = texts.main_window.CaptionOf("BitBtnSave");
  derived.open_dialog_design.title = texts.main_window.CaptionOf("BitBtnLoad");
  return message;
}

}  // namespace zufora
