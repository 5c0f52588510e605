// A controller's buttons as the player gives them to the game's keys: their
// names in the settings file's [pad] section (SDL's own: a, b, back, dpup,
// ...), what the key screen shows of them, and the buttons each game key has.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "player_files/settings.h"

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
// The button of a name, in any case; -1 for none.
int PadButtonOf(const std::string& name);
// As the screen shows it: "A", "Start", "D-pad up"; "" out of range.
const char32_t* PadButtonLabel(int button);

// The buttons of each game key as the game comes: the d-pad walks, A talks,
// B runs, X, Y and the right shoulder use the items, Start pauses.
std::array<std::vector<std::string>, kGameKeyCount> DefaultPadKeys();

// Gives a game key one new button of its own (its old ones are let go) and
// writes the settings. Refused when another game key has it or it opens the menu.
BindOutcome BindPadButton(int gameKey, const std::string& buttonName);

// The key screen's new key or button, as the platform hands it to the game:
// a keyboard key by its name, a button as kChosenButton and its name.
constexpr char kChosenButton[] = "pad:";
// Gives it to game key gameKey in the keyboard's column or the controller's.
// A key of the other kind is passed over (Unknown: the screen waits on), but
// the window's cancel key or the menu button gives up (Cancelled) in both.
BindOutcome BindChosen(int gameKey, const std::string& name, bool padColumn);
// What the screen shows of it: the key's name, or the button's label.
std::u32string ChosenLabel(const std::string& name);

// The game key a button stands for under the settings in effect; -1: none.
int GameKeyOfButton(int button);

// Whether a controller (rather than the keyboard) was the last thing the
// player pressed, so that help can name its buttons.
bool PadUsedLast();

}  // namespace plat

namespace plat::internal {

// The [pad] section of the settings file, read line by line with the same
// rules as [keys]: a bad line warns and leaves its game key at its default,
// and a default button given to another key goes to that one.
class PadSection {
 public:
  void Line(const std::string& key, const std::string& value, int line,
            std::vector<SettingsWarning>& warnings);
  // Called after the last line: the buttons in effect.
  void Finish(std::array<std::vector<std::string>, kGameKeyCount>& pad,
              std::vector<SettingsWarning>& warnings) const;

 private:
  std::array<std::vector<int>, kGameKeyCount> given_;  // buttons given on a good line
  std::array<int, kGameKeyCount> givenAt_{};           // that line; 0: none
};
// The section's lines as written: "left = dpleft", ...
std::vector<std::pair<std::string, std::string>> PadLines(
    const std::array<std::vector<std::string>, kGameKeyCount>& pad);

// The keyboard or a controller was pressed; a change of the two tells the
// game (its help names the other's keys now).
void NoteInputDevice(bool pad);
void ForgetInputDevice();  // a fresh run: the keyboard, untold

// Changes the settings in effect and writes what changed (settings_current.cpp).
bool ChangeSettings(const std::function<void(Settings&)>& change);

}  // namespace plat::internal
