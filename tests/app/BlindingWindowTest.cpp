#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <set>
#include <string>

#include "WindowFixture.h"
#include "text/DammCheckDigit.h"

// The list page's choices for a blinded trial, used as a user does: the numbers and their
// form for the site list, and the test list.
namespace zufora::testing {
namespace {

using BlindingWindowTest = WindowTest;

// The lines of a CSV file with CR LF line ends.
QStringList CsvLines(const QByteArray& bytes) {
  QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.back().isEmpty()) {
    lines.pop_back();
  }
  return lines;
}

// "Zentrumsliste" writes the site list of the last list: a row per patient whose number
// has the form asked for and a valid check digit, and no arm anywhere.
TEST_F(BlindingWindowTest, TheSiteListCarriesTheNumbersAskedForAndNoArm) {
  OpenQuietly();
  EXPECT_FALSE(Find<QPushButton>("BitBtnZentrumsliste")->isEnabled());
  GenerateWorkedExample();
  EXPECT_FALSE(Find<QLineEdit>("EditNummernformat")->isEnabled());
  Click("CheckBoxNummern");
  ASSERT_TRUE(Find<QLineEdit>("EditNummernformat")->isEnabled());
  Type("EditNummernformat", QStringLiteral("R-{000}"));
  Click("CheckBoxPruefziffer");

  const QString file = FilePath("zentren.csv");
  dialogs_.ScriptAnswer(file);
  Click("BitBtnZentrumsliste");
  ASSERT_TRUE(BoxTexts().empty());
  const QStringList lines = CsvLines(ReadFileBytes(file));
  ASSERT_EQ(lines.size(), 13);  // the header and 12 patients
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("number,stratum,centre")))
      << lines[0].toStdString();
  std::set<QString> numbers;
  for (int row = 1; row < lines.size(); ++row) {
    const QString number = lines[row].section(QLatin1Char(','), 0, 0);
    // R-, three digits counting the patients, then the check digit.
    const std::string digits = QStringLiteral("%1").arg(row, 3, 10, QLatin1Char('0')).toStdString();
    EXPECT_EQ(number.toStdString(), "R-" + digits + DammDigit(digits));
    EXPECT_TRUE(DammValid(number.mid(2).toStdString()));
    numbers.insert(number);
  }
  EXPECT_EQ(numbers.size(), 12U);
  for (const char* arm : {"Placebo", "Niedrig", "Hoch", "Standard", "Studienarm"}) {
    EXPECT_FALSE(ReadFileBytes(file).contains(arm)) << arm;
  }
  // The dialog proposes no name for a production list.
  ASSERT_FALSE(dialogs_.ShownDialogs().empty());
  EXPECT_TRUE(dialogs_.ShownDialogs().back().request.proposed_name.isEmpty());
}

// A format whose digits cannot hold the numbers is refused with a message, and nothing
// is asked or written.
TEST_F(BlindingWindowTest, AFormatTooShortIsRefusedWithAMessage) {
  OpenQuietly();
  GenerateWorkedExample();
  Click("CheckBoxNummern");
  Type("EditNummernformat", QStringLiteral("N{0}"));
  const std::size_t dialogs = dialogs_.ShownDialogs().size();
  Click("BitBtnZentrumsliste");
  ASSERT_EQ(BoxTexts().size(), 1U);
  EXPECT_TRUE(BoxTexts()[0].contains(QStringLiteral("N{0}"))) << BoxTexts()[0].toStdString();
  EXPECT_EQ(dialogs_.ShownDialogs().size(), dialogs);
}

// "Testliste" draws a list that says TEST in its title, keeps the seed the user typed,
// and the export proposes a file name that says TEST.
TEST_F(BlindingWindowTest, ATestListSaysSoAndKeepsTheSeedField) {
  OpenQuietly();
  GenerateWorkedExample();
  const QString production = ListFieldText();
  Click("CheckBoxTestliste");
  Click("BitBtnStart");
  ASSERT_TRUE(BoxTexts().empty());
  const QString test = ListFieldText();
  EXPECT_TRUE(test.section(QLatin1Char('\n'), 0, 0).endsWith(QStringLiteral(" - TEST")));
  EXPECT_NE(test.section(QLatin1Char('\n'), 2), production.section(QLatin1Char('\n'), 2));
  EXPECT_EQ(Find<QLineEdit>("EditZZ")->text(), QStringLiteral("12345"));

  dialogs_.ScriptCancel();
  Click("BitBtnExport");
  ASSERT_FALSE(dialogs_.ShownDialogs().empty());
  EXPECT_TRUE(
      dialogs_.ShownDialogs().back().request.proposed_name.contains(QStringLiteral("TEST")));
}

}  // namespace
}  // namespace zufora::testing
