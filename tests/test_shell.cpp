// The shell: key rules, the timer's dispatch on GameMode, the menu.
#include "test_support.h"
#include "world/new_game.h"

namespace {

using moki::Form1;
using moki::Form_KeyDown;
using moki::Form_KeyUp;
using testing_support::MakeForm;
using testing_support::RunWith;

TEST(ShellKeys, CursorKeysAreRecordedOnlyWithoutAMessageAndKeyUpAlwaysClears) {
  auto f = MakeForm();
  moki::GameState& gs = f->gs;
  gs.GameMode = moki::kModeHall;
  Form_KeyDown(*f, plat::VK_RIGHT);
  Form_KeyDown(*f, plat::VK_RIGHT);  // auto-repeat sets the same flag again
  EXPECT_EQ(gs.arrowHeld[2], 1);
  gs.dialogueState = 1;  // a message is up
  Form_KeyDown(*f, plat::VK_LEFT);
  EXPECT_EQ(gs.arrowHeld[0], 0);
  Form_KeyUp(*f, plat::VK_RIGHT);  // released while the message is up
  EXPECT_EQ(gs.arrowHeld[2], 0);
  Form_KeyDown(*f, plat::VK_SHIFT);
  EXPECT_EQ(gs.shiftHeld, 1);
  Form_KeyUp(*f, plat::VK_SHIFT);
  EXPECT_EQ(gs.shiftHeld, 0);
}

TEST(ShellKeys, UpAndDownMoveTheChoiceOnlyWhileAQuestionWaits) {
  auto f = MakeForm();
  moki::GameState& gs = f->gs;
  gs.GameMode = moki::kModeHall;
  gs.dialogueState = 1;
  Form_KeyDown(*f, plat::VK_DOWN);  // no question: nothing
  EXPECT_EQ(gs.choiceCursor, 0);
  EXPECT_FALSE(plat::YesNoVisible(1));
  gs.choicePending = 1;
  for (int i = 0; i < 3; ++i) Form_KeyDown(*f, plat::VK_DOWN);
  EXPECT_EQ(gs.choiceCursor, 1);
  EXPECT_TRUE(plat::YesNoVisible(1));
  EXPECT_FALSE(plat::YesNoVisible(0));
  Form_KeyDown(*f, plat::VK_UP);
  EXPECT_EQ(gs.choiceCursor, 0);
  EXPECT_TRUE(plat::YesNoVisible(0));
  EXPECT_FALSE(plat::YesNoVisible(1));
  Form_KeyDown(*f, plat::VK_LEFT);  // left and right do nothing here
  EXPECT_EQ(gs.choiceCursor, 0);
  Form_KeyDown(*f, plat::VK_SPACE);  // confirms
  EXPECT_EQ(gs.choicePending, 0);
  EXPECT_EQ(gs.dialogueState, 1);  // the confirming Space is not also a page turn
}

TEST(ShellKeys, CtrlPausesWithTheStatusScreenButNotWhileAMessageIsUp) {
  auto f = MakeForm();
  moki::GameState& gs = f->gs;
  gs.GameMode = moki::kModeHall;
  plat::SetTimerEnabled(true);
  Form_KeyDown(*f, plat::VK_CONTROL);
  EXPECT_EQ(gs.statusShown, 1);
  EXPECT_EQ(gs.drawStatus, 1);
  EXPECT_FALSE(plat::TimerEnabled());
  gs.dialogueState = 0;
  Form_KeyDown(*f, plat::VK_SPACE);  // Space does nothing during the pause
  EXPECT_EQ(gs.dialogueState, 0);
  Form_KeyDown(*f, plat::VK_CONTROL);
  EXPECT_EQ(gs.statusShown, 0);
  EXPECT_EQ(gs.drawStatus, 0);
  EXPECT_TRUE(plat::TimerEnabled());
  gs.dialogueState = 2;
  Form_KeyDown(*f, plat::VK_CONTROL);
  EXPECT_EQ(gs.statusShown, 0);
  EXPECT_TRUE(plat::TimerEnabled());
}

TEST(ShellKeys, CtrlTwiceOnTheTitleLeavesTheTitleAsItWas) {
  auto f = MakeForm();
  moki::Form_Load(*f);
  const plat::Pixels title = plat::Window().px;
  Form_KeyDown(*f, plat::VK_CONTROL);
  EXPECT_NE(plat::Window().px, title);  // the status screen over the title
  Form_KeyDown(*f, plat::VK_CONTROL);
  EXPECT_EQ(plat::Window().px, title);
  EXPECT_EQ(plat::headless::LastFrame().px, title);
}

TEST(ShellTimer, StandingStillSendsTwoPicturesAStepSixteenInTheSameTime) {
  auto f = MakeForm();
  moki::GameState& gs = f->gs;
  moki::SetupNewGame(gs);
  gs.GameMode = moki::kModeHall;
  gs.hallCastSlots.fill(-1);  // nobody wanders
  gs.partnerSide = gs.partnerPrevSide = 1;
  auto tick = [&](int key) {
    gs.arrowHeld = {0, 0, 0, 0};
    if (key >= 0) gs.arrowHeld[size_t(key)] = 1;
    uint64_t shown = plat::headless::FrameCount(), sent = plat::headless::SentFrameCount();
    double t0 = plat::headless::Now();
    moki::Timer1_Timer(*f);
    EXPECT_NEAR(plat::headless::Now() - t0, 16 * 1000.0 / 60.0, 1.0);
    EXPECT_EQ(plat::headless::FrameCount() - shown, 16u);
    return plat::headless::SentFrameCount() - sent;
  };
  moki::Timer1_Timer(*f);   // the first tick also waits for nothing before its first frame
  EXPECT_EQ(tick(-1), 2u);  // treading: the two pictures of the walk, eight frames each
  EXPECT_EQ(tick(1), 16u);  // a step scrolls every frame
  EXPECT_EQ(tick(-1), 2u);
}

TEST(ShellKeys, SpaceOnlyActsInTheHallAndRoomsAndDigitKeysOutsideAMatchDoNothing) {
  auto f = MakeForm();
  moki::GameState& gs = f->gs;
  for (int mode : {0, 3, 4}) {
    gs.GameMode = static_cast<int16_t>(mode);
    gs.dialogueState = 1;
    gs.choicePending = 1;
    Form_KeyDown(*f, plat::VK_SPACE);
    EXPECT_EQ(gs.dialogueState, 1) << "mode " << mode;
    EXPECT_EQ(gs.choicePending, 1) << "mode " << mode;
  }
  gs.GameMode = moki::kModeHall;
  gs.choicePending = 0;
  Form_KeyDown(*f, plat::VK_SPACE);  // a running dialogue counts the press
  EXPECT_EQ(gs.dialogueState, 2);
  std::string before = moki::StateJson(gs);
  for (int vk : {plat::VK_Z, plat::VK_X, plat::VK_C, plat::VK_1, plat::VK_2, plat::VK_3,
                 plat::VK_NUMPAD1, plat::VK_NUMPAD2, plat::VK_NUMPAD3})
    Form_KeyDown(*f, vk);
  EXPECT_EQ(moki::StateJson(gs), before);
}

TEST(ShellTimer, ModesOutsideOneToFourDoNothing) {
  auto f = MakeForm();
  moki::GameState& gs = f->gs;
  for (int mode : {0, 5, -1, 99}) {
    gs.GameMode = static_cast<int16_t>(mode);
    std::string before = moki::StateJson(gs);
    uint64_t frames = plat::headless::FrameCount();
    moki::Timer1_Timer(*f);
    EXPECT_EQ(moki::StateJson(gs), before) << "mode " << mode;
    EXPECT_EQ(plat::headless::FrameCount(), frames);
  }
}

TEST(ShellMenu, StartIsDisabledFromTheMomentItIsChosenAndQuitEndsTheRun) {
  auto f = MakeForm();
  int code =
      RunWith("menu start\nwait 200\ndump\nmenu start\nwait 200\nmenu quit\nwait 100\n", [&] {
        moki::Form_Load(*f);
        plat::headless::MainLoop();
      });
  EXPECT_EQ(code, 0);
  const auto& dumps = plat::headless::Dumps();
  ASSERT_GE(dumps.size(), 2u);
  EXPECT_NE(dumps[0].find("\"menuStartEnabled\":false"), std::string::npos);
  EXPECT_NE(dumps[0].find("\"GameMode\":1"), std::string::npos);
  // The run ended at 終了, before the last wait: about 400 ms in.
  EXPECT_LT(plat::headless::Now(), 500.0);
}

}  // namespace
