// Effects that act on the whole field: fake balls, wind, earthquake, the
// sphere bounce and the field changes. The trap test is in traps.cpp.
#include "items/field_effects.h"

#include <cmath>

#include "core/numeric.h"
#include "platform/platform.h"
#include "render/match_frame.h"
#include "world/field.h"

namespace moki {

void StartFakeBalls(GameState& gs) {
  for (int i = 0; i < 21; ++i) {
    FakeBall& b = gs.fakeBalls[size_t(i)];
    b.x = float(Int(plat::Rnd() * 480) + 64);
    b.y = float(Int(plat::Rnd() * 320) + 64);
    if (i <= 5) {
      b.vx = static_cast<i16>(-(i + 10)), b.vy = float(i + 10);
    } else if (i <= 10) {
      b.vx = static_cast<i16>(-(i + 5)), b.vy = float(-(i + 5));
    } else if (i <= 15) {
      b.vx = static_cast<i16>(i), b.vy = float(i);
    } else {
      b.vx = static_cast<i16>(i - 5), b.vy = float(5 - i);
    }
  }
  gs.fakeBallTime = 1;
}

// Fake balls bounce off all four sides and pass through everybody.
void MoveFakeBalls(GameState& gs) {
  for (FakeBall& b : gs.fakeBalls) {
    b.x += float(b.vx);
    b.y += b.vy;
    if (b.x <= 32 || b.x + 9 >= 576) b.vx = static_cast<i16>(-b.vx);
    if (b.y <= 32 || b.y + 9 >= 416) b.vy = -b.vy;
  }
}

void StartWind(Form1& f, int d) {
  f.gs.windDirection = static_cast<i16>(d);
  WindStep(f);
}

void WindStep(Form1& f) {
  GameState& gs = f.gs;
  // Six white streaks, always drawn left to right. They go on the window over
  // the next frame shown, never into the composed picture.
  for (int i = 0; i < 6; ++i) {
    const int x1 = Int(50 + plat::Rnd() * 100);
    const int y1 = Int(75 + 50 * i + plat::Rnd() * 50);
    const int x2 = Int(450 + plat::Rnd() * 100);
    const int y2 = Int(75 + 50 * i + plat::Rnd() * 50);
    QueueWindowStreak(f, x1, y1, x2, y2);
  }
  float dx = 0, dy = 0;
  switch (gs.windDirection) {
    case 0:
      dx = -6;
      break;
    case 1:
      dy = -6;
      break;
    case 2:
      dx = 6;
      break;
    case 3:
      dy = 6;
      break;
    default:
      break;
  }
  // The backs stand firm; the forwards and the ball are blown.
  for (MatchPlayer* p : {&gs.players[awayForward], &gs.players[homeForward]}) {
    p->x += dx;
    p->y += dy;
  }
  gs.ball.x += dx;
  gs.ball.y += dy;
  plat::Randomize();
  if (Int(plat::Rnd() * 30) == 0) gs.windDirection = -1;
}

void QuakeStep(GameState& gs) {
  plat::Randomize();
  auto shake = [] { return float(Int(plat::Rnd() * 24) - 12); };
  MatchPlayer& af = gs.players[awayForward];
  MatchPlayer& hf = gs.players[homeForward];
  af.x += shake();
  hf.x += shake();
  gs.ball.x += shake();
  af.y += shake();
  hf.y += shake();
  gs.ball.y += shake();
  gs.players[awayBack].y += shake();
  gs.players[homeBack].y += shake();
  gs.quakeTime = static_cast<i16>(gs.quakeTime + Int(plat::Rnd() * 3));
  if (gs.quakeTime >= 300) gs.quakeTime = 0;
}

// The bounce angle is measured from the ball's corner to the centre of the
// tile it came back to, not from the sphere: it can look odd, and the item's
// own text says so.
void SphereBounce(GameState& gs) {
  MatchBall& b = gs.ball;
  b.x = b.prevX;
  b.y = b.prevY;
  const double tx = BallCol(b) * 32 + 16, ty = BallRow(b) * 32 + 16;
  int normal = 90;
  if (tx - b.x != 0) normal = Normalize360(CInt(Deg(std::atan((b.y - ty) / (b.x - tx)))));
  // Left as it is; the next ball step brings it into 0..359.
  b.direction = static_cast<i16>(180 + 2 * normal - b.direction);
  b.vx = b.speed * float(std::cos(Rad(b.direction)));
  b.vy = b.speed * float(std::sin(Rad(b.direction)));
  b.x += b.vx;
  b.y += b.vy;
}

void ChangeField(GameState& gs, int side, int k) {
  const MatchPlayer& fw = gs.players[side == 0 ? homeForward : awayForward];
  const int col = PlayerCol(fw), row = PlayerRow(fw);
  for (int r = row - 2; r <= row + 2; ++r)
    for (int c = col - 2; c <= col + 2; ++c)
      if (c >= 1 && c <= 17 && r >= 1 && r <= 12)
        terrainGrid(gs)[size_t(r)][size_t(c)] = static_cast<i16>(k);
}

}  // namespace moki
