// Waits that keep the window alive: they handle pending events (keys,
// repaints, menu) while they wait, as the game's dialogues and animations do.
#pragma once

#include <cstdint>
#include <functional>

namespace moki {

// Handles events until pred() becomes false.
void WaitWhile(const std::function<bool()>& pred);
// Handles events until the tick count is more than ms past its value now.
void WaitMs(uint32_t ms);

}  // namespace moki
