// Masked drawing: a figure is drawn in two passes at the same place, first
// its silhouette with OR (whitening the figure's area), then its picture
// with AND (putting the colours into the white area).
#pragma once

#include "platform/surface.h"

namespace moki {

// Draws the w x h figure whose picture is at (px, py) and whose silhouette is
// at (mx, my) of sheet, at (x, y) of dst.
inline void DrawMasked(plat::Surface& dst, const plat::Surface& sheet, int px, int py, int mx,
                       int my, int w, int h, int x, int y) {
  plat::BitBlt(dst, x, y, w, h, sheet, mx, my, plat::Rop::Or);
  plat::BitBlt(dst, x, y, w, h, sheet, px, py, plat::Rop::And);
}

// A character: column col (facing, +4 for the second walking frame) of a
// 256 x 64 character sheet, at (x, y).
inline void DrawCharacter(plat::Surface& dst, const plat::Surface& sheet, int col, int x, int y) {
  DrawMasked(dst, sheet, 32 * col, 0, 32 * col, 32, 32, 32, x, y);
}

}  // namespace moki
