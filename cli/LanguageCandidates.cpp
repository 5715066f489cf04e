#include "LanguageCandidates.h"

#include "files/FirstShow.h"
#include "lang/LanguageFile.h"
#include "lang/LanguageFileLocation.h"
#include "lang/ProgramTexts.h"

namespace zufora::cli {
namespace {

ListTexts TextsOf(const std::optional<std::string>& bytes) {
  ProgramTexts texts;
  if (bytes) {
    const LanguageFile file = LanguageFile::Parse(*bytes);
    ApplyFirstShowTexts(texts, &file);
  } else {
    ApplyFirstShowTexts(texts, nullptr);
  }
  return {texts.derived.block_separator, texts.derived.center_caption};
}

void Add(std::vector<LanguageCandidate>& candidates, std::string name,
         std::optional<std::string> bytes) {
  const ListTexts texts = TextsOf(bytes);
  for (const LanguageCandidate& candidate : candidates) {
    if (candidate.texts.block_separator == texts.block_separator &&
        candidate.texts.center_caption == texts.center_caption) {
      return;
    }
  }
  candidates.push_back({std::move(name), std::move(bytes), texts});
}

}  // namespace

std::vector<LanguageCandidate> LanguageCandidates(const std::filesystem::path& executable) {
  std::vector<LanguageCandidate> candidates;
  Add(candidates, "the built-in German texts", std::nullopt);
  Add(candidates, "the bundled English language file", BundledEnglishLanguageFile());
  if (!executable.empty()) {
    for (const char* name : {"ZuforaLang.ini", "ZuforaLang.en.ini"}) {
      const auto file = FindLanguageFile(executable.parent_path(), name);
      if (!file) {
        continue;
      }
      LanguageFileReading reading = ReadLanguageFile(*file);
      if (reading.status == FileReadStatus::Read) {
        Add(candidates, "the language file " + file->string(), std::move(reading.bytes));
      }
    }
  }
  return candidates;
}

}  // namespace zufora::cli
