// Walking on the hall map. Each tick one of the wandering people may take a
// step, the hero takes at most one step, the partner follows into the cell he
// left, and the step is shown as a short scroll drawn inside the tick: the
// hero stays in the middle of the screen and the hall moves under him.
#include "world/hall_walk.h"

#include "platform/platform.h"
#include "core/draw.h"
#include "core/numeric.h"
#include "core/tiles.h"
#include "world/hall_view.h"
#include "world/rooms.h"
#include "world/walk_common.h"

namespace moki {

namespace {

constexpr int kWanderers = 11;  // slots 0..10; 受付 and サンタ stay behind their counters

bool WithinView(const GameState& gs, int x, int y) {
  return x >= gs.playerX - 10 && x <= gs.playerX + 10 && y >= gs.playerY - 8 && y <= gs.playerY + 8;
}

// One frame of the step, g pixels into it. Everything is laid out for the
// hero's new cell; the hall's people are pushed back by (31 - g) so that they
// stay put on the scrolling floor.
void DrawHallFrame(Form1& f, int g, int anim, int partnerStepX, int partnerStepY) {
  const GameState& gs = f.gs;
  Pictures& p = f.pics;
  plat::BitBlt(p.Picback1, 0, 0, 608, 448, p.Picback2, 32 + g * gs.stepDX, 32 + g * gs.stepDY,
               plat::Rop::Copy);

  const int side = SideIndex(gs.partnerPrevSide);
  DrawCharacter(p.Picback1, p.Picfcha[1], PartnerColumn(side) + 4 * anim,
                (9 + gs.sideDX[size_t(side)]) * 32 + g * partnerStepX,
                (7 + gs.sideDY[size_t(side)]) * 32 + g * partnerStepY);
  DrawCharacter(p.Picback1, p.Picfcha[0], gs.playerFacing + 4 * anim, 288, 224);

  const int back = 31 - g;
  for (int slot = 0; slot < kHallSlots; ++slot) {
    if (slot == gs.wanderSlot) continue;
    const int c = gs.hallCastSlots[size_t(slot)];
    if (c < 0 || c >= kCastCount) continue;
    const int cx = gs.castX[size_t(c)], cy = gs.castY[size_t(c)];
    if (!WithinView(gs, cx, cy)) continue;
    DrawCharacter(p.Picback1, CharacterSheet(p, c), gs.castFacing[size_t(c)] + 4 * anim,
                  (cx - gs.playerX + 9) * 32 + back * gs.stepDX,
                  (cy - gs.playerY + 7) * 32 + back * gs.stepDY);
  }

  // The one who wandered this tick walks from its old cell to its new one.
  if (gs.wanderSlot >= 0 && gs.wanderSlot < kHallSlots) {
    const int w = gs.hallCastSlots[size_t(gs.wanderSlot)];
    if (w >= 0 && w < kCastCount && WithinView(gs, gs.castX[size_t(w)], gs.castY[size_t(w)])) {
      DrawCharacter(p.Picback1, CharacterSheet(p, w), gs.castFacing[size_t(w)] + 4 * anim,
                    (gs.castPrevX[size_t(w)] - gs.playerX + 9) * 32 + back * gs.stepDX +
                        g * gs.castStepDX[size_t(w)],
                    (gs.castPrevY[size_t(w)] - gs.playerY + 7) * 32 + back * gs.stepDY +
                        g * gs.castStepDY[size_t(w)]);
    }
  }

  plat::BitBlt(plat::Window(), 0, 0, 608, 448, p.Picback1, 0, 0, plat::Rop::Copy);
  plat::Present();
}

}  // namespace

void WanderStep(GameState& gs) {
  gs.wanderSlot = static_cast<i16>(gs.wanderSlot + 1);
  if (gs.wanderSlot < 0 || gs.wanderSlot >= kWanderers) gs.wanderSlot = 0;
  const int c = gs.hallCastSlots[size_t(gs.wanderSlot)];
  if (c < 2 || c >= kCastCount) return;  // the party never wanders
  const size_t ci = size_t(c);
  gs.castPrevX[ci] = gs.castX[ci];
  gs.castPrevY[ci] = gs.castY[ci];

  plat::Randomize();
  static constexpr int kDX[4] = {-1, 0, 1, 0};
  static constexpr int kDY[4] = {0, -1, 0, 1};
  const int d = Int(plat::Rnd() * 4);
  // They turn to the drawn direction even when they cannot go there.
  gs.castFacing[ci] = static_cast<i16>(d);
  const int nx = gs.castX[ci] + kDX[d], ny = gs.castY[ci] + kDY[d];
  // Plain floor only (never the door), and never onto anybody, the party included.
  if (HallTile(gs, nx, ny) == kTileFloor && HallOccupant(gs, nx, ny) < 0) {
    gs.castX[ci] = static_cast<i16>(nx);
    gs.castY[ci] = static_cast<i16>(ny);
  }
  if (HallOccupant(gs, gs.castPrevX[ci], gs.castPrevY[ci]) == c)
    SetHallOccupant(gs, gs.castPrevX[ci], gs.castPrevY[ci], -1);
  SetHallOccupant(gs, gs.castX[ci], gs.castY[ci], c);
  gs.castStepDX[ci] = static_cast<i16>(gs.castX[ci] - gs.castPrevX[ci]);
  gs.castStepDY[ci] = static_cast<i16>(gs.castY[ci] - gs.castPrevY[ci]);
}

void HallTick(Form1& f) {
  GameState& gs = f.gs;
  WanderStep(gs);

  gs.playerPrevX = gs.playerX;
  gs.playerPrevY = gs.playerY;
  const int d = HeldDirection(gs);
  if (d >= 0) StepHero(gs, d);  // he turns even if the step is refused below
  if (HallTile(gs, gs.playerX, gs.playerY) != kTileDoor &&
      HallTile(gs, gs.playerX, gs.playerY) != kTileFloor) {
    gs.playerX = gs.playerPrevX;
    gs.playerY = gs.playerPrevY;
  }
  // People block; the partner does not: stepping onto it swaps the two.
  if (HallOccupant(gs, gs.playerX, gs.playerY) >= 2) {
    gs.playerX = gs.playerPrevX;
    gs.playerY = gs.playerPrevY;
  }
  SetHallOccupant(gs, gs.playerPrevX, gs.playerPrevY, -1);
  SetHallOccupant(gs, gs.playerX, gs.playerY, 0);

  const int under = HallTile(gs, gs.playerX, gs.playerY);
  if (under != kTileDoor && under != kTileStairsUp) gs.doorLatch = 0;

  gs.stepDX = static_cast<i16>(gs.playerX - gs.playerPrevX);
  gs.stepDY = static_cast<i16>(gs.playerY - gs.playerPrevY);

  const int oldSide = SideIndex(gs.partnerSide);
  PartnerFollows(gs);
  int partnerStepX = 0, partnerStepY = 0;
  if (gs.stepDX != 0 || gs.stepDY != 0) {
    // The partner's old cell empties unless the hero has just taken it.
    if (HallOccupant(gs, gs.partnerPrevX, gs.partnerPrevY) == 1)
      SetHallOccupant(gs, gs.partnerPrevX, gs.partnerPrevY, -1);
    SetHallOccupant(gs, gs.partnerX, gs.partnerY, 1);
    // On screen the partner slides from its old side of the hero to its new one.
    const size_t k = size_t(gs.partnerSide);
    partnerStepX = gs.sideDX[k] - gs.sideDX[size_t(oldSide)];
    partnerStepY = gs.sideDY[k] - gs.sideDY[size_t(oldSide)];
  }

  // The scroll starts from the old view. Drawing it afresh here also shows a
  // tile changed since the last step (the entrance closed behind the party).
  BuildHallBackgroundAt(f, gs.playerPrevX, gs.playerPrevY);
  ForEachStepFrame(gs,
                   [&](int g, int anim) { DrawHallFrame(f, g, anim, partnerStepX, partnerStepY); });
  BuildHallBackground(f);

  if (HallTile(gs, gs.playerX, gs.playerY) == kTileDoor && gs.doorLatch == 0) {
    gs.doorLatch = 1;
    EnterRoom(f, 0);
  }
}

}  // namespace moki
