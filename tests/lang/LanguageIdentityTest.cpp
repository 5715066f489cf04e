#include "lang/LanguageIdentity.h"

#include <gtest/gtest.h>

#include "lang/LanguageFileWriter.h"
#include "lang/ProgramTexts.h"

namespace zufora {
namespace {

LanguageIdentity Of(const char* text) {
  return ReadLanguageIdentity(LanguageFile::Parse(text));
}

TEST(LanguageIdentity, AFileSaysItsLanguageOrIsGerman) {
  EXPECT_EQ(Of("[FormZufora]\nFormZufora.Caption=x\n"), (LanguageIdentity{"de", "Deutsch"}));
  EXPECT_EQ(Of("[Language]\nCode=en\nName=English\n"), (LanguageIdentity{"en", "English"}));
  EXPECT_EQ(Of("[language]\ncode = pt_BR \nname=Portugu\xEAs (Brasil)\n"),
            (LanguageIdentity{"pt_BR", "Portugu\xEAs (Brasil)"}));
  // Without a name the code stands for it; a code that is none counts as German.
  EXPECT_EQ(Of("[Language]\nCode=fr\n"), (LanguageIdentity{"fr", "fr"}));
  EXPECT_EQ(Of("[Language]\nCode=../en\nName=Kaputt\n"), (LanguageIdentity{"de", "Kaputt"}));
  EXPECT_EQ(Of("[Language]\nCode=\n"), (LanguageIdentity{"de", "Deutsch"}));
}

TEST(LanguageIdentity, CodesAreShortWordsOfLettersDigitsAndDashes) {
  for (const char* code : {"de", "en", "pt_BR", "zh-Hant", "x1"}) {
    EXPECT_TRUE(IsLanguageCode(code)) << code;
  }
  for (const char* code : {"", "1de", "de/", "d e", "de.qm", "abcdefghijklmnopq", "\xE4"}) {
    EXPECT_FALSE(IsLanguageCode(code)) << code;
  }
}

// The written file names the texts' language, and the first show takes it back.
TEST(LanguageIdentity, TheWrittenFileCarriesItAndTheFirstShowTakesIt) {
  ProgramTexts texts;
  texts.language = {"fr",
                    "Fran\xE7"
                    "ais"};
  const LanguageFile written = LanguageFile::Parse(WriteLanguageFileText(texts, "heading"));
  EXPECT_EQ(ReadLanguageIdentity(written), texts.language);

  ProgramTexts shown;
  ApplyFirstShowTexts(shown, &written);
  EXPECT_EQ(shown.language, texts.language);
  ProgramTexts without;
  ApplyFirstShowTexts(without, nullptr);
  EXPECT_EQ(without.language, LanguageIdentity{});
}

}  // namespace
}  // namespace zufora
