// Item use in a match: the item keys.
#pragma once

#include "core/form1.h"

namespace moki {

// An item key (slot 0 Z/1, 1 X/2, 2 C/3) pressed during a match.
void onItemKey(Form1& f, int slot);

}  // namespace moki
