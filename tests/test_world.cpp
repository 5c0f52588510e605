// The world: a new game, walking in the hall with the partner and the
// wandering people, the doors to the rooms, and the frames of a step.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "platform/headless.h"
#include "platform/platform.h"
#include "shell/window_events.h"
#include "world/hall_view.h"
#include "world/hall_walk.h"
#include "world/new_game.h"
#include "world/rooms.h"

using namespace moki;

namespace {

// Plain test pictures, one colour per tile and per character column, so a
// frame tells who was drawn where. A figure fills its cell but a 4-pixel
// border, which must show the floor through the mask.
plat::Color TileColour(int code) {
  return plat::RGB(0x10, 0x08 * code, 0xC0);
}
plat::Color FigureColour(int cast, int col) {
  return plat::RGB(0x80 + 4 * cast, 0x10 + 0x10 * col, 0x33);
}

void MakePictures(Pictures& p) {
  for (int k = 0; k < 20; ++k) p.Picmap[size_t(k)].Resize(32, 32, TileColour(k));
  for (int c = 0; c < 23; ++c) {
    plat::Surface& s = p.Picfcha[size_t(c)];
    s.Resize(256, 64, plat::kWhite);
    for (int y = 32; y < 64; ++y)
      for (int x = 0; x < 256; ++x) s.Set(x, y, plat::kBlack);
    for (int col = 0; col < 8; ++col)
      for (int y = 4; y < 28; ++y)
        for (int x = 4; x < 28; ++x) {
          s.Set(32 * col + x, y, FigureColour(c, col));
          s.Set(32 * col + x, 32 + y, plat::kWhite);
        }
  }
}

int CountColour(const plat::Surface& s, plat::Color c) {
  int n = 0;
  for (uint32_t px : s.px) n += (px & 0xFFFFFF) == c;
  return n;
}

// Ticks of each leg of the random walk; every frame shown costs a full-screen
// copy, which is slow under AddressSanitizer.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kRandomTicks = 800;
#else
constexpr int kRandomTicks = 7000;  // about 20,000 ticks over the three legs
#endif

class World : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::headless::Reset(11);
    plat::SetHandlers({});
    InitControls(f);
    InitTables(gs);
    MakePictures(f.pics);
    SetupNewGame(gs);
    gs.GameMode = kModeHall;
  }
  void TearDown() override { plat::headless::SetFrameHook(nullptr); }

  // One timer tick per key: L U R D, or '.' for none.
  void Walk(const std::string& keys, bool shift = true) {
    gs.shiftHeld = shift;
    for (char k : keys) {
      gs.arrowHeld = {k == 'L', k == 'U', k == 'R', k == 'D'};
      Timer1_Timer(f);
    }
    gs.arrowHeld = {0, 0, 0, 0};
  }

  // Puts the party on (x, y) with the partner on the given side, in the hall.
  void PlaceParty(int x, int y, int facing, int side) {
    for (auto& row : gs.hallOccupancy)
      for (auto& who : row)
        if (who == 0 || who == 1) who = -1;
    gs.playerX = i16(x), gs.playerY = i16(y), gs.playerFacing = i16(facing);
    gs.partnerX = i16(x + gs.sideDX[size_t(side)]), gs.partnerY = i16(y + gs.sideDY[size_t(side)]);
    gs.partnerSide = gs.partnerPrevSide = i16(side);
    gs.hallOccupancy[size_t(gs.partnerY)][size_t(gs.partnerX)] = 1;
    gs.hallOccupancy[size_t(y)][size_t(x)] = 0;
  }

  // Every mark in hallOccupancy belongs to someone standing there, and
  // nobody stands where they may not.
  ::testing::AssertionResult HallMarksSound() {
    std::map<int, int> seen;
    for (int y = 0; y < kHallSize; ++y)
      for (int x = 0; x < kHallSize; ++x) {
        int who = gs.hallOccupancy[y][x];
        if (who == -1) continue;
        ++seen[who];
        int wx = who == 0 ? gs.playerX : who == 1 ? gs.partnerX : gs.castX[size_t(who)];
        int wy = who == 0 ? gs.playerY : who == 1 ? gs.partnerY : gs.castY[size_t(who)];
        if (who < 0 || who >= kCastCount || wx != x || wy != y)
          return ::testing::AssertionFailure() << "stray mark " << who << " at " << x << "," << y;
      }
    const bool shared = gs.partnerX == gs.playerX && gs.partnerY == gs.playerY;
    if (seen[0] != 1 || seen[1] != (shared ? 0 : 1))
      return ::testing::AssertionFailure() << "party marks " << seen[0] << " " << seen[1];
    for (int slot = 0; slot < kHallSlots; ++slot) {
      int c = gs.hallCastSlots[size_t(slot)];
      if (seen[c] != 1)
        return ::testing::AssertionFailure() << "cast " << c << " marked " << seen[c];
      if (gs.hallMap[size_t(gs.castY[size_t(c)])][size_t(gs.castX[size_t(c)])] != 10)
        return ::testing::AssertionFailure() << "cast " << c << " off the floor";
    }
    int under = gs.hallMap[size_t(gs.playerY)][size_t(gs.playerX)];
    if (under != 10 && under != 18)
      return ::testing::AssertionFailure() << "hero on tile " << under;
    return ::testing::AssertionSuccess();
  }

  Form1 f;
  GameState& gs = f.gs;
};

TEST_F(World, HallStepIntoWallOrPersonOnlyTurnsTheHero) {
  PlaceParty(20, 25, 3, 1);  // just below ベッカー (cast 5, slot 1)
  gs.wanderSlot = 1;         // so that slot 2, far away, is the one to wander
  Walk("U");
  EXPECT_EQ(gs.playerY, 25);
  EXPECT_EQ(gs.playerFacing, 1);
  EXPECT_EQ(gs.partnerY, 26);
  EXPECT_EQ(gs.partnerSide, 1);
  EXPECT_TRUE(HallMarksSound());

  PlaceParty(19, 33, 1, 0);
  Walk("D");  // out of the hall, beyond the entrance
  EXPECT_EQ(gs.playerX, 19);
  EXPECT_EQ(gs.playerY, 33);
  EXPECT_EQ(gs.playerFacing, 3);
  EXPECT_EQ(gs.partnerX, 20);
  EXPECT_EQ(gs.partnerSide, 0);
  EXPECT_TRUE(HallMarksSound());
}

TEST_F(World, HallPartnerFollowsAndSwapsWhenTheHeroReverses) {
  PlaceParty(19, 32, 1, 0);  // the partner at the hero's right
  Walk("L");
  EXPECT_EQ(gs.playerX, 18);
  EXPECT_EQ(gs.partnerX, 19);
  EXPECT_EQ(gs.partnerSide, 0);
  EXPECT_EQ(gs.hallOccupancy[32][20], -1);
  Walk("R");
  EXPECT_EQ(gs.playerX, 19);
  EXPECT_EQ(gs.partnerX, 18);
  EXPECT_EQ(gs.partnerSide, 2);
  EXPECT_EQ(gs.hallOccupancy[32][19], 0);
  EXPECT_EQ(gs.hallOccupancy[32][18], 1);
  EXPECT_TRUE(HallMarksSound());
}

TEST_F(World, HallAndRoomsStaySoundOverALongRandomWalk) {
  gs.winsByCast[0] = 9;  // every door open
  // Only the rules are under test here: tiny buffers make the frames cheap.
  f.pics.Picback1.Resize(1, 1);
  f.pics.Picback2.Resize(1, 1);
  f.pics.Picture1.Resize(1, 1);
  std::mt19937 rng(5);
  const std::string keys = "LURD.";
  // From the entrance, then from deep in the basement, so that the walk
  // crosses every room and the hall's door both ways.
  for (int start : {-1, 2, 3}) {
    if (start >= 0) {
      EnterRoom(f, start);
      gs.doorLatch = 1;
    }
    for (int tick = 0; tick < kRandomTicks; ++tick) {
      Walk(std::string(1, keys[rng() % 5]));
      if (gs.GameMode == kModeHall) {
        ASSERT_TRUE(HallMarksSound()) << "tick " << tick;
      } else {
        ASSERT_EQ(gs.GameMode, kModeRoom);
        int tile = gs.roomMap[size_t(gs.playerY)][size_t(gs.playerX)];
        ASSERT_TRUE(tile < 11 || tile > 16) << "tick " << tick;
        ASSERT_LT(gs.roomOccupancy[size_t(gs.playerY)][size_t(gs.playerX)], 2);
      }
    }
  }
}

TEST_F(World, DoorsFireOnceAndReturnCellsWaitForAStepOff) {
  PlaceParty(30, 9, 1, 1);
  Walk("U");
  ASSERT_EQ(gs.GameMode, kModeRoom);
  EXPECT_EQ(gs.currentRoom, 0);
  EXPECT_EQ(gs.playerX, 17);
  EXPECT_EQ(gs.playerY, 1);
  EXPECT_EQ(gs.partnerSide, 4);
  EXPECT_EQ(gs.roomOccupancy[9][17], 11);  // 本質 stands in room 0
  Walk(".");                               // standing on the way back does not take it
  EXPECT_EQ(gs.GameMode, kModeRoom);
  Walk("DU");
  ASSERT_EQ(gs.GameMode, kModeHall);
  EXPECT_EQ(gs.playerX, 30);
  EXPECT_EQ(gs.playerY, 8);
  EXPECT_TRUE(HallMarksSound());  // the partner's mark from before is gone
  Walk("..");
  EXPECT_EQ(gs.GameMode, kModeHall);
  Walk("L");
  EXPECT_EQ(gs.partnerX, 30);  // the partner steps out onto the door
  Walk("R");                   // and the hero back onto it, swapping
  EXPECT_EQ(gs.GameMode, kModeRoom);
}

TEST_F(World, RoomDoorsOpenWithWinsOnTheNextVisit) {
  const struct { int room, x, y, wins; } doors[] = {{0, 17, 12, 2}, {1, 17, 1, 5}, {2, 17, 12, 8}};
  for (const auto& d : doors) {
    gs.winsByCast[0] = i16(d.wins);
    EnterRoom(f, d.room);
    EXPECT_NE(gs.roomMap[size_t(d.y)][size_t(d.x)], 18) << "room " << d.room;
    gs.winsByCast[0] = i16(d.wins + 1);
    EnterRoom(f, d.room);
    EXPECT_EQ(gs.roomMap[size_t(d.y)][size_t(d.x)], 18) << "room " << d.room;
  }
}

TEST_F(World, RoomsLeadDownToTheBearAndBackUpToTheHall) {
  gs.winsByCast[0] = 9;
  EnterRoom(f, 0);
  gs.doorLatch = 1;
  Walk("DDDDDDDLDDDRD");  // around 本質 to the open door
  ASSERT_EQ(gs.currentRoom, 1);
  EXPECT_EQ(gs.roomOccupancy[7][17], 22);  // the bear waits
  Walk("UUUU");
  Walk("U");  // blocked by the bear
  EXPECT_EQ(gs.playerY, 8);
  EXPECT_EQ(gs.playerFacing, 1);
  Walk("LUURUUUUU");
  ASSERT_EQ(gs.currentRoom, 2);
  Walk("DDDDDDDDDDD");
  ASSERT_EQ(gs.currentRoom, 3);
  EXPECT_EQ(gs.playerY, 12);
  Walk("UD");
  ASSERT_EQ(gs.currentRoom, 2);
  EXPECT_EQ(gs.playerY, 12);  // on the door, which waits
  Walk(".UUUUUUUUUUU");
  ASSERT_EQ(gs.currentRoom, 1);
  EXPECT_EQ(gs.roomOccupancy[7][17], 22);  // back up, the bear still stands in the way
  Walk("LDDDDDDDDDDDR");
  ASSERT_EQ(gs.currentRoom, 0);
  Walk("ULUUURUUUUUUU");
  EXPECT_EQ(gs.GameMode, kModeHall);
  EXPECT_EQ(gs.playerX, 30);
  EXPECT_EQ(gs.playerY, 8);
}

TEST_F(World, StepFramesKeepTheHeroCentredAndPeopleOnTheFloor) {
  PlaceParty(20, 12, 2, 2);
  gs.wanderSlot = 5;  // 優雅 (slot 0) at (17, 12) keeps still
  std::vector<int> heroColumn, npcLeft;
  plat::headless::SetFrameHook([&](const plat::Surface& s) {
    uint32_t hero = s.At(304, 240) & 0xFFFFFF;
    heroColumn.push_back(hero == FigureColour(0, 2) ? 2 : hero == FigureColour(0, 6) ? 6 : -1);
    int left = -1;
    for (int x = 0; x < 608 && left < 0; ++x)
      if ((s.At(x, 240) & 0xFFFFFF) == FigureColour(4, 3) ||
          (s.At(x, 240) & 0xFFFFFF) == FigureColour(4, 7))
        left = x;
    npcLeft.push_back(left);
  });
  uint64_t before = plat::headless::FrameCount();
  Walk("R", false);
  ASSERT_EQ(plat::headless::FrameCount() - before, 16u);
  ASSERT_EQ(npcLeft.size(), 16u);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(heroColumn[size_t(i)], i < 8 ? 2 : 6) << "frame " << i;
    // One pixel short of its old place at the start, held there as the hall scrolls.
    EXPECT_EQ(npcLeft[size_t(i)], 6 * 32 + 4 - 1 - 2 * i) << "frame " << i;
  }
  before = plat::headless::FrameCount();
  Walk("R", true);
  EXPECT_EQ(plat::headless::FrameCount() - before, 8u);
  before = plat::headless::FrameCount();
  Walk(".", false);  // treading in place still animates
  EXPECT_EQ(plat::headless::FrameCount() - before, 16u);
}

TEST_F(World, PeopleBeyondTheViewAreNotDrawn) {
  PlaceParty(20, 20, 3, 1);
  gs.wanderSlot = 5;
  gs.castX[2] = 29, gs.castY[2] = 20;  // 9 columns right: the last visible column
  gs.castX[3] = 30, gs.castY[3] = 20;  // 10 columns right: x 608
  gs.castX[4] = 20, gs.castY[4] = 28;  // 8 rows below: y 480
  int seen[5] = {};
  plat::headless::SetFrameHook([&](const plat::Surface& s) {
    for (int c : {2, 3, 4})
      seen[c] += CountColour(s, FigureColour(c, gs.castFacing[size_t(c)])) +
                 CountColour(s, FigureColour(c, gs.castFacing[size_t(c)] + 4));
  });
  Walk(".");
  EXPECT_GT(seen[2], 0);
  EXPECT_EQ(seen[3], 0);
  EXPECT_EQ(seen[4], 0);
  DrawHallView(f);
  EXPECT_GT(CountColour(plat::Window(), FigureColour(2, gs.castFacing[2])), 0);
  EXPECT_EQ(CountColour(plat::Window(), FigureColour(3, gs.castFacing[3])), 0);
}

TEST_F(World, RepaintsLayerThePartyAndTheBear) {
  DrawHallView(f);  // at the entrance: the hero facing up, the partner at his right
  EXPECT_EQ(plat::Window().At(304, 240) & 0xFFFFFF, FigureColour(0, 1));
  EXPECT_EQ(plat::Window().At(336, 240) & 0xFFFFFF, FigureColour(1, 0));
  BackToHall(f);
  DrawHallView(f);
  EXPECT_EQ(plat::Window().At(304, 240) & 0xFFFFFF, FigureColour(1, 3));  // partner over hero
  EXPECT_EQ(plat::Window().At(289, 225) & 0xFFFFFF, TileColour(18));      // the door shows round it
  EnterRoom(f, 0);
  DrawRoomView(f);
  EXPECT_EQ(plat::Window().At(32 * 17 + 16, 48) & 0xFFFFFF,
            FigureColour(0, 3));  // hero over partner

  gs.bearRoom = 3;
  EnterRoom(f, 2);
  gs.castX[22] = 5, gs.castY[22] = 5;
  DrawRoomView(f);
  EXPECT_EQ(CountColour(plat::Window(), FigureColour(22, gs.castFacing[22])), 0);
  gs.bearRoom = 2;
  EnterRoom(f, 2);
  DrawRoomView(f);
  EXPECT_EQ(plat::Window().At(32 * 17 + 16, 32 * 7 + 16) & 0xFFFFFF, FigureColour(22, 1));
}

TEST_F(World, BadPositionsAndTilesStayInsideTheGrids) {
  gs.hallMap[33][18] = 99;  // no such tile: drawn as tile 0
  DrawHallView(f);
  EXPECT_EQ(plat::Window().At(256 + 16, 224 + 16) & 0xFFFFFF, TileColour(0));

  for (auto& row : gs.hallMap) row.fill(10);  // a map without walls
  const struct {
    int x, y;
    char key;
  } edges[] = {{0, 0, 'L'}, {0, 0, 'U'}, {40, 40, 'R'}, {40, 40, 'D'}};
  for (const auto& e : edges) {
    PlaceParty(e.x, e.y, 0, 4);
    Walk(std::string(1, e.key));
    EXPECT_EQ(gs.playerX, e.x);
    EXPECT_EQ(gs.playerY, e.y);
    DrawHallView(f);
  }
  gs.castX[4] = 0, gs.castY[4] = 40;  // 優雅 (slot 0) in a corner
  for (int i = 0; i < 40; ++i) {
    gs.wanderSlot = 10;  // slot 0 is next: 受付 and サンタ never wander
    WanderStep(gs);
    ASSERT_EQ(gs.wanderSlot, 0);
    ASSERT_TRUE(gs.castX[4] >= 0 && gs.castX[4] <= 40 && gs.castY[4] >= 0 && gs.castY[4] <= 40);
  }

  EnterRoom(f, 3);
  for (auto& row : gs.roomMap) row.fill(1);  // a room without walls
  gs.playerX = 18, gs.playerY = 13;
  Walk("RD");
  EXPECT_EQ(gs.playerX, 18);
  EXPECT_EQ(gs.playerY, 13);
  gs.playerX = 0, gs.playerY = 0;
  Walk("LU");
  EXPECT_EQ(gs.playerX, 0);
  EXPECT_EQ(gs.playerY, 0);
}

TEST_F(World, SecondNewGameStartsLikeTheFirst) {
  const GameState first = gs;
  gs.winsByCast[0] = 9;
  gs.money = 12;
  gs.talkEntry[5] = 3;
  gs.bearRoom = 3;
  Walk("UU");
  gs.hallMap[33][19] = gs.hallMap[33][20] = 19;  // the entrance closed behind the party
  Walk("RRRRRRRRRRUUUUUUUUUUUUUUUUUUUUUU");
  EnterRoom(f, 1);
  gs.doorLatch = 1;
  SetupNewGame(gs);
  EXPECT_EQ(gs.hallMap, first.hallMap);
  EXPECT_EQ(gs.hallOccupancy, first.hallOccupancy);
  for (int c : gs.hallCastSlots) {
    EXPECT_EQ(gs.castX[size_t(c)], first.castX[size_t(c)]);
    EXPECT_EQ(gs.castY[size_t(c)], first.castY[size_t(c)]);
    EXPECT_EQ(gs.castFacing[size_t(c)], first.castFacing[size_t(c)]);
  }
  EXPECT_EQ(gs.winsByCast, first.winsByCast);
  EXPECT_EQ(gs.talkEntry, first.talkEntry);
  EXPECT_EQ(gs.money, 3000);
  EXPECT_EQ(gs.bearRoom, 1);
  EXPECT_EQ(gs.currentRoom, 0);
  EXPECT_EQ(gs.doorLatch, 0);
  EXPECT_EQ(gs.playerX, 19);
  EXPECT_EQ(gs.playerY, 33);
  EXPECT_EQ(gs.partnerX, 20);
  EXPECT_EQ(gs.partnerY, 33);
  EXPECT_EQ(gs.partnerSide, 0);
  EXPECT_EQ(gs.partnerPrevSide, 0);
  EXPECT_TRUE(HallMarksSound());
}

TEST(WorldShop, OfferStaysInRangeAndDoublesForTheChallenges) {
  plat::headless::Reset(3);
  GameState gs;
  std::map<int, int> items;
  for (int round : {1, 10, 11}) {
    gs.roundNumber = i16(round);
    for (int i = 0; i < 1000; ++i) {
      gs.talkEntry[3] = 2;
      RollShopOffer(gs);
      ASSERT_GE(gs.shopItem, 1);
      ASSERT_LE(gs.shopItem, 25);
      ++items[gs.shopItem];
      int n = round >= 11 ? gs.shopCount / 2 : gs.shopCount;
      if (round >= 11) {
        ASSERT_EQ(gs.shopCount % 2, 0);
      }
      if (gs.shopItem <= 13) {
        ASSERT_GE(n, 2);
        ASSERT_LE(n, 7);
      } else {
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 2);
      }
      ASSERT_EQ(gs.talkEntry[3], 0);
    }
  }
  EXPECT_EQ(items.size(), 25u);
}

}  // namespace
