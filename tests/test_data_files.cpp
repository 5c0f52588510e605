// The data files: the hall map, the four rooms and the six match fields as
// shipped in data/, and the reader that loads them.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/game_state.h"
#include "world/data_file.h"

using namespace moki;

namespace {

using Map = std::vector<std::vector<int>>;  // [y][x]
struct Cell {
  int x, y;
};

Map Load(const std::string& name, int w, int h) {
  std::vector<int16_t> v;
  std::string err;
  const std::string path = std::string(MOKI_SOURCE_DIR) + "/data/" + name;
  EXPECT_TRUE(ReadNumberFile(path, w * h, v, err)) << err;
  Map m(h, std::vector<int>(w, 0));
  if (static_cast<int>(v.size()) < w * h) return m;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) m[y][x] = v[y * w + x];
  return m;
}

// Cells reachable from start by steps onto cells that `enter` allows; cells
// for which `stop` holds are reached but not walked on from (doors).
template <typename Enter, typename Stop>
std::vector<std::vector<bool>> Reach(const Map& m, Cell start, Enter enter, Stop stop) {
  const int h = static_cast<int>(m.size()), w = static_cast<int>(m[0].size());
  std::vector<std::vector<bool>> seen(h, std::vector<bool>(w, false));
  std::vector<Cell> todo = {start};
  seen[start.y][start.x] = true;
  const int dx[4] = {-1, 0, 1, 0}, dy[4] = {0, -1, 0, 1};
  while (!todo.empty()) {
    Cell c = todo.back();
    todo.pop_back();
    if (stop(c) && !(c.x == start.x && c.y == start.y)) continue;
    for (int d = 0; d < 4; ++d) {
      Cell n{c.x + dx[d], c.y + dy[d]};
      if (n.x < 0 || n.y < 0 || n.x >= w || n.y >= h || seen[n.y][n.x]) continue;
      if (!enter(n)) continue;
      seen[n.y][n.x] = true;
      todo.push_back(n);
    }
  }
  return seen;
}

// --- The hall -------------------------------------------------------------------

constexpr int kHallFile = 40;
// Hall slots 0..10 wander; 11 is the receptionist, 12 the seller.
const std::array<Cell, 13> kHallPeople = {{{17, 12},
                                           {20, 24},
                                           {26, 22},
                                           {12, 14},
                                           {20, 30},
                                           {28, 11},
                                           {25, 19},
                                           {29, 29},
                                           {28, 31},
                                           {17, 20},
                                           {15, 26},
                                           {20, 8},
                                           {10, 29}}};
constexpr Cell kReceptionist{20, 8};
constexpr Cell kSeller{10, 29};
constexpr Cell kHallDoor{30, 8};

bool HallWalkable(int t) {
  return t == 10 || t == 18;
}

// The talking rule of the hall: the cell in front, or two ahead across a counter.
Cell TalkTarget(const Map& hall, Cell from, int dx, int dy) {
  Cell front{from.x + dx, from.y + dy};
  if (hall[front.y][front.x] == 16) return {from.x + 2 * dx, from.y + 2 * dy};
  return front;
}

TEST(DataFileHall, NamedCells) {
  const Map hall = Load("rftmap.dat", kHallFile, kHallFile);
  for (Cell c : kHallPeople) EXPECT_EQ(hall[c.y][c.x], 10) << c.x << "," << c.y;
  // The walk-in crosses (19,32) and (19,31); the entrance is open until it closes.
  EXPECT_EQ(hall[32][19], 10);
  EXPECT_EQ(hall[31][19], 10);
  EXPECT_EQ(hall[33][19], 10);
  EXPECT_EQ(hall[33][20], 10);
  EXPECT_EQ(hall[kHallDoor.y][kHallDoor.x], 18);
  // The entrance is a doorway in the south wall, with nothing to step on
  // beyond it; the only railing is the one the walk-in puts into it.
  EXPECT_FALSE(HallWalkable(hall[33][18]));
  EXPECT_FALSE(HallWalkable(hall[33][21]));
  EXPECT_FALSE(HallWalkable(hall[34][19]));
  EXPECT_FALSE(HallWalkable(hall[34][20]));

  int doors = 0;
  for (const auto& row : hall)
    for (int t : row) {
      EXPECT_TRUE(t >= 0 && t <= 18);
      doors += t == 18;
    }
  EXPECT_EQ(doors, 1);  // the party always comes back up at (30, 8)
}

TEST(DataFileHall, WalkableCellsStayWhereTheViewFitsTheGrid) {
  const Map hall = Load("rftmap.dat", kHallFile, kHallFile);
  for (int y = 0; y < kHallFile; ++y)
    for (int x = 0; x < kHallFile; ++x)
      if (HallWalkable(hall[y][x])) {
        EXPECT_TRUE(x >= 10 && x <= 30 && y >= 8 && y <= 33) << x << "," << y;
      }
}

TEST(DataFileHall, ReceptionistAndSellerAreTalkedToAcrossTheirCounters) {
  const Map hall = Load("rftmap.dat", kHallFile, kHallFile);
  // The hero below the reception desk, facing up.
  EXPECT_EQ(hall[9][20], 16);
  EXPECT_TRUE(HallWalkable(hall[10][20]));
  Cell t = TalkTarget(hall, {20, 10}, 0, -1);
  EXPECT_TRUE(t.x == kReceptionist.x && t.y == kReceptionist.y);
  // The hero in front of the seller's stall, facing left.
  EXPECT_EQ(hall[29][11], 16);
  EXPECT_TRUE(HallWalkable(hall[29][12]));
  t = TalkTarget(hall, {12, 29}, -1, 0);
  EXPECT_TRUE(t.x == kSeller.x && t.y == kSeller.y);

  // Neither of the two who never move can be walked up to.
  for (Cell p : {kReceptionist, kSeller}) {
    EXPECT_FALSE(HallWalkable(hall[p.y][p.x - 1]));
    EXPECT_FALSE(HallWalkable(hall[p.y][p.x + 1]));
    EXPECT_FALSE(HallWalkable(hall[p.y - 1][p.x]));
    EXPECT_FALSE(HallWalkable(hall[p.y + 1][p.x]));
  }
}

TEST(DataFileHall, EveryoneAndTheDoorAreReachableBeforeAndAfterTheEntranceCloses) {
  Map hall = Load("rftmap.dat", kHallFile, kHallFile);
  for (int closed = 0; closed <= 1; ++closed) {
    SCOPED_TRACE(closed ? "entrance closed" : "new game");
    Cell start{19, 33};
    if (closed) {
      hall[33][19] = hall[33][20] = 19;
      start = {19, 31};  // where the walk-in leaves the hero
    }
    const auto seen = Reach(
        hall, start, [&](Cell c) { return HallWalkable(hall[c.y][c.x]); },
        [&](Cell c) { return hall[c.y][c.x] == 18; });
    for (int s = 0; s <= 10; ++s) {
      EXPECT_TRUE(seen[kHallPeople[s].y][kHallPeople[s].x]) << "slot " << s;
    }
    EXPECT_TRUE(seen[10][20]);  // in front of the reception desk
    EXPECT_TRUE(seen[29][12]);  // in front of the seller's stall
    EXPECT_TRUE(seen[kHallDoor.y][kHallDoor.x]);
    EXPECT_FALSE(seen[kReceptionist.y][kReceptionist.x]);
    EXPECT_FALSE(seen[kSeller.y][kSeller.x]);
    EXPECT_EQ(closed == 0, seen[33][20]);
  }
}

// --- The rooms --------------------------------------------------------------------

constexpr int kFileW = 19, kFileH = 14;  // a room or field file
bool RoomBlocks(int t) {
  return t >= 11 && t <= 16;
}

struct RoomPlan {
  int room;
  Cell entry;
  bool hasDoor;
  Cell door;
  Cell bear;      // rooms 1..3
  Cell talkBear;  // where the hero stands to talk to the bear
};
const std::array<RoomPlan, 4> kRooms = {{
    {0, {17, 1}, true, {17, 12}, {-1, -1}, {-1, -1}},
    {1, {17, 12}, true, {17, 1}, {17, 7}, {17, 8}},
    {2, {17, 1}, true, {17, 12}, {17, 7}, {17, 6}},
    {3, {17, 12}, false, {-1, -1}, {16, 1}, {17, 1}},
}};
const std::array<Cell, 7> kRoomPeople = {
    {{3, 2}, {17, 9}, {2, 7}, {3, 11}, {5, 2}, {14, 10}, {5, 6}}};

Map LoadRoom(int n) {
  return Load("chk" + std::to_string(n) + ".dat", kFileW, kFileH);
}

TEST(DataFileRooms, EdgesBlockAndTheStairsAreWhereTheRoomsMeet) {
  for (const RoomPlan& r : kRooms) {
    SCOPED_TRACE(r.room);
    const Map m = LoadRoom(r.room);
    for (int x = 0; x < kFileW; ++x) {
      EXPECT_TRUE(RoomBlocks(m[0][x]) && RoomBlocks(m[kFileH - 1][x])) << "column " << x;
    }
    for (int y = 0; y < kFileH; ++y) {
      EXPECT_TRUE(RoomBlocks(m[y][0]) && RoomBlocks(m[y][kFileW - 1])) << "row " << y;
    }
    EXPECT_EQ(m[r.entry.y][r.entry.x], 17);
    // The way deeper stays shut until enough wins open it.
    if (r.hasDoor) {
      EXPECT_TRUE(RoomBlocks(m[r.door.y][r.door.x]));
    }
    int exits = 0, doors = 0;
    for (const auto& row : m)
      for (int t : row) {
        EXPECT_TRUE(t >= 0 && t <= 19);
        exits += t == 17;
        doors += t == 18;
      }
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(doors, 0);
  }
}

TEST(DataFileRooms, PeopleAndTheBearsWalksStandOnFloor) {
  const Map room0 = LoadRoom(0);
  for (Cell c : kRoomPeople) {
    const int t = room0[c.y][c.x];
    EXPECT_FALSE(RoomBlocks(t) || t == 17 || t == 18) << c.x << "," << c.y;
  }
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    const RoomPlan& r = kRooms[n];
    const Map m = LoadRoom(n);
    // The scripted walks before and after a bear game cross these cells.
    for (int y = 1; y <= 7; ++y)
      for (int x = 15; x <= 17; ++x) {
        if ((x == r.entry.x && y == r.entry.y) || (r.hasDoor && x == r.door.x && y == r.door.y))
          continue;
        EXPECT_TRUE(m[y][x] >= 1 && m[y][x] <= 10 && !RoomBlocks(m[y][x])) << x << "," << y;
      }
    EXPECT_FALSE(RoomBlocks(m[r.bear.y][r.bear.x]));
    EXPECT_FALSE(RoomBlocks(m[r.talkBear.y][r.talkBear.x]));
  }
  // Room 1's losing walk sends the hero two cells down from the bear's row.
  const Map room1 = LoadRoom(1);
  EXPECT_FALSE(RoomBlocks(room1[8][17]));
  EXPECT_FALSE(RoomBlocks(room1[9][17]));
}

TEST(DataFileRooms, FromTheStairsTheHeroReachesEveryoneAndTheOpenedDoor) {
  for (const RoomPlan& r : kRooms) {
    SCOPED_TRACE(r.room);
    Map m = LoadRoom(r.room);
    if (r.hasDoor) m[r.door.y][r.door.x] = 18;  // as the program opens it
    std::set<std::pair<int, int>> people;
    if (r.room == 0) {
      for (Cell c : kRoomPeople) people.insert({c.x, c.y});
    } else {
      people.insert({r.bear.x, r.bear.y});
    }
    const auto seen = Reach(
        m, r.entry,
        [&](Cell c) {
          return !RoomBlocks(m[c.y][c.x]) && !people.count({c.x, c.y});
        },
        [&](Cell c) { return m[c.y][c.x] == 17 || m[c.y][c.x] == 18; });
    if (r.hasDoor) {
      EXPECT_TRUE(seen[r.door.y][r.door.x]);
    }
    for (auto [x, y] : people) {
      const bool talkable = seen[y][x - 1] || seen[y][x + 1] || seen[y - 1][x] || seen[y + 1][x];
      EXPECT_TRUE(talkable) << x << "," << y;
    }
    if (r.room > 0) {
      EXPECT_TRUE(seen[r.talkBear.y][r.talkBear.x]);
    }
  }
}

TEST(DataFileRooms, BasementGroundGivesTheBearItsSpeed) {
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    const Map m = LoadRoom(n);
    int grass = 0, cells = 0;
    // The minigame is played over columns 1..16, rows 1..12.
    for (int y = 1; y <= 12; ++y)
      for (int x = 1; x <= 16; ++x) {
        EXPECT_TRUE(m[y][x] >= 1 && m[y][x] <= 4) << x << "," << y;
        grass += m[y][x] == 1;
        ++cells;
      }
    EXPECT_GE(grass * 3, cells * 2);  // mostly plain ground
  }
}

// --- The match fields ---------------------------------------------------------------

TEST(DataFileFields, TerrainOnlyAndTheBallCanCrossEveryField) {
  std::vector<Map> fields;
  for (int n = 0; n <= 5; ++n) {
    SCOPED_TRACE(n);
    const Map m = Load("btl" + std::to_string(n) + ".dat", kFileW, kFileH);
    for (const auto& row : m)
      for (int t : row) EXPECT_TRUE(t >= 1 && t <= 4) << t;
    // From the home goal line (column 1) to the away one (column 17) over dry ground.
    Map dry = m;
    for (int y = 0; y < kFileH; ++y) dry[y][0] = 0;  // a virtual start beyond the left border
    const auto seen = Reach(
        dry, {0, 1},
        [&](Cell c) {
          return c.x == 0 || (c.x >= 1 && c.x <= 17 && c.y >= 1 && c.y <= 12 && m[c.y][c.x] != 2);
        },
        [](Cell) { return false; });
    bool crossed = false;
    for (int y = 1; y <= 12; ++y) crossed = crossed || seen[y][17];
    EXPECT_TRUE(crossed);
    fields.push_back(m);
  }
  // The league field is grass; the challenge fields each have their own ground.
  int grass = 0;
  for (const auto& row : fields[0])
    for (int t : row) grass += t == 1;
  EXPECT_GE(grass * 10, kFileW * kFileH * 9);
  for (int a = 0; a <= 5; ++a)
    for (int b = a + 1; b <= 5; ++b) EXPECT_NE(fields[a], fields[b]) << a << " " << b;
}

// --- The reader ------------------------------------------------------------------

class DataFileReader : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::path(testing::TempDir()) /
           ("moki-data-" + std::to_string(getpid()) + "-" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  std::filesystem::path dir_;
  std::vector<int16_t> values_;
  std::string err_;
};

TEST_F(DataFileReader, AcceptsCommasLineEndsBlanksAndTrailingSeparators) {
  const std::string path = Write("ok.dat", "1, 2,3,\r\n 4\t,19\n\n0,7,\n8");
  ASSERT_TRUE(ReadNumberFile(path, 8, values_, err_)) << err_;
  EXPECT_EQ(values_, (std::vector<int16_t>{1, 2, 3, 4, 19, 0, 7, 8}));
  // Fewer wanted than present: the rest is ignored.
  ASSERT_TRUE(ReadNumberFile(path, 5, values_, err_)) << err_;
  EXPECT_EQ(values_, (std::vector<int16_t>{1, 2, 3, 4, 19}));
  // One number per line works too.
  const std::string column = Write("column.dat", "5\n6\n7\n");
  ASSERT_TRUE(ReadNumberFile(column, 3, values_, err_)) << err_;
  EXPECT_EQ(values_, (std::vector<int16_t>{5, 6, 7}));
}

// Every way the file itself can be wrong: each gives one line that names it.
TEST_F(DataFileReader, BadFilesNameTheFileAndWhatIsWrong) {
  const std::string sub = (dir_ / "sub.dat").string();
  std::filesystem::create_directories(sub);
  const std::string fifo = (dir_ / "fifo.dat").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);  // opening it would wait for a writer for ever
  const std::string sparse = Write("sparse.dat", "");
  std::filesystem::resize_file(sparse, std::uintmax_t{8} << 30);  // 8 GiB of zero bytes
  const std::string locked = Write("locked.dat", "1,2,3,4\n");
  std::filesystem::permissions(locked, std::filesystem::perms::none);

  struct Case {
    std::string path, what;
  };
  const std::vector<Case> cases = {
      {(dir_ / "nothere.dat").string(), "the file is missing"},
      {Write("empty.dat", ""), "the file is empty"},
      {Write("blank.dat", "\n \n\t\r\n"), "expected 4 numbers, found 0"},
      {Write("short.dat", "1,2\n3\n"), "expected 4 numbers, found 3"},
      {sub, "this is a folder, not a file"},
      {fifo, "this is not a plain file"},
      {sparse, "line 1, number 1: \"????????????????...\" is not a number"},
      {Write("blanks.dat", std::string(1 << 20, ' ')),
       "expected 4 numbers, found 0 in its first 65600 bytes"},
      {locked, "the file cannot be opened (Permission denied)"},
  };
  const bool root = geteuid() == 0;
  for (const Case& c : cases) {
    if (c.path == locked && root) {
      std::cout << "[ SKIPPED  ] unreadable file: running as root, which reads it anyway\n";
      continue;
    }
    EXPECT_FALSE(ReadNumberFile(c.path, 4, values_, err_)) << c.path;
    EXPECT_EQ(err_, c.path + ": " + c.what);
  }
}

// A huge file whose head holds the numbers loads, reading only that head.
TEST_F(DataFileReader, HugeFileCostsOnlyItsHead) {
  const std::string path = Write("huge.dat", "1,2,3,4\n");
  std::filesystem::resize_file(path, std::uintmax_t{8} << 30);
  ASSERT_TRUE(ReadNumberFile(path, 4, values_, err_)) << err_;
  EXPECT_EQ(values_, (std::vector<int16_t>{1, 2, 3, 4}));
}

TEST_F(DataFileReader, BadValuesNameTheLineAndTheValue) {
  struct Case {
    const char* text;
    const char* what;
  };
  const Case cases[] = {
      {"1,2\r\n3,4\r\n5,1x,6\r\n", "line 3, number 2: \"1x\" is not a number"},
      {"1,2\n\n3\n4\n10,25\n", "line 5, number 2: value 25 is outside 0..19"},
      {"-1,2\n", "line 1, number 1: value -1 is outside 0..19"},
      {"1,,2\n", "line 1, number 2: empty value"},
      {"1 2,3\n", "line 1, number 1: \"1 2\" is not a number"},
      {"3.5\n", "line 1, number 1: \"3.5\" is not a number"},
      {"12345678901234567890123\n", "line 1, number 1: value 1234567890123456... is outside 0..19"},
      {"\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\n",
       "line 1, number 1: \"\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82...\" is not a number"},
  };
  for (const Case& c : cases) {
    const std::string path = Write("bad.dat", c.text);
    EXPECT_FALSE(ReadNumberFile(path, 20, values_, err_)) << c.text;
    EXPECT_EQ(err_, path + ": " + c.what);
  }
}

// The game's loaders read beside the test program, where the build copies data/.
TEST(DataFileLoaders, FillOnlyTheCellsTheFilesHold) {
  GameState gs;
  for (auto& row : gs.hallMap) row.fill(7);
  LoadHallMap(gs);
  EXPECT_EQ(gs.hallMap[8][30], 18);
  EXPECT_EQ(gs.hallMap[33][19], 10);
  for (int k = 0; k < kHallSize; ++k) {
    EXPECT_EQ(gs.hallMap[40][k], 0);
    EXPECT_EQ(gs.hallMap[k][40], 0);
  }

  for (auto& row : gs.roomMap) row.fill(9);
  LoadRoomFile(gs, 1);
  EXPECT_EQ(gs.roomMap[12][17], 17);
  EXPECT_EQ(gs.roomMap[0][0], 13);
  for (int x = 0; x < kFileW; ++x) EXPECT_EQ(gs.roomMap[14][x], 9);
  for (int y = 0; y < kFileH; ++y) EXPECT_EQ(gs.roomMap[y][19], 9);

  LoadBattleFile(gs, 0);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 19; ++x) EXPECT_TRUE(gs.roomMap[y][x] >= 1 && gs.roomMap[y][x] <= 4);
  EXPECT_EQ(gs.roomMap[14][0], 9);  // never part of a field
}

TEST(DataFileLoadersDeathTest, MissingFileStopsTheGameNamingIt) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  GameState gs;
  auto failed = [](int status) { return WIFEXITED(status) && WEXITSTATUS(status) != 0; };
  EXPECT_EXIT(LoadRoomFile(gs, 9), failed, "data/chk9\\.dat: the file is missing");
  EXPECT_EXIT(LoadBattleFile(gs, 6), failed, "data/btl6\\.dat");
}

}  // namespace
