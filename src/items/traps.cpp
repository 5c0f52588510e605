// Traps are invisible markers in trapGrid; the first player to stand on one
// springs it, whichever side laid it. Spheres are markers too, but only the
// ball minds them.
#include "items/traps.h"

#include <cmath>

#include "items/field_effects.h"
#include "world/field.h"

namespace moki {

namespace {

enum : i16 { kMine = 1, kMouseTrap = 2, kRubber = 3, kSphere = 4, kReverse = 5 };
constexpr int kMaxSphere = 10;  // the last index of the sphere list

int ForwardOf(int side) {
  return side == 0 ? homeForward : awayForward;
}

void Catch(GameState& gs, int slot) {
  gs.caughtFlag[size_t(slot)] = 1;
  gs.caughtTimer[size_t(slot)] = 10;
}

bool NearBlast(const GameState& gs, double x, double y) {
  const double cx = gs.blastCentreX, cy = gs.blastCentreY;
  return cx - 96 <= x && x <= cx + 96 && cy - 96 <= y && y <= cy + 96;
}

int AngleFromBlast(const GameState& gs, double x, double y) {
  return Normalize360(AngleTo(gs.blastCentreX, gs.blastCentreY, x, y));
}

}  // namespace

void PlaceMarker(GameState& gs, int side, int item) {
  const MatchPlayer& fw = gs.players[size_t(ForwardOf(side))];
  const int col = PlayerCol(fw), row = PlayerRow(fw);
  const size_t s = size_t(side);
  // Remembered even when a sphere finds the list full.
  gs.lastTrapTileX[s] = static_cast<i16>(col);
  gs.lastTrapTileY[s] = static_cast<i16>(row);
  gs.lastTrapGuard[s] = 1;
  i16& cell = gs.trapGrid[size_t(row)][size_t(col)];
  switch (item) {
    case 10:
      cell = kMouseTrap;
      break;
    case 11:
      cell = kRubber;
      break;
    case 12:
      cell = kMine;
      break;
    case 14:
      cell = kReverse;
      break;
    case 13:
      if (gs.sphereCount < kMaxSphere) {
        ++gs.sphereCount;
        cell = kSphere;
        gs.sphereX[size_t(gs.sphereCount)] = static_cast<i16>(col * 32);
        gs.sphereY[size_t(gs.sphereCount)] = static_cast<i16>(row * 32);
      }
      break;
    default:
      break;
  }
}

void TrapTest(Form1& f, int slot) {
  GameState& gs = f.gs;
  const size_t s = size_t(slot);
  const MatchPlayer& p = gs.players[s];
  const int col = PlayerCol(p), row = PlayerRow(p);
  if (slot == homeForward || slot == awayForward) {
    // A forward never springs the trap it has just laid under itself.
    const size_t side = slot == homeForward ? 0 : 1;
    if (col != gs.lastTrapTileX[side] || row != gs.lastTrapTileY[side]) gs.lastTrapGuard[side] = 0;
    if (gs.lastTrapGuard[side] != 0) return;
  }
  i16& cell = gs.trapGrid[size_t(row)][size_t(col)];
  const i16 centreX = static_cast<i16>(col * 32 + 16), centreY = static_cast<i16>(row * 32 + 16);
  switch (cell) {
    case kMine:
      cell = 0;
      gs.blastCentreX = centreX;
      gs.blastCentreY = centreY;
      Blast(gs);
      break;
    case kMouseTrap:
      // A player already held leaves the trap for the next one.
      if (gs.caughtFlag[s] == 0) {
        Catch(gs, slot);
        cell = 0;
      }
      break;
    case kRubber:
      if (gs.rubberFlag[s] == 0) {
        gs.rubberAnchorX[s] = centreX;
        gs.rubberAnchorY[s] = centreY;
        gs.rubberFlag[s] = 1;
        cell = 0;
      }
      break;
    case kReverse:
      gs.reverseAge[s] = 1;
      cell = 0;
      break;
    default:
      break;  // nothing, or a sphere, which only the ball minds
  }
}

void Blast(GameState& gs) {
  MatchBall& b = gs.ball;
  if (NearBlast(gs, b.x, b.y)) {
    b.direction = static_cast<i16>(AngleFromBlast(gs, b.x, b.y));
    b.speed = 24;
  }
  for (int slot : {homeForward, awayForward}) {
    MatchPlayer& p = gs.players[size_t(slot)];
    if (!NearBlast(gs, p.x, p.y)) continue;
    gs.blastAngle = static_cast<i16>(AngleFromBlast(gs, p.x, p.y));
    p.x += float(100 * std::cos(Rad(gs.blastAngle)));
    p.y += float(100 * std::sin(Rad(gs.blastAngle)));
    Catch(gs, slot);
  }
  for (int slot : {homeBack, awayBack}) {
    MatchPlayer& p = gs.players[size_t(slot)];
    if (!NearBlast(gs, p.x, p.y)) continue;
    p.y += p.y > gs.blastCentreY ? 80.0f : -80.0f;
    Catch(gs, slot);
  }
  KeepPlayersInField(gs);
  // The crater: grass around the mine turns to sand, inside the playing area.
  const int col = Int(gs.blastCentreX / 32.0), row = Int(gs.blastCentreY / 32.0);
  for (int r = row - 2; r <= row + 2; ++r)
    for (int c = col - 2; c <= col + 2; ++c) {
      if (c < 1 || c > 17 || r < 1 || r > 12) continue;
      i16& ground = terrainGrid(gs)[size_t(r)][size_t(c)];
      if (ground == 1) ground = 3;
    }
}

}  // namespace moki
