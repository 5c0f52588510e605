#include "platform/pad_buttons.h"

#include <cctype>

#include "platform/internal.h"

namespace plat {

namespace {

struct ButtonInfo {
  const char* name;
  const char32_t* label;
};

constexpr ButtonInfo kButtons[kPadButtonCount] = {
    {"a", U"A"},
    {"b", U"B"},
    {"x", U"X"},
    {"y", U"Y"},
    {"back", U"Back"},
    {"guide", U"Guide"},
    {"start", U"Start"},
    {"leftstick", U"L3"},
    {"rightstick", U"R3"},
    {"leftshoulder", U"LB"},
    {"rightshoulder", U"RB"},
    {"dpup", U"D-pad up"},
    {"dpdown", U"D-pad down"},
    {"dpleft", U"D-pad left"},
    {"dpright", U"D-pad right"},
};

}  // namespace

std::string CleanButtonName(const std::string& s) {
  std::string out;
  for (char c : s)
    if (!std::isspace(static_cast<unsigned char>(c)))
      out += char(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

namespace {
bool g_padLast = false;
}  // namespace

bool MenuButton(int button) {
  return button == kPadBack || button == kPadGuide;
}

const char* PadButtonName(int button) {
  return button >= 0 && button < kPadButtonCount ? kButtons[button].name : "";
}

int PadButtonOf(const std::string& name) {
  const std::string n = CleanButtonName(name);
  for (int b = 0; b < kPadButtonCount; ++b)
    if (n == kButtons[b].name) return b;
  return -1;
}

const char32_t* PadButtonLabel(int button) {
  return button >= 0 && button < kPadButtonCount ? kButtons[button].label : U"";
}

int GameKeyOfButton(int button) {
  const auto& actions = Actions();
  for (size_t k = 0; k < actions.size(); ++k)
    for (const std::string& name : actions[k].buttons)
      if (PadButtonOf(name) == button) return int(k);
  return -1;
}

bool PadUsedLast() {
  return g_padLast;
}

}  // namespace plat

namespace plat::internal {

void NoteInputDevice(bool pad) {
  if (pad == g_padLast) return;
  g_padLast = pad;
  auto& h = GetHandlers();
  if (h.inputChanged) h.inputChanged();
}

void ForgetInputDevice() {
  g_padLast = false;
}

}  // namespace plat::internal
