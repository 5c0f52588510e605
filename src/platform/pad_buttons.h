// A controller's buttons: their names (SDL's own: a, b, back, dpup, ...),
// what the key screen shows of them, and the action each stands for.
#pragma once

#include <string>

namespace plat {

// The buttons, numbered as SDL numbers them.
enum PadButton : int {
  kPadA,  // the south button (✕ on a PlayStation pad)
  kPadB,  // east
  kPadX,  // west
  kPadY,  // north
  kPadBack,
  kPadGuide,
  kPadStart,
  kPadLeftStick,
  kPadRightStick,
  kPadLeftShoulder,
  kPadRightShoulder,
  kPadUp,
  kPadDown,
  kPadLeft,
  kPadRight,
  kPadButtonCount
};

// Back opens the menu bar wherever the game is, and Guide does too where the
// desktop leaves it to the game; neither can be given to a game key, so no
// choice of buttons shuts the player out of the menus.
constexpr int kPadMenuButton = kPadBack;
bool MenuButton(int button);

// "a" .. "dpright"; "" out of range.
const char* PadButtonName(int button);
// A name as it is compared: without spaces, in lower case ("DPad Up" reads
// as "dpadup").
std::string CleanButtonName(const std::string& name);
// The button of a name, in any case; -1 for none.
int PadButtonOf(const std::string& name);
// As the screen shows it: "A", "Start", "D-pad up"; "" out of range.
const char32_t* PadButtonLabel(int button);

// The key screen's new key or button, as the platform hands it to the game:
// a keyboard key by its name, a button as kChosenButton and its name.
constexpr char kChosenButton[] = "pad:";

// The action (its index in Actions(), player_setup.h) a button stands for; -1: none.
int GameKeyOfButton(int button);

// Whether a controller (rather than the keyboard) was the last thing the
// player pressed, so that help can name its buttons.
bool PadUsedLast();

}  // namespace plat

namespace plat::internal {

// The keyboard or a controller was pressed; a change of the two tells the
// game (its help names the other's keys now).
void NoteInputDevice(bool pad);
void ForgetInputDevice();  // a fresh run: the keyboard, untold

}  // namespace plat::internal
