// How the desktop knows the game's window: the name that ties it to the
// game's menu entry, and the game's icon on it.
#pragma once

#include <SDL.h>

namespace plat {

// The class (X11) or app id (Wayland) of the windows opened from now on:
// the name of the menu entry, as its StartupWMClass says. A class the player
// set in SDL_VIDEO_X11_WMCLASS stays. Before the display is opened.
void NameGameWindows();

// The game's icon on window, from the icon the game was built or installed
// with; a window without one when it cannot be read.
void SetGameIcon(SDL_Window* window);

}  // namespace plat
