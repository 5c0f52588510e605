// The key screen (設定 > キー設定): the game's ten keys with what each does,
// the keyboard's keys and the controller's buttons of each. The player picks
// one with Up and Down, the column with Left and Right, presses Space (or
// Enter, or A), then the new key or button; Escape (or Back) leaves it as it
// was, or closes the screen. A key that
// another game key has, or that the window keeps, is refused with a word on
// the screen. A change applies at once and is written to the settings.
#pragma once

#include <string>

#include "core/window_object.h"

namespace moki {

// What the line under the list says.
enum KeyScreenNote : int16_t {
  kNoteHelp = 0,      // how to use the screen
  kNoteWaiting = 1,   // press the new key
  kNoteChanged = 2,   // the key was changed
  kNoteNotSaved = 3,  // changed, but the settings file could not be written
  kNoteUnchanged = 4,
  kNoteTaken = 5,     // another game key has it; still waiting
  kNoteReserved = 6,  // the window keeps it; still waiting
};

// Shows the screen and returns when the player closes it. The game stands
// still meanwhile, whatever it was doing: the timer stops, the message window
// and a question are hidden, and all of it comes back as it was.
void OpenKeyScreen(Form1& f);
// A key of the game while the screen is up (every key goes here then).
void KeyScreenKey(Form1& f, int keyCode);
// The keyboard key the player pressed, by name, while the screen waited for
// a new key; false when it was not waiting.
bool KeyScreenKeyChosen(Form1& f, const std::string& name);
// Draws the screen over the window's picture.
void DrawKeyScreen(Form1& f);

}  // namespace moki
