// The 26 items and the computer opponents' item schedules.
#pragma once

#include "core/game_state.h"

namespace moki {

// ComputerItemSchedule: entries 4..21 filled, 0..3 empty.
void initComputerItemSchedules(GameState& gs);
// itemName, itemPrice and itemDescription for items 0..25, the names and
// explanations in the game's language.
void initItemCatalogue(GameState& gs);

}  // namespace moki
