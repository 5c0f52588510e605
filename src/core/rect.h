// Integer rectangles and their intersection, for the hit tests of the match
// and the bear's game. Right and bottom edges are exclusive, so two boxes that
// only touch do not hit.
#pragma once

#include <algorithm>

namespace moki {

struct IRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Whether the two rectangles share at least one pixel.
inline bool IntersectRect(const IRect& a, const IRect& b) {
  return std::max(a.left, b.left) < std::min(a.right, b.right) &&
         std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

}  // namespace moki
