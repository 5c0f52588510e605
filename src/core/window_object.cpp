// The small operations on the shared record that several subsystems use.
#include "core/window_object.h"

#include "platform/platform.h"

namespace moki {

void ResetKeys(GameState& gs) {
  gs.arrowHeld = {0, 0, 0, 0};
  gs.arrowPressed = {0, 0, 0, 0};
  gs.arrowReleased = {0, 0, 0, 0};
  gs.shiftHeld = 0;
}

void SetChoice(GameState& gs, int k) {
  plat::SetYesNoVisible(k, true);
  plat::SetYesNoVisible(1 - k, false);
  gs.choiceCursor = static_cast<i16>(k);
}

void AtRest(Form1& f) {
  if (f.atRest) f.atRest();
}

void GameEnded(Form1& f) {
  if (f.gameEnded) f.gameEnded();
}

void StartBooked(Form1& f) {
  if (f.startBooked) f.startBooked();
}

void RestoreFrontTable(GameState& gs) {
  gs.frontDX = {-1, 0, 1, 0};
  gs.frontDY = {0, -1, 0, 1};
}

}  // namespace moki
