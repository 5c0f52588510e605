#include "platform/surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace plat {

Color QBColor(int index) {
  static const Color kPalette[16] = {
      RGB(0, 0, 0),       RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
      RGB(128, 0, 0),     RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
      RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
      RGB(255, 0, 0),     RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255)};
  return kPalette[((index % 16) + 16) % 16];
}

void Surface::Resize(int width, int height, Color fill) {
  w = std::max(0, width);
  h = std::max(0, height);
  px.assign(size_t(w) * size_t(h), fill);
}

void Surface::Fill(Color c) {
  std::fill(px.begin(), px.end(), c);
}

namespace {
// Row kernels the compiler turns into vector code; a source and a destination
// row never overlap in the game's copies between different surfaces, and a
// blit within one surface first takes a copy of its source area.
inline void CopyRow(uint32_t* __restrict d, const uint32_t* __restrict s, int w) {
  std::memcpy(d, s, size_t(w) * sizeof(uint32_t));
}
__attribute__((optimize("O3"))) void AndRow(uint32_t* __restrict d, const uint32_t* __restrict s,
                                            int w) {
  for (int i = 0; i < w; ++i) d[i] &= s[i];
}
__attribute__((optimize("O3"))) void OrRow(uint32_t* __restrict d, const uint32_t* __restrict s,
                                           int w) {
  for (int i = 0; i < w; ++i) d[i] |= s[i];
}
}  // namespace

void BitBlt(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy,
            Rop rop) {
  // Clip the rectangle against the source and the destination at once: every
  // cut on one side moves the other side's corner by the same amount.
  if (sx < 0) {
    w += sx;
    dx -= sx;
    sx = 0;
  }
  if (sy < 0) {
    h += sy;
    dy -= sy;
    sy = 0;
  }
  if (dx < 0) {
    w += dx;
    sx -= dx;
    dx = 0;
  }
  if (dy < 0) {
    h += dy;
    sy -= dy;
    dy = 0;
  }
  w = std::min({w, src.w - sx, dst.w - dx});
  h = std::min({h, src.h - sy, dst.h - dy});
  if (w <= 0 || h <= 0) return;
  if (&dst == &src) {
    Surface area(w, h);
    BitBlt(area, 0, 0, w, h, src, sx, sy, Rop::Copy);
    BitBlt(dst, dx, dy, w, h, area, 0, 0, rop);
    return;
  }
  const uint32_t* s = src.px.data() + size_t(sy) * size_t(src.w) + size_t(sx);
  uint32_t* d = dst.px.data() + size_t(dy) * size_t(dst.w) + size_t(dx);
  const size_t sStride = size_t(src.w), dStride = size_t(dst.w);
  switch (rop) {
    case Rop::Copy:
      for (int row = 0; row < h; ++row, s += sStride, d += dStride) CopyRow(d, s, w);
      break;
    case Rop::And:
      for (int row = 0; row < h; ++row, s += sStride, d += dStride) AndRow(d, s, w);
      break;
    case Rop::Or:
      for (int row = 0; row < h; ++row, s += sStride, d += dStride) OrRow(d, s, w);
      break;
  }
}

void DrawLine(Surface& s, int x1, int y1, int x2, int y2, Color c) {
  // Bresenham; points outside the surface are skipped one by one, so a line
  // that leaves the surface is still drawn where it crosses it.
  int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
  int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
  int err = dx + dy;
  // A line far outside would take long to walk; such lines are never on screen.
  if (dx > 100000 || -dy > 100000) return;
  for (;;) {
    s.Set(x1, y1, c);
    if (x1 == x2 && y1 == y2) break;
    int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x1 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y1 += sy;
    }
  }
}

void DrawRect(Surface& s, int x1, int y1, int x2, int y2, Color c) {
  DrawLine(s, x1, y1, x2, y1, c);
  DrawLine(s, x2, y1, x2, y2, c);
  DrawLine(s, x2, y2, x1, y2, c);
  DrawLine(s, x1, y2, x1, y1, c);
}

void FillBox(Surface& s, int x1, int y1, int x2, int y2, Color c) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  x1 = std::max(x1, 0);
  y1 = std::max(y1, 0);
  x2 = std::min(x2, s.w - 1);
  y2 = std::min(y2, s.h - 1);
  for (int y = y1; y <= y2; ++y)
    std::fill(&s.px[size_t(y) * size_t(s.w) + size_t(x1)],
              &s.px[size_t(y) * size_t(s.w) + size_t(x2)] + 1, c);
}

void FillCircle(Surface& s, int cx, int cy, int r, Color outline, Color fill) {
  if (r < 0) return;
  long long rr = (long long)r * r;
  long long inner = (long long)(r - 1) * (r - 1);
  int y1 = std::max(cy - r, 0), y2 = std::min(cy + r, s.h - 1);
  int x1 = std::max(cx - r, 0), x2 = std::min(cx + r, s.w - 1);
  for (int y = y1; y <= y2; ++y) {
    for (int x = x1; x <= x2; ++x) {
      long long d = (long long)(x - cx) * (x - cx) + (long long)(y - cy) * (y - cy);
      if (d > rr) continue;
      s.px[size_t(y) * size_t(s.w) + size_t(x)] = (d > inner || r == 0) ? outline : fill;
    }
  }
}

}  // namespace plat
