// The match: set-up from the battle file, movement on each ground, the ball's
// flight, hits and goals, the abilities, and what the frame shows.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "match/ball.h"
#include "match/match_setup.h"
#include "match/match_step.h"
#include "match/movement.h"
#include "render/match_frame.h"
#include "story/cast_stats.h"
#include "test_support.h"
#include "world/data_file.h"
#include "world/field.h"

using namespace moki;
using testing_support::MakeForm;

namespace {

// A league match against 優雅 and ウィー団子 on field 0, the hero forward.
std::unique_ptr<Form1> MatchForm(uint64_t seed = 1) {
  return testing_support::LeagueMatchForm(seed, 1);
}

void Fill(GameState& gs, int tile) {
  for (auto& row : terrainGrid(gs)) row.fill(static_cast<i16>(tile));
}

// The ball parked far from everybody, at rest.
void ParkBall(GameState& gs) {
  gs.ball.x = 300, gs.ball.y = 380, gs.ball.speed = 0;
}

}  // namespace

TEST(MatchSetup, ResetPlacesEverythingAndReadsTheFieldOfTheDay) {
  auto f = MatchForm();
  GameState& gs = f->gs;
  std::vector<int16_t> field0;
  std::string err;
  ASSERT_TRUE(ReadNumberFile(plat::ProgramDir() + "/data/btl0.dat", 266, field0, err)) << err;

  // Leftovers of a last match are all cleared.
  gs.players[homeBack].vy = 7;
  gs.players[awayBack].vy = -7;
  gs.trapGrid[5][5] = 3;
  gs.homeScore = 4;
  gs.windDirection = 2;
  gs.sphereCount = 3;
  gs.roundNumber = 10;  // the final still plays on field 0
  std::set<int> speeds;
  for (int i = 0; i < 40; ++i) {
    ResetMatch(gs);
    speeds.insert(int(gs.ball.speed));
    EXPECT_GE(gs.ball.direction, 0);
    EXPECT_LE(gs.ball.direction, 359);
  }
  EXPECT_EQ(*speeds.begin(), 5);
  EXPECT_EQ(*speeds.rbegin(), 14);
  for (int r = 0; r < 14; ++r)
    for (int c = 0; c < 19; ++c) ASSERT_EQ(terrainGrid(gs)[r][c], field0[size_t(r * 19 + c)]);
  EXPECT_EQ(gs.players[homeBack].vy, 0);
  EXPECT_EQ(gs.players[awayBack].vy, 0);
  EXPECT_EQ(gs.trapGrid[5][5], 0);
  EXPECT_EQ(gs.homeScore, 0);
  EXPECT_EQ(gs.windDirection, -1);
  EXPECT_EQ(gs.sphereCount, -1);
  EXPECT_EQ(gs.countsLeft, 60);
  EXPECT_EQ(gs.ball.x, 313);
  EXPECT_EQ(gs.ball.y, 233);
  EXPECT_EQ(gs.players[awayForward].heading, 90);

  // From match-day 11 the challenges play on the fields 1..5 at random.
  gs.roundNumber = 11;
  std::set<std::vector<int16_t>> seen;
  for (int i = 0; i < 60; ++i) {
    ResetMatch(gs);
    std::vector<int16_t> now;
    for (int r = 0; r < 14; ++r)
      for (int c = 0; c < 19; ++c) now.push_back(terrainGrid(gs)[r][c]);
    EXPECT_NE(now, field0);
    seen.insert(now);
  }
  EXPECT_EQ(seen.size(), 5u);
}

TEST(MatchMovement, GroundSetsTheValuesAndOtherGroundKeepsTheLast) {
  auto f = MatchForm();
  GameState& gs = f->gs;
  MatchPlayer& p = gs.players[homeForward];
  Fill(gs, 4);  // ice: a quarter of the acceleration, a fifth of the turn
  SetMovementValues(gs, homeForward);
  EXPECT_FLOAT_EQ(p.accel, 0.4f / 4);
  EXPECT_EQ(p.turnStep, 2);
  EXPECT_FLOAT_EQ(p.maxSpeed, 5.0f);
  Fill(gs, 2);  // water: 2/5 of the top speed and a fifth of the turn
  SetMovementValues(gs, homeForward);
  EXPECT_FLOAT_EQ(p.maxSpeed, 2.0f);
  EXPECT_EQ(p.turnStep, 2);
  Fill(gs, 3);  // sand: slow, but turns as on grass
  SetMovementValues(gs, homeForward);
  EXPECT_FLOAT_EQ(p.maxSpeed, 2.0f);
  EXPECT_FLOAT_EQ(p.accel, 0.2f);
  EXPECT_EQ(p.turnStep, 10);
  Fill(gs, 12);  // a wall tile under him keeps the sand's values
  SetMovementValues(gs, homeForward);
  EXPECT_FLOAT_EQ(p.maxSpeed, 2.0f);
  EXPECT_EQ(p.turnStep, 10);

  // The away side adds its bonus: a fifth of it to the acceleration.
  Fill(gs, 1);
  gs.opponentBonus = 5;
  SetMovementValues(gs, awayForward);
  EXPECT_FLOAT_EQ(gs.players[awayForward].maxSpeed, 15.0f);
  EXPECT_FLOAT_EQ(gs.players[awayForward].accel, 1.8f);
  EXPECT_EQ(gs.players[awayForward].turnStep, 25);

  // Boosts never compound, even on ground that keeps the last values.
  SetMovementValues(gs, homeForward);
  gs.boostAccel = 1, gs.boostSpeed = 1, gs.boostTurn = 1;
  Fill(gs, 12);
  for (int i = 0; i < 200; ++i) SetMovementValues(gs, homeForward);
  EXPECT_FLOAT_EQ(p.accel, 1.6f);
  EXPECT_FLOAT_EQ(p.maxSpeed, 20.0f);
  EXPECT_EQ(p.turnStep, 40);
}

TEST(MatchMovement, TheHumanForwardDrivesTurnsBrakesAndStaysInTheField) {
  auto f = MatchForm();
  GameState& gs = f->gs;
  Fill(gs, 1);
  MatchPlayer& p = gs.players[homeForward];
  p.speed = 0;
  // Up with Shift: at least twice the top speed, at most 2 * accel beyond it.
  gs.arrowHeld[1] = 1;
  gs.shiftHeld = 1;
  for (int i = 0; i < 40; ++i) {
    p.x = 200, p.y = 200;
    MovePlayer(*f, homeForward);
  }
  EXPECT_GE(p.speed, 10.0f);
  EXPECT_LE(p.speed, 10.0f + 0.8f + 1e-4f);
  // Without Shift it brakes by half the acceleration back down to the top speed.
  gs.shiftHeld = 0;
  const float fast = p.speed;
  MovePlayer(*f, homeForward);
  EXPECT_NEAR(p.speed, fast - 0.2f, 1e-4);
  // Right turns by turnStep, with Shift by twice that; the heading stays 0..359.
  gs.arrowHeld = {0, 0, 1, 0};
  p.heading = 355;
  MovePlayer(*f, homeForward);
  EXPECT_EQ(p.heading, 5);
  // Driving into the right wall: kept at x 544 with its speed.
  p.heading = 0;
  p.speed = 5;
  gs.arrowHeld = {0, 1, 0, 0};
  p.x = 540;
  MovePlayer(*f, homeForward);
  KeepPlayersInField(gs);
  EXPECT_EQ(p.x, 544);
  EXPECT_GT(p.speed, 4.9f);
  // Caught: the speed is gone, but it still turns.
  gs.caughtFlag[homeForward] = 1;
  gs.arrowHeld = {1, 1, 0, 0};
  p.x = 300, p.y = 300;
  MovePlayer(*f, homeForward);
  EXPECT_EQ(p.x, 300);
  EXPECT_EQ(p.y, 300);
  EXPECT_EQ(p.heading, 350);
}

TEST(MatchMovement, TheHumanBackSlidesAndAimsWithinACircle) {
  auto f = MatchForm();
  GameState& gs = f->gs;
  gs.playerRole = 2;
  Fill(gs, 1);
  MatchPlayer& p = gs.players[homeBack];
  gs.arrowHeld = {1, 0, 0, 1};  // Left and Down
  for (int i = 0; i < 2000; ++i) {
    p.y = 200;
    MovePlayer(*f, homeBack);
    ASSERT_GE(p.shotAngle, 0);
    ASSERT_LE(p.shotAngle, 359);
  }
  EXPECT_FLOAT_EQ(p.vy, 5.0f);  // held at the top speed
  EXPECT_EQ(p.x, 32);           // a back never leaves its line
  // Released: it eases off by half the acceleration a step.
  gs.arrowHeld = {0, 0, 0, 0};
  MovePlayer(*f, homeBack);
  EXPECT_FLOAT_EQ(p.vy, 4.8f);
  // While the hero plays back the computer drives the forward at up to 1.5
  // times its top speed, whatever the keys say.
  gs.arrowHeld = {0, 0, 0, 1};
  MovePlayer(*f, homeForward);
  EXPECT_FLOAT_EQ(gs.players[homeForward].speed, 3.0f + 0.6f);
}

TEST(MatchBall, FlightFrictionLimitsGoalsAndWalls) {
  auto f = MatchForm();
  GameState& gs = f->gs;
  MatchBall& b = gs.ball;
  Fill(gs, 4);
  b.speed = 30, b.direction = 0, b.x = 100, b.y = 100;
  BallStep(gs);
  EXPECT_FLOAT_EQ(b.speed, 24.0f);  // the limit, and no friction on ice
  gs.motivated = 0;
  b.speed = 30;
  BallStep(gs);
  EXPECT_FLOAT_EQ(b.speed, 20.0f);
  Fill(gs, 2);  // water: skims while fast, then sinks
  b.speed = 16;
  BallStep(gs);
  EXPECT_FLOAT_EQ(b.speed, 15.9f);
  b.speed = 14;
  BallStep(gs);
  EXPECT_FLOAT_EQ(b.speed, 13.0f);

  // The centre band of a goal line scores 2, open at both ends.
  struct Case {
    float y;
    int points;
  } cases[] = {{183, 1}, {183.5f, 2}, {246.5f, 2}, {247, 1}};
  for (const Case& c : cases) {
    gs.homeScore = gs.awayScore = 0;
    b.x = 31, b.y = c.y;
    EXPECT_EQ(GoalsAndWalls(gs), 1);
    EXPECT_EQ(gs.awayScore, c.points) << c.y;
    // Out at once from the scorer's back.
    EXPECT_EQ(b.x, gs.players[awayBack].x - 9);
    EXPECT_EQ(b.y, gs.players[awayBack].y + 7);
    EXPECT_EQ(b.speed, 0);
    EXPECT_EQ(b.direction, 180);
  }
  b.x = 560, b.y = 300;
  EXPECT_EQ(GoalsAndWalls(gs), 0);
  EXPECT_EQ(gs.homeScore, 1);
  EXPECT_EQ(b.x, gs.players[homeBack].x + 23);

  // The top wall mirrors the direction; the next step brings it into 0..359.
  b.x = 300, b.y = 20, b.direction = 300, b.speed = 0;
  EXPECT_EQ(GoalsAndWalls(gs), -1);
  EXPECT_EQ(b.y, 32);
  EXPECT_EQ(b.direction, -300);
  BallStep(gs);
  EXPECT_EQ(b.direction, 60);
  b.y = 405;
  GoalsAndWalls(gs);
  EXPECT_EQ(b.y, 398);
}

TEST(MatchBall, EachPlayerSendsTheBallItsOwnWay) {
  auto f = MatchForm();
  GameState& gs = f->gs;
  MatchBall& b = gs.ball;
  // A back meets a resting ball with 5 plus its power.
  b.speed = 0;
  gs.players[homeBack].shotAngle = 33;
  HomeBackHits(gs);
  EXPECT_FLOAT_EQ(b.speed, 5.0f + 8);
  EXPECT_EQ(b.direction, 33);
  // The human forward shoots exactly along his heading.
  b.speed = 0;
  gs.players[homeForward].heading = 123;
  gs.players[homeForward].accel = 0.4f;
  HomeForwardHits(gs);
  EXPECT_FLOAT_EQ(b.speed, 0.4f + 8);
  EXPECT_EQ(b.direction, 123);
  // マッスルボディ: four times the power.
  gs.boostPower = 1;
  b.speed = 0;
  HomeForwardHits(gs);
  EXPECT_FLOAT_EQ(b.speed, 0.4f + 32);
  // The computer's away forward aims at the home goal within its cone, with
  // a random -25..+23 degrees; facing the goal it shoots straight at it.
  gs.players[awayForward].heading = 180;
  gs.players[awayForward].x = 300, gs.players[awayForward].y = 200;
  b.x = 300 - 9 + 16, b.y = 224 - 9;
  for (int i = 0; i < 50; ++i) {
    b.speed = 0;
    AwayForwardHits(gs);
    EXPECT_GE(b.direction, 180 - 25);
    EXPECT_LE(b.direction, 180 + 23);
  }
  // Backs 11 and 20 shoot anywhere 90..269.
  gs.opponentCast = 11;
  for (int i = 0; i < 50; ++i) {
    AwayBackHits(gs);
    EXPECT_GE(b.direction, 90);
    EXPECT_LE(b.direction, 269);
  }
  // Back 13 passes to its forward: straight up when they share an x and the
  // back is lower.
  gs.opponentCast = 4;
  gs.players[awayForward].x = 300, gs.players[awayForward].y = 200;
  gs.players[awayBack].x = 300, gs.players[awayBack].y = 300;
  AwayBackHits(gs);
  EXPECT_EQ(b.direction, 270);
}

TEST(MatchStepOrder, TouchingBoxesDoNotHitAndTheReceptionistsBackMirrorsTheBall) {
  auto f = MatchForm();
  GameState& gs = f->gs;
  // The home forward's box is its whole 32 x 32: a ball just touching its
  // right edge is no hit, one pixel further in is.
  gs.players[homeForward].x = 100, gs.players[homeForward].y = 100;
  gs.ball.x = 132, gs.ball.y = 100;
  EXPECT_FALSE(IntersectRect(BuildHitBoxes(gs).player[homeForward], BuildHitBoxes(gs).ball));
  gs.ball.x = 131;
  EXPECT_TRUE(IntersectRect(BuildHitBoxes(gs).player[homeForward], BuildHitBoxes(gs).ball));
  // The away boxes are 3 pixels inside the sprite.
  gs.players[awayForward].x = 200, gs.players[awayForward].y = 100;
  gs.ball.x = 200 - 18 + 3, gs.ball.y = 100;
  EXPECT_FALSE(IntersectRect(BuildHitBoxes(gs).player[awayForward], BuildHitBoxes(gs).ball));

  gs.opponentCast = 2;
  gs.opponentBackOffset = 1;
  gs.countsLeft = 50;
  gs.ball.x = 300, gs.ball.y = 123, gs.ball.speed = 0;
  MatchStep(*f);
  EXPECT_EQ(gs.players[awayBack].y, 123);
}

TEST(MatchAbilities, DashLiftsTheForwardAndSelfDestructFreezesTheMatch) {
  auto f = MatchForm();
  GameState& gs = f->gs;
  Fill(gs, 1);
  ParkBall(gs);
  gs.arrowHeld = {0, 1, 0, 1};
  MatchStep(*f);
  EXPECT_LT(gs.players[homeForward].speed, 10.0f);  // no dash without the ability
  gs.specialAbilities[0] = 1;
  MatchStep(*f);
  EXPECT_GE(gs.players[homeForward].speed, 15.0f);

  // 自爆 with all four keys: the red circle grows from the hero's corner over
  // up to five seconds, then the field is sand and the match stands still.
  gs.specialAbilities[2] = 1;
  gs.arrowHeld = {1, 1, 1, 1};
  gs.homeScore = 2;
  gs.lastCountTick = int32_t(plat::GetTickCount());
  const uint32_t before = plat::GetTickCount();
  MatchStep(*f);
  EXPECT_GE(plat::GetTickCount() - before, 5000u);
  EXPECT_EQ(gs.matchFrozen, 1);
  EXPECT_EQ(gs.specialAbilities[2], 0);
  for (int s = 0; s < 4; ++s) {
    EXPECT_EQ(gs.caughtFlag[size_t(s)], 1);
    EXPECT_EQ(gs.caughtTimer[size_t(s)], 100);
  }
  EXPECT_EQ(terrainGrid(gs)[1][1], 3);
  EXPECT_EQ(terrainGrid(gs)[12][17], 3);
  EXPECT_EQ(terrainGrid(gs)[0][0], 1);
  // Frozen: nothing moves any more, the score stands.
  const MatchBall ballBefore = gs.ball;
  const float xBefore = gs.players[homeForward].x;
  gs.arrowHeld = {0, 1, 0, 0};
  for (int i = 0; i < 20; ++i) MatchStep(*f);
  EXPECT_EQ(gs.ball.x, ballBefore.x);
  EXPECT_EQ(gs.players[homeForward].x, xBefore);
  EXPECT_EQ(gs.homeScore, 2);
}

TEST(MatchFrame, InvisiblePlayersAndTheFrozenFieldShowOnlyWhatTheyShould) {
  auto f = MatchForm();
  GameState& gs = f->gs;
  Fill(gs, 1);
  const plat::Color grass = f->pics.Picmap[1].At(10, 10);
  auto centre = [&](int slot) {
    const MatchPlayer& p = gs.players[size_t(slot)];
    return plat::Window().At(int(p.x) + 16, int(p.y) + 20);
  };
  ParkBall(gs);
  gs.players[awayForward].y = 300;
  DrawMatch(*f);
  EXPECT_NE(centre(awayForward), f->pics.Picmap[1].At(16, 20));
  EXPECT_NE(centre(homeForward), f->pics.Picmap[1].At(16, 20));
  // トゥーミー (6) is never drawn, nor is a back of cast 15.
  gs.opponentCast = 6;
  DrawMatch(*f);
  EXPECT_EQ(centre(awayForward), f->pics.Picmap[1].At(16, 20));
  EXPECT_EQ(centre(awayBack), f->pics.Picmap[1].At(16, 20));
  // Frozen: terrain and status line only.
  gs.opponentCast = 4;
  gs.matchFrozen = 1;
  DrawMatch(*f);
  EXPECT_EQ(centre(homeForward), f->pics.Picmap[1].At(16, 20));
  EXPECT_EQ(plat::Window().At(int(gs.ball.x) + 9, int(gs.ball.y) + 9),
            f->pics.Picmap[1].At((int(gs.ball.x) + 9) % 32, (int(gs.ball.y) + 9) % 32));
  // A blackout covers everything.
  gs.matchFrozen = 0;
  gs.blackoutTime = 1;
  DrawMatch(*f);
  EXPECT_EQ(plat::Window().At(5, 5), plat::kBlack);
  EXPECT_EQ(plat::Window().At(600, 440), plat::kBlack);
  (void)grass;
}
