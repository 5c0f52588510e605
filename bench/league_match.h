// The match the benchmarks time: the first round of the league, the player's
// side keen, against the ninth of the cast, on a fresh headless backend.
#pragma once

#include <string>

#include "match/match_setup.h"
#include "platform/headless.h"
#include "platform/text.h"
#include "shell/window_events.h"
#include "story/cast_stats.h"

namespace bench {

// A fresh headless backend with the game's fonts; false with err without them.
inline bool FreshHeadless(std::string& err) {
  plat::headless::Reset(1);
  return plat::InitFonts(err);
}

// The pictures, the controls and the tables loaded, and the match set up,
// not begun (StartMatch begins it from its intro).
inline void SetUpLeagueMatch(moki::Form1& f) {
  moki::LoadPictures(f.pics);
  moki::InitControls(f);
  moki::InitTables(f.gs);
  moki::ResetCastStats(f.gs);
  f.gs.roundNumber = 1, f.gs.motivated = 1, f.gs.playerRole = 0;
  f.gs.opponentCast = 9, f.gs.opponentBackOffset = 9;
}

// The same match under way, past its intro: each MatchStep is one of its ticks.
inline void EnterLeagueMatch(moki::Form1& f) {
  SetUpLeagueMatch(f);
  moki::ResetMatch(f.gs);
  f.gs.GameMode = moki::kModeMatch;
}

}  // namespace bench
