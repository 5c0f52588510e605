// SDL's events in the real window: keys and the mouse handed to the window's
// own handling (window_input.h), controllers, the window uncovered or
// resized, the pointer hidden in full screen.
#include "platform/backend.h"
#include "platform/pad_buttons.h"
#include "platform/sdl_window.h"
#include "platform/window_input.h"

namespace plat::sdl {

namespace {

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
    case SDL_KEYDOWN:
      internal::WindowKeyDown(internal::WindowKeyOf(e.key.keysym.sym), e.key.keysym.sym,
                              (e.key.keysym.mod & KMOD_ALT) != 0, e.key.repeat != 0);
      break;
    case SDL_KEYUP:
      internal::WindowKeyUp(internal::WindowKeyOf(e.key.keysym.sym), e.key.keysym.sym);
      break;
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
    case SDL_MOUSEMOTION: {
      s.pointerMoved = SDL_GetTicks();
      if (s.pointerHidden) {
        SDL_ShowCursor(SDL_ENABLE);
        s.pointerHidden = false;
      }
      int x = e.motion.x, y = e.motion.y;
      ToPicture(x, y);
      internal::WindowMouseMove(x, y);
      break;
    }
    case SDL_MOUSEBUTTONDOWN: {
      if (e.button.button != SDL_BUTTON_LEFT) break;
      int x = e.button.x, y = e.button.y;
      ToPicture(x, y);
      internal::WindowMouseDown(x, y, s.barInPicture);
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
