// The seam between the platform's core and a backend. The core (event_pump.cpp
// and the rest of src/platform) holds what every backend shares: Timer1 and
// the tick count, the event pump and its waits, the message box, pacing and
// sending frames only when they changed, the controls and the menu bar drawn
// over the picture, the window's own keys and mouse (window_input.h), keys
// and controllers through the player's bindings. A backend holds only what
// differs, as this table of functions, and installs it with UseBackend
// before the game starts:
// - the SDL window (backend_sdl.cpp and sdl_*.cpp): real time, SDL's events,
//   the picture sent to the window, a lost display;
// - headless (backend_headless.cpp): a virtual clock, a scenario's or a
//   test's input, frames captured.
// Its input events reach the game through the core's handlers (session.h),
// so a recording sees every one.
#pragma once

#include <limits>
#include <string>

#include "platform/surface.h"

namespace plat::internal {

// When a wait for events ends at the latest (milliseconds on the backend's
// clock; kNever: no limit of that kind).
constexpr double kNever = std::numeric_limits<double>::infinity();
struct Wake {
  double until = kNever;   // the caller's deadline, or Timer1's next tick
  double blink = kNever;   // the page-end mark's next blink
  double resize = kNever;  // a resize drag settles
};

struct Backend {
  // Milliseconds since start-up.
  double (*now)();
  // Handles every input event that is due; true when there was one.
  bool (*poll)();
  // A timer tick was handled (headless: its scenario runs what is due).
  void (*afterTick)();
  // Nothing was due: sleeps until an input event arrives or w says; true
  // when an event was handled meanwhile (the wait is then over).
  bool (*sleep)(const Wake& w);
  // DoEvents found nothing to handle.
  void (*idle)();
  // The window's scale, to remember once a resize has settled; 0: none (full screen).
  int (*settledScale)();
  // Waits for the frame's turn (at most one per display refresh); false:
  // nothing to show it in yet. changed: the frame may differ from the one
  // on the screen.
  bool (*pace)(bool changed);
  // Shows the play area (changed: it may differ from the last one sent).
  void (*show)(const Surface& play, bool changed);
  // Whether a key-down of vk is among the events that are due.
  bool (*keyDownWaiting)(int vk);
  // A message box is shown; returns when it answers itself (kNever: when
  // the player answers it).
  double (*boxShown)(const std::u32string& text, const std::u32string& caption);
  // The picture must be sent whole again (the scaling changed).
  void (*redrawAll)();
  // F11: the window goes to full screen or back; whether it is now full screen.
  bool (*toggleFullscreen)();
};
void UseBackend(const Backend& backend);
const Backend& CurrentBackend();

// The core's own for the backends.
// The play area as the game drew it.
Surface& PlayArea();
// Sends a frame now if anything changed, paced (Present without the game's asking).
void ShowFrame();
// A fresh run (headless): Timer1 off, the play area black.
void ResetPump();
// A game key from a controller: none reaches the game while a message box
// is up, and no key goes down while a menu is open.
void PadKey(int vk, bool down);

}  // namespace plat::internal
