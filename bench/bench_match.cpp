// One match step (movement, ball, hits, the frame composed and shown) beside
// the plain copy of one 608 x 448 frame, and a whole match (intro, 61 counts,
// result box) against the virtual time it spans, on the headless backend.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "match/match_setup.h"
#include "match/match_step.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "shell/window_events.h"
#include "story/cast_stats.h"

namespace {

// Whole matches reach rest points, where the game saves: the benchmarks keep
// the player's own folders out of it.
const bool kThrowawayFolders = [] {
  char dir[] = "/tmp/moki-bench-XXXXXX";
  if (!mkdtemp(dir)) return false;
  setenv("XDG_DATA_HOME", dir, 1);
  setenv("XDG_CONFIG_HOME", dir, 1);
  return true;
}();

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
  plat::headless::Reset(1);
  std::string err;
  if (!plat::InitFonts(err)) {
    state.SkipWithError(err.c_str());
    return;
  }
  moki::Form1 f;
  moki::ConnectWindow(f);
  moki::LoadPictures(f.pics);
  moki::InitControls(f);
  moki::InitTables(f.gs);
  moki::ResetCastStats(f.gs);
  f.gs.roundNumber = 1, f.gs.motivated = 1, f.gs.playerRole = 0;
  f.gs.opponentCast = 9, f.gs.opponentBackOffset = 9;
  moki::ResetMatch(f.gs);
  f.gs.GameMode = moki::kModeMatch;
  for (auto _ : state) moki::MatchStep(f);
}
BENCHMARK(BM_MatchStep);

// A league match played by the computer on both sides, from the intro to the
// result box. The counter x_real_time is the virtual time the match spans
// divided by the CPU time it took.
void BM_WholeMatch(benchmark::State& state) {
  double virtualMs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    plat::headless::Reset(1);
    std::string err;
    if (!plat::InitFonts(err)) {
      state.SkipWithError(err.c_str());
      return;
    }
    auto f = std::make_unique<moki::Form1>();
    moki::LoadPictures(f->pics);
    moki::InitControls(*f);
    moki::InitTables(f->gs);
    moki::ResetCastStats(f->gs);
    f->gs.roundNumber = 1, f->gs.motivated = 1, f->gs.playerRole = 0;
    f->gs.opponentCast = 9, f->gs.opponentBackOffset = 9;
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
    state.ResumeTiming();
    plat::headless::Run([&] {
      moki::StartMatch(*f);
      plat::headless::MainLoop();
    });
    state.PauseTiming();
    virtualMs += plat::headless::Now();
    state.ResumeTiming();
  }
  state.counters["x_real_time"] =
      benchmark::Counter(virtualMs / 1000.0, benchmark::Counter::kIsRate);
  state.counters["virtual_s"] = virtualMs / 1000.0 / double(state.iterations());
}
BENCHMARK(BM_WholeMatch)->Unit(benchmark::kMillisecond);

}  // namespace
