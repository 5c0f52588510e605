// The menu bar as every backend with a window draws and works it (the state
// of the menus is the platform's Controls, internal.h).
#pragma once

#include <cstdint>

#include "platform/internal.h"

namespace plat::internal {

constexpr int kMenuBarH = 20;
constexpr int kDropY = kMenuBarH;  // where an open menu drops down in the picture
constexpr int kItemH = 24;

// The menu bar, on a picture of its own (608 x kMenuBarH).
void DrawMenuBar(Surface& out);
// The open menu, over the play area with its top at dropY.
void DrawMenuDrop(Surface& out, int dropY);
// The item of the open menu under a point of the picture (the bar on top), or -1.
int ItemAt(int x, int y);
// The menu whose title is under a point of the bar, or -1.
int TitleAt(int x, int y);
// A keyboard key (keycodes.h) while a menu is open: Up and Down move (past
// items that cannot be chosen), Left and Right go to the next menu, Enter
// chooses, an item's access key chooses it directly, Esc closes.
void MenuKey(int32_t keycode);

}  // namespace plat::internal
