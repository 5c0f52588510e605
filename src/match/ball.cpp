// The ball's flight, the hits and the goals.
#include "match/ball.h"

#include <cmath>

#include "core/numeric.h"
#include "platform/platform.h"
#include "world/field.h"

namespace moki {

void BallStep(GameState& gs) {
  MatchBall& b = gs.ball;
  b.prevX = b.x;
  b.prevY = b.y;
  const float limit = gs.motivated == 1 ? 24.0f : 20.0f;  // the black ball is slower
  if (b.speed > limit) b.speed = limit;
  switch (TerrainAt(gs, BallCol(b), BallRow(b))) {
    case 1:
      gs.ballFriction = 0.2f;
      break;
    case 2:  // a hard-hit ball skims over water and sinks fast once slower
      gs.ballFriction = b.speed >= 15 ? 0.1f : 1.0f;
      break;
    case 3:
      gs.ballFriction = 0.5f;
      break;
    case 4:
      gs.ballFriction = 0.0f;
      break;
    default:
      break;  // other ground keeps the last friction
  }
  if (b.speed > 0)
    b.speed -= gs.ballFriction;
  else
    b.speed = 0;
  b.direction = Normalize360(b.direction);
  b.vx = b.speed * float(std::cos(Rad(b.direction)));
  b.vy = b.speed * float(std::sin(Rad(b.direction)));
  b.x += b.vx;
  b.y += b.vy;
}

void AimedShot(GameState& gs, double px, double py, int h, int cone) {
  MatchBall& b = gs.ball;
  const double bx = b.x + 9.0, by = b.y + 9.0;
  int g = bx != px ? CInt(Deg(std::atan((py - by) / (px - bx)))) : 90;
  if (bx > px) g += 180;
  const int d = Normalize360(h - g);
  plat::Randomize();
  int base;
  if (d >= cone && d < 360 - cone)
    base = d < 181 ? h - cone : h + cone;  // turned by the cone towards the goal
  else
    base = h - d;  // within the cone: straight at the goal
  int dir = CInt(Int(plat::Rnd() * 20) + base - 10);
  dir = Int(plat::Rnd() * 30) + dir - 15;
  b.direction = static_cast<i16>(dir);
}

HitBoxes BuildHitBoxes(const GameState& gs) {
  HitBoxes h;
  for (int s = 0; s < 4; ++s) {
    const MatchPlayer& p = gs.players[size_t(s)];
    // The away players' boxes are 26 x 26, smaller than their sprites.
    const double in = (s == awayForward || s == awayBack) ? 3.0 : 0.0;
    h.player[s] = {CInt(p.x + in), CInt(p.y + in), CInt(p.x + 32 - in), CInt(p.y + 32 - in)};
  }
  const MatchBall& b = gs.ball;
  h.ball = {CInt(b.x), CInt(b.y), CInt(b.x + 18.0), CInt(b.y + 18.0)};
  return h;
}

void AwayForwardHits(GameState& gs) {
  MatchPlayer& p = gs.players[awayForward];
  MatchBall& b = gs.ball;
  const size_t c = StatsRow(gs.opponentCast);
  p.x = p.prevX;  // only the away forward is pushed back out of the ball
  p.y = p.prevY;
  b.speed += p.accel + float(gs.castShotPower[c]) + gs.opponentBonus;
  AimedShot(gs, 32, 224, p.heading, gs.castAimCone[c]);
  if (gs.stickyBall[1] == 1) gs.stickyBall[1] = 2;
  if (gs.stickyBall[1] >= 1) {
    b.speed = p.speed;
    p.heading = b.direction;
  }
  if (gs.reverseAge[awayForward] > 0) b.direction = static_cast<i16>(b.direction - 180);
  if (gs.opponentCast == 11 || gs.opponentCast == 20)
    b.direction = static_cast<i16>(Int(plat::Rnd() * 360));
}

void AwayBackHits(GameState& gs) {
  const MatchPlayer& p = gs.players[awayBack];
  const MatchPlayer& fw = gs.players[awayForward];
  MatchBall& b = gs.ball;
  const int back = gs.opponentCast + gs.opponentBackOffset;
  plat::Randomize();
  if (b.speed == 0) b.speed = 5;
  b.speed += float(gs.castShotPower[StatsRow(back)]) + gs.opponentBonus;
  if (back == 2 || back == 9 || back == 10 || back == 13 || back == 17)
    b.direction = static_cast<i16>(AngleTo(p.x, p.y, fw.x, fw.y));  // a pass to its forward
  else
    b.direction = static_cast<i16>(Int(plat::Rnd() * 90) + 135);  // towards the home goal
  if (back == 20 || back == 11) b.direction = static_cast<i16>(Int(plat::Rnd() * 180) + 90);
  if (gs.reverseAge[awayBack] > 0) b.direction = static_cast<i16>(b.direction - 180);
}

void HomeForwardHits(GameState& gs) {
  MatchPlayer& p = gs.players[homeForward];
  MatchBall& b = gs.ball;
  const size_t c = StatsRow(gs.homeCastIndex);
  const int power = gs.castShotPower[c] * (gs.boostPower != 0 ? 4 : 1);
  b.speed += p.accel + float(power);
  if (gs.playerRole == 1) {
    b.direction = p.heading;  // the human's shot goes exactly where the red line points
  } else {
    const int cone = gs.castAimCone[c] * (gs.boostAim != 0 ? 4 : 1);
    AimedShot(gs, 576, 224, p.heading, cone);
  }
  if (gs.reverseAge[homeForward] > 0) b.direction = static_cast<i16>(b.direction + 180);
  if (gs.homeCastIndex == 11) b.direction = static_cast<i16>(Int(plat::Rnd() * 360));
  if (gs.stickyBall[0] == 1) gs.stickyBall[0] = 2;
  if (gs.stickyBall[0] >= 1) {
    b.speed = p.speed;
    p.heading = b.direction;
  }
}

void HomeBackHits(GameState& gs) {
  const MatchPlayer& p = gs.players[homeBack];
  MatchBall& b = gs.ball;
  if (b.speed == 0) b.speed = 5;
  const int power = gs.castShotPower[StatsRow(gs.homeCastIndex + 1)] * (gs.boostPower != 0 ? 4 : 1);
  b.speed += float(power);
  b.direction = p.shotAngle;
  if (gs.reverseAge[homeBack] > 0) b.direction = static_cast<i16>(b.direction + 180);
}

void HitTests(GameState& gs, const HitBoxes& boxes) {
  if (IntersectRect(boxes.player[awayForward], boxes.ball)) AwayForwardHits(gs);
  if (IntersectRect(boxes.player[awayBack], boxes.ball)) AwayBackHits(gs);
  if (IntersectRect(boxes.player[homeForward], boxes.ball)) HomeForwardHits(gs);
  if (IntersectRect(boxes.player[homeBack], boxes.ball)) HomeBackHits(gs);
}

namespace {

// The middle of a goal line, open at both ends, scores 2; the rest scores 1.
i16 GoalPoints(const MatchBall& b) {
  const float cy = b.y + 9;
  return (cy > 192 && cy < 256) ? 2 : 1;
}

}  // namespace

int GoalsAndWalls(GameState& gs) {
  MatchBall& b = gs.ball;
  int scored = -1;
  if (b.x < 32) {
    gs.awayScore = static_cast<i16>(gs.awayScore + GoalPoints(b));
    scored = 1;
    // The ball comes out at once from the scorer's back, overlapping it.
    const MatchPlayer& back = gs.players[awayBack];
    b.speed = 0;
    b.direction = 180;
    b.x = back.x - 9;
    b.y = back.y + 7;
  }
  if (b.x + 18 > 576) {
    gs.homeScore = static_cast<i16>(gs.homeScore + GoalPoints(b));
    scored = 0;
    const MatchPlayer& back = gs.players[homeBack];
    b.speed = 0;
    b.direction = 0;
    b.x = back.x + 23;
    b.y = back.y + 7;
  }
  if (b.y < 32) {
    b.y = 32;
    b.direction = static_cast<i16>(-b.direction);
  }
  if (b.y + 18 > 416) {
    b.y = 398;
    b.direction = static_cast<i16>(-b.direction);
  }
  return scored;
}

}  // namespace moki
