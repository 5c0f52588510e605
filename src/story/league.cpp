// The ten-team league. A team is known by its forward's cast index: 0 is the
// hero's team, 4..12 the nine computer teams. Seats 0..9 are drawn once per
// game; the nine match-day strings pair the seats so that every seat meets
// every other exactly once.
#include "story/league.h"

#include <utility>

#include "platform/platform.h"
#include "core/numeric.h"

namespace moki {

namespace {

constexpr int kLeagueTeams = 10;
constexpr int kLeagueDays = 9;

// Characters 1-2, 3-4, 5-6, 7-8 and 9-10 are the five matches of the day.
// Seat 0 meets seats 1, 2, 3, 4, 9, 7, 6, 8, 5 in that order.
constexpr const char32_t* kPairings[kLeagueDays + 1] = {
    U"",            // no match-day 0
    U"0123456789",  // 第1節
    U"0214365879",  // 第2節
    U"0315274869",  // 第3節
    U"0418263759",  // 第4節
    U"0912345678",  // 第5節
    U"0713256849",  // 第6節
    U"0624385719",  // 第7節
    U"0817354629",  // 第8節
    U"0516284739",  // 第9節
};

bool IsTeamCast(int c) {
  return c >= 0 && c < kTeamCastCount;
}

int WinsOf(const GameState& gs, int c) {
  return IsTeamCast(c) ? gs.winsByCast[c] : 0;
}

void FindHeroRank(GameState& gs) {
  for (int k = 1; k <= kLeagueTeams; ++k) {
    if (gs.rankOrder[k] == 0) {
      gs.heroRank = static_cast<i16>(k);
      return;
    }
  }
}

// The seat named by one digit of a match-day string, or -1.
int SeatOf(char32_t ch) {
  if (ch < U'0' || ch > U'9') return -1;
  return static_cast<int>(ch - U'0');
}

}  // namespace

void InitMatchDayPairings(GameState& gs) {
  for (int d = 0; d <= kLeagueDays; ++d) gs.matchDayPairings[d] = kPairings[d];
}

void DrawLeague(GameState& gs) {
  plat::Randomize();
  // Every position is exchanged with an earlier one, so no team keeps its
  // starting place and the hero's team never starts last.
  for (int n = kLeagueTeams; n >= 2; --n) {
    int j = Int(plat::Rnd() * (n - 1) + 1);
    if (j < 1) j = 1;
    if (j > n - 1) j = n - 1;
    std::swap(gs.rankOrder[n], gs.rankOrder[j]);
  }
  for (int k = 1; k <= kLeagueTeams; ++k) gs.leagueSeats[k - 1] = gs.rankOrder[k];
  FindHeroRank(gs);
}

void ScheduleStep(GameState& gs) {
  if (gs.roundNumber < 1 || gs.roundNumber > kLeagueDays) return;
  const WString& day = gs.matchDayPairings[gs.roundNumber];
  const int pos = gs.schedulePos;  // 1-based
  if (pos < 1 || static_cast<size_t>(pos) + 1 > day.size()) return;
  const int seatA = SeatOf(day[pos - 1]);
  const int seatB = SeatOf(day[pos]);
  if (seatA < 0 || seatB < 0) return;

  const i16 a = gs.leagueSeats[seatA];
  const i16 b = gs.leagueSeats[seatB];
  if (a == 0) {
    gs.opponentCast = b;
  } else if (b == 0) {
    gs.opponentCast = a;
  } else if (gs.matchPending == 1) {
    // The day's other matches are settled when the hero's match is booked:
    // the team with the higher forward cast index always wins.
    const i16 winner = a > b ? a : b;
    if (IsTeamCast(winner)) CountUp(gs.winsByCast[size_t(winner)]);
  }
}

void SortRanking(GameState& gs) {
  for (int i = 1; i <= kLeagueTeams - 1; ++i) {
    for (int j = i; j <= kLeagueTeams; ++j) {
      if (WinsOf(gs, gs.rankOrder[i]) < WinsOf(gs, gs.rankOrder[j])) {
        std::swap(gs.rankOrder[i], gs.rankOrder[j]);
      }
    }
  }
  FindHeroRank(gs);
}

}  // namespace moki
