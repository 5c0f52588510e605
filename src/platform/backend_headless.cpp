// The headless backend: the same interface as the real window, on a virtual
// clock. Input comes from a scenario (or from tests), frames are captured
// instead of shown, message boxes are answered with OK, and the random seed
// is fixed. The scenario is consumed by the event pump itself, so it drives
// the game also inside the game's own waits (a dialogue, an animation).
#include <cmath>
#include <cstdio>
#include <deque>
#include <iostream>
#include <limits>

#include "platform/fit_scale.h"
#include "platform/gamepad.h"
#include "platform/headless.h"
#include "platform/internal.h"
#include "platform/json_escape.h"
#include "platform/pad_bindings.h"
#include "platform/png_io.h"
#include "platform/scenario.h"
#include "player_files/settings.h"
#include "platform/text.h"

namespace plat {

namespace {

constexpr double kRefresh = 1000.0 / 60.0;
double boxAnswerMs = 500.0;  // how long the stand-in player takes to press OK
constexpr double kNever = std::numeric_limits<double>::infinity();

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
  bool timerEnabled = false;
  double nextTimer = 0;
  bool inTick = false;
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

  // The window on a screen of 1920 x 1080: its size, and full screen.
  int windowW = 0, windowH = 0;
  bool fullscreen = false;
  internal::PadInput pads;
};

constexpr int kScreenW = 1920, kScreenH = 1080;

Engine g;
// The play area, and what the player sees of it when a control is up. They
// outlive a Reset, which only blackens the window: a fresh run (a test, a
// fuzz input) costs no new megabytes.
Surface g_window{kPlayW, kPlayH, kBlack};
Surface g_frame{kPlayW, kPlayH, kBlack};

// Where the picture sits, as in the real window: in full screen the menu bar
// is no part of it.
internal::Placement Picture();

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

void ToggleFullscreen() {
  g.fullscreen = !g.fullscreen;
  internal::RecordFullscreen(g.fullscreen);
  Refresh();  // the game's picture may say how to reach the hidden menu
}

void Insert(const Event& e) {
  auto it = g.events.begin();
  while (it != g.events.end() && it->at <= e.at) ++it;
  g.events.insert(it, e);
}

// The player's keys or buttons: {"left":["Left"],...}.
std::string KeysJson(const std::array<std::vector<std::string>, kGameKeyCount>& keys) {
  std::string json(1, '{');
  for (int k = 0; k < kGameKeyCount; ++k) {
    if (k) json += ',';
    json += JsonString(GameKeyName(k));
    json += ":[";
    const auto& names = keys[size_t(k)];
    for (size_t i = 0; i < names.size(); ++i) {
      if (i) json += ',';
      json += JsonString(names[i]);
    }
    json += ']';
  }
  json += '}';
  return json;
}

bool PlatformField(const std::string& field, std::string& json) {
  const auto& c = internal::GetControls();
  if (field == "tick")
    json = std::to_string(uint32_t(g.now));
  else if (field == "timerEnabled")
    json = g.timerEnabled ? "true" : "false";
  else if (field == "label1Visible")
    json = c.labelVisible ? "true" : "false";
  else if (field == "menuStartEnabled")
    json = MenuEnabled(kMenuStart) ? "true" : "false";
  else if (field == "menuContinueEnabled")
    json = MenuEnabled(kMenuContinue) ? "true" : "false";
  else if (field == "yesNoVisible")
    json = std::string("[") + (c.yesNoVisible[0] ? "true" : "false") + "," +
           (c.yesNoVisible[1] ? "true" : "false") + "]";
  else if (field == "frames")
    json = std::to_string(g.frames);
  else if (field == "window")
    json = "{\"width\":" + std::to_string(g.windowW) + ",\"height\":" + std::to_string(g.windowH) +
           ",\"scale\":" + std::to_string(ShownScale()) +
           ",\"fullscreen\":" + (g.fullscreen ? "true" : "false") + "}";
  else if (field == "picture")  // its box in the window, or on the screen
    json = std::string("{\"scaling\":") + (FitScaling() ? "\"fit\"" : "\"whole\"") +
           ",\"x\":" + std::to_string(Picture().x) + ",\"y\":" + std::to_string(Picture().y) +
           ",\"w\":" + std::to_string(Picture().w) + ",\"h\":" + std::to_string(Picture().h) + "}";
  else if (field == "keys")
    json = KeysJson(CurrentSettings().keys);
  else if (field == "pad")
    json = KeysJson(CurrentSettings().pad);
  else if (field == "padLast")
    json = PadUsedLast() ? "true" : "false";
  else if (field == "menu")
    json = std::string("{\"open\":") + (c.menuOpen ? "true" : "false") +
           ",\"index\":" + std::to_string(c.menuIndex) +
           ",\"cursor\":" + std::to_string(c.menuCursor) + "}";
  else if (field == "lastMessageBox")
    json = g.boxCount == 0 ? "null"
                           : "{\"text\":" + JsonString(ToUtf8(g.boxText)) +
                                 ",\"caption\":" + JsonString(ToUtf8(g.boxCaption)) + "}";
  else
    return false;
  return true;
}

std::string FieldJson(const std::string& field) {
  std::string json;
  if (PlatformField(field, json)) return json;
  auto& h = internal::GetHandlers();
  if (h.fieldJson && h.fieldJson(field, json)) return json;
  return "";
}

void EmitDump() {
  std::string line = headless::DumpJson();
  g.dumps.push_back(line);
  if (g.dumpSink) g.dumpSink(line);
}

[[noreturn]] void EndRun(int code) {
  throw headless::RunEnded{code};
}

void ShowFrame() {
  // Showing is paced like the real window: at most one frame per refresh.
  g.now = std::max(g.now, g.lastPresent + kRefresh);
  g.lastPresent = g.now;
  ++g.frames;
  // A frame like the last one keeps its place in time but is not sent again.
  if (internal::FrameChanged(g_window)) ++g.framesSent;
  internal::PresentedNow();
  // Nothing is shown: what the player would see is put together only for
  // those who look at it.
  if (g.frameHook) g.frameHook(internal::PlayAreaSeen(g_window, g_frame));
  if (g.frameNotice) g.frameNotice();
}

// A game key from a controller, as in the real window: none while a message
// box is up, and no key goes down while a menu is open.
void PadKey(int vk, bool down) {
  auto& h = internal::GetHandlers();
  if (internal::GetControls().boxUp) return;
  if (down) {
    if (!internal::GetControls().menuOpen && h.keyDown) h.keyDown(vk);
  } else if (h.keyUp) {
    h.keyUp(vk);
  }
}

void Dispatch(const Event& e) {
  auto& h = internal::GetHandlers();
  auto& c = internal::GetControls();
  // Controllers answer a message box themselves (gamepad.h).
  if (e.kind == EvKind::PadDown || e.kind == EvKind::PadUp) {
    g.pads.Button(0, e.value, e.kind == EvKind::PadDown, PadKey);
    return;
  }
  if (e.kind == EvKind::PadStick) {
    g.pads.Stick(0, internal::PadInput::kLeftX, e.value, PadKey);
    g.pads.Stick(0, internal::PadInput::kLeftY, e.value2, PadKey);
    return;
  }
  // Keys go to the message box, which is answered by itself.
  if (c.boxUp && e.kind != EvKind::Close) return;
  if (e.kind == EvKind::KeyDown || e.kind == EvKind::KeyboardDown) internal::NoteInputDevice(false);
  switch (e.kind) {
    case EvKind::KeyDown:
      if (e.value == VK_F11)
        ToggleFullscreen();  // the window's key, as in the real window
      else if (h.keyDown)
        h.keyDown(e.value);
      break;
    case EvKind::KeyUp:
      if (e.value != VK_F11 && h.keyUp) h.keyUp(e.value);
      break;
    case EvKind::KeyboardDown: {
      if (e.value == KeyCodeOf("F11")) {
        ToggleFullscreen();
        break;
      }
      const int vk = internal::KeyboardDown(e.value, false);
      if (vk && h.keyDown) h.keyDown(vk);
      break;
    }
    case EvKind::KeyboardUp: {
      const int vk = internal::KeyboardUp(e.value);
      if (vk && h.keyUp) h.keyUp(vk);
      break;
    }
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

// Runs the scenario's commands that are due now. Returns when the scenario
// waits for time to pass (or is finished).
void AdvanceScenario() {
  for (;;) {
    if (g.untilActive) {
      if (FieldJson(g.until.field) == g.until.value) {
        g.untilActive = false;
        continue;
      }
      if (g.now >= g.untilDeadline) {
        std::cerr << "scenario line " << g.until.line << ": until " << g.until.field << " "
                  << g.until.value << ": not reached within " << g.until.ms << " ms (it is "
                  << FieldJson(g.until.field) << ")\n";
        EndRun(3);
      }
      return;
    }
    if (g.now < g.blockedUntil) return;
    if (g.cursor >= g.commands.size()) return;
    const scenario::Command& c = g.commands[g.cursor++];
    switch (c.op) {
      case scenario::Op::Seed:
        internal::SeedRandom(c.seed);
        break;
      case scenario::Op::Settings:
        break;  // read when the scenario was loaded, before the game starts
      case scenario::Op::KeyDown:
        Insert({g.now, EvKind::KeyboardDown, c.key});
        break;
      case scenario::Op::KeyUp:
        Insert({g.now, EvKind::KeyboardUp, c.key});
        break;
      case scenario::Op::PressKey:
        Insert({g.now, EvKind::KeyboardDown, c.key});
        Insert({g.now + double(c.ms), EvKind::KeyboardUp, c.key});
        g.blockedUntil = g.now + double(c.ms);
        break;
      case scenario::Op::Resize:
        // The player drags the window to this size; full screen has no edges.
        if (!g.fullscreen) {
          g.windowW = c.w;
          g.windowH = c.h;
          internal::WindowResized(g.now);
        }
        break;
      case scenario::Op::Wait:
        g.blockedUntil = g.now + double(c.ms);
        break;
      case scenario::Op::Down:
        Insert({g.now, EvKind::KeyDown, c.key});
        break;
      case scenario::Op::Up:
        Insert({g.now, EvKind::KeyUp, c.key});
        break;
      case scenario::Op::Press:
        Insert({g.now, EvKind::KeyDown, c.key});
        Insert({g.now + double(c.ms), EvKind::KeyUp, c.key});
        g.blockedUntil = g.now + double(c.ms);
        break;
      case scenario::Op::Menu:
        Insert({g.now, EvKind::Menu, c.menu});
        break;
      case scenario::Op::PadDown:
        Insert({g.now, EvKind::PadDown, c.key});
        break;
      case scenario::Op::PadUp:
        Insert({g.now, EvKind::PadUp, c.key});
        break;
      case scenario::Op::PadPress:
        Insert({g.now, EvKind::PadDown, c.key});
        Insert({g.now + double(c.ms), EvKind::PadUp, c.key});
        g.blockedUntil = g.now + double(c.ms);
        break;
      case scenario::Op::PadStick:
        Insert({g.now, EvKind::PadStick, c.w, c.h});
        break;
      case scenario::Op::Close:
        Insert({g.now, EvKind::Close, 0});
        break;
      case scenario::Op::Until:
        g.untilActive = true;
        g.until = c;
        g.untilDeadline = g.now + double(c.ms);
        break;
      case scenario::Op::Shot: {
        std::string err;
        if (!SavePng(c.file, internal::PlayAreaSeen(g_window, g_frame), err))
          std::cerr << "scenario line " << c.line << ": " << err << "\n";
        break;
      }
      case scenario::Op::Dump:
        EmitDump();
        break;
      case scenario::Op::Lang: {
        auto& h = internal::GetHandlers();
        if (!h.language || !h.language(c.value)) {
          std::cerr << "scenario line " << c.line << ": no language '" << c.value << "'\n";
          EndRun(2);
        }
        break;
      }
    }
  }
}

bool ScenarioFinished() {
  return g.haveScenario && g.cursor >= g.commands.size() && !g.untilActive &&
         g.now >= g.blockedUntil;
}

bool TimerDue() {
  return g.timerEnabled && !g.inTick && !internal::GetControls().boxUp && g.now >= g.nextTimer;
}

void FireTimer() {
  g.inTick = true;
  auto& h = internal::GetHandlers();
  if (h.timer) h.timer();
  g.inTick = false;
  // A late tick is not made up for: the next one comes one interval after the
  // scheduled one, or at once if that has already passed.
  g.nextTimer = std::max(g.nextTimer + kTimerInterval, g.now);
}

// One round of the pump. Returns true when something was handled.
bool ScenarioFinished();

bool PumpOnce() {
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
  if (!handled && TimerDue()) {
    FireTimer();
    handled = true;
    AdvanceScenario();
  }
  if (internal::ResizeSettled(g.now) && !g.fullscreen) internal::RecordScale(ShownScale());
  if (internal::NeedsPresent()) ShowFrame();
  return handled;
}

double NextWakeUp(int64_t deadline) {
  double next = deadline >= 0 ? double(deadline) : kNever;
  if (g.timerEnabled && !g.inTick && !internal::GetControls().boxUp)
    next = std::min(next, g.nextTimer);
  if (!g.events.empty()) next = std::min(next, g.events.front().at);
  if (g.untilActive) next = std::min(next, g.untilDeadline);
  if (g.now < g.blockedUntil) next = std::min(next, g.blockedUntil);
  // The page-end mark's blinks are shown as they come, but they do not keep
  // alive a run that waits for nothing else.
  if (const int64_t blink = internal::NextMarkBlink(); blink >= 0 && next != kNever)
    next = std::min(next, double(blink));
  if (internal::ResizeDeadline() >= 0) next = std::min(next, internal::ResizeDeadline());
  return next;
}

}  // namespace

// --- The window and its controls ------------------------------------------------

void CreateMainWindow(const std::u32string&) {}
void SetCaption(const std::u32string&) {}

static bool KeyDownWaitingLive(int vk) {
  for (const Event& e : g.events) {
    if (e.at > g.now) break;
    if (e.kind == EvKind::KeyDown && e.value == vk) return true;
    if (e.kind == EvKind::KeyboardDown && !internal::CapturingKey() &&
        internal::BoundVk(e.value) == vk)
      return true;
  }
  return false;
}

bool KeyDownWaiting(int vk) {
  return internal::TakeKeyWaiting(vk, [vk] { return KeyDownWaitingLive(vk); });
}

Surface& Window() {
  internal::MarkDrawn();
  return g_window;
}

void Present() {
  ShowFrame();
}

void Refresh() {
  auto& h = internal::GetHandlers();
  if (h.paint) h.paint();
  ShowFrame();
}

void MessageBox(const std::u32string& text, const std::u32string& caption) {
  auto& c = internal::GetControls();
  ++g.boxCount;
  g.boxText = text;
  g.boxCaption = caption;
  c.boxUp = true;
  c.boxText = text;
  c.boxCaption = caption;
  internal::MarkDirty();
  internal::ModalScope modal;
  double until = g.now + boxAnswerMs;
  while (!modal.Answered() && g.now < until && c.boxUp) WaitEvents(int64_t(std::ceil(until)));
  c.boxUp = false;
  internal::MarkDirty();
}

void SetFitScaling(bool fit) {
  if (FitScaling() == fit) return;
  internal::ChangeSettings([fit](Settings& s) { s.scaling = fit ? Scaling::Fit : Scaling::Whole; });
  internal::MarkDirty();
}

bool FitScaling() {
  return CurrentSettings().scaling == Scaling::Fit;
}

bool Fullscreen() {
  return g.fullscreen;
}

// --- Timer, clock, events ----------------------------------------------------------

void SetTimerEnabled(bool enabled) {
  if (enabled && !g.timerEnabled) g.nextTimer = g.now + kTimerInterval;
  g.timerEnabled = enabled;
}
bool TimerEnabled() {
  return g.timerEnabled;
}

uint32_t GetTickCount() {
  return internal::TakeClock(uint32_t(g.now));
}

void DoEvents() {
  if (internal::ReplayPump()) return;
  internal::PumpScope pump;
  if (PumpOnce()) return;
  if (ScenarioFinished()) EndRun(0);
  // Nothing to handle: time still passes, as it would for a program that
  // loops on its events, so a loop of DoEvents always comes to an end.
  g.now += 1.0;
}

void WaitEvents(int64_t deadline) {
  if (internal::ReplayPump()) return;
  internal::PumpScope pump;
  for (;;) {
    if (PumpOnce()) return;
    if (deadline >= 0 && g.now >= double(deadline)) return;
    if (g.idleHook) {
      size_t queued = g.events.size();
      g.idleHook();
      if (g.events.size() != queued) continue;
    }
    if (ScenarioFinished()) EndRun(0);
    double next = NextWakeUp(deadline);
    // A stand-in player looks again at least every 50 ms.
    if (g.idleHook) next = std::min(next, g.now + 50.0);
    if (next == kNever) {
      // Waiting for input that no scenario will send.
      EndRun(0);
    }
    g.now = std::max(g.now, next);
  }
}

void Quit() {
  internal::AtEnd(recfile::EndHow::Quit);
  EndRun(0);
}

[[noreturn]] void FatalError(const std::string& msg) {
  internal::AtEnd(recfile::EndHow::Fatal, msg);
  std::cerr << "mokimoki: " << msg << "\n";
  std::exit(1);
}

// Playback keeps the virtual clock with the recording's, and ends the run.
void internal::PlaybackWait(uint32_t ms) {
  g.now = std::max(g.now, double(ms));
}

[[noreturn]] void internal::PlaybackStop(int code) {
  EndRun(code);
}

// --- Test and runner controls ----------------------------------------------------------

namespace headless {

void Reset(uint64_t seed) {
  auto dumpSink = g.dumpSink;
  g = Engine{};
  g.dumpSink = dumpSink;  // the runner's output stays connected; hooks do not
  g_window.Fill(kBlack);
  internal::GetControls() = internal::Controls{};
  internal::ForgetInputDevice();
  internal::SeedRandom(seed);
  // No settings file unless a scenario asks for one: the same run everywhere.
  UseDefaultSettings();
  OpenWindow();
  boxAnswerMs = 500.0;
  internal::MarkDirty();
}

bool LoadScenario(const std::string& text, std::string& err) {
  std::vector<scenario::Command> cmds;
  if (!scenario::Parse(text, cmds, err)) return false;
  for (const scenario::Command& c : cmds)
    if (c.op == scenario::Op::Settings) {
      LoadSettings(c.file);
      OpenWindow();
    }
  g.commands = std::move(cmds);
  g.cursor = 0;
  g.haveScenario = true;
  return true;
}

int Run(const std::function<void()>& body) {
  int code = 0;
  try {
    body();
  } catch (const RunEnded& e) {
    code = e.code;
  }
  // The final dump is part of every run, however it ended.
  EmitDump();
  return code;
}

void MainLoop() {
  for (;;) WaitEvents(-1);
}

const std::vector<std::string>& Dumps() {
  return g.dumps;
}
void SetIdleHook(std::function<void()> hook) {
  g.idleHook = std::move(hook);
}
void SetDumpSink(std::function<void(const std::string&)> sink) {
  g.dumpSink = std::move(sink);
}

std::string DumpJson() {
  auto& h = internal::GetHandlers();
  std::string game = h.dumpJson ? h.dumpJson() : "{}";
  std::string extra;
  for (const char* f : {"tick", "timerEnabled", "label1Visible", "menuStartEnabled",
                        "menuContinueEnabled", "yesNoVisible", "frames", "lastMessageBox", "window",
                        "picture", "keys", "pad", "padLast", "menu"}) {
    std::string v;
    PlatformField(f, v);
    extra += std::string(extra.empty() ? "" : ",") + "\"" + f + "\":" + v;
  }
  if (game.size() >= 2 && game.back() == '}') {
    game.pop_back();
    return game + (game.size() > 1 ? "," : "") + extra + "}";
  }
  return "{" + extra + "}";
}

uint64_t FrameCount() {
  return g.frames;
}
uint64_t SentFrameCount() {
  return g.framesSent;
}
const Surface& LastFrame() {
  return internal::PlayAreaSeen(g_window, g_frame);
}
void SetFrameHook(std::function<void(const Surface&)> hook) {
  g.frameHook = std::move(hook);
}
void SetFrameNotice(std::function<void()> notice) {
  g.frameNotice = std::move(notice);
}

void SetMessageBoxAnswerMs(double ms) {
  boxAnswerMs = ms;
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
