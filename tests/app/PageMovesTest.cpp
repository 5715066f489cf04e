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

TEST_F(PageMovesTest, SaveFromTheDesignPageRunsItsCheckFirstThenSaves) {
  OpenQuietly();
  Type("EditAnz", QStringLiteral("x"));
  Click("BitBtnSave");
  EXPECT_EQ(BoxTexts(), std::vector<QString>{Msg(Message::MessagePatientCount)});
  // The message does not take the click: the save dialog follows, as with the keys.
  EXPECT_EQ(dialogs_.ShownDialogs().size(), 1u);
  // The focus is on the button now: the next click saves, without a second check.
  Click("BitBtnSave");
  EXPECT_EQ(dialogs_.ShownDialogs().size(), 2u);
  EXPECT_EQ(BoxTexts().size(), 1u);
  ClickTab(Page::Blocks);
  EXPECT_EQ(ActivePage(), Index(Page::Blocks));
  EXPECT_EQ(BoxTexts().size(), 1u);
}

// A click whose press ran a check that showed a message takes effect once the message is
// closed, where the check lets the move go on.
TEST_F(PageMovesTest, NextAfterTheCentreSumNoteMovesOn) {
  OpenQuietly();
  Click("CheckBoxZentren");
  Type("EditZentren", QStringLiteral("1"));
  ClickTab(Page::Centres);
  ASSERT_EQ(ActivePage(), Index(Page::Centres));
  auto* centres = Find<QTableView>("StringGridZentren");
  const QRect cell = centres->visualRect(centres->model()->index(1, 2));
  QTest::mouseClick(centres->viewport(), Qt::LeftButton, {}, cell.center());
  Type("EditAFallzahl", QStringLiteral("10"));  // 10 of the 120 planned
  ASSERT_TRUE(BoxTexts().empty());

  Click("BitBtnNext");
  EXPECT_EQ(BoxTexts(), std::vector<QString>{Msg(Message::MessageSampleSizeError2)});
  EXPECT_EQ(ActivePage(), Index(Page::Blocks));
  EXPECT_FALSE(Find<QPushButton>("BitBtnNext")->isDown());
}

TEST_F(PageMovesTest, CloseWithAnInvalidArmCountClosesAfterItsMessage) {
  OpenQuietly();
  Type("EditArme", QStringLiteral("abc"));
  Click("BitBtnClose");
  EXPECT_EQ(BoxTexts(), std::vector<QString>{Msg(Message::MessageArmCount)});
  EXPECT_FALSE(window_->isVisible());
}

// A press on a button that ends beside it clicks nothing, but the focus has left the
// page: its check runs.
TEST_F(PageMovesTest, APressThatEndsBesideTheButtonRunsTheCheckOnly) {
  OpenQuietly();
  Type("EditArme", QStringLiteral("abc"));
  auto* next = Find<QPushButton>("BitBtnNext");
  QTest::mousePress(next, Qt::LeftButton);
  EXPECT_TRUE(BoxTexts().empty());
  QTest::mouseRelease(next, Qt::LeftButton, {}, QPoint(-20, -20));
  ASSERT_TRUE(QTest::qWaitFor([this] { return !BoxTexts().empty(); }, 2000));
  EXPECT_EQ(BoxTexts(), std::vector<QString>{Msg(Message::MessageArmCount)});
  EXPECT_EQ(ActivePage(), Index(Page::Design));
  EXPECT_EQ(window_->Pages().State().focus, Control::NextButton);
}

// From the tabs, Tab gives the focus to the page's first control: the model learns it,
// so that Space on "Generieren" leaves the focus there, as a click and Return do.
TEST_F(PageMovesTest, SpaceOnGenerateReachedByTabKeepsTheFocus) {
  OpenQuietly();
  ClickTab(Page::List);
  QTest::keyClick(Tabs()->tabBar(), Qt::Key_Tab);
  auto* generate = Find<QPushButton>("BitBtnStart");
  ASSERT_EQ(QApplication::focusWidget(), generate);
  EXPECT_EQ(window_->Pages().State().focus, Control::GenerateButton);
  QTest::keyClick(generate, Qt::Key_Space);
  EXPECT_FALSE(ListFieldText().isEmpty());
  EXPECT_EQ(QApplication::focusWidget(), generate);
}

}  // namespace
}  // namespace zufora::testing
