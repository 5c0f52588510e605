// The event pump every backend shares: Timer1, the tick count, pumping and
// waiting for events, the message box, and frames sent only when they
// changed. What differs comes from the backend (backend.h).
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/backend.h"
#include "platform/internal.h"

namespace plat {

namespace internal {
namespace {

Backend g_backend{};
Surface g_play{kPlayW, kPlayH, kBlack};

struct Timer {
  bool enabled = false;
  double next = 0;
  bool inTick = false;
};
Timer g_timer;

const Backend& B() {
  return g_backend;
}

bool TimerRuns() {
  return g_timer.enabled && !g_timer.inTick && !GetControls().boxUp;
}

bool TimerDue() {
  return TimerRuns() && B().now() >= g_timer.next;
}

void FireTimer() {
  g_timer.inTick = true;
  auto& h = GetHandlers();
  if (h.timer) h.timer();
  g_timer.inTick = false;
  // A late tick is not made up for: the next one comes one interval after
  // the scheduled one, or at once if that has already passed.
  g_timer.next = std::max(g_timer.next + kTimerInterval, B().now());
}

// Handles what is pending; true when an event or a tick was handled.
bool PumpOnce() {
  bool handled = B().poll();
  if (!handled && TimerDue()) {
    FireTimer();
    handled = true;
    B().afterTick();
  }
  if (ResizeSettled(B().now()))
    if (const int scale = B().settledScale()) RecordScale(scale);
  if (NeedsPresent()) ShowFrame();
  return handled;
}

}  // namespace

void UseBackend(const Backend& backend) {
  g_backend = backend;
}
const Backend& CurrentBackend() {
  return g_backend;
}

Surface& PlayArea() {
  return g_play;
}

void ShowFrame() {
  if (!B().pace(FrameMayChange(g_play))) return;
  // A frame like the one on the screen keeps its place in time, but is not
  // sent again: standing still costs little.
  const bool changed = FrameChanged(g_play);
  PresentedNow();
  B().show(g_play, changed);
}

void ResetPump() {
  g_timer = Timer{};
  g_play.Fill(kBlack);
}

void PadKey(int vk, bool down) {
  auto& h = GetHandlers();
  if (GetControls().boxUp) return;
  if (down) {
    if (!GetControls().menuOpen && h.keyDown) h.keyDown(vk);
  } else if (h.keyUp) {
    h.keyUp(vk);
  }
}

}  // namespace internal

using internal::B;

Surface& Window() {
  internal::MarkDrawn();
  return internal::g_play;
}

void Present() {
  internal::ShowFrame();
}

void Refresh() {
  auto& h = internal::GetHandlers();
  if (h.paint) h.paint();
  internal::ShowFrame();
}

bool KeyDownWaiting(int vk) {
  return internal::TakeKeyWaiting(vk, [vk] { return B().keyDownWaiting(vk); });
}

namespace internal {
// The box up until it is answered: by the player, by the backend itself
// (headless: the stand-in player takes the lit button) or from a recording.
// The button chosen.
static int ShowBox(const std::u32string& text, const std::u32string& caption,
                   std::vector<std::u32string> buttons) {
  auto& c = GetControls();
  const bool asks = buttons.size() == 2;
  c.boxUp = true;
  c.boxText = text;
  c.boxCaption = caption;
  c.boxButtons = std::move(buttons);
  c.boxLit = asks ? 1 : 0;  // a question's no
  c.boxChosen = -1;
  CloseMenu();
  const double answered = B().boxShown(text, caption);
  ModalScope modal(asks);
  while (!modal.Answered() && c.boxUp && B().now() < answered)
    WaitEvents(answered == kNever ? -1 : int64_t(std::ceil(answered)));
  const int chosen = modal.Answered()   ? (asks && !modal.Yes() ? 1 : 0)
                     : c.boxChosen >= 0 ? c.boxChosen
                                        : c.boxLit;
  modal.Answer(asks && chosen == 0);
  c.boxChosen = chosen;
  c.boxUp = false;
  c.boxButtons.clear();
  MarkDirty();
  return chosen;
}
}  // namespace internal

void MessageBox(const std::u32string& text, const std::u32string& caption) {
  internal::ShowBox(text, caption, {});
}

bool AskYesNo(const std::u32string& text, const std::u32string& caption, const std::u32string& yes,
              const std::u32string& no) {
  return internal::ShowBox(text, caption, {yes, no}) == 0;
}

void SetFitScaling(bool fit) {
  if (FitScaling() == fit) return;
  WindowSetup setup = CurrentWindowSetup();
  setup.fit = fit;
  internal::ChangeWindowSetup(setup);
  B().redrawAll();
  internal::MarkDirty();
}

bool FitScaling() {
  return CurrentWindowSetup().fit;
}

void SetTimerEnabled(bool enabled) {
  if (enabled && !internal::g_timer.enabled) internal::g_timer.next = B().now() + kTimerInterval;
  internal::g_timer.enabled = enabled;
}
bool TimerEnabled() {
  return internal::g_timer.enabled;
}

uint32_t GetTickCount() {
  return internal::TakeClock(uint32_t(B().now()));
}

// A pump answered from a recording: what it handled is shown, as the live
// pump shows it, so a replay's frames are the recorded session's.
static bool ReplayedPump() {
  if (!internal::ReplayPump()) return false;
  internal::PlatformScope platform;  // the showing is the platform's, not the game's asking
  if (internal::NeedsPresent()) internal::ShowFrame();
  return true;
}

void DoEvents() {
  if (ReplayedPump()) return;
  internal::PumpScope pump;
  if (internal::PumpOnce()) return;
  B().idle();
}

void WaitEvents(int64_t deadline) {
  if (ReplayedPump()) return;
  internal::PumpScope pump;
  for (;;) {
    if (internal::PumpOnce()) return;
    const double now = B().now();
    if (deadline >= 0 && now >= double(deadline)) return;
    internal::Wake w;
    if (deadline >= 0) w.until = double(deadline);
    if (internal::TimerRuns()) w.until = std::min(w.until, internal::g_timer.next);
    if (const int64_t blink = internal::NextMarkBlink(); blink >= 0) w.blink = double(blink);
    if (internal::ResizeDeadline() >= 0) w.resize = internal::ResizeDeadline();
    if (B().sleep(w)) return;
  }
}

}  // namespace plat
