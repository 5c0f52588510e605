#include "platform/recording_file.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace plat::recfile {

namespace {

constexpr char kMagic[8] = {'M', 'O', 'K', 'I', 'R', 'E', 'C', '\x1a'};
// The most a recording may hold unpacked: a session of play records about
// 450 bytes a second, so this is some two and a half hours. Its records take
// up to 16 times their bytes once read, so a file that claims more (a zlib
// bomb, or damage) is refused before anything is unpacked.
constexpr uint32_t kMaxPayload = 4u << 20;
// zlib never unpacks one byte into more than 1032.
constexpr uint64_t kMostGrowth = 1032;

void PutVarint(std::string& out, uint64_t v) {
  while (v >= 0x80) {
    out += char(uint8_t(v) | 0x80);
    v >>= 7;
  }
  out += char(uint8_t(v));
}

void PutSigned(std::string& out, int64_t v) {
  PutVarint(out, (uint64_t(v) << 1) ^ uint64_t(v >> 63));  // zigzag: small either way
}

void PutFixed(std::string& out, uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out += char(uint8_t(v >> (8 * i)));
}

void PutText(std::string& out, const std::string& s) {
  PutVarint(out, s.size());
  out += s;
}

// Reads a payload or a header front to back; any read past the end or out of
// range sets ok to false and reads zeros from then on.
struct Reader {
  const std::string& in;
  size_t pos = 0;
  bool ok = true;

  bool Has(size_t n) const { return ok && in.size() - pos >= n; }
  uint64_t Varint() {
    uint64_t v = 0;
    for (int shift = 0; shift < 64; shift += 7) {
      if (!Has(1)) return ok = false, 0;
      const uint8_t b = uint8_t(in[pos++]);
      v |= uint64_t(b & 0x7f) << shift;
      if (!(b & 0x80)) return v;
    }
    return ok = false, 0;
  }
  int64_t Signed() {
    const uint64_t z = Varint();
    return int64_t(z >> 1) ^ -int64_t(z & 1);
  }
  uint64_t Fixed(int bytes) {
    if (!Has(size_t(bytes))) return ok = false, 0;
    uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= uint64_t(uint8_t(in[pos++])) << (8 * i);
    return v;
  }
  std::string Text() {
    const uint64_t n = Varint();
    if (!Has(n)) return ok = false, std::string();
    std::string s = in.substr(pos, size_t(n));
    pos += size_t(n);
    return s;
  }
};

uint32_t Crc(const std::string& s) {
  return uint32_t(
      crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(s.data()), uInt(s.size())));
}

// Unpacks piece by piece, and stops at the first byte past what is expected.
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

}  // namespace

uint64_t Hash(const std::string& text) {
  uint64_t h = 0xcbf29ce484222325ULL;
  for (unsigned char c : text) {
    h ^= c;
    h *= 0x100000001b3ULL;
  }
  return h;
}

const char* Describe(Tag tag) {
  switch (tag) {
    case Tag::Pumps:
      return "the return of an event pump";
    case Tag::KeyDown:
      return "a key going down";
    case Tag::KeyUp:
      return "a key going up";
    case Tag::Menu:
      return "a menu choice";
    case Tag::Timer:
      return "a timer tick";
    case Tag::Paint:
      return "a repaint";
    case Tag::Clock:
      return "a clock reading";
    case Tag::Reseed:
      return "a reseed of the random generator";
    case Tag::KeyWaiting:
      return "a look at the waiting keys";
    case Tag::BoxAnswered:
      return "the answer to a message box";
    case Tag::File:
      return "a player's file";
    case Tag::Checkpoint:
      return "a check of the game state";
    case Tag::End:
      return "the end of the recording";
    case Tag::Language:
      return "a choice of language";
    case Tag::KeyName:
      return "a new key for the key screen";
  }
  return "an unknown record";
}

Writer::Writer(uint32_t startClock, uint64_t randomState) : lastTime_(startClock) {
  PutVarint(payload_, startClock);
  PutFixed(payload_, randomState, 8);
}

void Writer::Put(const Record& r, const std::string& text, const std::string& text2) {
  payload_ += char(r.tag);
  const auto time = [&] {
    PutSigned(payload_, int64_t(int32_t(r.time - lastTime_)));
    lastTime_ = r.time;
  };
  switch (r.tag) {
    case Tag::Pumps:
      PutVarint(payload_, uint32_t(r.value));
      break;
    case Tag::KeyDown:
    case Tag::KeyUp:
    case Tag::Menu:
      PutVarint(payload_, uint32_t(r.value));
      time();
      break;
    case Tag::Timer:
    case Tag::Paint:
    case Tag::Clock:
    case Tag::Reseed:
    case Tag::BoxAnswered:
      time();
      break;
    case Tag::KeyWaiting:
      PutVarint(payload_, uint32_t(r.value));
      payload_ += char(r.flag);
      break;
    case Tag::File:
      payload_ += char(r.value);
      payload_ += char(r.flag);
      PutText(payload_, text);
      PutText(payload_, text2);
      break;
    case Tag::Checkpoint:
      PutFixed(payload_, r.hash, 8);
      break;
    case Tag::End:
      payload_ += char(r.value);
      PutFixed(payload_, r.hash, 8);
      PutText(payload_, text);
      break;
    case Tag::Language:
    case Tag::KeyName:
      PutText(payload_, text);
      time();
      break;
  }
}

std::string Pack(const std::string& payload, const std::string& gameVersion) {
  uLongf packedSize = compressBound(uLong(payload.size()));
  std::string packed(packedSize, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                reinterpret_cast<const Bytef*>(payload.data()), uLong(payload.size()),
                Z_BEST_COMPRESSION) != Z_OK)
    packedSize = 0;  // cannot happen with a buffer of compressBound's size
  packed.resize(packedSize);
  std::string out(kMagic, sizeof kMagic);
  PutFixed(out, kFormatVersion, 2);
  const std::string version = gameVersion.substr(0, 255);
  out += char(uint8_t(version.size()));
  out += version;
  PutFixed(out, payload.size(), 4);
  PutFixed(out, packed.size(), 4);
  // The checksum covers every byte of the file but its own.
  const uint32_t crc = Crc(out + packed);
  PutFixed(out, crc, 4);
  return out + packed;
}

bool Unpack(const std::string& file, const std::string& gameVersion, Recording& out,
            std::string& err) {
  std::string payload;
  if (!PayloadOf(file, gameVersion, payload, err)) return false;
  return ParsePayload(payload, out, err);
}

bool PayloadOf(const std::string& file, const std::string& gameVersion, std::string& payload,
               std::string& err) {
  const size_t magic = std::min(file.size(), sizeof kMagic);
  if (file.empty()) {
    err = "empty: not a recording";
    return false;
  }
  if (std::memcmp(file.data(), kMagic, magic) != 0) {
    err = "not a recording of this game";
    return false;
  }
  Reader r{file};
  r.pos = magic;
  const auto cutOff = [&] {
    err = "cut off: the file ends inside its header";
    return false;
  };
  if (magic < sizeof kMagic) return cutOff();
  const uint64_t format = r.Fixed(2);
  if (!r.ok) return cutOff();
  if (format != kFormatVersion) {
    err = "made in recording format " + std::to_string(format) + "; this game reads format " +
          std::to_string(kFormatVersion);
    return false;
  }
  const uint64_t versionLength = r.Fixed(1);
  if (!r.Has(versionLength)) return cutOff();
  const std::string version = file.substr(r.pos, versionLength);
  r.pos += versionLength;
  if (version != gameVersion) {
    err = "recorded with version " + version + " of the game; this is version " + gameVersion;
    return false;
  }
  const uint64_t payloadSize = r.Fixed(4), packedSize = r.Fixed(4);
  const size_t crcAt = r.pos;
  const uint64_t crc = r.Fixed(4);
  if (!r.ok) return cutOff();
  const size_t have = file.size() - r.pos;
  if (have < packedSize) {
    err = "cut off: " + std::to_string(have) + " of its " + std::to_string(packedSize) +
          " bytes of data are there";
    return false;
  }
  if (have > packedSize) {
    err = "damaged: " + std::to_string(have - packedSize) + " bytes follow its end";
    return false;
  }
  if (Crc(file.substr(0, crcAt) + file.substr(r.pos)) != crc) {
    err = "damaged: its checksum does not match";
    return false;
  }
  // What it may grow to, from what it holds: never past its own header's
  // word, which is never past what its packed bytes can unpack to.
  if (payloadSize > packedSize * kMostGrowth + 64) {
    err = "damaged: " + std::to_string(packedSize) + " bytes of data cannot unpack to the " +
          std::to_string(payloadSize) + " its header says";
    return false;
  }
  if (payloadSize > kMaxPayload) {
    err = "too large: it holds " + std::to_string(payloadSize >> 10) +
          " KB of records; this game plays back at most " + std::to_string(kMaxPayload >> 10) +
          " KB (some two and a half hours of play)";
    return false;
  }
  if (!Inflate(file.substr(r.pos), uint32_t(payloadSize), payload)) {
    err = "damaged: its data does not unpack";
    return false;
  }
  return true;
}

bool ParsePayload(const std::string& payload, Recording& out, std::string& err) {
  Reader r{payload};
  out.records.clear();
  out.texts.assign(1, std::string());
  out.startClock = uint32_t(r.Varint());
  out.randomState = r.Fixed(8);
  uint32_t last = out.startClock;
  const auto text = [&]() -> uint32_t {
    std::string s = r.Text();
    if (s.empty()) return 0;
    out.texts.push_back(std::move(s));
    return uint32_t(out.texts.size() - 1);
  };
  const auto damaged = [&](const std::string& why) {
    err = "damaged: record " + std::to_string(out.records.size() + 1) + " " + why;
    return false;
  };
  bool ended = false;
  while (r.ok && r.pos < payload.size()) {
    if (ended) return damaged("follows the end of the recording");
    Record rec;
    const uint8_t tag = uint8_t(r.Fixed(1));
    rec.tag = Tag(tag);
    const auto time = [&] {
      last += uint32_t(int32_t(r.Signed()));
      rec.time = last;
    };
    switch (rec.tag) {
      case Tag::Pumps: {
        const uint64_t n = r.Varint();
        if (n == 0 || n > 0x7fffffff) return damaged("has a bad count");
        rec.value = int32_t(n);
        break;
      }
      case Tag::KeyDown:
      case Tag::KeyUp:
      case Tag::Menu:
      case Tag::KeyWaiting: {
        const uint64_t v = r.Varint();
        if (v > 255) return damaged("has a bad key or menu item");
        rec.value = int32_t(v);
        if (rec.tag == Tag::KeyWaiting) {
          rec.flag = uint8_t(r.Fixed(1));
          if (rec.flag > 1) return damaged("has a bad answer");
        } else {
          time();
        }
        break;
      }
      case Tag::Timer:
      case Tag::Paint:
      case Tag::Clock:
      case Tag::Reseed:
      case Tag::BoxAnswered:
        time();
        break;
      case Tag::File: {
        rec.value = int32_t(r.Fixed(1));
        rec.flag = uint8_t(r.Fixed(1));
        if (rec.value >= int32_t(FileOp::Count)) return damaged("names no file operation");
        const int most = FileOp(rec.value) == FileOp::Read ? 3 : 1;
        if (rec.flag > most) return damaged("has a bad file status");
        rec.text = text();
        rec.text2 = text();
        break;
      }
      case Tag::Checkpoint:
        rec.hash = r.Fixed(8);
        break;
      case Tag::End:
        rec.value = int32_t(r.Fixed(1));
        if (rec.value >= int32_t(EndHow::Count)) return damaged("ends in no known way");
        rec.hash = r.Fixed(8);
        rec.text = text();
        ended = true;
        break;
      case Tag::Language:
      case Tag::KeyName:
        rec.text = text();
        time();
        break;
      default:
        return damaged("is of no known kind (" + std::to_string(tag) + ")");
    }
    if (!r.ok) break;
    out.records.push_back(rec);
  }
  if (!r.ok) return damaged("runs past the end of the data");
  if (!ended) {
    err = "cut off: it has no end";
    return false;
  }
  return true;
}

}  // namespace plat::recfile
