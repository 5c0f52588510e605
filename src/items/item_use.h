// Item use in a match: the item keys and what each item does for a side.
#pragma once

#include "core/window_object.h"

namespace moki {

// An item key (slot 0 Z/1, 1 X/2, 2 C/3) pressed during a match: uses the
// item on that key if a piece is left, and takes one piece off.
void onItemKey(Form1& f, int slot);

// Applies one item for the home (0) or the away (1) side. The remote ball
// and the six boosts are the hero's own; the away side has none of them.
void useItem(Form1& f, int side, int item);

}  // namespace moki
