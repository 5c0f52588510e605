// The headless backend: the same game as in the real window, on a virtual
// clock. Input comes from a scenario (headless_scenario.cpp) or from tests,
// frames are captured instead of shown, message boxes are answered with
// their lit button (OK, a question's no) unless the scenario answers first,
// and the random seed is fixed. The scenario is consumed by the event pump
// itself, so it drives the game also inside the game's own waits (a
// dialogue, an animation).
#include <algorithm>
#include <cstdio>
#include <iostream>

#include "platform/headless.h"
#include "platform/headless_engine.h"
#include "platform/internal.h"
#include "platform/keyboard.h"
#include "platform/pad_buttons.h"
#include "platform/player_setup.h"
#include "platform/window_input.h"

namespace plat::hl {

Engine g;
Surface g_frame{kPlayW, kPlayH, kBlack};
double boxAnswerMs = 500.0;

namespace {

constexpr double kRefresh = 1000.0 / 60.0;
constexpr int kScreenW = 1920, kScreenH = 1080;

}  // namespace

int ShownScale() {
  if (g.fullscreen) return Picture().scale;
  return std::max(1, std::min(g.windowW / kPlayW, g.windowH / internal::kWindowH));
}

internal::Placement Picture() {
  const int w = g.fullscreen ? kScreenW : g.windowW, h = g.fullscreen ? kScreenH : g.windowH;
  const int pictureH = g.fullscreen ? kPlayH : internal::kWindowH;
  return FitScaling() ? internal::PlaceFit(w, h, kPlayW, pictureH)
                      : internal::PlaceWhole(w, h, kPlayW, pictureH);
}

// Opens the window as the real one does: at the remembered scale and full
// screen, or at the largest scale that fits comfortably.
void OpenWindow() {
  const int fit = std::min(kScreenW * 9 / 10 / kPlayW, kScreenH * 9 / 10 / internal::kWindowH);
  const int most = std::min(kScreenW / kPlayW, kScreenH / internal::kWindowH);
  const int scale = internal::OpeningScale(fit, most);
  g.windowW = kPlayW * scale;
  g.windowH = internal::kWindowH * scale;
  g.fullscreen = internal::OpeningFullscreen();
  internal::WindowOpened(scale);
}

void Insert(const Event& e) {
  auto it = g.events.begin();
  while (it != g.events.end() && it->at <= e.at) ++it;
  g.events.insert(it, e);
}
[[noreturn]] void EndRun(int code) {
  throw headless::RunEnded{code};
}

namespace {

void Dispatch(const Event& e) {
  auto& h = internal::GetHandlers();
  switch (e.kind) {
    // Controllers answer a message box themselves (gamepad.h).
    case EvKind::PadDown:
    case EvKind::PadUp:
      g.pads.Button(0, e.value, e.kind == EvKind::PadDown, internal::PadKey);
      return;
    case EvKind::PadStick:
      g.pads.Stick(0, internal::PadInput::kLeftX, e.value, internal::PadKey);
      g.pads.Stick(0, internal::PadInput::kLeftY, e.value2, internal::PadKey);
      return;
    // The keyboard's keys, as in the real window.
    case EvKind::KeyboardDown:
      internal::WindowKeyDown(internal::WindowKeyOf(e.value), e.value, false, false);
      return;
    case EvKind::KeyboardUp:
      internal::WindowKeyUp(internal::WindowKeyOf(e.value), e.value);
      return;
    default:
      break;
  }
  // The game's own keys go to the message box, which is answered by itself.
  if (internal::GetControls().boxUp && e.kind != EvKind::Close) return;
  switch (e.kind) {
    case EvKind::KeyDown:
      internal::NoteInputDevice(false);
      if (e.value == VK_F11)
        internal::ToggleFullscreen();  // the window's key, as in the real window
      else if (h.keyDown)
        h.keyDown(e.value);
      break;
    case EvKind::KeyUp:
      if (e.value != VK_F11 && h.keyUp) h.keyUp(e.value);
      break;
    case EvKind::Menu:
      if (MenuEnabled(e.value) && h.menu) h.menu(e.value);
      break;
    case EvKind::Close:  // the window's close button: the game has its say, then the end
      if (h.close) h.close();
      Quit();
    default:
      break;
  }
}

// --- The backend -------------------------------------------------------------------

double Now() {
  return g.now;
}

bool Poll() {
  AdvanceScenario();
  // The run ends with the scenario, once what it sent has been handled, even
  // while ticks keep the game busy.
  if (ScenarioFinished() && (g.events.empty() || g.events.front().at > g.now)) EndRun(0);
  bool handled = false;
  while (!g.events.empty() && g.events.front().at <= g.now) {
    Event e = g.events.front();
    g.events.pop_front();
    Dispatch(e);
    handled = true;
    AdvanceScenario();
  }
  return handled;
}

bool Sleep(const internal::Wake& w) {
  if (g.idleHook) {
    size_t queued = g.events.size();
    g.idleHook();
    if (g.events.size() != queued) return false;
  }
  if (ScenarioFinished()) EndRun(0);
  double next = w.until;
  if (!g.events.empty()) next = std::min(next, g.events.front().at);
  if (g.untilActive) next = std::min(next, g.untilDeadline);
  if (g.now < g.blockedUntil) next = std::min(next, g.blockedUntil);
  // The page-end mark's blinks are shown as they come, but they do not keep
  // alive a run that waits for nothing else.
  if (next != kNever) next = std::min(next, w.blink);
  next = std::min(next, w.resize);
  // A stand-in player looks again at least every 50 ms.
  if (g.idleHook) next = std::min(next, g.now + 50.0);
  // Waiting for input that no scenario will send.
  if (next == kNever) EndRun(0);
  g.now = std::max(g.now, next);
  return false;
}

void Idle() {
  if (ScenarioFinished()) EndRun(0);
  // Nothing to handle: time still passes, as it would for a program that
  // loops on its events, so a loop of DoEvents always comes to an end.
  g.now += 1.0;
}

int SettledScale() {
  return g.fullscreen ? 0 : ShownScale();
}

bool Pace(bool) {
  // Showing is paced like the real window: at most one frame per refresh.
  g.now = std::max(g.now, g.lastPresent + kRefresh);
  g.lastPresent = g.now;
  ++g.frames;
  return true;
}

void Show(const Surface& play, bool changed) {
  if (changed) ++g.framesSent;
  // Nothing is shown: what the player would see is put together only for
  // those who look at it.
  if (g.frameHook) g.frameHook(internal::PlayAreaSeen(play, g_frame));
  if (g.frameNotice) g.frameNotice();
}

bool KeyDownWaiting(int vk) {
  for (const Event& e : g.events) {
    if (e.at > g.now) break;
    if (e.kind == EvKind::KeyDown && e.value == vk) return true;
    if (e.kind == EvKind::KeyboardDown && !internal::CapturingKey() &&
        internal::BoundVk(e.value) == vk)
      return true;
  }
  return false;
}

double BoxShown(const std::u32string& text, const std::u32string& caption) {
  ++g.boxCount;
  g.boxText = text;
  g.boxCaption = caption;
  g.boxButtons = internal::GetControls().boxButtons;
  return g.now + boxAnswerMs;
}

bool ToggleFullscreen() {
  g.fullscreen = !g.fullscreen;
  return g.fullscreen;
}

constexpr internal::Backend kHeadless = {
    Now,  Poll, AdvanceScenario, Sleep,    Idle,  SettledScale,
    Pace, Show, KeyDownWaiting,  BoxShown, [] {}, ToggleFullscreen};
// In use from the start: the game may read the clock before the first run.
[[maybe_unused]] const bool kInUse = (internal::UseBackend(kHeadless), true);

}  // namespace

}  // namespace plat::hl

namespace plat {

using hl::EndRun;
using hl::EvKind;
using hl::g;
using hl::Insert;

// --- The window ------------------------------------------------------------------

void CreateMainWindow(const std::u32string&) {}
void SetCaption(const std::u32string&) {}

void Quit() {
  internal::AtEnd(internal::Ending::Quit);
  EndRun(0);
}

[[noreturn]] void FatalError(const std::string& msg) {
  internal::AtEnd(internal::Ending::Fatal, msg);
  std::cerr << internal::MessageLead() << msg << "\n";
  std::exit(1);
}

// Playback keeps the virtual clock with the recording's, and ends the run.
bool internal::PlaybackWait(uint32_t ms) {
  g.now = std::max(g.now, double(ms));
  return true;
}

[[noreturn]] void internal::PlaybackStop(int code) {
  EndRun(code);
}

// --- Test and runner controls ----------------------------------------------------------

namespace headless {

void Reset(uint64_t seed) {
  internal::UseBackend(hl::kHeadless);
  auto dumpSink = g.dumpSink;
  g = hl::Engine{};
  g.dumpSink = dumpSink;  // the runner's output stays connected; hooks do not
  internal::ResetPump();
  internal::GetControls() = internal::Controls{};
  internal::ForgetInputDevice();
  internal::SeedRandom(seed);
  // No settings file unless a scenario asks for one: the same run everywhere.
  internal::FreshSetup();
  internal::ForgetHeldKeys();
  internal::WindowOpened(1);
  hl::OpenWindow();
  hl::boxAnswerMs = 500.0;
  internal::MarkDirty();
}

int Run(const std::function<void()>& body) {
  int code = 0;
  try {
    body();
  } catch (const RunEnded& e) {
    code = e.code;
  }
  // The final dump is part of every run, however it ended.
  hl::EmitDump();
  return code;
}

void MainLoop() {
  for (;;) WaitEvents(-1);
}

void SetIdleHook(std::function<void()> hook) {
  g.idleHook = std::move(hook);
}

uint64_t FrameCount() {
  return g.frames;
}
uint64_t SentFrameCount() {
  return g.framesSent;
}
const Surface& LastFrame() {
  return internal::PlayAreaSeen(internal::PlayArea(), hl::g_frame);
}
void SetFrameHook(std::function<void(const Surface&)> hook) {
  g.frameHook = std::move(hook);
}
void SetFrameNotice(std::function<void()> notice) {
  g.frameNotice = std::move(notice);
}

void SetMessageBoxAnswerMs(double ms) {
  hl::boxAnswerMs = ms;
}

int MessageBoxCount() {
  return g.boxCount;
}
std::u32string LastMessageBoxText() {
  return g.boxText;
}
std::u32string LastMessageBoxCaption() {
  return g.boxCaption;
}

void QueueKeyDown(int vk, double afterMs) {
  Insert({g.now + afterMs, EvKind::KeyDown, vk});
}
void QueueKeyUp(int vk, double afterMs) {
  Insert({g.now + afterMs, EvKind::KeyUp, vk});
}
void QueueMenu(int index) {
  Insert({g.now, EvKind::Menu, index});
}
void QueueKeyboardDown(int32_t keycode, double afterMs) {
  Insert({g.now + afterMs, EvKind::KeyboardDown, keycode});
}
void QueueKeyboardUp(int32_t keycode, double afterMs) {
  Insert({g.now + afterMs, EvKind::KeyboardUp, keycode});
}

double Now() {
  return g.now;
}

void QueuePad(int button, bool down, double afterMs) {
  Insert({g.now + afterMs, down ? EvKind::PadDown : EvKind::PadUp, button});
}

}  // namespace headless

}  // namespace plat
