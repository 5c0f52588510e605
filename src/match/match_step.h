// The match step: one run per timer tick in a match, in the game's order.
#pragma once

#include "core/window_object.h"

namespace moki {

void MatchStep(Form1& f);

// Against the receptionist the away back stops steering after ten counts and
// simply stands level with the ball.
void MirrorBall(GameState& gs);
// ダッシュ: Up and Down together lift the home forward to three times its top speed.
void DashStep(GameState& gs);
// 自爆: the red circle grows over the field for up to five seconds, the field
// turns to sand and the match freezes with the score as it stands.
void SelfDestruct(Form1& f);

}  // namespace moki
