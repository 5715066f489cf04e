#pragma once

#include <string>
#include <string_view>

#include "lang/LanguageFile.h"

namespace zufora {

// Which language a language file holds, as its section [Language] says:
//   [Language]
//   Code=en        the language's code (ISO 639, optionally with a region: pt_BR), by
//                  which the program loads the toolkit's own texts (dialog buttons, file
//                  and print dialogs) in that language
//   Name=English   the language's name in itself, as the Info page offers the file
// Without the section (or with a code that is no language code) the file counts as
// German, the program's own language. Texts are cp1252.
struct LanguageIdentity {
  std::string code = "de";
  std::string name = "Deutsch";

  bool operator==(const LanguageIdentity&) const = default;
};

inline constexpr std::string_view kLanguageSection = "Language";

// A language code: a letter, then up to 15 ASCII letters, digits, '_' or '-'.
bool IsLanguageCode(std::string_view code);

// The identity that `file` states; where it states no name, the code stands for it.
LanguageIdentity ReadLanguageIdentity(const LanguageFile& file);

}  // namespace zufora
