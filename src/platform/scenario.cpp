#include "platform/scenario.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <utility>

#include "platform/pad_buttons.h"
#include "platform/platform.h"
#include "platform/keyboard.h"

namespace plat::scenario {

namespace {
std::vector<std::pair<std::string, int>>& MenuNames() {
  static std::vector<std::pair<std::string, int>> names;
  return names;
}
}  // namespace

void SetMenuNames(std::vector<std::pair<std::string, int>> names) {
  MenuNames() = std::move(names);
}

int MenuIdNamed(const std::string& name) {
  for (const auto& [n, id] : MenuNames())
    if (n == name) return id;
  return -1;
}

int KeyCode(const std::string& name) {
  static const struct {
    const char* name;
    int vk;
  } kKeys[] = {{"left", VK_LEFT},   {"up", VK_UP},        {"right", VK_RIGHT}, {"down", VK_DOWN},
               {"shift", VK_SHIFT}, {"ctrl", VK_CONTROL}, {"space", VK_SPACE}, {"z", VK_Z},
               {"x", VK_X},         {"c", VK_C},          {"1", VK_1},         {"2", VK_2},
               {"3", VK_3},         {"kp1", VK_NUMPAD1},  {"kp2", VK_NUMPAD2}, {"kp3", VK_NUMPAD3},
               {"f11", 122},        {"enter", VK_RETURN}, {"esc", VK_ESCAPE},  {"alt", 18}};
  for (const auto& k : kKeys)
    if (name == k.name) return k.vk;
  return -1;
}

namespace {

bool ParseInt(const std::string& s, int64_t& out) {
  if (s.empty() || s.size() > 12) return false;
  size_t i = (s[0] == '-') ? 1 : 0;
  if (i == s.size()) return false;
  for (size_t k = i; k < s.size(); ++k)
    if (!std::isdigit(static_cast<unsigned char>(s[k]))) return false;
  out = std::stoll(s);
  return true;
}

}  // namespace

bool Parse(const std::string& text, std::vector<Command>& out, std::string& err) {
  std::istringstream in(text);
  std::string raw;
  int lineNo = 0;
  bool sawCommand = false;
  out.clear();
  auto fail = [&](const std::string& why) {
    err = "line " + std::to_string(lineNo) + ": " + why + ": " + raw;
    return false;
  };
  while (std::getline(in, raw)) {
    ++lineNo;
    std::string line = raw.substr(0, raw.find('#'));
    std::istringstream words(line);
    std::vector<std::string> w;
    for (std::string t; words >> t;) w.push_back(t);
    if (w.empty()) continue;
    Command c;
    c.line = lineNo;
    const std::string& op = w[0];
    int64_t n = 0;
    // A press's hold time, word `at` when the line has it (50 ms when not).
    auto HoldTime = [&](size_t at) {
      c.ms = 50;
      if (w.size() <= at) return true;
      if (!ParseInt(w[at], n) || n < 0) return false;
      c.ms = n;
      return true;
    };
    if (op == "seed" || op == "settings") {
      if (sawCommand) return fail(op + " must come before any other command");
      if (op == "settings") {
        if (w.size() != 2) return fail("expected: settings FILE");
        c.op = Op::Settings;
        c.file = w[1];
        out.push_back(c);
        continue;
      }
      if (w.size() != 2 || !ParseInt(w[1], n) || n < 0) return fail("expected: seed N");
      c.op = Op::Seed;
      c.seed = uint64_t(n);
    } else if (op == "wait") {
      if (w.size() != 2 || !ParseInt(w[1], n) || n < 0) return fail("expected: wait MS");
      c.op = Op::Wait;
      c.ms = n;
    } else if (op == "down" || op == "up" || op == "press") {
      if (w.size() < 2 || w.size() > (op == "press" ? 3u : 2u))
        return fail("expected: " + op + " KEY" + (op == "press" ? " [MS]" : ""));
      c.key = KeyCode(w[1]);
      if (c.key < 0) return fail("unknown key '" + w[1] + "'");
      c.op = op == "down" ? Op::Down : op == "up" ? Op::Up : Op::Press;
      if (!HoldTime(2)) return fail("expected a time in ms");
    } else if (op == "keydown" || op == "keyup" || op == "presskey") {
      // A key of the keyboard by its name, "_" for a space: Left_Shift.
      if (w.size() < 2 || w.size() > (op == "presskey" ? 3u : 2u))
        return fail("expected: " + op + " NAME" + (op == "presskey" ? " [MS]" : ""));
      std::string name = w[1];
      std::replace(name.begin(), name.end(), '_', ' ');
      c.key = KeyCodeOf(name);
      if (c.key == 0) return fail("unknown key name '" + w[1] + "'");
      c.op = op == "keydown" ? Op::KeyDown : op == "keyup" ? Op::KeyUp : Op::PressKey;
      if (!HoldTime(2)) return fail("expected a time in ms");
    } else if (op == "pad") {
      // pad press|down|up BUTTON [MS], pad stick X Y
      const std::string what = w.size() >= 2 ? w[1] : "";
      int64_t y = 0;
      if (what == "stick") {
        if (w.size() != 4 || !ParseInt(w[2], n) || !ParseInt(w[3], y) || n < -32768 || n > 32767 ||
            y < -32768 || y > 32767)
          return fail("expected: pad stick X Y (each -32768 to 32767)");
        c.op = Op::PadStick;
        c.w = int(n);
        c.h = int(y);
      } else if (what == "press" || what == "down" || what == "up") {
        if (w.size() < 3 || w.size() > (what == "press" ? 4u : 3u))
          return fail("expected: pad " + what + " BUTTON" + (what == "press" ? " [MS]" : ""));
        c.key = PadButtonOf(w[2]);
        if (c.key < 0) return fail("unknown controller button '" + w[2] + "'");
        c.op = what == "press" ? Op::PadPress : what == "down" ? Op::PadDown : Op::PadUp;
        if (!HoldTime(3)) return fail("expected a time in ms");
      } else {
        return fail("expected: pad press | down | up BUTTON, or pad stick X Y");
      }
    } else if (op == "resize") {
      int64_t h = 0;
      if (w.size() != 3 || !ParseInt(w[1], n) || !ParseInt(w[2], h) || n < 1 || h < 1 ||
          n > 100000 || h > 100000)
        return fail("expected: resize WIDTH HEIGHT");
      c.op = Op::Resize;
      c.w = int(n);
      c.h = int(h);
    } else if (op == "menu") {
      c.menu = w.size() == 2 ? MenuIdNamed(w[1]) : -1;
      if (c.menu < 0) {
        std::string names;
        for (const auto& item : MenuNames()) names += (names.empty() ? " " : " | ") + item.first;
        return fail("expected: menu" + names);
      }
      c.op = Op::Menu;
    } else if (op == "close") {
      if (w.size() != 1) return fail("expected: close");
      c.op = Op::Close;
    } else if (op == "until") {
      if (w.size() < 3) return fail("expected: until FIELD VALUE [MS]");
      c.op = Op::Until;
      c.field = w[1];
      c.ms = 60000;
      size_t valueEnd = w.size();
      if (w.size() >= 4 && ParseInt(w.back(), n)) {
        if (n < 0) return fail("expected a time in ms");
        c.ms = n;
        valueEnd = w.size() - 1;
      }
      for (size_t k = 2; k < valueEnd; ++k) c.value += (k > 2 ? " " : "") + w[k];
    } else if (op == "shot") {
      if (w.size() != 2) return fail("expected: shot FILE.png");
      c.op = Op::Shot;
      c.file = w[1];
    } else if (op == "lang") {
      // A language's code as a catalogue is named ("en", "qps", "pt_BR"); the
      // game says whether it has that language.
      const std::string& code = w.size() == 2 ? w[1] : std::string();
      const size_t lower = size_t(
          std::find_if(code.begin(), code.end(),
                       [](char ch) { return !std::islower(static_cast<unsigned char>(ch)); }) -
          code.begin());
      const bool region = code.size() == lower + 3 && code[lower] == '_' &&
                          std::isupper(static_cast<unsigned char>(code[lower + 1])) &&
                          std::isupper(static_cast<unsigned char>(code[lower + 2]));
      if (lower < 2 || lower > 3 || (code.size() != lower && !region))
        return fail("expected: lang CODE (ja, en, ...)");
      c.op = Op::Lang;
      c.value = w[1];
    } else if (op == "dump") {
      if (w.size() != 1) return fail("expected: dump");
      c.op = Op::Dump;
    } else {
      return fail("unknown command '" + op + "'");
    }
    sawCommand = sawCommand || c.op != Op::Seed;
    out.push_back(c);
  }
  return true;
}

}  // namespace plat::scenario
