// The strata page in the real window: a stratified design made with clicks and keys,
// saved, opened again and drawn.
#include "WindowFixture.h"

namespace zufora::testing {
namespace {

using StrataPageWindowTest = WindowTest;

QString Cell(QTableView* grid, int row, int column) {
  return grid->model()->index(row, column).data().toString();
}

void ClickCell(QTableView* grid, int row, int column) {
  const QRect cell = grid->visualRect(grid->model()->index(row, column));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

TEST_F(StrataPageWindowTest, AStratifiedDesignIsMadeSavedOpenedAndDrawn) {
  OpenQuietly();
  Type("EditStudName", QStringLiteral("Strata-Studie"));
  Type("EditAnz", QStringLiteral("4"));
  Type("EditArme", QStringLiteral("2"));
  EXPECT_FALSE(Tabs()->isTabVisible(Index(Page::Strata)));
  Click("CheckBoxStrata");
  EXPECT_TRUE(Tabs()->isTabVisible(Index(Page::Strata)));
  ClickTab(Page::Strata);
  ASSERT_EQ(ActivePage(), Index(Page::Strata));
  EXPECT_FALSE(Find<QLineEdit>("EditFaktorName")->isEnabled());  // no factor yet

  // Two factors, each named and given its levels' labels.
  const std::vector<std::pair<QString, QString>> factors = {
      {QStringLiteral("Geschlecht"), QStringLiteral("sex")},
      {QStringLiteral("Alter"), QStringLiteral("age_group")}};
  const std::vector<std::vector<QString>> labels = {
      {QStringLiteral("weiblich"), QStringLiteral("männlich")},
      {QStringLiteral("< 65"), QStringLiteral(">= 65")}};
  auto* factor_table = Find<QTableView>("StringGridFaktoren");
  auto* level_table = Find<QTableView>("StringGridStufen");
  for (std::size_t f = 0; f < factors.size(); ++f) {
    Click("BitBtnFaktorNeu");
    EXPECT_EQ(QApplication::focusWidget(), Find("EditFaktorName"));
    Type("EditFaktorName", factors[f].first);
    Type("EditFaktorFeld", factors[f].second);
    for (int level = 1; level <= 2; ++level) {
      ClickCell(level_table, level, 2);
      Type("EditStufeBez", labels[f][static_cast<std::size_t>(level - 1)]);
    }
  }
  // A third level, added and removed again; the first factor moved down and up.
  Click("BitBtnStufeNeu");
  EXPECT_EQ(level_table->model()->rowCount(), 4);
  EXPECT_EQ(Find<QLineEdit>("EditStufeCode")->text(), QStringLiteral("3"));
  Click("BitBtnStufeLoeschen");
  EXPECT_EQ(level_table->model()->rowCount(), 3);
  ClickCell(factor_table, 1, 1);
  EXPECT_FALSE(Find<QPushButton>("BitBtnFaktorHoch")->isEnabled());  // the first one
  Click("BitBtnFaktorRunter");
  EXPECT_FALSE(Find<QPushButton>("BitBtnFaktorRunter")->isEnabled());  // now the last one
  EXPECT_EQ(Cell(factor_table, 2, 1), QStringLiteral("Geschlecht"));
  Click("BitBtnFaktorHoch");
  EXPECT_EQ(Cell(factor_table, 1, 1), QStringLiteral("Geschlecht"));
  EXPECT_EQ(Cell(factor_table, 2, 2), QStringLiteral("age_group"));
  EXPECT_EQ(Cell(level_table, 2, 2), QStringLiteral("männlich"));

  ClickTab(Page::Blocks);
  Type("EditFix", QStringLiteral("2"));
  ClickTab(Page::Seed);
  Type("EditZZ", QStringLiteral("4711"));
  ASSERT_TRUE(BoxTexts().empty());

  dialogs_.ScriptAnswer(FilePath("strata.zfd"));
  Click("BitBtnSave");
  const QByteArray saved = ReadFileBytes(FilePath("strata.zfd"));
  EXPECT_TRUE(saved.contains("[Strata]\r\nAktiv=1\r\n"));
  EXPECT_TRUE(saved.contains("Bez1_2=m\xE4nnlich\r\n"));

  // Opened again after the switch was turned off: the factors come back with it.
  ClickTab(Page::Design);
  Click("CheckBoxStrata");
  EXPECT_FALSE(Tabs()->isTabVisible(Index(Page::Strata)));
  dialogs_.ScriptAnswer(FilePath("strata.zfd"));
  Click("BitBtnLoad");
  EXPECT_TRUE(Find<QCheckBox>("CheckBoxStrata")->isChecked());
  EXPECT_TRUE(Tabs()->isTabVisible(Index(Page::Strata)));
  ClickTab(Page::Strata);
  EXPECT_EQ(Cell(factor_table, 2, 1), QStringLiteral("Alter"));
  EXPECT_EQ(Find<QLineEdit>("EditFaktorName")->text(), QStringLiteral("Geschlecht"));

  ClickTab(Page::List);
  Click("BitBtnStart");
  EXPECT_TRUE(BoxTexts().empty());
  const QStringList lines = ListFieldText().split(QLatin1Char('\n'));
  QStringList headings;
  for (const QString& line : lines) {
    if (line.startsWith(QStringLiteral("Stratum "))) {
      headings.append(line.left(line.indexOf(QStringLiteral(" - Seed: ("))));
    }
  }
  EXPECT_EQ(headings,
            (QStringList{QStringLiteral("Stratum 1\tGeschlecht: weiblich - Alter: < 65"),
                         QStringLiteral("Stratum 2\tGeschlecht: weiblich - Alter: >= 65"),
                         QStringLiteral("Stratum 3\tGeschlecht: männlich - Alter: < 65"),
                         QStringLiteral("Stratum 4\tGeschlecht: männlich - Alter: >= 65")}));
  EXPECT_EQ(lines.size(), 1 + 4 * (1 + 4 + 2) + 1);  // title, 4 x (heading, lines, blocks), end
}

TEST_F(StrataPageWindowTest, LeavingWithAFaultyFieldNameKeepsThePageInFront) {
  OpenQuietly();
  Click("CheckBoxStrata");
  ClickTab(Page::Strata);
  // Without a factor only a new one can be made.
  for (const char* button :
       {"BitBtnFaktorLoeschen", "BitBtnFaktorHoch", "BitBtnStufeNeu", "BitBtnStufeRunter"}) {
    EXPECT_FALSE(Find<QPushButton>(button)->isEnabled()) << button;
  }
  Click("BitBtnFaktorNeu");
  EXPECT_TRUE(Find<QPushButton>("BitBtnStufeNeu")->isEnabled());
  Type("EditFaktorFeld", QStringLiteral("Alter in Jahren"));
  ClickTab(Page::Blocks);
  EXPECT_EQ(BoxTexts(), std::vector<QString>{
                            Msg(Message::MessageFactorField)
                                .replace(QStringLiteral("%1"), QStringLiteral("Alter in Jahren"))
                                .replace(QStringLiteral("%2"), QStringLiteral("Faktor 1"))});
  EXPECT_EQ(ActivePage(), Index(Page::Strata));
}

}  // namespace
}  // namespace zufora::testing
