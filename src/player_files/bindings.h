// The player's keys and buttons for the game's actions, as one model: the
// table of actions with the keys and buttons each has as the game comes,
// the two columns (the keyboard's keys, a controller's buttons) read from
// the settings file by one parser, and bound on the key screen by one
// function.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/pad_buttons.h"
#include "player_files/settings.h"

namespace plat {

// One column of the bindings: [keys] or [pad] in the settings file.
enum class Column { Keys, Pad };

// The keys or buttons of each game key as the game comes: the arrows walk,
// Space (A) talks, Shift (B) runs, Z X C (X, Y and the right shoulder) use
// the items, Ctrl (Start) pauses.
std::array<std::vector<std::string>, kGameKeyCount> DefaultBindings(Column column);
std::array<std::vector<std::string>, kGameKeyCount> DefaultPadKeys();

// Gives game key gameKey one new key or button of its own (its old ones are
// let go) and writes the settings. Refused when another game key has it or
// the window keeps it (the menu button, Escape, Enter, F11, Alt); Escape
// gives up (Cancelled), nothing changes.
BindOutcome Bind(Column column, int gameKey, const std::string& name);
BindOutcome BindPadButton(int gameKey, const std::string& buttonName);

// Gives the key screen's new key or button (pad_buttons.h) to game key
// gameKey in the keyboard's column or the controller's. A key of the other
// kind is passed over (Unknown: the screen waits on), but the window's
// cancel key or the menu button gives up (Cancelled) in both.
BindOutcome BindChosen(int gameKey, const std::string& name, bool padColumn);
// What the screen shows of it: the key's name, or the button's label.
std::u32string ChosenLabel(const std::string& name);

}  // namespace plat

namespace plat::internal {

// A column of the settings file, read line by line: a bad line warns and
// leaves its game key at its default, an empty one leaves it without any,
// and a default given to another game key goes to that one.
class ColumnReading {
 public:
  explicit ColumnReading(Column column) : column_(column) {}
  // Game key k's line (its number `line`): "" when it is taken, else why not.
  std::string Line(int k, const std::string& value, int line);
  // After the last line: the keys or buttons in effect, with a warning for
  // each default that went to another game key.
  void Finish(std::array<std::vector<std::string>, kGameKeyCount>& out,
              std::vector<SettingsWarning>& warnings) const;

 private:
  Column column_;
  std::array<int, kGameKeyCount> at_{};  // the line of each game key's; 0: none
  std::array<std::vector<int32_t>, kGameKeyCount> codes_;
  std::array<std::vector<std::string>, kGameKeyCount> names_;
};

}  // namespace plat::internal
