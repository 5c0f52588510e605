// Our blits beside SDL's own, in the same run: 266 tile copies into a screen,
// and a masked sprite (OR silhouette, AND picture) beside SDL's colour-keyed
// blit of the same sprite.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include "platform/surface.h"

namespace {

constexpr int kW = 608, kH = 448;

plat::Surface MakeTile() {
  plat::Surface t(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) t.Set(x, y, plat::RGB(x * 8, y * 8, (x ^ y) * 8));
  return t;
}

// A round figure on white above its silhouette, like a character cell.
plat::Surface MakeSprite() {
  plat::Surface s(32, 64, plat::kWhite);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      bool in = (x - 16) * (x - 16) + (y - 16) * (y - 16) < 140;
      s.Set(x, y, in ? plat::RGB(200, 40 + x, 60 + y) : plat::kWhite);
      s.Set(x, y + 32, in ? plat::kWhite : plat::kBlack);
    }
  return s;
}

SDL_Surface* ToSdl(const plat::Surface& s) {
  SDL_Surface* out = SDL_CreateRGBSurfaceWithFormat(0, s.w, s.h, 32, SDL_PIXELFORMAT_ARGB8888);
  for (int y = 0; y < s.h; ++y)
    for (int x = 0; x < s.w; ++x)
      static_cast<uint32_t*>(out->pixels)[y * out->pitch / 4 + x] = 0xFF000000u | s.At(x, y);
  SDL_SetSurfaceBlendMode(out, SDL_BLENDMODE_NONE);
  return out;
}

void BM_TilesOurs(benchmark::State& state) {
  plat::Surface tile = MakeTile(), screen(kW, kH);
  for (auto _ : state) {
    for (int j = 0; j < 14; ++j)
      for (int i = 0; i < 19; ++i)
        plat::BitBlt(screen, 32 * i, 32 * j, 32, 32, tile, 0, 0, plat::Rop::Copy);
    benchmark::DoNotOptimize(screen.px.data());
  }
}
BENCHMARK(BM_TilesOurs);

void BM_TilesSdl(benchmark::State& state) {
  SDL_Surface* tile = ToSdl(MakeTile());
  SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormat(0, kW, kH, 32, SDL_PIXELFORMAT_ARGB8888);
  for (auto _ : state) {
    for (int j = 0; j < 14; ++j)
      for (int i = 0; i < 19; ++i) {
        SDL_Rect dst{32 * i, 32 * j, 32, 32};
        SDL_BlitSurface(tile, nullptr, screen, &dst);
      }
    benchmark::DoNotOptimize(screen->pixels);
  }
  SDL_FreeSurface(tile);
  SDL_FreeSurface(screen);
}
BENCHMARK(BM_TilesSdl);

void BM_MaskedSpriteOurs(benchmark::State& state) {
  plat::Surface sprite = MakeSprite(), screen(kW, kH, plat::RGB(30, 140, 60));
  for (auto _ : state) {
    plat::BitBlt(screen, 288, 224, 32, 32, sprite, 0, 32, plat::Rop::Or);
    plat::BitBlt(screen, 288, 224, 32, 32, sprite, 0, 0, plat::Rop::And);
    benchmark::DoNotOptimize(screen.px.data());
  }
}
BENCHMARK(BM_MaskedSpriteOurs);

void BM_ColorKeySpriteSdl(benchmark::State& state) {
  plat::Surface full = MakeSprite();
  plat::Surface picture(32, 32);
  plat::BitBlt(picture, 0, 0, 32, 32, full, 0, 0, plat::Rop::Copy);
  SDL_Surface* sprite = ToSdl(picture);
  SDL_SetColorKey(sprite, SDL_TRUE, 0xFFFFFFFFu);
  SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormat(0, kW, kH, 32, SDL_PIXELFORMAT_ARGB8888);
  for (auto _ : state) {
    SDL_Rect dst{288, 224, 32, 32};
    SDL_BlitSurface(sprite, nullptr, screen, &dst);
    benchmark::DoNotOptimize(screen->pixels);
  }
  SDL_FreeSurface(sprite);
  SDL_FreeSurface(screen);
}
BENCHMARK(BM_ColorKeySpriteSdl);

}  // namespace

BENCHMARK_MAIN();
