// The session as a layer above may watch it (session.h): each question the
// game asks goes to the observer, or is answered live when there is none.
#include "platform/session.h"

#include <exception>
#include <utility>

namespace plat::internal {

namespace {
SessionObserver g_observer;
bool g_inPlatform = false;
bool g_reseeding = false;
}  // namespace

void ObserveSession(SessionObserver observer) {
  g_observer = std::move(observer);
}

std::string& Note() {
  static std::string note;
  return note;
}

void SetFatalNote(const std::string& note) {
  Note() = note;
}
const std::string& FatalNote() {
  return Note();
}

bool InPlatform() {
  return g_inPlatform;
}
void SetInPlatform(bool on) {
  g_inPlatform = on;
}

PlatformScope::PlatformScope() : outer_(!g_inPlatform) {
  g_inPlatform = true;
}
PlatformScope::~PlatformScope() {
  g_inPlatform = !outer_;
}

PumpScope::PumpScope() {
  if (outer_ && g_observer.pumpBegins) g_observer.pumpBegins();
}
PumpScope::~PumpScope() {
  // A run ended from inside the pump (headless) did not return to the game.
  if (!outer_ || std::uncaught_exceptions() != 0) return;
  if (g_observer.pumpEnded) g_observer.pumpEnded();
}

bool ReplayPump() {
  return !g_inPlatform && g_observer.replayPump && g_observer.replayPump();
}

ModalScope::ModalScope(bool asks) : asks_(asks) {
  if (!outer_) return;  // a box inside the platform's own code
  if (g_observer.boxShown) answered_ = g_observer.boxShown(asks_, yes_);
}
ModalScope::~ModalScope() {
  if (!outer_ || answered_ || std::uncaught_exceptions() != 0) return;
  if (g_observer.boxAnswered) g_observer.boxAnswered(asks_, yes_);
}

uint32_t TakeClock(uint32_t live) {
  if (g_inPlatform || !g_observer.clock) return live;
  return g_observer.clock(live, g_reseeding);
}

uint32_t ReseedClock() {
  g_reseeding = true;
  const uint32_t t = GetTickCount();
  g_reseeding = false;
  return t;
}

bool TakeKeyWaiting(int vk, const std::function<bool()>& live) {
  if (g_inPlatform || !g_observer.keyWaiting) return live();
  return g_observer.keyWaiting(vk, live);
}

void AtEnd(Ending how, const std::string& message) {
  if (g_observer.ending) g_observer.ending(how, message);
}

void HandlersSet() {
  if (g_observer.handlersSet) g_observer.handlersSet();
}

}  // namespace plat::internal
