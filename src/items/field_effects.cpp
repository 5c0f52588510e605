// Items on the field. No item can be used in a match yet, so no trap, wind,
// earthquake, fake ball or sphere is ever on the field and these steps have
// nothing to act on.
#include "items/field_effects.h"

namespace moki {

void TrapTest(Form1&, int) {}
void MoveFakeBalls(GameState&) {}
void WindStep(Form1&) {}
void QuakeStep(GameState&) {}
void SphereBounce(GameState&) {}

}  // namespace moki
