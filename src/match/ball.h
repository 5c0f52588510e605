// The ball: its flight with the speed limit and the friction of the ground,
// the hit boxes and the four hit tests with the shot of each player, and the
// goals and walls.
#pragma once

#include "core/window_object.h"
#include "core/rect.h"

namespace moki {

void BallStep(GameState& gs);

// The aimed shot of a computer forward towards the goal point (px, py), from
// heading h with the largest correction cone.
void AimedShot(GameState& gs, double px, double py, int h, int cone);

// The hit boxes of the four players (by PlayerSlot) and of the ball.
struct HitBoxes {
  IRect player[4];
  IRect ball;
};
HitBoxes BuildHitBoxes(const GameState& gs);

// The four hit tests in order (away forward, away back, home forward, home
// back) with their responses. Several may hit in one step: every hit adds its
// speed and the last sets the direction.
void HitTests(GameState& gs, const HitBoxes& boxes);
void AwayForwardHits(GameState& gs);
void AwayBackHits(GameState& gs);
void HomeForwardHits(GameState& gs);
void HomeBackHits(GameState& gs);

// Goals on the left and right lines and bounces off the top and bottom walls.
// Returns the side that scored (0 home, 1 away) or -1.
int GoalsAndWalls(GameState& gs);

}  // namespace moki
