// The browser's keys: a KeyboardEvent's code ("KeyA", "ArrowLeft") as the
// keyboard key the player's keys are kept in (keycodes.h); 0: none the game knows.
#pragma once

#include <cstdint>

namespace plat {

int32_t KeyOfDomCode(const char* code);

}  // namespace plat
