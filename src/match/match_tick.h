// The timer tick of a match.
#pragma once

#include "core/window_object.h"

namespace moki {

void MatchTimerTick(Form1& f);

}  // namespace moki
