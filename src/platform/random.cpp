#include <cstdint>

#include "platform/internal.h"
#include "platform/platform.h"

namespace plat {

namespace {
uint64_t g_state = 0x853c49e6748fea9bULL;

uint64_t Mix(uint64_t z) {
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}
}  // namespace

double Rnd() {
  g_state += 0x9e3779b97f4a7c15ULL;  // splitmix64
  return double(Mix(g_state) >> 11) * (1.0 / 9007199254740992.0);
}

void Randomize() {
  // The clock is mixed into the state rather than replacing it, so reseeding
  // twice in the same millisecond does not repeat the same draws.
  g_state = Mix(g_state ^ (uint64_t(internal::ReseedClock()) * 0x9e3779b97f4a7c15ULL)) + 1;
}

namespace internal {
void SeedRandom(uint64_t seed) {
  g_state = Mix(seed + 0x853c49e6748fea9bULL);
}
uint64_t RandomState() {
  return g_state;
}
void SetRandomState(uint64_t state) {
  g_state = state;
}
}  // namespace internal

}  // namespace plat
