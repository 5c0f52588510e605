// Playing a recording back: the game is handed the recorded events, clock
// readings, answers and files in the recorded order, at the recorded pace,
// and the state is checked against the recorded one as it goes and at the end.
#include <cstdio>
#include <iostream>
#include <utility>

#include "platform/session.h"
#include "platform/version.h"
#include "player_files/recording_session.h"
#include "player_files/settings_ini.h"

namespace plat::recsession {

namespace {

std::string WhenText() {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f s", double(g.lastTime - g.rec.startClock) / 1000.0);
  return buf;
}

[[noreturn]] void EndPlayback(bool reached, const std::string& message) {
  g_verdict = {true, reached, message};
  g.mode = Mode::Off;
  g.rec = recfile::Recording{};
  std::cerr << "mokimoki: playback " << ini::Printable(message) << "\n";
  internal::PlaybackStop(reached ? 0 : 1);
}

const char* HowText(EndHow how) {
  switch (how) {
    case EndHow::Quit:
      return "the game quit";
    case EndHow::Closed:
      return "the window was closed";
    case EndHow::Fatal:
      return "the game stopped on a fatal error";
    case EndHow::Cut:
      return "the recording stops: it was written while the game went on, and cut short there";
    case EndHow::Lost:
      return "the display went away";
    default:
      return "the recording was stopped";
  }
}

}  // namespace

// The recording's end: compares the state with the one recorded.
[[noreturn]] void ReachEnd(const Record& end) {
  const uint64_t now = StateHash();
  std::string how = HowText(EndHow(end.value));
  if (end.text) how += " (" + g.rec.texts[end.text] + ")";
  // Cut short in the middle of the game's work (written while it went on,
  // or when its display went away): the state there is its last check's.
  if (EndHow(end.value) == EndHow::Cut || EndHow(end.value) == EndHow::Lost)
    EndPlayback(true, "played to the end of the recording at " + WhenText() + ", where " + how +
                          " (" + std::to_string(g.checkpoints) + " checks of the state passed)");
  if (now == end.hash)
    EndPlayback(true, "reached the recorded end at " + WhenText() + ", where " + how + ": state " +
                          HashText(now));
  EndPlayback(false, "did not reach the recorded end at " + WhenText() + ", where " + how +
                         ": the state is " + HashText(now) + ", recorded " + HashText(end.hash));
}

[[noreturn]] void Desync(const std::string& asked) {
  const std::string has = g.pumpsLeft > 0 ? recfile::Describe(Tag::Pumps)
                                          : recfile::Describe(g.rec.records[g.next].tag);
  EndPlayback(false, "left the recording at " + WhenText() + ": the game asked for " + asked +
                         " where the recording has " + has);
}

namespace {

[[noreturn]] void PlaybackClosed() {
  EndPlayback(false, "stopped at " + WhenText() + ": the window was closed before the end");
}

}  // namespace

void Pace(const Record& r) {
  g.lastTime = r.time;
  if (!internal::PlaybackWait(r.time - g.rec.startClock)) PlaybackClosed();
}

// The next record, which must be of kind tag; at the recording's end the
// playback ends there.
const Record& Take(Tag tag, const std::string& asked) {
  if (g.pumpsLeft > 0) Desync(asked);
  const Record& r = g.rec.records[g.next];
  if (r.tag == Tag::End) ReachEnd(r);
  if (r.tag != tag) Desync(asked);
  ++g.next;
  return r;
}

bool NextIs(Tag tag, int32_t value) {
  if (g.next >= g.rec.records.size()) return false;
  const Record& r = g.rec.records[g.next];
  return r.tag == tag && r.value == value;
}

namespace {

// An event of the recording, handed to the game's handler as it was.
void Dispatch(const Record& r, const Kind& kind) {
  auto& h = internal::GetHandlers();
  Pace(r);
  const recfile::HandlerOf& to = kind.handler;
  if (to.withValue && h.*to.withValue) (h.*to.withValue)(r.value);
  if (to.plain && h.*to.plain) (h.*to.plain)();
  if (to.withText && h.*to.withText) (h.*to.withText)(g.rec.texts[r.text]);
  if (g.eventHook) g.eventHook();
}

}  // namespace

bool BeginPlayback(const std::string& bytes, std::string& err) {
  recfile::Recording rec;
  if (!recfile::Unpack(bytes, MOKI_VERSION, rec, err)) {
    err = ini::Printable(err);  // the file's own words (its version) may hold anything
    return false;
  }
  if (rec.records.size() == 1 && EndHow(rec.records[0].value) == EndHow::Cut) {
    err = "holds nothing: the game stopped before the first seconds of it were written";
    return false;
  }
  WatchSession();
  g = State{};
  g.mode = Mode::Playing;
  g.rec = std::move(rec);
  g.lastTime = g.rec.startClock;
  internal::SetRandomState(g.rec.randomState);
  g_verdict = {};
  return true;
}

// A check of the state: playback ends where the state left the recorded one.
void Check(const Record& r) {
  ++g.checkpoints;
  if (StateHash() != r.hash)
    EndPlayback(false, "left the recording at " + WhenText() +
                           ": the game state differs from the recorded one (check " +
                           std::to_string(g.checkpoints) + ")");
}

bool ReplayPump() {
  if (g.mode != Mode::Playing) return false;
  for (;;) {
    if (g.pumpsLeft > 0) {
      --g.pumpsLeft;
      return true;
    }
    const Record& r = g.rec.records[g.next];
    const Kind* kind = recfile::KindOf(r.tag);
    if (kind && kind->Event()) {
      ++g.next;
      Dispatch(r, *kind);
      continue;
    }
    switch (r.tag) {
      case Tag::Pumps:
        ++g.next;
        g.pumpsLeft = uint32_t(r.value);
        break;
      case Tag::Checkpoint:
        ++g.next;
        Check(r);
        break;
      case Tag::End:
        ReachEnd(r);
      default:
        Desync("an event");
    }
  }
}

// A question's answer is kept with it; an OK box's is only its time. What
// reached the game while the box was up (a repaint, the help turning to a
// controller's buttons) comes before the answer, and is played first.
bool BoxShown(bool asks, bool& yes) {
  if (g.mode != Mode::Playing) return false;
  internal::SetInPlatform(false);
  for (;;) {
    const Record& e = g.rec.records[g.next];
    const Kind* kind = recfile::KindOf(e.tag);
    if (g.pumpsLeft > 0 || (!(kind && kind->Event()) && e.tag != Tag::Checkpoint)) break;
    ++g.next;
    kind->Event() ? Dispatch(e, *kind) : Check(e);
  }
  const Tag tag = asks ? Tag::BoxChoice : Tag::BoxAnswered;
  const Record& r = Take(tag, recfile::Describe(tag));
  yes = r.flag != 0;
  Pace(r);
  internal::SetInPlatform(true);
  return true;
}

}  // namespace plat::recsession
