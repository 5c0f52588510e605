// The players' backend: a real window on SDL2. The play area is drawn at
// 608 x 448 under a menu bar we draw ourselves, and the whole picture is
// scaled by whole multiples when it is shown. Keys reach the game as the
// virtual-key codes it knows.
#include <SDL.h>
#include <SDL_syswm.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "platform/gamepad.h"
#include "platform/internal.h"
#include "platform/text.h"

namespace plat {

namespace {

constexpr int kMenuBarH = 20;
constexpr int kFullH = kMenuBarH + kPlayH;
constexpr int kDropX = 0, kDropY = kMenuBarH, kDropW = 150, kItemH = 24;
constexpr double kRefreshMs = 1000.0 / 60.0;

const std::u32string kMenuTitle = U"ファイル(F)";
const std::u32string kMenuItems[2] = {U"スタート(S)", U"終了(X)"};

struct Sdl {
  SDL_Window* window = nullptr;
  // The picture goes straight into the window's own pixels when it has them
  // (on X11 only the changed rectangles then travel, by shared memory); a
  // renderer scaling a texture is the way when it has not.
  bool direct = false;
  SDL_Surface* windowPixels = nullptr;  // as last drawn in
  bool redrawAll = true;                // uncovered, resized or new: send everything
  int scale = 1, left = 0, top = 0;     // where the picture sits in the window
  std::vector<uint32_t> scratch;        // for windows that keep another pixel format
  std::vector<SDL_Rect> sendRects;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  Surface play{kPlayW, kPlayH, kBlack};
  Surface menuBar{kPlayW, kMenuBarH, kBlack};
  Surface menuBarShown{kPlayW, kMenuBarH, kBlack};  // the menu bar as last sent
  Surface shown{kPlayW, kPlayH, kBlack};            // the play area as last sent
  Surface composed{kPlayW, kPlayH, kBlack};         // the play area under controls
  Uint64 lastPresent = 0;
  bool timerEnabled = false;
  Uint32 nextTimer = 0;
  bool inTick = false;
  bool menuOpen = false;
  int menuCursor = 0;
  bool fullscreen = false;
  SDL_Rect windowed{};  // where the window was before covering a bare X screen
  internal::GamepadKeys pads;
};

Sdl s;

double MsSince(Uint64 then) {
  return double(SDL_GetPerformanceCounter() - then) * 1000.0 /
         double(SDL_GetPerformanceFrequency());
}

// The menu bar, on a picture of its own above the play area.
void DrawMenuBar(Surface& out) {
  const Color bar = RGB(236, 236, 240), text = kBlack;
  FillBox(out, 0, 0, kPlayW - 1, kMenuBarH - 1, bar);
  DrawLine(out, 0, kMenuBarH - 1, kPlayW - 1, kMenuBarH - 1, RGB(180, 180, 190));
  int titleW = TextWidth(kMenuTitle, FontKind::Regular);
  if (s.menuOpen) FillBox(out, 2, 1, 10 + titleW + 6, kMenuBarH - 2, RGB(60, 90, 170));
  Color titleColor = s.menuOpen ? kWhite : text;
  PrintText(out, 10, 2, kMenuTitle, titleColor, FontKind::Regular);
  // The access key F is underlined.
  int fx = 10 + TextWidth(U"ファイル(", FontKind::Regular);
  DrawLine(out, fx, 17, fx + TextWidth(U"F", FontKind::Regular) - 1, 17, titleColor);
}

// The open menu hangs over the play area: drawn there with its top at dropY.
void DrawMenuDrop(Surface& out, int dropY) {
  const Color bar = RGB(236, 236, 240), text = kBlack, grey = RGB(150, 150, 156);
  FillBox(out, kDropX + 3, dropY + 3, kDropX + kDropW + 2, dropY + 2 * kItemH + 6,
          RGB(30, 30, 40));
  FillBox(out, kDropX, dropY, kDropX + kDropW - 1, dropY + 2 * kItemH + 3, bar);
  DrawRect(out, kDropX, dropY, kDropX + kDropW - 1, dropY + 2 * kItemH + 3, RGB(120, 120, 130));
  for (int i = 0; i < 2; ++i) {
    bool enabled = internal::GetControls().menuEnabled[i];
    int y = dropY + 2 + i * kItemH;
    Color c = enabled ? text : grey;
    if (i == s.menuCursor) {
      FillBox(out, kDropX + 2, y, kDropX + kDropW - 3, y + kItemH - 1, RGB(60, 90, 170));
      if (enabled) c = kWhite;
    }
    PrintText(out, kDropX + 24, y + 4, kMenuItems[i], c, FontKind::Regular);
    std::u32string before = kMenuItems[i].substr(0, kMenuItems[i].find(U'(') + 1);
    int ux = kDropX + 24 + TextWidth(before, FontKind::Regular);
    DrawLine(out, ux, y + 20,
             ux + TextWidth(kMenuItems[i].substr(before.size(), 1), FontKind::Regular) - 1, y + 20,
             c);
  }
}

// The largest whole multiple of the picture that fits, centred; a window too
// small for even one keeps the picture's top left corner in view.
void PlacePicture(int windowW, int windowH) {
  s.scale = std::max(1, std::min(windowW / kPlayW, windowH / kFullH));
  s.left = std::max(0, (windowW - kPlayW * s.scale) / 2);
  s.top = std::max(0, (windowH - kFullH * s.scale) / 2);
}

// From window pixels to the picture's own (the renderer does this itself).
void ToPicture(int& x, int& y) {
  if (!s.direct) return;
  x = x >= s.left ? (x - s.left) / s.scale : -1;
  y = y >= s.top ? (y - s.top) / s.scale : -1;
}

// Draws area a of a part of the picture (the menu bar, or the play area
// whose top is `top` pixels down the picture), enlarged, into the window's
// pixels and notes the rectangle to send.
void DrawIntoWindow(SDL_Surface* win, const Surface& part, int top, Area a) {
  const Uint32 format = win->format->format;
  const bool same = format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
  const int oy = s.top + top * s.scale;
  Area out;
  if (same) {
    out = ScaleArea(part, a, s.scale, static_cast<uint32_t*>(win->pixels), win->w, win->h,
                    win->pitch / 4, s.left, oy);
  } else {
    // Enlarge into a picture of the window's size in our format, then convert.
    s.scratch.resize(size_t(win->w) * size_t(win->h));
    out = ScaleArea(part, a, s.scale, s.scratch.data(), win->w, win->h, win->w, s.left, oy);
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
    DrawIntoWindow(win, s.menuBar, 0, Area{0, 0, kPlayW, kMenuBarH});
    DrawIntoWindow(win, play, kMenuBarH, Area{0, 0, kPlayW, kPlayH});
    s.sendRects.assign(1, SDL_Rect{0, 0, win->w, win->h});
    s.menuBarShown = s.menuBar;
    s.shown = play;
  } else {
    for (const Area& a : ChangedAreas(s.menuBarShown, s.menuBar)) {
      BitBlt(s.menuBarShown, a.x, a.y, a.w, a.h, s.menuBar, a.x, a.y, Rop::Copy);
      DrawIntoWindow(win, s.menuBar, 0, a);
    }
    for (const Area& a : ChangedAreas(s.shown, play)) {
      BitBlt(s.shown, a.x, a.y, a.w, a.h, play, a.x, a.y, Rop::Copy);
      DrawIntoWindow(win, play, kMenuBarH, a);
    }
  }
  if (SDL_MUSTLOCK(win)) SDL_UnlockSurface(win);
  if (s.sendRects.empty()) return;
  if (SDL_UpdateWindowSurfaceRects(s.window, s.sendRects.data(), int(s.sendRects.size())) == 0)
    s.redrawAll = false;
}

void Show() {
  if (!s.direct && !s.renderer) return;
  double since = MsSince(s.lastPresent);
  if (s.lastPresent != 0 && since < kRefreshMs) SDL_Delay(Uint32(kRefreshMs - since + 0.5));
  s.lastPresent = SDL_GetPerformanceCounter();
  // A frame like the one on the screen keeps its place in time, but is not
  // uploaded, scaled and presented again: standing still costs little.
  const bool changed = internal::FrameChanged(s.play);
  internal::PresentedNow();
  if (!changed) return;
  // The play area goes out as the game drew it, with no copy, unless a
  // control or the open menu lies over it.
  DrawMenuBar(s.menuBar);
  const Surface* play = &internal::PlayAreaSeen(s.play, s.composed);
  if (s.menuOpen) {
    if (play != &s.composed) s.composed = s.play;
    DrawMenuDrop(s.composed, kDropY - kMenuBarH);
    play = &s.composed;
  }
  if (s.direct) {
    SendDirect(*play);
    return;
  }
  const SDL_Rect barRect{0, 0, kPlayW, kMenuBarH}, playRect{0, kMenuBarH, kPlayW, kPlayH};
  SDL_UpdateTexture(s.texture, &barRect, s.menuBar.px.data(), kPlayW * 4);
  SDL_UpdateTexture(s.texture, &playRect, play->px.data(), kPlayW * 4);
  SDL_SetRenderDrawColor(s.renderer, 0, 0, 0, 255);
  SDL_RenderClear(s.renderer);
  SDL_RenderCopy(s.renderer, s.texture, nullptr, nullptr);
  SDL_RenderPresent(s.renderer);
}

int ToVirtualKey(SDL_Keycode k) {
  switch (k) {
    case SDLK_LEFT:
      return VK_LEFT;
    case SDLK_UP:
      return VK_UP;
    case SDLK_RIGHT:
      return VK_RIGHT;
    case SDLK_DOWN:
      return VK_DOWN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return VK_CONTROL;
    case SDLK_SPACE:
      return VK_SPACE;
    case SDLK_RETURN:
      return VK_RETURN;
    case SDLK_ESCAPE:
      return VK_ESCAPE;
    case SDLK_KP_1:
      return VK_NUMPAD1;
    case SDLK_KP_2:
      return VK_NUMPAD2;
    case SDLK_KP_3:
      return VK_NUMPAD3;
    default:
      break;
  }
  if (k >= SDLK_0 && k <= SDLK_9) return 48 + int(k - SDLK_0);
  if (k >= SDLK_a && k <= SDLK_z) return 65 + int(k - SDLK_a);
  return 0;
}

void ChooseMenu(int index) {
  s.menuOpen = false;
  internal::MarkDirty();
  if (!internal::GetControls().menuEnabled[index]) return;
  auto& h = internal::GetHandlers();
  if (h.menu) h.menu(index);
}

// Whether a window manager looks after our window. Full screen is a request
// to it; on a bare X server nobody answers, and SDL would go on drawing for a
// screen-sized window that never came. Xlib is reached through the library
// SDL itself has loaded, so the game needs nothing more to build.
bool HaveWindowManager() {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(s.window, &info) || info.subsystem != SDL_SYSWM_X11) return true;
  static void* xlib = SDL_LoadObject("libX11.so.6");
  if (!xlib) return true;
  using InternAtom = Atom (*)(Display*, const char*, Bool);
  using GetProperty = int (*)(Display*, ::Window, Atom, long, long, Bool, Atom, Atom*, int*,
                              unsigned long*, unsigned long*, unsigned char**);
  using Free = int (*)(void*);
  auto internAtom = reinterpret_cast<InternAtom>(SDL_LoadFunction(xlib, "XInternAtom"));
  auto getProperty = reinterpret_cast<GetProperty>(SDL_LoadFunction(xlib, "XGetWindowProperty"));
  auto xfree = reinterpret_cast<Free>(SDL_LoadFunction(xlib, "XFree"));
  if (!internAtom || !getProperty || !xfree) return true;
  Display* display = info.info.x11.display;
  // A window manager that follows the freedesktop rules names its own window
  // on the root window; that is also where it learns of full-screen requests.
  Atom check = internAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  int status = getProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                           &type, &format, &count, &after, &data);
  if (data) xfree(data);
  return status == Success && type == XA_WINDOW && count == 1;
}

void ToggleFullscreen() {
  if (HaveWindowManager()) {
    s.fullscreen = !s.fullscreen;
    SDL_SetWindowFullscreen(s.window, s.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  } else if (!s.fullscreen) {
    // Without a window manager the window covers the screen itself, and the
    // second F11 puts it back where it was.
    SDL_Rect screen;
    if (SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(s.window)), &screen) != 0)
      return;
    SDL_GetWindowPosition(s.window, &s.windowed.x, &s.windowed.y);
    SDL_GetWindowSize(s.window, &s.windowed.w, &s.windowed.h);
    SDL_SetWindowPosition(s.window, screen.x, screen.y);
    SDL_SetWindowSize(s.window, screen.w, screen.h);
    s.fullscreen = true;
  } else {
    SDL_SetWindowSize(s.window, s.windowed.w, s.windowed.h);
    SDL_SetWindowPosition(s.window, s.windowed.x, s.windowed.y);
    s.fullscreen = false;
  }
  internal::MarkDirty();
}

// Keys while the menu is open: arrows and Enter move and choose, S or X
// choose directly, Esc (or Alt) closes.
void MenuKey(SDL_Keycode k) {
  switch (k) {
    case SDLK_UP:
    case SDLK_DOWN:
      s.menuCursor = 1 - s.menuCursor;
      break;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_SPACE:
      ChooseMenu(s.menuCursor);
      return;
    case SDLK_s:
      ChooseMenu(0);
      return;
    case SDLK_x:
      ChooseMenu(1);
      return;
    case SDLK_ESCAPE:
    case SDLK_LALT:
    case SDLK_RALT:
      s.menuOpen = false;
      break;
    default:
      break;
  }
  internal::MarkDirty();
}

// A key from a game controller: the same as from the keyboard, except that
// the menu is worked by keyboard and mouse only. Space (the south button)
// answers a message box as the keyboard's Space does.
void PadKey(int vk, bool down) {
  auto& h = internal::GetHandlers();
  auto& c = internal::GetControls();
  if (c.boxUp) {
    if (down && vk == VK_SPACE) {
      c.boxUp = false;
      internal::MarkDirty();
    }
    return;
  }
  if (down) {
    if (!s.menuOpen && h.keyDown) h.keyDown(vk);
  } else if (h.keyUp) {
    h.keyUp(vk);
  }
}

// Controllers plugged in before start-up are announced like new ones.
void PlugIn(int deviceIndex) {
  if (SDL_IsGameController(deviceIndex)) SDL_GameControllerOpen(deviceIndex);
}

void Unplug(SDL_JoystickID id) {
  if (SDL_GameController* pad = SDL_GameControllerFromInstanceID(id)) SDL_GameControllerClose(pad);
}

void Handle(const SDL_Event& e) {
  auto& h = internal::GetHandlers();
  auto& c = internal::GetControls();
  switch (e.type) {
    case SDL_QUIT:
      Quit();
    case SDL_WINDOWEVENT:
      s.redrawAll = true;
      internal::MarkDirty();
      break;
    case SDL_KEYDOWN: {
      SDL_Keycode k = e.key.keysym.sym;
      if (k == SDLK_F11) {
        ToggleFullscreen();
        break;
      }
      if (c.boxUp) {
        if (k == SDLK_RETURN || k == SDLK_KP_ENTER || k == SDLK_SPACE) c.boxUp = false;
        internal::MarkDirty();
        break;
      }
      if (s.menuOpen) {
        MenuKey(k);
        break;
      }
      if ((e.key.keysym.mod & KMOD_ALT) && k == SDLK_f) {
        s.menuOpen = true;
        s.menuCursor = internal::GetControls().menuEnabled[0] ? 0 : 1;
        internal::MarkDirty();
        break;
      }
      if (e.key.keysym.mod & KMOD_ALT) break;  // Alt combinations are the window's, not the game's
      int vk = ToVirtualKey(k);
      if (vk && h.keyDown) h.keyDown(vk);
      break;
    }
    case SDL_KEYUP: {
      if (c.boxUp) break;
      int vk = ToVirtualKey(e.key.keysym.sym);
      if (vk && h.keyUp) h.keyUp(vk);
      break;
    }
    case SDL_CONTROLLERDEVICEADDED:
      PlugIn(e.cdevice.which);
      break;
    case SDL_CONTROLLERDEVICEREMOVED:
      s.pads.Handle(e, PadKey);  // lets go of whatever it held
      Unplug(e.cdevice.which);
      break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERAXISMOTION:
      s.pads.Handle(e, PadKey);
      break;
    case SDL_MOUSEMOTION:
      if (s.menuOpen) {
        int x = e.motion.x, y = e.motion.y;
        ToPicture(x, y);
        if (x >= kDropX && x < kDropX + kDropW && y >= kDropY + 2 && y < kDropY + 2 + 2 * kItemH) {
          int item = (y - kDropY - 2) / kItemH;
          if (item != s.menuCursor) {
            s.menuCursor = item;
            internal::MarkDirty();
          }
        }
      }
      break;
    case SDL_MOUSEBUTTONDOWN: {
      if (e.button.button != SDL_BUTTON_LEFT) break;
      int x = e.button.x, y = e.button.y;
      ToPicture(x, y);
      if (c.boxUp) {
        if (internal::MessageBoxOkRect().Contains(x, y - kMenuBarH)) {
          c.boxUp = false;
          internal::MarkDirty();
        }
        break;
      }
      int titleW = TextWidth(kMenuTitle, FontKind::Regular) + 16;
      if (y < kMenuBarH && x < titleW) {
        s.menuOpen = !s.menuOpen;
        s.menuCursor = 0;
        internal::MarkDirty();
      } else if (s.menuOpen) {
        if (x >= kDropX && x < kDropX + kDropW && y >= kDropY + 2 && y < kDropY + 2 + 2 * kItemH)
          ChooseMenu((y - kDropY - 2) / kItemH);
        else {
          s.menuOpen = false;
          internal::MarkDirty();
        }
      }
      break;
    }
    default:
      break;
  }
}

bool TimerDue() {
  return s.timerEnabled && !s.inTick && !internal::GetControls().boxUp &&
         SDL_TICKS_PASSED(SDL_GetTicks(), s.nextTimer);
}

void FireTimer() {
  s.inTick = true;
  auto& h = internal::GetHandlers();
  if (h.timer) h.timer();
  s.inTick = false;
  Uint32 now = SDL_GetTicks();
  s.nextTimer += kTimerInterval;
  if (SDL_TICKS_PASSED(now, s.nextTimer)) s.nextTimer = now;
}

// Handles what is pending; true when an event or a tick was handled.
bool PumpOnce() {
  bool handled = false;
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    Handle(e);
    handled = true;
  }
  if (!handled && TimerDue()) {
    FireTimer();
    handled = true;
  }
  if (internal::NeedsPresent()) Show();
  return handled;
}

}  // namespace

void CreateMainWindow(const std::u32string& caption) {
  // The locale first, so the Japanese caption reaches the window manager intact.
  std::setlocale(LC_ALL, "");
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
  SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
  // The window's own pixels, not a texture behind them: under X11 the
  // changed rectangles then go by shared memory without any OpenGL.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0)
    FatalError(std::string("cannot open a window: ") + SDL_GetError());
  std::string err;
  if (!InitFonts(err)) FatalError(err);

  // Open at the largest whole multiple that fits comfortably on the screen.
  int scale = 1;
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0) {
    int sx = int(usable.w * 0.9) / kPlayW, sy = int(usable.h * 0.9) / kFullH;
    scale = std::max(1, std::min(sx, sy));
  }
  s.window = SDL_CreateWindow(ToUtf8(caption).c_str(), SDL_WINDOWPOS_CENTERED,
                              SDL_WINDOWPOS_CENTERED, kPlayW * scale, kFullH * scale,
                              SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
  if (!s.window) FatalError(std::string("cannot open a window: ") + SDL_GetError());
  const char* way = SDL_getenv("MOKI_PRESENT");  // "renderer" tries the other way
  s.direct = !(way && std::string(way) == "renderer") && SDL_GetWindowSurface(s.window) != nullptr;
  if (!s.direct) {
    s.renderer = SDL_CreateRenderer(s.window, -1, SDL_RENDERER_ACCELERATED);
    if (!s.renderer) s.renderer = SDL_CreateRenderer(s.window, -1, SDL_RENDERER_SOFTWARE);
    if (!s.renderer) FatalError(std::string("cannot draw in the window: ") + SDL_GetError());
    SDL_RenderSetLogicalSize(s.renderer, kPlayW, kFullH);
    SDL_RenderSetIntegerScale(s.renderer, SDL_TRUE);
    s.texture = SDL_CreateTexture(s.renderer, SDL_PIXELFORMAT_ARGB8888,
                                  SDL_TEXTUREACCESS_STREAMING, kPlayW, kFullH);
    if (!s.texture) FatalError(std::string("cannot draw in the window: ") + SDL_GetError());
  }
  // Game controllers are welcome but not needed.
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
  internal::MarkDirty();
  Show();
}

bool KeyDownWaiting(int vk) {
  if (!s.window || s.menuOpen || internal::GetControls().boxUp) return false;
  SDL_PumpEvents();
  SDL_Event pending[64];
  int n = SDL_PeepEvents(pending, 64, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_KEYDOWN);
  for (int i = 0; i < n; ++i) {
    const SDL_KeyboardEvent& k = pending[i].key;
    if (!k.repeat && !(k.keysym.mod & KMOD_ALT) && ToVirtualKey(k.keysym.sym) == vk) return true;
  }
  n = SDL_PeepEvents(pending, 64, SDL_PEEKEVENT, SDL_CONTROLLERAXISMOTION,
                     SDL_CONTROLLERDEVICEREMOVED);
  return n > 0 && s.pads.WouldPress(pending, n, vk);
}

Surface& Window() {
  internal::MarkDrawn();
  return s.play;
}

void Present() {
  Show();
}

void Refresh() {
  auto& h = internal::GetHandlers();
  if (h.paint) h.paint();
  Show();
}

void MessageBox(const std::u32string& text, const std::u32string& caption) {
  auto& c = internal::GetControls();
  c.boxUp = true;
  c.boxText = text;
  c.boxCaption = caption;
  s.menuOpen = false;
  internal::MarkDirty();
  while (c.boxUp) WaitEvents(-1);
  internal::MarkDirty();
}

void SetTimerEnabled(bool enabled) {
  if (enabled && !s.timerEnabled) s.nextTimer = SDL_GetTicks() + kTimerInterval;
  s.timerEnabled = enabled;
}
bool TimerEnabled() {
  return s.timerEnabled;
}

uint32_t GetTickCount() {
  return SDL_GetTicks();
}

void DoEvents() {
  PumpOnce();
}

void WaitEvents(int64_t deadline) {
  for (;;) {
    if (PumpOnce()) return;
    Uint32 now = SDL_GetTicks();
    if (deadline >= 0 && int64_t(now) >= deadline) return;
    // Sleep until the next event, the next tick or the deadline: a waiting
    // game costs no CPU.
    int64_t timeout = deadline >= 0 ? deadline - int64_t(now) : 1000;
    if (s.timerEnabled && !s.inTick && !internal::GetControls().boxUp)
      timeout = std::min<int64_t>(timeout, int64_t(Sint32(s.nextTimer - now)));
    if (internal::NeedsPresent()) timeout = std::min<int64_t>(timeout, int64_t(kRefreshMs));
    timeout = std::max<int64_t>(timeout, 0);
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, int(timeout))) {
      Handle(e);
      if (internal::NeedsPresent()) Show();
      return;
    }
  }
}

[[noreturn]] void Quit() {
  // Leave at once. Tearing SDL down first can race with the X server over a
  // window that is already going (an X error then ends the program with
  // status 1); the server closes the window with the connection anyway.
  std::fflush(nullptr);
  std::_Exit(0);
}

[[noreturn]] void FatalError(const std::string& msg) {
  std::cerr << "mokimoki: " << msg << "\n";
  // The box does not wrap long lines: break the message after each ": ".
  std::string boxText = msg;
  for (size_t at = boxText.find(": "); at != std::string::npos; at = boxText.find(": ", at + 2))
    boxText.replace(at, 2, ":\n");
  if (SDL_WasInit(SDL_INIT_VIDEO) || SDL_Init(SDL_INIT_VIDEO) == 0)
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "大会にモキモキ", boxText.c_str(), s.window);
  std::exit(1);
}

}  // namespace plat
