// The headless backend's controls for tests and the scenario runner: a
// virtual clock, scripted input, captured frames and a fixed random seed.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace plat::headless {

// Thrown out of the event pump when the run is over (scenario finished, the
// game quit, an `until` timed out). Only the harness catches it.
struct RunEnded {
  int code;
};

// A fresh run: virtual clock at 0, timer off, controls reset, no scenario,
// random seed `seed`, the default settings (no file) and the window opened
// at them.
void Reset(uint64_t seed = 1);

// Parses a scenario; on a line it cannot read returns false with err naming
// the line (the run has not started). A leading `seed N` reseeds; a leading
// `settings FILE` reads the settings from FILE now (changes are written
// there) and opens the window again at them.
bool LoadScenario(const std::string& text, std::string& err);

// Runs body (typically Form_Load and the main loop) until the run ends;
// returns the exit status: 0 finished or quit, 3 an `until` timed out.
int Run(const std::function<void()>& body);
// The main loop: handles events for ever (until the run ends).
void MainLoop();

// Every line printed by `dump` (and the final dump of Run), in order.
const std::vector<std::string>& Dumps();
// Where `dump` lines go besides Dumps() (the runner prints them); may be empty.
void SetDumpSink(std::function<void(const std::string&)> sink);
// The state JSON with the platform's own fields added (tick, controls, last box).
std::string DumpJson();

// Frames shown so far (each one keeps its place in the pacing), how many of
// them were drawn on or had a control changed since the one before and so
// were sent to the screen, the last one (play area with the controls over
// it, put together when asked for: the event pump shows whatever was drawn
// before it returns), and an optional hook called with every frame shown.
uint64_t FrameCount();
uint64_t SentFrameCount();
const Surface& LastFrame();
void SetFrameHook(std::function<void(const Surface&)> hook);
// Called for every frame shown too, but with no picture: nothing is put
// together for it (for a player or a clock that only needs the beat).
void SetFrameNotice(std::function<void()> notice);

// Message boxes shown (each answered with OK after 500 virtual ms, or after
// the time set here).
void SetMessageBoxAnswerMs(double ms);
int MessageBoxCount();
std::u32string LastMessageBoxText();
std::u32string LastMessageBoxCaption();

// Events for tests that drive the game without a scenario file: queued now,
// or afterMs virtual milliseconds from now.
void QueueKeyDown(int vk, double afterMs = 0);
void QueueKeyUp(int vk, double afterMs = 0);
void QueueMenu(int index);
// A key of the keyboard (SDL keycode), through the player's keys.
void QueueKeyboardDown(int32_t keycode, double afterMs = 0);
void QueueKeyboardUp(int32_t keycode, double afterMs = 0);
// A controller's button (PadButton), through the controllers' own code.
void QueuePad(int button, bool down, double afterMs = 0);

// A player stand-in for tests: called whenever the game waits and nothing is
// due, before time moves on; it may queue keys (QueueKeyDown/Up) to answer.
void SetIdleHook(std::function<void()> hook);

// Virtual milliseconds (with the fraction the refresh pacing leaves).
double Now();

}  // namespace plat::headless
