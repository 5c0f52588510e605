#include "world/walk_common.h"

#include "core/tiles.h"
#include "platform/platform.h"
#include "platform/surface.h"

namespace moki {

bool InHall(int x, int y) {
  return x >= 0 && y >= 0 && x < kHallSize && y < kHallSize;
}

int HallTile(const GameState& gs, int x, int y) {
  return InHall(x, y) ? gs.hallMap[size_t(y)][size_t(x)] : 0;
}

int HallOccupant(const GameState& gs, int x, int y) {
  return InHall(x, y) ? gs.hallOccupancy[size_t(y)][size_t(x)] : -1;
}

void SetHallOccupant(GameState& gs, int x, int y, int who) {
  if (InHall(x, y)) gs.hallOccupancy[size_t(y)][size_t(x)] = static_cast<i16>(who);
}

void ShutHallEntrance(GameState& gs) {
  gs.hallMap[33][19] = gs.hallMap[33][20] = kTileShut;
}

bool InRoom(int x, int y) {
  return x >= 0 && y >= 0 && x < kRoomFileW && y < kRoomFileH;
}

int RoomTile(const GameState& gs, int x, int y) {
  return InRoom(x, y) ? gs.roomMap[size_t(y)][size_t(x)]
                      : kTileBlockFirst;  // beyond the walls: wall
}

int RoomOccupant(const GameState& gs, int x, int y) {
  return InRoom(x, y) ? gs.roomOccupancy[size_t(y)][size_t(x)] : -1;
}

void SetRoomOccupant(GameState& gs, int x, int y, int who) {
  if (InRoom(x, y)) gs.roomOccupancy[size_t(y)][size_t(x)] = static_cast<i16>(who);
}

const plat::Surface& TileImage(const Pictures& pics, int code) {
  if (code < 0 || code >= int(pics.Picmap.size())) code = 0;
  return pics.Picmap[size_t(code)];
}

const plat::Surface& CharacterSheet(const Pictures& pics, int cast) {
  static const plat::Surface nothing;
  if (cast < 0 || cast >= int(pics.Picfcha.size())) return nothing;
  return pics.Picfcha[size_t(cast)];
}

int SideIndex(int side) {
  return side >= 0 && side <= 4 ? side : 4;
}

int PartnerColumn(int side) {
  return side >= 0 && side <= 3 ? side : 3;
}

int HeldDirection(const GameState& gs) {
  for (int d = 0; d < 4; ++d)
    if (gs.arrowHeld[size_t(d)] != 0) return d;
  return -1;
}

void StepHero(GameState& gs, int d) {
  static constexpr int kDX[4] = {-1, 0, 1, 0};
  static constexpr int kDY[4] = {0, -1, 0, 1};
  gs.playerFacing = static_cast<i16>(d);
  gs.playerX = static_cast<i16>(gs.playerX + kDX[d]);
  gs.playerY = static_cast<i16>(gs.playerY + kDY[d]);
}

void PartnerFollows(GameState& gs) {
  gs.partnerPrevSide = gs.partnerSide;
  if (gs.stepDX == 0 && gs.stepDY == 0) return;
  // The partner ends up behind the hero: after a step left it stands on his
  // right (side 0), after a step up below him (side 1), and so on.
  int k = gs.stepDX < 0 ? 0 : gs.stepDY < 0 ? 1 : gs.stepDX > 0 ? 2 : 3;
  gs.partnerSide = static_cast<i16>(k);
  gs.partnerPrevX = gs.partnerX;
  gs.partnerPrevY = gs.partnerY;
  gs.partnerX = gs.playerPrevX;
  gs.partnerY = gs.playerPrevY;
}

namespace {

// A cursor key that is not held yet went down and waits to be handled.
bool NewCursorKeyWaiting(const GameState& gs) {
  for (int d = 0; d < 4; ++d)
    if (gs.arrowHeld[size_t(d)] == 0 && plat::KeyDownWaiting(plat::VK_LEFT + d)) return true;
  return false;
}

}  // namespace

void ForEachStepFrame(const GameState& gs, const std::function<void(int g, int anim)>& frame) {
  // Treading in place is only for the look: it gives way to a cursor key at
  // once, so that the step it asks for starts with the next tick instead of
  // after the rest of the treading.
  const bool treading = gs.stepDX == 0 && gs.stepDY == 0;
  bool first = true;
  for (int anim = 0; anim < 2; ++anim) {
    const int s = gs.shiftHeld != 0 ? 4 : 2;
    for (int g = 16 * anim; g <= 16 * anim + 15; g += s) {
      if (treading && !first && NewCursorKeyWaiting(gs)) return;
      frame(g, anim);
      first = false;
    }
  }
}

void BuildHallBackgroundAt(Form1& f, int cx, int cy) {
  const GameState& gs = f.gs;
  plat::Surface& back = f.pics.Picback2;
  for (int j = 0; j <= 15; ++j)
    for (int i = 0; i <= 20; ++i)
      plat::BitBlt(back, 32 * i, 32 * j, 32, 32,
                   TileImage(f.pics, HallTile(gs, cx + i - 10, cy + j - 8)), 0, 0, plat::Rop::Copy);
}

}  // namespace moki
