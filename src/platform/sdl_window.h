// The SDL window's own state, shared by the files of the SDL backend:
// backend_sdl.cpp (the window and the backend's table), sdl_present.cpp (the
// picture sent), sdl_events.cpp (SDL's events), sdl_display.cpp (the display
// and full screen), sdl_fatal_box.cpp and sdl_test_pad.cpp.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/fit_scale.h"
#include "platform/gamepad.h"
#include "platform/internal.h"
#include "platform/surface.h"

namespace plat::sdl {

constexpr int kFullH = internal::kWindowH;
constexpr double kRefreshMs = 1000.0 / 60.0;

struct Sdl {
  SDL_Window* window = nullptr;
  std::string caption;  // the window's, in the game's language: the fatal box's too
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
  Surface menuBar{kPlayW, internal::kMenuBarH, kBlack};
  Surface menuBarShown{kPlayW, internal::kMenuBarH, kBlack};  // the menu bar as last sent
  Surface shown{kPlayW, kPlayH, kBlack};                      // the play area as last sent
  Surface composed{kPlayW, kPlayH, kBlack};                   // the play area under controls
  Uint64 lastPresent = 0;
  Uint32 pointerMoved = 0;  // when the mouse last moved; its pointer hides in full screen
  bool pointerHidden = false;
  bool fullscreen = false;
  SDL_Rect windowed{};  // where the window was before covering a bare X screen
  internal::PadInput pads;
};

extern Sdl s;

// sdl_present.cpp: the picture's height (with the bar or without), where it
// sits in a window of that size, a point of the window in the picture's
// pixels, and a frame sent to the window (changed: it may differ).
int PictureH();
void PlacePicture(int windowW, int windowH);
void ToPicture(int& x, int& y);
void Send(const Surface& play, bool changed);

// sdl_events.cpp: one of SDL's events handled; the game keys of the
// controllers' events (for a look at the waiting keys); the pointer hidden
// in full screen when it stands still.
void Handle(const SDL_Event& e);
void FeedPad(internal::PadInput& pads, const SDL_Event& e, const internal::PadInput::Send& send);
int64_t PointerHideDeadline();
void HidePointerWhenStill();

// sdl_display.cpp: SDL's video on the session's display, a display that goes
// away, and full screen.
void OpenDisplay();
void WatchDisplay();
bool WaylandDisplayLost();
[[noreturn]] void DisplayLost();
void SetFullscreen(bool on);

// sdl_fatal_box.cpp: the box of a fatal error, shown from a process of its own.
void ShowFatalBox(const std::string& text);

// sdl_test_pad.cpp (only with MOKI_TEST_HOOKS): a controller made in
// software for tests; TestPadEvent handles its own events.
void StartTestPad();
bool TestPadEvent(const SDL_Event& e);

}  // namespace plat::sdl
