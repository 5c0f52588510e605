// One match step (movement, ball, hits, the frame composed and shown) beside
// the plain copy of one 608 x 448 frame, and a whole match (intro, 61 counts,
// result box) against the virtual time it spans, on the headless backend.
// With the argument 1 the session is recorded into a file as the game records
// every session (written every five seconds of play and at the end).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "league_match.h"
#include "match/match_step.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "player_files/recording.h"
#include "player_files/recording_file.h"
#include "player_files/user_files.h"

namespace {

// Whole matches reach rest points, where the game saves: the benchmarks keep
// the player's own folders out of it.
const bool kThrowawayFolders = [] {
  char dir[] = "/tmp/moki-bench-XXXXXX";
  if (!mkdtemp(dir)) return false;
  setenv("XDG_DATA_HOME", dir, 1);
  setenv("XDG_CONFIG_HOME", dir, 1);
  setenv("XDG_STATE_HOME", dir, 1);
  return true;
}();

// Records from now on into a file, as a session is, when the benchmark's argument is 1.
bool Record(benchmark::State& state) {
  if (state.range(0) == 0) return true;
  std::string err;
  const std::string path = std::string(std::getenv("XDG_STATE_HOME")) + "/bench.rec";
  if (!plat::StartRecording(path, err)) {
    state.SkipWithError(err.c_str());
    return false;
  }
  plat::recording::Quietly();
  return true;
}

// Every pixel copied, as memcpy does it (BitBlt would find the second copy
// of the same picture already there and leave it).
void BM_FrameCopy(benchmark::State& state) {
  plat::Surface a(608, 448, plat::RGB(10, 200, 30)), b(608, 448);
  for (auto _ : state) {
    std::memcpy(b.px.data(), a.px.data(), a.px.size() * sizeof(uint32_t));
    benchmark::DoNotOptimize(b.px.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FrameCopy);

void BM_MatchStep(benchmark::State& state) {
  std::string err;
  if (!bench::FreshHeadless(err)) {
    state.SkipWithError(err.c_str());
    return;
  }
  moki::Form1 f;
  moki::ConnectWindow(f);
  bench::EnterLeagueMatch(f);
  if (!Record(state)) return;
  for (auto _ : state) moki::MatchStep(f);
  plat::recording::Abandon();
}
BENCHMARK(BM_MatchStep)->Arg(0)->Arg(1);

// A league match played by the computer on both sides, from the intro to the
// result box. The counter x_real_time is the virtual time the match spans
// divided by the CPU time it took.
void BM_WholeMatch(benchmark::State& state) {
  double virtualMs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::string err;
    if (!bench::FreshHeadless(err)) {
      state.SkipWithError(err.c_str());
      return;
    }
    auto f = std::make_unique<moki::Form1>();
    bench::SetUpLeagueMatch(*f);
    // The match is over at the first tick after the result box has sent the
    // game back to the hall.
    plat::Handlers h;
    moki::Form1& form = *f;
    h.paint = [&form] { moki::Form_Paint(form); };
    h.labelText = [&form]() -> const std::u32string& { return form.gs.messageText; };
    h.timer = [&form] {
      if (form.gs.GameMode != moki::kModeMatch) plat::Quit();
      moki::Timer1_Timer(form);
    };
    plat::SetHandlers(std::move(h));
    if (!Record(state)) return;
    state.ResumeTiming();
    plat::headless::Run([&] {
      moki::StartMatch(*f);
      plat::headless::MainLoop();
    });
    state.PauseTiming();
    plat::recording::Abandon();
    virtualMs += plat::headless::Now();
    state.ResumeTiming();
  }
  state.counters["x_real_time"] =
      benchmark::Counter(virtualMs / 1000.0, benchmark::Counter::kIsRate);
  state.counters["virtual_s"] = virtualMs / 1000.0 / double(state.iterations());
}
BENCHMARK(BM_WholeMatch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What a session's recording costs at one of its writes every five seconds,
// after the first argument's minutes of play: the copy of the records the
// game hands over (second argument 0), and with it the packing and writing
// its writer's thread does (1). The records are a whole match's, recorded,
// over and over.
void BM_RecordingWrite(benchmark::State& state) {
  static std::string match;  // a match's records, and the seconds they span
  static double seconds = 0;
  if (match.empty()) {
    std::string err;
    if (!bench::FreshHeadless(err)) return state.SkipWithError(err.c_str());
    auto f = std::make_unique<moki::Form1>();
    moki::ConnectWindow(*f);
    bench::SetUpLeagueMatch(*f);
    plat::recording::StartInMemory();
    plat::headless::Run([&] {
      moki::StartMatch(*f);
      while (f->gs.GameMode == moki::kModeMatch || plat::headless::Now() < 5000)
        plat::WaitEvents(-1);
    });
    const std::string bytes = plat::recording::Finish();
    if (!plat::recfile::PayloadOf(bytes, plat::recording::GameVersion(), match, err))
      return state.SkipWithError(err.c_str());
    seconds = plat::headless::Now() / 1000.0;
  }
  std::string payload;
  while (double(payload.size()) < double(match.size()) * double(state.range(0)) * 60.0 / seconds)
    payload += match;
  const std::string path = std::string(std::getenv("XDG_STATE_HOME")) + "/write.rec";
  for (auto _ : state) {
    // The game's own part: a copy of the records, handed over.
    std::string copy = payload;
    benchmark::DoNotOptimize(copy.data());
    if (state.range(1) == 0) continue;
    // The writer's thread: packed and written through a temporary file.
    std::string err;
    const std::string packed = plat::recfile::Pack(copy, plat::recording::GameVersion());
    if (!plat::WriteUserFile(path, packed, err)) return state.SkipWithError(err.c_str());
  }
  state.counters["payload_KB"] = double(payload.size()) / 1024.0;
  state.counters["bytes_per_s"] = double(match.size()) / seconds;
}
BENCHMARK(BM_RecordingWrite)->ArgsProduct({{1, 30, 120}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
