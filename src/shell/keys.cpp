// Keyboard input. Held keys become flags that the next tick reads; single
// presses (Space, the item keys, Ctrl, the yes/no keys) act at once. A tick
// draws its frames for about a quarter second, so a quick tap of a cursor key
// can go down and up between two ticks: such a key stays held until one tick
// has seen it (Timer1_Timer lets it go).
#include "items/item_use.h"
#include "match/match_setup.h"
#include "platform/platform.h"
#include "shell/window_events.h"
#include "shell/key_screen.h"
#include "story/dialogue.h"
#include "story/screens.h"

namespace moki {

namespace {

void ForgetTaps(GameState& gs) {
  for (size_t d = 0; d < 4; ++d) {
    if (gs.arrowReleased[d] != 0) gs.arrowHeld[d] = 0;
    gs.arrowPressed[d] = 0;
    gs.arrowReleased[d] = 0;
  }
}

}  // namespace

void Form_KeyDown(Form1& f, int keyCode) {
  GameState& gs = f.gs;
  using namespace plat;
  if (gs.keyScreenShown != 0) {
    KeyScreenKey(f, keyCode);  // the key screen takes every key while it is up
    return;
  }
  if (keyCode == VK_SPACE) {
    if (gs.GameMode != kModeHall && gs.GameMode != kModeRoom) return;
    if (gs.choicePending == 1) {
      gs.choicePending = 0;  // confirms the highlighted answer
    } else {
      SpaceAction(f);
      // A tap waiting for its tick is forgotten once someone talks: the
      // player reads first, and the hero does not step off afterwards.
      if (gs.dialogueState != 0) ForgetTaps(gs);
    }
  } else if (keyCode >= VK_LEFT && keyCode <= VK_DOWN) {
    const size_t d = size_t(keyCode - VK_LEFT);
    if (gs.dialogueState == 0) {
      // A key-down of a key that is down already is the keyboard's
      // auto-repeat, not a new press: it neither starts nor prolongs a tap,
      // so a held key stops with the step in progress when it is let go.
      if (gs.arrowHeld[d] != 0 && gs.arrowReleased[d] == 0) return;
      gs.arrowHeld[d] = 1;
      gs.arrowPressed[d] = 1;
      gs.arrowReleased[d] = 0;
    } else if (gs.choicePending == 1) {
      // A key pressed while a message is up is never recorded as held.
      if (keyCode == VK_UP) SetChoice(gs, 0);
      if (keyCode == VK_DOWN) SetChoice(gs, 1);
    }
  } else if (keyCode == VK_SHIFT) {
    gs.shiftHeld = 1;
  } else if (keyCode == VK_Z || keyCode == VK_1 || keyCode == VK_X || keyCode == VK_2 ||
             keyCode == VK_C || keyCode == VK_3) {
    if (gs.GameMode != kModeMatch) return;
    int slot = (keyCode == VK_Z || keyCode == VK_1)   ? 0
               : (keyCode == VK_X || keyCode == VK_2) ? 1
                                                      : 2;
    onItemKey(f, slot);
  } else if (keyCode == VK_CONTROL) {
    // The status screen doubles as the pause; not while a message is up.
    if (gs.dialogueState != 0) return;
    if (gs.statusShown == 1) {
      gs.statusShown = 0;
      gs.drawStatus = 0;
      if (gs.kickOffHeld == 2) {
        KickOff(gs);  // the intro ended under the pause: the match begins now
      } else if (gs.kickOffHeld == 0) {
        SetTimerEnabled(true);
      }  // else the intro is still drawn, and its end starts the match
      // No tick draws the title: take the status screen off it at once.
      if (gs.GameMode == kModeTitle) Refresh();
    } else {
      SetTimerEnabled(false);
      gs.statusShown = 1;
      gs.drawStatus = 1;
      DrawStatus(f);
    }
  }
}

void Form_KeyUp(Form1& f, int keyCode) {
  GameState& gs = f.gs;
  if (keyCode >= plat::VK_LEFT && keyCode <= plat::VK_DOWN) {
    const size_t d = size_t(keyCode - plat::VK_LEFT);
    // A tap no tick has seen yet waits for one, unless a message or the
    // pause is up: then no tick comes, and the key is simply let go.
    if (gs.arrowPressed[d] != 0 && gs.dialogueState == 0 && gs.statusShown == 0) {
      gs.arrowReleased[d] = 1;
    } else {
      gs.arrowHeld[d] = 0;
      gs.arrowPressed[d] = 0;
      gs.arrowReleased[d] = 0;
    }
  }
  if (keyCode == plat::VK_SHIFT) gs.shiftHeld = 0;
}

}  // namespace moki
