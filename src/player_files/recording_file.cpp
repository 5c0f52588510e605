#include "player_files/recording_file.h"

#include "player_files/zpack.h"

#include <algorithm>
#include <cstring>

namespace plat::recfile {

namespace {

constexpr char kMagic[8] = {'M', 'O', 'K', 'I', 'R', 'E', 'C', '\x1a'};
// Deflate never unpacks one byte into more than 1032.
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

}  // namespace

uint64_t Hash(const std::string& text) {
  uint64_t h = 0xcbf29ce484222325ULL;
  for (unsigned char c : text) {
    h ^= c;
    h *= 0x100000001b3ULL;
  }
  return h;
}

const std::vector<Kind>& Kinds() {
  using F = Field;
  static const std::vector<Kind> kinds = {
      {Tag::Pumps, "the return of an event pump", {F::Count}},
      {Tag::KeyDown, "a key going down", {F::Key, F::Time}, &Handlers::keyDown},
      {Tag::KeyUp, "a key going up", {F::Key, F::Time}, &Handlers::keyUp},
      {Tag::Menu, "a menu choice", {F::Key, F::Time}, &Handlers::menu},
      {Tag::Timer, "a timer tick", {F::Time}, &Handlers::timer},
      {Tag::Paint, "a repaint", {F::Time}, &Handlers::paint},
      {Tag::Clock, "a clock reading", {F::Time}},
      {Tag::Reseed, "a reseed of the random generator", {F::Time}},
      {Tag::KeyWaiting, "a look at the waiting keys", {F::Key, F::Answer}},
      {Tag::BoxAnswered, "the answer to a message box", {F::Time}},
      {Tag::File, "a player's file", {F::FileOp, F::FileStatus, F::Text, F::Text2}},
      {Tag::Checkpoint, "a check of the game state", {F::Hash}},
      {Tag::End, "the end of the recording", {F::EndHow, F::Hash, F::Text}},
      {Tag::Language, "a choice of language", {F::Text, F::Time}, &Handlers::language},
      {Tag::KeyChosen, "a new key for the key screen", {F::Text, F::Time}, &Handlers::keyChosen},
      {Tag::BoxChoice, "the answer to a question box", {F::Answer, F::Time}},
  };
  return kinds;
}

const Kind* KindOf(Tag tag) {
  for (const Kind& k : Kinds())
    if (k.tag == tag) return &k;
  return nullptr;
}

const char* Describe(Tag tag) {
  const Kind* k = KindOf(tag);
  return k ? k->description : "an unknown record";
}

namespace {

struct FileOpInfo {
  FileOp op;
  const char* description;
  uint8_t mostStatus;
};

constexpr FileOpInfo kFileOps[] = {
    {FileOp::Read, "reading a player's file", 3},
    {FileOp::Exists, "whether a player's file is there", 1},
    {FileOp::Write, "writing a player's file", 1},
    {FileOp::KeepBad, "keeping a bad file", 1},
    {FileOp::Remove, "removing a player's file", 1},
    {FileOp::ConfigDir, "the settings folder", 1},
    {FileOp::DataDir, "the save folder", 1},
    {FileOp::Claim, "claiming the save's folder", 1},
    {FileOp::LastSession, "the last session that ended unexpectedly", 1},
    {FileOp::FaultReport, "writing a fault report", 2},
    {FileOp::OpensFolders, "whether folders can be opened", 1},
};
static_assert(sizeof kFileOps / sizeof kFileOps[0] == size_t(FileOp::Count));

const FileOpInfo* InfoOf(FileOp op) {
  for (const FileOpInfo& i : kFileOps)
    if (i.op == op) return &i;
  return nullptr;
}

}  // namespace

const char* Describe(FileOp op) {
  const FileOpInfo* i = InfoOf(op);
  return i ? i->description : "an unknown file operation";
}

uint8_t MostStatus(FileOp op) {
  const FileOpInfo* i = InfoOf(op);
  return i ? i->mostStatus : 0;
}

Writer::Writer(uint32_t startClock, uint64_t randomState) : lastTime_(startClock) {
  PutVarint(payload_, startClock);
  PutFixed(payload_, randomState, 8);
}

void Writer::Put(const Record& r, const std::string& text, const std::string& text2) {
  const Kind* kind = KindOf(r.tag);
  if (!kind) return;
  payload_ += char(r.tag);
  for (Field f : kind->fields) switch (f) {
      case Field::Count:
      case Field::Key:
        PutVarint(payload_, uint32_t(r.value));
        break;
      case Field::FileOp:
      case Field::EndHow:
        payload_ += char(r.value);
        break;
      case Field::Answer:
      case Field::FileStatus:
        payload_ += char(r.flag);
        break;
      case Field::Time:
        PutSigned(payload_, int64_t(int32_t(r.time - lastTime_)));
        lastTime_ = r.time;
        break;
      case Field::Hash:
        PutFixed(payload_, r.hash, 8);
        break;
      case Field::Text:
        PutText(payload_, text);
        break;
      case Field::Text2:
        PutText(payload_, text2);
        break;
    }
}

std::string Pack(const std::string& payload, const std::string& gameVersion) {
  const std::string packed = zpack::Deflate(payload);
  std::string out(kMagic, sizeof kMagic);
  PutFixed(out, kFormatVersion, 2);
  const std::string version = gameVersion.substr(0, 255);
  out += char(uint8_t(version.size()));
  out += version;
  PutFixed(out, payload.size(), 4);
  PutFixed(out, packed.size(), 4);
  // The checksum covers every byte of the file but its own.
  const uint32_t crc = zpack::Crc32(out + packed);
  PutFixed(out, crc, 4);
  return out + packed;
}

bool Unpack(const std::string& file, const std::string& gameVersion, Recording& out,
            std::string& err) {
  std::string payload;
  if (!PayloadOf(file, gameVersion, payload, err)) return false;
  return ParsePayload(payload, out, err);
}

bool LooksLikeRecording(const std::string& file) {
  return file.empty() ||
         (file.size() >= sizeof kMagic && std::memcmp(file.data(), kMagic, sizeof kMagic) == 0);
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
  if (zpack::Crc32(file.substr(0, crcAt) + file.substr(r.pos)) != crc) {
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
  if (!zpack::Inflate(file.substr(r.pos), uint32_t(payloadSize), payload)) {
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
  // Reads one field into rec; the words why it cannot be used, or "".
  const auto field = [&](Field f, Record& rec) -> std::string {
    switch (f) {
      case Field::Count: {
        const uint64_t n = r.Varint();
        rec.value = int32_t(n & 0x7fffffff);
        return n == 0 || n > 0x7fffffff ? "has a bad count" : "";
      }
      case Field::Key: {
        const uint64_t v = r.Varint();
        rec.value = int32_t(v & 0xff);
        return v > 255 ? "has a bad key or menu item" : "";
      }
      case Field::FileOp:
        rec.value = int32_t(r.Fixed(1));
        return rec.value >= int32_t(FileOp::Count) ? "names no file operation" : "";
      case Field::EndHow:
        rec.value = int32_t(r.Fixed(1));
        return rec.value >= int32_t(EndHow::Count) ? "ends in no known way" : "";
      case Field::Answer:
        rec.flag = uint8_t(r.Fixed(1));
        return rec.flag > 1 ? "has a bad answer" : "";
      case Field::FileStatus:
        rec.flag = uint8_t(r.Fixed(1));
        return (rec.flag & ((1u << kFaultShift) - 1)) > MostStatus(FileOp(rec.value)) ||
                       (rec.flag >> kFaultShift) >= kFaultCount
                   ? "has a bad file status"
                   : "";
      case Field::Time:
        last += uint32_t(int32_t(r.Signed()));
        rec.time = last;
        return "";
      case Field::Hash:
        rec.hash = r.Fixed(8);
        return "";
      case Field::Text:
        rec.text = text();
        return "";
      case Field::Text2:
        rec.text2 = text();
        return "";
    }
    return "";
  };
  bool ended = false;
  while (r.ok && r.pos < payload.size()) {
    if (ended) return damaged("follows the end of the recording");
    Record rec;
    const uint8_t tag = uint8_t(r.Fixed(1));
    rec.tag = Tag(tag);
    const Kind* kind = KindOf(rec.tag);
    if (!kind) return damaged("is of no known kind (" + std::to_string(tag) + ")");
    for (Field f : kind->fields) {
      const std::string why = field(f, rec);
      if (!why.empty()) return damaged(why);
    }
    ended = rec.tag == Tag::End;
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
