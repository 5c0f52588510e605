// The heart of a match: each tick the away side, then the home side move, the
// ball flies, the hits are tested, the abilities and field effects act, the
// players are kept on the field, goals are scored and the frame is drawn.
#include "match/match_step.h"

#include "core/numeric.h"
#include "items/field_effects.h"
#include "match/ball.h"
#include "match/match_result.h"
#include "match/movement.h"
#include "platform/platform.h"
#include "render/match_frame.h"
#include "world/field.h"

namespace moki {

void MirrorBall(GameState& gs) {
  MatchPlayer& p = gs.players[awayBack];
  p.prevX = p.x;
  p.prevY = p.y;
  p.y = gs.ball.y;
  AdvanceAnim(p);
}

void DashStep(GameState& gs) {
  if (gs.arrowHeld[1] != 0 && gs.arrowHeld[3] != 0 && gs.specialAbilities[0] == 1) {
    MatchPlayer& p = gs.players[homeForward];
    if (p.speed < 3 * p.maxSpeed) p.speed = 3 * p.maxSpeed;
  }
}

void SelfDestruct(Form1& f) {
  GameState& gs = f.gs;
  plat::Surface& pic = f.pics.Picture1;
  const plat::Color red = plat::RGB(255, 0, 0);
  int radius = 0;
  // The radius is measured from the last count, so the circle needs up to
  // five seconds to cover the field.
  while (radius < 500) {
    DrawMatchTerrain(pic, f);
    DrawPlayerSprite(pic, f, homeForward);
    DrawPlayerSprite(pic, f, homeBack);
    if (gs.opponentCast != 6) {
      DrawPlayerSprite(pic, f, awayForward);
      DrawPlayerSprite(pic, f, awayBack);
    }
    DrawBallSprite(pic, f, gs.ball.x, gs.ball.y);
    const MatchPlayer& hf = gs.players[homeForward];
    plat::FillCircle(pic, CInt(hf.x), CInt(hf.y), radius, red, red);
    plat::BitBlt(plat::Window(), 0, 0, 608, 448, pic, 0, 0, plat::Rop::Copy);
    plat::Present();
    const int64_t elapsed = int64_t(plat::GetTickCount()) - gs.lastCountTick;
    radius = int(elapsed * 500 / 5000);
    plat::DoEvents();
  }
  for (int row = 1; row <= 12; ++row)
    for (int col = 1; col <= 17; ++col) terrainGrid(gs)[size_t(row)][size_t(col)] = 3;
  gs.specialAbilities[2] = 0;
  gs.matchFrozen = 1;
  for (int s = 0; s < 4; ++s) {
    gs.caughtFlag[size_t(s)] = 1;
    gs.caughtTimer[size_t(s)] = 100;
  }
}

void MatchStep(Form1& f) {
  GameState& gs = f.gs;
  // 1. After 自爆 the match only redraws until the clock runs out.
  if (gs.matchFrozen == 1) {
    ShowMatchFrame(f);
    return;
  }
  // 2. The away side.
  if (gs.opponentCast == 2) {
    MovePlayer(f, awayForward);
    if (gs.countsLeft > 50)
      MovePlayer(f, awayBack);
    else
      MirrorBall(gs);
  } else {
    MovePlayer(f, awayForward);
    MovePlayer(f, awayBack);
  }
  // 3. The home side.
  MovePlayer(f, homeForward);
  MovePlayer(f, homeBack);
  // 4, 5. The ball and the fake balls.
  BallStep(gs);
  if (gs.fakeBallTime > 0) MoveFakeBalls(gs);
  // 6, 7. Hits.
  HitTests(gs, BuildHitBoxes(gs));
  // 8, 9. The special abilities read the keys themselves, whatever the role.
  DashStep(gs);
  if (gs.arrowHeld[0] != 0 && gs.arrowHeld[1] != 0 && gs.arrowHeld[2] != 0 &&
      gs.arrowHeld[3] != 0 && gs.specialAbilities[2] == 1)
    SelfDestruct(f);
  // 10..12. Field effects.
  if (gs.windDirection >= 0 && gs.windDirection <= 3) WindStep(f);
  if (gs.quakeTime > 0) QuakeStep(gs);
  if (gs.trapGrid[size_t(BallRow(gs.ball))][size_t(BallCol(gs.ball))] == 4) SphereBounce(gs);
  // 13, 14. Bounds, goals and walls.
  KeepPlayersInField(gs);
  if (GoalsAndWalls(gs) >= 0 && gs.extraTime == 1) {
    // A golden goal: the result runs at once and nothing more of this match
    // is drawn over what follows it.
    MatchResult(f);
    return;
  }
  // 15.
  ShowMatchFrame(f);
}

}  // namespace moki
