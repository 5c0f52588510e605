// A game window for tests, on the headless backend: fonts, tables and (when
// the pictures are there) the sprite sheets, as at start-up.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/headless.h"
#include "player_files/bindings.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "shell/window_events.h"
#include "shell/state_json.h"
#include "match/match_setup.h"
#include "story/cast_stats.h"

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

// A folder of its own in the system's temporary folder ($TMPDIR, or /tmp)
// for a test, removed with all it holds.
struct TempDir {
  std::filesystem::path dir;
  explicit TempDir(const std::string& prefix = "moki-test-") {
    std::string name = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
    if (mkdtemp(name.data())) dir = name;
    EXPECT_FALSE(dir.empty()) << "cannot make " << name;
  }
  ~TempDir() {
    std::error_code ec;
    if (!dir.empty()) std::filesystem::remove_all(dir, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::string operator/(const std::string& name) const { return (dir / name).string(); }
};

// A whole file's bytes (empty if it cannot be read).
inline std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Whether a character is Japanese: kana, CJK punctuation and ideographs, and
// the full-width forms.
inline bool IsJapanese(char32_t c) {
  return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) ||
         (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFF00 && c <= 0xFFEF);
}
inline bool HasJapanese(const std::u32string& s) {
  for (char32_t c : s)
    if (IsJapanese(c)) return true;
  return false;
}

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

// The stand-in player of a whole season: talks to the receptionist whenever
// the hall is quiet, answers her questions (no ranking, yes to playing, the
// forward), turns pages, and decides each match's score just before the end
// of the clock by the plan (true: a win). In English the ranking is seen:
// its question is only known in Japanese. `look`, if set, sees every idle
// moment and frame first.
struct SeasonPlayer {
  moki::GameState* gs = nullptr;
  std::vector<bool> plan;
  size_t played = 0;
  std::vector<std::u32string> boxes;
  std::vector<int> talkStates;  // the receptionist's state at each talk or call
  std::vector<int> opponents;   // opponentCast of each match
  std::vector<float> bonuses;
  std::function<void()> look;
  int lastBoxes = 0;
  bool inMatch = false;
  std::u32string seen;
  int16_t seenState = 0;
  double since = 0;
  // With a controller: its A and d-pad instead of the keys, the result box
  // answered with A; and, when set, nothing more after so many matches.
  bool pad = false;
  size_t stopAfter = size_t(-1);

  void Press(int vk) const {
    if (!pad) {
      plat::headless::QueueKeyDown(vk);
      plat::headless::QueueKeyUp(vk);
      return;
    }
    const int button = vk == plat::VK_DOWN ? plat::kPadDown : plat::kPadA;
    plat::headless::QueuePad(button, true);
    plat::headless::QueuePad(button, false, 20);
  }
  bool CellFree(int x, int y) const {
    int who = gs->hallOccupancy[size_t(y)][size_t(x)];
    return who == -1 || who == 0 || who == 1;
  }
  void operator()() {
    if (look) look();
    const double now = plat::headless::Now();
    if (plat::headless::MessageBoxCount() != lastBoxes) {
      lastBoxes = plat::headless::MessageBoxCount();
      boxes.push_back(plat::headless::LastMessageBoxText());
      if (pad) Press(plat::VK_SPACE);  // OK
    }
    if (played >= stopAfter && gs->GameMode != moki::kModeMatch) return;
    if (gs->messageText != seen || gs->dialogueState != seenState) {
      if (seenState <= 0 && gs->dialogueState > 0) talkStates.push_back(gs->talkEntry[2]);
      seen = gs->messageText;
      seenState = gs->dialogueState;
      since = now;
    }
    if (gs->GameMode == moki::kModeMatch || gs->dialogueState != 0) Place();
    if (gs->GameMode == moki::kModeMatch) {
      if (!inMatch) {
        inMatch = true;
        opponents.push_back(gs->opponentCast);
        bonuses.push_back(gs->opponentBonus);
      }
      if (gs->countsLeft <= 0 && played < plan.size()) {
        // The plan decides; the real play only decides by how much.
        if (plan[played] && gs->homeScore <= gs->awayScore) gs->homeScore = gs->awayScore + 2;
        if (!plan[played] && gs->homeScore >= gs->awayScore) gs->awayScore = gs->homeScore + 1;
      }
      return;
    }
    if (inMatch && gs->GameMode != moki::kModeMatch) {
      inMatch = false;
      ++played;
    }
    if (gs->dialogueState != 0) {
      if (gs->choicePending == 1) {
        const bool no = gs->messageText.find(U"ランキングを見ますか") != std::u32string::npos;
        if (no && gs->choiceCursor != 1)
          Press(plat::VK_DOWN);
        else
          Press(plat::VK_SPACE);
        return;
      }
      if (now - since >= 300) {
        Press(plat::VK_SPACE);
        since = now;
      }
    }
  }
  // The hall does not wait between its ticks, so the talk is started from a
  // frame of a hall tick: a Space queued there is handled after the tick.
  void OnFrame() {
    if (look) look();
    const double now = plat::headless::Now();
    if (gs->GameMode != moki::kModeHall || gs->dialogueState != 0 || !plat::TimerEnabled()) return;
    if (played >= stopAfter) return;
    if (now - lastTalk < 300 || !Placed()) return;
    lastTalk = now;
    Press(plat::VK_SPACE);
  }
  bool Placed() const { return gs->playerX == 20 && gs->playerY == 10 && gs->playerFacing == 1; }
  // Below the counter, facing her: moved there by hand while the hall stands
  // still (in a dialogue or a match), when nobody stands in the way.
  void Place() {
    if (Placed() || !CellFree(20, 10) || !CellFree(20, 11)) return;
    for (auto& row : gs->hallOccupancy)
      for (auto& cell : row)
        if (cell == 0 || cell == 1) cell = -1;
    gs->playerX = 20, gs->playerY = 10, gs->playerFacing = 1;
    gs->partnerX = 20, gs->partnerY = 11;
    gs->hallOccupancy[10][20] = 0;
    gs->hallOccupancy[11][20] = 1;
  }
  double lastTalk = 0;
};

// Plays a season with the stand-in player until the title screen is back.
inline int PlaySeason(SeasonPlayer& player) {
  player.Place();
  plat::headless::SetIdleHook([&] { player(); });
  plat::headless::SetFrameHook([&](const plat::Surface&) { player.OnFrame(); });
  int code = RunWith("until GameMode 0 2000000\nwait 500\n", [&] { plat::headless::MainLoop(); });
  plat::headless::SetIdleHook(nullptr);
  plat::headless::SetFrameHook(nullptr);
  return code;
}

}  // namespace testing_support
