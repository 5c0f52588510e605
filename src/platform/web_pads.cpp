#include "platform/web_pads.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

#include "platform/backend.h"
#include "platform/gamepad.h"
#include "platform/pad_buttons.h"

namespace plat::internal {

namespace {

struct PadSeen {
  uint32_t buttons = 0;  // PadButton bits
  int x = 0, y = 0;      // the left stick, of 32767
  bool present = false;
};

PadInput g_pads;
std::array<PadSeen, 4> g_seen;
bool g_anyPad = false;

// The standard layout's buttons, in its order, as the controllers' code numbers them.
constexpr int kStandardButtons[] = {
    kPadA,  kPadB,    kPadX,    kPadY,     kPadLeftShoulder, kPadRightShoulder,
    -1,     -1,       kPadBack, kPadStart, kPadLeftStick,    kPadRightStick,
    kPadUp, kPadDown, kPadLeft, kPadRight, kPadGuide,
};

// One controller's buttons and stick against what was seen of it last.
bool LookAt(int i, const EmscriptenGamepadEvent& pad, PadSeen& seen) {
  bool changed = false;
  uint32_t buttons = 0;
  for (int b = 0; b < std::min<int>(pad.numButtons, int(std::size(kStandardButtons))); ++b)
    if (kStandardButtons[b] >= 0 && pad.digitalButton[b]) buttons |= 1u << kStandardButtons[b];
  for (int b = 0; b < kPadButtonCount; ++b) {
    const uint32_t bit = 1u << b;
    if ((buttons ^ seen.buttons) & bit) {
      seen.buttons ^= bit;
      g_pads.Button(i, b, (buttons & bit) != 0, PadKey);
      changed = true;
    }
  }
  const int x = pad.numAxes > 0 ? int(std::clamp(pad.axis[0], -1.0, 1.0) * 32767) : 0;
  const int y = pad.numAxes > 1 ? int(std::clamp(pad.axis[1], -1.0, 1.0) * 32767) : 0;
  if (x != seen.x) {
    seen.x = x;
    g_pads.Stick(i, PadInput::kLeftX, x, PadKey);
    changed = true;
  }
  if (y != seen.y) {
    seen.y = y;
    g_pads.Stick(i, PadInput::kLeftY, y, PadKey);
    changed = true;
  }
  return changed;
}

}  // namespace

bool LookAtWebPads() {
  if (emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) return false;
  const int n = std::min(int(g_seen.size()), emscripten_get_num_gamepads());
  bool changed = false;
  g_anyPad = false;
  for (int i = 0; i < int(g_seen.size()); ++i) {
    PadSeen& seen = g_seen[size_t(i)];
    EmscriptenGamepadEvent pad{};
    const bool there = i < n &&
                       emscripten_get_gamepad_status(i, &pad) == EMSCRIPTEN_RESULT_SUCCESS &&
                       pad.connected;
    if (!there) {
      if (seen.present) {
        g_pads.Removed(i, PadKey);
        seen = PadSeen{};
        changed = true;
      }
      continue;
    }
    g_anyPad = true;
    seen.present = true;
    changed = LookAt(i, pad, seen) || changed;
  }
  return changed;
}

bool WebPadPresent() {
  return g_anyPad;
}

}  // namespace plat::internal
