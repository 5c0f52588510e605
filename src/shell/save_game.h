// The saved game: one file in the player's data folder, written at rest (back
// in the hall after a match result, after the bear's game, when the player
// quits while walking) and read by つづきから. It holds what a player would
// notice of a game; the fixed tables, the hall's tiles and everyone's marks
// on the grids are rebuilt from it.
#pragma once

#include <string>

#include "core/window_object.h"

namespace moki {

#ifndef MOKI_SAVE_NEXT
constexpr int kSaveVersion = 1;
#else
constexpr int kSaveVersion = 2;  // a test build's next version, one value more
#endif

// $XDG_DATA_HOME/mokimoki/save.json.
std::string SavePath();

// The save's text for a game at rest (GameMode 1 or 2, no dialogue).
std::string SaveGame(const GameState& gs);

// Reads a save's text into out, which holds the title's state (the fixed
// tables). Every value is checked before any is applied: on failure out is
// untouched and why says in plain words what is wrong. Reads the hall map
// file, as a new game does.
bool LoadSave(const std::string& text, GameState& out, std::string& why);

// Whether the game stands at rest: walking in the hall or a room, with no
// dialogue, status screen, ranking or match up and nothing booked.
bool AtRestNow(const GameState& gs);

// Claims the save for this copy of the game, at start, and clears what
// writes cut short left beside it. A second copy started on the same save
// plays on without writing or removing it, and is told so by TellSaveInUse
// when the window has its language.
void ClaimSave(const GameState& gs);
void TellSaveInUse(const GameState& gs);
// Whether スタート may begin a new game: over a save made by a newer version
// of the game only when the player, told so, answers yes.
bool MayStartAnew(const GameState& gs);
// Writes the save now; a failure is told in a message box, and the game goes
// on. A save つづきから could not set aside is not written over.
void WriteSave(const GameState& gs);
// Saves if the game is at rest (the player quits or closes the window).
void SaveIfAtRest(const GameState& gs);
// The game is over: its save goes, and つづきから with it.
void ForgetSave();
// Enables つづきから when there is a save.
void UpdateContinueItem();
// つづきから: reads the save and resumes where the party stood, or says what is
// wrong with it, keeps it beside as save.json.bad (.bad.2, ...) and stays on
// the title. A newer game's save, and anything but a plain file, stays where
// it is.
void ContinueGame(Form1& f);

}  // namespace moki
