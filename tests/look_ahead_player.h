// A player of the bear's game for tests, through the real keys: he looks a
// few ticks ahead before each tick and holds the keys that lead the fireball
// into the bear.
#pragma once

#include <algorithm>
#include <cmath>

#include "minigame/bear_rules.h"
#include "platform/headless.h"
#include "platform/platform.h"

namespace testing_support {

using moki::BearHit;
using moki::GameState;
using moki::MatchPlayer;

// A player who looks ahead: before each tick he tries a few ways of holding
// the keys for a while, sees in his mind where the hero, the bear and the
// fireball would go, and holds the keys of the best. He avoids the fireball
// and the bear, keeps off the walls and leads the fireball towards the bear.
class LookAheadPlayer {
 public:
  explicit LookAheadPlayer(GameState& gs) : gs_(gs) {}

  void operator()() {
    if (gs_.GameMode != moki::kModeBear || gs_.dialogueState != 0) return;
    const MatchPlayer& hero = gs_.players[moki::homeForward];
    const float seen[5] = {hero.x, hero.y, gs_.fireX, gs_.fireY, gs_.bearX};
    if (std::equal(seen, seen + 5, last_)) return;  // no tick since the last look
    std::copy(seen, seen + 5, last_);
    int best = 0;
    double bestScore = -1e9;
    for (int a = 0; a < kChoices; ++a)
      for (int then = 0; then < kChoices; ++then) {
        const double s = Imagine(a, then);
        if (s > bestScore) bestScore = s, best = a;
      }
    Hold(kKeys[best]);
  }
  // Lets go of every key.
  void Release() { Hold(Keys{}); }

 private:
  struct Keys {
    bool left = false, up = false, right = false, shift = false;
  };
  static constexpr int kChoices = 9;
  static constexpr Keys kKeys[kChoices] = {
      {false, true, false, false},  {true, true, false, false},  {false, true, true, false},
      {true, true, false, true},    {false, true, true, true},   {false, true, false, true},
      {false, false, false, false}, {true, false, false, false}, {false, false, true, false}};

  void Press(int vk, bool down) {
    if (down)
      plat::headless::QueueKeyDown(vk);
    else
      plat::headless::QueueKeyUp(vk);
  }
  void Hold(const Keys& k) {
    if (k.left != held_.left) Press(plat::VK_LEFT, k.left);
    if (k.up != held_.up) Press(plat::VK_UP, k.up);
    if (k.right != held_.right) Press(plat::VK_RIGHT, k.right);
    if (k.shift != held_.shift) Press(plat::VK_SHIFT, k.shift);
    held_ = k;
  }

  // Keys a for 8 ticks, then keys then, 40 ticks in all.
  double Imagine(int a, int then) {
    GameState& s = mind_;
    s.players = gs_.players, s.roomMap = gs_.roomMap;
    s.castMaxSpeed = gs_.castMaxSpeed, s.castAccel = gs_.castAccel;
    s.castTurnStep = gs_.castTurnStep, s.homeCastIndex = gs_.homeCastIndex;
    s.bearIndex = gs_.bearIndex, s.bearX = gs_.bearX, s.bearY = gs_.bearY;
    s.bearDirection = gs_.bearDirection, s.bearSpeed = gs_.bearSpeed;
    s.fireX = gs_.fireX, s.fireY = gs_.fireY, s.fireDirection = gs_.fireDirection;
    s.fireSpeed = gs_.fireSpeed;
    double closest = 1e9, fireToBear = 1e9;
    const int m = moki::BearLevel(s);
    for (int t = 0; t < 40; ++t) {
      const Keys& k = kKeys[t < 8 ? a : then];
      s.arrowHeld = {k.left, k.up, k.right, 0};
      s.shiftHeld = k.shift;
      moki::MoveBearHero(s);
      moki::MoveBear(s);
      moki::MoveFireball(s);
      const BearHit hit = moki::JudgeBearGame(s);
      if (hit == BearHit::HeroLoses) return -1000 + t;
      if (hit == BearHit::HeroWins) return 1000 - t;
      moki::KeepInBasement(s);
      const MatchPlayer& h = s.players[moki::homeForward];
      closest = std::min(closest, double(std::hypot(s.fireX - h.x - 7, s.fireY - h.y - 7)));
      fireToBear = std::min(fireToBear, double(std::hypot(s.fireX + 9 - s.bearX - (16 << m),
                                                          s.fireY + 9 - s.bearY - (16 << m))));
    }
    const MatchPlayer& h = s.players[moki::homeForward];
    const double wall = double(std::min({h.x - 32, 480 - h.x, h.y - 32, 384 - h.y}));
    return std::min(closest, 60.0) - fireToBear + std::min(wall, 40.0);
  }

  GameState& gs_;
  GameState mind_;
  Keys held_;
  float last_[5] = {};
};

}  // namespace testing_support
