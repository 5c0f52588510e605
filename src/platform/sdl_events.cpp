// SDL's events in the real window: keys through the player's keys and the
// menu bar's own, controllers, the mouse on the menu bar and the message
// box, the window uncovered or resized.
#include <algorithm>

#include "platform/keyboard.h"
#include "platform/backend.h"
#include "platform/pad_buttons.h"
#include "platform/sdl_window.h"

namespace plat::sdl {

namespace {

using internal::ChooseMenuItem;
using internal::kMenuBarH;
using internal::OpenMenu;

const std::vector<Menu>& Menus() {
  return internal::GetControls().menus;
}

internal::Controls& MenuC() {
  return internal::GetControls();
}

// Keys while the menu is open: Up and Down move (past items that cannot be
// chosen), Left and Right go to the next menu, Enter chooses, an item's
// access key chooses it directly, Esc (or Alt) closes.
void MenuKey(SDL_Keycode k) {
  const int menus = int(Menus().size());
  if (MenuC().menuIndex >= menus || Menus()[size_t(MenuC().menuIndex)].items.empty()) {
    internal::CloseMenu();
    return;
  }
  switch (k) {
    case SDLK_UP:
    case SDLK_DOWN:
      internal::MoveMenuCursor(k == SDLK_UP ? -1 : 1);
      return;
    case SDLK_LEFT:
    case SDLK_RIGHT:
      OpenMenu((MenuC().menuIndex + (k == SDLK_LEFT ? menus - 1 : 1)) % menus);
      return;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_SPACE:
      ChooseMenuItem(MenuC().menuCursor);
      return;
    case SDLK_ESCAPE:
      internal::CloseMenu();
      return;
    default:
      if (k >= SDLK_a && k <= SDLK_z) {
        const auto& list = Menus()[size_t(MenuC().menuIndex)].items;
        for (size_t i = 0; i < list.size(); ++i)
          if (AccessKey(list[i].label) == char32_t(U'A' + (k - SDLK_a))) {
            ChooseMenuItem(int(i));
            return;
          }
      }
      return;
  }
}

// Controllers plugged in before start-up are announced like new ones.
void PlugIn(int deviceIndex) {
  if (SDL_IsGameController(deviceIndex)) SDL_GameControllerOpen(deviceIndex);
}

void Unplug(SDL_JoystickID id) {
  if (SDL_GameController* pad = SDL_GameControllerFromInstanceID(id)) SDL_GameControllerClose(pad);
}

// In full screen the mouse pointer hides after two seconds without moving.
constexpr Uint32 kPointerHideMs = 2000;

}  // namespace

// SDL's controller events, handed to the controllers' own code. SDL numbers
// the buttons as PadButton does.
void FeedPad(internal::PadInput& pads, const SDL_Event& e, const internal::PadInput::Send& send) {
  switch (e.type) {
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      pads.Button(e.cbutton.which, e.cbutton.button, e.type == SDL_CONTROLLERBUTTONDOWN, send);
      break;
    case SDL_CONTROLLERAXISMOTION:
      if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX || e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
        pads.Stick(e.caxis.which,
                   e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX ? internal::PadInput::kLeftX
                                                             : internal::PadInput::kLeftY,
                   e.caxis.value, send);
      break;
    case SDL_CONTROLLERDEVICEREMOVED:
      pads.Removed(e.cdevice.which, send);
      break;
    default:
      break;
  }
}

void Handle(const SDL_Event& e) {
  auto& h = internal::GetHandlers();
  auto& c = internal::GetControls();
  switch (e.type) {
    case SDL_QUIT:
      if (h.close) h.close();
      Quit();
    case SDL_WINDOWEVENT:
      s.redrawAll = true;
      internal::MarkDirty();
      // The player's own resize is remembered; full screen's sizes are not.
      if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED && !s.fullscreen)
        internal::WindowResized(SDL_GetTicks());
      break;
    case SDL_KEYDOWN: {
      SDL_Keycode k = e.key.keysym.sym;
      // Alt pressed and let go alone opens the menu bar (shown in full screen).
      s.altAlone = (k == SDLK_LALT || k == SDLK_RALT) && !e.key.repeat;
      if (!e.key.repeat) internal::NoteInputDevice(false);
      if (k == SDLK_F11) {
        SetFullscreen(!s.fullscreen);
        internal::RecordFullscreen(s.fullscreen);
        break;
      }
      if (c.boxUp) {
        if (k == SDLK_RETURN || k == SDLK_KP_ENTER || k == SDLK_SPACE) c.boxUp = false;
        internal::MarkDirty();
        break;
      }
      if (MenuC().menuOpen) {
        MenuKey(k);
        break;
      }
      if ((e.key.keysym.mod & KMOD_ALT) && k >= SDLK_a && k <= SDLK_z) {
        for (size_t i = 0; i < Menus().size(); ++i)
          if (AccessKey(Menus()[i].title) == char32_t(U'A' + (k - SDLK_a))) {
            OpenMenu(int(i));
            break;
          }
        if (MenuC().menuOpen) break;
      }
      if (e.key.keysym.mod & KMOD_ALT) break;  // Alt combinations are the window's, not the game's
      // Through the player's keys; the key screen may be waiting for this one.
      int vk = internal::KeyboardDown(k, e.key.repeat != 0);
      if (vk && h.keyDown) h.keyDown(vk);
      break;
    }
    case SDL_KEYUP: {
      const SDL_Keycode k = e.key.keysym.sym;
      if ((k == SDLK_LALT || k == SDLK_RALT) && s.altAlone && !c.boxUp) {
        MenuC().menuOpen ? internal::CloseMenu() : OpenMenu(0);
        s.altAlone = false;
      }
      int vk = internal::KeyboardUp(k);
      if (c.boxUp) break;
      if (vk && h.keyUp) h.keyUp(vk);
      break;
    }
    case SDL_CONTROLLERDEVICEADDED:
      PlugIn(e.cdevice.which);
      break;
    case SDL_CONTROLLERDEVICEREMOVED:
      FeedPad(s.pads, e, internal::PadKey);  // lets go of whatever it held
      Unplug(e.cdevice.which);
      break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERAXISMOTION:
      FeedPad(s.pads, e, internal::PadKey);
      break;
    case SDL_MOUSEMOTION:
      s.pointerMoved = SDL_GetTicks();
      if (s.pointerHidden) {
        SDL_ShowCursor(SDL_ENABLE);
        s.pointerHidden = false;
      }
      if (MenuC().menuOpen) {
        int x = e.motion.x, y = e.motion.y;
        ToPicture(x, y);
        int item = internal::MenuItemAt(x, y);
        if (item >= 0 && item != MenuC().menuCursor) {
          MenuC().menuCursor = item;
          internal::MarkDirty();
        }
      }
      break;
    case SDL_MOUSEBUTTONDOWN: {
      if (e.button.button != SDL_BUTTON_LEFT) break;
      int x = e.button.x, y = e.button.y;
      ToPicture(x, y);
      if (c.boxUp) {
        if (internal::MessageBoxOkRect().Contains(x, y - (s.barInPicture ? kMenuBarH : 0))) {
          c.boxUp = false;
          internal::MarkDirty();
        }
        break;
      }
      int title = internal::MenuTitleAt(x, y);
      if (title >= 0) {
        if (MenuC().menuOpen && MenuC().menuIndex == title) {
          MenuC().menuOpen = false;
          internal::MarkDirty();
        } else {
          OpenMenu(title);
        }
      } else if (MenuC().menuOpen) {
        int item = internal::MenuItemAt(x, y);
        if (item >= 0) {
          ChooseMenuItem(item);
        } else {
          MenuC().menuOpen = false;
          internal::MarkDirty();
        }
      }
      break;
    }
    default:
#ifdef MOKI_TEST_HOOKS
      TestPadEvent(e);
#endif
      break;
  }
}

int64_t PointerHideDeadline() {
  if (!s.fullscreen || s.pointerHidden) return -1;
  return int64_t(s.pointerMoved) + kPointerHideMs;
}

void HidePointerWhenStill() {
  const int64_t at = PointerHideDeadline();
  if (at < 0 || int64_t(SDL_GetTicks()) < at) return;
  SDL_ShowCursor(SDL_DISABLE);
  s.pointerHidden = true;
}

}  // namespace plat::sdl
