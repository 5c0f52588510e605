// A new game: the hall map read afresh, the money, the league, the seller's
// offer, the item keys, the cast's strengths and everyone's place in the hall.
#include "world/new_game.h"

#include "platform/platform.h"
#include "core/numeric.h"
#include "story/cast_stats.h"
#include "story/league.h"
#include "world/data_file.h"
#include "world/walk_common.h"

namespace moki {

namespace {

struct HallStart {
  int x, y, facing;
};

// Where the people of hall slots 0..12 wait when a game starts.
constexpr HallStart kHallStarts[kHallSlots] = {
    {17, 12, 3},  // 優雅
    {20, 24, 1},  // ベッカー
    {26, 22, 0},  // トゥーミー
    {12, 14, 0},  // 先輩
    {20, 30, 2},  // 信念
    {28, 11, 3},  // エリー
    {25, 19, 0},  // 犬ラ
    {29, 29, 2},  // インビ
    {28, 31, 1},  // 後輩
    {17, 20, 2},  // カツオドリ
    {15, 26, 3},  // タキシード
    {20, 8, 3},   // 受付, behind the counter
    {10, 29, 2},  // サンタ, behind his counter
};

}  // namespace

void SetupNewGame(GameState& gs) {
  LoadHallMap(gs);  // also brings back the entrance the last game closed
  for (auto& row : gs.hallOccupancy) row.fill(-1);  // row and column 40 too: nobody stands there

  gs.money = 3000;
  gs.roundNumber = 1;
  gs.winsByCast.fill(0);

  for (int k = 1; k <= 9; ++k) gs.rankOrder[size_t(k)] = static_cast<i16>(k + 3);
  gs.rankOrder[10] = 0;
  gs.heroRank = 10;
  DrawLeague(gs);
  RollShopOffer(gs);

  // Empty item keys. Counts of other items are only read once a purchase has
  // put that item on a key, which sets its count.
  gs.slotItem = {0, 0, 0};
  gs.slotCount[0] = {0, 0, 0};
  gs.specialAbilities = {0, 0, 0};

  // The party waits at the entrance: the hero facing into the hall, the
  // partner at his right on the second entrance cell.
  gs.playerX = gs.playerPrevX = 19;
  gs.playerY = gs.playerPrevY = 33;
  gs.playerFacing = 1;
  gs.stepDX = gs.stepDY = 0;
  SetHallOccupant(gs, 19, 33, 0);
  gs.partnerX = gs.partnerPrevX = 20;
  gs.partnerY = gs.partnerPrevY = 33;
  gs.partnerSide = gs.partnerPrevSide = 0;
  SetHallOccupant(gs, 20, 33, 1);
  gs.currentRoom = 0;
  gs.doorLatch = 0;

  ResetCastStats(gs);

  for (int slot = 0; slot < kHallSlots; ++slot) {
    const HallStart& p = kHallStarts[slot];
    PlaceHallNpc(gs, slot, p.x, p.y, p.facing);
  }
  gs.castStepDX.fill(0);
  gs.castStepDY.fill(0);

  gs.talkEntry.fill(0);

  gs.wanderSlot = 0;
  gs.homeCastIndex = 0;
  gs.opponentBonus = 0;
  gs.motivated = 0;
  gs.choicePending = 0;
  gs.choiceCursor = 0;
  gs.dialogueState = 0;
  gs.matchPending = 0;
  gs.bearGamePending = 0;
  gs.drawRanking = 0;
  gs.drawStatus = 0;
  gs.bearRoom = 1;
  gs.gameOver = 0;
  gs.extraTime = 0;
  gs.statusShown = 0;
}

void PlaceHallNpc(GameState& gs, int slot, int x, int y, int facing) {
  if (slot < 0 || slot >= kHallSlots) return;
  const int c = gs.hallCastSlots[size_t(slot)];
  if (c < 0 || c >= kCastCount) return;
  gs.castX[size_t(c)] = static_cast<i16>(x);
  gs.castY[size_t(c)] = static_cast<i16>(y);
  gs.castPrevX[size_t(c)] = static_cast<i16>(x);
  gs.castPrevY[size_t(c)] = static_cast<i16>(y);
  gs.castFacing[size_t(c)] = static_cast<i16>(facing);
  SetHallOccupant(gs, x, y, c);
}

void RollShopOffer(GameState& gs) {
  plat::Randomize();
  gs.shopItem = static_cast<i16>(Int(plat::Rnd() * 25 + 1));
  // Cheap items (1..13) come in larger lots than the rare ones.
  if (gs.shopItem <= 13) {
    gs.shopCount = static_cast<i16>(Int(plat::Rnd() * 6 + 2));
  } else {
    gs.shopCount = static_cast<i16>(Int(plat::Rnd() * 2 + 1));
  }
  if (gs.roundNumber >= 11) gs.shopCount = static_cast<i16>(gs.shopCount * 2);  // the challenges
  gs.talkEntry[3] = 0;  // サンタ has something to sell again
}

}  // namespace moki
