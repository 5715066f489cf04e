#include "lang/LanguageFileWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "WholeLanguageFile.h"
#include "lang/Language.h"
#include "lang/ProgramTexts.h"

namespace zufora {
namespace {

void ExpectSameTexts(const TextWindow& actual, const TextWindow& expected) {
  EXPECT_EQ(actual.Name(), expected.Name());
  EXPECT_EQ(actual.Caption(), expected.Caption()) << expected.Name();
  ASSERT_EQ(actual.Components().size(), expected.Components().size());
  for (std::size_t c = 0; c < expected.Components().size(); ++c) {
    EXPECT_EQ(actual.Components()[c], expected.Components()[c])
        << expected.Name() << "." << expected.Components()[c].name;
  }
}

void ExpectSameTexts(const ProgramTexts& actual, const ProgramTexts& expected) {
  for (std::size_t w = 0; w < expected.Windows().size(); ++w) {
    ExpectSameTexts(*actual.Windows()[w], *expected.Windows()[w]);
  }
}

std::string Write(const ProgramTexts& texts) {
  return WriteLanguageFileText(texts.Windows(), "heading");
}

// Every non-empty text of the windows is in the file: as an entry that reads back as
// the text, or as a comment line where the text cannot be carried.
void ExpectEveryTextWritten(const ProgramTexts& texts, const std::string& bytes) {
  const LanguageFile file = LanguageFile::Parse(bytes);
  const auto expect_text = [&](const std::string& section, const std::string& key,
                               const std::string& text) {
    if (text.empty()) {
      return;
    }
    const auto value = file.Find(section, key);
    if (value) {
      EXPECT_EQ(*value, text) << key;
    } else {
      EXPECT_NE(bytes.find("\r\n; " + key + "=" + text + "\r\n"), std::string::npos) << key;
    }
  };
  for (const TextWindow* window : texts.Windows()) {
    const std::string& section = window->Name();
    expect_text(section, section + ".Caption", window->Caption());
    for (const TextComponent& component : window->Components()) {
      const std::string key_start = section + "." + component.name + ".";
      expect_text(section, key_start + "Caption", component.caption.value_or(""));
      expect_text(section, key_start + "Hint", component.hint.value_or(""));
      expect_text(section, key_start + "Category", component.category.value_or(""));
      const bool memo = component.class_name == "TMemo" || component.class_name == "TCustomMemo";
      for (std::size_t n = 0; memo && n < component.lines.size(); ++n) {
        const std::string key = key_start + "Lines[" + std::to_string(n) + "]";
        if (!component.lines[n].empty()) {
          expect_text(section, key, component.lines[n]);
        } else if (!file.HasKey(section, key)) {
          EXPECT_NE(bytes.find("\r\n; " + key + "=\r\n"), std::string::npos) << key;
        }
      }
      for (std::size_t n = 0; n < component.items.size(); ++n) {
        expect_text(section, key_start + "Items[" + std::to_string(n) + "]", component.items[n]);
      }
    }
  }
}

TEST(WriteLanguageFile, TheBuiltInTextsReadBackUnchangedAndAreAllThere) {
  const ProgramTexts built_in;
  const std::string bytes = Write(built_in);
  ExpectEveryTextWritten(built_in, bytes);

  const LanguageFile file = LanguageFile::Parse(bytes);
  ProgramTexts texts;
  EXPECT_EQ(ApplyFirstShowTexts(texts, &file), std::nullopt);
  ProgramTexts first_show_without_file;
  ApplyFirstShowTexts(first_show_without_file, nullptr);
  ExpectSameTexts(texts, first_show_without_file);
  EXPECT_EQ(texts.derived.block_separator, first_show_without_file.derived.block_separator);
  EXPECT_EQ(texts.derived.save_dialog_design.title,
            first_show_without_file.derived.save_dialog_design.title);

  // The indented lines of the block help cannot be carried, so none of its lines is an
  // entry (one entry would replace them all).
  EXPECT_FALSE(file.HasKey("FormZufora", "FormZufora.Memo2.Lines[0]"));
  EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
}

// A file written from translated texts carries those texts onto the built-in ones:
// the starting point of a further translation.
TEST(WriteLanguageFile, TranslatedTextsCarryOverOntoTheBuiltInOnes) {
  const LanguageFile english =
      testing::ReadWholeLanguageFile(std::filesystem::path(ZUFORA_LANG_DIR) / "ZuforaLang.en.ini");
  ProgramTexts translated;
  TranslateWindows(translated.Windows(), english);

  const std::string bytes = Write(translated);
  ExpectEveryTextWritten(translated, bytes);
  ProgramTexts texts;
  TranslateWindows(texts.Windows(), LanguageFile::Parse(bytes));
  ExpectSameTexts(texts, translated);
  EXPECT_NE(texts.main_window.Find("Memo2")->lines,
            ProgramTexts().main_window.Find("Memo2")->lines);
}

TEST(WriteLanguageFile, KeysFollowTheWalkAndUncarriableTextsBecomeComments) {
  TextWindow window("FormTest_2", " Titel");
  window.Add(
      {.name = "Label1", .class_name = "TLabel", .caption = "a=b", .hint = "zwei\r\nZeilen"});
  window.Add({.name = "Group_1", .class_name = "TRadioGroup", .caption = "", .items = {"x", ""}});
  window.Add({.name = "Rich", .class_name = "TRichEdit", .hint = "", .lines = {"Liste"}});
  window.Add({.name = "Memo", .class_name = "TMemo", .lines = {"eins", "", "drei"}});
  window.Add({.name = "Header", .class_name = "THeaderControl", .sections = {"Kopf"}});
  const TextWindow* windows[] = {&window};
  const std::string bytes = WriteLanguageFileText(windows, "erste\nzweite");
  const LanguageFile file = LanguageFile::Parse(bytes);

  EXPECT_EQ(bytes.rfind("; erste\r\n; zweite\r\n", 0), 0u);
  EXPECT_NE(bytes.find("\r\n[FormTest]\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n; FormTest.Caption= Titel\r\n"), std::string::npos);
  EXPECT_EQ(file.Find("FormTest", "FormTest.Label1.Caption"), "a=b");
  EXPECT_NE(bytes.find("\r\n; FormTest.Label1.Hint=zwei  Zeilen\r\n"), std::string::npos);
  EXPECT_EQ(file.Find("FormTest", "FormTest.Group_1.Items[0]"), "x");
  EXPECT_FALSE(file.HasKey("FormTest", "FormTest.Group_1.Items[1]"));
  EXPECT_FALSE(file.HasKey("FormTest", "FormTest.Group_1.Caption"));
  EXPECT_FALSE(file.HasKey("FormTest", "FormTest.Rich.Lines[0]"));
  EXPECT_EQ(file.Find("FormTest", "FormTest.Memo.Lines[1]"), "");
  EXPECT_EQ(file.Find("FormTest", "FormTest.Memo.Lines[2]"), "drei");
  EXPECT_EQ(file.Find("FormTest", "FormTest.Header.Section[0]"), "Kopf");
  EXPECT_EQ(file.EntryCount(), 6u);

  TextWindow read_back = window;
  TranslateWindow(read_back, file);
  ExpectSameTexts(read_back, window);
}

}  // namespace
}  // namespace zufora
