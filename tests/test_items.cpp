// Items in a match: the keys, the computer's schedules, the count timers,
// traps and the mine, the wind and the other field effects.
#include <gtest/gtest.h>

#include <cmath>

#include "core/numeric.h"
#include "items/field_effects.h"
#include "items/item_count.h"
#include "items/item_use.h"
#include "match/match_setup.h"
#include "match/match_step.h"
#include "render/match_frame.h"
#include "story/cast_stats.h"
#include "test_support.h"

using namespace moki;
using testing_support::MakeForm;
using testing_support::RunWith;

namespace {

// A league match against 優雅 and ウィー団子 on all-grass ground, the hero
// forward, the ball at rest far from everybody.
std::unique_ptr<Form1> ItemForm(uint64_t seed = 1) {
  auto f = testing_support::LeagueMatchForm(seed, 1);
  GameState& gs = f->gs;
  for (auto& row : terrainGrid(gs)) row.fill(1);
  gs.ball.x = 120, gs.ball.y = 380, gs.ball.speed = 0;
  return f;
}

void Put(MatchPlayer& p, float x, float y) {
  p.x = x, p.y = y, p.speed = 0;
}

int Boosts(const GameState& gs) {
  return gs.boostSpeed + gs.boostTurn + gs.boostAccel + gs.boostPower + gs.boostAim +
         gs.boostIgnoreTerrain + gs.remoteBallTime;
}

}  // namespace

TEST(ItemKeys, EachPressUsesOnePieceAlsoOnRepeatAndWhileFrozen) {
  auto f = ItemForm();
  GameState& gs = f->gs;
  gs.slotItem = {16, 0, 22};  // 停電, nothing, はじめの一歩
  gs.slotCount[16][0] = 2, gs.slotCount[0][1] = 1, gs.slotCount[22][2] = 0;
  gs.matchFrozen = 1;  // after 自爆 the keys still act
  gs.blackoutTime = 6;
  plat::SetTimerEnabled(true);
  // Z held down repeats three times: two pieces, then nothing is left.
  int code = RunWith("down z\nwait 40\ndown z\nwait 40\ndown z\nup z\npress x\npress 3\nwait 50\n",
                     [&] { plat::headless::MainLoop(); });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(gs.blackoutTime, 1);  // a running blackout starts over
  EXPECT_EQ(gs.slotCount[16][0], 0);
  EXPECT_EQ(gs.slotCount[0][1], 0);  // the empty item costs a piece too
  EXPECT_EQ(gs.slotCount[22][2], 0);
  EXPECT_EQ(gs.boostAccel, 0);
}

TEST(ItemBoosts, BoostsStayExactlyFourfoldOnEveryGround) {
  auto f = ItemForm();
  GameState& gs = f->gs;
  gs.slotItem = {22, 21, 20};
  gs.slotCount[22][0] = 2, gs.slotCount[21][1] = 1, gs.slotCount[20][2] = 1;
  for (int slot : {0, 1, 2, 0}) onItemKey(*f, slot);  // the second はじめの一歩 adds nothing
  EXPECT_EQ(gs.boostAccel + gs.boostTurn + gs.boostSpeed, 3);
  const MatchPlayer& p = gs.players[homeForward];
  for (int ground : {1, 2, 3, 4, 12, 1}) {
    for (auto& row : terrainGrid(gs)) row.fill(static_cast<i16>(ground));
    for (int i = 0; i < 60; ++i) {
      Put(gs.players[homeForward], 200, 200);
      MatchStep(*f);
    }
    ASSERT_TRUE(std::isfinite(p.accel) && std::isfinite(p.maxSpeed)) << ground;
    EXPECT_EQ(p.accel, 4 * p.groundAccel) << ground;
    EXPECT_EQ(p.maxSpeed, 4 * p.groundMaxSpeed) << ground;
    EXPECT_EQ(p.turnStep, 4 * p.groundTurnStep) << ground;
  }
  EXPECT_FLOAT_EQ(p.accel, 1.6f);
  EXPECT_EQ(p.turnStep, 40);
}

TEST(ItemSchedule, TheComputerPlaysItsPairsInTurnAndNeverTheHerosItems) {
  auto f = ItemForm(3);
  GameState& gs = f->gs;
  gs.opponentCast = 13;  // "150015": 地震, nothing, 地震, then one empty step
  int steps = 0;
  for (int count = 0; count < 300; ++count) {
    const int before = gs.scheduleCursor[1];
    gs.quakeTime = 0;
    itemCountStep(*f);
    const int after = gs.scheduleCursor[1];
    steps += after != before;
    EXPECT_EQ(after, after == before ? before : before == 7 ? 1 : before + 2);
    EXPECT_EQ(gs.quakeTime, after != before && (before == 1 || before == 5)) << before;
  }
  EXPECT_GT(steps, 60);  // one count in three, give or take luck
  EXPECT_LT(steps, 140);

  gs.ComputerItemSchedule[13] = U"18202122232425";
  for (int count = 0; count < 200; ++count) itemCountStep(*f);
  EXPECT_EQ(Boosts(gs), 0);
}

TEST(ItemCount, HeldStatesAndTimedEffectsRunOutByTheCount) {
  auto f = ItemForm();
  GameState& gs = f->gs;
  gs.opponentCast = 2;  // the final pair play no items
  gs.caughtFlag[homeForward] = 1, gs.caughtTimer[homeForward] = 10;
  gs.rubberFlag[homeBack] = 1;
  gs.reverseAge[awayForward] = 1;
  gs.stickyBall = {1, 2};  // home armed, away holding
  gs.blackoutTime = gs.fakeBallTime = gs.remoteBallTime = 1;
  Put(gs.players[homeForward], 200, 200);
  useItem(*f, 0, 13);  // a sphere on tile (6, 6)
  int blackoutEnd = 0, remoteEnd = 0;
  for (int count = 1; count <= 300; ++count) {
    itemCountStep(*f);
    EXPECT_EQ(gs.caughtFlag[homeForward], count < 10) << count;
    EXPECT_EQ(gs.rubberFlag[homeBack], count < 10) << count;
    EXPECT_EQ(gs.reverseAge[awayForward] > 0, count < 9) << count;
    EXPECT_EQ(gs.stickyBall[1] > 0, count < 5) << count;
    EXPECT_EQ(gs.trapGrid[6][6], count < 300 ? 4 : 0) << count;
    if (!blackoutEnd && gs.blackoutTime == 0) blackoutEnd = count;
    if (!remoteEnd && gs.remoteBallTime == 0) remoteEnd = count;
  }
  EXPECT_EQ(gs.stickyBall[0], 1);  // an armed ball waits for its hit
  EXPECT_GE(blackoutEnd, 5);
  EXPECT_GE(remoteEnd, 7);
  EXPECT_EQ(gs.fakeBallTime, 0);
  EXPECT_EQ(gs.sphereCount, 0);  // gone from the field, still in the list
}

TEST(ItemTraps, ATrapCatchesTheFirstPlayerOnItButNotTheForwardThatLaidIt) {
  auto f = ItemForm();
  GameState& gs = f->gs;
  MatchPlayer& hf = gs.players[homeForward];
  Put(hf, 200, 200);  // tile (6, 6)
  useItem(*f, 0, 10);
  for (int i = 0; i < 3; ++i) MatchStep(*f);
  EXPECT_EQ(gs.caughtFlag[homeForward] + gs.trapGrid[6][6], 2);  // not caught; still laid
  Put(hf, 240, 200);
  MatchStep(*f);
  Put(hf, 200, 200);
  gs.arrowHeld[1] = 1;  // driving on does not help once caught
  MatchStep(*f);
  MatchStep(*f);
  EXPECT_EQ(gs.caughtTimer[homeForward], 10);
  EXPECT_EQ(gs.trapGrid[6][6], 0);
  EXPECT_EQ(hf.x, 200);

  // A back springs its own side's rubber, anchored at the tile's centre.
  Put(hf, gs.players[homeBack].x, gs.players[homeBack].y);
  const int backRow = int(hf.y + 16) / 32;
  useItem(*f, 0, 11);
  Put(hf, 300, 300);
  MatchStep(*f);
  EXPECT_EQ(gs.rubberFlag[homeBack], 1);
  EXPECT_EQ(gs.rubberAnchorX[homeBack], 48);
  EXPECT_EQ(gs.rubberAnchorY[homeBack], backRow * 32 + 16);

  // A mouse trap under a player already held waits for the next one.
  const size_t abRow = size_t(int(gs.players[awayBack].y + 16) / 32);
  gs.caughtFlag[awayBack] = 1, gs.caughtTimer[awayBack] = 4;
  gs.trapGrid[abRow][17] = 2;
  MatchStep(*f);
  EXPECT_EQ(gs.trapGrid[abRow][17], 2);
  EXPECT_EQ(gs.caughtTimer[awayBack], 4);

  // A second trap on a tile replaces the first.
  MatchPlayer& af = gs.players[awayForward];
  Put(af, 400, 300);
  useItem(*f, 1, 10);
  useItem(*f, 1, 14);
  Put(af, 440, 300);
  MatchStep(*f);
  Put(af, 400, 300);
  MatchStep(*f);
  EXPECT_EQ(gs.reverseAge[awayForward], 1);
  EXPECT_EQ(gs.caughtFlag[awayForward], 0);
  EXPECT_EQ(gs.trapGrid[9][13], 0);

  // Eleven spheres at most; the twelfth is spent on nothing.
  for (int i = 0; i < 12; ++i) {
    Put(hf, float(64 + 32 * i), 96);
    useItem(*f, 0, 13);
  }
  EXPECT_EQ(gs.sphereCount, 10);
  EXPECT_EQ(gs.trapGrid[3][12], 4);
  EXPECT_EQ(gs.trapGrid[3][13], 0);
}

TEST(ItemTraps, AMineThrowsWhoeverIsNearAndLeavesACraterOfSand) {
  auto f = ItemForm();
  GameState& gs = f->gs;
  terrainGrid(gs)[7][8] = 2;  // water in the crater stays water
  gs.trapGrid[6][9] = 1;
  Put(gs.players[homeForward], 300, 200);  // its centre on tile (9, 6)
  Put(gs.players[awayForward], 360, 240);
  gs.ball.x = 304, gs.ball.y = 300;
  TrapTest(*f, homeForward);
  EXPECT_EQ(gs.trapGrid[6][9], 0);
  // Each forward flies 100 pixels straight away from the centre (304, 208).
  const MatchPlayer& hf = gs.players[homeForward];
  EXPECT_NEAR(hf.x, 300 + 100 * std::cos(Rad(243)), 1e-3);
  EXPECT_NEAR(hf.y, 200 + 100 * std::sin(Rad(243)), 1e-3);
  const MatchPlayer& af = gs.players[awayForward];
  EXPECT_NEAR(af.x, 360 + 100 * std::cos(Rad(30)), 1e-3);
  EXPECT_NEAR(af.y, 240 + 100 * std::sin(Rad(30)), 1e-3);
  EXPECT_EQ(gs.blastAngle, 30);
  EXPECT_EQ(gs.ball.direction, 90);
  EXPECT_EQ(gs.ball.speed, 24);
  EXPECT_EQ(gs.caughtFlag[homeForward] + gs.caughtFlag[awayForward], 2);
  EXPECT_EQ(gs.caughtFlag[awayBack], 0);  // far beyond 96 pixels
  for (int r = 4; r <= 8; ++r)
    for (int c = 7; c <= 12; ++c)
      EXPECT_EQ(terrainGrid(gs)[r][c], c == 12 ? 1 : (r == 7 && c == 8) ? 2 : 3) << c << "," << r;

  // A back on a mine by the edge: pushed 80 pixels away, and only the
  // playing area turns to sand.
  MatchPlayer& hb = gs.players[homeBack];
  hb.y = 150;
  gs.trapGrid[5][1] = 1;
  TrapTest(*f, homeBack);
  EXPECT_EQ(hb.y, 70);
  EXPECT_EQ(gs.caughtTimer[homeBack], 10);
  EXPECT_EQ(terrainGrid(gs)[5][0], 1);
  EXPECT_EQ(terrainGrid(gs)[5][3], 3);
}

TEST(ItemWind, WindsPushForwardsAndBallWithStreaksOverTheFrameAndNeverLeaveTheGrid) {
  auto f = ItemForm();
  GameState& gs = f->gs;
  MatchPlayer& hf = gs.players[homeForward];
  Put(hf, 200, 384);  // against the bottom wall
  const float afY = gs.players[awayForward].y, hbY = gs.players[homeBack].y;
  // Fourteen 南風 from the keys, outside the step, then a trap and a flood
  // under the forward far below the field.
  gs.slotItem = {4, 10, 7};
  gs.slotCount[4][0] = 14, gs.slotCount[10][1] = 1, gs.slotCount[7][2] = 1;
  for (int i = 0; i < 14; ++i) onItemKey(*f, 0);
  EXPECT_EQ(hf.y, 384 + 84);
  EXPECT_EQ(gs.players[awayForward].y, afY + 84);
  EXPECT_EQ(gs.ball.y, 380 + 84);
  EXPECT_EQ(gs.players[homeBack].y, hbY);  // the backs stand firm
  onItemKey(*f, 1);
  onItemKey(*f, 2);
  EXPECT_EQ(gs.trapGrid[14][6], 2);
  EXPECT_EQ(terrainGrid(gs)[12][6], 2);
  EXPECT_EQ(terrainGrid(gs)[13][6], 1);
  gs.windDirection = -1;
  MatchStep(*f);
  EXPECT_EQ(hf.y, 384);

  // 西風 in the step: white streaks on the shown frame but not in Picture1,
  // and a repaint wipes them.
  gs.windDirection = 2;
  Put(hf, 200, 200);
  MatchStep(*f);
  EXPECT_EQ(hf.x, 206);
  const plat::Surface composed = f->pics.Picture1;
  auto streakPixels = [&](const plat::Surface& s) {
    int n = 0;
    for (int y = 75; y < 375; ++y)
      for (int x = 160; x < 440; ++x)
        n += s.At(x, y) == plat::kWhite && composed.At(x, y) != plat::kWhite;
    return n;
  };
  EXPECT_GE(streakPixels(plat::headless::LastFrame()), 6 * 250);
  DrawMatch(*f);
  EXPECT_EQ(streakPixels(plat::Window()), 0);
}

TEST(ItemFieldEffects, FieldChangeQuakeFakeBallsAndTheSphereBounce) {
  auto f = ItemForm();
  GameState& gs = f->gs;
  // 冷凍 by the away forward in the top-left corner: only the playing area.
  Put(gs.players[awayForward], 32, 32);
  useItem(*f, 1, 9);
  for (int r = 0; r <= 4; ++r)
    for (int c = 0; c <= 4; ++c)
      EXPECT_EQ(terrainGrid(gs)[r][c], (r >= 1 && r <= 3 && c >= 1 && c <= 3) ? 4 : 1);

  // The earthquake shakes by -12..11 a tick, the backs only up and down, and
  // lasts at least 150 ticks.
  useItem(*f, 0, 15);
  int ticks = 0;
  while (gs.quakeTime > 0 && ticks < 10000) {
    const auto before = gs.players;
    QuakeStep(gs);
    ++ticks;
    for (size_t s = 0; s < 4; ++s) {
      const float dx = gs.players[s].x - before[s].x, dy = gs.players[s].y - before[s].y;
      EXPECT_TRUE(dx > -12.01f && dx < 11.01f && dy > -12.01f && dy < 11.01f);
      EXPECT_TRUE(dx == 0 || s == homeForward || s == awayForward);
    }
  }
  EXPECT_GE(ticks, 150);
  EXPECT_LT(ticks, 10000);

  // Fake balls bounce off all four sides.
  useItem(*f, 0, 17);
  EXPECT_EQ(gs.fakeBallTime, 1);
  for (int i = 0; i < 1000; ++i) MoveFakeBalls(gs);
  for (const FakeBall& b : gs.fakeBalls)
    EXPECT_TRUE(b.x > 32 - 16 && b.x < 576 + 16 && b.y > 32 - 16 && b.y < 416 + 16);

  // The bounce is measured from the ball's corner to the centre of the tile
  // it came back to, here (272, 208): normal 84, so 0 becomes 348.
  MatchBall& ball = gs.ball;
  ball.prevX = 270, ball.prevY = 190, ball.x = 280, ball.y = 195;
  ball.speed = 10, ball.direction = 0;
  SphereBounce(gs);
  EXPECT_EQ(ball.direction, 348);
  EXPECT_NEAR(ball.x, 270 + 10 * std::cos(Rad(348)), 1e-3);
  EXPECT_NEAR(ball.y, 190 + 10 * std::sin(Rad(348)), 1e-3);
}
