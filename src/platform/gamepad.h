// A game controller played like the keyboard: the d-pad and the left stick
// are the cursor keys, the south button Space, the east button Shift, the
// west and north buttons and the right shoulder the Z, X and C item keys,
// Start Ctrl. The game receives the same key downs and ups as from the keys.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <map>

#include "platform/platform.h"

namespace plat::internal {

class GamepadKeys {
 public:
  // How far the stick must lean (of 32767) before it counts as a cursor key.
  static constexpr int kDeadZone = 12000;

  using Send = std::function<void(int vk, bool down)>;
  // A controller's button, axis or removal: sends the keys it releases, then
  // those it presses. A key held through several controllers, or through the
  // d-pad and the stick together, goes up when the last of them lets go.
  void Handle(const SDL_Event& e, const Send& send);
  // Whether these events, handled in order, would press vk.
  bool WouldPress(const SDL_Event* events, int count, int vk) const;

 private:
  using Pads = std::map<SDL_JoystickID, uint32_t>;  // the inputs each controller holds
  static void Apply(Pads& pads, const SDL_Event& e);
  static uint32_t HeldKeys(const Pads& pads);
  Pads pads_;
};

// --- The mapping, kept in this header so that the tests can feed it made-up
// controller events without a controller or a window.

namespace gamepad_detail {

// The keys a controller can stand for, as bits of a held-key mask.
inline constexpr int kKeys[] = {VK_LEFT,  VK_UP, VK_RIGHT, VK_DOWN, VK_SPACE,
                                VK_SHIFT, VK_Z,  VK_X,     VK_C,    VK_CONTROL};
inline constexpr int kKeyCount = int(sizeof kKeys / sizeof kKeys[0]);

// The inputs, as bits of a controller's held-input mask: the four buttons of
// the d-pad, the four directions of the left stick, then the other buttons.
enum Input : int { kDpad = 0, kStick = 4, kSouth = 8, kEast, kWest, kNorth, kShoulder, kStart };
inline constexpr int kInputCount = kStart + 1;

// The key an input stands for, as an index into kKeys.
inline int KeyOf(int input) {
  if (input < kSouth) return input % 4;  // d-pad and stick: left, up, right, down
  return 4 + (input - kSouth);
}

inline int InputOfButton(int button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      return kDpad + 0;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      return kDpad + 1;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      return kDpad + 2;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      return kDpad + 3;
    case SDL_CONTROLLER_BUTTON_A:
      return kSouth;
    case SDL_CONTROLLER_BUTTON_B:
      return kEast;
    case SDL_CONTROLLER_BUTTON_X:
      return kWest;
    case SDL_CONTROLLER_BUTTON_Y:
      return kNorth;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
      return kShoulder;
    case SDL_CONTROLLER_BUTTON_START:
      return kStart;
    default:
      return -1;
  }
}

inline uint32_t Bit(int input) {
  return uint32_t(1) << input;
}

}  // namespace gamepad_detail

using namespace gamepad_detail;

inline void GamepadKeys::Apply(Pads& pads, const SDL_Event& e) {
  switch (e.type) {
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      int input = InputOfButton(e.cbutton.button);
      if (input < 0) return;
      uint32_t& held = pads[e.cbutton.which];
      if (e.type == SDL_CONTROLLERBUTTONDOWN)
        held |= Bit(input);
      else
        held &= ~Bit(input);
      return;
    }
    case SDL_CONTROLLERAXISMOTION: {
      int negative, positive;  // left/right or up/down
      if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
        negative = kStick + 0, positive = kStick + 2;
      } else if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
        negative = kStick + 1, positive = kStick + 3;
      } else {
        return;
      }
      uint32_t& held = pads[e.caxis.which];
      held &= ~(Bit(negative) | Bit(positive));
      if (e.caxis.value < -kDeadZone) held |= Bit(negative);
      if (e.caxis.value > kDeadZone) held |= Bit(positive);
      return;
    }
    case SDL_CONTROLLERDEVICEREMOVED:
      pads.erase(e.cdevice.which);  // unplugged: whatever it held is let go
      return;
    default:
      return;
  }
}

inline uint32_t GamepadKeys::HeldKeys(const Pads& pads) {
  uint32_t keys = 0;
  for (const auto& [id, held] : pads)
    for (int input = 0; input < kInputCount; ++input)
      if (held & Bit(input)) keys |= uint32_t(1) << KeyOf(input);
  return keys;
}

inline void GamepadKeys::Handle(const SDL_Event& e, const Send& send) {
  const uint32_t before = HeldKeys(pads_);
  Apply(pads_, e);
  const uint32_t after = HeldKeys(pads_);
  for (int k = 0; k < kKeyCount; ++k)
    if ((before & ~after) & (uint32_t(1) << k)) send(kKeys[k], false);
  for (int k = 0; k < kKeyCount; ++k)
    if ((after & ~before) & (uint32_t(1) << k)) send(kKeys[k], true);
}

inline bool GamepadKeys::WouldPress(const SDL_Event* events, int count, int vk) const {
  Pads pads = pads_;
  for (int i = 0; i < count; ++i) {
    const uint32_t before = HeldKeys(pads);
    Apply(pads, events[i]);
    const uint32_t pressed = HeldKeys(pads) & ~before;
    for (int k = 0; k < kKeyCount; ++k)
      if (kKeys[k] == vk && (pressed & (uint32_t(1) << k))) return true;
  }
  return false;
}

}  // namespace plat::internal
