// Game controllers, the same in both backends: the real window hands over
// SDL's controller events, the headless one a scenario's `pad` commands.
//
// A button stands for the game key the game binds it to (the player's choice
// or the game's own), and the left stick leaning past a dead zone for the
// cursor keys. Some presses are the window's:
// - Back (or Guide) opens the menu bar, or closes it;
// - while a menu is open the d-pad and the stick move through it, A chooses
//   and B closes it;
// - A answers a message box;
// - on the title, Start or A opens the first menu;
// - on a screen of the window's own (the key screen), the directions are the
//   cursor keys, A is Enter and B is Escape;
// - while the key screen waits for a new button, the next press is that
//   button (Back gives up).
// A press taken so does not reach the game, nor does its release.
#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "platform/pad_buttons.h"

namespace plat::internal {

class PadInput {
 public:
  // How far the stick must lean (of 32767) before it counts as a cursor key.
  static constexpr int kDeadZone = 12000;
  enum StickAxis { kLeftX, kLeftY };
  // Inputs, as bits of a controller's mask: its buttons (PadButton), then the
  // four directions of the stick.
  static constexpr int kStickLeft = kPadButtonCount;  // left, up, right, down
  static constexpr int kInputCount = kStickLeft + 4;
  static_assert(kInputCount <= 32, "a controller's inputs are bits of one mask");

  // A game key's virtual key going down or up.
  using Send = std::function<void(int vk, bool down)>;

  // The events of controller `pad`; `button` is a PadButton.
  void Button(int pad, int button, bool down, const Send& send);
  void Stick(int pad, int axis, int value, const Send& send);
  // Unplugged: whatever it held is let go.
  void Removed(int pad, const Send& send);

  // Whether the same events, handled now, would press vk for the game.
  // Nothing is done meanwhile (no menu opens).
  template <typename Feed>
  bool WouldPress(int vk, const Feed& feed) const {
    PadInput look = *this;
    look.lookOnly_ = true;
    bool pressed = false;
    feed(look, [&](int v, bool down) { pressed = pressed || (down && v == vk); });
    return pressed;
  }

 private:
  struct Held {
    uint32_t raw = 0;   // what is down on the controller
    uint32_t game = 0;  // of those, what the game holds (pressed as its key)
  };
  void Change(int pad, uint32_t raw, const Send& send);
  bool TakeForWindow(int input);
  uint32_t HeldKeys() const;
  std::map<int, Held> pads_;
  bool lookOnly_ = false;
};

}  // namespace plat::internal
