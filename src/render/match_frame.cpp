// Composing a match frame. Traps are invisible; only spheres show. The away
// players of トゥーミー and インビ are never drawn: they play unseen.
#include "render/match_frame.h"

#include <cmath>
#include <string>
#include <vector>

#include "core/draw.h"
#include "core/numeric.h"
#include "match/field.h"
#include "platform/platform.h"
#include "platform/text.h"

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

void DrawStatusLine(plat::Surface& dst, const GameState& gs) {
  const std::u32string line = U"   -TIME " + NumberText(gs.countsLeft) + U"-       " +
                              CastName(gs, gs.homeCastIndex) + U" " + NumberText(gs.homeScore) +
                              U"-" + NumberText(gs.awayScore) + U" " +
                              CastName(gs, gs.opponentCast);
  // White with a dark edge, readable on every ground.
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (dx != 0 || dy != 0) plat::PrintText(dst, 5 + dx, 5 + dy, line, plat::RGB(24, 24, 40));
  plat::PrintText(dst, 5, 5, line, plat::kWhite);
}

}  // namespace

void DrawMatchTerrain(plat::Surface& dst, const Form1& f) {
  const GameState& gs = f.gs;
  const bool goals = gs.GameMode == kModeMatch;  // the bear's room has none
  for (int row = 0; row < 14; ++row)
    for (int col = 0; col < 19; ++col) {
      int t = terrainGrid(gs)[size_t(row)][size_t(col)];
      if (goals) t = MatchTilePicture(col, row, t);
      const plat::Surface& tile = f.pics.Picmap[size_t(t >= 0 && t < 20 ? t : 0)];
      plat::BitBlt(dst, col * 32, row * 32, 32, 32, tile, 0, 0, plat::Rop::Copy);
    }
}

void DrawAimMark(plat::Surface& dst, double x, double y, int angle) {
  const double cx = x + 16, cy = y + 16;
  const double c = std::cos(Rad(angle)), s = std::sin(Rad(angle));
  plat::DrawLine(dst, CInt(cx + 20 * c), CInt(cy + 20 * s), CInt(cx + 30 * c), CInt(cy + 30 * s),
                 plat::RGB(255, 0, 0));
}

void DrawPlayerSprite(plat::Surface& dst, const Form1& f, int slot) {
  const GameState& gs = f.gs;
  const MatchPlayer& p = gs.players[size_t(slot)];
  const int cast = CastOfSlot(gs, slot);
  if (cast < 0 || cast >= kCastCount) return;
  // Forwards face down the screen, the home back right and the away back left.
  static constexpr int kFacing[4] = {3, 2, 3, 0};
  const int frame = std::clamp<int>(p.animFrame, 0, 7);
  const int col = frame / 4 * 4 + kFacing[slot];
  DrawCharacter(dst, f.pics.Picfcha[size_t(cast)], col, CInt(p.x), CInt(p.y));
}

void DrawBallSprite(plat::Surface& dst, const Form1& f, double x, double y) {
  const plat::Surface& sheet = f.pics.Picball[f.gs.motivated == 1 ? 1 : 0];
  DrawMasked(dst, sheet, 0, 0, 18, 0, 18, 18, CInt(x), CInt(y));
}

void DrawMatch(Form1& f) {
  const GameState& gs = f.gs;
  plat::Surface& pic = f.pics.Picture1;
  DrawMatchTerrain(pic, f);
  DrawStatusLine(pic, gs);
  if (gs.matchFrozen != 1) {
    for (int i = 0; i <= gs.sphereCount && i < 11; ++i) {
      const int sx = gs.sphereX[size_t(i)], sy = gs.sphereY[size_t(i)];
      const int col = sx / 32, row = sy / 32;
      if (col < 0 || row < 0 || col >= kRoomW || row >= kRoomH) continue;
      if (gs.trapGrid[size_t(row)][size_t(col)] != 4) continue;  // aged out
      DrawMasked(pic, f.pics.Picwana4, 0, 0, 32, 0, 32, 32, sx, sy);
    }
    if (gs.fakeBallTime > 0)
      for (const FakeBall& b : gs.fakeBalls) DrawBallSprite(pic, f, b.x, b.y);
    for (int s = 0; s < 4; ++s) {
      if (gs.rubberFlag[size_t(s)] != 1) continue;
      const MatchPlayer& p = gs.players[size_t(s)];
      plat::DrawLine(pic, gs.rubberAnchorX[size_t(s)], gs.rubberAnchorY[size_t(s)],
                     CInt(p.x + 16.0), CInt(p.y + 16.0), plat::RGB(255, 255, 0));
    }
    const MatchPlayer& hf = gs.players[homeForward];
    const MatchPlayer& hb = gs.players[homeBack];
    DrawAimMark(pic, hf.x, hf.y, hf.heading);
    DrawAimMark(pic, hb.x, hb.y, hb.shotAngle);
    DrawPlayerSprite(pic, f, homeForward);
    DrawPlayerSprite(pic, f, homeBack);
    if (!Invisible(gs.opponentCast)) DrawPlayerSprite(pic, f, awayForward);
    if (!Invisible(gs.opponentCast + gs.opponentBackOffset)) DrawPlayerSprite(pic, f, awayBack);
    DrawBallSprite(pic, f, gs.ball.x, gs.ball.y);
    if (gs.blackoutTime > 0) pic.Fill(plat::kBlack);
  }
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
