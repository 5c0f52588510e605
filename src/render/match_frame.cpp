// Composing a match frame. Traps are invisible; only spheres show. The away
// players of トゥーミー and インビ are never drawn: they play unseen.
#include "render/match_frame.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/draw.h"
#include "core/numeric.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "story/language.h"
#include "world/field.h"

namespace moki {

namespace {

int CastOfSlot(const GameState& gs, int slot) {
  switch (slot) {
    case homeForward:
      return gs.homeCastIndex;
    case homeBack:
      return gs.homeCastIndex + 1;
    case awayForward:
      return gs.opponentCast;
    default:
      return gs.opponentCast + gs.opponentBackOffset;
  }
}

bool Invisible(int cast) {
  return cast == 6 || cast == 15;
}

const WString& CastName(const GameState& gs, int cast) {
  static const WString none;
  return (cast >= 0 && cast < kCastCount) ? gs.castNames[size_t(cast)] : none;
}

WString StatusLine(const GameState& gs) {
  return FillIn(Texts(gs).matchLine, {{U"time", NumberText(gs.countsLeft)},
                                      {U"home", CastName(gs, gs.homeCastIndex)},
                                      {U"homescore", NumberText(gs.homeScore)},
                                      {U"awayscore", NumberText(gs.awayScore)},
                                      {U"away", CastName(gs, gs.opponentCast)}});
}

void DrawStatusLine(plat::Surface& dst, const WString& line) {
  // White with a dark edge, readable on every ground.
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (dx != 0 || dy != 0) plat::PrintText(dst, 5 + dx, 5 + dy, line, plat::RGB(24, 24, 40));
  plat::PrintText(dst, 5, 5, line, plat::kWhite);
}

// The field's tiles, drawn again only when terrainGrid has changed since
// (a new match, a field change, a crater, 自爆, the basement's floor).
const plat::Surface& TerrainPicture(Form1& f) {
  MatchBackdrop& b = f.matchBackdrop;
  const auto& grid = terrainGrid(f.gs);
  const bool goals = f.gs.GameMode == kModeMatch;  // the bear's room has none
  if (b.terrainMade && b.terrainOf == grid && b.terrainGoals == goals) return b.terrain;
  if (b.terrain.w != 608 || b.terrain.h != 448) b.terrain.Resize(608, 448);
  for (int row = 0; row < 14; ++row)
    for (int col = 0; col < 19; ++col) {
      int t = grid[size_t(row)][size_t(col)];
      if (goals) t = MatchTilePicture(col, row, t);
      const plat::Surface& tile = f.pics.Picmap[size_t(t >= 0 && t < 20 ? t : 0)];
      plat::BitBlt(b.terrain, col * 32, row * 32, 32, 32, tile, 0, 0, plat::Rop::Copy);
    }
  b.terrainOf = grid;
  b.terrainGoals = goals;
  b.terrainMade = true;
  return b.terrain;
}

// The field with the status line over it: what a match frame shows under
// its players. Drawn again only when the tiles or the line's text change.
const plat::Surface& Backdrop(Form1& f) {
  MatchBackdrop& b = f.matchBackdrop;
  const plat::Surface& terrain = TerrainPicture(f);
  WString line = StatusLine(f.gs);
  if (b.withStatusOn == terrain.version && b.statusOf == line) return b.withStatus;
  b.withStatus = terrain;
  DrawStatusLine(b.withStatus, line);
  b.statusOf = std::move(line);
  b.withStatusOn = terrain.version;
  return b.withStatus;
}

plat::Area LineArea(int x1, int y1, int x2, int y2) {
  return {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1};
}

}  // namespace

void DrawMatchTerrain(plat::Surface& dst, Form1& f) {
  plat::BitBlt(dst, 0, 0, 608, 448, TerrainPicture(f), 0, 0, plat::Rop::Copy);
}

plat::Area DrawAimMark(plat::Surface& dst, double x, double y, int angle) {
  const double cx = x + 16, cy = y + 16;
  const double c = std::cos(Rad(angle)), s = std::sin(Rad(angle));
  const int x1 = CInt(cx + 20 * c), y1 = CInt(cy + 20 * s);
  const int x2 = CInt(cx + 30 * c), y2 = CInt(cy + 30 * s);
  plat::DrawLine(dst, x1, y1, x2, y2, plat::RGB(255, 0, 0));
  return LineArea(x1, y1, x2, y2);
}

plat::Area DrawPlayerSprite(plat::Surface& dst, const Form1& f, int slot) {
  const GameState& gs = f.gs;
  const MatchPlayer& p = gs.players[size_t(slot)];
  const int cast = CastOfSlot(gs, slot);
  if (cast < 0 || cast >= kCastCount) return {};
  // Forwards face down the screen, the home back right and the away back left.
  static constexpr int kFacing[4] = {3, 2, 3, 0};
  const int frame = std::clamp<int>(p.animFrame, 0, 7);
  const int col = frame / 4 * 4 + kFacing[slot];
  const int x = CInt(p.x), y = CInt(p.y);
  DrawCharacter(dst, f.pics.Picfcha[size_t(cast)], col, x, y);
  return {x, y, 32, 32};
}

plat::Area DrawBallSprite(plat::Surface& dst, const Form1& f, double x, double y) {
  const plat::Surface& sheet = f.pics.Picball[f.gs.motivated == 1 ? 1 : 0];
  DrawMasked(dst, sheet, 0, 0, 18, 0, 18, 18, CInt(x), CInt(y));
  return {CInt(x), CInt(y), 18, 18};
}

void DrawMatch(Form1& f) {
  const GameState& gs = f.gs;
  plat::Surface& pic = f.pics.Picture1;
  MatchBackdrop& b = f.matchBackdrop;
  // The field and the status line go under everything. Where Picture1 is
  // still as the last match frame left it, over the same field and line,
  // only the places that frame drew over need them back; otherwise (a new
  // count, a goal, a changed tile, anything else drawn on it) all of it does.
  const plat::Surface& backdrop = Backdrop(f);
  if (pic.version == b.picture1 && backdrop.version == b.picture1On) {
    for (const plat::Area& a : b.drawnOver)
      plat::BitBlt(pic, a.x, a.y, a.w, a.h, backdrop, a.x, a.y, plat::Rop::Copy);
  } else {
    plat::BitBlt(pic, 0, 0, 608, 448, backdrop, 0, 0, plat::Rop::Copy);
  }
  std::vector<plat::Area>& drawn = b.drawnOver;
  drawn.clear();
  if (gs.matchFrozen != 1) {
    for (int i = 0; i <= gs.sphereCount && i < 11; ++i) {
      const int sx = gs.sphereX[size_t(i)], sy = gs.sphereY[size_t(i)];
      const int col = sx / 32, row = sy / 32;
      if (col < 0 || row < 0 || col >= kRoomW || row >= kRoomH) continue;
      if (gs.trapGrid[size_t(row)][size_t(col)] != 4) continue;  // aged out
      DrawMasked(pic, f.pics.Picwana4, 0, 0, 32, 0, 32, 32, sx, sy);
      drawn.push_back({sx, sy, 32, 32});
    }
    if (gs.fakeBallTime > 0)
      for (const FakeBall& ball : gs.fakeBalls)
        drawn.push_back(DrawBallSprite(pic, f, ball.x, ball.y));
    for (int s = 0; s < 4; ++s) {
      if (gs.rubberFlag[size_t(s)] != 1) continue;
      const MatchPlayer& p = gs.players[size_t(s)];
      const int x1 = gs.rubberAnchorX[size_t(s)], y1 = gs.rubberAnchorY[size_t(s)];
      const int x2 = CInt(p.x + 16.0), y2 = CInt(p.y + 16.0);
      plat::DrawLine(pic, x1, y1, x2, y2, plat::RGB(255, 255, 0));
      drawn.push_back(LineArea(x1, y1, x2, y2));
    }
    const MatchPlayer& hf = gs.players[homeForward];
    const MatchPlayer& hb = gs.players[homeBack];
    drawn.push_back(DrawAimMark(pic, hf.x, hf.y, hf.heading));
    drawn.push_back(DrawAimMark(pic, hb.x, hb.y, hb.shotAngle));
    drawn.push_back(DrawPlayerSprite(pic, f, homeForward));
    drawn.push_back(DrawPlayerSprite(pic, f, homeBack));
    if (!Invisible(gs.opponentCast)) drawn.push_back(DrawPlayerSprite(pic, f, awayForward));
    if (!Invisible(gs.opponentCast + gs.opponentBackOffset))
      drawn.push_back(DrawPlayerSprite(pic, f, awayBack));
    drawn.push_back(DrawBallSprite(pic, f, gs.ball.x, gs.ball.y));
    if (gs.blackoutTime > 0) {
      pic.Fill(plat::kBlack);
      drawn.assign(1, plat::Area{0, 0, 608, 448});
    }
  }
  b.picture1 = pic.version;
  b.picture1On = backdrop.version;
  plat::BitBlt(plat::Window(), 0, 0, 608, 448, pic, 0, 0, plat::Rop::Copy);
}

void QueueWindowStreak(Form1& f, int x1, int y1, int x2, int y2) {
  f.windowStreaks.push_back({x1, y1, x2, y2});
}

void ShowMatchFrame(Form1& f) {
  DrawMatch(f);
  // The wind blows before the frame is composed, so its streaks go on the
  // window after the copy, to be seen for this one frame.
  for (const auto& s : f.windowStreaks)
    plat::DrawLine(plat::Window(), s[0], s[1], s[2], s[3], plat::kWhite);
  f.windowStreaks.clear();
  plat::Present();
}

}  // namespace moki
