// The bear minigame: the tick of GameMode 3 and its drawing.
#pragma once

#include "core/form1.h"

namespace moki {

void BearTick(Form1& f);
void DrawBearGame(Form1& f);
// Starts the booked minigame when the bear's dialogue has closed.
void StartBearGame(Form1& f);

}  // namespace moki
