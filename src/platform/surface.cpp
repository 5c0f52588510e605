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

namespace {
uint64_t g_count = 0;  // the last version given
uint64_t g_ids = 0;    // the last picture's id given
constexpr int kCellW = CellStamps::kW, kCellH = CellStamps::kH;

bool Known(const Surface& s) {
  const int cols = (s.w + kCellW - 1) / kCellW, rows = (s.h + kCellH - 1) / kCellH;
  return s.cells.cols == cols && s.cells.at.size() == size_t(cols) * size_t(rows);
}

// Stamps every cell of the picture with v.
void StampAll(Surface& s, uint64_t v) {
  s.cells.cols = (s.w + kCellW - 1) / kCellW;
  s.cells.at.assign(size_t(s.cells.cols) * size_t((s.h + kCellH - 1) / kCellH), v);
}

// Remembers the copy just made onto dst, as of now.
void Remember(Surface& dst, CellStamps::Copy copy) {
  copy.when = g_count;
  dst.cells.last = copy;
}

// Stamps the cells under the rectangle (clipped to the picture) with v.
void Stamp(Surface& s, int x0, int y0, int x1, int y1, uint64_t v) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, s.w);
  y1 = std::min(y1, s.h);
  if (x0 >= x1 || y0 >= y1) return;
  for (int r = y0 / kCellH; r <= (y1 - 1) / kCellH; ++r)
    for (int c = x0 / kCellW; c <= (x1 - 1) / kCellW; ++c)
      s.cells.at[size_t(r) * size_t(s.cells.cols) + size_t(c)] = v;
}

// Whether no cell under the rectangle, which lies inside the picture, has
// been drawn on after the count `when`; the picture's cells are known.
bool Still(const Surface& s, int x0, int y0, int x1, int y1, uint64_t when) {
  for (int r = y0 / kCellH; r <= (y1 - 1) / kCellH; ++r)
    for (int c = x0 / kCellW; c <= (x1 - 1) / kCellW; ++c)
      if (s.cells.at[size_t(r) * size_t(s.cells.cols) + size_t(c)] > when) return false;
  return true;
}
}  // namespace

CellStamps::CellStamps() : id(++g_ids) {}

CellStamps& CellStamps::operator=(const CellStamps&) {
  at.clear();
  cols = 0;
  id = ++g_ids;
  last = Copy{};
  return *this;
}

void Surface::Drawn() {
  version = ++g_count;
  StampAll(*this, version);
}

void Surface::Drawn(int x0, int y0, int x1, int y1) {
  if (!Known(*this)) return Drawn();
  version = ++g_count;
  Stamp(*this, x0, y0, x1, y1, version);
}

void Surface::Resize(int width, int height, Color fill) {
  w = std::max(0, width);
  h = std::max(0, height);
  px.assign(size_t(w) * size_t(h), fill);
  Drawn();
}

void Surface::Fill(Color c) {
  std::fill(px.begin(), px.end(), c);
  Drawn();
}

namespace {
constexpr int kWideCopy = 128;  // pixels in a row
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

namespace {
// A wide copy looks first whether each row already holds those pixels
// (about as fast as copying): a picture drawn again unchanged, as a frame
// standing still is, keeps its version. The same copy made again looks only
// at the cells either picture was drawn on since.
void WideCopy(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy) {
  const CellStamps::Copy copy{src.cells.id, sx, sy, dx, dy, w, h, 0};
  const bool again = dst.cells.last.SamePlace(copy) && Known(dst) && Known(src);
  const uint64_t since = dst.cells.last.when;
  // A picture just copied whole has cells nobody has compared with theirs:
  // they are as of now.
  if (!Known(dst)) StampAll(dst, g_count);
  uint64_t drawn = 0;
  // Band by band of the destination's cells, and in a band cell by cell
  // when the copy is made again, else row by row.
  for (int y0 = dy; y0 < dy + h;) {
    const int y1 = std::min(dy + h, (y0 / kCellH + 1) * kCellH);
    for (int x0 = dx; x0 < dx + w;) {
      const int x1 = again ? std::min(dx + w, (x0 / kCellW + 1) * kCellW) : dx + w;
      const int fromX = x0 - dx + sx, fromY = y0 - dy + sy;
      if (again && Still(dst, x0, y0, x1, y1, since) &&
          Still(src, fromX, fromY, fromX + x1 - x0, fromY + y1 - y0, since)) {
        x0 = x1;
        continue;
      }
      bool changed = false;
      for (int y = y0; y < y1; ++y) {
        uint32_t* d = &dst.px[size_t(y) * size_t(dst.w) + size_t(x0)];
        const uint32_t* s = &src.px[size_t(fromY + y - y0) * size_t(src.w) + size_t(fromX)];
        if (std::memcmp(d, s, size_t(x1 - x0) * sizeof(uint32_t)) == 0) continue;
        CopyRow(d, s, x1 - x0);
        changed = true;
      }
      if (changed) {
        if (drawn == 0) drawn = ++g_count;
        Stamp(dst, x0, y0, x1, y1, drawn);
      }
      x0 = x1;
    }
    y0 = y1;
  }
  if (drawn != 0) dst.version = drawn;
  Remember(dst, copy);
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
  if (rop == Rop::Copy && w >= kWideCopy) {
    WideCopy(dst, dx, dy, w, h, src, sx, sy);
    return;
  }
  const uint32_t* s = src.px.data() + size_t(sy) * size_t(src.w) + size_t(sx);
  uint32_t* d = dst.px.data() + size_t(dy) * size_t(dst.w) + size_t(dx);
  const size_t sStride = size_t(src.w), dStride = size_t(dst.w);
  dst.Drawn(dx, dy, dx + w, dy + h);
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
  if (x1 > x2 || y1 > y2) return;
  s.Drawn(x1, y1, x2 + 1, y2 + 1);
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
  s.Drawn(x1, y1, x2 + 1, y2 + 1);
  for (int y = y1; y <= y2; ++y) {
    for (int x = x1; x <= x2; ++x) {
      long long d = (long long)(x - cx) * (x - cx) + (long long)(y - cy) * (y - cy);
      if (d > rr) continue;
      s.px[size_t(y) * size_t(s.w) + size_t(x)] = (d > inner || r == 0) ? outline : fill;
    }
  }
}

}  // namespace plat

namespace plat {

namespace {
CellStamps::Copy WholeCopy(const Surface& of) {
  return CellStamps::Copy{of.cells.id, 0, 0, 0, 0, of.w, of.h, 0};
}
}  // namespace

std::vector<Area> ChangedAreas(const Surface& before, const Surface& now, int cellW, int cellH) {
  if (now.w <= 0 || now.h <= 0) return {};
  if (before.w != now.w || before.h != now.h || before.px.size() != now.px.size())
    return {Area{0, 0, now.w, now.h}};
  cellW = std::max(1, cellW);
  cellH = std::max(1, cellH);
  // Cells neither picture was drawn on since before caught up with now are
  // as they were.
  const bool again = before.cells.last.SamePlace(WholeCopy(now)) && Known(before) && Known(now);
  const uint64_t since = before.cells.last.when;
  const int cols = (now.w + cellW - 1) / cellW, rows = (now.h + cellH - 1) / cellH;
  std::vector<Area> done;
  std::vector<Area> open;  // rectangles that reached the row of cells above
  std::vector<char> changed(size_t(cols), 0), look(size_t(cols), 1);
  std::vector<Area> next;
  for (int r = 0; r < rows; ++r) {
    std::fill(changed.begin(), changed.end(), char(0));
    const int y0 = r * cellH, y1 = std::min(now.h, y0 + cellH);
    int left = cols;  // cells of this row of cells still to be looked at
    for (int c = 0; c < cols; ++c) {
      const int x0 = c * cellW, x1 = std::min(now.w, x0 + cellW);
      look[size_t(c)] =
          !(again && Still(before, x0, y0, x1, y1, since) && Still(now, x0, y0, x1, y1, since));
      left -= look[size_t(c)] ? 0 : 1;
    }
    // With every cell to be looked at, a whole row is compared first: most
    // rows of a frame are as they were, and only a row that differs is
    // looked at cell by cell.
    const bool wholeRows = left == cols;
    for (int y = y0; y < y1 && left > 0; ++y) {
      const size_t row = size_t(y) * size_t(now.w);
      if (wholeRows && std::memcmp(&before.px[row], &now.px[row], size_t(now.w) * 4) == 0) continue;
      for (int c = 0; c < cols; ++c) {
        if (!look[size_t(c)]) continue;
        const int x0 = c * cellW, n = std::min(now.w, x0 + cellW) - x0;
        const size_t at = row + size_t(x0);
        if (std::memcmp(&before.px[at], &now.px[at], size_t(n) * 4) != 0) {
          changed[size_t(c)] = 1;
          look[size_t(c)] = 0;
          --left;
        }
      }
    }
    next.clear();
    for (int c = 0; c < cols;) {
      if (!changed[size_t(c)]) {
        ++c;
        continue;
      }
      int end = c;
      while (end < cols && changed[size_t(end)]) ++end;
      Area run{c * cellW, y0, std::min(now.w, end * cellW) - c * cellW, y1 - y0};
      auto above = std::find_if(open.begin(), open.end(),
                                [&](const Area& a) { return a.x == run.x && a.w == run.w; });
      if (above != open.end()) {
        run.y = above->y;
        run.h = y1 - above->y;
        open.erase(above);
      }
      next.push_back(run);
      c = end;
    }
    done.insert(done.end(), open.begin(), open.end());
    open.swap(next);
  }
  done.insert(done.end(), open.begin(), open.end());
  return done;
}

std::vector<Area> CatchUp(Surface& shown, const Surface& now) {
  std::vector<Area> areas = ChangedAreas(shown, now);
  for (const Area& a : areas) BitBlt(shown, a.x, a.y, a.w, a.h, now, a.x, a.y, Rop::Copy);
  if (shown.w == now.w && shown.h == now.h) Remember(shown, WholeCopy(now));
  return areas;
}

Area ScaleArea(const Surface& src, Area a, int scale, uint32_t* dst, int dstW, int dstH, int pitch,
               int ox, int oy) {
  // Keep to the source first, then to the picture.
  const int sx0 = std::max(0, a.x), sy0 = std::max(0, a.y);
  const int sx1 = std::min(src.w, a.x + a.w), sy1 = std::min(src.h, a.y + a.h);
  if (scale < 1 || sx0 >= sx1 || sy0 >= sy1) return {};
  const int dx0 = std::max(0, ox + sx0 * scale), dy0 = std::max(0, oy + sy0 * scale);
  const int dx1 = std::min(dstW, ox + sx1 * scale), dy1 = std::min(dstH, oy + sy1 * scale);
  if (dx0 >= dx1 || dy0 >= dy1) return {};
  for (int dy = dy0; dy < dy1; ++dy) {
    uint32_t* out = dst + size_t(dy) * size_t(pitch);
    const int sy = (dy - oy) / scale;
    // Every picture row of one source row is the same: copy the first.
    if (dy > dy0 && (dy - oy) % scale != 0) {
      std::memcpy(out + dx0, out - pitch + dx0, size_t(dx1 - dx0) * 4);
      continue;
    }
    const uint32_t* in = &src.px[size_t(sy) * size_t(src.w)];
    if (scale == 1) {
      std::memcpy(out + dx0, in + (dx0 - ox), size_t(dx1 - dx0) * 4);
      continue;
    }
    int sx = (dx0 - ox) / scale, left = scale - (dx0 - ox) % scale;
    for (int dx = dx0; dx < dx1; ++sx, left = scale) {
      const uint32_t v = in[sx];
      for (const int end = std::min(dx1, dx + left); dx < end; ++dx) out[dx] = v;
    }
  }
  return {dx0, dy0, dx1 - dx0, dy1 - dy0};
}

uint32_t PictureHash(const Surface& s) {
  uint64_t h = 1469598103934665603ull;
  for (uint32_t p : s.px) {
    h ^= p;
    h *= 1099511628211ull;
  }
  return uint32_t(h ^ (h >> 32));
}

}  // namespace plat
