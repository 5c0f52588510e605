// The computer's players: both away players always, and the home players
// that the keys do not drive. Each rule runs where the keys would, after the
// movement values and the traps and before the integration.
#pragma once

#include "core/game_state.h"

namespace moki {

void SteerHomeForward(GameState& gs);
void SteerAwayForward(GameState& gs);
void SteerHomeBack(GameState& gs);
void SteerAwayBack(GameState& gs);

}  // namespace moki
