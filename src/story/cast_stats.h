// CastStats: the match strengths of every cast member.
#pragma once

#include "core/game_state.h"

namespace moki {

// Sets castMaxSpeed, castAccel, castTurnStep, castShotPower and castAimCone
// to their new-game values.
void ResetCastStats(GameState& gs);

}  // namespace moki
