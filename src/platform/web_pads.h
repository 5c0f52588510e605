// Controllers in the page, through the Gamepad API. They have no events of
// their own: the browser's backend looks at them while the game waits.
#pragma once

namespace plat::internal {

// Looks at the controllers and hands what changed since the last look to
// the game (PadKey); true when something did.
bool LookAtWebPads();
// Whether a controller was there at the last look.
bool WebPadPresent();

}  // namespace plat::internal
