#include "player_files/recording.h"

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/session.h"
#include "platform/version.h"
#include "player_files/recording_file.h"
#include "player_files/settings_ini.h"
#include "player_files/user_files.h"

namespace plat {

namespace {

using recfile::EndHow;
using recfile::Kind;
using recfile::Record;
using recfile::Tag;
using recording::Recording;

// A state check goes into the recording after an event at most this often
// (recorded milliseconds): playback then tells near where it left the path.
constexpr uint32_t kCheckpointEvery = 1000;
// What is recorded so far is written to the file at most this often
// (recorded milliseconds), so a game that is killed keeps all but the last
// few seconds.
constexpr uint32_t kWriteEvery = 5000;

enum class Mode { Off, Recording, Playing };

struct State {
  Mode mode = Mode::Off;
  std::string (*stripNextRead)(const std::string&) = nullptr;
  std::function<void()> eventHook;

  // Recording.
  std::string path;    // empty: in memory only
  bool quiet = false;  // a session recorded without being asked (recording::Quietly)
  std::unique_ptr<recfile::Writer> writer;
  uint32_t pendingPumps = 0;
  uint32_t nextCheckpoint = 0;
  uint32_t nextWrite = 0;

  // Playback.
  recfile::Recording rec;
  size_t next = 0;
  uint32_t pumpsLeft = 0;
  uint32_t lastTime = 0;
  int checkpoints = 0;
};

State g;
std::string g_last;
std::string g_writtenTo;
void (*g_endHook)(int how) = nullptr;
void WatchSession();
recording::Verdict g_verdict;

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

// --- Recording ---------------------------------------------------------------

// text with the player's home folder written as "~": a recording names the
// player's folders, not the player.
std::string FromHome(const std::string& text) {
  const std::string h = HomeFolder();  // HOME, or the password database's
  if (h.size() < 2) return text;
  std::string out;
  size_t from = 0;
  for (size_t at = text.find(h); at != std::string::npos; at = text.find(h, at + 1)) {
    const size_t end = at + h.size();
    if (end != text.size() && text[end] != '/') continue;
    out.append(text, from, at - from);
    out += '~';
    from = end;
  }
  return out.append(text, from, std::string::npos);
}

// A fatal error's text without the folders of the files it names: each
// path from the root ("/…/data/hall.map") is left as its file's name.
std::string WithoutPaths(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool starts =
        (text[i] == '/' || (text[i] == '~' && i + 1 < text.size() && text[i + 1] == '/')) &&
        (i == 0 || std::string(" \t\n(\"'`=:,").find(text[i - 1]) != std::string::npos);
    if (!starts) {
      out += text[i];
      continue;
    }
    size_t end = i, lastSlash = i;
    while (end < text.size() && std::string(" \t\n)\"'`,:").find(text[end]) == std::string::npos) {
      if (text[end] == '/') lastSlash = end;
      ++end;
    }
    out.append(text, lastSlash + 1, end - lastSlash - 1);
    i = end - 1;
  }
  return out;
}

void FlushPumps() {
  if (g.pendingPumps == 0) return;
  Record r;
  r.tag = Tag::Pumps;
  r.value = int32_t(g.pendingPumps);
  g.pendingPumps = 0;
  g.writer->Put(r);
}

void Put(const Record& r, const std::string& text = {}, const std::string& text2 = {}) {
  FlushPumps();
  g.writer->Put(r, text, text2);
}

// The records so far, ended with how and the state's hash now.
std::string PayloadSoFar(EndHow how, const std::string& message) {
  recfile::Writer w = *g.writer;
  if (g.pendingPumps > 0) {
    Record p;
    p.tag = Tag::Pumps;
    p.value = int32_t(g.pendingPumps);
    w.Put(p);
  }
  Record r;
  r.tag = Tag::End;
  r.value = int32_t(how);
  r.hash = StateHash();
  w.Put(r, message);
  return w.Payload();
}

std::string PackedSoFar(EndHow how, const std::string& message) {
  return recfile::Pack(PayloadSoFar(how, message), MOKI_VERSION);
}

void FinishRecording(EndHow how, const std::string& message);

// What is recorded so far is packed and written by a thread of its own, so
// that the game never waits for the disk while it plays (a write after two
// hours of play packs 1.5 MB of records and waits for the disk's flush): the
// game hands over a copy of the records and plays on. Only the latest copy
// waits to be written; an error is told the next time the game hands one over.
// The browser's build has no threads: there the game writes it itself.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
constexpr bool kWriterThread = false;
#else
constexpr bool kWriterThread = true;
#endif
struct Aside {
  std::mutex m;
  std::condition_variable cv;
  std::string path, payload;  // the next to write; payload empty: none waiting
  bool busy = false;          // a write is under way
  std::string failed;         // why the last write failed, until told
};

Aside& TheAside() {
  // Never destroyed: the thread may still be waiting when the program ends.
  static Aside* aside = [] {
    auto* a = new Aside;
    if (!kWriterThread) return a;
    std::thread([a] {
      std::unique_lock lock(a->m);
      for (;;) {
        a->cv.wait(lock, [a] { return !a->payload.empty(); });
        const std::string path = a->path, payload = std::move(a->payload);
        a->payload.clear();
        a->busy = true;
        lock.unlock();
        std::string err;
        const bool ok = WriteUserFileAside(path, recfile::Pack(payload, MOKI_VERSION), err);
        lock.lock();
        a->busy = false;
        if (!ok) a->failed = err;
        a->cv.notify_all();
      }
    }).detach();
    return a;
  }();
  return *aside;
}

// Waits until what was handed over is written (before the last write, which
// must come after it, and in tests).
void SettleAside() {
  Aside& a = TheAside();
  std::unique_lock lock(a.m);
  a.cv.wait(lock, [&a] { return a.payload.empty() && !a.busy; });
}

// Writes what is recorded so far, ended as cut short there, every few
// seconds while the game goes on; the file's own writing is not recorded.
void WriteSoFar() {
  if (g.writer->Full()) {
    // A recording longer than any playback takes ends here, whole and
    // playable, and the game plays on unrecorded.
    std::cerr << "mokimoki: the recording is full (" << (recfile::kMaxPayload >> 20)
              << " MB of records, some two and a half hours); it ends here\n";
    FinishRecording(EndHow::Cut, "");
    return;
  }
  if (g.path.empty()) return;
  const uint32_t now = LiveClock();
  if (int32_t(now - g.nextWrite) < 0) return;
  g.nextWrite = now + kWriteEvery;
  internal::PlatformScope platform;
  Aside& a = TheAside();
  std::string err;
  {
    std::lock_guard lock(a.m);
    err = std::exchange(a.failed, std::string());
  }
  if (!err.empty()) {
    std::cerr << "mokimoki: cannot write the recording so far: " << err << "\n";
    if (g.quiet) {
      // A session's recording: said once, and the game plays on unrecorded.
      std::cerr << "mokimoki: the game plays on without recording this session\n";
      g.writer.reset();
      g.mode = Mode::Off;
      return;
    }
  }
  std::string payload = PayloadSoFar(EndHow::Cut, "");
  if (!kWriterThread) {
    std::string failed;
    if (!WriteUserFileAside(g.path, recfile::Pack(payload, MOKI_VERSION), failed)) {
      std::lock_guard lock(a.m);
      a.failed = failed;
    }
    return;
  }
  std::lock_guard lock(a.m);
  a.path = g.path;
  a.payload = std::move(payload);
  a.cv.notify_all();
}

// Ends the recording with how it ended and the state's hash, and writes it.
void FinishRecording(EndHow how, const std::string& message) {
  if (!Recording()) return;
  g_last = PackedSoFar(how, WithoutPaths(message));
  g.writer.reset();
  g.mode = Mode::Off;  // what follows (the file's own writing) is not recorded
  if (g.path.empty()) return;
  SettleAside();
  std::string err;
  if (WriteUserFile(g.path, g_last, err)) {
    g_writtenTo = g.path;
    if (how == EndHow::Fatal)
      internal::SetFatalNote("The recording of this session, for a report: " + g.path);
    if (!g.quiet)
      std::cerr << "mokimoki: recording written to " << g.path << " (" << g_last.size()
                << " bytes)\n";
  } else {
    std::cerr << "mokimoki: cannot write the recording: " << err << "\n";
  }
}

// --- Playback ----------------------------------------------------------------

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

[[noreturn]] void PlaybackClosed() {
  EndPlayback(false, "stopped at " + WhenText() + ": the window was closed before the end");
}

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

// --- The game's handlers, wrapped: a call from the platform is an event ----------

template <typename F>
void Event(Tag tag, int value, const F& call, const std::string& text = {}) {
  if (!Recording() || !internal::InPlatform()) {
    call();
    return;
  }
  Record r;
  r.tag = tag;
  r.value = value;
  r.time = LiveClock();
  Put(r, text);
  internal::SetInPlatform(false);
  call();
  internal::SetInPlatform(true);
  if (!Recording()) return;  // the game quit inside
  if (int32_t(r.time - g.nextCheckpoint) >= 0) {
    Record c;
    c.tag = Tag::Checkpoint;
    c.hash = StateHash();
    Put(c);
    g.nextCheckpoint = r.time + kCheckpointEvery;
  }
  if (g.eventHook) g.eventHook();
}

struct ValueHook {
  std::function<void(int)> inner;
  Tag tag;
  void operator()(int value) const {
    Event(tag, value, [&] { inner(value); });
  }
};

struct PlainHook {
  std::function<void()> inner;
  Tag tag;
  void operator()() const {
    Event(tag, 0, [&] { inner(); });
  }
};

struct TextHook {
  std::function<bool(const std::string&)> inner;
  Tag tag;
  bool operator()(const std::string& text) const {
    bool taken = false;
    Event(
        tag, 0, [&] { taken = inner(text); }, text);
    return taken;
  }
};

template <typename Hook, typename Fn>
void Wrap(Fn& f, Tag tag) {
  if (f && !f.template target<Hook>()) f = Hook{f, tag};
}

// The handlers the game set, wrapped once (they may be set after recording began).
void EnsureWrapped() {
  if (!Recording()) return;
  auto& h = internal::GetHandlers();
  for (const Kind& k : recfile::Kinds()) {
    if (k.handler.withValue) Wrap<ValueHook>(h.*k.handler.withValue, k.tag);
    if (k.handler.plain) Wrap<PlainHook>(h.*k.handler.plain, k.tag);
    if (k.handler.withText) Wrap<TextHook>(h.*k.handler.withText, k.tag);
  }
}

void AtExit() {
  FinishRecording(EndHow::Stopped, "");
}

// The file written when recording starts, before anything is recorded.
std::string Placeholder() {
  recfile::Writer empty(0, 0);
  Record end;
  end.tag = Tag::End;
  end.value = int32_t(EndHow::Cut);
  empty.Put(end);
  return recfile::Pack(empty.Payload(), MOKI_VERSION);
}

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

void BeginRecording(const std::string& path) {
  WatchSession();
  g = State{};
  g.mode = Mode::Recording;
  g.path = path;
  const uint32_t now = LiveClock();
  g.writer = std::make_unique<recfile::Writer>(now, internal::RandomState());
  g.nextCheckpoint = now;
  g.nextWrite = now + kWriteEvery;
  EnsureWrapped();
}

}  // namespace

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

void HandlersSet() {
  // The recording is finished at exit while the window object is still
  // there: its handlers are set once it is made, and a handler registered
  // after it was made runs before it is destroyed.
  static bool registered = false;
  if (registered || !Recording()) return;
  std::atexit(AtExit);
  registered = true;
}

void PumpEnded() {
  if (!Recording()) return;
  ++g.pendingPumps;
  WriteSoFar();
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

void BoxAnswered(bool asks, bool yes) {
  if (!Recording()) return;
  Record r;
  r.tag = asks ? Tag::BoxChoice : Tag::BoxAnswered;
  r.flag = yes ? 1 : 0;
  r.time = GetTickCount();  // read as the platform: not a reading of its own
  Put(r);
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

// The recording watches the platform from its first start on.
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

}  // namespace

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
