// The window's own colours: the background around the title pictures and the
// ranking list, and the normal text colour.
#pragma once

#include "platform/surface.h"

namespace moki {

constexpr plat::Color kWindowBackground = plat::RGB(255, 250, 236);
constexpr plat::Color kWindowText = plat::RGB(52, 40, 96);

}  // namespace moki
