// The browser's C library compares memory a byte at a time; the pictures'
// copies compare whole rows before copying them (surface.cpp), and the page
// compares each frame with the one shown, so the browser's build compares
// 64 bytes at a time, in the browser's vector instructions, instead.
#include <wasm_simd128.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {
inline v128_t Differ(const unsigned char* p, const unsigned char* q) {
  return wasm_v128_xor(wasm_v128_load(p), wasm_v128_load(q));
}
}  // namespace

extern "C" int memcmp(const void* a, const void* b, size_t n) {
  const auto* p = static_cast<const unsigned char*>(a);
  const auto* q = static_cast<const unsigned char*>(b);
  size_t i = 0;
  for (; i + 64 <= n; i += 64) {
    const v128_t d =
        wasm_v128_or(wasm_v128_or(Differ(p + i, q + i), Differ(p + i + 16, q + i + 16)),
                     wasm_v128_or(Differ(p + i + 32, q + i + 32), Differ(p + i + 48, q + i + 48)));
    if (wasm_v128_any_true(d)) break;
  }
  for (; i + 16 <= n; i += 16)
    if (wasm_v128_any_true(Differ(p + i, q + i))) break;
  for (; i < n; ++i)
    if (p[i] != q[i]) return p[i] < q[i] ? -1 : 1;
  return 0;
}
