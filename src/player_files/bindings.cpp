// The player's keys and buttons for the game's actions: one table of the
// actions, and the keyboard's keys and a controller's buttons read, checked
// and bound by the same code, each column telling only how its names read.
#include "player_files/bindings.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "platform/keyboard.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "player_files/settings_ini.h"

namespace plat {

namespace {

struct Action {
  const char* name;
  int vk;
  std::vector<std::string> keys;
  const char* button;
};

// The game's ten keys, in the order of the file and of the key screen.
const std::array<Action, kGameKeyCount>& Actions() {
  static const std::array<Action, kGameKeyCount> actions = {{
      {"left", VK_LEFT, {"Left"}, "dpleft"},
      {"up", VK_UP, {"Up"}, "dpup"},
      {"right", VK_RIGHT, {"Right"}, "dpright"},
      {"down", VK_DOWN, {"Down"}, "dpdown"},
      {"space", VK_SPACE, {"Space"}, "a"},
      {"shift", VK_SHIFT, {"Left Shift", "Right Shift"}, "b"},
      {"ctrl", VK_CONTROL, {"Left Ctrl", "Right Ctrl"}, "start"},
      // 1, 2 and 3 of the main row are the item keys too.
      {"z", VK_Z, {"Z", "1"}, "x"},
      {"x", VK_X, {"X", "2"}, "y"},
      {"c", VK_C, {"C", "3"}, "rightshoulder"},
  }};
  return actions;
}

std::string Quoted(const std::string& s) {
  return "\"" + s + "\"";
}

std::string Join(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& n : names) out += (out.empty() ? "" : ", ") + n;
  return out;
}

// How a column's names read. code: -1 for a name of nothing.
struct ColumnInfo {
  const char* thing;  // "key", "button"
  std::array<std::vector<std::string>, kGameKeyCount> Settings::*list;
  int32_t (*code)(const std::string& name);
  std::string (*name)(int32_t code);
  // The item of a line as a message quotes it.
  std::string (*shown)(const std::string& item);
  // Why the window keeps it for itself; "" when a game key may have it.
  std::string (*reserved)(int32_t code, const std::string& item);
  bool (*cancel)(int32_t code);
};

const ColumnInfo& Info(Column column) {
  static const ColumnInfo keys = {
      "key",
      &Settings::keys,
      [](const std::string& n) { return KeyCodeOf(n) == 0 ? -1 : KeyCodeOf(n); },
      KeyNameOf,
      ini::Trim,
      [](int32_t code, const std::string& item) {
        return ReservedKey(code) ? Quoted(item) + " is the window's own key" : std::string();
      },
      CancelKey};
  static const ColumnInfo pad = {"button",
                                 &Settings::pad,
                                 [](const std::string& n) { return int32_t(PadButtonOf(n)); },
                                 [](int32_t code) { return std::string(PadButtonName(int(code))); },
                                 CleanButtonName,
                                 [](int32_t code, const std::string&) {
                                   return MenuButton(int(code))
                                              ? Quoted(PadButtonName(int(code))) +
                                                    " opens the menu and cannot be a key"
                                              : std::string();
                                 },
                                 [](int32_t) { return false; }};
  return column == Column::Keys ? keys : pad;
}

bool Has(const std::vector<int32_t>& codes, int32_t code) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace

const char* GameKeyName(int key) {
  return key >= 0 && key < kGameKeyCount ? Actions()[size_t(key)].name : "";
}

int GameKeyVk(int key) {
  return key >= 0 && key < kGameKeyCount ? Actions()[size_t(key)].vk : 0;
}

std::array<std::vector<std::string>, kGameKeyCount> DefaultBindings(Column column) {
  std::array<std::vector<std::string>, kGameKeyCount> out;
  for (size_t k = 0; k < out.size(); ++k)
    out[k] =
        column == Column::Keys ? Actions()[k].keys : std::vector<std::string>{Actions()[k].button};
  return out;
}

std::array<std::vector<std::string>, kGameKeyCount> DefaultPadKeys() {
  return DefaultBindings(Column::Pad);
}

BindOutcome Bind(Column column, int gameKey, const std::string& name) {
  const ColumnInfo& info = Info(column);
  BindOutcome o;
  const int32_t code = info.code(name);
  if (gameKey < 0 || gameKey >= kGameKeyCount || code < 0) return o;
  if (info.cancel(code)) {
    o.result = BindResult::Cancelled;
    return o;
  }
  if (!info.reserved(code, name).empty()) {
    o.result = BindResult::Reserved;
    return o;
  }
  const auto& lists = CurrentSettings().*info.list;
  for (int j = 0; j < kGameKeyCount; ++j)
    for (const std::string& theirs : lists[size_t(j)])
      if (j != gameKey && info.code(theirs) == code) {
        o.result = BindResult::Taken;
        o.other = j;
        return o;
      }
  const std::vector<std::string> now = {info.name(code)};
  if (lists[size_t(gameKey)] == now) {
    o.result = BindResult::Unchanged;
    return o;
  }
  o.result = BindResult::Changed;
  o.saved = internal::ChangeSettings([&](Settings& s) { (s.*info.list)[size_t(gameKey)] = now; });
  return o;
}

BindOutcome BindKey(int gameKey, const std::string& keyName) {
  return Bind(Column::Keys, gameKey, keyName);
}

BindOutcome BindPadButton(int gameKey, const std::string& buttonName) {
  return Bind(Column::Pad, gameKey, buttonName);
}

BindOutcome BindChosen(int gameKey, const std::string& name, bool padColumn) {
  const bool button = name.rfind(kChosenButton, 0) == 0;
  if (button != padColumn) {
    BindOutcome o;
    if (!button && CancelKey(KeyCodeOf(name))) o.result = BindResult::Cancelled;
    return o;
  }
  return button ? BindPadButton(gameKey, name.substr(sizeof kChosenButton - 1))
                : BindKey(gameKey, name);
}

std::u32string ChosenLabel(const std::string& name) {
  if (name.rfind(kChosenButton, 0) != 0) return FromUtf8(name);
  return PadButtonLabel(PadButtonOf(name.substr(sizeof kChosenButton - 1)));
}

}  // namespace plat

namespace plat::internal {

std::string ColumnReading::Line(int k, const std::string& value, int line) {
  const ColumnInfo& info = Info(column_);
  // Nothing at all: the game key has none, as the game writes one whose
  // defaults went to other game keys.
  if (ini::Trim(value).empty()) {
    codes_[size_t(k)].clear();
    names_[size_t(k)].clear();
    at_[size_t(k)] = line;
    return "";
  }
  std::vector<int32_t> codes;
  std::vector<std::string> names;
  std::string why;
  std::istringstream items(value);
  for (std::string item; why.empty() && std::getline(items, item, ',');) {
    const std::string shown = info.shown(item);
    if (shown.empty()) continue;
    const int32_t code = info.code(item);
    if (code < 0) {
      why = Quoted(shown) + " is not the name of a " +
            (column_ == Column::Keys ? "key" : "controller button");
      continue;
    }
    why = info.reserved(code, shown);
    if (!why.empty()) continue;
    for (int j = 0; j < kGameKeyCount; ++j)
      if (j != k && at_[size_t(j)] != 0 && Has(codes_[size_t(j)], code))
        why = Quoted(info.name(code)) + " is already " + GameKeyName(j) + "'s " + info.thing +
              " (line " + std::to_string(at_[size_t(j)]) + ")";
    if (!Has(codes, code)) {
      codes.push_back(code);
      names.push_back(info.name(code));
    }
  }
  if (why.empty() && names.empty()) why = std::string("no ") + info.thing + " given";
  if (!why.empty())
    return why + ", " + GameKeyName(k) + " keeps its default (" +
           Join(DefaultBindings(column_)[size_t(k)]) + ")";
  codes_[size_t(k)] = codes;
  names_[size_t(k)] = names;
  at_[size_t(k)] = line;
  return "";
}

void ColumnReading::Finish(std::array<std::vector<std::string>, kGameKeyCount>& out,
                           std::vector<SettingsWarning>& warnings) const {
  const ColumnInfo& info = Info(column_);
  const auto defaults = DefaultBindings(column_);
  for (int k = 0; k < kGameKeyCount; ++k) {
    if (at_[size_t(k)] != 0) {
      out[size_t(k)] = names_[size_t(k)];
      continue;
    }
    // A game key the file leaves out keeps its defaults, but not one the
    // file gave to another game key.
    std::vector<std::string> kept;
    std::vector<SettingsWarning> lost;
    for (const std::string& name : defaults[size_t(k)]) {
      const int32_t code = info.code(name);
      int owner = -1;
      for (int j = 0; j < kGameKeyCount; ++j)
        if (at_[size_t(j)] != 0 && Has(codes_[size_t(j)], code)) owner = j;
      if (owner < 0) {
        kept.push_back(name);
        continue;
      }
      lost.push_back({at_[size_t(owner)],
                      Quoted(name) + " is now " + GameKeyName(owner) + "'s " + info.thing +
                          ", so " + GameKeyName(k) + " goes without it",
                      true});
    }
    if (!lost.empty() && kept.empty())
      lost.back().text += ": " + std::string(GameKeyName(k)) + " has no " + info.thing +
                          " (give it one on the key screen)";
    for (const SettingsWarning& w : lost) warnings.push_back(w);
    out[size_t(k)] = kept;
  }
}

}  // namespace plat::internal
