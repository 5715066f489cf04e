#include "lang/MessageCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/Language.h"

namespace zufora {
namespace {

using Values = std::vector<std::string>;

TEST(FillPlaceholders, PutsEachValueWhereItsNumberStands) {
  EXPECT_EQ(FillPlaceholders("%1 und %2", Values{"a", "b"}), "a und b");
  EXPECT_EQ(FillPlaceholders("%2 vor %1, wieder %2", Values{"a", "b"}), "b vor a, wieder b");
  EXPECT_EQ(FillPlaceholders("ohne", Values{"a"}), "ohne");
  EXPECT_EQ(FillPlaceholders("", Values{}), "");
  // One digit: "%10" is the first value and a zero.
  EXPECT_EQ(FillPlaceholders("%10", Values{"a"}), "a0");
}

TEST(FillPlaceholders, ValuesAreNotSearchedAndOtherPercentSignsStay) {
  // A file name with "%2" in it is not filled a second time.
  EXPECT_EQ(FillPlaceholders("%1 - %2", Values{"c:\\%2.zfd", "x"}), "c:\\%2.zfd - x");
  EXPECT_EQ(FillPlaceholders("%3 %1", Values{"a"}), "%3 a");
  EXPECT_EQ(FillPlaceholders("100% %0 %a %", Values{"a"}), "100% %0 %a %");
  EXPECT_EQ(FillPlaceholders("%%1", Values{"a"}), "%a");
}

// The messages of the window and of design files, as the program showed them before they
// were catalogue entries: German, in cp1252.
TEST(MessageCatalogue, TheWindowAndDesignFileMessagesKeepTheirGermanWords) {
  const MessageCatalogue german;
  EXPECT_EQ(german.Text(Message::MessageListNotCp1252),
            "Die Liste enth\xE4lt Zeichen, die Zufora nicht speichern kann");
  EXPECT_EQ(german.Compose(Message::MessageCharacterRefused, {"x"}),
            "Das Zeichen \x84x\x93 wurde nicht \xFC"
            "bernommen: Zufora speichert Texte im Zeichensatz Windows-1252, der es nicht "
            "enth\xE4lt.");
  EXPECT_EQ(german.Compose(Message::MessageDesignFileTooManyArms, {"Arme", "7", "5"}),
            "Die Designdatei kann nicht geladen werden: Im Abschnitt [Arme] steht Anzahl=7, "
            "das Programm verarbeitet aber h\xF6"
            "chstens 5 Studienarme.");
  EXPECT_EQ(german.Compose(Message::MessageDesignFileTooManyCenters, {"Zentren", "7", "5"}),
            "Die Designdatei kann nicht geladen werden: Im Abschnitt [Zentren] steht Anzahl=7, "
            "das Programm verarbeitet aber h\xF6"
            "chstens 5 Zentren.");
  EXPECT_EQ(german.Compose(Message::MessageDesignFileTooLarge, {"a.zfd", "32"}),
            "Die Designdatei a.zfd kann nicht geladen werden: Sie ist gr\xF6\xDF"
            "er als 32 MB, das Programm liest h\xF6"
            "chstens 32 MB.");
  EXPECT_EQ(german.Compose(Message::MessageDesignFileNotCp1252, {"a.zfd"}),
            "Die Designdatei a.zfd kann nicht geladen werden: Sie ist als UTF-8 gespeichert "
            "und enth\xE4lt Zeichen, die das Programm nicht darstellen kann.");
}

TEST(MessageCatalogue, ALanguageFileTranslatesThemAndMayMoveTheValues) {
  MessageCatalogue messages;
  TranslateWindow(messages.Window(),
                  LanguageFile::Parse("[FormLang]\r\n"
                                      "FormLang.MessageListNotCp1252.Caption=Not saved\r\n"
                                      "FormLang.MessageDesignFileTooLarge.Caption="
                                      "Over %2 MB: %1\r\n"
                                      "FormLang.MessageDesignFileNotCp1252.Caption=\r\n"));
  EXPECT_EQ(messages.Text(Message::MessageListNotCp1252), "Not saved");
  EXPECT_EQ(messages.Compose(Message::MessageDesignFileTooLarge, {"a.zfd", "32"}),
            "Over 32 MB: a.zfd");
  // An empty value keeps the German text.
  EXPECT_EQ(messages.Text(Message::MessageDesignFileNotCp1252),
            MessageCatalogue().Text(Message::MessageDesignFileNotCp1252));
}

}  // namespace
}  // namespace zufora
