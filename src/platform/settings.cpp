// The settings file, read and written here only, and what depends on it in
// the platform: the table from the keyboard's keys to the game's, the key
// screen's capture of the next key, and the window's remembered scale and
// full screen.
#include "platform/settings.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <iostream>
#include <map>
#include <sstream>

#include "platform/internal.h"
#include "platform/pad_bindings.h"
#include "platform/platform.h"
#include "platform/user_files.h"

namespace plat {

namespace {

struct KeyInfo {
  const char* name;
  int vk;
  std::vector<std::string> defaults;
};

const std::array<KeyInfo, kGameKeyCount>& Keys() {
  static const std::array<KeyInfo, kGameKeyCount> keys = {{
      {"left", VK_LEFT, {"Left"}},
      {"up", VK_UP, {"Up"}},
      {"right", VK_RIGHT, {"Right"}},
      {"down", VK_DOWN, {"Down"}},
      {"space", VK_SPACE, {"Space"}},
      {"shift", VK_SHIFT, {"Left Shift", "Right Shift"}},
      {"ctrl", VK_CONTROL, {"Left Ctrl", "Right Ctrl"}},
      // 1, 2 and 3 of the main row are the item keys too.
      {"z", VK_Z, {"Z", "1"}},
      {"x", VK_X, {"X", "2"}},
      {"c", VK_C, {"C", "3"}},
  }};
  return keys;
}

std::string Trim(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
  return s.substr(a, b - a);
}

std::string Lower(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string Join(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& n : names) out += (out.empty() ? "" : ", ") + n;
  return out;
}

// --- Lines of the file ----------------------------------------------------------

struct Line {
  enum Kind { Blank, Comment, Section, Pair, Junk } kind = Blank;
  std::string name;  // the section, or the setting's key (lower case)
  std::string value;
  std::string comment;  // a comment at the end of the line, with the spaces before it
};

Line Classify(std::string raw) {
  Line l;
  std::string t = Trim(raw);
  if (t.empty()) return l;
  if (t[0] == '#') {
    l.kind = Line::Comment;
    return l;
  }
  // "#" after a space starts a comment at the end of a line.
  for (size_t i = 1; i < t.size(); ++i)
    if (t[i] == '#' && std::isspace(static_cast<unsigned char>(t[i - 1]))) {
      size_t from = i;
      while (from > 0 && std::isspace(static_cast<unsigned char>(t[from - 1]))) --from;
      l.comment = t.substr(from);
      t = Trim(t.substr(0, i));
      break;
    }
  l.kind = Line::Junk;
  if (t[0] == '[') {
    if (t.size() < 3 || t.back() != ']') return l;
    l.name = Lower(Trim(t.substr(1, t.size() - 2)));
    if (!l.name.empty()) l.kind = Line::Section;
    return l;
  }
  size_t eq = t.find('=');
  if (eq == std::string::npos) return l;
  l.name = Lower(Trim(t.substr(0, eq)));
  l.value = Trim(t.substr(eq + 1));
  if (!l.name.empty()) l.kind = Line::Pair;
  return l;
}

enum class Sec { None, Window, Keys, Pad, Game, Other };

Sec SectionOf(const std::string& name) {
  if (name == "window") return Sec::Window;
  if (name == "keys") return Sec::Keys;
  if (name == "pad") return Sec::Pad;
  if (name == "game") return Sec::Game;
  return Sec::Other;
}

const char* SectionName(Sec s) {
  return s == Sec::Window ? "window" : s == Sec::Keys ? "keys" : s == Sec::Pad ? "pad" : "game";
}

// Splits the text into lines without their line ends; a UTF-8 byte order
// mark at the start is not part of the first line.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? text.substr(3) : text);
  for (std::string raw; std::getline(in, raw);) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    lines.push_back(raw);
  }
  return lines;
}

int GameKeyIndex(const std::string& name) {
  for (int k = 0; k < kGameKeyCount; ++k)
    if (name == Keys()[size_t(k)].name) return k;
  return -1;
}

bool ParseScale(const std::string& v, int& out) {
  if (v.empty() || v.size() > 3) return false;
  for (char c : v)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  const int n = std::stoi(v);
  if (n > kMaxScale) return false;
  out = n;
  return true;
}

std::vector<int32_t> CodesOf(const std::vector<std::string>& names) {
  std::vector<int32_t> codes;
  for (const std::string& n : names) codes.push_back(KeyCodeOf(n));
  return codes;
}

bool Has(const std::vector<int32_t>& codes, int32_t code) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace

const char* GameKeyName(int key) {
  return key >= 0 && key < kGameKeyCount ? Keys()[size_t(key)].name : "";
}

int GameKeyVk(int key) {
  return key >= 0 && key < kGameKeyCount ? Keys()[size_t(key)].vk : 0;
}

Settings DefaultSettings() {
  Settings s;
  for (size_t k = 0; k < size_t(kGameKeyCount); ++k) s.keys[k] = Keys()[k].defaults;
  s.pad = DefaultPadKeys();
  return s;
}

int32_t KeyCodeOf(const std::string& name) {
  std::string n = Trim(name);
  if (Lower(n) == "comma") return SDLK_COMMA;
  if (Lower(n) == "hash") return SDLK_HASH;
  if (n.empty()) return 0;
  return SDL_GetKeyFromName(n.c_str());
}

std::string KeyNameOf(int32_t keycode) {
  if (keycode == SDLK_COMMA) return "Comma";
  if (keycode == SDLK_HASH) return "Hash";
  if (keycode == 0) return "";
  return SDL_GetKeyName(keycode);
}

bool ReservedKey(int32_t keycode) {
  switch (keycode) {
    case SDLK_ESCAPE:
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_F11:
    case SDLK_LALT:
    case SDLK_RALT:
      return true;
    default:
      return false;
  }
}

Settings ParseSettings(const std::string& text, std::vector<SettingsWarning>& warnings) {
  Settings s = DefaultSettings();
  auto warn = [&](int line, const std::string& t) { warnings.push_back({line, t}); };
  Sec sec = Sec::None;
  std::map<std::string, int> seenAt;  // "section.key" -> its first line
  std::array<int, kGameKeyCount> givenAt{};
  std::array<std::vector<int32_t>, kGameKeyCount> given;
  internal::PadSection pad;
  int n = 0;
  for (const std::string& raw : SplitLines(text)) {
    ++n;
    Line l = Classify(raw);
    if (l.kind == Line::Blank || l.kind == Line::Comment) continue;
    if (l.kind == Line::Junk) {
      warn(n, "not a \"key = value\" line or a [section]; ignored");
      continue;
    }
    if (l.kind == Line::Section) {
      sec = SectionOf(l.name);
      if (sec == Sec::Other)
        warn(n, "unknown section [" + l.name + "]; its lines are kept as they are");
      continue;
    }
    if (sec == Sec::None) {
      warn(n, "\"" + l.name + "\" comes before any [section]; ignored");
      continue;
    }
    if (sec == Sec::Other) continue;
    const std::string full = std::string(SectionName(sec)) + "." + l.name;
    if (seenAt.count(full)) {
      warn(n, "\"" + l.name + "\" is set again (first on line " + std::to_string(seenAt[full]) +
                  "); this line is ignored");
      continue;
    }
    seenAt[full] = n;
    if (sec == Sec::Game) {
      s.game.emplace_back(l.name, l.value);
    } else if (sec == Sec::Pad) {
      pad.Line(l.name, l.value, n, warnings);
    } else if (sec == Sec::Window) {
      if (l.name == "scale") {
        if (!ParseScale(l.value, s.scale))
          warn(n, "scale must be a whole number from 1 to " + std::to_string(kMaxScale) +
                      " (0: the largest that fits), not \"" + l.value +
                      "\"; the largest that fits applies");
      } else if (l.name == "scaling") {
        const std::string v = Lower(l.value);
        if (v == "whole" || v == "fit")
          s.scaling = v == "fit" ? Scaling::Fit : Scaling::Whole;
        else
          warn(n, "scaling must be whole or fit, not \"" + l.value + "\"; whole applies");
      } else if (l.name == "fullscreen") {
        std::string v = Lower(l.value);
        if (v == "true" || v == "false")
          s.fullscreen = v == "true";
        else
          warn(n, "fullscreen must be true or false, not \"" + l.value + "\"; false applies");
      } else {
        warn(n, "unknown setting \"" + l.name + "\" in [window]; kept as it is");
      }
    } else {
      const int k = GameKeyIndex(l.name);
      if (k < 0) {
        warn(n, "unknown key \"" + l.name +
                    "\" in [keys] (the keys are left up right down space shift ctrl z x c); "
                    "kept as it is");
        continue;
      }
      const std::string keeps =
          ", " + l.name + " keeps its default (" + Join(Keys()[size_t(k)].defaults) + ")";
      std::vector<std::string> names;
      std::vector<int32_t> codes;
      std::string why;
      std::istringstream items(l.value);
      for (std::string item; why.empty() && std::getline(items, item, ',');) {
        item = Trim(item);
        if (item.empty()) continue;
        const int32_t code = KeyCodeOf(item);
        if (code == 0) {
          why = "\"" + item + "\" is not the name of a key";
        } else if (ReservedKey(code)) {
          why = "\"" + item + "\" is the window's own key";
        } else {
          for (int j = 0; j < kGameKeyCount; ++j)
            if (j != k && givenAt[size_t(j)] != 0 && Has(given[size_t(j)], code))
              why = "\"" + KeyNameOf(code) + "\" is already " + GameKeyName(j) + "'s key (line " +
                    std::to_string(givenAt[size_t(j)]) + ")";
          if (!Has(codes, code)) {
            codes.push_back(code);
            names.push_back(KeyNameOf(code));
          }
        }
      }
      if (why.empty() && names.empty()) why = "no key given";
      if (!why.empty()) {
        warn(n, why + keeps);
        continue;
      }
      s.keys[size_t(k)] = names;
      given[size_t(k)] = codes;
      givenAt[size_t(k)] = n;
    }
  }
  pad.Finish(s.pad, warnings);
  // A default that the player gave to another game key goes to that one.
  for (int k = 0; k < kGameKeyCount; ++k) {
    if (givenAt[size_t(k)] != 0) continue;
    std::vector<std::string> kept;
    std::vector<SettingsWarning> lost;
    for (const std::string& name : s.keys[size_t(k)]) {
      const int32_t code = KeyCodeOf(name);
      int owner = -1;
      for (int j = 0; j < kGameKeyCount; ++j)
        if (givenAt[size_t(j)] != 0 && Has(given[size_t(j)], code)) owner = j;
      if (owner < 0)
        kept.push_back(name);
      else
        lost.push_back({givenAt[size_t(owner)], "\"" + name + "\" is now " + GameKeyName(owner) +
                                                    "'s key, so " + GameKeyName(k) +
                                                    " goes without it"});
    }
    if (!lost.empty() && kept.empty())
      lost.back().text +=
          ": " + std::string(GameKeyName(k)) + " has no key (give it one on the key screen)";
    for (const SettingsWarning& w : lost) warnings.push_back(w);
    s.keys[size_t(k)] = kept;
  }
  std::stable_sort(
      warnings.begin(), warnings.end(),
      [](const SettingsWarning& a, const SettingsWarning& b) { return a.line < b.line; });
  return s;
}

std::string FormatSettings(const Settings& s, const std::string& previous) {
  // Each setting of a known section, as "key = value".
  auto settingsOf = [&](Sec sec) {
    std::vector<std::pair<std::string, std::string>> out;
    if (sec == Sec::Window) {
      out.emplace_back("scale", std::to_string(s.scale));
      out.emplace_back("fullscreen", s.fullscreen ? "true" : "false");
      out.emplace_back("scaling", s.scaling == Scaling::Fit ? "fit" : "whole");
    } else if (sec == Sec::Keys) {
      for (int k = 0; k < kGameKeyCount; ++k)
        out.emplace_back(GameKeyName(k), Join(s.keys[size_t(k)]));
    } else if (sec == Sec::Pad) {
      out = internal::PadLines(s.pad);
    } else if (sec == Sec::Game) {
      out = s.game;
    }
    return out;
  };
  std::vector<std::string> out;
  std::map<std::string, bool> written;  // "section.key"
  std::map<Sec, bool> seen;
  Sec sec = Sec::None;
  size_t insertAt = 0;  // where the section's missing settings go
  auto finishSection = [&] {
    if (sec == Sec::None || sec == Sec::Other) return;
    std::vector<std::string> missing;
    for (const auto& [key, value] : settingsOf(sec))
      if (!written[std::string(SectionName(sec)) + "." + key]) {
        missing.push_back(key + " = " + value);
        written[std::string(SectionName(sec)) + "." + key] = true;
      }
    out.insert(out.begin() + std::ptrdiff_t(insertAt), missing.begin(), missing.end());
  };
  if (previous.empty()) {
    out = {"# 大会にモキモキ: the player's settings. The game writes this file when a",
           "# setting is changed in the game; it may be edited by hand too (a line the",
           "# game cannot use is reported at start, and its default applies).",
           "#",
           "# [window] scale: the picture's whole multiple, 1 or more (0: the largest",
           "#          that fits the screen). scaling: whole or fit (as large as the",
           "#          screen allows). fullscreen: true or false.",
           "# [keys]   for each of the game's keys, one or more keyboard keys by their",
           "#          SDL names (Up, W, Left Shift, Keypad 1, Comma, ...), separated",
           "#          by commas.",
           "# [pad]    the same for a game controller's buttons by their SDL names (a, b,",
           "#          x, y, start, leftshoulder, dpup, ...); back and guide open the menu."};
  }
  for (const std::string& raw : SplitLines(previous)) {
    Line l = Classify(raw);
    switch (l.kind) {
      case Line::Blank:
      case Line::Comment:
        out.push_back(raw);
        break;
      case Line::Junk:
        break;  // kept in the .bad file
      case Line::Section:
        finishSection();
        sec = SectionOf(l.name);
        seen[sec] = true;
        out.push_back(raw);
        insertAt = out.size();
        break;
      case Line::Pair: {
        if (sec == Sec::None) break;
        if (sec == Sec::Other) {
          out.push_back(raw);
          break;
        }
        const std::string full = std::string(SectionName(sec)) + "." + l.name;
        bool known = false;
        for (const auto& [key, value] : settingsOf(sec)) {
          if (key != l.name) continue;
          known = true;
          if (!written[full]) out.push_back(key + " = " + value + l.comment);
          written[full] = true;
        }
        // Other lines of [window] and [keys] may be a newer game's settings.
        if (!known && sec != Sec::Game) out.push_back(raw);
        if (known || sec != Sec::Game) insertAt = out.size();
        break;
      }
    }
  }
  finishSection();
  for (Sec add : {Sec::Window, Sec::Keys, Sec::Pad, Sec::Game}) {
    if (seen[add] || settingsOf(add).empty()) continue;
    if (!out.empty() && !out.back().empty()) out.emplace_back();
    out.push_back(std::string("[") + SectionName(add) + "]");
    sec = add;
    insertAt = out.size();
    finishSection();
  }
  std::string text;
  for (const std::string& line : out) text += line + "\n";
  return text;
}

// --- The settings in effect ---------------------------------------------------------

namespace {

struct State {
  Settings current = DefaultSettings();
  std::string path;  // "" when there is no file
  std::string text;  // the file as read or as last written
  bool hadErrors = false;
  std::map<int32_t, int> table;  // keyboard key -> virtual key
  std::map<int32_t, int> held;   // keys down, with the virtual key they gave
  std::function<void(const std::string&)> capture;
  int shownScale = 1;
  double resizeDeadline = -1;
};

State& S() {
  static State s;
  return s;
}

void Warn(const std::string& text) {
  std::cerr << "mokimoki: " << text << "\n";
}

void RebuildTable() {
  State& s = S();
  s.table.clear();
  // Keys of their own for the window and the message box, and the keypad's
  // digits (which do nothing) unless the player gave them to a game key.
  s.table[SDLK_ESCAPE] = VK_ESCAPE;
  s.table[SDLK_RETURN] = VK_RETURN;
  s.table[SDLK_KP_ENTER] = VK_RETURN;
  s.table[SDLK_KP_1] = VK_NUMPAD1;
  s.table[SDLK_KP_2] = VK_NUMPAD2;
  s.table[SDLK_KP_3] = VK_NUMPAD3;
  for (int k = 0; k < kGameKeyCount; ++k)
    for (const std::string& name : s.current.keys[size_t(k)])
      if (int32_t code = KeyCodeOf(name)) s.table[code] = GameKeyVk(k);
}

// Writes the settings in effect. The first write after a file with errors
// keeps that file as .bad.
bool Save() {
  State& s = S();
  if (s.path.empty()) return true;
  std::string err;
  if (s.hadErrors && UserFileExists(s.path)) {
    if (!KeepAsBad(s.path, err)) {
      Warn("cannot keep the settings file with errors as " + s.path + ".bad (" + err +
           "); the settings are not written");
      return false;
    }
    Warn("the settings file with errors is kept as " + s.path + ".bad");
  }
  s.hadErrors = false;
  const std::string text = FormatSettings(s.current, s.text);
  if (!WriteUserFile(s.path, text, err)) {
    Warn("cannot write the settings (" + err + "); the game plays on with them unsaved");
    return false;
  }
  s.text = text;
  return true;
}

}  // namespace

std::string SettingsPath() {
  return ConfigDir() + "/settings.ini";
}

void LoadSettings(const std::string& path) {
  State& s = S();
  s.current = DefaultSettings();
  s.path = path;
  s.text.clear();
  s.hadErrors = false;
  std::string contents, err;
  switch (ReadUserFile(path, contents, err)) {
    case ReadStatus::Missing:
      break;
    case ReadStatus::Unreadable:
      Warn(err + ": the settings cannot be read; the defaults apply");
      s.hadErrors = true;
      break;
    case ReadStatus::Ok: {
      std::vector<SettingsWarning> warnings;
      s.current = ParseSettings(contents, warnings);
      s.text = contents;
      s.hadErrors = !warnings.empty();
      // A file of nonsense should not flood the terminal.
      constexpr size_t kShown = 20;
      for (size_t i = 0; i < warnings.size() && i < kShown; ++i)
        Warn(path + (warnings[i].line > 0 ? ":" + std::to_string(warnings[i].line) : "") + ": " +
             warnings[i].text);
      if (warnings.size() > kShown)
        Warn(path + ": " + std::to_string(warnings.size() - kShown) + " more warnings");
      break;
    }
  }
  RebuildTable();
}

void UseDefaultSettings() {
  State& s = S();
  s = State{};
  RebuildTable();
}

const Settings& CurrentSettings() {
  return S().current;
}

Settings& internal::SettingsToChange() {
  return S().current;
}

bool internal::WriteSettings() {
  return Save();
}

BindOutcome BindKey(int gameKey, const std::string& keyName) {
  BindOutcome o;
  State& s = S();
  const int32_t code = KeyCodeOf(keyName);
  if (gameKey < 0 || gameKey >= kGameKeyCount || code == 0) return o;
  if (ReservedKey(code)) {
    o.result = BindResult::Reserved;
    return o;
  }
  for (int j = 0; j < kGameKeyCount; ++j)
    if (j != gameKey && Has(CodesOf(s.current.keys[size_t(j)]), code)) {
      o.result = BindResult::Taken;
      o.other = j;
      return o;
    }
  std::vector<std::string> now = {KeyNameOf(code)};
  if (s.current.keys[size_t(gameKey)] == now) {
    o.result = BindResult::Unchanged;
    return o;
  }
  s.current.keys[size_t(gameKey)] = now;
  RebuildTable();
  o.result = BindResult::Changed;
  o.saved = Save();
  return o;
}

void CaptureNextKey(std::function<void(const std::string&)> handler) {
  S().capture = std::move(handler);
}

std::string GameSetting(const std::string& key) {
  for (const auto& [k, v] : S().current.game)
    if (k == key) return v;
  return "";
}

bool SetGameSetting(const std::string& key, const std::string& value) {
  auto& game = S().current.game;
  auto it = std::find_if(game.begin(), game.end(), [&](const auto& kv) { return kv.first == key; });
  if (it != game.end() && it->second == value) return true;
  if (it != game.end())
    it->second = value;
  else
    game.emplace_back(key, value);
  return Save();
}

}  // namespace plat

namespace plat::internal {

int BoundVk(int32_t keycode) {
  auto it = S().table.find(keycode);
  return it == S().table.end() ? 0 : it->second;
}

bool CapturingKey() {
  return bool(S().capture);
}

void DeliverCapturedKey(const std::string& name) {
  State& s = S();
  if (!s.capture) return;
  auto handler = std::move(s.capture);
  s.capture = nullptr;
  HandCapturedKey(handler, name);
}

int KeyboardDown(int32_t keycode, bool repeat) {
  State& s = S();
  if (s.capture) {
    // A key still held from choosing the row repeats: that is not the new key.
    if (!repeat && keycode != 0) {
      DeliverCapturedKey(KeyNameOf(keycode));
    }
    return 0;
  }
  const int vk = BoundVk(keycode);
  if (vk != 0) s.held[keycode] = vk;
  return vk;
}

int KeyboardUp(int32_t keycode) {
  // The key goes up as the game key it went down as, even if the table
  // changed in between; a key the game never saw go down does not go up.
  State& s = S();
  auto it = s.held.find(keycode);
  if (it == s.held.end()) return 0;
  const int vk = it->second;
  s.held.erase(it);
  return vk;
}

int OpeningScale(int fit, int most) {
  const int remembered = S().current.scale;
  if (remembered <= 0) return std::max(1, fit);
  return std::clamp(remembered, 1, std::max(1, most));
}

bool OpeningFullscreen() {
  return S().current.fullscreen;
}

void WindowOpened(int scale) {
  S().shownScale = scale;
  S().resizeDeadline = -1;
}

void WindowResized(double nowMs) {
  // A drag sends many sizes: the one it ends at counts.
  S().resizeDeadline = nowMs + kResizeSettleMs;
}

double ResizeDeadline() {
  return S().resizeDeadline;
}

bool ResizeSettled(double nowMs) {
  State& s = S();
  if (s.resizeDeadline < 0 || nowMs < s.resizeDeadline) return false;
  s.resizeDeadline = -1;
  return true;
}

void RecordScale(int scale) {
  State& s = S();
  if (scale == s.shownScale) return;
  s.shownScale = scale;
  if (s.current.scale == scale) return;
  s.current.scale = scale;
  Save();
}

void RecordFullscreen(bool on) {
  State& s = S();
  if (s.current.fullscreen == on) return;
  s.current.fullscreen = on;
  Save();
}

}  // namespace plat::internal
