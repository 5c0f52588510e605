#include "shell/save_game.h"

#include <algorithm>
#include <cstdio>

#include "core/json.h"
#include "core/tiles.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "player_files/user_files.h"
#include "story/actions.h"
#include "story/cast_stats.h"
#include "story/dialogue.h"
#include "story/language.h"
#include "world/data_file.h"
#include "world/walk_common.h"
#include "shell/menu_ids.h"

namespace moki {

namespace {

// --- What the player is told ----------------------------------------------------
// Every text about the save is in the language tables; a detail the system or
// the file gives (a reason, a number, a file name) is filled in by name.
using Text = SaveText;

WString Say(int lang, Text t, FillIns values = {}) {
  return FillIn(Texts(lang).saveTexts[size_t(t)], values);
}

void Tell(int lang, const WString& text) {
  plat::MessageBox(text, Say(lang, Text::Caption));
}

// The part of the save a value belongs to, as the player knows it, by the
// value's name ("slotCount[3]" is in the items).
SavePart PartOf(const std::string& field) {
  const std::string name = field.substr(0, field.find('['));
  struct Row {
    const char* field;
    SavePart part;
  };
  static constexpr Row kParts[] = {
      {"money", SavePart::Money},          {"roundNumber", SavePart::League},
      {"winsByCast", SavePart::League},    {"rankOrder", SavePart::League},
      {"heroRank", SavePart::League},      {"leagueSeats", SavePart::League},
      {"opponentCast", SavePart::League},  {"opponentBackOffset", SavePart::League},
      {"opponentBonus", SavePart::League}, {"shopItem", SavePart::Items},
      {"shopCount", SavePart::Items},      {"slotItem", SavePart::Items},
      {"slotCount", SavePart::Items},      {"specialAbilities", SavePart::Items},
      {"motivated", SavePart::Story},      {"playerRole", SavePart::Story},
      {"talkEntry", SavePart::Story},
  };
  for (const Row& r : kParts)
    if (name == r.field) return r.part;
  return SavePart::Places;  // where everyone is: the mode, the rooms, the places
}

// What is wrong with value `field`, in the player's words.
WString SayField(int lang, Text t, const std::string& field) {
  return Say(lang, t, {{U"part", Texts(lang).saveParts[size_t(PartOf(field))]}});
}

WString Number(long long n) {
  return plat::FromUtf8(std::to_string(n));
}

constexpr size_t kSaveMaxBytes = 256 * 1024;  // a save is a few kilobytes

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

// Every value of the save, in the file's order, with the range each may
// take: the writer walks it with a const state, the reader with the state it
// fills, checking each value as it comes (and stopping at the first fault).
// A new value of the save is one line here.
template <class Io, class State>
bool SyncSave(Io& io, State& g) {
  int version = kSaveVersion;
  io.Int("version", version, 1, kSaveVersion);
  io.Int("GameMode", g.GameMode, kModeHall, kModeRoom);
  const bool inRoom = g.GameMode == kModeRoom;

  io.Int("money", g.money, 0, kMoneyMax);
  io.Int("roundNumber", g.roundNumber, 1, kCountMax);
  io.Ints("winsByCast", g.winsByCast.data(), kTeamCastCount, 0, kCountMax);
  io.Ints("rankOrder", &g.rankOrder[1], 10, 0, 12);  // positions 1..10
  io.Check("rankOrder", [&] { return IsPermutationOfTeams(&g.rankOrder[1]); });
  io.Int("heroRank", g.heroRank, 1, 10);
  io.Check("heroRank", [&] { return g.rankOrder[size_t(g.heroRank)] == 0; });
  io.Ints("leagueSeats", g.leagueSeats.data(), 10, 0, 12);
  io.Check("leagueSeats", [&] { return IsPermutationOfTeams(g.leagueSeats.data()); });

  // The opponent stays booked from one challenge to the next.
  io.Int("opponentCast", g.opponentCast, 0, kTeamCastCount - 1);
  io.Int("opponentBackOffset", g.opponentBackOffset, -(kTeamCastCount - 1), kTeamCastCount - 1);
  io.Check("opponentBackOffset", [&] {
    const int back = g.opponentCast + g.opponentBackOffset;
    return back >= 0 && back < kTeamCastCount;
  });
  io.Int("opponentBonus", g.opponentBonus, 0, 16);
  io.Int("motivated", g.motivated, 0, 1);
  io.Int("playerRole", g.playerRole, 0, 2);

  io.Int("shopItem", g.shopItem, 1, kItemCount - 1);
  io.Int("shopCount", g.shopCount, 1, 14);
  io.Ints("slotItem", g.slotItem.data(), 3, 0, kItemCount - 1);
  io.Rows("slotCount", g.slotCount, kItemCount, 3, 0, kCountMax, false);
  io.Ints("specialAbilities", g.specialAbilities.data(), 3, 0, 1);
  io.IntsBy("talkEntry", g.talkEntry.data(), kCastCount,
            [&](size_t c) { return Range(0, LastEntry(g, int(c))); });

  io.Int("currentRoom", g.currentRoom, 0, 3);
  io.Int("bearRoom", g.bearRoom, 1, 3);
  // The room as the party sees it, with the doors the wins have opened.
  if (inRoom) io.Rows("roomMap", g.roomMap, kRoomFileH, kRoomFileW, 0, kLastTile, true);

  const int maxX = inRoom ? kRoomFileW - 1 : kHallSize - 1;
  const int maxY = inRoom ? kRoomFileH - 1 : kHallSize - 1;
  io.Int("playerX", g.playerX, 0, maxX);
  io.Int("playerY", g.playerY, 0, maxY);
  io.Int("playerFacing", g.playerFacing, 0, 3);
  io.Int("partnerX", g.partnerX, 0, maxX);
  io.Int("partnerY", g.partnerY, 0, maxY);
  io.Int("partnerSide", g.partnerSide, 0, 4);
  io.Int("partnerPrevSide", g.partnerPrevSide, 0, 4);
  io.Int("doorLatch", g.doorLatch, 0, 1);
  io.Ints("castX", g.castX.data(), kCastCount, 0, kHallSize - 1);
  io.Ints("castY", g.castY.data(), kCastCount, 0, kHallSize - 1);
  io.Ints("castFacing", g.castFacing.data(), kCastCount, 0, 3);
  io.Int("wanderSlot", g.wanderSlot, 0, 10);
  return io.Done();
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
  void Int(const char* k, const T& v, int64_t, int64_t) {
    Key(k);
    Whole(v);
  }
  template <class T>
  void Ints(const char* k, const T* v, size_t n, int64_t, int64_t) {
    Key(k);
    Row(v, n);
  }
  template <class T, class Ranges>
  void IntsBy(const char* k, const T* v, size_t n, Ranges) {
    Ints(k, v, n, 0, 0);
  }
  // A grid's first `rows` rows of `cols` numbers, a row to a line if asked.
  template <class Grid>
  void Rows(const char* k, const Grid& grid, size_t rows, size_t cols, int64_t, int64_t,
            bool linePerRow) {
    Key(k);
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

  bool Fail(Text t, const std::string& name) {
    if (why.empty()) why = SayField(lang, t, name);
    return false;
  }
  const json::Value* Get(const char* k) {
    if (!why.empty()) return nullptr;
    seen.emplace_back(k);
    const json::Value* v = root.Find(k);
    if (!v) Fail(Text::Missing, k);
    return v;
  }
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
  void Int(const char* k, T& out, int64_t lo, int64_t hi) {
    if (const json::Value* v = Get(k)) Put(*v, k, Range(lo, hi), out);
  }
  template <class T, class Ranges>
  void IntsBy(const char* k, T* out, size_t n, Ranges each) {
    Array(Get(k), k, out, n, each);
  }
  template <class T>
  void Ints(const char* k, T* out, size_t n, int64_t lo, int64_t hi) {
    IntsBy(k, out, n, [&](size_t) { return Range(lo, hi); });
  }
  // An array of `rows` arrays of `cols` numbers in [lo, hi], into the first
  // rows and columns of grid; the rest of the grid is cleared.
  template <class Grid>
  void Rows(const char* k, Grid& grid, size_t rows, size_t cols, int64_t lo, int64_t hi, bool) {
    const json::Value* v = Get(k);
    if (!v) return;
    for (auto& row : grid) row.fill(0);
    if (v->kind != json::Value::Kind::Array || v->items.size() != rows) {
      Fail(Text::BadValue, k);
      return;
    }
    for (size_t r = 0; r < rows; ++r)
      if (!Array(&v->items[r], std::string(k) + "[" + std::to_string(r) + "]", grid[r].data(), cols,
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

// After a result from the final on, the receptionist calls the hero over;
// a save made at that moment still holds her news (her entries 1, 2, 4, 5,
// 7 and 8), which she has always told by the time the party walks again.
bool ReceptionistHasNews(const GameState& gs) {
  const int e = gs.talkEntry[2];
  return gs.roundNumber > 9 && e != 0 && e != 3 && e != 6;
}

}  // namespace

std::string SavePath() {
  return plat::DataDir() + "/save.json";
}

std::string SaveGame(const GameState& gs) {
  Writer w;
  SyncSave(w, gs);
  return w.o + "\n}\n";
}

namespace {

bool Load(const std::string& text, GameState& out, WString& why) {
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
    why = Say(lang, Text::Malformed, {{U"byte", Number(parsed.offset + 1)}});
    return false;
  }
  const json::Value* version = root.Find("version");
  if (root.kind != json::Value::Kind::Object || !version || !version->IsInt(1, 1LL << 40)) {
    why = Say(lang, Text::NotASave);
    return false;
  }
  if (version->number > kSaveVersion) {
    why = Say(lang, Text::Newer, {{U"version", Number(static_cast<long long>(version->number))}});
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

}  // namespace

bool LoadSave(const std::string& text, GameState& out, std::string& why) {
  WString told;
  const bool ok = Load(text, out, told);
  why = plat::ToUtf8(told);
  return ok;
}

bool AtRestNow(const GameState& gs) {
  return (gs.GameMode == kModeHall || gs.GameMode == kModeRoom) && gs.dialogueState == 0 &&
         gs.choicePending == 0 && gs.statusShown == 0 && gs.drawStatus == 0 &&
         gs.drawRanking == 0 && gs.matchPending == 0 && gs.bearGamePending == 0 && gs.gameOver == 0;
}

// Whether this copy of the game may write the save: another copy started
// first on the same save keeps it (this one was told at start).
bool SaveIsOurs() {
  return plat::ClaimUserFolder(SavePath());
}

void ClaimSave(const GameState& gs) {
  if (!SaveIsOurs()) Tell(gs.language, Say(gs.language, Text::InUse));
}

void WriteSave(const GameState& gs) {
  if (gs.GameMode != kModeHall && gs.GameMode != kModeRoom) return;
  if (!SaveIsOurs()) return;
  std::string err;
  if (!plat::WriteUserFile(SavePath(), SaveGame(gs), err))
    Tell(gs.language, Say(gs.language, Text::CannotWrite, {{U"why", plat::FromUtf8(err)}}));
}

void SaveIfAtRest(const GameState& gs) {
  if (AtRestNow(gs)) WriteSave(gs);
}

void ForgetSave() {
  if (SaveIsOurs()) plat::RemoveUserFile(SavePath());
  plat::SetMenuEnabled(kMenuContinue, false);
}

void UpdateContinueItem() {
  plat::SetMenuEnabled(kMenuContinue, plat::UserFileExists(SavePath()));
}

void ContinueGame(Form1& f) {
  GameState& gs = f.gs;
  if (gs.GameMode != kModeTitle) return;  // only from the title
  const std::string path = SavePath();
  std::string text, err;
  WString why;
  switch (plat::ReadUserFile(path, text, err, kSaveMaxBytes)) {
    case plat::ReadStatus::Missing:
      plat::SetMenuEnabled(kMenuContinue, false);
      Tell(gs.language, Say(gs.language, Text::NoSave));
      return;
    case plat::ReadStatus::Unreadable:
      why = Say(gs.language, Text::Unreadable, {{U"why", plat::FromUtf8(err)}});
      break;
    case plat::ReadStatus::TooBig:
      why = Say(gs.language, Text::TooBig);
      break;
    case plat::ReadStatus::Ok:
      if (Load(text, gs, why)) {
        plat::SetMenuEnabled(kMenuStart, false);  // as in a game begun with スタート
        plat::SetMenuEnabled(kMenuContinue, false);
        ResetKeys(gs);
        plat::SetLabelVisible(false);
        plat::SetYesNoVisible(0, false);
        plat::SetYesNoVisible(1, false);
        plat::SetTimerEnabled(true);
        plat::Refresh();
        if (ReceptionistHasNews(gs)) OpenDialogue(f, 2);
        return;
      }
      break;
  }
  // The save cannot be used: it is set aside, never lost, and the title stays.
  plat::SetMenuEnabled(kMenuContinue, false);
  std::string keptAs;
  err.clear();
  WString kept;
  if (plat::KeepAsBad(path, keptAs, err)) {
    // Named as the player finds it: beside the save, or where its link points.
    const std::string folder = plat::DataDir() + "/";
    if (keptAs.compare(0, folder.size(), folder) == 0) keptAs.erase(0, folder.size());
    kept = Say(gs.language, Text::KeptAsBad, {{U"file", plat::FromUtf8(keptAs)}});
  } else {
    const WString bad = plat::FromUtf8(path.substr(path.find_last_of('/') + 1) + ".bad");
    kept = Say(gs.language, Text::NotKept, {{U"file", bad}, {U"why", plat::FromUtf8(err)}});
  }
  Tell(gs.language, Say(gs.language, Text::CannotRead) + U"\n" + why + U"\n" + kept);
}

}  // namespace moki
