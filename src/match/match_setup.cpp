// Match set-up: the battle field, the starting places, and the intro.
#include "match/match_setup.h"

#include "core/numeric.h"
#include "platform/platform.h"
#include "render/match_frame.h"
#include "world/data_file.h"

namespace moki {

void ResetMatch(GameState& gs) {
  plat::Randomize();
  // The league and the final play on field 0; the challenges on a random one.
  const int field = gs.roundNumber <= 10 ? 0 : Int(plat::Rnd() * 5) + 1;
  LoadBattleFile(gs, field);
  for (int row = 0; row <= 13; ++row)
    for (int col = 0; col <= 18; ++col) gs.trapGrid[size_t(row)][size_t(col)] = 0;

  MatchPlayer& hf = gs.players[homeForward];
  hf.x = 160, hf.y = 160, hf.vx = 0, hf.vy = 0;
  hf.speed = 3.0f, hf.accel = 0.4f, hf.heading = 0, hf.turnStep = 10;
  MatchPlayer& hb = gs.players[homeBack];
  hb.x = 32, hb.y = 150, hb.shotAngle = 0, hb.shotSweepStep = 5;
  hb.vy = 0;  // a back does not carry its last match's speed into this one
  MatchPlayer& af = gs.players[awayForward];
  af.x = 380, af.y = 140, af.prevX = 380, af.prevY = 140, af.vx = 0, af.vy = 0;
  af.speed = 5.0f, af.heading = 90;
  MatchPlayer& ab = gs.players[awayBack];
  ab.x = 544, ab.y = 150;
  ab.vy = 0;

  MatchBall& b = gs.ball;
  b.x = 313, b.y = 233;
  b.speed = float(Int(plat::Rnd() * 10) + 5);
  b.direction = static_cast<i16>(Int(plat::Rnd() * 360));
  for (MatchPlayer& p : gs.players) p.animFrame = 0;

  gs.homeScore = 0, gs.awayScore = 0;
  gs.boostSpeed = gs.boostTurn = gs.boostAccel = gs.boostPower = gs.boostAim = 0;
  gs.boostIgnoreTerrain = 0;
  gs.quakeTime = gs.blackoutTime = gs.fakeBallTime = gs.remoteBallTime = 0;
  gs.matchFrozen = 0;
  gs.windDirection = -1;
  gs.stickyBall = {0, 0};
  gs.caughtFlag = {}, gs.caughtTimer = {}, gs.rubberFlag = {}, gs.rubberAge = {};
  gs.reverseAge = {};
  gs.sphereAge = {};
  gs.sphereCount = -1;
  gs.scheduleCursor = {1, 1};
  gs.countsLeft = 60;
}

void PlayIntro(Form1& f) {
  plat::Refresh();
  const plat::Color colour = plat::QBColor(Int(plat::Rnd() * 16));
  plat::Surface& pic = f.pics.Picture1;
  const uint32_t start = plat::GetTickCount();
  int k = 0;
  while (true) {
    DrawMatchTerrain(pic, f);
    const int inset = CInt(double(static_cast<i16>(14 * k)) / 19.0);
    plat::DrawRect(pic, k, inset, 608 - k, 448 - inset, colour);
    plat::BitBlt(plat::Window(), 0, 0, 608, 448, pic, 0, 0, plat::Rop::Copy);
    plat::Present();
    k = int(int64_t(plat::GetTickCount() - start) * 304 / 2000);
    plat::DoEvents();
    if (k > 304) break;
  }
}

void KickOff(GameState& gs) {
  gs.kickOffHeld = 0;
  plat::SetTimerEnabled(true);
  gs.lastCountTick = static_cast<int32_t>(plat::GetTickCount());
}

void StartMatch(Form1& f) {
  GameState& gs = f.gs;
  ResetKeys(gs);
  plat::SetTimerEnabled(false);
  ResetMatch(gs);
  gs.GameMode = kModeMatch;
  // No match step runs under the intro, whatever Ctrl does meanwhile.
  gs.kickOffHeld = 1;
  PlayIntro(f);
  // A Ctrl pause still up when the intro ends holds the match; the Ctrl that
  // closes it kicks off.
  if (gs.statusShown == 0)
    KickOff(gs);
  else
    gs.kickOffHeld = 2;
}

}  // namespace moki
