// The league: the schedule of the nine match-days, the seating draw, booking
// a match-day and the ranking sort.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <utility>

#include "platform/headless.h"
#include "core/game_state.h"
#include "story/league.h"

using namespace moki;

namespace {

// The ranking of a new game before the draw: 4..12, then the hero's team.
void NewGameRanking(GameState& gs) {
  for (int k = 1; k <= 9; ++k) gs.rankOrder[k] = static_cast<i16>(k + 3);
  gs.rankOrder[10] = 0;
  gs.heroRank = 10;
}

// Runs the booking of the current match-day over its five pairs.
void BookDay(GameState& gs) {
  gs.matchPending = 1;
  for (int pos = 1; pos <= 9; pos += 2) {
    gs.schedulePos = static_cast<i16>(pos);
    ScheduleStep(gs);
  }
}

// Naming the opponent: the same walk with no booking.
void NameOpponent(GameState& gs) {
  gs.matchPending = 0;
  for (int pos = 1; pos <= 9; pos += 2) {
    gs.schedulePos = static_cast<i16>(pos);
    ScheduleStep(gs);
  }
}

int SeatAt(const GameState& gs, int day, int k) {
  return gs.matchDayPairings[day][k] - U'0';
}

}  // namespace

TEST(LeagueSchedule, EveryPairOfSeatsMeetsExactlyOnce) {
  GameState gs;
  InitMatchDayPairings(gs);
  std::set<std::pair<int, int>> met;
  for (int day = 1; day <= 9; ++day) {
    SCOPED_TRACE(day);
    const WString& s = gs.matchDayPairings[day];
    ASSERT_EQ(s.size(), 10u);
    std::set<char32_t> seats(s.begin(), s.end());
    EXPECT_EQ(seats.size(), 10u);  // each seat plays once a day
    for (int k = 0; k < 10; k += 2) {
      const int a = SeatAt(gs, day, k), b = SeatAt(gs, day, k + 1);
      ASSERT_TRUE(a >= 0 && a <= 9 && b >= 0 && b <= 9);
      EXPECT_TRUE(met.insert({std::min(a, b), std::max(a, b)}).second) << a << "-" << b;
    }
  }
  EXPECT_EQ(met.size(), 45u);

  const std::array<int, 9> seatZero = {1, 2, 3, 4, 9, 7, 6, 8, 5};
  for (int day = 1; day <= 9; ++day) {
    EXPECT_EQ(SeatAt(gs, day, 0), 0) << day;
    EXPECT_EQ(SeatAt(gs, day, 1), seatZero[day - 1]) << day;
  }
}

TEST(LeagueDraw, EveryTeamMovesAndSeatsFollowTheFirstRanking) {
  std::set<std::array<i16, 10>> seatings;
  for (uint64_t seed = 1; seed <= 200; ++seed) {
    SCOPED_TRACE(seed);
    plat::headless::Reset(seed);
    GameState gs;
    NewGameRanking(gs);
    DrawLeague(gs);

    std::array<i16, 10> seats{};
    for (int k = 1; k <= 10; ++k) {
      const int c = gs.rankOrder[k];
      const int start = c == 0 ? 10 : c - 3;  // where this team stood before the draw
      ASSERT_TRUE(c == 0 || (c >= 4 && c <= 12)) << c;
      EXPECT_NE(start, k) << "team " << c << " kept its place";
      EXPECT_EQ(gs.leagueSeats[k - 1], gs.rankOrder[k]);
      seats[k - 1] = gs.leagueSeats[k - 1];
    }
    std::set<i16> teams(seats.begin(), seats.end());
    EXPECT_EQ(teams.size(), 10u);
    ASSERT_GE(gs.heroRank, 1);
    ASSERT_LE(gs.heroRank, 9);
    EXPECT_EQ(gs.rankOrder[gs.heroRank], 0);

    // The exchanges form one cycle through all ten positions.
    auto startOf = [&](int k) { return gs.rankOrder[k] == 0 ? 10 : gs.rankOrder[k] - 3; };
    int k = 1, length = 0;
    do {
      k = startOf(k);
      ++length;
    } while (k != 1 && length <= 10);
    EXPECT_EQ(length, 10);
    seatings.insert(seats);
  }
  // The draw really depends on the generator.
  EXPECT_GT(seatings.size(), 150u);
}

TEST(LeagueBooking, MatchDayThreeDecidesTheOtherFourMatches) {
  GameState gs;
  InitMatchDayPairings(gs);
  // Seats 0..9; the hero's team sits on seat 2.
  gs.leagueSeats = {7, 11, 0, 4, 12, 9, 5, 10, 6, 8};
  gs.roundNumber = 3;  // "0315274869": 0-3, 1-5, 2-7, 4-8, 6-9

  NameOpponent(gs);
  EXPECT_EQ(gs.opponentCast, 10);  // seat 7
  for (int c = 0; c < kTeamCastCount; ++c) EXPECT_EQ(gs.winsByCast[c], 0) << c;

  gs.opponentCast = -1;
  BookDay(gs);
  EXPECT_EQ(gs.opponentCast, 10);  // the booking names the same opponent
  // 7-4 -> 7, 11-9 -> 11, 12-6 -> 12, 5-8 -> 8; the hero's match is still to play.
  std::array<int, kTeamCastCount> expected{};
  expected[7] = expected[11] = expected[12] = expected[8] = 1;
  int total = 0;
  for (int c = 0; c < kTeamCastCount; ++c) {
    EXPECT_EQ(gs.winsByCast[c], expected[c]) << c;
    total += gs.winsByCast[c];
  }
  EXPECT_EQ(total, 4);
}

TEST(LeagueBooking, TheHeroOnEitherSideOfAPairGetsTheOtherTeam) {
  GameState gs;
  InitMatchDayPairings(gs);
  gs.leagueSeats = {4, 5, 6, 7, 8, 9, 10, 11, 12, 0};  // the hero on seat 9
  std::set<int> opponents;
  for (int day = 1; day <= 9; ++day) {
    gs.roundNumber = static_cast<i16>(day);
    gs.opponentCast = -1;
    NameOpponent(gs);
    opponents.insert(gs.opponentCast);
  }
  EXPECT_EQ(opponents, (std::set<int>{4, 5, 6, 7, 8, 9, 10, 11, 12}));

  gs.roundNumber = 5;  // "0912345678": the hero is the second seat of the first pair
  NameOpponent(gs);
  EXPECT_EQ(gs.opponentCast, 4);
  gs.roundNumber = 1;  // "0123456789": the hero is the second seat of the last pair
  NameOpponent(gs);
  EXPECT_EQ(gs.opponentCast, 12);
}

TEST(LeagueBooking, OutOfRangeDayOrPositionChangesNothing) {
  GameState gs;
  InitMatchDayPairings(gs);
  gs.leagueSeats = {5, 6, 7, 8, 9, 10, 11, 12, 4, 0};
  gs.matchPending = 1;
  gs.opponentCast = 99;
  const std::array<std::pair<int, int>, 7> bad = {
      {{0, 1}, {10, 1}, {-3, 1}, {1, 0}, {1, 10}, {1, 11}, {1, -1}}};
  for (auto [day, pos] : bad) {
    gs.roundNumber = static_cast<i16>(day);
    gs.schedulePos = static_cast<i16>(pos);
    ScheduleStep(gs);
  }
  EXPECT_EQ(gs.opponentCast, 99);
  for (int c = 0; c < kTeamCastCount; ++c) EXPECT_EQ(gs.winsByCast[c], 0) << c;

  // The last valid pair of a day is position 9.
  gs.roundNumber = 1;
  gs.schedulePos = 9;  // seats 8-9: team 4 against the hero
  ScheduleStep(gs);
  EXPECT_EQ(gs.opponentCast, 4);
}

TEST(LeagueBooking, HigherCastWinsEveryComputerMatchOverTheSeason) {
  for (uint64_t seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE(seed);
    plat::headless::Reset(seed);
    GameState gs;
    InitMatchDayPairings(gs);
    NewGameRanking(gs);
    DrawLeague(gs);
    std::set<int> opponents;
    for (int day = 1; day <= 9; ++day) {
      gs.roundNumber = static_cast<i16>(day);
      BookDay(gs);
      opponents.insert(gs.opponentCast);
    }
    // The hero meets every computer team once.
    EXPECT_EQ(opponents, (std::set<int>{4, 5, 6, 7, 8, 9, 10, 11, 12}));
    // Team k beats exactly the computer teams below it: 12 wins all eight.
    for (int c = 4; c <= 12; ++c) EXPECT_EQ(gs.winsByCast[c], c - 4) << c;
    EXPECT_EQ(gs.winsByCast[0], 0);
  }
}

TEST(LeagueRanking, SwapSortOrdersByWinsAndFindsTheHero) {
  GameState gs;
  NewGameRanking(gs);  // 4, 5, ..., 12, 0
  gs.winsByCast[4] = 1;
  gs.winsByCast[5] = 1;
  gs.winsByCast[12] = 2;
  SortRanking(gs);
  // The swap sort does not keep ties in order: 4 falls behind 5 and 6
  // falls to the place 4 left.
  const std::array<i16, 10> expected = {12, 5, 4, 7, 8, 9, 10, 11, 6, 0};
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(gs.rankOrder[k], expected[k - 1]) << k;
  EXPECT_EQ(gs.heroRank, 10);

  gs.winsByCast[0] = 3;
  SortRanking(gs);
  EXPECT_EQ(gs.rankOrder[1], 0);
  EXPECT_EQ(gs.heroRank, 1);
  EXPECT_EQ(gs.rankOrder[2], 12);
}

TEST(LeagueRanking, SortedRankingAfterARandomSeasonIsDescending) {
  plat::headless::Reset(7);
  GameState gs;
  InitMatchDayPairings(gs);
  NewGameRanking(gs);
  DrawLeague(gs);
  for (int day = 1; day <= 9; ++day) {
    gs.roundNumber = static_cast<i16>(day);
    BookDay(gs);
    if (day % 2) ++gs.winsByCast[0];  // the hero wins some of his matches
    SortRanking(gs);
    std::set<i16> teams;
    for (int k = 1; k <= 10; ++k) {
      teams.insert(gs.rankOrder[k]);
      if (k > 1) {
        EXPECT_GE(gs.winsByCast[gs.rankOrder[k - 1]], gs.winsByCast[gs.rankOrder[k]]);
      }
    }
    EXPECT_EQ(teams.size(), 10u);
    EXPECT_EQ(gs.rankOrder[gs.heroRank], 0);
  }
}
