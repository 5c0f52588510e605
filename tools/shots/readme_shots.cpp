// Makes the README's screenshots on the headless backend: the title, the
// hall, a dialogue, a match and the bear's game, each as the player sees it.
// Usage: mokimoki-shots OUTDIR
#include <cstdio>
#include <string>

#include "match/cast_stats.h"
#include "match/match_setup.h"
#include "match/match_step.h"
#include "minigame/bear_game.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "platform/png_io.h"
#include "platform/text.h"
#include "shell/form1.h"
#include "world/new_game.h"
#include "world/rooms.h"

namespace {

bool Save(const std::string& path) {
  std::string err;
  if (!plat::SavePng(path, plat::headless::LastFrame(), err)) {
    std::fprintf(stderr, "%s\n", err.c_str());
    return false;
  }
  std::printf("%s\n", path.c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: mokimoki-shots OUTDIR\n");
    return 2;
  }
  const std::string out = argv[1];
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
  return 0;
}
