// The window's own keys and mouse, the same behind every backend: the menu
// bar worked by keys and the pointer, Alt alone and Alt with an access key,
// F11 for full screen, the message box's Enter and OK button. A backend
// turns its events into these calls; whatever the window does not take goes
// through the player's keys to the game.
#pragma once

#include <cstdint>

namespace plat::internal {

// A keyboard key went down. key is the key as the window knows it: VK_UP,
// VK_DOWN, VK_LEFT, VK_RIGHT, VK_RETURN (either Enter), VK_SPACE,
// VK_ESCAPE, VK_F11, VK_MENU (either Alt), 'A' to 'Z'; 0 for any other.
// keycode is the keyboard's own code for it, for the player's keys; alt:
// an Alt key is held; repeat: the key's auto-repeat.
void WindowKeyDown(int key, int32_t keycode, bool alt, bool repeat);
void WindowKeyUp(int key, int32_t keycode);
// The pointer moved, or its left button went down, at a point of the picture
// whose top is the menu bar's. barAbove: the bar sits above the play area
// (in full screen it lies over it).
void WindowMouseMove(int x, int y);
void WindowMouseDown(int x, int y, bool barAbove);
// F11: full screen or back, remembered for the next start.
void ToggleFullscreen();

}  // namespace plat::internal
