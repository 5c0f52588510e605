// How players move. A forward drives like a vehicle, with a speed and a
// heading; a back slides up and down its goal line and aims with shotAngle.
// Everything is per step: speeds in pixels per step, turns in degrees.
#include "match/movement.h"

#include <cmath>

#include "core/numeric.h"
#include "items/field_effects.h"
#include "match/computer_players.h"
#include "world/field.h"

namespace moki {

namespace {

bool Held(const GameState& gs, int k) {
  return gs.arrowHeld[size_t(k)] != 0;
}
constexpr int kLeft = 0, kUp = 1, kRight = 2, kDown = 3;

// "Brake by half": a speed a little below 0 is only set to 0 at the next brake.
void BrakeByHalf(MatchPlayer& p) {
  if (p.speed > 0)
    p.speed -= p.accel / 2;
  else
    p.speed = 0;
}

i16 Wrap16(int v) {
  return static_cast<i16>(std::clamp(v, -32768, 32767));
}

}  // namespace

void SetMovementValues(GameState& gs, int slot) {
  MatchPlayer& p = gs.players[size_t(slot)];
  p.prevX = p.x;
  p.prevY = p.y;

  const bool home = slot == homeForward || slot == homeBack;
  int cast = 0;
  float bonus = 0;
  switch (slot) {
    case homeForward:
      cast = gs.homeCastIndex;
      break;
    case homeBack:
      cast = gs.homeCastIndex + 1;
      break;
    case awayForward:
      cast = gs.opponentCast;
      bonus = gs.opponentBonus;
      break;
    default:
      cast = gs.opponentCast + gs.opponentBackOffset;
      bonus = gs.opponentBonus;
      break;
  }
  const size_t c = StatsRow(cast);
  const float M = gs.castMaxSpeed[c] + bonus;
  const float A = gs.castAccel[c] + bonus / 5;
  const float T = float(gs.castTurnStep[c]) + bonus;

  int ground = TerrainAt(gs, PlayerCol(p), PlayerRow(p));
  if (home && gs.boostIgnoreTerrain != 0) ground = 1;  // キャタピラ: plain ground everywhere
  switch (ground) {
    case 1:  // Plain
      p.groundMaxSpeed = M, p.groundAccel = A, p.groundTurnStep = CInt(T);
      break;
    case 2:  // Water
      p.groundMaxSpeed = M * 2 / 5, p.groundAccel = A / 2, p.groundTurnStep = CInt(T / 5);
      break;
    case 3:  // Desert
      p.groundMaxSpeed = M * 2 / 5, p.groundAccel = A / 2, p.groundTurnStep = CInt(T);
      break;
    case 4:  // Ice
      p.groundMaxSpeed = M, p.groundAccel = A / 4, p.groundTurnStep = CInt(T / 5);
      break;
    default:
      break;  // other ground keeps what the last ground gave
  }

  // The boosts act on this step's copy only, so they never compound.
  p.maxSpeed = p.groundMaxSpeed * (home && gs.boostSpeed != 0 ? 4.0f : 1.0f);
  p.accel = p.groundAccel * (home && gs.boostAccel != 0 ? 4.0f : 1.0f);
  p.turnStep = Wrap16(p.groundTurnStep * (slot == homeForward && gs.boostTurn != 0 ? 4 : 1));
}

void HumanForwardKeys(GameState& gs, MatchPlayer& p) {
  const bool shift = gs.shiftHeld != 0;
  if (!shift) {
    if (Held(gs, kUp)) {
      if (p.speed > p.maxSpeed)
        BrakeByHalf(p);
      else
        p.speed += p.accel;
    } else {
      BrakeByHalf(p);
    }
  } else {
    if (Held(gs, kUp)) {
      if (p.speed <= 2 * p.maxSpeed)
        p.speed += 2 * p.accel;
      else
        BrakeByHalf(p);
    } else {
      BrakeByHalf(p);
    }
  }
  const int turn = shift ? 2 * p.turnStep : p.turnStep;
  if (Held(gs, kLeft)) p.heading = Wrap16(p.heading - turn);
  if (Held(gs, kRight)) p.heading = Wrap16(p.heading + turn);
  if (Held(gs, kDown)) {
    if (p.speed > 0)
      p.speed -= shift ? 2 * p.accel : p.accel;
    else
      p.speed = 0;
  }
}

void HumanBackKeys(GameState& gs, MatchPlayer& p) {
  const bool shift = gs.shiftHeld != 0;
  const float top = shift ? 2 * p.maxSpeed : p.maxSpeed;
  const float acc = shift ? 2 * p.accel : p.accel;
  if (Held(gs, kUp)) {
    if (p.vy <= -top)
      p.vy = -top;
    else
      p.vy -= acc;
  } else if (p.vy < 0) {
    p.vy += p.accel / 2;
  }
  if (Held(gs, kDown)) {
    if (!shift) {
      if (p.vy >= top)
        p.vy = top;
      else
        p.vy += acc;
    } else {
      if (p.vy < top)
        p.vy += acc;
      else
        p.vy = top;
    }
  } else if (p.vy > 0) {
    p.vy -= p.accel / 2;
  }
  const int aim = shift ? 20 : 10;
  int angle = p.shotAngle;
  if (Held(gs, kLeft)) angle -= aim;
  if (Held(gs, kRight)) angle += aim;
  // Kept in 0..359 so that holding a key for a long time never wraps it.
  angle %= 360;
  if (angle < 0) angle += 360;
  p.shotAngle = static_cast<i16>(angle);
}

void RemoteBallKeys(GameState& gs) {
  const MatchPlayer& fw = gs.players[homeForward];
  MatchBall& b = gs.ball;
  const bool shift = gs.shiftHeld != 0;
  const float acc = shift ? 2 * fw.accel : fw.accel;
  const int turn = shift ? 2 * fw.turnStep : fw.turnStep;
  if (Held(gs, kUp)) b.speed += acc;
  if (Held(gs, kLeft)) b.direction = Wrap16(b.direction - turn);
  if (Held(gs, kRight)) b.direction = Wrap16(b.direction + turn);
  if (Held(gs, kDown)) {
    if (b.speed > 0)
      b.speed -= acc;
    else
      b.speed = 0;
  }
}

void AdvanceAnim(MatchPlayer& p) {
  p.animFrame = static_cast<i16>(p.animFrame >= 7 ? 0 : p.animFrame + 1);
}

void IntegrateForward(GameState& gs, int slot) {
  MatchPlayer& p = gs.players[size_t(slot)];
  p.heading = Normalize360(p.heading);
  p.vx = p.speed * float(std::cos(Rad(p.heading)));
  p.vy = p.speed * float(std::sin(Rad(p.heading)));
  if (gs.rubberFlag[size_t(slot)] == 1) {
    // The rubber pulls towards its anchor with 0.03 of the distance; the
    // pull builds up in the drift, which decays by 0.95 a step.
    const double cx = gs.rubberAnchorX[size_t(slot)], cy = gs.rubberAnchorY[size_t(slot)];
    const double dx = p.x + 16.0 - cx, dy = p.y + 16.0 - cy;
    const double e = std::sqrt(dx * dx + dy * dy);
    int phi;
    if (dx != 0) {
      const int theta = CInt(Deg(std::atan(dy / dx)));
      phi = dx > 0 ? -theta : 180 - theta;
    } else {
      phi = dy > 0 ? 270 : 90;
    }
    phi = Normalize360(phi);
    const double pull = -0.03 * e;
    p.driftX = float(pull * std::cos(Rad(phi)) + 0.95 * p.driftX);
    p.driftY = float(0.95 * p.driftY - pull * std::sin(Rad(phi)));
  } else {
    p.driftX = 0;
    p.driftY = 0;
  }
  p.x += p.vx + p.driftX;
  p.y += p.vy + p.driftY;
  AdvanceAnim(p);
}

void IntegrateBack(GameState& gs, int slot) {
  MatchPlayer& p = gs.players[size_t(slot)];
  p.y += p.vy;
  AdvanceAnim(p);
}

void MovePlayer(Form1& f, int slot) {
  GameState& gs = f.gs;
  const size_t s = size_t(slot);
  const bool forward = slot == homeForward || slot == awayForward;
  SetMovementValues(gs, slot);
  TrapTest(f, slot);

  MatchPlayer& p = gs.players[s];
  if (gs.caughtFlag[s] == 1) {
    // Held fast: a caught forward can still turn, but goes nowhere.
    if (forward)
      p.speed = 0;
    else
      p.vy = 0;
    p.accel = 0;
  }
  if (!forward && gs.rubberFlag[s] == 1) {
    const float cy = gs.rubberAnchorY[s];
    if (p.y + 16 >= cy)
      p.vy -= (p.y + 16 - cy) * 0.03f;
    else
      p.vy += (cy - (p.y + 16)) * 0.03f;
  }

  // Who steers: the keys drive the human's player unless the ball is under
  // remote control, in which case the keys steer the ball and the player
  // keeps its speed; every other player is the computer's.
  const bool remote = gs.remoteBallTime >= 1;
  switch (slot) {
    case homeForward:
      if (gs.playerRole == 1) {
        if (remote)
          RemoteBallKeys(gs);
        else
          HumanForwardKeys(gs, p);
      } else {
        SteerHomeForward(gs);
      }
      break;
    case homeBack:
      if (gs.playerRole == 2) {
        if (remote)
          RemoteBallKeys(gs);
        else
          HumanBackKeys(gs, p);
      } else {
        SteerHomeBack(gs);
      }
      break;
    case awayForward:
      SteerAwayForward(gs);
      break;
    default:
      SteerAwayBack(gs);
      break;
  }

  if (forward)
    IntegrateForward(gs, slot);
  else
    IntegrateBack(gs, slot);
}

}  // namespace moki
