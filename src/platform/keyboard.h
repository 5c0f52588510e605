// Keyboard keys by name, as the player's settings and the key screen give
// them.
#pragma once

#include <cstdint>
#include <string>

namespace plat {

// Keyboard keys by name. The names are SDL's ("Up", "W", "Left Shift",
// "Keypad 1"), in any case; "Comma" and "Hash" stand for "," and "#", which
// the settings file uses itself. 0: no such key.
int32_t KeyCodeOf(const std::string& name);
std::string KeyNameOf(int32_t keycode);
// Keys the window keeps for itself: Escape, Return, Keypad Enter, F11, Alt.
bool ReservedKey(int32_t keycode);
// The key that gives up waiting for a new key (Escape).
bool CancelKey(int32_t keycode);

// While on, the next key pressed on the keyboard goes by its name to the
// keyChosen handler instead of to the game, and the wait ends with it. Menu
// keys, F11 and a message box keep their keys.
void CaptureNextKey(bool on);

}  // namespace plat
