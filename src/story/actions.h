// The script codes that read or change the game: screens, numbers and names,
// booking, shopping, the bear's prize and the story's turns.
#pragma once

#include "core/window_object.h"

namespace moki {

// Acts on the code character at pos (just after "#") for speaker. Returns
// false when the character is not an action code. Otherwise pos is moved to
// where interpretation goes on.
bool RunActionCode(Form1& f, int speaker, int& pos);

// The text the code at pos (the code character) writes into the message, in
// the game's language: a number, a name, an item or an ability and its
// explanation; empty for the codes that write nothing. Reads the state only.
WString CodeText(const GameState& gs, int pos);
// How many characters the code at pos takes after "#": the code character
// and its operands ("#K" takes none in a room).
int CodeLength(const GameState& gs, int pos);
// What a line break appends for speaker: the break and, for most speakers,
// the indentation of the language.
WString LineBreakText(const GameState& gs, int speaker);

// The no-motivation course: weakens every computer character once.
void ApplyEasyCourse(GameState& gs);

}  // namespace moki
