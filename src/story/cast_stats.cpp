// CastStats: how fast each cast member runs, accelerates, turns, shoots and
// corrects his aim in a match, as they are at the start of a game.
#include "story/cast_stats.h"

namespace moki {

namespace {

struct CastStatRow {
  float maxSpeed;
  float accel;
  i16 turnStep;
  i16 shotPower;
  i16 aimCone;
};

// By cast index 0..21: the hero and partner, the final pair, then the nine
// league forwards (4..12) and their backs (13..21).
constexpr CastStatRow kNewGameStats[kTeamCastCount] = {
    {5.0f, 0.4f, 10, 8, 45},      // 0
    {5.0f, 0.4f, 10, 8, 45},      // 1
    {20.0f, 20.0f, 30, 24, 180},  // 2
    {10.0f, 10.0f, 30, 24, 180},  // 3
    {10.0f, 0.8f, 20, 6, 45},     // 4
    {7.0f, 0.4f, 10, 4, 120},     // 5
    {7.5f, 0.6f, 15, 6, 45},      // 6
    {12.0f, 2.0f, 10, 12, 45},    // 7
    {10.0f, 0.8f, 15, 10, 45},    // 8
    {25.0f, 0.6f, 10, 2, 45},     // 9
    {10.0f, 1.0f, 20, 10, 45},    // 10
    {8.0f, 1.0f, 15, 24, 0},      // 11
    {15.0f, 2.0f, 25, 14, 180},   // 12
    {5.0f, 0.4f, 10, 10, 90},     // 13
    {10.0f, 1.0f, 15, 14, 30},    // 14
    {7.5f, 0.6f, 15, 7, 45},      // 15
    {6.0f, 0.6f, 10, 5, 150},     // 16
    {8.0f, 1.6f, 15, 10, 90},     // 17
    {20.0f, 3.0f, 10, 3, 90},     // 18
    {8.0f, 1.0f, 15, 8, 60},      // 19
    {2.5f, 2.5f, 15, 24, 15},     // 20
    {15.0f, 1.6f, 25, 14, 120},   // 21
};

}  // namespace

void ResetCastStats(GameState& gs) {
  for (int c = 0; c < kTeamCastCount; ++c) {
    gs.castMaxSpeed[c] = kNewGameStats[c].maxSpeed;
    gs.castAccel[c] = kNewGameStats[c].accel;
    gs.castTurnStep[c] = kNewGameStats[c].turnStep;
    gs.castShotPower[c] = kNewGameStats[c].shotPower;
    gs.castAimCone[c] = kNewGameStats[c].aimCone;
  }
}

}  // namespace moki
