#include <zlib.h>

#include "player_files/zpack.h"

namespace plat::zpack {

uint32_t Crc32(const std::string& s) {
  return uint32_t(
      crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(s.data()), uInt(s.size())));
}

std::string Deflate(const std::string& payload) {
  uLongf packedSize = compressBound(uLong(payload.size()));
  std::string packed(packedSize, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                reinterpret_cast<const Bytef*>(payload.data()), uLong(payload.size()),
                Z_BEST_COMPRESSION) != Z_OK)
    packedSize = 0;  // cannot happen with a buffer of compressBound's size
  packed.resize(packedSize);
  return packed;
}

bool Inflate(const std::string& packed, uint32_t expected, std::string& out) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return false;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
  z.avail_in = uInt(packed.size());
  out.clear();
  out.reserve(expected);
  char buf[65536];
  int rc = Z_OK;
  while (rc == Z_OK) {
    z.next_out = reinterpret_cast<Bytef*>(buf);
    z.avail_out = sizeof buf;
    rc = inflate(&z, Z_NO_FLUSH);
    const size_t got = sizeof buf - z.avail_out;
    if (out.size() + got > expected) {
      rc = Z_DATA_ERROR;  // more than the header said: do not keep unpacking
      break;
    }
    out.append(buf, got);
    if (rc == Z_BUF_ERROR && z.avail_in == 0) break;  // the data ran out before its end
  }
  const bool whole = rc == Z_STREAM_END && z.avail_in == 0;
  inflateEnd(&z);
  return whole && out.size() == expected;
}

}  // namespace plat::zpack
