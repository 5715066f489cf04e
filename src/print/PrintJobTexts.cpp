#include "print/PrintJobTexts.h"

#include "lang/ProgramTexts.h"

namespace zufora {

PrintJobTexts PrintJobTexts::From(const ProgramTexts& texts, std::string list_text,
                                  HeaderDateClock date) {
  return {.list_text = std::move(list_text),
          .block_separator = texts.derived.block_separator,
          .center_caption = texts.derived.center_caption,
          .stratum_caption = texts.derived.stratum_caption,
          .document_name = texts.main_window.Caption(),
          .date = std::move(date),
          .watermark = {}};
}

}  // namespace zufora
