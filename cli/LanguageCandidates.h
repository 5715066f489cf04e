#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "evidence/ListTextsGuess.h"

namespace zufora::cli {

// A language a list text may have been written in, for verify to choose from.
struct LanguageCandidate {
  std::string name;                  // for the message: "the built-in German texts", ...
  std::optional<std::string> bytes;  // the language file's bytes; none for the built-in texts
  ListTexts texts;                   // what it makes of the list text
};

// The built-in German texts, the bundled English language file (built into the program),
// and the language files found from the executable's folder as the window finds its own
// (ZuforaLang.ini, ZuforaLang.en.ini), each once: a file whose list texts another
// candidate already gives is left out.
std::vector<LanguageCandidate> LanguageCandidates(const std::filesystem::path& executable);

// The bytes of lang/ZuforaLang.en.ini as the program was built with it.
std::string BundledEnglishLanguageFile();

}  // namespace zufora::cli
