// The players' backend: a real window on SDL2. The play area is drawn at
// 608 x 448 under a menu bar we draw ourselves, and the whole picture is
// enlarged by whole multiples when it is shown, or as large as it fits
// (fit_scale.h). In full screen the bar is hidden until a menu opens. Keys
// reach the game as the virtual-key codes it knows; controllers as the keys
// the player gave their buttons (gamepad.h).
#include <SDL.h>
#include <SDL_syswm.h>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "platform/fit_scale.h"
#include "platform/gamepad.h"
#include "platform/internal.h"
#include "platform/pad_bindings.h"
#include "player_files/settings.h"
#include "platform/sdl_window_identity.h"
#include "platform/text.h"

namespace plat {

namespace {

constexpr int kMenuBarH = 20;
constexpr int kFullH = kMenuBarH + kPlayH;
static_assert(kFullH == internal::kWindowH);
constexpr int kDropY = kMenuBarH, kItemH = 24;
constexpr double kRefreshMs = 1000.0 / 60.0;

struct Sdl {
  SDL_Window* window = nullptr;
  std::string caption =
      "大会にモキモキ";  // the window's, in the game's language: the fatal box's too
  // The picture goes straight into the window's own pixels when it has them
  // (on X11 only the changed rectangles then travel, by shared memory); a
  // renderer scaling a texture is the way when it has not.
  bool direct = false;
  SDL_Surface* windowPixels = nullptr;  // as last drawn in
  bool redrawAll = true;                // uncovered, resized or new: send everything
  internal::Placement at;               // where the picture sits in the window
  bool barInPicture = true;             // false in full screen: the bar shows over the play area
  internal::FitScaler fit;
  std::vector<uint32_t> scratch;  // for windows that keep another pixel format
  std::vector<SDL_Rect> sendRects;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  SDL_Texture* big = nullptr;  // fit: the picture at the whole multiple above its size
  Surface play{kPlayW, kPlayH, kBlack};
  Surface menuBar{kPlayW, kMenuBarH, kBlack};
  Surface menuBarShown{kPlayW, kMenuBarH, kBlack};  // the menu bar as last sent
  Surface shown{kPlayW, kPlayH, kBlack};            // the play area as last sent
  Surface composed{kPlayW, kPlayH, kBlack};         // the play area under controls
  Uint64 lastPresent = 0;
  bool timerEnabled = false;
  Uint32 nextTimer = 0;
  bool inTick = false;
  bool altAlone = false;    // Alt is down and nothing else was pressed since
  Uint32 pointerMoved = 0;  // when the mouse last moved; its pointer hides in full screen
  bool pointerHidden = false;
  bool fullscreen = false;
  SDL_Rect windowed{};  // where the window was before covering a bare X screen
  internal::PadInput pads;
  SDL_Joystick* testPad = nullptr;  // a controller made in software, for tests
};

Sdl s;

double MsSince(Uint64 then) {
  return double(SDL_GetPerformanceCounter() - then) * 1000.0 /
         double(SDL_GetPerformanceFrequency());
}

// The menu bar: titles side by side from the left, each with its access key
// underlined; the open menu drops down under its title.
constexpr int kTitleGap = 16, kBarLeft = 10;

const std::vector<Menu>& Menus() {
  return internal::GetControls().menus;
}

internal::Controls& MenuC() {
  return internal::GetControls();
}

int TitleLeft(int index) {
  int x = kBarLeft;
  for (int i = 0; i < index; ++i)
    x += TextWidth(ShownLabel(Menus()[size_t(i)].title), FontKind::Regular) + kTitleGap;
  return x;
}

int DropWidth(const Menu& m) {
  int w = 150;
  for (const MenuItem& item : m.items)
    w = std::max(w, TextWidth(ShownLabel(item.label), FontKind::Regular) + 48);
  return w;
}

// Prints a label with its access key underlined.
void PrintLabel(Surface& out, int x, int y, const std::u32string& label, Color c) {
  std::u32string shown = ShownLabel(label);
  PrintText(out, x, y, shown, c, FontKind::Regular);
  size_t amp = label.find(U'&');
  if (amp == std::u32string::npos || amp >= shown.size()) return;
  int ux = x + TextWidth(shown.substr(0, amp), FontKind::Regular);
  DrawLine(out, ux, y + 15, ux + TextWidth(shown.substr(amp, 1), FontKind::Regular) - 1, y + 15, c);
}

// The menu bar, on a picture of its own above the play area.
void DrawMenuBar(Surface& out) {
  const Color bar = RGB(236, 236, 240), text = kBlack;
  const Color highlight = RGB(60, 90, 170);
  FillBox(out, 0, 0, kPlayW - 1, kMenuBarH - 1, bar);
  DrawLine(out, 0, kMenuBarH - 1, kPlayW - 1, kMenuBarH - 1, RGB(180, 180, 190));
  for (size_t i = 0; i < Menus().size(); ++i) {
    const bool open = MenuC().menuOpen && int(i) == MenuC().menuIndex;
    const int x = TitleLeft(int(i));
    const int w = TextWidth(ShownLabel(Menus()[i].title), FontKind::Regular);
    if (open) FillBox(out, x - 8, 1, x + w + 6, kMenuBarH - 2, highlight);
    PrintLabel(out, x, 2, Menus()[i].title, open ? kWhite : text);
  }
}

// The open menu hangs over the play area: drawn there with its top at dropY.
void DrawMenuDrop(Surface& out, int dropY) {
  if (!MenuC().menuOpen || MenuC().menuIndex >= int(Menus().size())) return;
  const Color bar = RGB(236, 236, 240), text = kBlack, grey = RGB(150, 150, 156);
  const Color highlight = RGB(60, 90, 170);
  const Menu& m = Menus()[size_t(MenuC().menuIndex)];
  const int left = TitleLeft(MenuC().menuIndex) - kBarLeft, w = DropWidth(m);
  const int n = int(m.items.size());
  FillBox(out, left + 3, dropY + 3, left + w + 2, dropY + n * kItemH + 6, RGB(30, 30, 40));
  FillBox(out, left, dropY, left + w - 1, dropY + n * kItemH + 3, bar);
  DrawRect(out, left, dropY, left + w - 1, dropY + n * kItemH + 3, RGB(120, 120, 130));
  for (int i = 0; i < n; ++i) {
    const MenuItem& item = m.items[size_t(i)];
    bool enabled = MenuEnabled(item.id);
    int y = dropY + 2 + i * kItemH;
    Color c = enabled ? text : grey;
    if (i == MenuC().menuCursor) {
      FillBox(out, left + 2, y, left + w - 3, y + kItemH - 1, highlight);
      if (enabled) c = kWhite;
    }
    PrintLabel(out, left + 24, y + 4, item.label, c);
  }
}

// The item of the open menu under a point of the picture, or -1.
int ItemAt(int x, int y) {
  if (!MenuC().menuOpen || MenuC().menuIndex >= int(Menus().size())) return -1;
  const Menu& m = Menus()[size_t(MenuC().menuIndex)];
  const int left = TitleLeft(MenuC().menuIndex) - kBarLeft;
  if (x < left || x >= left + DropWidth(m) || y < kDropY + 2) return -1;
  int item = (y - kDropY - 2) / kItemH;
  return item < int(m.items.size()) ? item : -1;
}

// The menu whose title is under a point of the bar, or -1.
int TitleAt(int x, int y) {
  if (y < 0 || y >= kMenuBarH) return -1;
  for (size_t i = 0; i < Menus().size(); ++i) {
    int left = TitleLeft(int(i)) - kTitleGap / 2;
    int right = TitleLeft(int(i)) + TextWidth(ShownLabel(Menus()[i].title), FontKind::Regular) +
                kTitleGap / 2;
    if (x >= left && x < right) return int(i);
  }
  return -1;
}

using internal::OpenMenu;

int PictureH() {
  return s.barInPicture ? kFullH : kPlayH;
}

// The picture in the window: by whole multiples, or as large as it fits.
void PlacePicture(int windowW, int windowH) {
  const bool fit = CurrentSettings().scaling == Scaling::Fit;
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

// Draws area a of a part of the picture (the menu bar, or the play area
// whose top is `top` pixels down the picture), enlarged, into the window's
// pixels and notes the rectangle to send.
Area Enlarge(const Surface& part, int top, Area a, uint32_t* dst, int w, int h, int pitch) {
  if (CurrentSettings().scaling == Scaling::Fit) {
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
      for (const Area& a : ChangedAreas(s.menuBarShown, s.menuBar)) {
        BitBlt(s.menuBarShown, a.x, a.y, a.w, a.h, s.menuBar, a.x, a.y, Rop::Copy);
        DrawIntoWindow(win, s.menuBar, 0, a);
      }
    for (const Area& a : ChangedAreas(s.shown, play)) {
      BitBlt(s.shown, a.x, a.y, a.w, a.h, play, a.x, a.y, Rop::Copy);
      DrawIntoWindow(win, play, s.barInPicture ? kMenuBarH : 0, a);
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
  if (MenuC().menuOpen) {
    if (play != &s.composed) s.composed = s.play;
    // In full screen the bar shows over the play area while a menu is open.
    if (!s.barInPicture) BitBlt(s.composed, 0, 0, kPlayW, kMenuBarH, s.menuBar, 0, 0, Rop::Copy);
    DrawMenuDrop(s.composed, s.barInPicture ? kDropY - kMenuBarH : kDropY);
    play = &s.composed;
  }
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
  const bool fit = CurrentSettings().scaling == Scaling::Fit;
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

using internal::ChooseMenuItem;

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

void SetFullscreen(bool on) {
  if (on == s.fullscreen) return;
  if (HaveWindowManager()) {
    s.fullscreen = on;
    SDL_SetWindowFullscreen(s.window, s.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  } else if (on) {
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
  s.barInPicture = !s.fullscreen;
  s.redrawAll = true;
  internal::MarkDirty();
}

// Keys while the menu is open: Up and Down move (past items that cannot be
// chosen), Left and Right go to the next menu, Enter chooses, an item's
// access key chooses it directly, Esc (or Alt) closes.
void MenuKey(SDL_Keycode k) {
  const int menus = int(Menus().size());
  if (MenuC().menuIndex >= menus || Menus()[size_t(MenuC().menuIndex)].items.empty()) {
    internal::CloseMenu();
    return;
  }
  switch (k) {
    case SDLK_UP:
    case SDLK_DOWN:
      internal::MoveMenuCursor(k == SDLK_UP ? -1 : 1);
      return;
    case SDLK_LEFT:
    case SDLK_RIGHT:
      OpenMenu((MenuC().menuIndex + (k == SDLK_LEFT ? menus - 1 : 1)) % menus);
      return;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_SPACE:
      ChooseMenuItem(MenuC().menuCursor);
      return;
    case SDLK_ESCAPE:
      internal::CloseMenu();
      return;
    default:
      if (k >= SDLK_a && k <= SDLK_z) {
        const auto& list = Menus()[size_t(MenuC().menuIndex)].items;
        for (size_t i = 0; i < list.size(); ++i)
          if (AccessKey(list[i].label) == char32_t(U'A' + (k - SDLK_a))) {
            ChooseMenuItem(int(i));
            return;
          }
      }
      return;
  }
}

// A game key from a controller: none reaches the game while a message box is
// up, and no key goes down while a menu is open.
void PadKey(int vk, bool down) {
  auto& h = internal::GetHandlers();
  if (internal::GetControls().boxUp) return;
  if (down) {
    if (!MenuC().menuOpen && h.keyDown) h.keyDown(vk);
  } else if (h.keyUp) {
    h.keyUp(vk);
  }
}

// SDL's controller events, handed to the controllers' own code. SDL numbers
// the buttons as PadButton does.
void FeedPad(internal::PadInput& pads, const SDL_Event& e, const internal::PadInput::Send& send) {
  switch (e.type) {
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      pads.Button(e.cbutton.which, e.cbutton.button, e.type == SDL_CONTROLLERBUTTONDOWN, send);
      break;
    case SDL_CONTROLLERAXISMOTION:
      if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX || e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
        pads.Stick(e.caxis.which,
                   e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX ? internal::PadInput::kLeftX
                                                             : internal::PadInput::kLeftY,
                   e.caxis.value, send);
      break;
    case SDL_CONTROLLERDEVICEREMOVED:
      pads.Removed(e.cdevice.which, send);
      break;
    default:
      break;
  }
}

// --- A controller made in software, for tests ---------------------------------
// MOKI_TEST_PAD names a file (a pipe) of lines "down a", "up a", "stick X Y";
// the game plugs in a virtual controller and works its buttons from them, so
// a test plays through the same controller events as a player's. Players
// never set it.
Uint32 g_testPadEvent = 0;

int ReadTestPad(void* path) {
  // Opened for writing too, a pipe never ends between two writers. Plain
  // reads, not the C library's streams: the game's quitting flushes those
  // and would wait for this read.
  int fd = -1;
  while ((fd = open(static_cast<const char*>(path), O_RDWR)) < 0) SDL_Delay(50);
  std::string pending;
  char buf[256];
  for (;;) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n <= 0) {
      SDL_Delay(50);
      continue;
    }
    pending.append(buf, size_t(n));
    for (size_t end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
      SDL_Event e{};
      e.type = g_testPadEvent;
      e.user.data1 = SDL_strdup(pending.substr(0, end).c_str());
      SDL_PushEvent(&e);
      pending.erase(0, end + 1);
    }
  }
}

void StartTestPad() {
  const char* path = SDL_getenv("MOKI_TEST_PAD");
  if (!path || !*path) return;
  // A virtual X server gives no window the focus for certain; the test's
  // controller counts all the same.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  const int index = SDL_JoystickAttachVirtual(
      SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
  s.testPad = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
  g_testPadEvent = SDL_RegisterEvents(1);
  if (!s.testPad || g_testPadEvent == Uint32(-1)) {
    std::fprintf(stderr, "mokimoki: no test controller: %s\n", SDL_GetError());
    return;
  }
  SDL_DetachThread(SDL_CreateThread(ReadTestPad, "test pad", SDL_strdup(path)));
}

void TestPadLine(const char* text) {
  char word[16] = {}, name[32] = {};
  int x = 0, y = 0;
  if (std::sscanf(text, "%15s %31s", word, name) != 2) return;
  const std::string w = word;
  if (w == "stick" && std::sscanf(text, "%*s %d %d", &x, &y) == 2) {
    SDL_JoystickSetVirtualAxis(s.testPad, SDL_CONTROLLER_AXIS_LEFTX,
                               Sint16(std::clamp(x, -32768, 32767)));
    SDL_JoystickSetVirtualAxis(s.testPad, SDL_CONTROLLER_AXIS_LEFTY,
                               Sint16(std::clamp(y, -32768, 32767)));
  } else if ((w == "down" || w == "up") && PadButtonOf(name) >= 0) {
    SDL_JoystickSetVirtualButton(s.testPad, PadButtonOf(name), w == "down" ? 1 : 0);
  }
  SDL_JoystickUpdate();  // its events now, as a real controller's would come
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
      if (h.close) h.close();
      Quit();
    case SDL_WINDOWEVENT:
      s.redrawAll = true;
      internal::MarkDirty();
      // The player's own resize is remembered; full screen's sizes are not.
      if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED && !s.fullscreen)
        internal::WindowResized(SDL_GetTicks());
      break;
    case SDL_KEYDOWN: {
      SDL_Keycode k = e.key.keysym.sym;
      // Alt pressed and let go alone opens the menu bar (shown in full screen).
      s.altAlone = (k == SDLK_LALT || k == SDLK_RALT) && !e.key.repeat;
      if (!e.key.repeat) internal::NoteInputDevice(false);
      if (k == SDLK_F11) {
        SetFullscreen(!s.fullscreen);
        internal::RecordFullscreen(s.fullscreen);
        break;
      }
      if (c.boxUp) {
        if (k == SDLK_RETURN || k == SDLK_KP_ENTER || k == SDLK_SPACE) c.boxUp = false;
        internal::MarkDirty();
        break;
      }
      if (MenuC().menuOpen) {
        MenuKey(k);
        break;
      }
      if ((e.key.keysym.mod & KMOD_ALT) && k >= SDLK_a && k <= SDLK_z) {
        for (size_t i = 0; i < Menus().size(); ++i)
          if (AccessKey(Menus()[i].title) == char32_t(U'A' + (k - SDLK_a))) {
            OpenMenu(int(i));
            break;
          }
        if (MenuC().menuOpen) break;
      }
      if (e.key.keysym.mod & KMOD_ALT) break;  // Alt combinations are the window's, not the game's
      // Through the player's keys; the key screen may be waiting for this one.
      int vk = internal::KeyboardDown(k, e.key.repeat != 0);
      if (vk && h.keyDown) h.keyDown(vk);
      break;
    }
    case SDL_KEYUP: {
      const SDL_Keycode k = e.key.keysym.sym;
      if ((k == SDLK_LALT || k == SDLK_RALT) && s.altAlone && !c.boxUp) {
        MenuC().menuOpen ? internal::CloseMenu() : OpenMenu(0);
        s.altAlone = false;
      }
      int vk = internal::KeyboardUp(k);
      if (c.boxUp) break;
      if (vk && h.keyUp) h.keyUp(vk);
      break;
    }
    case SDL_CONTROLLERDEVICEADDED:
      PlugIn(e.cdevice.which);
      break;
    case SDL_CONTROLLERDEVICEREMOVED:
      FeedPad(s.pads, e, PadKey);  // lets go of whatever it held
      Unplug(e.cdevice.which);
      break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERAXISMOTION:
      FeedPad(s.pads, e, PadKey);
      break;
    case SDL_MOUSEMOTION:
      s.pointerMoved = SDL_GetTicks();
      if (s.pointerHidden) {
        SDL_ShowCursor(SDL_ENABLE);
        s.pointerHidden = false;
      }
      if (MenuC().menuOpen) {
        int x = e.motion.x, y = e.motion.y;
        ToPicture(x, y);
        int item = ItemAt(x, y);
        if (item >= 0 && item != MenuC().menuCursor) {
          MenuC().menuCursor = item;
          internal::MarkDirty();
        }
      }
      break;
    case SDL_MOUSEBUTTONDOWN: {
      if (e.button.button != SDL_BUTTON_LEFT) break;
      int x = e.button.x, y = e.button.y;
      ToPicture(x, y);
      if (c.boxUp) {
        if (internal::MessageBoxOkRect().Contains(x, y - (s.barInPicture ? kMenuBarH : 0))) {
          c.boxUp = false;
          internal::MarkDirty();
        }
        break;
      }
      int title = TitleAt(x, y);
      if (title >= 0) {
        if (MenuC().menuOpen && MenuC().menuIndex == title) {
          MenuC().menuOpen = false;
          internal::MarkDirty();
        } else {
          OpenMenu(title);
        }
      } else if (MenuC().menuOpen) {
        int item = ItemAt(x, y);
        if (item >= 0) {
          ChooseMenuItem(item);
        } else {
          MenuC().menuOpen = false;
          internal::MarkDirty();
        }
      }
      break;
    }
    default:
      if (g_testPadEvent != 0 && e.type == g_testPadEvent) {
        TestPadLine(static_cast<const char*>(e.user.data1));
        SDL_free(e.user.data1);
      }
      break;
  }
}

// In full screen the mouse pointer hides after two seconds without moving.
constexpr Uint32 kPointerHideMs = 2000;

int64_t PointerHideDeadline() {
  if (!s.fullscreen || s.pointerHidden) return -1;
  return int64_t(s.pointerMoved) + kPointerHideMs;
}

void HidePointerWhenStill() {
  const int64_t at = PointerHideDeadline();
  if (at < 0 || int64_t(SDL_GetTicks()) < at) return;
  SDL_ShowCursor(SDL_DISABLE);
  s.pointerHidden = true;
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
  if (internal::ResizeSettled(SDL_GetTicks()) && !s.fullscreen) {
    int w = 0, h = 0;
    SDL_GetWindowSize(s.window, &w, &h);
    internal::RecordScale(std::max(1, std::min(w / kPlayW, h / kFullH)));
  }
  HidePointerWhenStill();
  if (internal::NeedsPresent()) Show();
  return handled;
}

// --- The display --------------------------------------------------------------

bool EnvSet(const char* name) {
  const char* v = SDL_getenv(name);
  return v && *v;
}

// "DISPLAY=:0, WAYLAND_DISPLAY is not set": what the session names.
std::string DisplayNames() {
  std::string text;
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    if (!text.empty()) text += ", ";
    text += name;
    text += EnvSet(name) ? std::string("=") + SDL_getenv(name) : std::string(" is not set");
  }
  return text;
}

// Starts SDL's video on the display the session names: X11 for DISPLAY,
// Wayland for WAYLAND_DISPLAY. Without either the game stops at once instead
// of falling back to a driver that draws where nobody sees it (over ssh, say);
// SDL_VIDEODRIVER still chooses any driver by name.
void OpenDisplay() {
  if (!EnvSet("SDL_VIDEODRIVER")) {
    std::string drivers;
    if (EnvSet("DISPLAY")) drivers = "x11";
    if (EnvSet("WAYLAND_DISPLAY")) drivers += drivers.empty() ? "wayland" : ",wayland";
    if (drivers.empty())
      FatalError(
          "no display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY is set "
          "(the game needs a graphical session)");
    SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
  }
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0)
    FatalError("cannot open a window on the display (" + DisplayNames() + "): " + SDL_GetError());
}

std::string g_displayLost;  // the message for a display that goes away

// Xlib calls this when the connection to the X server is gone; it must not
// return. The game ends with a message instead of Xlib's own.
int XDisplayLost(Display*) {
  internal::AtEnd(recfile::EndHow::Lost);
  std::fputs(g_displayLost.c_str(), stderr);
  std::_Exit(1);
}

// A display that goes away ends the game with a message naming it.
void WatchDisplay() {
  g_displayLost = "mokimoki: the display went away (" + DisplayNames() + "); the game ends\n";
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(s.window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  void* xlib = SDL_LoadObject("libX11.so.6");
  using SetHandler = XIOErrorHandler (*)(XIOErrorHandler);
  auto set =
      xlib ? reinterpret_cast<SetHandler>(SDL_LoadFunction(xlib, "XSetIOErrorHandler")) : nullptr;
  if (set) set(XDisplayLost);
}

// Wayland has no such call: SDL sends a quit when its connection breaks, and
// the connection then holds an error.
bool WaylandDisplayLost() {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!s.window || !SDL_GetWindowWMInfo(s.window, &info) || info.subsystem != SDL_SYSWM_WAYLAND)
    return false;
  void* lib = SDL_LoadObject("libwayland-client.so.0");
  using GetError = int (*)(wl_display*);
  auto getError =
      lib ? reinterpret_cast<GetError>(SDL_LoadFunction(lib, "wl_display_get_error")) : nullptr;
  return getError && getError(info.info.wl.display) != 0;
}

// --- A fatal error's box ---------------------------------------------------------

pid_t g_boxGroup = 0;  // the process group showing the box

void EndBoxAndGame(int sig) {
  if (g_boxGroup > 0) kill(-g_boxGroup, SIGKILL);
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

void EndOwnGroup(int) {
  kill(0, SIGKILL);
}

// Shows the box in a child process with a process group of its own (SDL may
// hand the box to further processes of its own) and waits until it is
// closed. Nothing of it outlives the game: SIGTERM, SIGINT or SIGHUP to the
// game end the box too, and a game killed outright takes the box with it.
void ShowFatalBox(const std::string& text) {
  const pid_t game = getpid();
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    std::signal(SIGTERM, EndOwnGroup);
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != game) EndOwnGroup(0);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, s.caption.c_str(), text.c_str(), s.window);
    std::_Exit(0);
  }
  if (pid < 0) return;  // no box rather than one that could stay behind
  setpgid(pid, pid);
  g_boxGroup = pid;
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) std::signal(sig, EndBoxAndGame);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace

void CreateMainWindow(const std::u32string& caption) {
  internal::PlatformScope platform;  // what opening the window reads is not the game's
  s.caption = ToUtf8(caption);
  // The locale first, so the Japanese caption reaches the window manager intact.
  std::setlocale(LC_ALL, "");
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
  SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
  // The window's own pixels, not a texture behind them: under X11 the
  // changed rectangles then go by shared memory without any OpenGL.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  NameGameWindows();
  OpenDisplay();
  std::string err;
  if (!InitFonts(err)) FatalError(err);

  // Open at the scale the player left, as far as the screen allows, or else
  // at the largest whole multiple that fits comfortably on it.
  int fit = 1, most = 1;
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0) {
    fit = std::min(int(usable.w * 0.9) / kPlayW, int(usable.h * 0.9) / kFullH);
    most = std::min(usable.w / kPlayW, usable.h / kFullH);
  }
  const int scale = internal::OpeningScale(fit, most);
  s.window = SDL_CreateWindow(ToUtf8(caption).c_str(), SDL_WINDOWPOS_CENTERED,
                              SDL_WINDOWPOS_CENTERED, kPlayW * scale, kFullH * scale,
                              SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
  if (!s.window) FatalError(std::string("cannot open a window: ") + SDL_GetError());
  SetGameIcon(s.window);
  WatchDisplay();
  const char* way = SDL_getenv("MOKI_PRESENT");  // "renderer" tries the other way
  s.direct = !(way && std::string(way) == "renderer") && SDL_GetWindowSurface(s.window) != nullptr;
  if (!s.direct) {
    s.renderer = SDL_CreateRenderer(s.window, -1, SDL_RENDERER_ACCELERATED);
    if (!s.renderer) s.renderer = SDL_CreateRenderer(s.window, -1, SDL_RENDERER_SOFTWARE);
    if (!s.renderer) FatalError(std::string("cannot draw in the window: ") + SDL_GetError());
    SDL_SetTextureScaleMode(s.texture, SDL_ScaleModeNearest);
    s.texture = SDL_CreateTexture(s.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                  kPlayW, kFullH);
    if (!s.texture) FatalError(std::string("cannot draw in the window: ") + SDL_GetError());
  }
  internal::WindowOpened(scale);
  if (internal::OpeningFullscreen()) SetFullscreen(true);
  // Game controllers are welcome but not needed.
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
  StartTestPad();
  internal::MarkDirty();
  Show();
}

static bool KeyDownWaitingLive(int vk) {
  if (!s.window || MenuC().menuOpen || internal::GetControls().boxUp) return false;
  SDL_PumpEvents();
  SDL_Event pending[64];
  int n = SDL_PeepEvents(pending, 64, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_KEYDOWN);
  for (int i = 0; i < n; ++i) {
    const SDL_KeyboardEvent& k = pending[i].key;
    if (!k.repeat && !(k.keysym.mod & KMOD_ALT) && !internal::CapturingKey() &&
        internal::BoundVk(k.keysym.sym) == vk)
      return true;
  }
  n = SDL_PeepEvents(pending, 64, SDL_PEEKEVENT, SDL_CONTROLLERAXISMOTION,
                     SDL_CONTROLLERDEVICEREMOVED);
  return n > 0 && s.pads.WouldPress(vk, [&](internal::PadInput& look, const auto& send) {
    for (int i = 0; i < n; ++i) FeedPad(look, pending[i], send);
  });
}

bool KeyDownWaiting(int vk) {
  return internal::TakeKeyWaiting(vk, [vk] { return KeyDownWaitingLive(vk); });
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

void SetCaption(const std::u32string& caption) {
  s.caption = ToUtf8(caption);
  if (s.window) SDL_SetWindowTitle(s.window, s.caption.c_str());
}

void MessageBox(const std::u32string& text, const std::u32string& caption) {
  auto& c = internal::GetControls();
  c.boxUp = true;
  c.boxText = text;
  c.boxCaption = caption;
  internal::CloseMenu();
  internal::ModalScope modal;
  while (!modal.Answered() && c.boxUp) WaitEvents(-1);
  c.boxUp = false;
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
  return internal::TakeClock(SDL_GetTicks());
}

void DoEvents() {
  if (internal::ReplayPump()) return;
  internal::PumpScope pump;
  PumpOnce();
}

void WaitEvents(int64_t deadline) {
  if (internal::ReplayPump()) return;
  internal::PumpScope pump;
  for (;;) {
    if (PumpOnce()) return;
    Uint32 now = SDL_GetTicks();
    if (deadline >= 0 && int64_t(now) >= deadline) return;
    // Sleep until the next event, the next tick or the deadline: a waiting
    // game costs no CPU.
    int64_t timeout = deadline >= 0 ? deadline - int64_t(now) : 1000;
    if (s.timerEnabled && !s.inTick && !internal::GetControls().boxUp)
      timeout = std::min<int64_t>(timeout, int64_t(Sint32(s.nextTimer - now)));
    if (const int64_t blink = internal::NextMarkBlink(); blink >= 0)
      timeout = std::min<int64_t>(timeout, blink - int64_t(now));
    if (internal::NeedsPresent()) timeout = std::min<int64_t>(timeout, int64_t(kRefreshMs));
    if (internal::ResizeDeadline() >= 0)
      timeout = std::min<int64_t>(timeout, int64_t(internal::ResizeDeadline()) - int64_t(now) + 1);
    if (const int64_t hide = PointerHideDeadline(); hide >= 0)
      timeout = std::min<int64_t>(timeout, hide - int64_t(now) + 1);
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
  if (WaylandDisplayLost()) {
    internal::AtEnd(recfile::EndHow::Lost);
    std::fputs(g_displayLost.c_str(), stderr);
    std::_Exit(1);
  }
  // Leave at once. Tearing SDL down first can race with the X server over a
  // window that is already going (an X error then ends the program with
  // status 1); the server closes the window with the connection anyway.
  internal::AtEnd(recfile::EndHow::Quit);
  std::fflush(nullptr);
  std::_Exit(0);
}

[[noreturn]] void FatalError(const std::string& msg) {
  internal::AtEnd(recfile::EndHow::Fatal, msg);
  std::cerr << "mokimoki: " << msg << "\n";
  // The box does not wrap long lines: break the message after each ": ".
  std::string boxText = msg;
  for (size_t at = boxText.find(": "); at != std::string::npos; at = boxText.find(": ", at + 2))
    boxText.replace(at, 2, ":\n");
  // Only on the display the game already has: a failed start-up of SDL's
  // video is not tried again, lest another driver show the box where nobody
  // sees it.
  if (SDL_WasInit(SDL_INIT_VIDEO)) ShowFatalBox(boxText);
  std::exit(1);
}

void SetFitScaling(bool fit) {
  if (FitScaling() == fit) return;
  internal::ChangeSettings([fit](Settings& s) { s.scaling = fit ? Scaling::Fit : Scaling::Whole; });
  s.redrawAll = true;
  internal::MarkDirty();
}

bool FitScaling() {
  return CurrentSettings().scaling == Scaling::Fit;
}

// Playback in the real window: the recording's own pace, the window kept
// alive (uncovered, resized, closed), the player's keys and clicks ignored.
void internal::PlaybackWait(uint32_t ms) {
  static const Uint32 begin = SDL_GetTicks();
  for (;;) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
      if (e.type == SDL_QUIT) PlaybackClosed();
      if (e.type == SDL_WINDOWEVENT) {
        s.redrawAll = true;
        internal::MarkDirty();
        Show();
      }
    }
    const Sint32 left = Sint32(begin + ms - SDL_GetTicks());
    if (left <= 0) return;
    SDL_Delay(Uint32(std::min<Sint32>(left, 10)));
  }
}

[[noreturn]] void internal::PlaybackStop(int code) {
  std::fflush(nullptr);
  std::_Exit(code);
}

}  // namespace plat
