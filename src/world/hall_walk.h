// Walking on the hall map: the hero, the partner following, the wanderers.
#pragma once

#include "core/window_object.h"

namespace moki {

void HallTick(Form1& f);
void WanderStep(GameState& gs);

}  // namespace moki
