#include <utility>
#include <vector>

#include "platform/gamepad.h"
#include "platform/internal.h"
#include "platform/pad_buttons.h"

namespace plat::internal {

namespace {

uint32_t Bit(int input) {
  return uint32_t(1) << input;
}

constexpr int kInputCount = PadInput::kInputCount;  // the buttons and the stick's four directions

// The direction an input points in (0 left, 1 up, 2 right, 3 down), or -1.
int DirectionOf(int input) {
  switch (input) {
    case kPadLeft:
      return 0;
    case kPadUp:
      return 1;
    case kPadRight:
      return 2;
    case kPadDown:
      return 3;
    default:
      return input >= kPadButtonCount && input < kInputCount ? input - kPadButtonCount : -1;
  }
}

// A press the window takes for itself, with what it does (nothing, for a
// press that is only swallowed).
struct Taken {
  bool taken = false;
  std::function<void()> act;
};

Taken WindowPress(int input, const PadInput::Send& send) {
  Controls& c = GetControls();
  const Handlers& h = GetHandlers();
  const int dir = DirectionOf(input);
  const bool button = input < kPadButtonCount;
  if (c.boxUp) {
    // A chooses the lit button; in a question left and right light the
    // other one and B is no.
    if (input == kPadA) return {true, [&c] { AnswerBox(c.boxLit); }};
    if (!BoxAsks()) return {true, nullptr};
    if (input == kPadB) return {true, [] { AnswerBox(1); }};
    if (dir == 0 || dir == 2) return {true, [] { StepBoxButton(); }};
    return {true, nullptr};
  }
  if (CapturingKey()) {
    if (!button) return {true, nullptr};
    const std::string name =
        MenuButton(input) ? "Escape" : std::string(kChosenButton) + PadButtonName(input);
    return {true, [name] { DeliverCapturedKey(name); }};
  }
  if (button && MenuButton(input)) return {true, [&c] { c.menuOpen ? CloseMenu() : OpenMenu(0); }};
  if (c.menuOpen) {
    const int menus = int(c.menus.size());
    if (dir == 1 || dir == 3) return {true, [dir] { MoveMenuCursor(dir == 1 ? -1 : 1); }};
    if (dir == 0 || dir == 2)
      return {true,
              [&c, dir, menus] { OpenMenu((c.menuIndex + (dir == 0 ? menus - 1 : 1)) % menus); }};
    if (input == kPadA) return {true, [&c] { ChooseMenuItem(c.menuCursor); }};
    if (input == kPadB) return {true, [] { CloseMenu(); }};
    return {true, nullptr};
  }
  const int screen = h.padScreen ? h.padScreen() : kPadPlay;
  if (screen == kPadTitle && (input == kPadStart || input == kPadA))
    return {true, [] { OpenMenu(0); }};
  if (screen == kPadWindowScreen) {
    const int vk = dir >= 0         ? VK_LEFT + dir
                   : input == kPadA ? VK_RETURN
                   : input == kPadB ? VK_ESCAPE
                                    : 0;
    if (vk == 0) return {true, nullptr};
    return {true, [vk, send] {
              send(vk, true);
              send(vk, false);
            }};
  }
  return {};
}

}  // namespace

void PadInput::Button(int pad, int button, bool down, const Send& send) {
  if (button < 0 || button >= kPadButtonCount) return;
  const uint32_t raw = pads_[pad].raw;
  Change(pad, down ? raw | Bit(button) : raw & ~Bit(button), send);
}

void PadInput::Stick(int pad, int axis, int value, const Send& send) {
  if (axis != kLeftX && axis != kLeftY) return;
  const int negative = kStickLeft + (axis == kLeftX ? 0 : 1), positive = negative + 2;
  uint32_t raw = pads_[pad].raw & ~(Bit(negative) | Bit(positive));
  if (value < -kDeadZone) raw |= Bit(negative);
  if (value > kDeadZone) raw |= Bit(positive);
  Change(pad, raw, send);
}

void PadInput::Removed(int pad, const Send& send) {
  if (!pads_.count(pad)) return;
  Change(pad, 0, send);
  pads_.erase(pad);
}

uint32_t PadInput::HeldKeys() const {
  uint32_t keys = 0;
  for (const auto& [id, held] : pads_)
    for (int input = 0; input < kInputCount; ++input) {
      if (!(held.game & Bit(input))) continue;
      const int key = input < kPadButtonCount ? GameKeyOfButton(input) : input - kStickLeft;
      if (key >= 0) keys |= Bit(key);
    }
  return keys;
}

// The controller's inputs are now `raw`: the window takes the presses it
// wants, the rest go to the game as its keys. What the window does comes
// last, when every mask is up to date: choosing a menu item may run the game
// for a long time, and buttons keep coming meanwhile.
void PadInput::Change(int pad, uint32_t raw, const Send& send) {
  Held& held = pads_[pad];
  const uint32_t pressed = raw & ~held.raw, released = held.raw & ~raw;
  const uint32_t before = HeldKeys();
  held.raw = raw;
  held.game &= ~released;
  std::vector<std::function<void()>> acts;
  for (int input = 0; input < kInputCount; ++input) {
    if (!(pressed & Bit(input))) continue;
    Taken t = WindowPress(input, send);
    if (!t.taken)
      held.game |= Bit(input);
    else if (t.act)
      acts.push_back(std::move(t.act));
  }
  const uint32_t after = HeldKeys();
  const auto& actions = Actions();
  for (size_t k = 0; k < actions.size(); ++k)
    if ((before & ~after) & Bit(int(k))) send(actions[k].vk, false);
  for (size_t k = 0; k < actions.size(); ++k)
    if ((after & ~before) & Bit(int(k))) send(actions[k].vk, true);
  if (lookOnly_) return;
  if (pressed) NoteInputDevice(true);
  for (const auto& act : acts) act();
}

}  // namespace plat::internal
