// Every value of the save, the file's text written from it and read back.
#include "shell/save_fields.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/json.h"
#include "core/tiles.h"
#include "platform/text.h"
#include "shell/save_game.h"
#include "story/actions.h"
#include "story/cast_stats.h"
#include "world/data_file.h"
#include "world/walk_common.h"

namespace moki {

namespace {

using Text = SaveText;

WString Say(int lang, Text t, FillIns values = {}) {
  return SayOfSave(lang, t, values);
}

SavePart PartOf(const std::string& field);

// What is wrong with value `field`, in the player's words.
WString SayField(int lang, Text t, const std::string& field) {
  return Say(lang, t, {{U"part", Texts(lang).saveParts[size_t(PartOf(field))]}});
}

// The highest entry of a cast member's script ("#A" and a digit at its
// start); scripts without entries always play from the start.
int LastEntry(const GameState& gs, int cast) {
  const WString& s = gs.scriptTable[size_t(cast)];
  if (s.size() >= 3 && s[0] == U'#' && s[1] == U'A' && s[2] >= U'0' && s[2] <= U'9')
    return int(s[2] - U'0');
  return 0;
}

bool IsLeagueTeam(int c) {
  return c == 0 || (c >= 4 && c <= 12);
}

bool IsPermutationOfTeams(const i16* a) {
  bool seen[13] = {};
  for (int i = 0; i < 10; ++i) {
    if (!IsLeagueTeam(a[i]) || seen[a[i]]) return false;
    seen[a[i]] = true;
  }
  return true;
}

using Range = std::pair<int64_t, int64_t>;

// A value of the save: its name in the file, the part of the game it tells
// of as the player knows it, and the version of the save it came in, with
// the value a save from before then loads with.
struct Field {
  const char* name;
  SavePart part;
  int since = 1;
  int64_t byDefault = 0;
};

// Every value of the save, in the file's order, with the range each may
// take: the writer walks it with a const state, the reader with the state it
// fills, checking each value as it comes (and stopping at the first fault).
// A new value of the save is one line here, with the version it comes in:
// an older save loads with its default and is written back whole.
template <class Io, class State>
bool SyncSave(Io& io, State& g) {
  using P = SavePart;
  int version = kSaveVersion;
  io.Int({"version", P::Places}, version, 1, kSaveVersion);
  io.Version(version);
  io.Int({"GameMode", P::Places}, g.GameMode, kModeHall, kModeRoom);
  const bool inRoom = g.GameMode == kModeRoom;

  io.Int({"money", P::Money}, g.money, 0, kMoneyMax);
  io.Int({"roundNumber", P::League}, g.roundNumber, 1, kCountMax);
  io.Ints({"winsByCast", P::League}, g.winsByCast.data(), kTeamCastCount, 0, kCountMax);
  io.Ints({"rankOrder", P::League}, &g.rankOrder[1], 10, 0, 12);  // positions 1..10
  io.Check("rankOrder", [&] { return IsPermutationOfTeams(&g.rankOrder[1]); });
  io.Int({"heroRank", P::League}, g.heroRank, 1, 10);
  io.Check("heroRank", [&] { return g.rankOrder[size_t(g.heroRank)] == 0; });
  io.Ints({"leagueSeats", P::League}, g.leagueSeats.data(), 10, 0, 12);
  io.Check("leagueSeats", [&] { return IsPermutationOfTeams(g.leagueSeats.data()); });

  // The opponent stays booked from one challenge to the next.
  io.Int({"opponentCast", P::League}, g.opponentCast, 0, kTeamCastCount - 1);
  io.Int({"opponentBackOffset", P::League}, g.opponentBackOffset, -(kTeamCastCount - 1),
         kTeamCastCount - 1);
  io.Check("opponentBackOffset", [&] {
    const int back = g.opponentCast + g.opponentBackOffset;
    return back >= 0 && back < kTeamCastCount;
  });
  io.Int({"opponentBonus", P::League}, g.opponentBonus, 0, 16);
  io.Int({"motivated", P::Story}, g.motivated, 0, 1);
  io.Int({"playerRole", P::Story}, g.playerRole, 0, 2);

  io.Int({"shopItem", P::Items}, g.shopItem, 1, kItemCount - 1);
  io.Int({"shopCount", P::Items}, g.shopCount, 1, 14);
  io.Ints({"slotItem", P::Items}, g.slotItem.data(), 3, 0, kItemCount - 1);
  io.Rows({"slotCount", P::Items}, g.slotCount, kItemCount, 3, 0, kCountMax, false);
  io.Ints({"specialAbilities", P::Items}, g.specialAbilities.data(), 3, 0, 1);
  io.IntsBy({"talkEntry", P::Story}, g.talkEntry.data(), kCastCount,
            [&](size_t c) { return Range(0, LastEntry(g, int(c))); });

  io.Int({"currentRoom", P::Places}, g.currentRoom, 0, 3);
  io.Int({"bearRoom", P::Places}, g.bearRoom, 1, 3);
  // The room as the party sees it, with the doors the wins have opened.
  if (inRoom || io.EveryField())
    io.Rows({"roomMap", P::Places}, g.roomMap, kRoomFileH, kRoomFileW, 0, kLastTile, true);

  const int maxX = inRoom ? kRoomFileW - 1 : kHallSize - 1;
  const int maxY = inRoom ? kRoomFileH - 1 : kHallSize - 1;
  io.Int({"playerX", P::Places}, g.playerX, 0, maxX);
  io.Int({"playerY", P::Places}, g.playerY, 0, maxY);
  io.Int({"playerFacing", P::Places}, g.playerFacing, 0, 3);
  io.Int({"partnerX", P::Places}, g.partnerX, 0, maxX);
  io.Int({"partnerY", P::Places}, g.partnerY, 0, maxY);
  io.Int({"partnerSide", P::Places}, g.partnerSide, 0, 4);
  io.Int({"partnerPrevSide", P::Places}, g.partnerPrevSide, 0, 4);
  io.Int({"doorLatch", P::Places}, g.doorLatch, 0, 1);
  io.Ints({"castX", P::Places}, g.castX.data(), kCastCount, 0, kHallSize - 1);
  io.Ints({"castY", P::Places}, g.castY.data(), kCastCount, 0, kHallSize - 1);
  io.Ints({"castFacing", P::Places}, g.castFacing.data(), kCastCount, 0, 3);
  io.Int({"wanderSlot", P::Places}, g.wanderSlot, 0, 10);
#ifdef MOKI_SAVE_NEXT  // a test build's next version of the save: one value more
  io.Int({"nextCount", P::Items, 2, 7}, g.lastCountTick, 0, 100);
#endif
  return io.Done();
}

// The part of the game each value of the save tells of, from its line above.
struct Parts {
  std::vector<std::pair<std::string, SavePart>> parts;
  template <class T>
  void Int(const Field& f, const T&, int64_t, int64_t) {
    parts.emplace_back(f.name, f.part);
  }
  template <class T>
  void Ints(const Field& f, const T*, size_t, int64_t, int64_t) {
    parts.emplace_back(f.name, f.part);
  }
  template <class T, class Ranges>
  void IntsBy(const Field& f, const T*, size_t, Ranges) {
    parts.emplace_back(f.name, f.part);
  }
  template <class Grid>
  void Rows(const Field& f, const Grid&, size_t, size_t, int64_t, int64_t, bool) {
    parts.emplace_back(f.name, f.part);
  }
  void Version(int) {}
  bool EveryField() const { return true; }
  template <class Test>
  void Check(const char*, Test) {}
  bool Done() { return true; }
};

// The part of the save a value belongs to, as the player knows it, by the
// value's name ("slotCount[3]" is in the items).
SavePart PartOf(const std::string& field) {
  static const std::vector<std::pair<std::string, SavePart>> parts = [] {
    Parts p;
    const GameState g;
    SyncSave(p, g);
    return p.parts;
  }();
  const std::string name = field.substr(0, field.find('['));
  for (const auto& [n, part] : parts)
    if (n == name) return part;
  return SavePart::Places;
}

// --- Writing ---------------------------------------------------------------------

struct Writer {
  std::string o = "{";
  void Key(const char* k) {
    o += o.size() > 1 ? ",\n  " : "\n  ";
    json::AppendString(o, k);
    o += ": ";
  }
  template <class T>
  void Whole(const T& v) {
    o += std::to_string(static_cast<long long>(v));
  }
  template <class T>
  void Row(const T* v, size_t n) {
    o += '[';
    for (size_t i = 0; i < n; ++i) {
      if (i) o += ',';
      Whole(v[i]);
    }
    o += ']';
  }

  template <class T>
  void Int(const Field& f, const T& v, int64_t, int64_t) {
    Key(f.name);
    Whole(v);
  }
  template <class T>
  void Ints(const Field& f, const T* v, size_t n, int64_t, int64_t) {
    Key(f.name);
    Row(v, n);
  }
  template <class T, class Ranges>
  void IntsBy(const Field& f, const T* v, size_t n, Ranges) {
    Ints(f, v, n, 0, 0);
  }
  // A grid's first `rows` rows of `cols` numbers, a row to a line if asked.
  template <class Grid>
  void Rows(const Field& f, const Grid& grid, size_t rows, size_t cols, int64_t, int64_t,
            bool linePerRow) {
    Key(f.name);
    o += '[';
    for (size_t r = 0; r < rows; ++r) {
      if (linePerRow)
        o += r ? ",\n    " : "\n    ";
      else if (r)
        o += ',';
      Row(grid[r].data(), cols);
    }
    o += ']';
  }
  void Version(int) {}  // always this game's
  bool EveryField() const { return false; }
  template <class Test>
  void Check(const char*, Test) {}
  bool Done() { return true; }
};

// --- Reading -----------------------------------------------------------------------

// Reads the values of the save's object one by one, each against its range;
// after the first fault, kept in why, it reads nothing more.
struct Reader {
  const json::Value& root;
  int lang;
  WString why;
  std::vector<std::string> seen;  // the keys asked for
  int version = kSaveVersion;     // the save's own

  bool Fail(Text t, const std::string& name) {
    if (why.empty()) why = SayField(lang, t, name);
    return false;
  }
  // The value of f, or nullptr: after a fault, when it is missing (a fault),
  // or when the save is older than f (which then takes its default).
  const json::Value* Get(const Field& f) {
    if (!why.empty() || version < f.since) return nullptr;
    seen.emplace_back(f.name);
    const json::Value* v = root.Find(f.name);
    if (!v) Fail(Text::Missing, f.name);
    return v;
  }
  bool Older(const Field& f) const { return why.empty() && version < f.since; }
  // A whole number in the range r into out; a fault names it.
  template <class T>
  bool Put(const json::Value& v, const std::string& name, Range r, T& out) {
    if (!v.IsInt(r.first, r.second)) return Fail(Text::BadValue, name);
    out = static_cast<T>(v.number);
    return true;
  }
  // An array of exactly n whole numbers, each in the range each(i) gives.
  template <class T, class Ranges>
  bool Array(const json::Value* v, const std::string& name, T* out, size_t n, Ranges each) {
    if (!v) return false;
    if (v->kind != json::Value::Kind::Array || v->items.size() != n)
      return Fail(Text::BadValue, name);
    for (size_t i = 0; i < n; ++i)
      if (!Put(v->items[i], name + "[" + std::to_string(i) + "]", each(i), out[i])) return false;
    return true;
  }

  template <class T>
  void Int(const Field& f, T& out, int64_t lo, int64_t hi) {
    if (Older(f)) out = static_cast<T>(f.byDefault);
    if (const json::Value* v = Get(f)) Put(*v, f.name, Range(lo, hi), out);
  }
  void Version(int v) { version = v; }
  bool EveryField() const { return false; }
  template <class T, class Ranges>
  void IntsBy(const Field& f, T* out, size_t n, Ranges each) {
    if (Older(f)) std::fill(out, out + n, static_cast<T>(f.byDefault));
    Array(Get(f), f.name, out, n, each);
  }
  template <class T>
  void Ints(const Field& f, T* out, size_t n, int64_t lo, int64_t hi) {
    IntsBy(f, out, n, [&](size_t) { return Range(lo, hi); });
  }
  // An array of `rows` arrays of `cols` numbers in [lo, hi], into the first
  // rows and columns of grid; the rest of the grid is cleared.
  template <class Grid>
  void Rows(const Field& f, Grid& grid, size_t rows, size_t cols, int64_t lo, int64_t hi, bool) {
    if (Older(f))
      for (size_t r = 0; r < rows; ++r)
        for (size_t c = 0; c < cols; ++c) grid[r][c] = static_cast<i16>(f.byDefault);
    const json::Value* v = Get(f);
    if (!v) return;
    const std::string k = f.name;
    for (auto& row : grid) row.fill(0);
    if (v->kind != json::Value::Kind::Array || v->items.size() != rows) {
      Fail(Text::BadValue, k);
      return;
    }
    for (size_t r = 0; r < rows; ++r)
      if (!Array(&v->items[r], k + "[" + std::to_string(r) + "]", grid[r].data(), cols,
                 [&](size_t) { return Range(lo, hi); }))
        return;
  }
  // A check across values, made when the values it looks at have been read
  // without a fault; its own fault names the value checked.
  template <class Test>
  void Check(const char* name, Test test) {
    if (why.empty() && !test()) Fail(Text::BadValue, name);
  }
  // Every key of the object has been read: anything else is not ours.
  bool Done() {
    if (!why.empty()) return false;
    for (const std::string& k : root.keys)
      if (std::find(seen.begin(), seen.end(), k) == seen.end()) return Fail(Text::Unknown, k);
    return true;
  }
};

// The hall's people, by hall slot.
template <class F>
void ForHallPeople(const GameState& gs, F f) {
  for (int slot = 0; slot < kHallSlots; ++slot) {
    const int c = gs.hallCastSlots[size_t(slot)];
    if (c >= 0 && c < kCastCount) f(c);
  }
}
// The people of room 0.
template <class F>
void ForRoomPeople(const GameState& gs, F f) {
  for (int slot = 0; slot < kRoomPeopleCount; ++slot) {
    const int c = gs.roomCastSlots[size_t(slot)];
    if (c >= 0 && c < kCastCount) f(c);
  }
}

// Where the party may stand in the hall.
bool Walkable(int tile) {
  return tile == kTileFloor || tile == kTileDoor;
}

// Rebuilds what follows from the values read (the hall's tiles, everyone's
// marks on the grids, the cast's strengths) and checks that everyone stands
// where a person can stand.
bool Rebuild(Reader& r, GameState& g) {
  const bool inRoom = g.GameMode == kModeRoom;
  LoadHallMap(g);
  ShutHallEntrance(g);
  for (auto& row : g.hallOccupancy) row.fill(-1);
  bool ok = true;
  ForHallPeople(g, [&](int c) {
    const int x = g.castX[size_t(c)], y = g.castY[size_t(c)];
    if (HallTile(g, x, y) != kTileFloor || HallOccupant(g, x, y) != -1) ok = false;
    SetHallOccupant(g, x, y, c);
  });
  if (!ok) return r.Fail(Text::BadValue, "castX");
  if (!inRoom) {
    if (!Walkable(HallTile(g, g.playerX, g.playerY)) || HallOccupant(g, g.playerX, g.playerY) != -1)
      return r.Fail(Text::BadValue, "playerX");
    SetHallOccupant(g, g.playerX, g.playerY, 0);
    if (g.partnerX != g.playerX || g.partnerY != g.playerY) {
      if (!Walkable(HallTile(g, g.partnerX, g.partnerY)) ||
          HallOccupant(g, g.partnerX, g.partnerY) != -1)
        return r.Fail(Text::BadValue, "partnerX");
      SetHallOccupant(g, g.partnerX, g.partnerY, 1);
    }
  }

  for (auto& row : g.roomOccupancy) row.fill(-1);
  if (inRoom) {
    if (g.currentRoom == 0) {
      ForRoomPeople(g, [&](int c) {
        const int x = g.castX[size_t(c)], y = g.castY[size_t(c)];
        if (!InRoom(x, y) || RoomOccupant(g, x, y) != -1) ok = false;
        SetRoomOccupant(g, x, y, c);
      });
      if (!ok) return r.Fail(Text::BadValue, "castX");
    } else if (g.currentRoom == g.bearRoom) {
      if (!InRoom(g.castX[kBearCast], g.castY[kBearCast])) return r.Fail(Text::BadValue, "castX");
      SetRoomOccupant(g, g.castX[kBearCast], g.castY[kBearCast], kBearCast);
    }
    const int under = RoomTile(g, g.playerX, g.playerY);
    if (IsBlockTile(under) || RoomOccupant(g, g.playerX, g.playerY) >= 2)
      return r.Fail(Text::BadValue, "playerX");
  }

  // Everyone as at the end of a tick in which nobody moved.
  g.playerPrevX = g.playerX, g.playerPrevY = g.playerY;
  g.partnerPrevX = g.partnerX, g.partnerPrevY = g.partnerY;
  g.stepDX = g.stepDY = 0;
  g.castPrevX = g.castX, g.castPrevY = g.castY;
  g.castStepDX.fill(0), g.castStepDY.fill(0);

  // The beginners' course weakens the opponents once, in the opening.
  ResetCastStats(g);
  if (g.motivated == 0) ApplyEasyCourse(g);

  // Nothing is on the screen or booked.
  g.dialogueState = 0;
  g.choicePending = g.choiceCursor = 0;
  g.choiceLabels.clear();
  g.scriptText.clear();
  g.scriptPos = 0;
  g.messageText.clear();
  g.matchPending = g.bearGamePending = g.gameOver = 0;
  g.drawRanking = g.drawStatus = g.statusShown = 0;
  g.extraTime = 0;
  g.homeCastIndex = 0;
  RestoreFrontTable(g);
  return true;
}

}  // namespace

WString SayOfSave(int lang, SaveText t, FillIns values) {
  return FillIn(Texts(lang).saveTexts[size_t(t)], values);
}

WString SaveNumber(long long n) {
  return plat::FromUtf8(std::to_string(n));
}

std::string SaveGame(const GameState& gs) {
  Writer w;
  SyncSave(w, gs);
  return w.o + "\n}\n";
}

bool ReadSave(const std::string& text, GameState& out, WString& why, bool* newer) {
  why.clear();
  const int lang = out.language;
  if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
    why = Say(lang, Text::Empty);
    return false;
  }
  if (text.size() > kSaveMaxBytes) {
    why = Say(lang, Text::TooBig);
    return false;
  }
  json::Value root;
  const json::ParseResult parsed = json::Parse(text, root);
  if (parsed.fault == json::Fault::CutOff) {
    why = Say(lang, Text::CutOff);
    return false;
  }
  if (parsed.fault == json::Fault::Repeated) {
    why = SayField(lang, Text::Repeated, parsed.key);
    return false;
  }
  if (parsed.fault != json::Fault::None) {
    why = Say(lang, Text::Malformed, {{U"byte", SaveNumber(parsed.offset + 1)}});
    return false;
  }
  const json::Value* version = root.Find("version");
  if (root.kind != json::Value::Kind::Object || !version || !version->IsInt(1, 1LL << 40)) {
    why = Say(lang, Text::NotASave);
    return false;
  }
  if (version->number > kSaveVersion) {
    if (newer) *newer = true;
    why =
        Say(lang, Text::Newer, {{U"version", SaveNumber(static_cast<long long>(version->number))}});
    return false;
  }
  Reader r{root, lang, {}, {}};
  GameState next = out;
  if (!SyncSave(r, next) || !Rebuild(r, next)) {
    why = r.why.empty() ? Say(lang, Text::NotASave) : r.why;
    return false;
  }
  out = std::move(next);
  return true;
}

bool LoadSave(const std::string& text, GameState& out, std::string& why) {
  WString told;
  const bool ok = ReadSave(text, out, told);
  why = plat::ToUtf8(told);
  return ok;
}

}  // namespace moki
