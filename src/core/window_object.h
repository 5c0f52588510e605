// Form1: the game's one window object. It owns the game state for the
// program's life and the picture controls (sprite sheets and off-screen
// composition surfaces). Its event handlers live in the shell; every
// subsystem works on the record and the pictures declared here.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "core/game_state.h"
#include "platform/surface.h"

namespace moki {

// The picture controls, with the sizes the game draws them at.
struct Pictures {
  std::array<plat::Surface, 20> Picmap;      // 32 x 32 tile images by tile code
  std::array<plat::Surface, 23> Picfcha;     // 256 x 64 character sheets by cast index
  std::array<plat::Surface, 3> Pickuma;      // the bear: 32 x 64, 64 x 128, 128 x 256
  std::array<plat::Surface, 2> Picyesno;     // 80 x 50 yes/no cursor pictures
  std::array<plat::Surface, 2> PicyesnoOwn;  // the same, drawn in the words of another language
  plat::Surface Picdaiji;                    // 560 x 240 title lettering and mask
  plat::Surface PicdaijiEn;                  // 560 x 240 the same lettering in English
  plat::Surface Picopening;                  // 48 x 96 opening picture and mask
  plat::Surface Picwana4;                    // 64 x 32 sphere obstacle
  std::array<plat::Surface, 2> Picball;      // 36 x 18 balls
  plat::Surface Picfire;                     // 36 x 36 fireball frames
  plat::Surface Picback1;                    // 608 x 448 the hall's frame; a room's tiles
  plat::Surface Picback2;                    // 672 x 512 hall background
  plat::Surface Picture1;                    // 608 x 448 a room, match or bear frame
};

// What the match frame keeps from one frame to the next: the field's tiles,
// and the same with the status line over them, each drawn again only when
// what it shows has changed; and where the last match frame drew over them
// on Picture1, so that only those places need the field put back.
struct MatchBackdrop {
  plat::Surface terrain;
  Grid<kRoomW, kRoomH> terrainOf{};
  bool terrainGoals = false;  // drawn with the goal lines (a match, not the basement)
  bool terrainMade = false;
  plat::Surface withStatus;
  WString statusOf;
  uint64_t withStatusOn = 0;  // the terrain's version it was drawn over
  uint64_t picture1 = 0;      // Picture1's version as the last frame left it
  uint64_t picture1On = 0;    // the version of withStatus that frame was drawn over
  std::vector<plat::Area> drawnOver;
};

struct Form1 {
  GameState gs;
  Pictures pics;
  MatchBackdrop matchBackdrop;
  // White wind streaks (x1, y1, x2, y2) drawn straight on the window over the
  // next match frame shown; they never enter a composed picture.
  std::vector<std::array<int, 4>> windowStreaks;
  // Two moments that the subsystems reach deep inside their own flow and the
  // shell answers (it saves the game, or forgets the save): the party is back
  // at rest after a match result or after the bear's game, and a script has
  // ended the game. Unset in a window built without the shell.
  std::function<void()> atRest;
  std::function<void()> gameEnded;
  // A dialogue has closed: the shell starts what its script booked (a match,
  // the bear's game). Talking sits below the match and the bear's game, so it
  // reaches them only through here. Unset in a window built without the shell.
  std::function<void()> startBooked;
};

// Run the hooks above, when they are set.
void AtRest(Form1& f);
void GameEnded(Form1& f);
void StartBooked(Form1& f);

// Clears the four cursor-key flags and the Shift flag.
void ResetKeys(GameState& gs);
// Shows yes/no picture k, hides the other and sets choiceCursor.
void SetChoice(GameState& gs, int k);
// Writes the start-up values back into frontDX/frontDY (talking across a
// counter doubles one entry for a single look-up).
void RestoreFrontTable(GameState& gs);

}  // namespace moki
