// The SDL window's display: SDL's video on the display the session names,
// a display that goes away, and full screen with or without a window manager.
#include <SDL_syswm.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/sdl_window.h"

namespace plat::sdl {

namespace {

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

std::string g_displayLost;  // the message for a display that goes away

// Xlib calls this when the connection to the X server is gone; it must not
// return. The game ends with a message instead of Xlib's own.
int XDisplayLost(Display*) {
  DisplayLost();
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

}  // namespace

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

[[noreturn]] void DisplayLost() {
  internal::AtEnd(internal::Ending::Lost);
  std::fputs(g_displayLost.c_str(), stderr);
  std::_Exit(1);
}

// A display that goes away ends the game with a message naming it.
void WatchDisplay() {
  g_displayLost =
      internal::MessageLead() + "the display went away (" + DisplayNames() + "); the game ends\n";
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

}  // namespace plat::sdl
