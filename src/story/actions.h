// The script codes that read or change the game: screens, numbers and names,
// booking, shopping, the bear's prize and the story's turns.
#pragma once

#include "core/form1.h"

namespace moki {

// Acts on the code character at pos (just after "#") for speaker. Returns
// false when the character is not an action code. Otherwise pos is moved to
// where interpretation goes on.
bool RunActionCode(Form1& f, int speaker, int& pos);

// The no-motivation course: weakens every computer character once.
void ApplyEasyCourse(GameState& gs);

}  // namespace moki
