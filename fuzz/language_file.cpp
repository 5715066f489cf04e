// Language files: any bytes read as the language file and applied to the windows' texts
// and the message catalogue, as at the main window's first show.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "lang/LanguageFile.h"
#include "lang/ProgramTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zufora;
  static const ProgramTexts fresh;  // copied for each input: quicker than building anew
  const LanguageFile file =
      LanguageFile::Parse(std::string(reinterpret_cast<const char*>(data), size));
  ProgramTexts texts = fresh;
  FUZZ_CHECK(!ApplyFirstShowTexts(texts, &file));
  // The separator and centre word are derived from the translated texts.
  FUZZ_CHECK(texts.derived.block_separator ==
             "------- " + texts.catalogue.Text(Message::LabelBlock) + " ------");
  FUZZ_CHECK(texts.derived.center_caption == texts.main_window.CaptionOf("LabelCenter"));
  // Every text came from the file or is built in: none can be longer than the file.
  FUZZ_CHECK(texts.catalogue.Text(Message::MessageArmCount).size() <= size + 64);
  return 0;
}
