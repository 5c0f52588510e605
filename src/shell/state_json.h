// The game state as JSON, for the scenario runner and the tests: keys are the
// game's own field names.
#pragma once

#include <string>

#include "core/game_state.h"

namespace moki {

std::string StateJson(const GameState& gs);
// One field's JSON text; false if there is no field of that name.
bool FieldJson(const GameState& gs, const std::string& name, std::string& out);

}  // namespace moki
