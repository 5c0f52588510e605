// Makes the README's screenshots on the headless backend: the title, the
// hall, a dialogue, a match and the bear's game, each as the player sees it,
// and in English the title, a dialogue, the status screen and a match's result.
// Usage: mokimoki-shots OUTDIR
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "match/match_setup.h"
#include "match/match_step.h"
#include "minigame/bear_game.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "platform/png_io.h"
#include "platform/text.h"
#include "shell/window_events.h"
#include "story/cast_stats.h"
#include "story/language.h"
#include "world/new_game.h"
#include "world/rooms.h"

namespace {

bool Run(const std::string& script, const std::function<void()>& body) {
  std::string err;
  if (!plat::headless::LoadScenario(script, err)) {
    std::fprintf(stderr, "%s\n", err.c_str());
    return false;
  }
  return plat::headless::Run(body) == 0;
}

bool Save(const std::string& path) {
  std::string err;
  if (!plat::SavePng(path, plat::headless::LastFrame(), err)) {
    std::fprintf(stderr, "%s\n", err.c_str());
    return false;
  }
  std::printf("%s\n", path.c_str());
  return true;
}

// The title in English, with its English lettering.
bool EnglishTitle(const std::string& out) {
  plat::headless::Reset(7);
  moki::Form1 f;
  moki::ConnectWindow(f);
  f.gs.language = moki::kLangEnglish;
  return Run("wait 500\nshot " + out + "/en_title.png\n", [&] {
    moki::Form_Load(f);
    moki::SetLanguage(f, moki::kLangEnglish);
    plat::headless::MainLoop();
  });
}

// In English: the receptionist naming the day's opponent, the status screen
// with items and abilities, and the result box of a won match.
bool EnglishShots(const std::string& out) {
  plat::headless::Reset(7);
  moki::Form1 f;
  moki::GameState& gs = f.gs;
  moki::ConnectWindow(f);
  gs.language = moki::kLangEnglish;
  std::string script = "menu start\nwait 4200\n";
  for (int i = 0; i < 12; ++i) script += "wait 1500\npress space\n";
  script += "wait 2000\n";
  if (!Run(script, [&] {
        moki::Form_Load(f);
        moki::SetLanguage(f, moki::kLangEnglish);
        plat::headless::MainLoop();
      }))
    return false;

  // Below the counter, facing her: no ranking, yes to a match.
  for (auto& row : gs.hallOccupancy)
    for (auto& cell : row)
      if (cell == 0 || cell == 1) cell = -1;
  gs.playerX = 20, gs.playerY = 10, gs.playerFacing = 1;
  gs.partnerX = 20, gs.partnerY = 11;
  gs.hallOccupancy[10][20] = 0, gs.hallOccupancy[11][20] = 1;
  if (!Run("press space\nwait 4000\npress down\nwait 300\npress space\nwait 1500\npress space\n"
           "wait 6000\nshot " +
               out +
               "/en_dialogue.png\npress down\nwait 300\npress space\n"
               "wait 3000\npress space\nwait 500\n",
           [&] { plat::headless::MainLoop(); }))
    return false;

  // The status screen with three items and two abilities.
  gs.money = 4600;
  gs.slotItem = {11, 20, 17};
  gs.slotCount[11][0] = 3, gs.slotCount[20][1] = 1, gs.slotCount[17][2] = 2;
  gs.specialAbilities = {1, 1, 0};
  if (!Run("wait 300\npress ctrl\nwait 300\nshot " + out + "/en_status.png\npress ctrl\nwait 300\n",
           [&] { plat::headless::MainLoop(); }))
    return false;

  // A match against Conviction and Booby, won 3-1 in its last count.
  gs.opponentCast = 9, gs.opponentBackOffset = 9, gs.playerRole = 1, gs.motivated = 1;
  plat::headless::SetMessageBoxAnswerMs(3000);
  bool saved = false, ok = true;
  double boxAt = -1;
  plat::headless::SetIdleHook([&] {
    if (gs.GameMode == moki::kModeMatch && gs.countsLeft > 1) gs.countsLeft = 1;
    if (gs.GameMode == moki::kModeMatch) gs.homeScore = 3, gs.awayScore = 1;
    if (plat::headless::MessageBoxCount() == 0 || saved) return;
    if (boxAt < 0) boxAt = plat::headless::Now();
    if (plat::headless::Now() - boxAt > 200) {
      saved = true;
      ok = Save(out + "/en_result.png");
    }
  });
  const bool ran = Run("wait 20000\n", [&] {
    moki::StartMatch(f);
    plat::headless::MainLoop();
  });
  plat::headless::SetIdleHook(nullptr);
  return ran && saved && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: mokimoki-shots OUTDIR\n");
    return 2;
  }
  const std::string out = argv[1];
  // The matches played for the pictures reach rest points, where the game
  // saves: the player's own folders are kept out of it.
  char throwaway[] = "/tmp/moki-shots-XXXXXX";
  if (!mkdtemp(throwaway)) {
    std::perror("mokimoki-shots: a throwaway folder");
    return 1;
  }
  setenv("XDG_DATA_HOME", throwaway, 1);
  setenv("XDG_CONFIG_HOME", throwaway, 1);
  std::string err;
  if (!plat::InitFonts(err)) {
    std::fprintf(stderr, "%s\n", err.c_str());
    return 1;
  }

  // The title, the opening talk and the hall, played through the menu and keys.
  plat::headless::Reset(7);
  moki::Form1 f;
  moki::ConnectWindow(f);
  std::string script = "wait 500\nshot " + out + "/title.png\nmenu start\nwait 4200\nshot " + out +
                       "/dialogue.png\n";
  for (int i = 0; i < 12; ++i) script += "wait 1500\npress space\n";
  script += "wait 2000\nshot " + out + "/hall.png\n";
  if (!plat::headless::LoadScenario(script, err)) {
    std::fprintf(stderr, "%s\n", err.c_str());
    return 1;
  }
  if (plat::headless::Run([&] {
        moki::Form_Load(f);
        plat::headless::MainLoop();
      }) != 0)
    return 1;

  // A league match against 信念 and カツオドリ, a few seconds in.
  moki::GameState& gs = f.gs;
  gs.opponentCast = 9, gs.opponentBackOffset = 9, gs.playerRole = 1, gs.motivated = 1;
  gs.roundNumber = 3;
  moki::ResetMatch(gs);
  gs.GameMode = moki::kModeMatch;
  gs.countsLeft = 51, gs.homeScore = 2, gs.awayScore = 1;
  gs.arrowHeld[1] = 1;
  for (int i = 0; i < 90; ++i) moki::MatchStep(f);
  gs.arrowHeld[1] = 0;
  if (!Save(out + "/match.png")) return 1;

  // The bear's game in the second basement room.
  moki::EnterRoom(f, 2);
  gs.bearRoom = 2;
  moki::SetUpBearGame(f);
  for (int i = 0; i < 25; ++i) moki::bearStep(f);
  if (!Save(out + "/minigame.png")) return 1;
  return EnglishTitle(out) && EnglishShots(out) ? 0 : 1;
}
