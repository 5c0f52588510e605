// A game window for tests, on the headless backend: fonts, tables and (when
// the pictures are there) the sprite sheets, as at start-up.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/headless.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "shell/form1.h"
#include "shell/state_json.h"
#include "match/cast_stats.h"
#include "match/match_setup.h"

namespace testing_support {

inline std::unique_ptr<moki::Form1> MakeForm(uint64_t seed = 1) {
  plat::headless::Reset(seed);
  std::string err;
  EXPECT_TRUE(plat::InitFonts(err)) << err;
  auto f = std::make_unique<moki::Form1>();
  moki::ConnectWindow(*f);
  moki::LoadPictures(f->pics);
  moki::InitControls(*f);
  moki::InitTables(f->gs);
  return f;
}

// Runs body inside a headless run driven by scenario; returns the exit code.
inline int RunWith(const std::string& scenario, const std::function<void()>& body) {
  std::string err;
  EXPECT_TRUE(plat::headless::LoadScenario(scenario, err)) << err;
  return plat::headless::Run(body);
}

// One cell per key (L, U, R, D) as scenario text: a quick tap that exactly
// one tick sees, then the step's frames play out.
inline std::string Steps(const std::string& keys) {
  std::string s;
  for (char k : keys) {
    const char* name = k == 'L' ? "left" : k == 'U' ? "up" : k == 'R' ? "right" : "down";
    s += std::string("press ") + name + " 35\nwait 400\n";
  }
  return s;
}

// A folder of its own under /tmp for a test, removed with all it holds.
struct TempDir {
  std::filesystem::path dir;
  TempDir() {
    char name[] = "/tmp/moki-test-XXXXXX";
    dir = mkdtemp(name);
  }
  ~TempDir() { std::filesystem::remove_all(dir); }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::string operator/(const std::string& name) const { return (dir / name).string(); }
};

}  // namespace testing_support

namespace testing_support {

// Reads dialogue like a player: answers each question with the next entry of
// `answers` (0 はい, 1 いいえ), presses Space when the page (or a ranking or
// status screen) has stood still for half a second, and closes the ended
// dialogue when closeAtEnd is set. Install with plat::headless::SetIdleHook.
struct AutoReader {
  moki::GameState* gs = nullptr;
  std::vector<int> answers;
  bool closeAtEnd = false;
  size_t next = 0;
  std::u32string seen;
  int16_t seenState = 0;
  double since = 0;

  void Press(int vk) {
    plat::headless::QueueKeyDown(vk);
    plat::headless::QueueKeyUp(vk);
  }
  void operator()() {
    double now = plat::headless::Now();
    if (gs->messageText != seen || gs->dialogueState != seenState) {
      seen = gs->messageText;
      seenState = gs->dialogueState;
      since = now;
    }
    if (gs->dialogueState == 0) return;
    if (gs->choicePending == 1) {
      if (next >= answers.size()) return;
      if (answers[next] == 1 && gs->choiceCursor != 1) {
        Press(plat::VK_DOWN);
      } else {
        Press(plat::VK_SPACE);
        ++next;
      }
      return;
    }
    if (now - since < 500) return;
    if (gs->dialogueState > 0 || closeAtEnd) {
      Press(plat::VK_SPACE);
      since = now;
    }
  }
};

// Puts the hero on cell (x, y) facing `facing`, the partner on the cell
// behind him, keeping the hall's occupancy marks consistent.
inline void PlaceParty(moki::GameState& gs, int x, int y, int facing, int px, int py) {
  for (auto& row : gs.hallOccupancy)
    for (auto& cell : row)
      if (cell == 0 || cell == 1) cell = -1;
  ASSERT_EQ(gs.hallOccupancy[size_t(y)][size_t(x)], -1);
  ASSERT_EQ(gs.hallOccupancy[size_t(py)][size_t(px)], -1);
  gs.playerX = static_cast<int16_t>(x);
  gs.playerY = static_cast<int16_t>(y);
  gs.playerFacing = static_cast<int16_t>(facing);
  gs.partnerX = static_cast<int16_t>(px);
  gs.partnerY = static_cast<int16_t>(py);
  gs.hallOccupancy[size_t(y)][size_t(x)] = 0;
  gs.hallOccupancy[size_t(py)][size_t(px)] = 1;
}

// Starts a new game from the menu and reads the opening to its end, answering
// the partner's question with `answer`.
inline void NewGameThroughTheOpening(moki::Form1& f, int answer) {
  AutoReader reader;
  reader.gs = &f.gs;
  reader.answers = {answer};
  reader.closeAtEnd = true;
  plat::headless::SetIdleHook([&] { reader(); });
  int code =
      RunWith("menu start\nuntil GameMode 1 2000\nuntil timerEnabled true 60000\nwait 100\n", [&] {
        moki::Form_Load(f);
        plat::headless::MainLoop();
      });
  plat::headless::SetIdleHook(nullptr);
  EXPECT_EQ(code, 0);
}

// A league match on field 0 against 優雅 and ウィー団子, in the normal
// course, set up and running, the hero in `role` (1 forward, 2 back, 0
// manager).
inline std::unique_ptr<moki::Form1> LeagueMatchForm(uint64_t seed, int role) {
  auto f = MakeForm(seed);
  moki::GameState& gs = f->gs;
  moki::ResetCastStats(gs);
  gs.roundNumber = 1;
  gs.motivated = 1;
  gs.opponentCast = 4;
  gs.opponentBackOffset = 9;
  gs.playerRole = static_cast<int16_t>(role);
  moki::ResetMatch(gs);
  gs.GameMode = moki::kModeMatch;
  return f;
}

}  // namespace testing_support
