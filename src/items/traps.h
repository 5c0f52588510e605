// Traps and spheres on the field: placing them under a side's forward, and
// the blast of a mine. The trap test each player runs as it moves is
// TrapTest (items/field_effects.h).
#pragma once

#include "core/game_state.h"

namespace moki {

// Items 10..14 for the home (0) or away (1) side: a mouse trap, rubber, mine,
// sphere or reverse-shot trap under the side's forward. The forward is then
// guarded against its own trap until it stands on another tile.
void PlaceMarker(GameState& gs, int side, int item);

// A mine gone off at (blastCentreX, blastCentreY): the ball, the forwards and
// the backs near it are thrown and held, and the ground around it turns to sand.
void Blast(GameState& gs);

}  // namespace moki
