// The once-a-second item timers of a match and the computer's item choices.
#pragma once

#include "core/window_object.h"

namespace moki {

// Run by the match clock once per count while the match is not frozen, before
// the count is taken: caught timers, rubbers, sphere ages, reversed shots,
// sticky balls, blackout, fake balls, remote ball, then the item choices of
// the away side and of the home side.
void itemCountStep(Form1& f);

}  // namespace moki
