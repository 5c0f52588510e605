// The match: the tick of GameMode 4 and the match frame.
#pragma once

#include "core/form1.h"

namespace moki {

void MatchTimerTick(Form1& f);
void DrawMatch(Form1& f);
// Starts a booked match when its dialogue has closed.
void StartMatch(Form1& f);

}  // namespace moki
