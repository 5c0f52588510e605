// The state of a new game.
#pragma once

#include "core/game_state.h"

namespace moki {

// Reads the hall map and sets every new-game value.
void SetupNewGame(GameState& gs);
// Puts the person of hall slot `slot` on cell (x, y) facing `facing`.
void PlaceHallNpc(GameState& gs, int slot, int x, int y, int facing);
// The seller's next offer.
void RollShopOffer(GameState& gs);

}  // namespace moki
