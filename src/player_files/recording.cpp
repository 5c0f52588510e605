// A recorded or played session: starting either, what the game asks of it,
// and what it watches of the platform (the pumps, the clock, a look at the
// waiting keys, the message box, the player's files, the program's end),
// each recorded as it happens live or taken from the recording in playback.
#include "player_files/recording.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/session.h"
#include "platform/version.h"
#include "player_files/recording_session.h"
#include "player_files/user_files.h"

namespace plat {

namespace recsession {

State g;
std::string g_last;
std::string g_writtenTo;
recording::Verdict g_verdict;

namespace {
void (*g_endHook)(int how) = nullptr;
}  // namespace

uint64_t StateHash() {
  auto& h = internal::GetHandlers();
  return h.dumpJson ? recfile::Hash(h.dumpJson()) : 0;
}

std::string HashText(uint64_t h) {
  char buf[20];
  std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(h));
  return buf;
}

// The live clock, not recorded: read as the platform.
uint32_t LiveClock() {
  internal::PlatformScope platform;
  return GetTickCount();
}

}  // namespace recsession

using namespace recsession;

// --- Starting ------------------------------------------------------------------------

bool StartRecording(const std::string& path, std::string& err) {
  // Only a recording is ever written over: a file of any other kind there
  // (the save, the settings, the player's own) is left as it is.
  std::string was;
  const ReadStatus there = ReadGivenFile(path, was, err, recfile::kMostRecordingBytes);
  if (there == ReadStatus::Ok && !recfile::LooksLikeRecording(was)) {
    err = path + ": the file is there and is not a recording; it is left as it is";
    return false;
  }
  if (there == ReadStatus::Unreadable || there == ReadStatus::TooBig) return false;
  // The file is written once now, empty, so a path that cannot be written is
  // known before the session, not after it.
  if (!WriteUserFile(path, Placeholder(), err)) return false;
  BeginRecording(path);
  return true;
}

void ChooseLanguage(const std::string& code) {
  if (recording::Playing()) return;  // the recorded choice comes among the events
  // Handed over from outside the game, like a key: an event of its own.
  internal::PlatformScope platform;
  EnsureWrapped();
  auto& h = internal::GetHandlers();
  if (h.language) h.language(code);
}

bool StartPlayback(const std::string& path, std::string& err) {
  std::string bytes;
  // Its size and kind are looked at before a byte is read: a huge file or a
  // device is refused at once.
  if (ReadGivenFile(path, bytes, err, recfile::kMostRecordingBytes) != ReadStatus::Ok) {
    if (err.empty()) err = path + ": no such file";
    return false;
  }
  if (!BeginPlayback(bytes, err)) {
    err = path + ": " + err;
    return false;
  }
  return true;
}

namespace recording {

void StartInMemory() {
  BeginRecording("");
}

bool StartPlaybackOf(const std::string& bytes, std::string& err) {
  return BeginPlayback(bytes, err);
}

std::string Finish() {
  if (!Recording()) return {};
  FinishRecording(EndHow::Stopped, "");
  return g_last;
}

const std::string& LastRecording() {
  return g_last;
}

bool Recording() {
  return g.mode == Mode::Recording;
}
bool Playing() {
  return g.mode == Mode::Playing;
}

const Verdict& LastVerdict() {
  return g_verdict;
}

void SetEventHook(std::function<void()> hook) {
  g.eventHook = std::move(hook);
}

void Abandon() {
  if (!g.path.empty()) SettleAside();
  auto hook = std::move(g.eventHook);
  g = State{};
  g.eventHook = std::move(hook);
}

const std::string& GameVersion() {
  static const std::string v = MOKI_VERSION;
  return v;
}

void Quietly() {
  g.quiet = true;
}

std::string SoFar(const std::string& note) {
  return Recording() ? PackedSoFar(EndHow::Cut, note) : std::string();
}

const std::string& WrittenTo() {
  return g_writtenTo;
}

void OnEnd(void (*hook)(int how)) {
  g_endHook = hook;
}

}  // namespace recording

// --- What the recording watches of the platform ------------------------------------

namespace {

void AtExit() {
  FinishRecording(EndHow::Stopped, "");
}

void HandlersSet() {
  // The recording is finished at exit while the window object is still
  // there: its handlers are set once it is made, and a handler registered
  // after it was made runs before it is destroyed.
  static bool registered = false;
  if (registered || !Recording()) return;
  std::atexit(AtExit);
  registered = true;
}

uint32_t TakeClock(uint32_t live, bool reseed) {
  if (g.mode == Mode::Off) return live;
  const Tag tag = reseed ? Tag::Reseed : Tag::Clock;
  if (Recording()) {
    Record r;
    r.tag = tag;
    r.time = live;
    Put(r);
    return live;
  }
  const Record& r = Take(tag, recfile::Describe(tag));
  Pace(r);
  return r.time;
}

bool TakeKeyWaiting(int vk, const std::function<bool()>& live) {
  if (g.mode == Mode::Off) return live();
  const std::string asked = "a look at the waiting keys (key " + std::to_string(vk) + ")";
  if (Recording()) {
    Record r;
    r.tag = Tag::KeyWaiting;
    r.value = vk;
    {
      internal::PlatformScope platform;  // the look itself is the platform's
      r.flag = live() ? 1 : 0;
    }
    Put(r);
    return r.flag != 0;
  }
  const Record& r = Take(Tag::KeyWaiting, asked);
  if (r.value != vk) {
    --g.next;
    Desync(asked);
  }
  return r.flag != 0;
}

void AtEnd(internal::Ending ending, const std::string& message) {
  // A quit from the platform's own code is the window closed, not 終了.
  EndHow how = ending == internal::Ending::Fatal  ? EndHow::Fatal
               : ending == internal::Ending::Lost ? EndHow::Lost
               : internal::InPlatform()           ? EndHow::Closed
                                                  : EndHow::Quit;
  if (Recording()) FinishRecording(how, message);
  if (g_endHook) g_endHook(int(how));
  if (g.mode != Mode::Playing) return;
  const Record& r = g.rec.records[g.next];
  if (g.pumpsLeft == 0 && r.tag == Tag::End) ReachEnd(r);
  Desync(std::string("nothing more: ") + (how == EndHow::Fatal
                                              ? "it stopped on a fatal error (" + message + ")"
                                          : how == EndHow::Lost ? "its display went away"
                                                                : "it quit"));
}

}  // namespace

namespace recsession {

void WatchSession() {
  static bool watching = false;
  if (watching) return;
  watching = true;
  internal::SessionObserver o;
  o.replayPump = ReplayPump;
  o.pumpBegins = EnsureWrapped;
  o.pumpEnded = PumpEnded;
  o.boxShown = BoxShown;
  o.boxAnswered = BoxAnswered;
  o.clock = TakeClock;
  o.keyWaiting = TakeKeyWaiting;
  o.ending = AtEnd;
  o.handlersSet = HandlersSet;
  internal::ObserveSession(std::move(o));
}

}  // namespace recsession

namespace internal {

FileAnswer TakeFile(int op, const std::function<FileAnswer()>& live) {
  if (InPlatform() || g.mode == Mode::Off) return live();
  const std::string asked = recfile::Describe(recfile::FileOp(op));
  if (Recording()) {
    FileAnswer a;
    {
      PlatformScope platform;
      a = live();
    }
    Record r;
    r.tag = Tag::File;
    r.value = op;
    r.flag = a.status;
    const auto strip = std::exchange(g.stripNextRead, nullptr);
    // Folders, and a bad file kept where a link led, are named from ~.
    const bool folder = recfile::FileOp(op) == recfile::FileOp::ConfigDir ||
                        recfile::FileOp(op) == recfile::FileOp::DataDir ||
                        recfile::FileOp(op) == recfile::FileOp::LastSession ||
                        recfile::FileOp(op) == recfile::FileOp::FaultReport ||
                        recfile::FileOp(op) == recfile::FileOp::KeepBad;
    Put(r, folder ? FromHome(a.text) : strip ? strip(a.text) : a.text, FromHome(a.err));
    return a;
  }
  // Recordings made before the game asked whether folders open do not hold
  // the answer: it is given live.
  if (recfile::FileOp(op) == recfile::FileOp::OpensFolders && !NextIs(Tag::File, op)) return live();
  const Record& r = Take(Tag::File, asked);
  if (r.value != op) {
    --g.next;
    Desync(asked);
  }
  // Nothing is read or written in playback: the recorded answers stand in.
  return FileAnswer{r.flag, g.rec.texts[r.text], g.rec.texts[r.text2]};
}

void RecordNextReadAs(std::string (*strip)(const std::string&)) {
  if (Recording() && !InPlatform()) g.stripNextRead = strip;
}

}  // namespace internal

}  // namespace plat
