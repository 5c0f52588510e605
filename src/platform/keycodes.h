// The keyboard's keys by the codes the player's keys are kept in: SDL's
// keycodes (a printable key is its character, any other key its scancode
// with bit 30 set), the same in every backend, so a settings file means the
// same keys on the desktop and in the browser.
#pragma once

#include <cstdint>

namespace plat::keys {

constexpr int32_t kScancodeBit = 1 << 30;
constexpr int32_t FromScancode(int scancode) {
  return int32_t(scancode) | kScancodeBit;
}

constexpr int32_t kReturn = '\r';
constexpr int32_t kEscape = 27;
constexpr int32_t kBackspace = 8;
constexpr int32_t kTab = '\t';
constexpr int32_t kSpace = ' ';
constexpr int32_t kDelete = 127;
constexpr int32_t kF1 = FromScancode(58);  // F1 to F12 follow one another
constexpr int32_t kF11 = FromScancode(68);
constexpr int32_t kInsert = FromScancode(73);
constexpr int32_t kHome = FromScancode(74);
constexpr int32_t kPageUp = FromScancode(75);
constexpr int32_t kEnd = FromScancode(77);
constexpr int32_t kPageDown = FromScancode(78);
constexpr int32_t kRight = FromScancode(79);
constexpr int32_t kLeft = FromScancode(80);
constexpr int32_t kDown = FromScancode(81);
constexpr int32_t kUp = FromScancode(82);
constexpr int32_t kKeypadEnter = FromScancode(88);
constexpr int32_t kKeypad1 = FromScancode(89);  // Keypad 1 to 9 follow one another, then 0
constexpr int32_t kKeypad2 = FromScancode(90);
constexpr int32_t kKeypad3 = FromScancode(91);
constexpr int32_t kKeypad0 = FromScancode(98);
constexpr int32_t kLeftCtrl = FromScancode(224);
constexpr int32_t kLeftShift = FromScancode(225);
constexpr int32_t kLeftAlt = FromScancode(226);
constexpr int32_t kRightCtrl = FromScancode(228);
constexpr int32_t kRightShift = FromScancode(229);
constexpr int32_t kRightAlt = FromScancode(230);

}  // namespace plat::keys
