// The item effects on the field: the trap under a player, the fake balls,
// the wind, the earthquake, the sphere bounce and the field changes.
#pragma once

#include "core/window_object.h"

namespace moki {

// The trap under the player of this slot (a forward only once it has left the
// tile of its own last trap). A mine goes off here with its blast.
void TrapTest(Form1& f, int slot);

// 木を隠すなら森: 21 fake balls scattered over the field, each group of them
// flying its own way.
void StartFakeBalls(GameState& gs);
void MoveFakeBalls(GameState& gs);

// A wind item: the wind blows from now on in direction d (0 left, 1 up,
// 2 right, 3 down) and takes its first step at once.
void StartWind(Form1& f, int d);
// One step of the blowing wind: streaks over the next frame, the forwards and
// the ball pushed 6 pixels, and one chance in 30 that it drops.
void WindStep(Form1& f);

void QuakeStep(GameState& gs);

// The ball put back and bounced off a sphere's tile.
void SphereBounce(GameState& gs);

// Items 6..9: the 5 x 5 tiles around the side's forward become ground k
// (1 grass, 2 water, 3 sand, 4 ice), within the playing area.
void ChangeField(GameState& gs, int side, int k);

}  // namespace moki
