#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/Language.h"
#include "lang/LanguageFile.h"
#include "lang/MainWindowTexts.h"
#include "lang/PrintWindowTexts.h"
#include "lang/TextWindow.h"
#include "text/Cp1252.h"

namespace zufora {
namespace {

using Lines = std::vector<std::string>;

TextWindow Translated(TextWindow window, std::string_view file_text) {
  TranslateWindow(window, LanguageFile::Parse(std::string(file_text)));
  return window;
}

const TextComponent& Component(const TextWindow& window, std::string_view name) {
  const TextComponent* component = window.Find(name);
  if (component == nullptr) {
    throw std::logic_error("no component " + std::string(name));
  }
  return *component;
}

void ExpectSameTexts(const TextWindow& actual, const TextWindow& expected) {
  EXPECT_EQ(actual.Caption(), expected.Caption());
  EXPECT_EQ(actual.Components(), expected.Components());
}

// SetTextProperty

TEST(SetTextProperty, SetsOnlyNonEmptyValuesOfPropertiesTheComponentHas) {
  TextComponent label{.name = "L", .class_name = "TLabel", .caption = "old", .hint = "tip"};
  SetTextProperty(label, "Caption", "");
  EXPECT_EQ(label.caption, "old");
  SetTextProperty(label, "Caption", "new");
  SetTextProperty(label, "Hint", "new tip");
  SetTextProperty(label, "Category", "nothing");
  SetTextProperty(label, "caption", "names are exact");
  SetTextProperty(label, "Text", "no such property");
  EXPECT_EQ(label.caption, "new");
  EXPECT_EQ(label.hint, "new tip");
  EXPECT_EQ(label.category, std::nullopt);

  TextComponent dialog{.name = "D", .class_name = "TSaveDialog"};
  SetTextProperty(dialog, "Caption", "x");
  SetTextProperty(dialog, "Hint", "x");
  EXPECT_EQ(dialog, (TextComponent{.name = "D", .class_name = "TSaveDialog"}));

  TextComponent action{.name = "A", .class_name = "TAction", .category = "File"};
  SetTextProperty(action, "Category", "Datei");
  EXPECT_EQ(action.category, "Datei");
}

// The edge cases of the main window

TEST(TranslateMainWindow, EmptyValueChangesNothing) {
  const TextWindow built_in = MakeMainWindowTexts();
  ExpectSameTexts(Translated(built_in, "[FormZufora]\nFormZufora.BitBtnNext.Caption=\n"), built_in);
}

TEST(TranslateMainWindow, SectionAndKeyInOtherLetterCaseTakeEffect) {
  const TextWindow window = Translated(MakeMainWindowTexts(),
                                       "[FORMzufora]\nformZUFORA.bitbtnNEXT.caption=&Next\n"
                                       "formzufora.CAPTION=Title\n");
  EXPECT_EQ(window.CaptionOf("BitBtnNext"), "&Next");
  EXPECT_EQ(window.Caption(), "Title");
}

TEST(TranslateMainWindow, ValuesLoseTheirSurroundingBlanks) {
  const TextWindow window = Translated(
      MakeMainWindowTexts(),
      "[FormZufora]\nFormZufora.LabelArm.Caption =   Study arm \t\n"
      "FormZufora.RadioButton2.Hint=  Drawn  \nFormZufora.Memo2.Lines[0]=   indented  \n");
  EXPECT_EQ(window.CaptionOf("LabelArm"), "Study arm");
  EXPECT_EQ(Component(window, "RadioButton2").hint, "Drawn");
  EXPECT_EQ(Component(window, "Memo2").lines, Lines{"indented"});
}

TEST(TranslateMainWindow, Memo1LinesEndAtTheFirstMissingIndex) {
  const TextWindow window =
      Translated(MakeMainWindowTexts(),
                 "[FormZufora]\nFormZufora.Memo1.Lines[1]=second\nFormZufora.Memo1.Lines[0]=first\n"
                 "FormZufora.Memo1.Lines[3]=after the gap\n");
  EXPECT_EQ(Component(window, "Memo1").lines, (Lines{"first", "second"}));
}

TEST(TranslateMainWindow, Memo2WithEmptyFirstLineKeepsIt) {
  const TextWindow window = Translated(MakeMainWindowTexts(),
                                       "[FormZufora]\nFormZufora.Memo2.Lines[0]=\n"
                                       "FormZufora.Memo2.Lines[1]=one\nFormZufora.Memo2.Lines[2]=\n"
                                       "FormZufora.Memo2.Lines[3]=three\n");
  EXPECT_EQ(Component(window, "Memo2").lines, (Lines{"", "one", "", "three"}));

  const TextWindow only_empty =
      Translated(MakeMainWindowTexts(), "[FormZufora]\nFormZufora.Memo2.Lines[0]=\n");
  EXPECT_EQ(Component(only_empty, "Memo2").lines, Lines{""});
}

TEST(TranslateMainWindow, MemoLinesWithoutLineZeroKeepTheBuiltInLines) {
  const TextWindow built_in = MakeMainWindowTexts();
  const TextWindow window = Translated(built_in,
                                       "[FormZufora]\nFormZufora.Memo1.Lines[1]=x\n"
                                       "FormZufora.Memo1.Lines[00]=leading zero is no index\n");
  EXPECT_EQ(Component(window, "Memo1").lines, Component(built_in, "Memo1").lines);
}

TEST(TranslateMainWindow, RichEditListLinesAreIgnored) {
  const TextWindow built_in = MakeMainWindowTexts();
  const TextWindow window = Translated(built_in,
                                       "[FormZufora]\nFormZufora.RichEditList.Lines[0]=x\n"
                                       "FormZufora.RichEditList.Lines[1]=y\n"
                                       "FormZufora.RichEditList.Hint=list\n");
  EXPECT_EQ(Component(window, "RichEditList").lines, Component(built_in, "RichEditList").lines);
  EXPECT_EQ(Component(window, "RichEditList").hint, "list");  // Hint applies to any class
}

TEST(TranslateMainWindow, KeysMustNameSectionAndWindowAlike) {
  const TextWindow built_in = MakeMainWindowTexts();
  ExpectSameTexts(Translated(built_in,
                             "[FormDruck]\nFormZufora.LabelTo.Caption=x\n"
                             "[FormZufora]\nFormDruck.LabelTo.Caption=x\nLabelTo.Caption=x\n"
                             "FormZufora.NoSuchLabel.Caption=x\nFormZufora.EditAnz.Caption=x\n"
                             "FormZufora.LabelTo.Category=x\nFormZufora.SaveDialogDesign.Hint=x\n"),
                  built_in);
}

TEST(TranslateMainWindow, Cp1252BytesPassThroughUnchanged) {
  const TextWindow window = Translated(MakeMainWindowTexts(),
                                       "[FormZufora]\nFormZufora.BitBtnClose.Caption=Schlie\xDF"
                                       "en!\n");
  EXPECT_EQ(window.CaptionOf("BitBtnClose"),
            "Schlie\xDF"
            "en!");
}

// The print window

TEST(TranslatePrintWindow, RadioGroupItemsAreReplacedNeverAdded) {
  const TextWindow window = Translated(
      MakePrintWindowTexts(),
      "[FormDruck]\nFormDruck.RadioGroup1.Items[0]=\nFormDruck.RadioGroup1.Items[1]=landscape\n"
      "FormDruck.RadioGroup1.Items[2]=never read\nFormDruck.RadioGroup1.Caption=Orientation\n"
      "FormDruck.Caption=Print\nFormDruck.Memo1.Lines[0]=buffer\n");
  EXPECT_EQ(Component(window, "RadioGroup1").items, (Lines{"vertikal", "landscape"}));
  EXPECT_EQ(Component(window, "RadioGroup1").caption, "Orientation");
  EXPECT_EQ(window.Caption(), "Print");
  EXPECT_EQ(Component(window, "Memo1").lines, Lines{"buffer"});
}

TEST(TranslatePrintWindow, ItemsWithoutKeysStay) {
  const TextWindow window = Translated(MakePrintWindowTexts(), "[FormDruck]\n");
  EXPECT_EQ(Component(window, "RadioGroup1").items, (Lines{"vertikal", "horizontal"}));
}

// Component classes the program's windows do not use, on a window of their own.

TextWindow KindsWindow(std::string name = "FormKinds") {
  TextWindow window(std::move(name), "Kinds");
  window.Add({.name = "Memo", .class_name = "TCustomMemo", .lines = {"a", "b"}});
  window.Add({.name = "Derived", .class_name = "TMemoEx", .lines = {"a"}});
  window.Add({.name = "Lower", .class_name = "tmemo", .lines = {"a"}});
  window.Add({.name = "Checks", .class_name = "TCheckListBox", .items = {"one", "two", "three"}});
  window.Add({.name = "Combo", .class_name = "TComboBox", .items = {"x", "y"}});
  window.Add({.name = "Group", .class_name = "TRadioGroup", .caption = "g", .items = {"r"}});
  window.Add({.name = "Header", .class_name = "THeaderControl", .sections = {"h0", "h1"}});
  window.Add({.name = "Under_Score", .class_name = "TLabel", .caption = "u"});
  return window;
}

TEST(TranslateKinds, CheckListBoxItemsFollowTheFsdefRule) {
  const TextWindow window =
      Translated(KindsWindow(),
                 "[FormKinds]\nFormKinds.Checks.Items[0]=\n"
                 "FormKinds.Checks.Items[1]=fsdef\n"
                 "FormKinds.Checks.Items[2]=drei\nFormKinds.Checks.Items[3]=vier\n");
  EXPECT_EQ(Component(window, "Checks").items, (Lines{"", "two", "drei"}));

  const TextWindow upper_case =
      Translated(KindsWindow(), "[FormKinds]\nFormKinds.Checks.Items[0]=FSDEF\n");
  // Only the exact text "fsdef" keeps an item.
  EXPECT_EQ(Component(upper_case, "Checks").items, (Lines{"FSDEF", "two", "three"}));
}

TEST(TranslateKinds, ComboBoxItemsAndHeaderSections) {
  const TextWindow window =
      Translated(KindsWindow(),
                 "[FormKinds]\nFormKinds.Combo.Items[0]=\n"
                 "FormKinds.Combo.Items[1]=Y\nFormKinds.Combo.Items[2]=Z\n"
                 "FormKinds.Header.Section[1]=H1\nFormKinds.Header.Section[2]=H2\n"
                 "FormKinds.Header.Items[0]=no\nFormKinds.Group.Items[0]=R\n");
  EXPECT_EQ(Component(window, "Combo").items, (Lines{"x", "Y"}));
  EXPECT_EQ(Component(window, "Header").sections, (Lines{"h0", "H1"}));
  EXPECT_EQ(Component(window, "Group").items, Lines{"R"});
}

TEST(TranslateKinds, MemoClassNamesCompareExactly) {
  const TextWindow window =
      Translated(KindsWindow(),
                 "[FormKinds]\nFormKinds.Memo.Lines[0]=new\n"
                 "FormKinds.Derived.Lines[0]=new\nFormKinds.Lower.Lines[0]=new\n");
  EXPECT_EQ(Component(window, "Memo").lines, Lines{"new"});
  EXPECT_EQ(Component(window, "Derived").lines, Lines{"a"});
  EXPECT_EQ(Component(window, "Lower").lines, Lines{"a"});
}

TEST(TranslateKinds, SectionIsTheWindowNameBeforeItsFirstUnderscore) {
  const TextWindow window = Translated(KindsWindow("FormKinds_2_b"),
                                       "[FormKinds_2_b]\nFormKinds_2_b.Caption=whole name\n"
                                       "[FormKinds]\nFormKinds.Caption=cut name\n"
                                       "FormKinds.Under_Score.Caption=component names whole\n");
  EXPECT_EQ(window.Caption(), "cut name");
  EXPECT_EQ(window.CaptionOf("Under_Score"), "component names whole");
}

TEST(TranslateKinds, EmptyWindowCaptionValueKeepsTheCaption) {
  const TextWindow window = Translated(KindsWindow(), "[FormKinds]\nFormKinds.Caption=\n");
  EXPECT_EQ(window.Caption(), "Kinds");
}

TEST(TranslateKinds, MemoLinesFromAHugeRunOfIndices) {
  std::string text = "[FormKinds]\n";
  for (int n = 0; n < 20000; ++n) {
    text += "FormKinds.Memo.Lines[" + std::to_string(n) + "]=" + std::to_string(n) + "\n";
  }
  const TextWindow window = Translated(KindsWindow(), text);
  const Lines& lines = Component(window, "Memo").lines;
  ASSERT_EQ(lines.size(), 20000u);
  EXPECT_EQ(lines.back(), "19999");
}

}  // namespace
}  // namespace zufora
