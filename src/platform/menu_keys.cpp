// The keys that work an open menu, the same in every backend with a window
// (keyboard keys as keycodes.h gives them).
#include "platform/internal.h"
#include "platform/keycodes.h"
#include "platform/menu_keys.h"

namespace plat::internal {

namespace {

const std::vector<Menu>& Menus() {
  return GetControls().menus;
}

Controls& MenuC() {
  return GetControls();
}

}  // namespace

// Keys while the menu is open: Up and Down move (past items that cannot be
// chosen), Left and Right go to the next menu, Enter chooses, an item's
// access key chooses it directly, Esc (or Alt) closes.
void MenuKey(int32_t k) {
  const int menus = int(Menus().size());
  if (MenuC().menuIndex >= menus || Menus()[size_t(MenuC().menuIndex)].items.empty()) {
    CloseMenu();
    return;
  }
  switch (k) {
    case keys::kUp:
    case keys::kDown:
      MoveMenuCursor(k == keys::kUp ? -1 : 1);
      return;
    case keys::kLeft:
    case keys::kRight:
      OpenMenu((MenuC().menuIndex + (k == keys::kLeft ? menus - 1 : 1)) % menus);
      return;
    case keys::kReturn:
    case keys::kKeypadEnter:
    case keys::kSpace:
      ChooseMenuItem(MenuC().menuCursor);
      return;
    case keys::kEscape:
      CloseMenu();
      return;
    default:
      if (k >= 'a' && k <= 'z') {
        const auto& list = Menus()[size_t(MenuC().menuIndex)].items;
        for (size_t i = 0; i < list.size(); ++i)
          if (AccessKey(list[i].label) == char32_t(U'A' + (k - 'a'))) {
            ChooseMenuItem(int(i));
            return;
          }
      }
      return;
  }
}

}  // namespace plat::internal
