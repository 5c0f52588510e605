// Player movement in a match: the movement values from the cast and the
// ground, the keys of the human forward and back, the ball under remote
// control, the integration of forwards and backs, and the field's bounds.
#pragma once

#include "core/window_object.h"

namespace moki {

// prevX/prevY, then maxSpeed, accel and (forwards) turnStep from the cast row
// and the ground under the player's centre, then the home side's boosts.
void SetMovementValues(GameState& gs, int slot);

// The keys on the human's forward, on the human's back, and on the ball
// while it is under remote control.
void HumanForwardKeys(GameState& gs, MatchPlayer& p);
void HumanBackKeys(GameState& gs, MatchPlayer& p);
void RemoteBallKeys(GameState& gs);

// Heading into 0..359, velocity, the pull of a rubber, the move, the walking
// picture. A back only moves up and down by its vy.
void IntegrateForward(GameState& gs, int slot);
void IntegrateBack(GameState& gs, int slot);

// The walking picture: 0..7, then round again.
void AdvanceAnim(MatchPlayer& p);

// The whole update of one player for one match step, in the game's order:
// movement values, traps, the caught state, the rubber on a back, keys or
// computer, integration.
void MovePlayer(Form1& f, int slot);

}  // namespace moki
