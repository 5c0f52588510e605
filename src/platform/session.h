// What a layer above the platform (the recording) may watch of a session and,
// in playback, stand in for: the events handed to the game's handlers, the
// pumps the game asks for, the clock it reads, a look at the waiting keys, a
// message box's answer and the program's end. The platform calls the
// observer at each of these; with none installed everything is live.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/platform.h"

namespace plat::internal {

// The handlers the window object registered. Every event of every backend
// reaches the game through them, so a layer above that wraps them (after
// HandlersSet) sees each one.
Handlers& GetHandlers();

// How the program ends: the game quit (or the window was closed, when the
// platform's own code was running), a fatal error, or the display went away.
enum class Ending : uint8_t { Quit, Fatal, Lost };

struct SessionObserver {
  // The game asks for a pump; true when the observer handled it from a
  // recording (the backend's own pump must not run).
  std::function<bool()> replayPump;
  // A pump the game asked for begins, and returns to the game.
  std::function<void()> pumpBegins, pumpEnded;
  // A message box the game shows (asks: a question, answered yes or no):
  // true when it is answered already (from a recording), with yes set to the
  // answer; boxAnswered when it was answered live, with the answer.
  std::function<bool(bool asks, bool& yes)> boxShown;
  std::function<void(bool asks, bool yes)> boxAnswered;
  // The tick count the game reads (reseed: read by a reseed of the random
  // generator); given the live one, returns the one the game gets.
  std::function<uint32_t(uint32_t live, bool reseed)> clock;
  // Whether a key-down of vk is waiting; live gives the backend's answer.
  std::function<bool(int vk, const std::function<bool()>& live)> keyWaiting;
  // The game is ending (message: a fatal error's).
  std::function<void(Ending how, const std::string& message)> ending;
  // The window object set its handlers.
  std::function<void()> handlersSet;
};
void ObserveSession(SessionObserver observer);

// Whether the platform's own code is running (its pumps, a message box
// waiting for its answer, opening the window): what it does then is not the
// game's asking. The observer clears it while it hands the game an event.
bool InPlatform();
void SetInPlatform(bool on);

// The platform's own code runs in this scope.
class PlatformScope {
 public:
  PlatformScope();
  ~PlatformScope();
  PlatformScope(const PlatformScope&) = delete;
  PlatformScope& operator=(const PlatformScope&) = delete;

 protected:
  bool outer_;  // whether the game was running when the scope began
};
// One event pump the game asked for.
class PumpScope : public PlatformScope {
 public:
  PumpScope();
  ~PumpScope();
};
// In playback, handles a pump the game asked for from the recording; true
// when it did (the backend's own pump must not run).
bool ReplayPump();
// The message box (asks: a question): in playback it is answered as
// recorded (Answered(), Yes()); live, the answer given to Answer is kept.
class ModalScope : public PlatformScope {
 public:
  explicit ModalScope(bool asks);
  ~ModalScope();
  bool Answered() const { return answered_; }
  bool Yes() const { return yes_; }
  void Answer(bool yes) { yes_ = yes; }

 private:
  bool asks_;
  bool answered_ = false;
  bool yes_ = false;
};
// The tick count the game reads (live: the backend's own).
uint32_t TakeClock(uint32_t live);
// The clock read by a reseed of the random generator.
uint32_t ReseedClock();
// Whether a key-down of vk is waiting.
bool TakeKeyWaiting(int vk, const std::function<bool()>& live);
// The game is ending: the observer has its say first.
void AtEnd(Ending how, const std::string& message = {});
// Words a layer above adds to a fatal error's message and box as the game
// ends (where the recording of the session it ended is).
void SetFatalNote(const std::string& note);
const std::string& FatalNote();
// The window object set its handlers (SetHandlers).
void HandlersSet();

// The random generator's state, kept with a recording.
uint64_t RandomState();
void SetRandomState(uint64_t state);

// Provided by each backend for playback: wait (in the real window: in real
// time, keeping the window alive) until ms past the recording's start; false
// when the window was closed meanwhile. PlaybackStop ends the playback with
// an exit status.
bool PlaybackWait(uint32_t ms);
[[noreturn]] void PlaybackStop(int code);

}  // namespace plat::internal
