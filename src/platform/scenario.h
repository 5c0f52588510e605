// Scenario files for the headless runner: one command a line, `#` starts a
// comment.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace plat::scenario {

enum class Op {
  Seed,
  Settings,
  Wait,
  Down,
  Up,
  Press,
  KeyDown,
  KeyUp,
  PressKey,
  Menu,
  Close,
  Until,
  Shot,
  Dump,
  Resize,
  Lang,
  PadDown,  // a controller's button (key: PadButton)
  PadUp,
  PadPress,
  PadStick  // the left stick leaning to (w, h), each -32768..32767
};

struct Command {
  Op op = Op::Wait;
  int line = 0;
  int64_t ms = 0;     // wait, press (held time), until (time limit)
  int key = 0;        // down, up, press: virtual-key code; keydown, keyup, presskey: SDL keycode
  int w = 0, h = 0;   // resize
  int menu = 0;       // menu: item id
  uint64_t seed = 1;  // seed
  std::string field, value, file;  // file: shot, settings; lang: the language's code in value
};

// Key names of scenario files: left up right down shift ctrl space z x c 1 2 3
// kp1 kp2 kp3 f11 enter esc alt. Returns -1 for an unknown name.
int KeyCode(const std::string& name);

// The most a scenario file may hold; a larger one is refused unread.
constexpr size_t kMostScriptBytes = 4u << 20;

// The game's menu items by the names `menu` takes ("start", "english"), in
// the order the error for a bad name lists them; handed over by the game.
void SetMenuNames(std::vector<std::pair<std::string, int>> names);
// The id of an item by its name; -1: none.
int MenuIdNamed(const std::string& name);

// Parses the whole file; on a bad line returns false and err says which.
bool Parse(const std::string& text, std::vector<Command>& out, std::string& err);

}  // namespace plat::scenario
