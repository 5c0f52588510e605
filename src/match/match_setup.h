// Turning a booked match into a running one: the reset of the match state
// with its battle field, and the intro.
#pragma once

#include "core/window_object.h"

namespace moki {

// Starts a booked match (the closing Space of the booking dialogue, and the
// replay after a draw): keys cleared, timer stopped, reset, intro, then the
// timer and the clock start.
void StartMatch(Form1& f);
// A fresh match: the field from its battle file, no traps, the players and
// the ball at their places, scores, boosts and effects cleared, 60 counts.
void ResetMatch(GameState& gs);
// The match begins: the frame timer and the clock start now.
void KickOff(GameState& gs);
// The frame closing in from the edges to the centre over two seconds.
void PlayIntro(Form1& f);

}  // namespace moki
