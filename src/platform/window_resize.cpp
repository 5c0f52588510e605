// The window as the player left it: the scale it opens at, and a resize
// drag that settles before its scale is remembered.
#include <algorithm>

#include "platform/internal.h"

namespace plat::internal {

namespace {

struct Resize {
  int shownScale = 1;
  double deadline = -1;
};

Resize& R() {
  static Resize r;
  return r;
}

}  // namespace

int OpeningScale(int fit, int most) {
  const int remembered = CurrentWindowSetup().scale;
  if (remembered <= 0) return std::max(1, fit);
  return std::clamp(remembered, 1, std::max(1, most));
}

bool OpeningFullscreen() {
  return CurrentWindowSetup().fullscreen;
}

void WindowOpened(int scale) {
  R().shownScale = scale;
  R().deadline = -1;
}

void WindowResized(double nowMs) {
  // A drag sends many sizes: the one it ends at counts.
  R().deadline = nowMs + kResizeSettleMs;
}

double ResizeDeadline() {
  return R().deadline;
}

bool ResizeSettled(double nowMs) {
  Resize& r = R();
  if (r.deadline < 0 || nowMs < r.deadline) return false;
  r.deadline = -1;
  return true;
}

void RecordScale(int scale) {
  if (scale == R().shownScale) return;
  R().shownScale = scale;
  WindowSetup setup = CurrentWindowSetup();
  setup.scale = scale;
  ChangeWindowSetup(setup);
}

void RecordFullscreen(bool on) {
  WindowSetup setup = CurrentWindowSetup();
  setup.fullscreen = on;
  ChangeWindowSetup(setup);
  Refresh();  // the game's picture may say how to reach the hidden menu bar
}

}  // namespace plat::internal

namespace plat {

bool Fullscreen() {
  return CurrentWindowSetup().fullscreen;
}

}  // namespace plat
