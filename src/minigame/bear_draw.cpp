// Drawing the bear's game: the basement floor, the hero's aim mark, the host
// at his cell, the hero, the bear and the fireball, each a masked sprite.
#include "core/draw.h"
#include "core/numeric.h"
#include "minigame/bear_game.h"
#include "minigame/bear_rules.h"
#include "platform/platform.h"
#include "render/match_frame.h"

namespace moki {

namespace {

constexpr size_t kHost = 22;

}  // namespace

void DrawBearGame(Form1& f) {
  const GameState& gs = f.gs;
  Pictures& p = f.pics;
  plat::Surface& pic = p.Picture1;
  const MatchPlayer& hero = gs.players[homeForward];

  DrawMatchTerrain(pic, f);
  DrawAimMark(pic, hero.x, hero.y, hero.heading);
  DrawCharacter(pic, p.Picfcha[kHost], 0, 32 * gs.castX[kHost], 32 * gs.castY[kHost]);
  DrawCharacter(pic, p.Picfcha[0], 3, CInt(hero.x), CInt(hero.y));

  const int m = BearLevel(gs);
  const int w = BearWidth(m), half = BearHeight(m) / 2;
  DrawMasked(pic, p.Pickuma[size_t(m)], 0, 0, 0, half, w, half, CInt(gs.bearX), CInt(gs.bearY));

  const int fw = p.Picfire.w / 2, fh = p.Picfire.h / 2;
  const int frame = gs.fireFrame == 0 ? 0 : 1;
  DrawMasked(pic, p.Picfire, frame * fw, 0, frame * fw, fh, fw, fh, CInt(gs.fireX), CInt(gs.fireY));

  plat::BitBlt(plat::Window(), 0, 0, 608, 448, pic, 0, 0, plat::Rop::Copy);
}

void DrawLoserCross(Form1& f, bool bearLost) {
  const GameState& gs = f.gs;
  int x, y, w, h;
  if (bearLost) {
    const int m = BearLevel(gs);
    x = CInt(gs.bearX), y = CInt(gs.bearY);
    w = BearWidth(m), h = BearHeight(m) / 2;
  } else {
    x = CInt(gs.players[homeForward].x), y = CInt(gs.players[homeForward].y);
    w = h = 32;
  }
  const plat::Color red = plat::RGB(255, 0, 0);
  plat::Surface& window = plat::Window();
  plat::DrawLine(window, x, y, x + w, y + h, red);
  plat::DrawLine(window, x, y + h, x + w, y, red);
}

}  // namespace moki
