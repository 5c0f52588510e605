// A new game: from the menu's スタート to walking in the hall.
#include "platform/platform.h"
#include "shell/save_game.h"
#include "shell/window_events.h"
#include "core/waits.h"
#include "story/dialogue.h"
#include "world/hall_walk.h"
#include "world/new_game.h"
#include "world/walk_common.h"
#include "shell/menu_ids.h"

namespace moki {

void StartNewGame(Form1& f) {
  GameState& gs = f.gs;
  if (!MayStartAnew(gs)) return;            // the player keeps a newer game's save
  plat::SetMenuEnabled(kMenuStart, false);  // no second game while this one runs
  plat::SetMenuEnabled(kMenuContinue, false);
  ResetKeys(gs);
  plat::SetTimerEnabled(false);
  SetupNewGame(gs);
  gs.GameMode = kModeHall;
  plat::Refresh();

  // The opening conversation with the partner.
  OpenDialogue(f, 1);
  WaitWhile([&] { return gs.dialogueState != 0; });
  if (gs.GameMode != kModeHall) return;  // the opening ended the game

  // Walk two cells into the hall, then close the entrance behind the party.
  gs.arrowHeld[1] = 1;
  HallTick(f);
  HallTick(f);
  gs.arrowHeld[1] = 0;
  ShutHallEntrance(gs);
  plat::SetTimerEnabled(true);
}

}  // namespace moki
