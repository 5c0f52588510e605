// The keyboard's keys by name on the desktop and in the headless build: as
// SDL names them ("Left Shift", "Keypad 1"), with Comma and Hash for the two
// keys whose SDL names cannot stand in a settings file's list.
#include <SDL.h>

#include <cctype>

#include "platform/keycodes.h"
#include "platform/keyboard.h"

namespace plat {

static_assert(keys::kEscape == SDLK_ESCAPE && keys::kReturn == SDLK_RETURN &&
              keys::kKeypadEnter == SDLK_KP_ENTER && keys::kKeypad1 == SDLK_KP_1 &&
              keys::kKeypad3 == SDLK_KP_3 && keys::kF11 == SDLK_F11 &&
              keys::kLeftAlt == SDLK_LALT && keys::kRightAlt == SDLK_RALT && keys::kUp == SDLK_UP &&
              keys::kLeftShift == SDLK_LSHIFT && keys::kRightCtrl == SDLK_RCTRL &&
              keys::kKeypad0 == SDLK_KP_0 && keys::kPageDown == SDLK_PAGEDOWN &&
              keys::kDelete == SDLK_DELETE);

namespace {

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

}  // namespace plat
