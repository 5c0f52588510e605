// The keyboard through the player's keys: keyboard keys by name, the table
// from them to the game's virtual keys, the keys held down, and the key
// screen's wait for a new key.
#include <SDL.h>

#include <cctype>
#include <map>

#include "platform/internal.h"
#include "platform/keyboard.h"

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

std::string Trimmed(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
  return s.substr(a, b - a);
}

bool Named(const std::string& name, const char* word) {
  return SDL_strcasecmp(name.c_str(), word) == 0;
}

}  // namespace

int32_t KeyCodeOf(const std::string& name) {
  const std::string n = Trimmed(name);
  if (Named(n, "comma")) return SDLK_COMMA;
  if (Named(n, "hash")) return SDLK_HASH;
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

void CaptureNextKey(bool on) {
  R().capture = on;
}

bool CancelKey(int32_t keycode) {
  return keycode == SDLK_ESCAPE;
}

}  // namespace plat

namespace plat::internal {

void RouteKeys() {
  auto& table = R().table;
  table.clear();
  // Keys of their own for the window and the message box, and the keypad's
  // digits (which do nothing) unless the player gave them to a game key.
  table[SDLK_ESCAPE] = VK_ESCAPE;
  table[SDLK_RETURN] = VK_RETURN;
  table[SDLK_KP_ENTER] = VK_RETURN;
  table[SDLK_KP_1] = VK_NUMPAD1;
  table[SDLK_KP_2] = VK_NUMPAD2;
  table[SDLK_KP_3] = VK_NUMPAD3;
  for (const ActionKeys& action : Actions())
    for (const std::string& name : action.keys)
      if (int32_t code = KeyCodeOf(name)) table[code] = action.vk;
}

int BoundVk(int32_t keycode) {
  auto it = R().table.find(keycode);
  return it == R().table.end() ? 0 : it->second;
}

int WindowKeyOf(int32_t keycode) {
  if (keycode >= SDLK_a && keycode <= SDLK_z) return 'A' + (keycode - SDLK_a);
  switch (keycode) {
    case SDLK_UP:
      return VK_UP;
    case SDLK_DOWN:
      return VK_DOWN;
    case SDLK_LEFT:
      return VK_LEFT;
    case SDLK_RIGHT:
      return VK_RIGHT;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return VK_RETURN;
    case SDLK_SPACE:
      return VK_SPACE;
    case SDLK_ESCAPE:
      return VK_ESCAPE;
    case SDLK_F11:
      return VK_F11;
    case SDLK_LALT:
    case SDLK_RALT:
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
