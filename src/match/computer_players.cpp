// The computer chases the ball with its forwards and keeps its backs level
// with the ball. The rules are simple and deterministic; an opponent's
// strength comes from its cast row and opponentBonus.
#include "match/computer_players.h"

#include "core/numeric.h"
#include "world/field.h"

namespace moki {

namespace {

bool Confused(const GameState& gs) {
  // In a blackout or among fake balls the computer cannot see the ball.
  return gs.blackoutTime > 0 || gs.fakeBallTime > 0;
}

// Whether turning left (towards smaller angles) brings heading towards target.
bool TurnLeft(int heading, int target) {
  return Normalize360(heading - target) < 181;
}

void BackUp(MatchPlayer& p, float factor) {
  if (p.vy > -factor * p.maxSpeed) p.vy -= factor * p.accel;
}
void BackDown(MatchPlayer& p, float factor) {
  if (p.vy < factor * p.maxSpeed) p.vy += factor * p.accel;
}

}  // namespace

void SteerHomeForward(GameState& gs) {
  MatchPlayer& p = gs.players[homeForward];
  const MatchBall& b = gs.ball;
  p.heading = Normalize360(p.heading);
  const int a = AngleTo(p.x, p.y, b.x, b.y);
  // It always turns, so it weaves about the line to the ball.
  if (TurnLeft(p.heading, a))
    p.heading = CInt(p.heading - 1.5 * p.turnStep);
  else
    p.heading = CInt(p.heading + 1.5 * p.turnStep);
  if (Confused(gs)) p.heading = static_cast<i16>(p.heading + 30);
  if (1.5f * p.maxSpeed > p.speed)
    p.speed += 1.5f * p.accel;
  else
    p.speed -= 1.5f * p.accel;
}

void SteerAwayForward(GameState& gs) {
  MatchPlayer& p = gs.players[awayForward];
  const MatchBall& b = gs.ball;
  p.heading = Normalize360(p.heading);
  const int a = AngleTo(p.x, p.y, b.x, b.y);
  if (TurnLeft(p.heading, a))
    p.heading = static_cast<i16>(p.heading - p.turnStep);
  else
    p.heading = static_cast<i16>(p.heading + p.turnStep);
  if (Confused(gs)) p.heading = static_cast<i16>(p.heading + 30);
  p.heading = Normalize360(p.heading);
  if (p.speed < p.maxSpeed) p.speed += p.accel;  // it never slows down on its own
}

void SteerHomeBack(GameState& gs) {
  MatchPlayer& p = gs.players[homeBack];
  const MatchBall& b = gs.ball;
  if (b.x > 320) {
    // The ball is in the other half: drift back towards the middle.
    if (p.y > 224)
      BackUp(p, 1.5f);
    else
      BackDown(p, 1.5f);
  } else if (p.y > b.y) {
    BackUp(p, 1.5f);
  } else if (p.y < b.y) {
    BackDown(p, 1.5f);
  }
  if (Confused(gs)) p.vy = 0;

  int angle;
  if (gs.specialAbilities[1] == 1) {
    // ナイスパス: aim at the home forward.
    const MatchPlayer& fw = gs.players[homeForward];
    angle = AngleTo(p.x, p.y, fw.x, fw.y);
  } else {
    // The sweep: -5 becomes 355 below, which reverses it again, so the back
    // shoots between 5 degrees above and 35 below the line to the far goal.
    if (p.shotAngle > 30 || p.shotAngle < -30) p.shotSweepStep = static_cast<i16>(-p.shotSweepStep);
    angle = p.shotAngle + p.shotSweepStep;
  }
  p.shotAngle = Normalize360(angle);
}

void SteerAwayBack(GameState& gs) {
  MatchPlayer& p = gs.players[awayBack];
  const MatchBall& b = gs.ball;
  if (b.x >= 288) {
    if (p.y > b.y)
      BackUp(p, 2.0f);
    else if (p.y < b.y)
      BackDown(p, 2.0f);
  } else if (p.y > 224) {
    BackUp(p, 1.5f);
  } else {
    BackDown(p, 1.5f);
  }
  if (Confused(gs)) p.vy = 0;
}

}  // namespace moki
