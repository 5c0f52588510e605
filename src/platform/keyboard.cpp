// The keyboard through the player's keys: the table from keyboard keys to
// the game's virtual keys, the keys held down, and the key screen's wait for
// a new key. Keys are named in key_names_*.cpp.
#include <map>

#include "platform/internal.h"
#include "platform/keyboard.h"
#include "platform/keycodes.h"

namespace plat {

namespace {

struct Routing {
  std::map<int32_t, int> table;  // keyboard key -> virtual key
  std::map<int32_t, int> held;   // keys down, with the virtual key they gave
  bool capture = false;          // the key screen waits for a new key
};

Routing& R() {
  static Routing r;
  return r;
}

}  // namespace

bool ReservedKey(int32_t keycode) {
  switch (keycode) {
    case keys::kEscape:
    case keys::kReturn:
    case keys::kKeypadEnter:
    case keys::kF11:
    case keys::kLeftAlt:
    case keys::kRightAlt:
      return true;
    default:
      return false;
  }
}

void CaptureNextKey(bool on) {
  R().capture = on;
}

bool CancelKey(int32_t keycode) {
  return keycode == keys::kEscape;
}

}  // namespace plat

namespace plat::internal {

void RouteKeys() {
  auto& table = R().table;
  table.clear();
  // Keys of their own for the window and the message box, and the keypad's
  // digits (which do nothing) unless the player gave them to a game key.
  table[keys::kEscape] = VK_ESCAPE;
  table[keys::kReturn] = VK_RETURN;
  table[keys::kKeypadEnter] = VK_RETURN;
  table[keys::kKeypad1] = VK_NUMPAD1;
  table[keys::kKeypad2] = VK_NUMPAD2;
  table[keys::kKeypad3] = VK_NUMPAD3;
  for (const ActionKeys& action : Actions())
    for (const std::string& name : action.keys)
      if (int32_t code = KeyCodeOf(name)) table[code] = action.vk;
}

int BoundVk(int32_t keycode) {
  auto it = R().table.find(keycode);
  return it == R().table.end() ? 0 : it->second;
}

int WindowKeyOf(int32_t keycode) {
  if (keycode >= 'a' && keycode <= 'z') return 'A' + (keycode - 'a');
  switch (keycode) {
    case keys::kUp:
      return VK_UP;
    case keys::kDown:
      return VK_DOWN;
    case keys::kLeft:
      return VK_LEFT;
    case keys::kRight:
      return VK_RIGHT;
    case keys::kReturn:
    case keys::kKeypadEnter:
      return VK_RETURN;
    case keys::kSpace:
      return VK_SPACE;
    case keys::kEscape:
      return VK_ESCAPE;
    case keys::kTab:
      return VK_TAB;
    case keys::kF11:
      return VK_F11;
    case keys::kLeftAlt:
    case keys::kRightAlt:
      return VK_MENU;
    default:
      return 0;
  }
}

bool CapturingKey() {
  return R().capture;
}

void DeliverCapturedKey(const std::string& name) {
  Routing& r = R();
  if (!r.capture) return;
  r.capture = false;
  auto& h = GetHandlers();
  if (h.keyChosen) h.keyChosen(name);
}

int KeyboardDown(int32_t keycode, bool repeat) {
  Routing& r = R();
  if (r.capture) {
    // A key still held from choosing the row repeats: that is not the new key.
    if (!repeat && keycode != 0) DeliverCapturedKey(KeyNameOf(keycode));
    return 0;
  }
  const int vk = BoundVk(keycode);
  if (vk != 0) r.held[keycode] = vk;
  return vk;
}

int KeyboardUp(int32_t keycode) {
  // The key goes up as the game key it went down as, even if the table
  // changed in between; a key the game never saw go down does not go up.
  Routing& r = R();
  auto it = r.held.find(keycode);
  if (it == r.held.end()) return 0;
  const int vk = it->second;
  r.held.erase(it);
  return vk;
}

void ForgetHeldKeys() {
  R().held.clear();
  R().capture = false;
}

}  // namespace plat::internal
