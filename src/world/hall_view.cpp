// The still pictures of the hall and of a room, drawn by the repaint. The
// walking ticks draw their own frames of a step with the same layout.
#include "world/hall_view.h"

#include "platform/platform.h"
#include "core/draw.h"
#include "world/walk_common.h"

namespace moki {

void BuildHallBackground(Form1& f) {
  BuildHallBackgroundAt(f, f.gs.playerX, f.gs.playerY);
}

void DrawHallView(Form1& f) {
  const GameState& gs = f.gs;
  Pictures& p = f.pics;
  BuildHallBackground(f);
  plat::BitBlt(p.Picback1, 0, 0, 608, 448, p.Picback2, 32, 32, plat::Rop::Copy);

  DrawCharacter(p.Picback1, p.Picfcha[0], gs.playerFacing, 288, 224);
  // The partner comes after the hero, so on a shared cell (just back from the
  // rooms) it is the partner who shows.
  const int side = SideIndex(gs.partnerPrevSide);
  DrawCharacter(p.Picback1, p.Picfcha[1], PartnerColumn(side), 288 + 32 * gs.sideDX[size_t(side)],
                224 + 32 * gs.sideDY[size_t(side)]);

  for (int slot = 0; slot < kHallSlots; ++slot) {
    const int c = gs.hallCastSlots[size_t(slot)];
    if (c < 0 || c >= kCastCount) continue;
    const int cx = gs.castX[size_t(c)], cy = gs.castY[size_t(c)];
    if (cx < gs.playerX - 10 || cx > gs.playerX + 10 || cy < gs.playerY - 8 || cy > gs.playerY + 8)
      continue;
    DrawCharacter(p.Picback1, CharacterSheet(p, c), gs.castFacing[size_t(c)],
                  (cx - gs.playerX + 9) * 32, (cy - gs.playerY + 7) * 32);
  }

  plat::BitBlt(plat::Window(), 0, 0, 608, 448, p.Picback1, 0, 0, plat::Rop::Copy);
}

void DrawRoomView(Form1& f) {
  const GameState& gs = f.gs;
  Pictures& p = f.pics;
  for (int y = 0; y <= 13; ++y)
    for (int x = 0; x <= 18; ++x)
      plat::BitBlt(p.Picback1, 32 * x, 32 * y, 32, 32, TileImage(p, RoomTile(gs, x, y)), 0, 0,
                   plat::Rop::Copy);
  plat::BitBlt(p.Picture1, 0, 0, 608, 448, p.Picback1, 0, 0, plat::Rop::Copy);

  auto person = [&](int c) {
    DrawCharacter(p.Picture1, CharacterSheet(p, c), gs.castFacing[size_t(c)],
                  32 * gs.castX[size_t(c)], 32 * gs.castY[size_t(c)]);
  };
  if (gs.currentRoom == 0) {
    for (int slot = 0; slot < 7; ++slot) {
      const int c = gs.roomCastSlots[size_t(slot)];
      if (c >= 0 && c < kCastCount) person(c);
    }
  } else if (gs.currentRoom == gs.bearRoom) {
    person(22);
  }

  // In rooms the hero comes last and covers a partner on his cell.
  const int side = SideIndex(gs.partnerPrevSide);
  DrawCharacter(p.Picture1, p.Picfcha[1], PartnerColumn(side),
                32 * (gs.playerX + gs.sideDX[size_t(side)]),
                32 * (gs.playerY + gs.sideDY[size_t(side)]));
  DrawCharacter(p.Picture1, p.Picfcha[0], gs.playerFacing, 32 * gs.playerX, 32 * gs.playerY);

  plat::BitBlt(plat::Window(), 0, 0, 608, 448, p.Picture1, 0, 0, plat::Rop::Copy);
}

}  // namespace moki
