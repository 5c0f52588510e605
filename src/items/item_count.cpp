// No item can be used in a match yet, so no effect has a timer to run down.
#include "items/item_count.h"

namespace moki {

void itemCountStep(Form1&) {}

}  // namespace moki
