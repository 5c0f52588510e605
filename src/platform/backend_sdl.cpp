// The players' backend: a real window on SDL2. The play area is drawn at
// 608 x 448 under a menu bar we draw ourselves, and the whole picture is
// enlarged by whole multiples when it is shown, or as large as it fits
// (fit_scale.h). In full screen the bar is hidden until a menu opens. Keys
// reach the game as the virtual-key codes it knows; controllers as the keys
// the player gave their buttons (gamepad.h). This file opens the window and
// gives the core its clock, its events and its waits (backend.h); the other
// sdl_*.cpp files hold the rest of what SDL does.
#include <SDL.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "platform/backend.h"
#include "platform/pad_buttons.h"
#include "platform/player_setup.h"
#include "platform/sdl_window.h"
#include "platform/sdl_window_identity.h"
#include "platform/text.h"

namespace plat {

namespace sdl {

Sdl s;

// SDL numbers a controller's buttons as PadButton does.
static_assert(int(SDL_CONTROLLER_BUTTON_A) == int(kPadA) &&
                  int(SDL_CONTROLLER_BUTTON_B) == int(kPadB) &&
                  int(SDL_CONTROLLER_BUTTON_X) == int(kPadX) &&
                  int(SDL_CONTROLLER_BUTTON_Y) == int(kPadY) &&
                  int(SDL_CONTROLLER_BUTTON_BACK) == int(kPadBack) &&
                  int(SDL_CONTROLLER_BUTTON_GUIDE) == int(kPadGuide) &&
                  int(SDL_CONTROLLER_BUTTON_START) == int(kPadStart) &&
                  int(SDL_CONTROLLER_BUTTON_LEFTSTICK) == int(kPadLeftStick) &&
                  int(SDL_CONTROLLER_BUTTON_RIGHTSTICK) == int(kPadRightStick) &&
                  int(SDL_CONTROLLER_BUTTON_LEFTSHOULDER) == int(kPadLeftShoulder) &&
                  int(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER) == int(kPadRightShoulder) &&
                  int(SDL_CONTROLLER_BUTTON_DPAD_UP) == int(kPadUp) &&
                  int(SDL_CONTROLLER_BUTTON_DPAD_DOWN) == int(kPadDown) &&
                  int(SDL_CONTROLLER_BUTTON_DPAD_LEFT) == int(kPadLeft) &&
                  int(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) == int(kPadRight),
              "the controller's buttons are numbered as SDL numbers them");
static_assert(int(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) + 1 == kPadButtonCount);

namespace {

double Now() {
  return double(SDL_GetTicks());
}

bool Poll() {
  bool handled = false;
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    Handle(e);
    handled = true;
  }
  HidePointerWhenStill();
  return handled;
}

// Sleeps until the next event, the next tick or the deadline: a waiting game
// costs no CPU.
bool Sleep(const internal::Wake& w) {
  const Uint32 now = SDL_GetTicks();
  int64_t timeout = w.until == internal::kNever ? 1000 : int64_t(w.until) - int64_t(now);
  if (w.blink != internal::kNever)
    timeout = std::min<int64_t>(timeout, int64_t(w.blink) - int64_t(now));
  if (internal::NeedsPresent()) timeout = std::min<int64_t>(timeout, int64_t(kRefreshMs));
  if (w.resize != internal::kNever)
    timeout = std::min<int64_t>(timeout, int64_t(w.resize) - int64_t(now) + 1);
  if (const int64_t hide = PointerHideDeadline(); hide >= 0)
    timeout = std::min<int64_t>(timeout, hide - int64_t(now) + 1);
  timeout = std::max<int64_t>(timeout, 0);
  SDL_Event e;
  if (!SDL_WaitEventTimeout(&e, int(timeout))) return false;
  Handle(e);
  if (internal::NeedsPresent()) internal::ShowFrame();
  return true;
}

int SettledScale() {
  if (s.fullscreen) return 0;
  int w = 0, h = 0;
  SDL_GetWindowSize(s.window, &w, &h);
  return std::max(1, std::min(w / kPlayW, h / kFullH));
}

double MsSince(Uint64 then) {
  return double(SDL_GetPerformanceCounter() - then) * 1000.0 /
         double(SDL_GetPerformanceFrequency());
}

bool Pace(bool) {
  if (!s.direct && !s.renderer) return false;
  double since = MsSince(s.lastPresent);
  if (s.lastPresent != 0 && since < kRefreshMs) SDL_Delay(Uint32(kRefreshMs - since + 0.5));
  s.lastPresent = SDL_GetPerformanceCounter();
  return true;
}

bool KeyDownWaiting(int vk) {
  if (!s.window || internal::GetControls().menuOpen || internal::GetControls().boxUp) return false;
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

double BoxShown(const std::u32string&, const std::u32string&) {
  return internal::kNever;  // the player answers it
}

constexpr internal::Backend kSdl = {Now,
                                    Poll,
                                    [] {},
                                    Sleep,
                                    [] {},
                                    SettledScale,
                                    Pace,
                                    Send,
                                    KeyDownWaiting,
                                    BoxShown,
                                    [] { s.redrawAll = true; },
                                    [] {
                                      SetFullscreen(!s.fullscreen);
                                      return s.fullscreen;
                                    }};
[[maybe_unused]] const bool kInUse = (internal::UseBackend(kSdl), true);

}  // namespace

}  // namespace sdl

using sdl::kFullH;
using sdl::s;

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
  sdl::OpenDisplay();
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
  sdl::WatchDisplay();
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
  if (internal::OpeningFullscreen()) sdl::SetFullscreen(true);
  // Game controllers are welcome but not needed.
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
#ifdef MOKI_TEST_HOOKS
  sdl::StartTestPad();
#endif
  internal::MarkDirty();
  internal::ShowFrame();
}

void SetCaption(const std::u32string& caption) {
  s.caption = ToUtf8(caption);
  if (s.window) SDL_SetWindowTitle(s.window, s.caption.c_str());
}

[[noreturn]] void Quit() {
  if (sdl::WaylandDisplayLost()) sdl::DisplayLost();
  // Leave at once. Tearing SDL down first can race with the X server over a
  // window that is already going (an X error then ends the program with
  // status 1); the server closes the window with the connection anyway.
  internal::AtEnd(internal::Ending::Quit);
  std::fflush(nullptr);
  std::_Exit(0);
}

[[noreturn]] void FatalError(const std::string& msg) {
  internal::AtEnd(internal::Ending::Fatal, msg);
  // The recording of the session it ended, for a report of the fault.
  const std::string note = internal::FatalNote().empty() ? "" : "\n\n" + internal::FatalNote();
  std::cerr << internal::MessageLead() << msg << note << "\n";
  // The box does not wrap long lines: break the message after each ": ".
  std::string boxText = msg;
  for (size_t at = boxText.find(": "); at != std::string::npos; at = boxText.find(": ", at + 2))
    boxText.replace(at, 2, ":\n");
  boxText += note;
  // Only on the display the game already has: a failed start-up of SDL's
  // video is not tried again, lest another driver show the box where nobody
  // sees it.
  if (SDL_WasInit(SDL_INIT_VIDEO)) sdl::ShowFatalBox(boxText);
  std::exit(1);
}

// Playback in the real window: the recording's own pace, the window kept
// alive (uncovered, resized, closed), the player's keys and clicks ignored.
bool internal::PlaybackWait(uint32_t ms) {
  static const Uint32 begin = SDL_GetTicks();
  for (;;) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
      if (e.type == SDL_QUIT) return false;
      if (e.type == SDL_WINDOWEVENT) {
        s.redrawAll = true;
        internal::MarkDirty();
        internal::ShowFrame();
      }
    }
    const Sint32 left = Sint32(begin + ms - SDL_GetTicks());
    if (left <= 0) return true;
    SDL_Delay(Uint32(std::min<Sint32>(left, 10)));
  }
}

[[noreturn]] void internal::PlaybackStop(int code) {
  std::fflush(nullptr);
  std::_Exit(code);
}

}  // namespace plat
