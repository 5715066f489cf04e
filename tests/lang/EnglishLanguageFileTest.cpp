#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include "WholeLanguageFile.h"
#include "lang/Language.h"
#include "lang/ProgramTexts.h"

namespace zufora {
namespace {

const std::filesystem::path kEnglishFile =
    std::filesystem::path(ZUFORA_LANG_DIR) / "ZuforaLang.en.ini";

// Words that are the same in both languages, and texts that are no German.
const std::set<std::string> kSameInEnglish = {
    "Quandel Zufora Version 1.2",
    "Arm",
    "Ratio",
    "Export",
    "Format",
    "file:///usr/share/doc/zufora/README.md",
    "Block",
    "Language",
    "Messages",
    "Strata",
    "Stratum",
    "Name",
    "Code",
};

LanguageFile ReadEnglish() {
  return testing::ReadWholeLanguageFile(kEnglishFile);
}

TEST(EnglishLanguageFile, IsPlainAsciiWithCarriageReturnLineFeed) {
  std::FILE* in = std::fopen(kEnglishFile.string().c_str(), "rb");
  ASSERT_NE(in, nullptr);
  int previous = 0;
  for (int c = std::fgetc(in); c != EOF; previous = c, c = std::fgetc(in)) {
    ASSERT_TRUE((c >= 0x20 && c < 0x7F) || c == '\r' || c == '\n') << "byte " << c;
    ASSERT_TRUE(c != '\n' || previous == '\r');
  }
  std::fclose(in);
}

// Every text that the walk can replace and that the windows hold has a key with a
// non-empty value, and after the first show no German text is left.
TEST(EnglishLanguageFile, TranslatesEveryTextOfTheThreeWindows) {
  const LanguageFile file = ReadEnglish();
  const ProgramTexts built_in;
  ProgramTexts texts;
  EXPECT_EQ(ApplyFirstShowTexts(texts, &file), std::nullopt);

  const auto before = built_in.Windows();
  const auto after = texts.Windows();
  for (std::size_t w = 0; w < before.size(); ++w) {
    const TextWindow& german = *before[w];
    const TextWindow& english = *after[w];
    const std::string& section = german.Name();
    EXPECT_FALSE(file.ReadString(section, section + ".Caption").empty()) << section;
    if (!kSameInEnglish.contains(german.Caption())) {
      EXPECT_NE(english.Caption(), german.Caption()) << section;
    }
    for (std::size_t c = 0; c < german.Components().size(); ++c) {
      const TextComponent& de = german.Components()[c];
      const TextComponent& en = english.Components()[c];
      const std::string key_start = section + "." + de.name + ".";
      const auto expect_translated = [&](const std::optional<std::string>& de_text,
                                         const std::optional<std::string>& en_text,
                                         const std::string& property) {
        if (!de_text || de_text->empty() || de.name == "LabelMinMaxSeed") {
          return;
        }
        EXPECT_FALSE(file.ReadString(section, key_start + property).empty())
            << key_start << property;
        if (!kSameInEnglish.contains(*de_text)) {
          EXPECT_NE(*en_text, *de_text) << key_start << property;
        }
      };
      expect_translated(de.caption, en.caption, "Caption");
      expect_translated(de.hint, en.hint, "Hint");
      expect_translated(de.category, en.category, "Category");
      if (de.class_name == "TMemo") {
        // As many lines as the German text where it has lines; none of them German.
        for (const std::string& line : de.lines) {
          if (!line.empty()) {
            EXPECT_EQ(std::count(en.lines.begin(), en.lines.end(), line), 0) << line;
          }
        }
        if (!de.lines.empty()) {
          EXPECT_FALSE(en.lines.empty()) << de.name;
        }
      }
      for (std::size_t i = 0; i < de.items.size(); ++i) {
        EXPECT_NE(en.items[i], de.items[i]) << key_start << "Items[" << i << "]";
      }
    }
  }
  // Memo2 keeps its empty last line.
  EXPECT_EQ(texts.main_window.Find("Memo2")->lines.size(), 10u);
  EXPECT_EQ(texts.main_window.Find("Memo2")->lines.back(), "");
}

TEST(EnglishLanguageFile, TranslatesEveryCatalogueEntry) {
  const LanguageFile file = ReadEnglish();
  const MessageCatalogue german;
  ProgramTexts texts;
  ApplyFirstShowTexts(texts, &file);
  for (int m = 0; m < kMessageCount; ++m) {
    const auto message = static_cast<Message>(m);
    const std::string key = "FormLang." + std::string(MessageName(message)) + ".Caption";
    EXPECT_FALSE(file.ReadString("FormLang", key).empty()) << key;
    if (!kSameInEnglish.contains(german.Text(message))) {
      EXPECT_NE(texts.catalogue.Text(message), german.Text(message)) << key;
    }
  }
  EXPECT_EQ(texts.derived.block_separator, "------- Block ------");
  EXPECT_EQ(texts.derived.center_caption, "Center");
  EXPECT_EQ(texts.derived.stratum_caption, "Stratum");
  EXPECT_EQ(texts.derived.save_dialog_design.title, "Save study design");
  EXPECT_EQ(texts.derived.open_dialog_design.title, "Open study design");
  EXPECT_EQ(texts.catalogue.ValidNumberMessage(),
            "Input value: valid number in the range from 1 to 2147483647");
}

}  // namespace
}  // namespace zufora
