#include "qtprint/Cp1252QString.h"

#include <gtest/gtest.h>

namespace zufora {
namespace {

// Code points from the published Windows-1252 table.
TEST(Cp1252QString, BytesBecomeTheirWindows1252Characters) {
  EXPECT_EQ(FromCp1252("\x80\x84\x93\x9F"), QStringLiteral("\u20AC\u201E\u201C\u0178"));
  EXPECT_EQ(FromCp1252("Gr\xF6\xDF"
                       "e \xC4"),
            QStringLiteral("Größe Ä"));
  EXPECT_EQ(FromCp1252(std::string_view("a\0b", 3)).size(), 3);
  EXPECT_EQ(FromCp1252(""), QString());
}

TEST(Cp1252QString, TextsGoBackToTheSameBytesOrNotAtAll) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) {
    all.push_back(static_cast<char>(byte));
  }
  EXPECT_EQ(ToCp1252(FromCp1252(all)), all);
  EXPECT_EQ(ToCp1252(QStringLiteral("\u201EZitat\u201C \u20AC")), "\x84Zitat\x93 \x80");
  EXPECT_EQ(ToCp1252(QStringLiteral("\u0101")), std::nullopt);         // a with macron
  EXPECT_EQ(ToCp1252(QStringLiteral("ok \U0001F600")), std::nullopt);  // outside the BMP
}

TEST(Cp1252QString, FirstCharacterOutsideIsNamedWholeAndAfterAcceptedOnes) {
  EXPECT_EQ(FirstCharacterOutsideCp1252(QStringLiteral("Größe € ß")), std::nullopt);
  EXPECT_EQ(FirstCharacterOutsideCp1252(QStringLiteral("ab\u263A\u0101")),
            QStringLiteral("\u263A"));
  // A surrogate pair is one character; a lone high surrogate at the end is one too.
  EXPECT_EQ(FirstCharacterOutsideCp1252(QStringLiteral("x\U0001F600y")),
            QStringLiteral("\U0001F600"));
  const QString lone = QStringLiteral("x") + QChar(0xD83D);
  EXPECT_EQ(FirstCharacterOutsideCp1252(lone), QString(QChar(0xD83D)));
}

TEST(Cp1252QString, MessageBytesAreUtf8WhenTheyCanBeAndCp1252Otherwise) {
  EXPECT_EQ(FromMessageBytes("Datei \xC3\xA4rger: Zugriff verweigert"),
            QStringLiteral("Datei ärger: Zugriff verweigert"));
  EXPECT_EQ(FromMessageBytes("Die Liste enth\xE4lt"), QStringLiteral("Die Liste enthält"));
  EXPECT_EQ(FromMessageBytes("\x84Zitat\x93"), QStringLiteral("\u201EZitat\u201C"));
}

}  // namespace
}  // namespace zufora
