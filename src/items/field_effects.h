// The item effects that act inside a match step: the trap under a player,
// the fake balls, the wind, the earthquake and the sphere bounce.
#pragma once

#include "core/form1.h"

namespace moki {

// The trap under the player of this slot (a forward only once it has left the
// tile of its own last trap). A mine goes off here with its blast.
void TrapTest(Form1& f, int slot);
void MoveFakeBalls(GameState& gs);
// One step of the blowing wind: streaks on the window, the forwards and the
// ball pushed 6 pixels, and one chance in 30 that it drops.
void WindStep(Form1& f);
void QuakeStep(GameState& gs);
// The ball put back and bounced off a sphere's tile.
void SphereBounce(GameState& gs);

}  // namespace moki
