// Recordings in the browser, which has no zlib: written in zlib's format
// with stored blocks (no compression), which the desktop's runner unpacks
// like any other; read back only when so written.
#include <algorithm>
#include <array>

#include "player_files/zpack.h"

namespace plat::zpack {

namespace {

const std::array<uint32_t, 256>& CrcTable() {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  return table;
}

uint32_t Adler32(const std::string& s) {
  uint32_t a = 1, b = 0;
  for (unsigned char c : s) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

constexpr size_t kMostStored = 65535;  // the most one stored block holds

}  // namespace

uint32_t Crc32(const std::string& s) {
  uint32_t c = 0xFFFFFFFFu;
  for (unsigned char b : s) c = CrcTable()[(c ^ b) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::string Deflate(const std::string& payload) {
  std::string out = "\x78\x01";  // deflate, 32 KiB window, no dictionary
  size_t at = 0;
  do {
    const size_t n = std::min(kMostStored, payload.size() - at);
    const bool last = at + n == payload.size();
    out += char(last ? 1 : 0);  // BFINAL, BTYPE 00 (stored)
    out += char(n & 0xFF);
    out += char(n >> 8);
    out += char(~n & 0xFF);
    out += char((~n >> 8) & 0xFF);
    out.append(payload, at, n);
    at += n;
  } while (at < payload.size());
  const uint32_t adler = Adler32(payload);
  for (int shift = 24; shift >= 0; shift -= 8) out += char((adler >> shift) & 0xFF);
  return out;
}

bool Inflate(const std::string& packed, uint32_t expected, std::string& out) {
  out.clear();
  if (packed.size() < 2 || (uint8_t(packed[0]) & 0x0F) != 8 ||
      ((uint8_t(packed[0]) << 8) | uint8_t(packed[1])) % 31 != 0 || (uint8_t(packed[1]) & 0x20))
    return false;
  size_t at = 2;
  for (bool last = false; !last;) {
    if (packed.size() - at < 5) return false;
    const uint8_t head = uint8_t(packed[at]);
    if ((head >> 1) != 0) return false;  // compressed blocks are the desktop's to read
    last = head & 1;
    const size_t n = uint8_t(packed[at + 1]) | (size_t(uint8_t(packed[at + 2])) << 8);
    const size_t check = uint8_t(packed[at + 3]) | (size_t(uint8_t(packed[at + 4])) << 8);
    if ((n ^ check) != 0xFFFF || packed.size() - at - 5 < n || out.size() + n > expected)
      return false;
    out.append(packed, at + 5, n);
    at += 5 + n;
  }
  if (packed.size() - at != 4) return false;
  uint32_t adler = 0;
  for (int i = 0; i < 4; ++i) adler = (adler << 8) | uint8_t(packed[at + size_t(i)]);
  return adler == Adler32(out) && out.size() == expected;
}

}  // namespace plat::zpack
