// Off-screen pictures and the drawing operations the game composes frames
// with: BitBlt with the copy, AND and OR raster operations (masked sprites are
// an OR of the silhouette followed by an AND of the picture), lines, boxes,
// circles. Pure pixel code: no SDL here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <vector>

namespace plat {

using Color = uint32_t;  // 0x00RRGGBB

constexpr Color RGB(int r, int g, int b) {
  return (uint32_t(r & 255) << 16) | (uint32_t(g & 255) << 8) | uint32_t(b & 255);
}
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;

// The standard 16-colour palette (QBColor 0..15); indices outside wrap.
Color QBColor(int index);

// Pixel buffers start on a page boundary. Two buffers whose starts differ by
// a few bytes modulo 4 KiB make the processor take a copy's reads for the
// writes just made (4K aliasing), which slows a full-frame copy about tenfold.
template <class T>
struct PageAligned {
  using value_type = T;
  PageAligned() = default;
  template <class U>
  PageAligned(const PageAligned<U>&) {}
  T* allocate(size_t n) {
    return static_cast<T*>(::operator new(n * sizeof(T), std::align_val_t(4096)));
  }
  void deallocate(T* p, size_t) { ::operator delete(p, std::align_val_t(4096)); }
  template <class U>
  bool operator==(const PageAligned<U>&) const {
    return true;
  }
};
using Pixels = std::vector<uint32_t, PageAligned<uint32_t>>;

// When each cell of a picture (32 x 16 pixels) was last drawn on, counted
// as the versions are, and the last wide copy made onto it. A copy made
// again from the same place need not look at the cells neither picture has
// been drawn on since: a frame of the hall drawn over the last one compares
// only the cells its people stand on. A picture copied whole is a new
// picture to these, its cells unknown.
struct CellStamps {
  static constexpr int kW = 32, kH = 16;
  struct Copy {
    uint64_t from = 0;  // the source's id; 0: none
    int sx = 0, sy = 0, dx = 0, dy = 0, w = 0, h = 0;
    uint64_t when = 0;  // the count when the copy was done
    bool SamePlace(const Copy& o) const {
      return from == o.from && sx == o.sx && sy == o.sy && dx == o.dx && dy == o.dy && w == o.w &&
             h == o.h;
    }
  };
  std::vector<uint64_t> at;  // row by row of cells; empty while not known
  int cols = 0;              // cells in a row
  uint64_t id;               // this picture, among all there have been
  Copy last;

  CellStamps();
  CellStamps(const CellStamps&) : CellStamps() {}
  CellStamps& operator=(const CellStamps&);
};

struct Surface {
  int w = 0, h = 0;
  Pixels px;  // row-major, 0x00RRGGBB
  // A number no other picture's state has: it changes whenever the picture
  // is drawn on by the functions here, and a copy carries it along. Whoever
  // remembers it can tell later, without looking at the pixels, that the
  // picture is still as it was. Setting a pixel to the colour it has, or a
  // wide BitBlt copy of the pixels already there, is no drawing.
  uint64_t version = 0;
  CellStamps cells;

  Surface() = default;
  Surface(int width, int height, Color fill = kWhite) { Resize(width, height, fill); }
  void Resize(int width, int height, Color fill = kWhite);
  uint32_t At(int x, int y) const { return px[size_t(y) * size_t(w) + size_t(x)]; }
  void Set(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    uint32_t& p = px[size_t(y) * size_t(w) + size_t(x)];
    if (p == c) return;
    p = c;
    Drawn(x, y, x + 1, y + 1);
  }
  void Fill(Color c);
  // Gives the picture a new version; every drawing function calls one of
  // these, naming the rectangle it drew in when it knows it.
  void Drawn();
  void Drawn(int x0, int y0, int x1, int y1);  // columns x0 .. x1 - 1, rows y0 .. y1 - 1
};

enum class Rop { Copy, And, Or };

// Copies the w x h area of src at (sx, sy) to dst at (dx, dy) combining the
// pixels by rop. Clipped against both surfaces; any part outside either one
// is simply not drawn.
void BitBlt(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy,
            Rop rop);

// One-pixel line from (x1, y1) to (x2, y2), both ends included.
void DrawLine(Surface& s, int x1, int y1, int x2, int y2, Color c);
// Rectangle outline with corners (x1, y1) and (x2, y2), both included.
void DrawRect(Surface& s, int x1, int y1, int x2, int y2, Color c);
// Filled box with corners (x1, y1) and (x2, y2), both included.
void FillBox(Surface& s, int x1, int y1, int x2, int y2, Color c);
// Circle of radius r around (cx, cy), filled with fill and outlined with outline.
void FillCircle(Surface& s, int cx, int cy, int r, Color outline, Color fill);

// A rectangle of pixels: left, top, width, height.
struct Area {
  int x = 0, y = 0, w = 0, h = 0;
};

// A hash of a picture's pixels (FNV-1a, folded to 32 bits): frames compared
// between two builds, or with a table kept by a test.
uint32_t PictureHash(const Surface& s);

// Where now differs from before, as rectangles that together cover every
// changed pixel and nothing outside now. The picture is looked at in cells
// of cellW x cellH; changed cells side by side in a row of cells make one
// rectangle, and a rectangle grows downwards while the row below has changed
// cells over exactly the same columns. Pictures of different sizes differ
// everywhere. Comparing is one pass over the pixels at most.
std::vector<Area> ChangedAreas(const Surface& before, const Surface& now, int cellW = 32,
                               int cellH = 16);
// Brings shown up to now, a picture of its size, and returns the areas that
// changed (ChangedAreas). Next time only the cells drawn on since are looked at.
std::vector<Area> CatchUp(Surface& shown, const Surface& now);

// Draws area a of src enlarged by the whole factor scale into a 32-bit
// picture of dstW x dstH pixels (pitch: pixels from one row to the next),
// the src pixel (x, y) becoming the square at (ox + x * scale, oy + y * scale).
// Whatever falls outside the picture is left out. Returns the rectangle of
// the picture that was written (empty when nothing was).
Area ScaleArea(const Surface& src, Area a, int scale, uint32_t* dst, int dstW, int dstH, int pitch,
               int ox, int oy);

}  // namespace plat
