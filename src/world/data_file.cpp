// Reading the data files: the hall map, the four rooms and the six match
// fields. All three are text files of tile codes 0..19 separated by commas
// and/or line ends, one map row per line. The game cannot run without them,
// so the loaders stop the program with a message that says which file is
// wrong and where.
#include "world/data_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "core/tiles.h"
#include "platform/platform.h"

namespace moki {

namespace {

constexpr int kHallFileSize = 40;  // the file fills rows and columns 0..39
// How much of a file is read: a number with its separator takes a few bytes,
// and the spare allows for comments of blanks, long line ends and the like.
constexpr size_t kBytesPerNumber = 16;
constexpr size_t kSpareBytes = 64 * 1024;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// One field of a line: an optional sign and decimal digits, nothing else.
bool ParseInteger(const std::string& tok, long long& value) {
  size_t i = 0;
  bool negative = false;
  if (i < tok.size() && (tok[i] == '+' || tok[i] == '-')) {
    negative = tok[i] == '-';
    ++i;
  }
  if (i == tok.size()) return false;
  long long v = 0;
  for (; i < tok.size(); ++i) {
    if (tok[i] < '0' || tok[i] > '9') return false;
    if (v < 1000000) v = v * 10 + (tok[i] - '0');  // anything this large is out of range anyway
  }
  value = negative ? -v : v;
  return true;
}

// What a bad value looks like in a message: at most a few characters, with
// control bytes shown as '?', so a file of binary junk gives a short line.
std::string Shown(const std::string& tok) {
  constexpr size_t kMaxShown = 16;
  size_t n = std::min(tok.size(), kMaxShown);
  while (n > 0 && n < tok.size() && (static_cast<unsigned char>(tok[n]) & 0xC0) == 0x80)
    --n;  // do not cut a UTF-8 character in half
  std::string out;
  for (size_t i = 0; i < n; ++i) {
    const unsigned char c = static_cast<unsigned char>(tok[i]);
    out += (c < 0x20 || c == 0x7F) ? '?' : tok[i];
  }
  if (n < tok.size()) out += "...";
  return out;
}

// Reads at most limit bytes of path into text. Only a plain file will do: a
// folder, a pipe or a device in its place is refused before it is opened, so
// nothing blocks and no stream error escapes.
bool ReadHead(const std::string& path, const std::string& shown, size_t limit, std::string& text,
              bool& cut, std::string& err) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  if (st.type() == fs::file_type::not_found) {
    err = shown + ": the file is missing";
    return false;
  }
  if (ec) {
    err = shown + ": the file cannot be read (" + ec.message() + ")";
    return false;
  }
  if (st.type() == fs::file_type::directory) {
    err = shown + ": this is a folder, not a file";
    return false;
  }
  if (st.type() != fs::file_type::regular) {
    err = shown + ": this is not a plain file";
    return false;
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    err = shown + ": the file cannot be opened" +
          (errno != 0 ? " (" + std::string(std::strerror(errno)) + ")" : std::string());
    return false;
  }
  text.resize(limit + 1);
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) {
    err = shown + ": the file cannot be read";
    return false;
  }
  text.resize(static_cast<size_t>(in.gcount()));
  cut = text.size() > limit;
  if (cut) text.resize(limit);
  return true;
}

// The reader behind every data file. `shown` is the name used in messages.
// Only the head of the file is read: the numbers needed and more than enough
// room for blanks and line ends around them; the rest is never looked at.
bool ReadNumbers(const std::string& path, const std::string& shown, int count,
                 std::vector<int16_t>& out, std::string& err) {
  out.clear();
  std::string text;
  bool cut = false;
  const size_t limit = static_cast<size_t>(count) * kBytesPerNumber + kSpareBytes;
  if (!ReadHead(path, shown, limit, text, cut, err)) return false;
  if (text.empty()) {
    err = shown + ": the file is empty";
    return false;
  }
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);  // a UTF-8 mark from an editor

  out.reserve(count);
  std::istringstream lines(text);
  std::string line;
  int lineNo = 0;
  while (static_cast<int>(out.size()) < count && std::getline(lines, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (Trim(line).empty()) continue;

    // Split at commas; a comma at the end of the line is allowed, an empty
    // value between two commas is not.
    size_t start = 0;
    int field = 0;
    while (static_cast<int>(out.size()) < count) {
      size_t comma = line.find(',', start);
      std::string tok =
          Trim(line.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
      ++field;
      const bool last = comma == std::string::npos;
      std::string where =
          shown + ": line " + std::to_string(lineNo) + ", number " + std::to_string(field) + ": ";
      if (tok.empty()) {
        if (last && field > 1) break;  // trailing comma
        err = where + "empty value";
        return false;
      }
      long long v = 0;
      if (!ParseInteger(tok, v)) {
        err = where + "\"" + Shown(tok) + "\" is not a number";
        return false;
      }
      if (v < 0 || v > kLastTile) {
        err = where + "value " + Shown(tok) + " is outside 0.." + std::to_string(kLastTile);
        return false;
      }
      out.push_back(static_cast<int16_t>(v));
      if (last) break;
      start = comma + 1;
    }
  }
  if (static_cast<int>(out.size()) < count) {
    err = shown + ": expected " + std::to_string(count) + " numbers, found " +
          std::to_string(out.size());
    if (cut) err += " in its first " + std::to_string(limit) + " bytes";
    return false;
  }
  return true;
}

// Reads data/<name> beside the program, or stops the game.
std::vector<int16_t> LoadOrStop(const std::string& name, int count) {
  const std::string shown = "data/" + name;
  std::vector<int16_t> values;
  std::string err;
  if (!ReadNumbers(plat::ProgramDir() + "/" + shown, shown, count, values, err)) {
    plat::FatalError(err);
  }
  return values;
}

// A room or field file into x 0..18, y 0..13 of roomMap; column 19 and row 14
// keep what they held.
void LoadRoomShaped(GameState& gs, const std::string& name) {
  const std::vector<int16_t> v = LoadOrStop(name, kRoomFileW * kRoomFileH);
  for (int y = 0; y < kRoomFileH; ++y)
    for (int x = 0; x < kRoomFileW; ++x) gs.roomMap[y][x] = v[y * kRoomFileW + x];
}

}  // namespace

bool ReadNumberFile(const std::string& path, int count, std::vector<int16_t>& out,
                    std::string& err) {
  return ReadNumbers(path, path, count, out, err);
}

void LoadHallMap(GameState& gs) {
  const std::vector<int16_t> v = LoadOrStop("rftmap.dat", kHallFileSize * kHallFileSize);
  for (auto& row : gs.hallMap) row.fill(0);  // row 40 and column 40 are never in the file
  for (int y = 0; y < kHallFileSize; ++y)
    for (int x = 0; x < kHallFileSize; ++x) gs.hallMap[y][x] = v[y * kHallFileSize + x];
}

void LoadRoomFile(GameState& gs, int room) {
  LoadRoomShaped(gs, "chk" + std::to_string(room) + ".dat");
}

void LoadBattleFile(GameState& gs, int field) {
  LoadRoomShaped(gs, "btl" + std::to_string(field) + ".dat");
}

}  // namespace moki
