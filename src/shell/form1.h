// Form1: the game's one window object. It owns the game state for the
// program's life and the picture controls (sprite sheets and off-screen
// composition surfaces), and carries the window's event handlers.
#pragma once

#include <array>

#include "platform/surface.h"
#include "shell/game_state.h"

namespace moki {

// The picture controls, with the sizes the game draws them at.
struct Pictures {
  std::array<plat::Surface, 20> Picmap;   // 32 x 32 tile images by tile code
  std::array<plat::Surface, 23> Picfcha;  // 256 x 64 character sheets by cast index
  std::array<plat::Surface, 3> Pickuma;   // the bear: 32 x 64, 64 x 128, 128 x 256
  std::array<plat::Surface, 2> Picyesno;  // 80 x 50 yes/no cursor pictures
  plat::Surface Picdaiji;                 // 560 x 240 title lettering and mask
  plat::Surface Picopening;               // 48 x 96 opening picture and mask
  plat::Surface Picwana4;                 // 64 x 32 sphere obstacle
  std::array<plat::Surface, 2> Picball;   // 36 x 18 balls
  plat::Surface Picfire;                  // 36 x 36 fireball frames
  plat::Surface Picback1;                 // 608 x 448 composition buffer
  plat::Surface Picback2;                 // 672 x 512 hall background
  plat::Surface Picture1;                 // 608 x 448 composition buffer
};

struct Form1 {
  GameState gs;
  Pictures pics;
};

// --- Event handlers (the window's own names) -------------------------------
void Form_Load(Form1& f);
void f1_Click(Form1& f, int index);
void Timer1_Timer(Form1& f);
void Form_KeyDown(Form1& f, int keyCode);
void Form_KeyUp(Form1& f, int keyCode);
void Form_Paint(Form1& f);

// Connects the handlers above to the platform's window.
void ConnectWindow(Form1& f);

// --- Start-up ----------------------------------------------------------------
void InitControls(Form1& f);
void InitTables(GameState& gs);
// Loads every sprite sheet from the assets folder; a missing or damaged file
// stops the program with a message naming it.
void LoadPictures(Pictures& pics);

// Writes the start-up values back into frontDX/frontDY (talking across a
// counter doubles one entry for a single look-up).
void RestoreFrontTable(GameState& gs);

// --- Keys -------------------------------------------------------------------------
void ResetKeys(GameState& gs);
void SetChoice(GameState& gs, int k);

// --- The game's lifecycle -----------------------------------------------------
void StartNewGame(Form1& f);

}  // namespace moki
