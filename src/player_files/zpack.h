// The packing of a recording: zlib's format (RFC 1950), and the CRC-32 that
// guards the file. The desktop packs with zlib itself (zpack_zlib.cpp); the
// browser has no zlib and writes the same format with stored blocks, which
// every zlib reader unpacks (zpack_stored.cpp).
#pragma once

#include <cstdint>
#include <string>

namespace plat::zpack {

uint32_t Crc32(const std::string& s);
std::string Deflate(const std::string& payload);
// Unpacks piece by piece, and stops at the first byte past what is expected:
// true only for exactly `expected` bytes and the end of the data.
bool Inflate(const std::string& packed, uint32_t expected, std::string& out);

}  // namespace plat::zpack
