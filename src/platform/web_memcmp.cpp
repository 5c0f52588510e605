// The browser's C library compares memory a byte at a time; the pictures'
// copies compare whole rows before copying them (surface.cpp), so the
// browser's build compares eight bytes at a time instead.
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int memcmp(const void* a, const void* b, size_t n) {
  const auto* p = static_cast<const unsigned char*>(a);
  const auto* q = static_cast<const unsigned char*>(b);
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t x, y;
    __builtin_memcpy(&x, p + i, 8);
    __builtin_memcpy(&y, q + i, 8);
    if (x != y) break;
  }
  for (; i < n; ++i)
    if (p[i] != q[i]) return p[i] < q[i] ? -1 : 1;
  return 0;
}
