// One match step (movement, ball, hits, the frame composed and shown) beside
// the plain copy of one 608 x 448 frame, on the headless backend.
#include <benchmark/benchmark.h>

#include <string>

#include "match/cast_stats.h"
#include "match/match_setup.h"
#include "match/match_step.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "shell/form1.h"

namespace {

void BM_FrameCopy(benchmark::State& state) {
  plat::Surface a(608, 448, plat::RGB(10, 200, 30)), b(608, 448);
  for (auto _ : state) {
    plat::BitBlt(b, 0, 0, 608, 448, a, 0, 0, plat::Rop::Copy);
    benchmark::DoNotOptimize(b.px.data());
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

}  // namespace
