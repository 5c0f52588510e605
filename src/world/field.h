// The match field's tiles: which tile a position lies on, and the terrain and
// trap grids read through it. A tile taken from a position is always brought
// into the grid first, so a body pushed off the field by an effect that runs
// outside the step never reads or writes beyond the grids.
#pragma once

#include <algorithm>

#include "core/game_state.h"
#include "core/numeric.h"

namespace moki {

constexpr int kFieldCols = 19;  // drawn and loaded: columns 0..18
constexpr int kFieldRows = 14;  //                   rows 0..13

inline int TileCol(double px) {
  return std::clamp(Int(px / 32.0), 0, kRoomW - 1);
}
inline int TileRow(double py) {
  return std::clamp(Int(py / 32.0), 0, kRoomH - 1);
}

// The tile under a player's centre and under the ball's centre.
inline int PlayerCol(const MatchPlayer& p) {
  return TileCol(p.x + 16.0);
}
inline int PlayerRow(const MatchPlayer& p) {
  return TileRow(p.y + 16.0);
}
inline int BallCol(const MatchBall& b) {
  return TileCol(b.x + 9.0);
}
inline int BallRow(const MatchBall& b) {
  return TileRow(b.y + 9.0);
}

inline i16 TerrainAt(const GameState& gs, int col, int row) {
  return terrainGrid(gs)[size_t(row)][size_t(col)];
}

// The goal lines are the whole of columns 0 and 18: a ball past either scores,
// 2 points with its centre in rows 6 and 7 (192 < y < 256), else 1. A match
// draws them with pictures of their own, the home side's 5 (1 point) and 6
// (2 points) and their mirror images 7 and 8 on the away side, chosen by
// position. The field files keep real ground there, and that ground still
// counts: a ball blown over the line between two steps takes its friction.
constexpr int kHomeGoalCol = 0, kAwayGoalCol = 18;
constexpr int kTwoPointTopRow = 6, kTwoPointBottomRow = 7;

// The picture of a match cell: the goal line's on the goal columns, the
// ground's everywhere else.
inline int MatchTilePicture(int col, int row, int ground) {
  if (col != kHomeGoalCol && col != kAwayGoalCol) return ground;
  const bool twoPoints = row >= kTwoPointTopRow && row <= kTwoPointBottomRow;
  return (col == kHomeGoalCol ? 5 : 7) + (twoPoints ? 1 : 0);
}

// A cast index as a row of CastStats (the bear and anything else fall back to
// the hero's row rather than reading past the table).
inline size_t StatsRow(int cast) {
  return (cast >= 0 && cast < kTeamCastCount) ? size_t(cast) : 0;
}

// Puts every player back inside the playing area.
inline void KeepPlayersInField(GameState& gs) {
  for (int s = 0; s < 4; ++s) {
    MatchPlayer& p = gs.players[size_t(s)];
    if (s == homeForward || s == awayForward) {
      if (p.x < 32) p.x = 32;
      if (p.x + 32 > 576) p.x = 544;
    }
    if (p.y < 32) p.y = 32;
    if (p.y + 32 > 416) p.y = 384;
  }
}

// The angle in whole degrees from (fromX, fromY) to (toX, toY): the
// arctangent rounded, turned half round when the target lies to the left,
// and straight up or down when the two share an x.
inline int AngleTo(double fromX, double fromY, double toX, double toY) {
  if (toX != fromX) {
    int a = CInt(Deg(std::atan((toY - fromY) / (toX - fromX))));
    if (fromX > toX) a += 180;
    return a;
  }
  return toY < fromY ? 270 : 90;
}

}  // namespace moki
