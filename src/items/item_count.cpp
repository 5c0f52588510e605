// Once a second the item effects of a match run down: held players are let
// go, rubbers snap, spheres crumble, reversed shots straighten, a held ball
// comes free and the blackout, the fake balls and the remote ball fade out
// at an uneven pace. Then each side may play its next item.
#include "items/item_count.h"

#include "core/numeric.h"
#include "items/item_schedule.h"
#include "platform/platform.h"

namespace moki {

namespace {

// A fading effect grows by 0, 1 or 2 a count and ends past its limit.
void Fade(i16& time, int limit) {
  if (time <= 0) return;
  time = static_cast<i16>(time + Int(plat::Rnd() * 3));
  if (time > limit) time = 0;
}

}  // namespace

void itemCountStep(Form1& f) {
  GameState& gs = f.gs;
  for (size_t s = 0; s < 4; ++s) {
    if (gs.caughtFlag[s] != 1) continue;
    --gs.caughtTimer[s];
    if (gs.caughtTimer[s] <= 0) gs.caughtFlag[s] = 0;
  }
  for (size_t s = 0; s < 4; ++s) {
    if (gs.rubberFlag[s] != 1) continue;
    if (++gs.rubberAge[s] >= 10) gs.rubberFlag[s] = 0, gs.rubberAge[s] = 0;
  }
  // A sphere that has stood 300 counts is gone from the field, though its
  // entry stays in the list.
  for (int i = 0; i <= gs.sphereCount && i < 11; ++i) {
    const size_t k = size_t(i);
    if (++gs.sphereAge[k] < 300) continue;
    const int col = gs.sphereX[k] / 32, row = gs.sphereY[k] / 32;
    if (col >= 0 && col < kRoomW && row >= 0 && row < kRoomH)
      gs.trapGrid[size_t(row)][size_t(col)] = 0;
    gs.sphereAge[k] = 0;
  }
  for (size_t s = 0; s < 4; ++s)
    if (gs.reverseAge[s] > 0 && ++gs.reverseAge[s] >= 10) gs.reverseAge[s] = 0;
  // An armed sticky ball waits for its hit; a held one lets go after 5 counts.
  for (size_t side = 0; side < 2; ++side)
    if (gs.stickyBall[side] > 1 && ++gs.stickyBall[side] >= 7) gs.stickyBall[side] = 0;
  Fade(gs.blackoutTime, 9);
  Fade(gs.fakeBallTime, 9);
  Fade(gs.remoteBallTime, 14);
  ScheduleStep(f, 1);
  ScheduleStep(f, 0);
}

}  // namespace moki
