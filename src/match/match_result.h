// The end of a match: the result box, the replay after a draw, and what a
// decided result changes for the season.
#pragma once

#include "core/window_object.h"

namespace moki {

// At the end of the clock, or at once after a golden goal in extra time.
void MatchResult(Form1& f);
// The story states of the cast for the match-day just reached.
void AdvanceStoryStates(GameState& gs);
// The receptionist's state after a decided match, and the next challenger
// once the final has been played.
void SetReceptionistState(GameState& gs);
// A challenger pair drawn from the cast, one step stronger than the last.
void DrawNextChallenger(GameState& gs);

}  // namespace moki
