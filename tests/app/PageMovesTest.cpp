#include <QWheelEvent>

#include "WindowFixture.h"

namespace zufora::testing {
namespace {

using PageMovesTest = WindowTest;

TEST_F(PageMovesTest, BackAndNextWrapAndSkipTheHiddenCentrePage) {
  OpenQuietly();
  const std::vector<Page> forward = {Page::Arms, Page::Blocks, Page::Seed,
                                     Page::List, Page::Info,   Page::Design};
  for (const Page page : forward) {
    Click("BitBtnNext");
    EXPECT_EQ(ActivePage(), Index(page));
  }
  Click("BitBtnBack");
  EXPECT_EQ(ActivePage(), Index(Page::Info));
  Click("BitBtnNext");

  // Per-centre lists on: the centre page is on the way.
  Click("CheckBoxZentren");
  Type("EditZentren", QStringLiteral("2"));
  Click("BitBtnNext");
  Click("BitBtnNext");
  EXPECT_EQ(ActivePage(), Index(Page::Centres));
  EXPECT_TRUE(Tabs()->isTabVisible(Index(Page::Centres)));
  Click("BitBtnBack");
  EXPECT_EQ(ActivePage(), Index(Page::Arms));
  EXPECT_TRUE(BoxTexts().empty());
}

// Each way a user can leave the design page, from inside it.
enum class Way { TabClick, ControlTab, ControlShiftTab, WheelOnTabs, Next, Back };

class FailedCheckTest : public WindowTest, public ::testing::WithParamInterface<Way> {
 protected:
  void Leave(Way way) {
    QTabBar* bar = Tabs()->tabBar();
    switch (way) {
      case Way::TabClick: ClickTab(Page::List); break;
      case Way::ControlTab:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        break;
      case Way::ControlShiftTab:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        break;
      case Way::WheelOnTabs: {
        const QPointF at = bar->tabRect(0).center();
        QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        break;
      }
      case Way::Next: Click("BitBtnNext"); break;
      case Way::Back: Click("BitBtnBack"); break;
    }
  }
};

TEST_P(FailedCheckTest, KeepsTheDesignPageWithOneMessage) {
  OpenQuietly();
  Type("EditArme", QStringLiteral("abc"));
  Leave(GetParam());
  EXPECT_EQ(BoxTexts(), std::vector<QString>{Msg(Message::MessageArmCount)});
  EXPECT_EQ(ActivePage(), Index(Page::Design));
  EXPECT_EQ(Find<QLineEdit>("EditArme")->text(), QStringLiteral("abc"));
}

INSTANTIATE_TEST_SUITE_P(EveryWay, FailedCheckTest,
                         ::testing::Values(Way::TabClick, Way::ControlTab, Way::ControlShiftTab,
                                           Way::WheelOnTabs, Way::Next, Way::Back));

TEST_F(PageMovesTest, FocusMovedToTheTabsRunsTheCheckThereAndTheArrowsThenMove) {
  OpenQuietly();
  Type("EditStudName", QStringLiteral("abc"));
  Type("EditArme", QStringLiteral("abc"));
  Click("EditStudName");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), Tabs()->tabBar());
  EXPECT_EQ(BoxTexts(), std::vector<QString>{Msg(Message::MessageArmCount)});
  EXPECT_EQ(ActivePage(), Index(Page::Design));
  QTest::keyClick(Tabs()->tabBar(), Qt::Key_Right);
  EXPECT_EQ(ActivePage(), Index(Page::Arms));
  EXPECT_EQ(BoxTexts().size(), 1u);
}

TEST_F(PageMovesTest, CheckRunsOnceThenTheListPageIsReachedAndTheListDrawn) {
  OpenQuietly();
  Type("EditStudName", QStringLiteral("Grenzfall"));
  Type("EditArme", QStringLiteral("1"));
  Type("EditAnz", QStringLiteral("0"));
  ClickTab(Page::List);
  EXPECT_EQ(BoxTexts(), std::vector<QString>{Msg(Message::MessageArmPatientCount)});
  EXPECT_EQ(ActivePage(), Index(Page::Design));

  // The focus is on the tabs now, outside the design page: no second check.
  ClickTab(Page::List);
  ASSERT_EQ(ActivePage(), Index(Page::List));
  EXPECT_EQ(BoxTexts().size(), 1u);
  Click("BitBtnStart");
  const QString seed = Find<QLineEdit>("EditZZ")->text();
  EXPECT_FALSE(seed.isEmpty());
  EXPECT_EQ(ListFieldText(), QStringLiteral("Grenzfall\nSeed: (%1)\n").arg(seed));
}

TEST_F(PageMovesTest, SaveFromTheDesignPageRunsItsCheckFirstAndItsMessageTakesTheClick) {
  OpenQuietly();
  Type("EditAnz", QStringLiteral("x"));
  Click("BitBtnSave");
  EXPECT_EQ(BoxTexts(), std::vector<QString>{Msg(Message::MessagePatientCount)});
  EXPECT_TRUE(dialogs_.ShownDialogs().empty());
  // The focus is on the button now: the next click saves, without a second check.
  Click("BitBtnSave");
  EXPECT_EQ(dialogs_.ShownDialogs().size(), 1u);
  EXPECT_EQ(BoxTexts().size(), 1u);
  ClickTab(Page::Blocks);
  EXPECT_EQ(ActivePage(), Index(Page::Blocks));
  EXPECT_EQ(BoxTexts().size(), 1u);
}

}  // namespace
}  // namespace zufora::testing
