// The rules of the bear's game on the game state alone: the three bears'
// sizes, the hero driving as a match forward, the bear chasing the hero or
// fleeing the fireball, the fireball homing with a limited turn, the hit
// boxes and the walls of the basement.
#pragma once

#include "core/game_state.h"
#include "core/rect.h"

namespace moki {

// The bear of level m (bearIndex 0..2) is drawn from a sheet W x H: the
// picture is its upper half, W x H/2, the silhouette the lower half.
int BearLevel(const GameState& gs);  // bearIndex, kept to 0..2
int BearWidth(int m);                // 32, 64, 128
int BearHeight(int m);               // 64, 128, 256

// The bear's speed on a ground tile: m + 3 on plain ground, m + 2 on water,
// m + 1 on sand and ice; any other ground gives none (returns false).
bool BearGroundSpeed(int m, int tile, float& speed);

// The hero moves as the human forward of a match: ground, keys, drive.
void MoveBearHero(GameState& gs);
// The bear's step: speed from its ground, then away from a fireball that
// comes near, otherwise after the hero.
void MoveBear(GameState& gs);
// The fireball turns towards the hero by at most its turn, then flies.
void MoveFireball(GameState& gs);

struct BearGameBoxes {
  IRect bear, fire, hero;
};
BearGameBoxes MakeBearGameBoxes(const GameState& gs);

enum class BearHit { None, HeroLoses, HeroWins };
// The hero's touches are judged first: the bear on the hero, then the
// fireball on the hero, and only then the fireball on the bear.
BearHit JudgeBearGame(const GameState& gs);

// The hero stays within x 32..480 and y 32..384; the bear's whole sheet stays
// within x 32..512 and y 32..416. The fireball has no walls.
void KeepInBasement(GameState& gs);

}  // namespace moki
