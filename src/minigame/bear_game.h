// The bear minigame: its start after the bear's dialogue, the tick of
// GameMode 3 and its drawing.
#pragma once

#include "core/window_object.h"

namespace moki {

// Runs when the bear's dialogue closes with the game booked: the bear and the
// hero take their places in the room, then the game begins.
void StartBearGame(Form1& f);
// The beginning of the game itself, in the room the bear waits in: the level
// of the bear, the hero on his cell's pixels, the bear and the fireball at
// their starting places, GameMode 3.
void SetUpBearGame(Form1& f);
// One tick of the game: the hero, the bear, the fireball, the hits; a hit
// shows a red X over the loser for a second and hands back to the room.
void bearStep(Form1& f);
// The frame timer's tick in GameMode 3.
inline void BearTick(Form1& f) {
  bearStep(f);
}

// Composes the game on Picture1 and copies it to the window.
void DrawBearGame(Form1& f);
// The red X over the hero (the bear won) or over the bear's picture (the hero
// won), straight onto the window.
void DrawLoserCross(Form1& f, bool bearLost);

}  // namespace moki
