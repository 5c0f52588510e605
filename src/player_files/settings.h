// The player's settings: the window's scale and full screen, the keys of the
// game's ten keys, and a [game] section for the game's own choices. They live
// in $XDG_CONFIG_HOME/mokimoki/settings.ini, read once at start; only a change
// made in the game writes the file. A file the game cannot use never stops it
// and is never lost: each bad line warns (file and line) and its default
// applies, and the first write after such warnings keeps the old file as
// settings.ini.bad.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/keyboard.h"

namespace plat {

// The game's ten keys, in the order of the file and of the key screen.
enum GameKey : int {
  kKeyLeft,
  kKeyUp,
  kKeyRight,
  kKeyDown,
  kKeySpace,
  kKeyShift,
  kKeyCtrl,
  kKeyZ,
  kKeyX,
  kKeyC,
  kGameKeyCount
};
// The name in the file ("left", "up", ... "c"); "" out of range.
const char* GameKeyName(int key);
// The virtual-key code the game receives for it.
int GameKeyVk(int key);

constexpr int kMaxScale = 16;

// How the picture fills a window or screen larger than it: by whole
// multiples, or as large as it fits (sharp: see fit_scale.h).
enum class Scaling { Whole, Fit };

struct Settings {
  int scale = 0;  // whole multiple of the picture; 0: the largest that fits
  Scaling scaling = Scaling::Whole;
  bool fullscreen = false;
  // Per game key, the keyboard's keys by their SDL names (as SDL spells them).
  std::array<std::vector<std::string>, kGameKeyCount> keys;
  // [pad]: per game key, a controller's buttons by their SDL names (pad_bindings.h).
  std::array<std::vector<std::string>, kGameKeyCount> pad;
  // [recording] keep: how many sessions' recordings are kept (0: none recorded).
  int keepSessions = 5;
  // [game]: key = value lines, in the file's order.
  std::vector<std::pair<std::string, std::string>> game;
};
Settings DefaultSettings();

struct SettingsWarning {
  int line = 0;  // 1-based; 0 for the whole file
  std::string text;
  bool lineUsed = false;  // the line itself was taken (the warning is about another setting)
};
// Reads a settings text. Every line that cannot be used adds a warning and
// leaves that setting at its default.
Settings ParseSettings(const std::string& text, std::vector<SettingsWarning>& warnings);
// The text to write: the previous text with each setting's line set to its
// value, comments, blank lines and lines of other sections kept as they are,
// lines that made no sense dropped (the old file is kept as .bad), settings
// the text lacks added to their section. An empty previous text gives a whole
// file with a short explanation. With only ("section.key" names), only those
// settings' lines are set, and every other line stays as it is.
std::string FormatSettings(const Settings& s, const std::string& previous,
                           const std::vector<std::string>& only = {});
// The settings that differ between a and b, as "section.key" names.
std::vector<std::string> SettingsChanged(const Settings& a, const Settings& b);
// The sections the game knows, by name.
std::vector<std::string> SettingsSections();

// --- The settings in effect ---------------------------------------------------
// $XDG_CONFIG_HOME/mokimoki/settings.ini.
std::string SettingsPath();
// Reads path (once, at start) and takes its settings; warnings go to
// standard error. Later changes are written to path.
void LoadSettings(const std::string& path);
// The defaults, with no file: nothing is read, and changes are not written.
void UseDefaultSettings();
const Settings& CurrentSettings();

// Gives a game key a new key of its own (its old keys are let go) and writes
// the file. Refused when another game key has it or the window keeps it.
// Escape gives up: Cancelled, nothing changes.
enum class BindResult { Changed, Unchanged, Taken, Reserved, Unknown, Cancelled };
struct BindOutcome {
  BindResult result = BindResult::Unknown;
  int other = -1;     // Taken: the game key that has it
  bool saved = true;  // false: the file could not be written (a warning said why)
};
BindOutcome BindKey(int gameKey, const std::string& keyName);

// [game] settings: the value, or "" when the file has none. Setting a value
// that differs writes the file; false when the write failed.
std::string GameSetting(const std::string& key);
bool SetGameSetting(const std::string& key, const std::string& value);

}  // namespace plat

namespace plat::internal {
// Changes the settings in effect and writes what changed.
bool ChangeSettings(const std::function<void(Settings&)>& change);
}  // namespace plat::internal
