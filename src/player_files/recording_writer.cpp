// Recording while the game runs: each event handed to the game's handlers,
// and what the game reads from outside, goes into the records; every few
// seconds what is recorded so far is written to the file by a thread of its
// own, and at the end the whole recording.
#include <condition_variable>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/session.h"
#include "platform/version.h"
#include "player_files/recording_session.h"
#include "player_files/user_files.h"

namespace plat::recsession {

namespace {

// A state check goes into the recording after an event at most this often
// (recorded milliseconds): playback then tells near where it left the path.
constexpr uint32_t kCheckpointEvery = 1000;
// What is recorded so far is written to the file at most this often
// (recorded milliseconds), so a game that is killed keeps all but the last
// few seconds.
constexpr uint32_t kWriteEvery = 5000;

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

}  // namespace

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

void Put(const Record& r, const std::string& text, const std::string& text2) {
  FlushPumps();
  g.writer->Put(r, text, text2);
}

namespace {

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

}  // namespace

std::string PackedSoFar(EndHow how, const std::string& message) {
  return recfile::Pack(PayloadSoFar(how, message), MOKI_VERSION);
}

namespace {

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

}  // namespace

// Waits until what was handed over is written (before the last write, which
// must come after it, and in tests).
void SettleAside() {
  Aside& a = TheAside();
  std::unique_lock lock(a.m);
  a.cv.wait(lock, [&a] { return a.payload.empty() && !a.busy; });
}

namespace {

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

}  // namespace

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

namespace {

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
}  // namespace

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

// The file written when recording starts, before anything is recorded.
std::string Placeholder() {
  recfile::Writer empty(0, 0);
  Record end;
  end.tag = Tag::End;
  end.value = int32_t(EndHow::Cut);
  empty.Put(end);
  return recfile::Pack(empty.Payload(), MOKI_VERSION);
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

void PumpEnded() {
  if (!Recording()) return;
  ++g.pendingPumps;
  WriteSoFar();
}

void BoxAnswered(bool asks, bool yes) {
  if (!Recording()) return;
  Record r;
  r.tag = asks ? Tag::BoxChoice : Tag::BoxAnswered;
  r.flag = yes ? 1 : 0;
  r.time = GetTickCount();  // read as the platform: not a reading of its own
  Put(r);
}

}  // namespace plat::recsession
