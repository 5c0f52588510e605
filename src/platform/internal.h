// Pieces shared by the two backends; not for the game.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "platform/surface.h"

namespace plat::internal {

// The handlers the window object registered.
Handlers& GetHandlers();

// Random generator state (both backends draw from the same generator).
void SeedRandom(uint64_t seed);

// Control state shared by both backends' compositions.
struct Controls {
  bool labelVisible = false;
  bool yesNoVisible[2] = {false, false};
  const Surface* yesNo[2] = {nullptr, nullptr};
  bool menuEnabled[2] = {true, true};
  bool boxUp = false;
  std::u32string boxText, boxCaption;
};
Controls& GetControls();

// Composes what the player sees of the play area: the window's picture with
// Label1, the yes/no picture and the message box over it.
void ComposePlayArea(const Surface& window, Surface& out);
// Whether Label1, a yes/no picture or the message box is up.
bool ControlsUp();
// What the player sees of the play area: the window's picture itself while
// no control is up (no copy), otherwise out, composed as above.
const Surface& PlayAreaSeen(const Surface& window, Surface& out);

// The message box as drawn over the play area; the OK button's rectangle is
// returned so the SDL backend can hit-test clicks.
struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};
Rect MessageBoxOkRect();

}  // namespace plat::internal

namespace plat::internal {
// Something other than the game's picture changed (a control, the menu, the
// window itself was uncovered or resized): the next frame is sent to the
// screen whatever its pixels.
void MarkDirty();
// The game drew on the window: the next frame is sent if its pixels changed.
void MarkDrawn();
bool NeedsPresent();
// Whether the frame about to be shown, the window's picture with the
// controls over it, may differ from the last one sent: the window was drawn
// on since (its version tells, without looking at the pixels), or a control
// changed. The window's version is remembered as sent.
bool FrameChanged(const Surface& window);
// Call after a frame was shown, or found unchanged and not sent again.
void PresentedNow();
}  // namespace plat::internal
