// Cursor keys against the hall's ticks, through the real key handlers and
// timer: quick taps, held keys, taps during a dialogue, and the treading
// frames giving way to a new key.
#include <algorithm>
#include <vector>

#include "test_support.h"
#include "world/new_game.h"

namespace {

using moki::Form1;
using moki::GameState;
using testing_support::MakeForm;

struct TickLog {
  int x, y, facing, frames;
};

// A hall in which nobody wanders, the hero standing in the open floor at
// (20, 23) facing up with the partner below him, and the timer running.
// Every tick is logged with the hero's cell and facing after it and the
// number of frames it drew; onFrame(tick, frame) runs inside each tick as
// its frames are shown, so that keys can arrive in the middle of one.
class HallKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    f = MakeForm();
    GameState& gs = f->gs;
    moki::SetupNewGame(gs);
    gs.GameMode = moki::kModeHall;
    gs.hallCastSlots.fill(-1);
    for (auto& row : gs.hallOccupancy) row.fill(-1);
    gs.playerX = gs.playerPrevX = gs.partnerX = gs.partnerPrevX = 20;
    gs.playerY = gs.playerPrevY = 23;
    gs.partnerY = gs.partnerPrevY = 24;
    gs.playerFacing = 1;
    gs.partnerSide = gs.partnerPrevSide = 1;
    gs.hallOccupancy[23][20] = 0;
    gs.hallOccupancy[24][20] = 1;

    plat::Handlers h;
    h.keyDown = [this](int vk) {
      moki::Form_KeyDown(*f, vk);
      if (vk >= plat::VK_LEFT && vk <= plat::VK_DOWN) downAt.push_back(plat::headless::Now());
    };
    h.keyUp = [this](int vk) { moki::Form_KeyUp(*f, vk); };
    h.paint = [this] { moki::Form_Paint(*f); };
    h.timer = [this] {
      tickAt.push_back(plat::headless::Now());
      frameInTick = 0;
      ticking = true;
      moki::Timer1_Timer(*f);
      ticking = false;
      const GameState& s = f->gs;
      log.push_back({s.playerX, s.playerY, s.playerFacing, frameInTick});
    };
    plat::SetHandlers(h);
    plat::headless::SetFrameHook([this](const plat::Surface&) {
      if (!ticking) return;  // a repaint between ticks
      frameAt.push_back(plat::headless::Now());
      if (onFrame) onFrame(int(log.size()), frameInTick);
      ++frameInTick;
    });
  }
  void TearDown() override { plat::headless::SetFrameHook(nullptr); }

  // Runs the timer for ms virtual milliseconds.
  void Run(int ms) {
    plat::SetTimerEnabled(true);
    std::string err;
    ASSERT_TRUE(plat::headless::LoadScenario("wait " + std::to_string(ms) + "\n", err)) << err;
    plat::headless::Run([] { plat::headless::MainLoop(); });
  }

  std::unique_ptr<Form1> f;
  std::vector<TickLog> log;
  std::vector<double> downAt, frameAt, tickAt;
  int frameInTick = 0;
  bool ticking = false;
  std::function<void(int tick, int frame)> onFrame;
};

TEST_F(HallKeys, AQuickTapWhileStandingMakesOneStepSoon) {
  // A 60 ms tap of Right in the middle of the third tick's treading.
  onFrame = [](int tick, int frame) {
    if (tick == 2 && frame == 7) {
      plat::headless::QueueKeyDown(plat::VK_RIGHT);
      plat::headless::QueueKeyUp(plat::VK_RIGHT, 60);
    }
  };
  Run(3000);
  ASSERT_GE(log.size(), 8u);
  EXPECT_EQ(log[1].frames, 16);  // treading with no key runs its full course
  EXPECT_EQ(log[2].frames, 8);   // ... and gives way to the new key at the next frame
  int steps = 0;
  for (size_t i = 0; i < log.size(); ++i) {
    const int x = log[i].x;
    EXPECT_EQ(x, i < 3 ? 20 : 21) << "tick " << i;
    EXPECT_EQ(log[i].y, 23) << "tick " << i;
    if (i > 0 && x != log[i - 1].x) ++steps;
  }
  EXPECT_EQ(steps, 1);
  EXPECT_EQ(log.back().facing, 2);
  EXPECT_EQ(f->gs.arrowHeld[2], 0);

  // From the key going down to the first frame scrolled by the step: the
  // rest of one treading frame, the step's unscrolled first frame, then the
  // scrolled second frame.
  ASSERT_EQ(downAt.size(), 1u);
  size_t firstOfStep = 0;
  for (size_t i = 0; i < 3; ++i) firstOfStep += size_t(log[i].frames);
  ASSERT_GT(frameAt.size(), firstOfStep + 1);
  const double delay = frameAt[firstOfStep + 1] - downAt[0];
  EXPECT_GT(delay, 0.0);
  EXPECT_LT(delay, 3.5 * 1000.0 / 60.0);
}

TEST_F(HallKeys, HeldKeysWalkEveryTickAndATapInsideAStepTurnsOnce) {
  // Right is held from the start; a 60 ms tap of Up falls wholly inside the
  // third step. Up comes before Right among the cursor keys, so the next
  // tick goes up once, and then the held Right walks on.
  plat::headless::QueueKeyDown(plat::VK_RIGHT);
  onFrame = [](int tick, int frame) {
    if (tick == 2 && frame == 4) {
      plat::headless::QueueKeyDown(plat::VK_UP);
      plat::headless::QueueKeyUp(plat::VK_UP, 60);
    }
    if (tick == 6 && frame == 4) plat::headless::QueueKeyUp(plat::VK_RIGHT);
  };
  Run(3000);
  ASSERT_GE(log.size(), 9u);
  const std::vector<std::pair<int, int>> want = {{21, 23}, {22, 23}, {23, 23}, {23, 22},
                                                 {24, 22}, {25, 22}, {26, 22}};
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(log[i].x, want[i].first) << "tick " << i;
    EXPECT_EQ(log[i].y, want[i].second) << "tick " << i;
    EXPECT_EQ(log[i].frames, 16) << "tick " << i;  // a step is never cut short
  }
  // Right was let go during the seventh step: the hero stops when it is done.
  for (size_t i = want.size(); i < log.size(); ++i) {
    EXPECT_EQ(log[i].x, 26) << "tick " << i;
    EXPECT_EQ(log[i].y, 22) << "tick " << i;
  }
}

TEST_F(HallKeys, AHeldKeyWithAutoRepeatStopsWithTheStepInProgress) {
  // Right held for 1.18 s on a desktop whose keyboard repeats after 500 ms,
  // 30 times a second: the repeats come as key-downs without key-ups.
  constexpr double kUp = 1180;
  std::vector<double> repeats;
  for (double t = 500; t < kUp; t += 1000.0 / 30) repeats.push_back(t);
  plat::headless::QueueKeyDown(plat::VK_RIGHT);
  for (double t : repeats) plat::headless::QueueKeyDown(plat::VK_RIGHT, t);
  plat::headless::QueueKeyUp(plat::VK_RIGHT, kUp);
  Run(3000);
  ASSERT_EQ(tickAt.size(), log.size());
  size_t whileHeld = 0;  // ticks that began while the key was down
  while (whileHeld < tickAt.size() && tickAt[whileHeld] < kUp) ++whileHeld;
  ASSERT_GE(whileHeld, 3u);
  ASSERT_GT(log.size(), whileHeld + 2);
  // The case in question: a repeat arrives during the step in which the key
  // goes up, after that step began.
  const double lastStart = tickAt[whileHeld - 1];
  ASSERT_TRUE(std::any_of(repeats.begin(), repeats.end(),
                          [&](double t) { return t > lastStart && t < kUp; }));
  // Every tick that began while the key was down walks a cell; the hall
  // stops when the step in progress at the key-up is done.
  for (size_t i = 0; i < log.size(); ++i) {
    EXPECT_EQ(log[i].x, 20 + int(std::min(i + 1, whileHeld)))
        << "tick " << i << " began at " << tickAt[i] << " ms";
    EXPECT_EQ(log[i].y, 23) << "tick " << i;
  }
  EXPECT_EQ(f->gs.arrowHeld[2], 0);
}

TEST_F(HallKeys, ATapDuringADialogueOrThePauseDoesNothingAfterwards) {
  GameState& gs = f->gs;
  // A message is up (no tick runs): Right goes down and up.
  gs.dialogueState = 1;
  moki::Form_KeyDown(*f, plat::VK_RIGHT);
  moki::Form_KeyUp(*f, plat::VK_RIGHT);
  gs.dialogueState = 0;
  // Held before the pause, let go while the status screen is up.
  moki::Form_KeyDown(*f, plat::VK_DOWN);
  moki::Form_KeyDown(*f, plat::VK_CONTROL);
  moki::Form_KeyUp(*f, plat::VK_DOWN);
  moki::Form_KeyDown(*f, plat::VK_CONTROL);
  Run(1000);
  ASSERT_GE(log.size(), 2u);
  for (const TickLog& t : log) {
    EXPECT_EQ(t.x, 20);
    EXPECT_EQ(t.y, 23);
    EXPECT_EQ(t.facing, 1);
  }
}

TEST(TapLatch, EveryTickSeesATapOnceWhateverTheModeAndResetKeysForgetsIt) {
  auto f = MakeForm();
  GameState& gs = f->gs;
  // A mode whose tick does nothing stands in for the match and the minigame:
  // they read arrowHeld in their ticks the same way.
  gs.GameMode = 9;
  moki::Form_KeyDown(*f, plat::VK_UP);
  moki::Form_KeyUp(*f, plat::VK_UP);
  EXPECT_EQ(gs.arrowHeld[1], 1);  // the next tick still sees it
  moki::Timer1_Timer(*f);
  EXPECT_EQ(gs.arrowHeld[1], 0);  // once

  // A key held across ticks is released at once once a tick has seen it.
  moki::Form_KeyDown(*f, plat::VK_DOWN);
  moki::Timer1_Timer(*f);
  EXPECT_EQ(gs.arrowHeld[3], 1);
  moki::Timer1_Timer(*f);
  EXPECT_EQ(gs.arrowHeld[3], 1);
  moki::Form_KeyUp(*f, plat::VK_DOWN);
  EXPECT_EQ(gs.arrowHeld[3], 0);

  // Two taps before one tick are still one.
  for (int i = 0; i < 2; ++i) {
    moki::Form_KeyDown(*f, plat::VK_LEFT);
    moki::Form_KeyUp(*f, plat::VK_LEFT);
  }
  EXPECT_EQ(gs.arrowHeld[0], 1);
  moki::Timer1_Timer(*f);
  EXPECT_EQ(gs.arrowHeld[0], 0);

  // A match start or end resets the keys, taps included.
  moki::Form_KeyDown(*f, plat::VK_RIGHT);
  moki::Form_KeyUp(*f, plat::VK_RIGHT);
  moki::ResetKeys(gs);
  EXPECT_EQ(gs.arrowHeld[2], 0);
  moki::Form_KeyDown(*f, plat::VK_RIGHT);
  moki::Timer1_Timer(*f);
  EXPECT_EQ(gs.arrowHeld[2], 1);  // a fresh press after the reset is held as usual
}

}  // namespace
