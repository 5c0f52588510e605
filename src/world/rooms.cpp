// The rooms behind the hall's door: room 0 with its seven people, and below
// it the bear's basement, rooms 1 to 3. Each room is one screen read afresh
// from its file whenever the party comes in, so a door opened by the wins
// shows on the next visit. Rooms do not scroll and nobody wanders in them.
#include "world/rooms.h"

#include "platform/platform.h"
#include "core/draw.h"
#include "core/tiles.h"
#include "core/waits.h"
#include "story/dialogue.h"
#include "world/data_file.h"
#include "world/walk_common.h"

namespace moki {

namespace {

constexpr int kLastRoom = 3;

struct Cell {
  int x, y;
};

struct RoomPlan {
  Cell door;       // the door to the next room, opened by the wins
  int winsToOpen;  // it opens when the hero's team has won more than this
  Cell entry;      // where the party arrives from the room above
  Cell back;       // where the party arrives from the room below
  Cell bear;       // where the bear waits when this is its room
  int bearFacing;
};

constexpr RoomPlan kRooms[kLastRoom + 1] = {
    {{17, 12}, 2, {17, 1}, {17, 12}, {0, 0}, 0},
    {{17, 1}, 5, {17, 12}, {17, 1}, {17, 7}, 3},
    {{17, 12}, 8, {17, 1}, {17, 12}, {17, 7}, 1},
    {{-1, -1}, 0, {17, 12}, {17, 12}, {16, 1}, 2},  // the deepest room has no door
};

struct RoomPerson {
  int x, y, facing;
};

// The people of room 0, by room slot 0..6. They never move.
constexpr RoomPerson kRoomPeople[kRoomPeopleCount] = {
    {3, 2, 2},    // タケ
    {17, 9, 0},   // 本質
    {2, 7, 3},    // ジディー
    {3, 11, 3},   // ウィー団子
    {5, 2, 3},    // ぴーす
    {14, 10, 0},  // 雑亀
    {5, 6, 3},    // どくろ
};

// Reads room n, opens its door if the wins allow, fills in its people and
// puts the party on (x, y), the partner under the hero.
void ArriveInRoom(Form1& f, int n, Cell at, bool placeBear) {
  GameState& gs = f.gs;
  if (n < 0 || n > kLastRoom) return;
  const RoomPlan& room = kRooms[n];
  gs.currentRoom = static_cast<i16>(n);
  LoadRoomFile(gs, n);
  if (room.door.x >= 0 && gs.winsByCast[0] > room.winsToOpen)
    gs.roomMap[size_t(room.door.y)][size_t(room.door.x)] = kTileDoor;

  ClearRoomOccupancy(gs);
  if (n == 0) {
    PlaceRoomNpcs(gs);
  } else if (placeBear && gs.bearRoom == n) {
    gs.castX[kBearCast] = static_cast<i16>(room.bear.x);
    gs.castY[kBearCast] = static_cast<i16>(room.bear.y);
    gs.castFacing[kBearCast] = static_cast<i16>(room.bearFacing);
    SetRoomOccupant(gs, room.bear.x, room.bear.y, kBearCast);
  } else if (gs.bearRoom == n) {
    // Coming back up, the bear is still where the party left it: it stands
    // there as a person, as it is drawn, rather than as a ghost one could walk
    // through and not talk to.
    SetRoomOccupant(gs, gs.castX[kBearCast], gs.castY[kBearCast], kBearCast);
  }

  gs.playerX = gs.playerPrevX = static_cast<i16>(at.x);
  gs.playerY = gs.playerPrevY = static_cast<i16>(at.y);
  gs.playerFacing = 3;
  gs.stepDX = gs.stepDY = 0;
  gs.partnerX = gs.partnerPrevX = static_cast<i16>(at.x);
  gs.partnerY = gs.partnerPrevY = static_cast<i16>(at.y);
  gs.partnerSide = gs.partnerPrevSide = 4;
  gs.GameMode = kModeRoom;
}

// The hero walks one cell a tick in direction d, as if the key were held.
void HeroWalks(Form1& f, int d, int ticks) {
  GameState& gs = f.gs;
  for (int i = 0; i < ticks; ++i) {
    gs.arrowHeld[size_t(d)] = 1;
    RoomTick(f);
    gs.arrowHeld[size_t(d)] = 0;
  }
}

void HeroTo(GameState& gs, int x, int y) {
  gs.playerX = static_cast<i16>(x);
  gs.playerY = static_cast<i16>(y);
}

void BearSteps(Form1& f, int d, int n) {
  for (int i = 0; i < n; ++i) BearStep(f, d);
}

void DrawPeople(Form1& f, Pictures& p, int anim) {
  const GameState& gs = f.gs;
  auto person = [&](int c) {
    DrawCharacter(p.Picture1, CharacterSheet(p, c), gs.castFacing[size_t(c)] + 4 * anim,
                  32 * gs.castX[size_t(c)], 32 * gs.castY[size_t(c)]);
  };
  if (gs.currentRoom == 0) {
    for (int slot = 0; slot < kRoomPeopleCount; ++slot) {
      const int c = gs.roomCastSlots[size_t(slot)];
      if (c >= 0 && c < kCastCount) person(c);
    }
  } else if (gs.bearRoom == gs.currentRoom) {
    person(kBearCast);
  }
}

void DrawRoomFrame(Form1& f, int g, int anim, int partnerStepX, int partnerStepY) {
  const GameState& gs = f.gs;
  Pictures& p = f.pics;
  plat::BitBlt(p.Picture1, 0, 0, 608, 448, p.Picback1, 0, 0, plat::Rop::Copy);
  DrawPeople(f, p, anim);
  const int side = SideIndex(gs.partnerPrevSide);
  DrawCharacter(p.Picture1, p.Picfcha[1], PartnerColumn(side) + 4 * anim,
                (gs.playerPrevX + gs.sideDX[size_t(side)]) * 32 + g * partnerStepX,
                (gs.playerPrevY + gs.sideDY[size_t(side)]) * 32 + g * partnerStepY);
  DrawCharacter(p.Picture1, p.Picfcha[0], gs.playerFacing + 4 * anim,
                32 * gs.playerPrevX + g * gs.stepDX, 32 * gs.playerPrevY + g * gs.stepDY);
  plat::BitBlt(plat::Window(), 0, 0, 608, 448, p.Picture1, 0, 0, plat::Rop::Copy);
  plat::Present();
}

}  // namespace

void ClearRoomOccupancy(GameState& gs) {
  for (auto& row : gs.roomOccupancy) row.fill(-1);
}

void PlaceRoomNpcs(GameState& gs) {
  for (int slot = 0; slot < kRoomPeopleCount; ++slot) {
    const int c = gs.roomCastSlots[size_t(slot)];
    if (c < 0 || c >= kCastCount) continue;
    const RoomPerson& p = kRoomPeople[slot];
    gs.castX[size_t(c)] = static_cast<i16>(p.x);
    gs.castY[size_t(c)] = static_cast<i16>(p.y);
    gs.castFacing[size_t(c)] = static_cast<i16>(p.facing);
    SetRoomOccupant(gs, p.x, p.y, c);
  }
}

void EnterRoom(Form1& f, int n) {
  if (n < 0 || n > kLastRoom) return;
  ArriveInRoom(f, n, kRooms[n].entry, true);
}

void BackToRoom(Form1& f, int n) {
  if (n < 0 || n > kLastRoom) return;
  // Only walking in from above brings the bear to its starting cell; coming
  // back up finds it where it was.
  ArriveInRoom(f, n, kRooms[n].back, false);
}

void BackToHall(Form1& f) {
  GameState& gs = f.gs;
  gs.playerX = gs.playerPrevX = 30;  // the hall's door
  gs.playerY = gs.playerPrevY = 8;
  gs.playerFacing = 3;
  gs.stepDX = gs.stepDY = 0;
  gs.partnerX = gs.partnerPrevX = 30;
  gs.partnerY = gs.partnerPrevY = 8;
  gs.partnerSide = gs.partnerPrevSide = 4;
  // The party is marked afresh: the hero on the door, the partner (sharing
  // his cell) not at all. A mark left from before the rooms would otherwise
  // stay behind as an invisible obstacle for the hall's people.
  for (auto& row : gs.hallOccupancy)
    for (auto& who : row)
      if (who == 0 || who == 1) who = -1;
  SetHallOccupant(gs, 30, 8, 0);
  gs.GameMode = kModeHall;
}

void RoomTick(Form1& f) {
  GameState& gs = f.gs;
  gs.playerPrevX = gs.playerX;
  gs.playerPrevY = gs.playerY;
  const int d = HeldDirection(gs);
  if (d >= 0) StepHero(gs, d);
  if (!InRoom(gs.playerX, gs.playerY) || RoomOccupant(gs, gs.playerX, gs.playerY) >= 2) {
    gs.playerX = gs.playerPrevX;
    gs.playerY = gs.playerPrevY;
  }
  if (IsBlockTile(RoomTile(gs, gs.playerX, gs.playerY))) {
    gs.playerX = gs.playerPrevX;
    gs.playerY = gs.playerPrevY;
  }
  const int under = RoomTile(gs, gs.playerX, gs.playerY);
  if (under != kTileDoor && under != kTileStairsUp) gs.doorLatch = 0;

  gs.stepDX = static_cast<i16>(gs.playerX - gs.playerPrevX);
  gs.stepDY = static_cast<i16>(gs.playerY - gs.playerPrevY);
  PartnerFollows(gs);
  int partnerStepX = 0, partnerStepY = 0;
  if (gs.stepDX != 0 || gs.stepDY != 0) {
    partnerStepX = gs.partnerX - gs.partnerPrevX;
    partnerStepY = gs.partnerY - gs.partnerPrevY;
  }

  Pictures& p = f.pics;
  for (int y = 0; y <= 13; ++y)
    for (int x = 0; x <= 18; ++x)
      plat::BitBlt(p.Picback1, 32 * x, 32 * y, 32, 32, TileImage(p, RoomTile(gs, x, y)), 0, 0,
                   plat::Rop::Copy);
  ForEachStepFrame(gs,
                   [&](int g, int anim) { DrawRoomFrame(f, g, anim, partnerStepX, partnerStepY); });

  if (gs.doorLatch != 0) return;
  if (under == kTileDoor) {
    if (gs.currentRoom < kLastRoom) {
      gs.doorLatch = 1;
      EnterRoom(f, gs.currentRoom + 1);
    }
  } else if (under == kTileStairsUp) {
    gs.doorLatch = 1;
    if (gs.currentRoom >= 1 && gs.currentRoom <= kLastRoom)
      BackToRoom(f, gs.currentRoom - 1);
    else
      BackToHall(f);
  }
}

void BearStep(Form1& f, int d) {
  GameState& gs = f.gs;
  static constexpr int kDX[4] = {-1, 0, 1, 0}, kDY[4] = {0, -1, 0, 1};
  if (d < 0 || d > 3) return;
  SetRoomOccupant(gs, gs.castX[kBearCast], gs.castY[kBearCast], -1);
  // The bear goes where its script sends it: no wall or person stops it.
  gs.castX[kBearCast] = static_cast<i16>(gs.castX[kBearCast] + kDX[d]);
  gs.castY[kBearCast] = static_cast<i16>(gs.castY[kBearCast] + kDY[d]);
  SetRoomOccupant(gs, gs.castX[kBearCast], gs.castY[kBearCast], kBearCast);
  gs.castFacing[kBearCast] = static_cast<i16>(d);
  RoomTick(f);
}

void BearMovesOn(GameState& gs) {
  ClearRoomOccupancy(gs);
  gs.bearRoom = static_cast<i16>(gs.bearRoom + 1);
}

void BearApproach(Form1& f) {
  switch (f.gs.currentRoom) {
    case 1:  // the bear steps aside, the hero goes round it, the bear comes back
      BearStep(f, 1);
      HeroWalks(f, 1, 1);
      HeroWalks(f, 0, 2);
      BearStep(f, 3);
      BearStep(f, 0);
      break;
    case 2:
      BearStep(f, 3);
      HeroWalks(f, 3, 1);
      HeroWalks(f, 0, 2);
      BearStep(f, 1);
      BearStep(f, 0);
      break;
    default:
      break;  // in the last room they play where they stand
  }
}

void EndBearGame(Form1& f, int result) {
  GameState& gs = f.gs;
  const bool won = result == 1;
  ResetKeys(gs);
  gs.bearGamePending = 0;
  gs.GameMode = kModeRoom;
  gs.talkEntry[kBearCast] = won ? 1 : 2;  // the host's prize, or his gloating
  if (gs.statusShown == 1) {
    gs.statusShown = 0;
    gs.drawStatus = 0;
  }
  OpenDialogue(f, kBearCast);
  WaitWhile([&gs] { return gs.dialogueState != 0; });
  gs.talkEntry[kBearCast] = 0;

  switch (gs.currentRoom * 2 + (won ? 1 : 0)) {
    case 2:  // room 1, lost: the bear goes back to its place, the hero below it
      HeroTo(gs, 15, 7);
      BearStep(f, 2);
      BearStep(f, 1);
      HeroWalks(f, 2, 2);
      HeroWalks(f, 3, 2);
      BearStep(f, 3);
      break;
    case 3:  // room 1, won: the bear walks out through the door
      HeroTo(gs, 15, 7);
      BearStep(f, 2);
      BearSteps(f, 1, 6);
      BearMovesOn(gs);
      break;
    case 4:  // room 2, lost
      BearStep(f, 2);
      BearStep(f, 3);
      HeroWalks(f, 2, 2);
      HeroWalks(f, 1, 2);
      BearStep(f, 1);
      break;
    case 5:  // room 2, won: out through the door at the bottom
      HeroTo(gs, 15, 7);
      BearStep(f, 2);
      BearSteps(f, 3, 5);
      BearMovesOn(gs);
      break;
    case 6:  // room 3, lost
      HeroTo(gs, 15, 1);
      BearSteps(f, 0, 2);
      HeroWalks(f, 2, 2);
      HeroWalks(f, 3, 1);
      BearSteps(f, 2, 2);
      break;
    case 7:  // room 3, won: nowhere left to go, the bear stays and sulks
      HeroTo(gs, 15, 1);
      BearStep(f, 0);
      BearSteps(f, 3, 5);
      BearStep(f, 0);
      gs.talkEntry[kBearCast] = 3;
      break;
    default:
      break;
  }
}

}  // namespace moki
