#include "minigame/bear_game.h"

namespace moki {

// The minigame is not in the game yet: a booking is dropped and the room goes on.
void BearTick(Form1&) {}
void DrawBearGame(Form1&) {}
void StartBearGame(Form1& f) {
  f.gs.bearGamePending = 0;
}

}  // namespace moki
