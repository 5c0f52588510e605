// The still pictures of the hall and of a room (the repaint).
#pragma once

#include "core/window_object.h"

namespace moki {

void DrawHallView(Form1& f);
void DrawRoomView(Form1& f);
// Rebuilds Picback2, the tiles around the hero.
void BuildHallBackground(Form1& f);

}  // namespace moki
