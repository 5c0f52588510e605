// The bear's game: a fireball chases the hero round the basement, the bear
// (the host's big brother) chases him too, and the hero wins by leading the
// fireball into the bear.
#include "minigame/bear_game.h"

#include "minigame/bear_rules.h"
#include "platform/platform.h"
#include "world/field.h"
#include "world/rooms.h"

namespace moki {

namespace {

// A second of the red X over whoever lost, with the world stopped; the
// window still answers while it shows.
void ShowLoser(Form1& f, bool bearLost) {
  plat::SetTimerEnabled(false);
  const uint32_t start = plat::GetTickCount();
  while (plat::GetTickCount() - start < 1000) {
    DrawLoserCross(f, bearLost);
    plat::Present();
    plat::DoEvents();
  }
}

}  // namespace

void StartBearGame(Form1& f) {
  BearApproach(f);
  SetUpBearGame(f);
}

void SetUpBearGame(Form1& f) {
  GameState& gs = f.gs;
  if (gs.currentRoom < 1 || gs.currentRoom > 3) {
    gs.bearGamePending = 0;  // only the basement has a bear to play against
    return;
  }
  const int m = gs.currentRoom - 1;
  gs.bearIndex = static_cast<i16>(m);

  MatchPlayer& hero = gs.players[homeForward];
  hero.x = hero.prevX = float(32 * gs.playerX);
  hero.y = hero.prevY = float(32 * gs.playerY);
  hero.speed = 0;
  hero.heading = 180;
  hero.vx = hero.vy = 0;
  hero.driftX = hero.driftY = 0;
  // The hero comes down on his own legs: the values of plain ground until
  // the basement's ground gives its own, and nothing of the last match.
  hero.groundMaxSpeed = hero.maxSpeed = gs.castMaxSpeed[0];
  hero.groundAccel = hero.accel = gs.castAccel[0];
  hero.groundTurnStep = hero.turnStep = gs.castTurnStep[0];
  gs.boostSpeed = gs.boostAccel = gs.boostTurn = gs.boostIgnoreTerrain = 0;
  // A trap that still held him when the match ended, and the match's traps
  // under the floor, stay upstairs.
  gs.caughtFlag = {}, gs.caughtTimer = {};
  gs.rubberFlag = {}, gs.rubberAge = {};
  for (auto& row : gs.trapGrid) row.fill(0);
  gs.playerRole = 1;  // the keys drive him as a forward

  gs.bearX = 100, gs.bearY = 60;
  gs.bearDirection = 0;
  // The speed of the bear's ground, or of plain ground if that gives none.
  const int cx = 100 + BearWidth(m) / 2, cy = 60 + BearHeight(m) / 4;
  if (!BearGroundSpeed(m, TerrainAt(gs, TileCol(cx), TileRow(cy)), gs.bearSpeed))
    gs.bearSpeed = float(m + 3);
  gs.fireX = 200, gs.fireY = 50;
  gs.fireSpeed = float(gs.currentRoom + 4);
  gs.fireDirection = 45;
  gs.fireFrame = 0;
  gs.GameMode = kModeBear;
}

void bearStep(Form1& f) {
  GameState& gs = f.gs;
  MoveBearHero(gs);
  MoveBear(gs);
  MoveFireball(gs);
  const BearHit hit = JudgeBearGame(gs);
  if (hit != BearHit::None) {
    const bool won = hit == BearHit::HeroWins;
    ShowLoser(f, won);
    EndBearGame(f, won ? 1 : 0);
    AtRest(f);  // the host has spoken and the bear has taken its steps
    return;
  }
  KeepInBasement(gs);
  DrawBearGame(f);
  plat::Present();
}

}  // namespace moki
