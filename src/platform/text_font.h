// The font behind text.h: where the glyphs come from. The desktop and the
// headless build render them with SDL_ttf from the installed font
// (text_ttf.cpp); the browser has no font renderer and draws the same glyphs,
// made at build time from that font, from a file (text_baked.cpp).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/text.h"

namespace plat::font {

constexpr int kPixels = 16;  // 12 point at 96 dpi

// Opens the font; safe to call more than once.
bool Open(std::string& err);
// How wide a line is, as the line would be laid out.
int Width(const std::u32string& text, FontKind kind);
// A line as the font renders it: how much of each pixel the glyphs cover
// (0..255), w x h, row by row.
bool Render(const std::u32string& text, FontKind kind, int& w, int& h, std::vector<uint8_t>& cover);

}  // namespace plat::font

namespace plat::font {
// For the build's glyph sheet: whether the font has c, and its advance and
// the left edge of its picture from the pen.
bool Metrics(char32_t c, FontKind kind, int& advance, int& minX);
}  // namespace plat::font
