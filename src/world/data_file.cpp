// Reading the data files: the hall map, the four rooms and the six match
// fields. All three are text files of tile codes 0..19 separated by commas
// and/or line ends, one map row per line. The game cannot run without them,
// so the loaders stop the program with a message that says which file is
// wrong and where.
#include "world/data_file.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/platform.h"

namespace moki {

namespace {

constexpr int kMaxTile = 19;
constexpr int kHallFileSize = 40;  // the file fills rows and columns 0..39
constexpr int kRoomFileW = 19;     // a room or field file fills x 0..18
constexpr int kRoomFileH = 14;     //                             y 0..13

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

// The reader behind every data file. `shown` is the name used in messages.
bool ReadNumbers(const std::string& path, const std::string& shown, int count,
                 std::vector<int16_t>& out, std::string& err) {
  out.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    err = shown + ": the file is missing or cannot be read";
    return false;
  }
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    err = shown + ": the file cannot be read";
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
        err = where + "\"" + tok + "\" is not a number";
        return false;
      }
      if (v < 0 || v > kMaxTile) {
        err = where + "value " + tok + " is outside 0.." + std::to_string(kMaxTile);
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
