#include "items/item_use.h"

namespace moki {

// Items act only inside a match, which the match engine brings; until then
// an item key changes nothing.
void onItemKey(Form1&, int) {}

}  // namespace moki
