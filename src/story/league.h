// The ten-team league: the seating draw, the fixed schedule, booking a
// match-day's matches and the ranking.
#pragma once

#include "core/game_state.h"

namespace moki {

// matchDayPairings for match-days 1..9.
void InitMatchDayPairings(GameState& gs);
// The random seating of a new game: shuffles rankOrder so that every team
// moves, copies it to leagueSeats and sets heroRank.
void DrawLeague(GameState& gs);
// The pair rule for the pair at schedulePos of the current match-day.
void ScheduleStep(GameState& gs);
// Sorts rankOrder by wins and sets heroRank.
void SortRanking(GameState& gs);

}  // namespace moki
