// What the settings file holds: one table of its entries, from which reading
// and writing the file are loops (the keys and buttons: bindings.cpp).
#include "player_files/settings.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

#include "player_files/bindings.h"
#include "platform/platform.h"
#include "player_files/settings_ini.h"

namespace plat {

namespace {

using ini::Lower;
using ini::Trim;

std::string Join(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& n : names) out += (out.empty() ? "" : ", ") + n;
  return out;
}

// --- The sections and their entries ------------------------------------------------

constexpr const char* kWindow = "window";
constexpr const char* kKeys = "keys";
constexpr const char* kPad = "pad";
constexpr const char* kRecording = "recording";
constexpr const char* kGame = "game";

struct SectionInfo {
  const char* name;
  const char* noun;  // what its keys are called in a warning ("setting")
  bool listKnown;    // a warning about an unknown key lists the known ones
  bool free;         // any key is a setting of its own (the game's)
};
constexpr SectionInfo kSections[] = {
    {kWindow, "setting", false, false}, {kKeys, "key", true, false},
    {kPad, "key", true, false},         {kRecording, "setting", false, false},
    {kGame, "setting", false, true},
};

// What reading the file has found so far.
struct Reading {
  Settings s = DefaultSettings();
  int line = 0;
  // [keys] and [pad], read by the same rules.
  internal::ColumnReading keys{Column::Keys}, pad{Column::Pad};
};

// One setting of the file. parse takes a value: "" when it is taken, else
// why not (the setting then keeps its default); format gives the value to write.
struct Entry {
  const char* section;
  std::string key;
  std::function<std::string(const std::string& value, Reading& r)> parse;
  std::function<std::string(const Settings& s)> format;
};

std::string ParseScale(const std::string& v, Reading& r) {
  bool ok = !v.empty() && v.size() <= 3 &&
            std::all_of(v.begin(), v.end(), [](char c) { return std::isdigit(uint8_t(c)); });
  if (ok && std::stoi(v) <= kMaxScale)
    r.s.scale = std::stoi(v);
  else
    return "scale must be a whole number from 1 to " + std::to_string(kMaxScale) +
           " (0: the largest that fits), not \"" + v + "\"; the largest that fits applies";
  return "";
}

std::string ParseScaling(const std::string& value, Reading& r) {
  const std::string v = Lower(value);
  if (v != "whole" && v != "fit")
    return "scaling must be whole or fit, not \"" + value + "\"; whole applies";
  r.s.scaling = v == "fit" ? Scaling::Fit : Scaling::Whole;
  return "";
}

// How many sessions are kept: 0 (none recorded) to 100.
std::string ParseKeep(const std::string& v, Reading& r) {
  const bool ok = !v.empty() && v.size() <= 3 &&
                  std::all_of(v.begin(), v.end(), [](char c) { return std::isdigit(uint8_t(c)); });
  if (!ok || std::stoi(v) > 100)
    return "keep must be a whole number from 0 (record nothing) to 100, not \"" + v + "\"; " +
           std::to_string(DefaultSettings().keepSessions) + " applies";
  r.s.keepSessions = std::stoi(v);
  return "";
}

std::string ParseFullscreen(const std::string& value, Reading& r) {
  const std::string v = Lower(value);
  if (v != "true" && v != "false")
    return "fullscreen must be true or false, not \"" + value + "\"; false applies";
  r.s.fullscreen = v == "true";
  return "";
}

// Every setting of the file but the game's own, in the file's order.
const std::vector<Entry>& Entries() {
  static const std::vector<Entry> entries = [] {
    std::vector<Entry> e = {
        {kWindow, "scale", ParseScale, [](const Settings& s) { return std::to_string(s.scale); }},
        {kWindow, "fullscreen", ParseFullscreen,
         [](const Settings& s) { return std::string(s.fullscreen ? "true" : "false"); }},
        {kWindow, "scaling", ParseScaling,
         [](const Settings& s) {
           return std::string(s.scaling == Scaling::Fit ? "fit" : "whole");
         }},
    };
    for (int k = 0; k < kGameKeyCount; ++k)
      e.push_back({kKeys, GameKeyName(k),
                   [k](const std::string& v, Reading& r) { return r.keys.Line(k, v, r.line); },
                   [k](const Settings& s) { return Join(s.keys[size_t(k)]); }});
    for (int k = 0; k < kGameKeyCount; ++k)
      e.push_back({kPad, GameKeyName(k),
                   [k](const std::string& v, Reading& r) { return r.pad.Line(k, v, r.line); },
                   [k](const Settings& s) { return Join(s.pad[size_t(k)]); }});
    e.push_back({kRecording, "keep", ParseKeep,
                 [](const Settings& s) { return std::to_string(s.keepSessions); }});
    return e;
  }();
  return entries;
}

const SectionInfo* SectionNamed(const std::string& name) {
  for (const SectionInfo& s : kSections)
    if (name == s.name) return &s;
  return nullptr;
}

const Entry* EntryOf(const std::string& section, const std::string& key) {
  for (const Entry& e : Entries())
    if (section == e.section && key == e.key) return &e;
  return nullptr;
}

std::string KnownKeys(const std::string& section) {
  std::string out;
  for (const Entry& e : Entries())
    if (section == e.section) out += (out.empty() ? "" : " ") + e.key;
  return out;
}

}  // namespace

Settings DefaultSettings() {
  Settings s;
  s.keys = DefaultBindings(Column::Keys);
  s.pad = DefaultBindings(Column::Pad);
  return s;
}

Settings ParseSettings(const std::string& text, std::vector<SettingsWarning>& warnings) {
  Reading r;
  auto warn = [&](const std::string& t) { warnings.push_back({r.line, t}); };
  const SectionInfo* sec = nullptr;
  bool inSection = false;
  std::map<std::string, int> seenAt;  // "section.key" -> its first line
  for (const std::string& raw : ini::SplitLines(text)) {
    ++r.line;
    const ini::Line l = ini::Classify(raw);
    if (l.kind == ini::Line::Blank || l.kind == ini::Line::Comment) continue;
    if (l.kind == ini::Line::Junk) {
      warn("not a \"key = value\" line or a [section]; ignored");
      continue;
    }
    if (l.kind == ini::Line::Section) {
      inSection = true;
      sec = SectionNamed(l.name);
      if (!sec) warn("unknown section [" + l.name + "]; its lines are kept as they are");
      continue;
    }
    if (!inSection) {
      warn("\"" + l.name + "\" comes before any [section]; ignored");
      continue;
    }
    if (!sec) continue;
    const std::string full = std::string(sec->name) + "." + l.name;
    if (seenAt.count(full)) {
      warn("\"" + l.name + "\" is set again (first on line " + std::to_string(seenAt[full]) +
           "); this line is ignored");
      continue;
    }
    seenAt[full] = r.line;
    if (sec->free) {
      r.s.game.emplace_back(l.name, l.value);
      continue;
    }
    const Entry* e = EntryOf(sec->name, l.name);
    if (!e) {
      const std::string noun = sec->noun;
      warn("unknown " + noun + " \"" + l.name + "\" in [" + sec->name + "]" +
           (sec->listKnown ? " (the " + noun + "s are " + KnownKeys(sec->name) + ")" : "") +
           "; kept as it is");
      continue;
    }
    const std::string why = e->parse(l.value, r);
    if (!why.empty()) warn(why);
  }
  // A default given to another game key goes to that one (the warning is
  // about the line that took it, which was used).
  r.keys.Finish(r.s.keys, warnings);
  r.pad.Finish(r.s.pad, warnings);
  std::stable_sort(
      warnings.begin(), warnings.end(),
      [](const SettingsWarning& a, const SettingsWarning& b) { return a.line < b.line; });
  return r.s;
}

std::string FormatSettings(const Settings& s, const std::string& previous,
                           const std::vector<std::string>& only) {
  std::vector<ini::Section> sections;
  for (const SectionInfo& info : kSections) {
    ini::Section sec{info.name, {}};
    if (info.free) {
      sec.values = s.game;
    } else {
      for (const Entry& e : Entries())
        if (info.name == std::string(e.section)) sec.values.emplace_back(e.key, e.format(s));
    }
    sections.push_back(std::move(sec));
  }
  static const std::vector<std::string> header = {
      "# 大会にモキモキ: the player's settings. The game writes this file when a",
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
      "#          x, y, start, leftshoulder, dpup, ...); back and guide open the menu.",
      "# [recording] keep: how many sessions are kept recorded for a fault report",
      "#          (0: none is recorded)."};
  return ini::Rewrite(previous, sections, header, only);
}

std::vector<std::string> SettingsChanged(const Settings& a, const Settings& b) {
  std::vector<std::string> out;
  for (const Entry& e : Entries())
    if (e.format(a) != e.format(b)) out.push_back(std::string(e.section) + "." + e.key);
  for (const auto& setting : b.game) {
    auto it = std::find_if(a.game.begin(), a.game.end(),
                           [&](const auto& kv) { return kv.first == setting.first; });
    if (it == a.game.end() || it->second != setting.second)
      out.push_back(std::string(kGame) + "." + setting.first);
  }
  return out;
}

std::vector<std::string> SettingsSections() {
  std::vector<std::string> out;
  for (const SectionInfo& s : kSections) out.push_back(s.name);
  return out;
}

}  // namespace plat
