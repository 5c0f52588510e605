// The settings in effect: read once at start, changed by the game (a key
// bound, the window's scale, a [game] setting), each change written into the
// file as it is on disk then.
#include <algorithm>
#include <functional>
#include <iostream>

#include "platform/player_setup.h"
#include "player_files/bindings.h"
#include "player_files/recording.h"
#include "player_files/settings.h"
#include "player_files/settings_ini.h"
#include "player_files/user_files.h"

namespace plat {

namespace {

struct State {
  Settings current = DefaultSettings();
  std::string path;  // "" when there is no file
};

State& S() {
  static State s;
  return s;
}

void Warn(const std::string& text) {
  std::cerr << "mokimoki: " << ini::Printable(text) << "\n";
}

// The file as it is now. A recording keeps it without the player's comments.
ReadStatus ReadNow(const std::string& path, std::string& contents, std::string& err) {
  internal::RecordNextReadAs(ini::WithoutComments);
  constexpr size_t kSettingsMost = 1 << 20;  // a settings file is a few hundred bytes
  return ReadUserFile(path, contents, err, kSettingsMost);
}

bool SaveHeld(const Settings& before);

// Writes the settings that changed since before into the file as it is on
// disk now, every other line left as it is there. A file the game cannot use
// is kept as .bad first, and only its usable lines and comments are carried
// into the new one.
//
// Another copy of the game changing its settings at the same moment waits
// until this one has written: each change goes into the file as the other
// left it.
bool Save(const Settings& before) {
  State& s = S();
  if (s.path.empty() || SettingsChanged(before, s.current).empty()) return true;
  const int hold = HoldUserFile(s.path);
  const bool saved = SaveHeld(before);
  ReleaseUserFile(hold);
  return saved;
}

bool SaveHeld(const Settings& before) {
  State& s = S();
  const std::vector<std::string> changed = SettingsChanged(before, s.current);
  std::string disk, err;
  const ReadStatus status = ReadNow(s.path, disk, err);
  std::vector<SettingsWarning> warnings;
  if (status == ReadStatus::Ok) ParseSettings(disk, warnings);
  std::string text;
  if (status == ReadStatus::Ok && warnings.empty()) {
    text = FormatSettings(s.current, disk, changed);
  } else {
    if (status != ReadStatus::Missing && UserFileExists(s.path)) {
      std::string kept;
      if (!KeepAsBad(s.path, kept, err)) {
        Warn("cannot keep the settings file with errors (" + err +
             "); the settings are not written");
        return false;
      }
      Warn("the settings file with errors is kept as " + kept);
    }
    std::vector<int> unusable;
    for (const SettingsWarning& w : warnings)
      if (!w.lineUsed) unusable.push_back(w.line);
    text = FormatSettings(s.current, ini::UsableLines(disk, unusable, SettingsSections()));
  }
  if (!WriteUserFile(s.path, text, err)) {
    Warn("cannot write the settings (" + err + "); the game plays on with them unsaved");
    return false;
  }
  return true;
}

// Tells the platform the settings in effect: the window's, and the keys
// and buttons of the game's actions.
void TellPlatform() {
  const Settings& s = S().current;
  SetWindowSetup({s.scale, s.scaling == Scaling::Fit, s.fullscreen});
  std::vector<ActionKeys> actions;
  for (int k = 0; k < kGameKeyCount; ++k)
    actions.push_back({GameKeyName(k), GameKeyVk(k), s.keys[size_t(k)], s.pad[size_t(k)]});
  SetActionKeys(std::move(actions));
}

// Applies change to the settings in effect, and writes what it changed
// (nothing when it changed nothing).
bool Change(const std::function<void(Settings&)>& change) {
  const Settings before = S().current;
  change(S().current);
  TellPlatform();
  return Save(before);
}

// The platform reports the window as the player changed it.
bool WindowChanged(const WindowSetup& w) {
  return Change([&w](Settings& s) {
    s.scale = w.scale;
    s.scaling = w.fit ? Scaling::Fit : Scaling::Whole;
    s.fullscreen = w.fullscreen;
  });
}

// The settings keep the platform's setup from the start: a headless run
// begins at the defaults, or at a file its scenario names.
[[maybe_unused]] const bool kKeeper = [] {
  KeepSetupWith({WindowChanged, UseDefaultSettings, LoadSettings});
  return true;
}();

}  // namespace

std::string SettingsPath() {
  return ConfigDir() + "/settings.ini";
}

void LoadSettings(const std::string& path) {
  State& s = S();
  s.current = DefaultSettings();
  s.path = path;
  ClearLeftovers(path);
  std::string contents, err;
  switch (ReadNow(path, contents, err)) {
    case ReadStatus::Missing:
      break;
    case ReadStatus::Unreadable:
    case ReadStatus::TooBig:
      Warn(err + ": the settings cannot be read; the defaults apply");
      break;
    case ReadStatus::Ok: {
      std::vector<SettingsWarning> warnings;
      s.current = ParseSettings(contents, warnings);
      // A file of nonsense should not flood the terminal.
      constexpr size_t kShown = 20;
      for (size_t i = 0; i < warnings.size() && i < kShown; ++i) {
        std::string where = path;
        if (warnings[i].line > 0) where.append(":").append(std::to_string(warnings[i].line));
        Warn(where.append(": ").append(warnings[i].text));
      }
      if (warnings.size() > kShown)
        Warn(path + ": " + std::to_string(warnings.size() - kShown) + " more warnings");
      break;
    }
  }
  TellPlatform();
}

void UseDefaultSettings() {
  S() = State{};
  TellPlatform();
}

const Settings& CurrentSettings() {
  return S().current;
}

std::string GameSetting(const std::string& key) {
  for (const auto& [k, v] : S().current.game)
    if (k == key) return v;
  return "";
}

bool SetGameSetting(const std::string& key, const std::string& value) {
  return Change([&](Settings& s) {
    auto it =
        std::find_if(s.game.begin(), s.game.end(), [&](const auto& kv) { return kv.first == key; });
    if (it != s.game.end())
      it->second = value;
    else
      s.game.emplace_back(key, value);
  });
}

}  // namespace plat

namespace plat::internal {

bool ChangeSettings(const std::function<void(Settings&)>& change) {
  return Change(change);
}

}  // namespace plat::internal
