// The keys that work an open menu of the menu bar.
#pragma once

#include <cstdint>

namespace plat::internal {

// A keyboard key (keycodes.h) while a menu is open: Up and Down move (past
// items that cannot be chosen), Left and Right go to the next menu, Enter
// and Space choose, an item's access key chooses it directly, Esc closes.
void MenuKey(int32_t keycode);

}  // namespace plat::internal
