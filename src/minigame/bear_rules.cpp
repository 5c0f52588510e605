#include "minigame/bear_rules.h"

#include <algorithm>
#include <cmath>

#include "core/numeric.h"
#include "match/movement.h"
#include "world/field.h"

namespace moki {

int BearLevel(const GameState& gs) {
  return std::clamp<int>(gs.bearIndex, 0, 2);
}
int BearWidth(int m) {
  return 32 << m;
}
int BearHeight(int m) {
  return 64 << m;
}

bool BearGroundSpeed(int m, int tile, float& speed) {
  switch (tile) {
    case 1:
      speed = float(m + 3);
      return true;
    case 2:
      speed = float(m + 2);
      return true;
    case 3:
    case 4:
      speed = float(m + 1);
      return true;
    default:
      return false;
  }
}

void MoveBearHero(GameState& gs) {
  MatchPlayer& hero = gs.players[homeForward];
  SetMovementValues(gs, homeForward);
  HumanForwardKeys(gs, hero);
  IntegrateForward(gs, homeForward);
}

void MoveBear(GameState& gs) {
  const int m = BearLevel(gs);
  const double w = BearWidth(m), h = BearHeight(m);
  const double bx = gs.bearX, by = gs.bearY;
  const double cx = bx + w / 2, cy = by + h / 4;

  float speed = 0;
  if (BearGroundSpeed(m, TerrainAt(gs, TileCol(cx), TileRow(cy)), speed)) gs.bearSpeed = speed;

  // The centres of the fireball and the hero decide; the angle is taken to
  // their top-left corners. Where that corner lies straight above or below
  // the bear's centre the bear goes straight up or down, as when the centres
  // line up.
  const double fx = gs.fireX, fy = gs.fireY;
  const bool fireNear =
      fx + 9 > bx - 60 && fx + 9 < bx + w + 60 && fy + 9 > by - 60 && fy + 9 < by + h / 2 + 60;
  int dir;
  if (fireNear) {
    if (cx != fx + 9 && fx != cx)
      dir = CInt(Deg(std::atan((fy - cy) / (fx - cx))));
    else
      dir = 90;
    if (fx + 9 < cx) dir += 180;
    dir += 180;  // away from it
  } else {
    const MatchPlayer& hero = gs.players[homeForward];
    const double hx = hero.x, hy = hero.y;
    if (cx != hx + 16 && hx != cx)
      dir = CInt(Deg(std::atan((hy - cy) / (hx - cx))));
    else
      dir = cy > hy + 16 ? 270 : 90;
    if (hx + 16 < cx) dir += 180;
  }
  if (dir < 0) dir += 360;
  gs.bearDirection = static_cast<i16>(dir);
  gs.bearX = float(bx + gs.bearSpeed * std::cos(Rad(dir)));
  gs.bearY = float(by + gs.bearSpeed * std::sin(Rad(dir)));
}

void MoveFireball(GameState& gs) {
  const int m = BearLevel(gs);
  const MatchPlayer& hero = gs.players[homeForward];
  const double fx = gs.fireX, fy = gs.fireY;
  double target = hero.x != gs.fireX ? Deg(std::atan((hero.y - fy) / (hero.x - fx))) : 90.0;
  if (gs.fireX > hero.x) target += 180;

  // Which way round is shorter: the turn is the same size either way.
  double behind = gs.fireDirection - target;
  if (behind >= 360)
    behind -= 360;
  else if (behind < 0)
    behind += 360;
  const int turn = 5 * m + 10;
  const int dir = behind > 180 ? gs.fireDirection + turn : gs.fireDirection - turn;
  gs.fireDirection = Normalize360(dir);

  gs.fireX = float(fx + gs.fireSpeed * std::cos(Rad(gs.fireDirection)));
  gs.fireY = float(fy + gs.fireSpeed * std::sin(Rad(gs.fireDirection)));
  gs.fireFrame = static_cast<i16>(gs.fireFrame == 0 ? 1 : 0);
}

BearGameBoxes MakeBearGameBoxes(const GameState& gs) {
  const int m = BearLevel(gs);
  const double inset = 5 * m + 5;
  const double bx = gs.bearX, by = gs.bearY;
  const double fx = gs.fireX, fy = gs.fireY;
  const MatchPlayer& hero = gs.players[homeForward];
  const double hx = hero.x, hy = hero.y;
  BearGameBoxes b;
  b.bear = {CInt(bx + inset), CInt(by + inset), CInt(bx + BearWidth(m) - inset),
            CInt(by + BearHeight(m) / 2 - inset)};
  b.fire = {CInt(fx + 2), CInt(fy + 2), CInt(fx + 16), CInt(fy + 16)};
  b.hero = {CInt(hx + 4), CInt(hy + 4), CInt(hx + 28), CInt(hy + 28)};
  return b;
}

BearHit JudgeBearGame(const GameState& gs) {
  const BearGameBoxes b = MakeBearGameBoxes(gs);
  if (IntersectRect(b.hero, b.bear)) return BearHit::HeroLoses;
  if (IntersectRect(b.hero, b.fire)) return BearHit::HeroLoses;
  if (IntersectRect(b.fire, b.bear)) return BearHit::HeroWins;
  return BearHit::None;
}

void KeepInBasement(GameState& gs) {
  MatchPlayer& hero = gs.players[homeForward];
  hero.x = std::clamp(hero.x, 32.0f, 480.0f);
  hero.y = std::clamp(hero.y, 32.0f, 384.0f);
  const int m = BearLevel(gs);
  gs.bearX = std::clamp(gs.bearX, 32.0f, float(512 - BearWidth(m)));
  gs.bearY = std::clamp(gs.bearY, 32.0f, float(416 - BearHeight(m)));
}

}  // namespace moki
