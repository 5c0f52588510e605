#include "shell/save_game.h"

#include <algorithm>
#include <cstdio>

#include "core/json.h"
#include "match/cast_stats.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "platform/user_files.h"
#include "story/actions.h"
#include "story/dialogue.h"
#include "story/language.h"
#include "world/data_file.h"
#include "world/walk_common.h"

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

constexpr int32_t kMoneyMax = 999999999;
constexpr size_t kSaveMaxBytes = 256 * 1024;  // a save is a few kilobytes
constexpr int kBear = 22;

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

// --- Writing ---------------------------------------------------------------------

struct Writer {
  std::string o = "{";
  void Key(const char* k) {
    o += o.size() > 1 ? ",\n  " : "\n  ";
    json::AppendString(o, k);
    o += ": ";
  }
  void Int(const char* k, long long v) {
    Key(k);
    o += std::to_string(v);
  }
  template <class It>
  void Row(It first, It last) {
    o += '[';
    for (It i = first; i != last; ++i) {
      if (i != first) o += ',';
      o += std::to_string(*i);
    }
    o += ']';
  }
  template <class A>
  void Ints(const char* k, const A& a) {
    Key(k);
    Row(a.begin(), a.end());
  }
};

// --- Reading -----------------------------------------------------------------------

// Reads the values of the save's object one by one, each against its range;
// the first fault is kept in why.
struct Reader {
  const json::Value& root;
  int lang;
  WString why;

  bool Fail(Text t, const std::string& name) {
    if (why.empty()) why = SayField(lang, t, name);
    return false;
  }
  const json::Value* Get(const char* k) {
    seen.emplace_back(k);
    const json::Value* v = root.Find(k);
    if (!v) Fail(Text::Missing, k);
    return v;
  }
  template <class T>
  bool Int(const char* k, int64_t lo, int64_t hi, T& out) {
    const json::Value* v = Get(k);
    if (!v) return false;
    if (!v->IsInt(lo, hi)) return Fail(Text::BadValue, k);
    out = static_cast<T>(v->number);
    return true;
  }
  // An array of exactly n whole numbers, each in [lo, hi], or (with `each`)
  // in the range each(i) gives for element i.
  template <class T, class Range>
  bool IntsBy(const json::Value* v, const std::string& name, size_t n, T* out, Range each) {
    if (!v) return false;
    if (v->kind != json::Value::Kind::Array || v->items.size() != n)
      return Fail(Text::BadValue, name);
    for (size_t i = 0; i < n; ++i) {
      const auto [lo, hi] = each(i);
      if (!v->items[i].IsInt(lo, hi))
        return Fail(Text::BadValue, name + "[" + std::to_string(i) + "]");
      out[i] = static_cast<T>(v->items[i].number);
    }
    return true;
  }
  template <class T>
  bool Ints(const char* k, size_t n, int64_t lo, int64_t hi, T* out) {
    return IntsBy(Get(k), k, n, out, [&](size_t) { return std::pair<int64_t, int64_t>(lo, hi); });
  }
  // An array of `rows` arrays of `cols` whole numbers in [lo, hi].
  template <class Grid>
  bool Rows(const char* k, size_t rows, size_t cols, int64_t lo, int64_t hi, Grid& out) {
    const json::Value* v = Get(k);
    if (!v) return false;
    if (v->kind != json::Value::Kind::Array || v->items.size() != rows)
      return Fail(Text::BadValue, k);
    for (size_t r = 0; r < rows; ++r)
      if (!IntsBy(&v->items[r], std::string(k) + "[" + std::to_string(r) + "]", cols, out[r].data(),
                  [&](size_t) { return std::pair<int64_t, int64_t>(lo, hi); }))
        return false;
    return true;
  }
  // Every key of the object has been read: anything else is not ours.
  bool NothingElse() {
    for (const std::string& k : root.keys)
      if (k != "version" && std::find(seen.begin(), seen.end(), k) == seen.end())
        return Fail(Text::Unknown, k);
    return true;
  }
  std::vector<std::string> seen;  // the keys asked for
};

// The hall's people, by hall slot.
template <class F>
void ForHallPeople(const GameState& gs, F f) {
  for (int slot = 0; slot < kHallSlots; ++slot) {
    const int c = gs.hallCastSlots[size_t(slot)];
    if (c >= 0 && c < kCastCount) f(c);
  }
}
// The seven people of room 0.
template <class F>
void ForRoomPeople(const GameState& gs, F f) {
  for (int slot = 0; slot < 7; ++slot) {
    const int c = gs.roomCastSlots[size_t(slot)];
    if (c >= 0 && c < kCastCount) f(c);
  }
}

bool IsPermutationOfTeams(const i16* a) {
  bool seen[13] = {};
  for (int i = 0; i < 10; ++i) {
    if (!IsLeagueTeam(a[i]) || seen[a[i]]) return false;
    seen[a[i]] = true;
  }
  return true;
}

// Reads and checks every value into `next` (a copy of the title's state).
bool ReadValues(Reader& r, GameState& next) {
  GameState& g = next;
  int mode = 0;
  if (!r.Int("GameMode", kModeHall, kModeRoom, mode)) return false;
  g.GameMode = static_cast<i16>(mode);
  const bool inRoom = mode == kModeRoom;

  if (!r.Int("money", 0, kMoneyMax, g.money)) return false;
  if (!r.Int("roundNumber", 1, 32767, g.roundNumber)) return false;
  if (!r.Ints("winsByCast", kTeamCastCount, 0, 32767, g.winsByCast.data())) return false;
  if (!r.Ints("rankOrder", 10, 0, 12, &g.rankOrder[1])) return false;
  if (!IsPermutationOfTeams(&g.rankOrder[1])) return r.Fail(Text::BadValue, "rankOrder");
  if (!r.Int("heroRank", 1, 10, g.heroRank)) return false;
  if (g.rankOrder[size_t(g.heroRank)] != 0) return r.Fail(Text::BadValue, "heroRank");
  if (!r.Ints("leagueSeats", 10, 0, 12, g.leagueSeats.data())) return false;
  if (!IsPermutationOfTeams(g.leagueSeats.data())) return r.Fail(Text::BadValue, "leagueSeats");

  // The opponent stays booked from one challenge to the next.
  if (!r.Int("opponentCast", 0, kTeamCastCount - 1, g.opponentCast)) return false;
  if (!r.Int("opponentBackOffset", -(kTeamCastCount - 1), kTeamCastCount - 1, g.opponentBackOffset))
    return false;
  const int back = g.opponentCast + g.opponentBackOffset;
  if (back < 0 || back >= kTeamCastCount) return r.Fail(Text::BadValue, "opponentBackOffset");
  int bonus = 0;
  if (!r.Int("opponentBonus", 0, 16, bonus)) return false;
  g.opponentBonus = float(bonus);
  if (!r.Int("motivated", 0, 1, g.motivated)) return false;
  if (!r.Int("playerRole", 0, 2, g.playerRole)) return false;

  if (!r.Int("shopItem", 1, kItemCount - 1, g.shopItem)) return false;
  if (!r.Int("shopCount", 1, 14, g.shopCount)) return false;
  if (!r.Ints("slotItem", 3, 0, kItemCount - 1, g.slotItem.data())) return false;
  if (!r.Rows("slotCount", kItemCount, 3, 0, 32767, g.slotCount)) return false;
  if (!r.Ints("specialAbilities", 3, 0, 1, g.specialAbilities.data())) return false;
  if (!r.IntsBy(r.Get("talkEntry"), "talkEntry", kCastCount, g.talkEntry.data(),
                [&](size_t c) { return std::pair<int64_t, int64_t>(0, LastEntry(g, int(c))); }))
    return false;

  if (!r.Int("currentRoom", 0, 3, g.currentRoom)) return false;
  if (!r.Int("bearRoom", 1, 3, g.bearRoom)) return false;
  if (inRoom) {
    for (auto& row : g.roomMap) row.fill(0);
    if (!r.Rows("roomMap", 14, 19, 0, 19, g.roomMap)) return false;
  }

  const int maxX = inRoom ? 18 : kHallSize - 1, maxY = inRoom ? 13 : kHallSize - 1;
  if (!r.Int("playerX", 0, maxX, g.playerX)) return false;
  if (!r.Int("playerY", 0, maxY, g.playerY)) return false;
  if (!r.Int("playerFacing", 0, 3, g.playerFacing)) return false;
  if (!r.Int("partnerX", 0, maxX, g.partnerX)) return false;
  if (!r.Int("partnerY", 0, maxY, g.partnerY)) return false;
  if (!r.Int("partnerSide", 0, 4, g.partnerSide)) return false;
  if (!r.Int("partnerPrevSide", 0, 4, g.partnerPrevSide)) return false;
  if (!r.Int("doorLatch", 0, 1, g.doorLatch)) return false;
  if (!r.Ints("castX", kCastCount, 0, kHallSize - 1, g.castX.data())) return false;
  if (!r.Ints("castY", kCastCount, 0, kHallSize - 1, g.castY.data())) return false;
  if (!r.Ints("castFacing", kCastCount, 0, 3, g.castFacing.data())) return false;
  if (!r.Int("wanderSlot", 0, 10, g.wanderSlot)) return false;
  return r.NothingElse();
}

bool Walkable(int tile) {
  return tile == 10 || tile == 18;
}

// Rebuilds what follows from the values read (the hall's tiles, everyone's
// marks on the grids, the cast's strengths) and checks that everyone stands
// where a person can stand.
bool Rebuild(Reader& r, GameState& g) {
  const bool inRoom = g.GameMode == kModeRoom;
  LoadHallMap(g);
  g.hallMap[33][19] = g.hallMap[33][20] = 19;  // the entrance, closed behind the party
  for (auto& row : g.hallOccupancy) row.fill(-1);
  bool ok = true;
  ForHallPeople(g, [&](int c) {
    const int x = g.castX[size_t(c)], y = g.castY[size_t(c)];
    if (HallTile(g, x, y) != 10 || HallOccupant(g, x, y) != -1) ok = false;
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
      if (!InRoom(g.castX[kBear], g.castY[kBear])) return r.Fail(Text::BadValue, "castX");
      SetRoomOccupant(g, g.castX[kBear], g.castY[kBear], kBear);
    }
    const int under = RoomTile(g, g.playerX, g.playerY);
    if ((under >= 11 && under <= 16) || RoomOccupant(g, g.playerX, g.playerY) >= 2)
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
  w.Int("version", kSaveVersion);
  w.Int("GameMode", gs.GameMode);
  w.Int("money", gs.money);
  w.Int("roundNumber", gs.roundNumber);
  w.Ints("winsByCast", gs.winsByCast);
  w.Key("rankOrder");
  w.Row(gs.rankOrder.begin() + 1, gs.rankOrder.end());
  w.Int("heroRank", gs.heroRank);
  w.Ints("leagueSeats", gs.leagueSeats);
  w.Int("opponentCast", gs.opponentCast);
  w.Int("opponentBackOffset", gs.opponentBackOffset);
  w.Int("opponentBonus", static_cast<long long>(gs.opponentBonus));
  w.Int("motivated", gs.motivated);
  w.Int("playerRole", gs.playerRole);
  w.Int("shopItem", gs.shopItem);
  w.Int("shopCount", gs.shopCount);
  w.Ints("slotItem", gs.slotItem);
  w.Key("slotCount");
  w.o += '[';
  for (size_t i = 0; i < gs.slotCount.size(); ++i) {
    if (i) w.o += ',';
    w.Row(gs.slotCount[i].begin(), gs.slotCount[i].end());
  }
  w.o += ']';
  w.Ints("specialAbilities", gs.specialAbilities);
  w.Ints("talkEntry", gs.talkEntry);
  w.Int("currentRoom", gs.currentRoom);
  w.Int("bearRoom", gs.bearRoom);
  if (gs.GameMode == kModeRoom) {
    // The room as the party sees it, with the doors the wins have opened.
    w.Key("roomMap");
    w.o += '[';
    for (size_t y = 0; y < 14; ++y) {
      w.o += y ? ",\n    " : "\n    ";
      w.Row(gs.roomMap[y].begin(), gs.roomMap[y].begin() + 19);
    }
    w.o += ']';
  }
  w.Int("playerX", gs.playerX);
  w.Int("playerY", gs.playerY);
  w.Int("playerFacing", gs.playerFacing);
  w.Int("partnerX", gs.partnerX);
  w.Int("partnerY", gs.partnerY);
  w.Int("partnerSide", gs.partnerSide);
  w.Int("partnerPrevSide", gs.partnerPrevSide);
  w.Int("doorLatch", gs.doorLatch);
  w.Ints("castX", gs.castX);
  w.Ints("castY", gs.castY);
  w.Ints("castFacing", gs.castFacing);
  w.Int("wanderSlot", gs.wanderSlot);
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
  if (!ReadValues(r, next) || !Rebuild(r, next)) {
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
  plat::SetMenuEnabled(plat::kMenuContinue, false);
}

void UpdateContinueItem() {
  plat::SetMenuEnabled(plat::kMenuContinue, plat::UserFileExists(SavePath()));
}

void ContinueGame(Form1& f) {
  GameState& gs = f.gs;
  if (gs.GameMode != kModeTitle) return;  // only from the title
  const std::string path = SavePath();
  std::string text, err;
  WString why;
  switch (plat::ReadUserFile(path, text, err, kSaveMaxBytes)) {
    case plat::ReadStatus::Missing:
      plat::SetMenuEnabled(plat::kMenuContinue, false);
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
        plat::SetMenuEnabled(plat::kMenuStart, false);  // as in a game begun with スタート
        plat::SetMenuEnabled(plat::kMenuContinue, false);
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
  plat::SetMenuEnabled(plat::kMenuContinue, false);
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
