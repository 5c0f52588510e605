// The computer's item choices: each side plays the schedule of its forward's
// cast, two digits a step.
#pragma once

#include "core/window_object.h"

namespace moki {

// One count of a side's schedule (0 home, by homeCastIndex; 1 away, by
// opponentCast): on a lucky draw the item at the side's cursor is used and
// the cursor moves on, back to the start after one empty step past the end.
void ScheduleStep(Form1& f, int side);

}  // namespace moki
