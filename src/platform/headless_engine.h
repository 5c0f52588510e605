// The headless backend's own state, shared by its event queue
// (backend_headless.cpp) and its scenario executor (headless_scenario.cpp).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/fit_scale.h"
#include "platform/gamepad.h"
#include "platform/scenario.h"
#include "platform/surface.h"

namespace plat::hl {

using internal::kNever;

// KeyDown, KeyUp: a virtual key for the game; Keyboard*: a key of the
// keyboard (SDL keycode), through the player's keys; Pad*: a controller's
// button (PadButton) or its left stick (value, value2), through the same code
// as the real window's controllers; Close: the window's close button.
enum class EvKind {
  KeyDown,
  KeyUp,
  Menu,
  KeyboardDown,
  KeyboardUp,
  PadDown,
  PadUp,
  PadStick,
  Close
};
struct Event {
  double at;
  EvKind kind;
  int value;
  int value2 = 0;
};

struct Engine {
  double now = 0;
  double lastPresent = -kNever;
  std::deque<Event> events;  // ordered by time

  std::vector<scenario::Command> commands;
  size_t cursor = 0;
  bool haveScenario = false;
  double blockedUntil = -kNever;  // a wait or press in progress
  bool untilActive = false;
  scenario::Command until;
  double untilDeadline = 0;

  uint64_t frames = 0;      // frames paced, sent or not
  uint64_t framesSent = 0;  // frames that differed from the one before
  std::function<void(const Surface&)> frameHook;
  std::function<void()> frameNotice;
  std::function<void()> idleHook;

  std::vector<std::string> dumps;
  std::function<void(const std::string&)> dumpSink;
  int boxCount = 0;
  std::u32string boxText, boxCaption;
  std::vector<std::u32string> boxButtons;  // a question's yes and no; none: OK

  // The window on a screen of 1920 x 1080: its size, and full screen.
  int windowW = 0, windowH = 0;
  bool fullscreen = false;
  internal::PadInput pads;
};

extern Engine g;
// What the player sees of the play area when a control is up. It outlives a
// Reset: a fresh run (a test, a fuzz input) costs no new megabytes.
extern Surface g_frame;
extern double boxAnswerMs;  // how long the stand-in player takes to press OK

// Queues an event in order of time.
void Insert(const Event& e);
// Ends the run (thrown out of the event pump).
[[noreturn]] void EndRun(int code);
// Where the picture sits, as in the real window (in full screen the menu bar
// is no part of it), and the scale the window shows.
internal::Placement Picture();
int ShownScale();
// Opens the window as the real one does, at the setup in effect.
void OpenWindow();

// The scenario (headless_scenario.cpp): runs the commands that are due now,
// and returns when it waits for time to pass (or is finished).
void AdvanceScenario();
bool ScenarioFinished();
// The state as the scenario's `until` and `dump` see it.
std::string FieldJson(const std::string& field);
// A field of the platform's own (tick, controls, window, keys); false: none.
bool PlatformField(const std::string& field, std::string& json);
void EmitDump();

}  // namespace plat::hl
