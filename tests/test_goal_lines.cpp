// The goal lines: what every field shows on its goal columns, that the picture
// there tells what a goal scores, that nothing that changes the ground during
// a match reaches them, and that the ground under them still counts.
#include <gtest/gtest.h>

#include <cmath>

#include "items/field_effects.h"
#include "items/traps.h"
#include "match/ball.h"
#include "match/match_step.h"
#include "match/movement.h"
#include "render/match_frame.h"
#include "test_support.h"
#include "world/data_file.h"
#include "world/field.h"

using namespace moki;

namespace {

std::unique_ptr<Form1> FieldForm(int field) {
  auto f = testing_support::LeagueMatchForm(1, 1);
  LoadBattleFile(f->gs, field);
  return f;
}

// Whether the 32 x 32 cell (col, row) of a surface is exactly a tile picture.
bool CellIs(const plat::Surface& s, int col, int row, const plat::Surface& tile) {
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (s.At(col * 32 + x, row * 32 + y) != tile.At(x, y)) return false;
  return true;
}

// How far apart two pictures look: the summed difference of their mean red,
// green and blue.
int Apart(const plat::Surface& a, const plat::Surface& b) {
  auto mean = [](const plat::Surface& s, int shift) {
    long sum = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) sum += (s.At(x, y) >> shift) & 255;
    return int(sum / (32 * 32));
  };
  int d = 0;
  for (int shift : {16, 8, 0}) d += std::abs(mean(a, shift) - mean(b, shift));
  return d;
}

using Field = Grid<kRoomW, kRoomH>;

}  // namespace

TEST(GoalLines, EveryFieldShowsBothLinesAndTheirTwoPointMiddles) {
  for (int n = 0; n <= 5; ++n) {
    SCOPED_TRACE(n);
    auto f = FieldForm(n);
    GameState& gs = f->gs;
    const Field before = terrainGrid(gs);
    DrawMatch(*f);
    const plat::Surface& w = plat::Window();
    const auto& pic = f->pics.Picmap;
    for (int row = 0; row < kFieldRows; ++row) {
      const bool two = row == 6 || row == 7;
      // Row 0 of the home line is under the status line.
      if (row > 0) {
        EXPECT_TRUE(CellIs(w, 0, row, pic[two ? 6 : 5])) << "home, row " << row;
      }
      EXPECT_TRUE(CellIs(w, 18, row, pic[two ? 8 : 7])) << "away, row " << row;
      // The field beside each line is its own ground (the backs stand in rows 4 and 5).
      if (row >= 7) {
        EXPECT_TRUE(CellIs(w, 1, row, pic[size_t(before[size_t(row)][1])])) << row;
        EXPECT_TRUE(CellIs(w, 17, row, pic[size_t(before[size_t(row)][17])])) << row;
      }
      // Each line stands out from the ground beside it, and its middle from the rest.
      EXPECT_GT(Apart(pic[two ? 6 : 5], pic[size_t(before[size_t(row)][1])]), 150) << row;
      EXPECT_GT(Apart(pic[two ? 8 : 7], pic[size_t(before[size_t(row)][17])]), 150) << row;
    }
    EXPECT_GT(Apart(pic[5], pic[6]), 150);
    // Only the picture changes: the grid keeps the ground the file gave.
    EXPECT_EQ(terrainGrid(gs), before);
  }
}

TEST(GoalLines, ThePictureTellsWhatAGoalThereScores) {
  auto f = FieldForm(0);
  GameState& gs = f->gs;
  for (int row = 0; row < kFieldRows; ++row) {
    for (int col : {kHomeGoalCol, kAwayGoalCol}) {
      SCOPED_TRACE(testing::Message() << "row " << row << ", column " << col);
      const int picture = MatchTilePicture(col, row, 1);
      ASSERT_TRUE(picture >= 5 && picture <= 8);
      const bool twoPointPicture = picture == 6 || picture == 8;
      // The ball's centre in the middle of the cell, over the line.
      gs.homeScore = gs.awayScore = 0;
      gs.ball.x = col == kHomeGoalCol ? 10.0f : 570.0f;
      gs.ball.y = float(row * 32 + 16 - 9);
      GoalsAndWalls(gs);
      EXPECT_EQ(gs.homeScore + gs.awayScore, twoPointPicture ? 2 : 1);
      // The band's ends: the last pixel rows of the middle still score 2.
      if (twoPointPicture) {
        gs.homeScore = gs.awayScore = 0;
        gs.ball.x = col == kHomeGoalCol ? 10.0f : 570.0f;
        gs.ball.y = float(row * 32 + (row == 6 ? 1 : 31) - 9);
        GoalsAndWalls(gs);
        EXPECT_EQ(gs.homeScore + gs.awayScore, 2);
      }
    }
  }
  // Away from the goal columns the ground's own picture is drawn.
  for (int col = 1; col <= 17; ++col) EXPECT_EQ(MatchTilePicture(col, 6, 4), 4);
}

TEST(GoalLines, FieldChangesCratersAndSelfDestructLeaveTheLines) {
  auto f = FieldForm(4);  // its goal columns hold grass, water and ice
  GameState& gs = f->gs;
  const Field file = terrainGrid(gs);
  auto lines_as_in_the_file = [&] {
    for (int row = 0; row < kFieldRows; ++row)
      for (int col : {kHomeGoalCol, kAwayGoalCol})
        if (terrainGrid(gs)[size_t(row)][size_t(col)] != file[size_t(row)][size_t(col)])
          return false;
    return true;
  };
  MatchPlayer& hf = gs.players[homeForward];
  MatchPlayer& af = gs.players[awayForward];
  // Every ground, from forwards pressed into each corner and against each line.
  for (int k = 1; k <= 4; ++k)
    for (float y : {32.0f, 208.0f, 384.0f}) {
      hf.x = 32, hf.y = y, af.x = 544, af.y = y;
      ChangeField(gs, 0, k);
      ChangeField(gs, 1, k);
      EXPECT_TRUE(lines_as_in_the_file()) << k << " at " << y;
    }
  // Mines going off at the lines, first on grass so the crater spreads.
  for (int row = 1; row <= 12; ++row) {
    for (auto& r : terrainGrid(gs))
      for (size_t c = 1; c <= 17; ++c) r[c] = 1;
    for (int col : {1, 17}) {
      gs.blastCentreX = static_cast<i16>(col * 32 + 16);
      gs.blastCentreY = static_cast<i16>(row * 32 + 16);
      Blast(gs);
    }
    EXPECT_EQ(terrainGrid(gs)[size_t(row)][1], 3);  // the crater is there
    EXPECT_TRUE(lines_as_in_the_file()) << "mine in row " << row;
  }
  // 自爆 turns the whole field to sand, and the lines are still drawn.
  gs.specialAbilities[2] = 1;
  gs.arrowHeld = {1, 1, 1, 1};
  gs.lastCountTick = int32_t(plat::GetTickCount());
  MatchStep(*f);
  ASSERT_EQ(gs.matchFrozen, 1);
  EXPECT_EQ(terrainGrid(gs)[6][1], 3);
  EXPECT_TRUE(lines_as_in_the_file());
  DrawMatch(*f);
  EXPECT_TRUE(CellIs(plat::Window(), 0, 6, f->pics.Picmap[6]));
  EXPECT_TRUE(CellIs(plat::Window(), 18, 12, f->pics.Picmap[7]));
}

// Winds used between two steps (the player's item keys, the computer's items
// at the count) push the ball and the forwards 6 pixels each before the next
// step keeps them in the field, so a body can stand over a goal line when its
// ground is read. That ground keeps acting as ground, which is why the field
// files keep real ground on the goal columns and the lines are only drawn.
TEST(GoalLines, TheGroundUnderTheLinesStillCounts) {
  auto f = FieldForm(4);
  GameState& gs = f->gs;
  ASSERT_EQ(terrainGrid(gs)[3][0], 1);  // grass on the line,
  ASSERT_EQ(terrainGrid(gs)[3][1], 2);  // water beside it
  MatchBall& b = gs.ball;
  b.x = 33, b.y = 100, b.speed = 0;
  BallStep(gs);
  EXPECT_EQ(gs.ballFriction, 1.0f);  // on the water
  StartWind(*f, 0);
  StartWind(*f, 0);
  ASSERT_EQ(BallCol(b), 0);
  BallStep(gs);
  EXPECT_EQ(gs.ballFriction, 0.2f);  // the grass under the home line

  MatchPlayer& hf = gs.players[homeForward];
  hf.x = 32, hf.y = 100;
  const float grass = gs.castMaxSpeed[size_t(gs.homeCastIndex)];
  SetMovementValues(gs, homeForward);
  EXPECT_LT(hf.maxSpeed, grass);  // on the water
  for (int i = 0; i < 3; ++i) StartWind(*f, 0);
  ASSERT_EQ(PlayerCol(hf), 0);
  SetMovementValues(gs, homeForward);
  EXPECT_EQ(hf.maxSpeed, grass);  // the grass under the home line
}

TEST(GoalLines, TheBearsRoomHasNoGoals) {
  auto f = FieldForm(0);
  GameState& gs = f->gs;
  LoadRoomFile(gs, 2);
  gs.GameMode = kModeBear;
  plat::Surface s(608, 448);
  DrawMatchTerrain(s, *f);
  for (int row = 0; row < kFieldRows; ++row)
    for (int col : {0, 18})
      EXPECT_TRUE(CellIs(s, col, row, f->pics.Picmap[size_t(gs.roomMap[size_t(row)][size_t(col)])]))
          << col << "," << row;
}
