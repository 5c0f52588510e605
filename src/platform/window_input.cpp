// The window's own keys and mouse (window_input.h), written once for every
// backend.
#include "platform/window_input.h"

#include "platform/backend.h"
#include "platform/internal.h"
#include "platform/pad_buttons.h"

namespace plat::internal {

namespace {

bool Letter(int key) {
  return key >= 'A' && key <= 'Z';
}

// Keys while the menu is open: Up and Down move (past items that cannot be
// chosen), Left and Right go to the next menu, Enter chooses, an item's
// access key chooses it directly, Esc (or Alt) closes.
void MenuKey(int key) {
  Controls& c = GetControls();
  const int menus = int(c.menus.size());
  if (c.menuIndex >= menus || c.menus[size_t(c.menuIndex)].items.empty()) {
    CloseMenu();
    return;
  }
  switch (key) {
    case VK_UP:
    case VK_DOWN:
      MoveMenuCursor(key == VK_UP ? -1 : 1);
      return;
    case VK_LEFT:
    case VK_RIGHT:
      OpenMenu((c.menuIndex + (key == VK_LEFT ? menus - 1 : 1)) % menus);
      return;
    case VK_RETURN:
    case VK_SPACE:
      ChooseMenuItem(c.menuCursor);
      return;
    case VK_ESCAPE:
      CloseMenu();
      return;
    default:
      if (!Letter(key)) return;
      const auto& list = c.menus[size_t(c.menuIndex)].items;
      for (size_t i = 0; i < list.size(); ++i)
        if (AccessKey(list[i].label) == char32_t(key)) {
          ChooseMenuItem(int(i));
          return;
        }
      return;
  }
}

// Keys while a message box is up: Return and Space choose the lit button;
// in a question Left, Right and Tab light the other one and Escape is no.
void BoxKey(int key) {
  const bool asks = BoxAsks();
  if (key == VK_RETURN || key == VK_SPACE)
    AnswerBox(GetControls().boxLit);
  else if (asks && (key == VK_LEFT || key == VK_RIGHT || key == VK_TAB))
    StepBoxButton();
  else if (asks && key == VK_ESCAPE)
    AnswerBox(1);
  MarkDirty();
}

}  // namespace

void ToggleFullscreen() {
  RecordFullscreen(CurrentBackend().toggleFullscreen());
}

void WindowKeyDown(int key, int32_t keycode, bool alt, bool repeat) {
  const Handlers& h = GetHandlers();
  Controls& c = GetControls();
  // Alt pressed and let go alone opens the menu bar (shown in full screen).
  c.altAlone = key == VK_MENU && !repeat;
  if (!repeat) NoteInputDevice(false);
  if (key == VK_F11) {
    ToggleFullscreen();
    return;
  }
  if (c.boxUp) {
    BoxKey(key);
    return;
  }
  if (c.menuOpen) {
    MenuKey(key);
    return;
  }
  if (alt && Letter(key)) {
    for (size_t i = 0; i < c.menus.size(); ++i)
      if (AccessKey(c.menus[i].title) == char32_t(key)) {
        OpenMenu(int(i));
        break;
      }
    if (c.menuOpen) return;
  }
  if (alt) return;  // Alt combinations are the window's, not the game's
  // Through the player's keys; the key screen may be waiting for this one.
  const int vk = KeyboardDown(keycode, repeat);
  if (vk && h.keyDown) h.keyDown(vk);
}

void WindowKeyUp(int key, int32_t keycode) {
  const Handlers& h = GetHandlers();
  Controls& c = GetControls();
  if (key == VK_MENU && c.altAlone && !c.boxUp) {
    c.menuOpen ? CloseMenu() : OpenMenu(0);
    c.altAlone = false;
  }
  const int vk = KeyboardUp(keycode);
  if (c.boxUp) return;
  if (vk && h.keyUp) h.keyUp(vk);
}

void WindowMouseMove(int x, int y) {
  Controls& c = GetControls();
  if (!c.menuOpen) return;
  const int item = MenuItemAt(x, y);
  if (item >= 0 && item != c.menuCursor) {
    c.menuCursor = item;
    MarkDirty();
  }
}

void WindowMouseDown(int x, int y, bool barAbove) {
  Controls& c = GetControls();
  if (c.boxUp) {
    const int button = MessageBoxButtonAt(x, y - (barAbove ? kMenuBarH : 0));
    if (button >= 0) AnswerBox(button);
    return;
  }
  const int title = MenuTitleAt(x, y);
  if (title >= 0) {
    if (c.menuOpen && c.menuIndex == title) {
      c.menuOpen = false;
      MarkDirty();
    } else {
      OpenMenu(title);
    }
  } else if (c.menuOpen) {
    const int item = MenuItemAt(x, y);
    if (item >= 0) {
      ChooseMenuItem(item);
    } else {
      c.menuOpen = false;
      MarkDirty();
    }
  }
}

}  // namespace plat::internal
