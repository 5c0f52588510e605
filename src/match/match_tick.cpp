#include "match/match_tick.h"

#include "match/match_step.h"

namespace moki {

// Every tick runs the match step. The clock that ends a match is not in the
// game yet, so a match runs until the program ends.
void MatchTimerTick(Form1& f) {
  MatchStep(f);
}

}  // namespace moki
