// The item keys and the one table every item goes through, whichever side
// uses it.
#include "items/item_use.h"

#include "core/numeric.h"
#include "items/field_effects.h"
#include "items/traps.h"
#include "platform/platform.h"

namespace moki {

void onItemKey(Form1& f, int slot) {
  GameState& gs = f.gs;
  if (slot < 0 || slot > 2) return;
  const int item = gs.slotItem[size_t(slot)];
  if (item < 0 || item >= kItemCount) return;
  i16& count = gs.slotCount[size_t(item)][size_t(slot)];
  if (count <= 0) return;
  // Even the empty item costs a piece.
  useItem(f, 0, item);
  --count;
}

void useItem(Form1& f, int side, int item) {
  GameState& gs = f.gs;
  const bool home = side == 0;
  switch (item) {
    case 1:
    case 2:
    case 3:
    case 4:
      StartWind(f, item - 1);
      break;
    case 5:  // きままな風: any of the four
      StartWind(f, Int(plat::Rnd() * 4));
      break;
    case 6:
    case 7:
    case 8:
    case 9:
      ChangeField(gs, side, item - 5);
      break;
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
      PlaceMarker(gs, side, item);
      break;
    // The match-wide effects hinder both sides alike; using one again while
    // it runs starts it over.
    case 15:
      gs.quakeTime = 1;
      break;
    case 16:
      gs.blackoutTime = 1;
      break;
    case 17:
      StartFakeBalls(gs);
      break;
    case 18:
      if (home) gs.remoteBallTime = 1;
      break;
    case 19:
      gs.stickyBall[home ? 0 : 1] = 1;
      break;
    case 20:
      if (home) gs.boostSpeed = 1;
      break;
    case 21:
      if (home) gs.boostTurn = 1;
      break;
    case 22:
      if (home) gs.boostAccel = 1;
      break;
    case 23:
      if (home) gs.boostPower = 1;
      break;
    case 24:
      if (home) gs.boostAim = 1;
      break;
    case 25:
      if (home) gs.boostIgnoreTerrain = 1;
      break;
    default:
      break;  // 何もなし, and any number no item has
  }
}

}  // namespace moki
