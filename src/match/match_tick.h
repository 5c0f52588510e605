// The timer tick of a match.
#pragma once

#include "core/form1.h"

namespace moki {

void MatchTimerTick(Form1& f);

}  // namespace moki
