#include "match/match_tick.h"

#include "platform/platform.h"

namespace moki {

// The match engine is not in the game yet: a booked match is cancelled so the
// hall goes on, and the match mode draws nothing.
void MatchTimerTick(Form1&) {}
void DrawMatch(Form1&) {}
void StartMatch(Form1& f) {
  f.gs.matchPending = 0;
}

}  // namespace moki
