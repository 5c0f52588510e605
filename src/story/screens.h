// The status screen and the ranking screen, drawn straight onto the window.
#pragma once

#include "core/window_object.h"

namespace moki {

void DrawStatus(Form1& f);
void DrawRanking(Form1& f);

}  // namespace moki
