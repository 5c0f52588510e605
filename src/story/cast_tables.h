// The cast: names, who stands where, and every character's script.
#pragma once

#include "core/game_state.h"

namespace moki {

// hallCastSlots and roomCastSlots.
void InitMapCast(GameState& gs);
// castNames.
void InitCastNames(GameState& gs);
// lineBreak and scriptTable (some scripts are joined from pieces).
void InitScripts(GameState& gs);

}  // namespace moki
