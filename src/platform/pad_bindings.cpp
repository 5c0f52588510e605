#include "platform/pad_bindings.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "platform/internal.h"
#include "platform/text.h"

namespace plat {

namespace {

struct ButtonInfo {
  const char* name;
  const char32_t* label;
};

constexpr ButtonInfo kButtons[kPadButtonCount] = {
    {"a", U"A"},
    {"b", U"B"},
    {"x", U"X"},
    {"y", U"Y"},
    {"back", U"Back"},
    {"guide", U"Guide"},
    {"start", U"Start"},
    {"leftstick", U"L3"},
    {"rightstick", U"R3"},
    {"leftshoulder", U"LB"},
    {"rightshoulder", U"RB"},
    {"dpup", U"D-pad up"},
    {"dpdown", U"D-pad down"},
    {"dpleft", U"D-pad left"},
    {"dpright", U"D-pad right"},
};

std::string Clean(const std::string& s) {
  std::string out;
  for (char c : s)
    if (!std::isspace(static_cast<unsigned char>(c)))
      out += char(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool g_padLast = false;

std::string Quoted(const std::string& s) {
  return "\"" + s + "\"";
}

}  // namespace

bool MenuButton(int button) {
  return button == kPadBack || button == kPadGuide;
}

const char* PadButtonName(int button) {
  return button >= 0 && button < kPadButtonCount ? kButtons[button].name : "";
}

int PadButtonOf(const std::string& name) {
  const std::string n = Clean(name);
  for (int b = 0; b < kPadButtonCount; ++b)
    if (n == kButtons[b].name) return b;
  return -1;
}

const char32_t* PadButtonLabel(int button) {
  return button >= 0 && button < kPadButtonCount ? kButtons[button].label : U"";
}

std::array<std::vector<std::string>, kGameKeyCount> DefaultPadKeys() {
  return {{{"dpleft"},
           {"dpup"},
           {"dpright"},
           {"dpdown"},
           {"a"},
           {"b"},
           {"start"},
           {"x"},
           {"y"},
           {"rightshoulder"}}};
}

int GameKeyOfButton(int button) {
  const auto& pad = CurrentSettings().pad;
  for (int k = 0; k < kGameKeyCount; ++k)
    for (const std::string& name : pad[size_t(k)])
      if (PadButtonOf(name) == button) return k;
  return -1;
}

BindOutcome BindPadButton(int gameKey, const std::string& buttonName) {
  BindOutcome o;
  const int button = PadButtonOf(buttonName);
  if (gameKey < 0 || gameKey >= kGameKeyCount || button < 0) return o;
  if (MenuButton(button)) {
    o.result = BindResult::Reserved;
    return o;
  }
  const int owner = GameKeyOfButton(button);
  if (owner >= 0 && owner != gameKey) {
    o.result = BindResult::Taken;
    o.other = owner;
    return o;
  }
  const std::vector<std::string> now = {PadButtonName(button)};
  if (CurrentSettings().pad[size_t(gameKey)] == now) {
    o.result = BindResult::Unchanged;
    return o;
  }
  o.result = BindResult::Changed;
  o.saved = internal::ChangeSettings([&](Settings& s) { s.pad[size_t(gameKey)] = now; });
  return o;
}

BindOutcome BindChosen(int gameKey, const std::string& name, bool padColumn) {
  const bool button = name.rfind(kChosenButton, 0) == 0;
  if (button != padColumn) {
    BindOutcome o;
    if (!button && internal::CancelKey(KeyCodeOf(name))) o.result = BindResult::Cancelled;
    return o;
  }
  return button ? BindPadButton(gameKey, name.substr(sizeof kChosenButton - 1))
                : BindKey(gameKey, name);
}

std::u32string ChosenLabel(const std::string& name) {
  if (name.rfind(kChosenButton, 0) != 0) return FromUtf8(name);
  return PadButtonLabel(PadButtonOf(name.substr(sizeof kChosenButton - 1)));
}

bool PadUsedLast() {
  return g_padLast;
}

}  // namespace plat

namespace plat::internal {

void PadSection::Line(const std::string& key, const std::string& value, int line,
                      std::vector<SettingsWarning>& warnings) {
  int k = 0;
  while (k < kGameKeyCount && key != GameKeyName(k)) ++k;
  if (k == kGameKeyCount) {
    warnings.push_back({line, "unknown key \"" + key +
                                  "\" in [pad] (the keys are left up right down space shift "
                                  "ctrl z x c); kept as it is"});
    return;
  }
  std::vector<int> buttons;
  std::string why;
  std::istringstream items(value);
  for (std::string item; why.empty() && std::getline(items, item, ',');) {
    if (Clean(item).empty()) continue;
    const int b = PadButtonOf(item);
    if (b < 0) {
      why = Quoted(Clean(item)) + " is not the name of a controller button";
    } else if (MenuButton(b)) {
      why = Quoted(PadButtonName(b)) + " opens the menu and cannot be a key";
    } else {
      for (int j = 0; j < kGameKeyCount; ++j) {
        const auto& theirs = given_[size_t(j)];
        if (j != k && std::find(theirs.begin(), theirs.end(), b) != theirs.end()) {
          why = Quoted(PadButtonName(b));
          why += " is already ";
          why += GameKeyName(j);
          why += "'s button (line " + std::to_string(givenAt_[size_t(j)]) + ")";
        }
      }
      if (std::find(buttons.begin(), buttons.end(), b) == buttons.end()) buttons.push_back(b);
    }
  }
  if (why.empty() && buttons.empty()) why = "no button given";
  if (!why.empty()) {
    std::string defaults;
    const auto all = DefaultPadKeys();
    for (const std::string& d : all[size_t(k)]) defaults += (defaults.empty() ? "" : ", ") + d;
    warnings.push_back({line, why + ", " + key + " keeps its default (" + defaults + ")"});
    return;
  }
  given_[size_t(k)] = buttons;
  givenAt_[size_t(k)] = line;
}

void PadSection::Finish(std::array<std::vector<std::string>, kGameKeyCount>& pad,
                        std::vector<SettingsWarning>& warnings) const {
  const auto defaults = DefaultPadKeys();
  for (int k = 0; k < kGameKeyCount; ++k) {
    pad[size_t(k)].clear();
    if (givenAt_[size_t(k)] != 0) {
      for (int b : given_[size_t(k)]) pad[size_t(k)].push_back(PadButtonName(b));
      continue;
    }
    // A key the file leaves out keeps its default buttons, but not one the
    // file gave to another key.
    for (const std::string& name : defaults[size_t(k)]) {
      const int b = PadButtonOf(name);
      int owner = -1;
      for (int j = 0; j < kGameKeyCount; ++j)
        if (std::find(given_[size_t(j)].begin(), given_[size_t(j)].end(), b) !=
            given_[size_t(j)].end())
          owner = j;
      if (owner < 0) {
        pad[size_t(k)].push_back(name);
        continue;
      }
      std::string text = "\"" + name + "\" is now " + GameKeyName(owner) + "'s button, so " +
                         GameKeyName(k) + " goes without it";
      if (defaults[size_t(k)].size() == 1)
        text +=
            ": " + std::string(GameKeyName(k)) + " has no button (give it one on the key screen)";
      warnings.push_back({givenAt_[size_t(owner)], text});
    }
  }
}

std::vector<std::pair<std::string, std::string>> PadLines(
    const std::array<std::vector<std::string>, kGameKeyCount>& pad) {
  std::vector<std::pair<std::string, std::string>> out;
  for (int k = 0; k < kGameKeyCount; ++k) {
    std::string names;
    for (const std::string& n : pad[size_t(k)]) names += (names.empty() ? "" : ", ") + n;
    out.emplace_back(GameKeyName(k), names);
  }
  return out;
}

void NoteInputDevice(bool pad) {
  if (pad == g_padLast) return;
  g_padLast = pad;
  auto& h = GetHandlers();
  if (h.inputChanged) h.inputChanged();
}

void ForgetInputDevice() {
  g_padLast = false;
}

}  // namespace plat::internal
