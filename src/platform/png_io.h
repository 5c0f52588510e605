// Reading and writing PNG pictures (the sprite sheets, captured frames).
#pragma once

#include <string>

#include "platform/surface.h"

namespace plat {

// Loads an 8-bit RGB or RGBA PNG (alpha is dropped); on failure returns false
// and says why in err.
bool LoadPng(const std::string& path, Surface& out, std::string& err);
// Writes s as an 8-bit RGB PNG.
bool SavePng(const std::string& path, const Surface& s, std::string& err);

}  // namespace plat
