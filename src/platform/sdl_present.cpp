// The SDL window's picture: the menu bar and the play area enlarged by
// whole multiples or as large as it fits, sent straight into the window's
// own pixels (only what changed) or through a renderer.
#include <algorithm>

#include "platform/player_setup.h"
#include "platform/sdl_window.h"

namespace plat::sdl {

using internal::kMenuBarH;

int PictureH() {
  return s.barInPicture ? kFullH : kPlayH;
}

// The picture in the window: by whole multiples, or as large as it fits.
void PlacePicture(int windowW, int windowH) {
  const bool fit = CurrentWindowSetup().fit;
  s.at = fit ? internal::PlaceFit(windowW, windowH, kPlayW, PictureH())
             : internal::PlaceWhole(windowW, windowH, kPlayW, PictureH());
  if (fit) s.fit.Prepare(kPlayW, PictureH(), s.at);
}

// From window pixels to the picture's own. Without the bar in the picture,
// its place is the top of the play area.
void ToPicture(int& x, int& y) {
  if (!s.direct) {  // the renderer may have more pixels than the window has points
    int w = 1, h = 1, outW = 1, outH = 1;
    SDL_GetWindowSize(s.window, &w, &h);
    SDL_GetRendererOutputSize(s.renderer, &outW, &outH);
    x = int(int64_t(x) * outW / std::max(1, w));
    y = int(int64_t(y) * outH / std::max(1, h));
  }
  x = x >= s.at.x ? int(int64_t(x - s.at.x) * kPlayW / s.at.w) : -1;
  y = y >= s.at.y ? int(int64_t(y - s.at.y) * PictureH() / s.at.h) : -1;
}

namespace {

// Draws area a of a part of the picture (the menu bar, or the play area
// whose top is `top` pixels down the picture), enlarged, into the window's
// pixels and notes the rectangle to send.
Area Enlarge(const Surface& part, int top, Area a, uint32_t* dst, int w, int h, int pitch) {
  if (CurrentWindowSetup().fit) {
    // Edge pixels blend the bar with the play area: both as sent.
    a.y += top;
    return s.fit.Draw(s.barInPicture ? &s.menuBarShown : nullptr, s.shown, a, dst, w, h, pitch);
  }
  return ScaleArea(part, a, s.at.scale, dst, w, h, pitch, s.at.x, s.at.y + top * s.at.scale);
}

void DrawIntoWindow(SDL_Surface* win, const Surface& part, int top, Area a) {
  const Uint32 format = win->format->format;
  const bool same = format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
  Area out;
  if (same) {
    out =
        Enlarge(part, top, a, static_cast<uint32_t*>(win->pixels), win->w, win->h, win->pitch / 4);
  } else {
    // Enlarge into a picture of the window's size in our format, then convert.
    s.scratch.resize(size_t(win->w) * size_t(win->h));
    out = Enlarge(part, top, a, s.scratch.data(), win->w, win->h, win->w);
    if (out.w > 0)
      SDL_ConvertPixels(out.w, out.h, SDL_PIXELFORMAT_RGB888,
                        &s.scratch[size_t(out.y) * size_t(win->w) + size_t(out.x)], win->w * 4,
                        format,
                        static_cast<Uint8*>(win->pixels) + out.y * win->pitch +
                            out.x * win->format->BytesPerPixel,
                        win->pitch);
  }
  if (out.w > 0) s.sendRects.push_back(SDL_Rect{out.x, out.y, out.w, out.h});
}

// Sends what differs from the picture last sent, the menu bar and the play
// area each compared with its own; everything, borders included, when the
// window was uncovered or resized.
void SendDirect(const Surface& play) {
  SDL_Surface* win = SDL_GetWindowSurface(s.window);
  if (!win) return;
  if (win != s.windowPixels) s.redrawAll = true;  // a new size brings new pixels
  s.windowPixels = win;
  if (SDL_MUSTLOCK(win) && SDL_LockSurface(win) != 0) return;
  s.sendRects.clear();
  if (s.redrawAll) {
    PlacePicture(win->w, win->h);
    SDL_FillRect(win, nullptr, SDL_MapRGB(win->format, 0, 0, 0));
    s.menuBarShown = s.menuBar;
    s.shown = play;
    if (s.barInPicture) DrawIntoWindow(win, s.menuBar, 0, Area{0, 0, kPlayW, kMenuBarH});
    DrawIntoWindow(win, play, s.barInPicture ? kMenuBarH : 0, Area{0, 0, kPlayW, kPlayH});
    s.sendRects.assign(1, SDL_Rect{0, 0, win->w, win->h});
  } else {
    if (s.barInPicture)
      for (const Area& a : CatchUp(s.menuBarShown, s.menuBar)) {
        DrawIntoWindow(win, s.menuBar, 0, a);
      }
    for (const Area& a : CatchUp(s.shown, play)) {
      DrawIntoWindow(win, play, s.barInPicture ? kMenuBarH : 0, a);
    }
  }
  if (SDL_MUSTLOCK(win)) SDL_UnlockSurface(win);
  if (s.sendRects.empty()) return;
  if (SDL_UpdateWindowSurfaceRects(s.window, s.sendRects.data(), int(s.sendRects.size())) == 0)
    s.redrawAll = false;
}

}  // namespace

void Send(const Surface& game, bool changed) {
  if (!changed) return;
  const Surface* play = &internal::WithMenu(game, s.menuBar, s.composed, s.barInPicture);
  if (s.direct) {
    SendDirect(*play);
    return;
  }
  // The renderer's way (Wayland, say): the picture goes up whole as a
  // texture, placed as above; fit enlarges it by the whole multiple into a
  // texture of its own, then linearly down into the window.
  const int barH = s.barInPicture ? kMenuBarH : 0;
  const SDL_Rect barRect{0, 0, kPlayW, kMenuBarH}, playRect{0, barH, kPlayW, kPlayH};
  if (barH > 0) SDL_UpdateTexture(s.texture, &barRect, s.menuBar.px.data(), kPlayW * 4);
  SDL_UpdateTexture(s.texture, &playRect, play->px.data(), kPlayW * 4);
  int outW = 0, outH = 0;
  SDL_GetRendererOutputSize(s.renderer, &outW, &outH);
  PlacePicture(outW, outH);
  const SDL_Rect picture{0, 0, kPlayW, PictureH()}, at{s.at.x, s.at.y, s.at.w, s.at.h};
  SDL_SetRenderDrawColor(s.renderer, 0, 0, 0, 255);
  SDL_RenderClear(s.renderer);
  const bool fit = CurrentWindowSetup().fit;
  int bigW = 0, bigH = 0;
  if (s.big) SDL_QueryTexture(s.big, nullptr, nullptr, &bigW, &bigH);
  if (fit && (bigW != kPlayW * s.at.scale || bigH != PictureH() * s.at.scale)) {
    if (s.big) SDL_DestroyTexture(s.big);
    s.big = SDL_CreateTexture(s.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                              kPlayW * s.at.scale, PictureH() * s.at.scale);
    if (s.big) SDL_SetTextureScaleMode(s.big, SDL_ScaleModeLinear);
  }
  if (fit && s.big && SDL_SetRenderTarget(s.renderer, s.big) == 0) {
    SDL_RenderCopy(s.renderer, s.texture, &picture, nullptr);
    SDL_SetRenderTarget(s.renderer, nullptr);
    SDL_RenderCopy(s.renderer, s.big, nullptr, &at);
  } else {
    SDL_RenderCopy(s.renderer, s.texture, &picture, &at);
  }
  SDL_RenderPresent(s.renderer);
}

}  // namespace plat::sdl
