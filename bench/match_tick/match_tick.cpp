// One match step (movement, ball, hits, the frame composed and shown), timed
// over a few thousand steps on the headless backend, the best of five
// rounds: the same program built natively and for the browser
// (build-web/bench/, by tools/web.sh), so the two can be set side by side
// (the page's tests print both).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "../league_match.h"
#include "match/match_step.h"

int main() {
  std::string err;
  if (!bench::FreshHeadless(err)) {
    std::fprintf(stderr, "match tick: %s\n", err.c_str());
    return 1;
  }
  static moki::Form1 f;
  moki::ConnectWindow(f);
  bench::EnterLeagueMatch(f);
  // The best of five rounds, each a fresh start of the match: the browser
  // compiles the page's code at its best only once it has run a while, and
  // a round may meet the machine busy.
  constexpr int kSteps = 3000;
  double best = 0;
  for (int round = 0; round < 5; ++round) {
    moki::ResetMatch(f.gs);
    f.gs.GameMode = moki::kModeMatch;
    for (int i = 0; i < 200; ++i) moki::MatchStep(f);  // warm
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kSteps; ++i) moki::MatchStep(f);
    const double us =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    if (round == 0 || us < best) best = us;
  }
  std::printf("match tick: %.1f us\n", best / kSteps);
  return 0;
}
