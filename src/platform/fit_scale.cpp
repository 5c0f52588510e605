#include "platform/fit_scale.h"

#include <algorithm>
#include <cmath>

namespace plat::internal {

Placement PlaceWhole(int windowW, int windowH, int pictureW, int pictureH) {
  Placement p;
  p.scale = std::max(1, std::min(windowW / pictureW, windowH / pictureH));
  p.w = pictureW * p.scale;
  p.h = pictureH * p.scale;
  p.x = std::max(0, (windowW - p.w) / 2);
  p.y = std::max(0, (windowH - p.h) / 2);
  return p;
}

Placement PlaceFit(int windowW, int windowH, int pictureW, int pictureH) {
  Placement p;
  // The side that meets the window's edge first decides; the other is rounded.
  if (int64_t(windowW) * pictureH <= int64_t(windowH) * pictureW) {
    p.w = windowW;
    p.h = int(std::lround(double(windowW) * pictureH / pictureW));
  } else {
    p.h = windowH;
    p.w = int(std::lround(double(windowH) * pictureW / pictureH));
  }
  p.w = std::max(1, p.w);
  p.h = std::max(1, p.h);
  p.x = (windowW - p.w) / 2;
  p.y = (windowH - p.h) / 2;
  p.scale = std::max((p.w + pictureW - 1) / pictureW, (p.h + pictureH - 1) / pictureH);
  return p;
}

// From `from` pixels to `to` by way of from * multiple: output pixel i
// covers a stretch of the enlarged picture no longer than two of its pixels,
// so it falls within one pixel of the picture or across the edge of two,
// and takes each by the part of the stretch it covers. Every pixel of the
// picture so gets the same width, to = from * (to / from).
std::vector<FitScaler::Tap> FitScaler::Taps(int from, int to, int multiple) {
  std::vector<Tap> taps(size_t(std::max(0, to)));
  const double step = double(from) * multiple / to;
  for (int i = 0; i < to; ++i) {
    const double lo = i * step, hi = (i + 1) * step;
    Tap& t = taps[size_t(i)];
    t.a = std::min(from - 1, int(lo / multiple));
    const int b = std::min(from - 1, int(std::ceil(hi / multiple)) - 1);
    if (b <= t.a) {
      t.b = t.a;
      continue;
    }
    t.b = std::min(b, t.a + 1);
    t.wb = uint32_t(std::lround((hi - double(t.b) * multiple) / step * 256));
    if (t.wb == 0) t.b = t.a;
    if (t.wb >= 256) t = Tap{t.b, t.b, 0};
  }
  return taps;
}

void FitScaler::Prepare(int pictureW, int pictureH, const Placement& at) {
  if (at.x == at_.x && at.y == at_.y && at.w == at_.w && at.h == at_.h && at.scale == at_.scale &&
      pictureW == pictureW_ && pictureH == pictureH_)
    return;
  at_ = at;
  pictureW_ = pictureW;
  pictureH_ = pictureH;
  cols_ = Taps(pictureW, at.w, at.scale);
  rows_ = Taps(pictureH, at.h, at.scale);
}

namespace {

uint32_t Mix(uint32_t p, uint32_t q, uint32_t wq) {
  if (wq == 0 || p == q) return p;
  const uint32_t wp = 256 - wq;
  const uint32_t rb = (((p & 0xFF00FF) * wp + (q & 0xFF00FF) * wq) >> 8) & 0xFF00FF;
  const uint32_t g = (((p & 0x00FF00) * wp + (q & 0x00FF00) * wq) >> 8) & 0x00FF00;
  return rb | g;
}

// The first and one past the last output pixel whose taps touch [lo, hi).
void Span(const std::vector<FitScaler::Tap>& taps, int lo, int hi, int& first, int& end) {
  first = 0;
  while (first < int(taps.size()) && taps[size_t(first)].b < lo) ++first;
  end = first;
  while (end < int(taps.size()) && taps[size_t(end)].a < hi) ++end;
}

}  // namespace

Area FitScaler::Draw(const Surface* top, const Surface& bottom, Area a, uint32_t* dst, int dstW,
                     int dstH, int pitch) const {
  const int split = top ? top->h : 0;
  auto row = [&](int y) {
    return y < split ? &top->px[size_t(y) * size_t(top->w)]
                     : &bottom.px[size_t(y - split) * size_t(bottom.w)];
  };
  int c0, c1, r0, r1;
  Span(cols_, a.x, a.x + a.w, c0, c1);
  Span(rows_, a.y, a.y + a.h, r0, r1);
  // Keep to the window.
  c0 = std::max(c0, -at_.x);
  r0 = std::max(r0, -at_.y);
  c1 = std::min(c1, dstW - at_.x);
  r1 = std::min(r1, dstH - at_.y);
  if (c0 >= c1 || r0 >= r1) return {};
  for (int r = r0; r < r1; ++r) {
    const Tap& ty = rows_[size_t(r)];
    const uint32_t *above = row(ty.a), *below = row(ty.b);
    uint32_t* out = dst + size_t(at_.y + r) * size_t(pitch) + size_t(at_.x);
    for (int c = c0; c < c1; ++c) {
      const Tap& tx = cols_[size_t(c)];
      const uint32_t upper = Mix(above[tx.a], above[tx.b], tx.wb);
      out[c] = ty.wb == 0 ? upper : Mix(upper, Mix(below[tx.a], below[tx.b], tx.wb), ty.wb);
    }
  }
  return {at_.x + c0, at_.y + r0, c1 - c0, r1 - r0};
}

}  // namespace plat::internal
