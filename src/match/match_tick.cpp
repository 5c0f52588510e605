// The tick of a match: the match step, then the clock, which counts once a
// second by the tick counter, measured from the last count, so a slow frame
// delays every later count.
#include "match/match_tick.h"

#include "items/item_count.h"
#include "match/match_result.h"
#include "match/match_step.h"
#include "platform/platform.h"

namespace moki {

void MatchTimerTick(Form1& f) {
  GameState& gs = f.gs;
  MatchStep(f);
  // A golden goal ran the result inside the step: this match is over.
  if (gs.GameMode != kModeMatch) return;
  const uint32_t now = plat::GetTickCount();
  if (int64_t(now) < int64_t(gs.lastCountTick) + 1000) return;
  if (gs.matchFrozen == 0) itemCountStep(f);
  gs.countsLeft = static_cast<i16>(gs.countsLeft - 1);
  // 60 down to 0, and the match ends at the count after 0.
  if (gs.countsLeft < 0) MatchResult(f);
  gs.lastCountTick = static_cast<int32_t>(plat::GetTickCount());
}

}  // namespace moki
