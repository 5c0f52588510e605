// Where the picture sits in a window or on a screen, and the enlargement of
// `fit`: as large as it fits with its shape kept, and sharp. The picture is
// enlarged, as it were, by the smallest whole multiple at least as large as
// the final size, each pixel a square, then taken down to that size in one
// linear step: only the edges between pixels are blended, and every pixel
// keeps the same width.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/surface.h"

namespace plat::internal {

// The picture's box in the window, and the whole multiple it is drawn at
// (for `fit`, the multiple it is taken down from).
struct Placement {
  int x = 0, y = 0, w = 0, h = 0;
  int scale = 1;
};
// The largest whole multiple that fits, centred; a window too small for even
// one keeps the picture's top left corner in view.
Placement PlaceWhole(int windowW, int windowH, int pictureW, int pictureH);
// As large as fits with the shape kept, centred.
Placement PlaceFit(int windowW, int windowH, int pictureW, int pictureH);

class FitScaler {
 public:
  // For a picture of pictureW x pictureH shown at `at`.
  void Prepare(int pictureW, int pictureH, const Placement& at);
  // Draws what area a of the picture touches into a 32-bit picture of dstW x
  // dstH (pitch: pixels from one row to the next). The picture is `top` over
  // `bottom` (top may be null: the picture is bottom alone). Returns the
  // rectangle written.
  Area Draw(const Surface* top, const Surface& bottom, Area a, uint32_t* dst, int dstW, int dstH,
            int pitch) const;

  // An output pixel's share of two neighbouring pixels of the picture.
  struct Tap {
    int a = 0, b = 0;  // the two pixels blended
    uint32_t wb = 0;   // b's share, of 256
  };

 private:
  static std::vector<Tap> Taps(int from, int to, int multiple);
  Placement at_;
  int pictureW_ = 0, pictureH_ = 0;
  std::vector<Tap> cols_, rows_;
};

}  // namespace plat::internal
