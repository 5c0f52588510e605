// The keyboard's keys by name in the browser, as SDL names them on the
// desktop ("Left Shift", "Keypad 1"; Comma and Hash for "," and "#"), so one
// settings file means the same keys in both; and the DOM's key codes.
#include <cctype>
#include <cstring>
#include <string>

#include "platform/keycodes.h"
#include "platform/web_keys.h"
#include "platform/keyboard.h"

namespace plat {

namespace {

struct KeyRow {
  const char* name;  // as SDL names it
  int32_t code;
  const char* dom;  // KeyboardEvent.code; "": none
};

constexpr KeyRow kKeys[] = {
    {"A", 'a', "KeyA"},
    {"B", 'b', "KeyB"},
    {"C", 'c', "KeyC"},
    {"D", 'd', "KeyD"},
    {"E", 'e', "KeyE"},
    {"F", 'f', "KeyF"},
    {"G", 'g', "KeyG"},
    {"H", 'h', "KeyH"},
    {"I", 'i', "KeyI"},
    {"J", 'j', "KeyJ"},
    {"K", 'k', "KeyK"},
    {"L", 'l', "KeyL"},
    {"M", 'm', "KeyM"},
    {"N", 'n', "KeyN"},
    {"O", 'o', "KeyO"},
    {"P", 'p', "KeyP"},
    {"Q", 'q', "KeyQ"},
    {"R", 'r', "KeyR"},
    {"S", 's', "KeyS"},
    {"T", 't', "KeyT"},
    {"U", 'u', "KeyU"},
    {"V", 'v', "KeyV"},
    {"W", 'w', "KeyW"},
    {"X", 'x', "KeyX"},
    {"Y", 'y', "KeyY"},
    {"Z", 'z', "KeyZ"},
    {"0", '0', "Digit0"},
    {"1", '1', "Digit1"},
    {"2", '2', "Digit2"},
    {"3", '3', "Digit3"},
    {"4", '4', "Digit4"},
    {"5", '5', "Digit5"},
    {"6", '6', "Digit6"},
    {"7", '7', "Digit7"},
    {"8", '8', "Digit8"},
    {"9", '9', "Digit9"},
    {"F1", keys::kF1, "F1"},
    {"F2", keys::kF1 + 1, "F2"},
    {"F3", keys::kF1 + 2, "F3"},
    {"F4", keys::kF1 + 3, "F4"},
    {"F5", keys::kF1 + 4, "F5"},
    {"F6", keys::kF1 + 5, "F6"},
    {"F7", keys::kF1 + 6, "F7"},
    {"F8", keys::kF1 + 7, "F8"},
    {"F9", keys::kF1 + 8, "F9"},
    {"F10", keys::kF1 + 9, "F10"},
    {"F11", keys::kF1 + 10, "F11"},
    {"F12", keys::kF1 + 11, "F12"},
    {"Return", keys::kReturn, "Enter"},
    {"Escape", keys::kEscape, "Escape"},
    {"Backspace", keys::kBackspace, "Backspace"},
    {"Tab", keys::kTab, "Tab"},
    {"Space", keys::kSpace, "Space"},
    {"Delete", keys::kDelete, "Delete"},
    {"Insert", keys::kInsert, "Insert"},
    {"Home", keys::kHome, "Home"},
    {"End", keys::kEnd, "End"},
    {"PageUp", keys::kPageUp, "PageUp"},
    {"PageDown", keys::kPageDown, "PageDown"},
    {"Right", keys::kRight, "ArrowRight"},
    {"Left", keys::kLeft, "ArrowLeft"},
    {"Down", keys::kDown, "ArrowDown"},
    {"Up", keys::kUp, "ArrowUp"},
    {"Keypad Enter", keys::kKeypadEnter, "NumpadEnter"},
    {"Keypad 1", keys::kKeypad1, "Numpad1"},
    {"Keypad 2", keys::kKeypad1 + 1, "Numpad2"},
    {"Keypad 3", keys::kKeypad1 + 2, "Numpad3"},
    {"Keypad 4", keys::kKeypad1 + 3, "Numpad4"},
    {"Keypad 5", keys::kKeypad1 + 4, "Numpad5"},
    {"Keypad 6", keys::kKeypad1 + 5, "Numpad6"},
    {"Keypad 7", keys::kKeypad1 + 6, "Numpad7"},
    {"Keypad 8", keys::kKeypad1 + 7, "Numpad8"},
    {"Keypad 9", keys::kKeypad1 + 8, "Numpad9"},
    {"Keypad 0", keys::kKeypad0, "Numpad0"},
    {"Left Ctrl", keys::kLeftCtrl, "ControlLeft"},
    {"Left Shift", keys::kLeftShift, "ShiftLeft"},
    {"Left Alt", keys::kLeftAlt, "AltLeft"},
    {"Right Ctrl", keys::kRightCtrl, "ControlRight"},
    {"Right Shift", keys::kRightShift, "ShiftRight"},
    {"Right Alt", keys::kRightAlt, "AltRight"},
    {"Comma", ',', "Comma"},
    {"Hash", '#', ""},
    {"-", '-', "Minus"},
    {"=", '=', "Equal"},
    {"[", '[', "BracketLeft"},
    {"]", ']', "BracketRight"},
    {";", ';', "Semicolon"},
    {"'", '\'', "Quote"},
    {"`", '`', "Backquote"},
    {"\\", '\\', "Backslash"},
    {".", '.', "Period"},
    {"/", '/', "Slash"},
};

// A name as compared: without the spaces around it, in lower case.
std::string Plain(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
  std::string out = s.substr(a, b - a);
  for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

int32_t KeyCodeOf(const std::string& name) {
  const std::string n = Plain(name);
  if (n.empty()) return 0;
  for (const KeyRow& k : kKeys)
    if (Plain(k.name) == n) return k.code;
  return 0;
}

std::string KeyNameOf(int32_t keycode) {
  for (const KeyRow& k : kKeys)
    if (k.code == keycode) return k.name;
  return "";
}

int32_t KeyOfDomCode(const char* code) {
  for (const KeyRow& k : kKeys)
    if (*k.dom && std::strcmp(k.dom, code) == 0) return k.code;
  return 0;
}

}  // namespace plat
