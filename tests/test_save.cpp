// Continuing a game: each case plays the game through the real keys, ends
// that run (終了, the window's close button, or just stopping), and starts a
// second run of the game that continues with つづきから from the save left on
// disk. Also the saves that cannot be used, and the reader's checks of every
// value.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "core/json.h"
#include "fuzz/harness.h"
#include "look_ahead_player.h"
#include "match/match_result.h"
#include "platform/session.h"
#include "player_files/recording.h"
#include "player_files/user_files.h"
#include "shell/save_game.h"
#include "story/league.h"
#include "test_support.h"
#include "world/rooms.h"
#include "shell/menu_ids.h"

namespace {

using testing_support::Steps;

namespace fs = std::filesystem;
using moki::Form1;
using moki::GameState;
using testing_support::AutoReader;
using testing_support::MakeForm;
using testing_support::NewGameThroughTheOpening;
using testing_support::PlaceParty;
using testing_support::RunWith;
using testing_support::Slurp;
using testing_support::TempDir;

// The game saves in the player's data folder: every run of the tests gets a
// folder of its own, so that no test writes into the home of whoever runs
// them and parallel runs never share a save.
class TemporaryDataHome : public ::testing::Environment {
 public:
  void SetUp() override {
    // A death test's child, started afresh, uses the folder of its parent,
    // which removes it.
    const char* inherited = getenv("XDG_DATA_HOME");
    const std::string ours = (fs::temp_directory_path() / kPrefix).string();
    if (inherited && std::string(inherited).rfind(ours, 0) == 0) return;
    home_ = std::make_unique<TempDir>(kPrefix);
    setenv("XDG_DATA_HOME", home_->dir.c_str(), 1);
  }
  void TearDown() override { home_.reset(); }

 private:
  static constexpr const char* kPrefix = "moki-test-data-";
  std::unique_ptr<TempDir> home_;
};
::testing::Environment* const kDataHome =
    ::testing::AddGlobalTestEnvironment(new TemporaryDataHome);

// Plays a scenario on a window; `load` starts it as the program starts.
int Play(Form1& f, const std::string& scenario, bool load = false) {
  return RunWith(scenario, [&] {
    if (load) moki::Form_Load(f);
    plat::headless::MainLoop();
  });
}

// What a player sees of a game, by field: the money and the league, the
// items, abilities and talk, where everyone stands and faces, the doors, the
// hall and the room with everyone's place on them, and the cast's strengths.
const char* const kSeenFields[] = {
    "GameMode",           "money",         "roundNumber",   "winsByCast",
    "rankOrder",          "heroRank",      "leagueSeats",   "opponentCast",
    "opponentBackOffset", "opponentBonus", "motivated",     "shopItem",
    "shopCount",          "slotItem",      "slotCount",     "specialAbilities",
    "talkEntry",          "currentRoom",   "bearRoom",      "hallMap",
    "hallOccupancy",      "playerX",       "playerY",       "playerFacing",
    "partnerX",           "partnerY",      "partnerSide",   "partnerPrevSide",
    "doorLatch",          "castX",         "castY",         "castFacing",
    "wanderSlot",         "castMaxSpeed",  "castAccel",     "castTurnStep",
    "castShotPower",      "castAimCone",   "dialogueState", "matchPending",
    "bearGamePending"};

std::map<std::string, std::string> Seen(const GameState& gs, bool inRoom) {
  std::map<std::string, std::string> out;
  GameState shown = gs;
  if (inRoom) {
    // While the party is in the rooms its marks in the hall wait unseen; the
    // way back sets them afresh on the door.
    for (auto& row : shown.hallOccupancy)
      for (auto& who : row)
        if (who == 0 || who == 1) who = -1;
  }
  for (const char* name : kSeenFields) moki::FieldJson(shown, name, out[name]);
  if (inRoom)
    for (const char* name : {"roomMap", "roomOccupancy"}) moki::FieldJson(shown, name, out[name]);
  return out;
}

void ExpectSame(const std::map<std::string, std::string>& was,
                const std::map<std::string, std::string>& now) {
  for (const auto& [name, value] : was) EXPECT_TRUE(now.at(name) == value) << name << " differs";
}

// The state of the title screen, with the fixed tables, for reading saves
// into without a window.
GameState TitleState() {
  GameState gs;
  moki::InitTables(gs);
  return gs;
}

// The still picture of the game as the repaint draws it.
plat::Surface Picture(Form1& f) {
  moki::Form_Paint(f);
  return plat::Window();
}

class Continuing : public ::testing::Test {
 protected:
  void SetUp() override {
    std::error_code ec;
    fs::remove_all(plat::DataDir(), ec);
  }
  void TearDown() override {
    plat::headless::SetIdleHook(nullptr);
    plat::headless::SetFrameHook(nullptr);
  }
  static std::string Save() { return moki::SavePath(); }
  static bool SaveThere() { return fs::exists(Save()); }

  // A second run of the game: start-up, then つづきから. Returns whether
  // つづきから was enabled at start-up.
  bool ContinueInNewRun(std::unique_ptr<Form1>& f, uint64_t seed) {
    f = MakeForm(seed);
    bool enabled = false;
    EXPECT_EQ(RunWith("wait 100\nmenu continue\nwait 10\n",
                      [&] {
                        moki::Form_Load(*f);
                        enabled = plat::MenuEnabled(moki::kMenuContinue);
                        plat::headless::MainLoop();
                      }),
              0);
    return enabled;
  }
  void ExpectResumed() {
    EXPECT_TRUE(plat::TimerEnabled());
    EXPECT_FALSE(plat::MenuEnabled(moki::kMenuStart));
    EXPECT_FALSE(plat::MenuEnabled(moki::kMenuContinue));
    EXPECT_FALSE(plat::LabelVisible());
    EXPECT_EQ(plat::headless::MessageBoxCount(), 0);
  }
};

TEST_F(Continuing, AMatchPlayedThenQuitComesBackAsThePlayerLeftIt) {
  auto f = MakeForm(5);
  GameState& gs = f->gs;
  NewGameThroughTheOpening(*f, 0);
  EXPECT_FALSE(SaveThere());  // no rest point yet: nothing written

  // Book a match with the receptionist and watch it as the manager.
  PlaceParty(gs, 20, 10, 1, 20, 11);
  gs.castFacing[2] = 0;
  AutoReader reader;
  reader.gs = &gs;
  reader.answers = {0, 0, 0, 1, 1, 0};  // ranking, play, play, not forward, not back, manager
  reader.closeAtEnd = true;
  plat::headless::SetIdleHook([&] { reader(); });
  ASSERT_EQ(Play(*f, "press space\nuntil GameMode 4 60000\nuntil GameMode 1 200000\nwait 100\n"),
            0);
  plat::headless::SetIdleHook(nullptr);
  ASSERT_EQ(gs.roundNumber, 2);
  ASSERT_EQ(gs.playerRole, 0);

  // Back in the hall the result is saved at once.
  GameState afterResult = gs;
  ASSERT_TRUE(SaveThere());
  {
    GameState saved = TitleState();
    std::string why;
    ASSERT_TRUE(moki::LoadSave(Slurp(Save()), saved, why)) << why;
    EXPECT_EQ(saved.money, afterResult.money);
    EXPECT_EQ(saved.winsByCast, afterResult.winsByCast);
    EXPECT_EQ(saved.rankOrder, afterResult.rankOrder);
    EXPECT_EQ(saved.shopItem, afterResult.shopItem);
  }

  // A few steps, then 終了 while walking.
  ASSERT_EQ(Play(*f, "press left 35\nwait 400\npress down 35\nwait 400\nwait 300\nmenu quit\n"), 0);
  const auto was = Seen(gs, false);
  const plat::Surface picture = Picture(*f);

  std::unique_ptr<Form1> g;
  ASSERT_TRUE(ContinueInNewRun(g, 9));
  ExpectResumed();
  ExpectSame(was, Seen(g->gs, false));
  EXPECT_EQ(g->gs.GameMode, moki::kModeHall);
  EXPECT_TRUE(plat::Window().px == picture.px) << "the hall looks different";

  // Walking goes on from there, everyone's marks where they stand.
  ASSERT_EQ(Play(*g, "press up 35\nwait 400\npress right 35\nwait 400\n"), 0);
  EXPECT_EQ(g->gs.playerFacing, 2);
  int heroMarks = 0;
  for (const auto& row : g->gs.hallOccupancy)
    for (int16_t who : row) heroMarks += who == 0 ? 1 : 0;
  EXPECT_EQ(heroMarks, 1);
  EXPECT_EQ(g->gs.hallOccupancy[size_t(g->gs.playerY)][size_t(g->gs.playerX)], 0);

  // A third run: スタート starts afresh, and the old save stands until the
  // new game's first rest point (here 終了 while walking) replaces it.
  const std::string oldSave = Slurp(Save());
  auto h = MakeForm(3);
  NewGameThroughTheOpening(*h, 0);
  EXPECT_EQ(h->gs.roundNumber, 1);
  EXPECT_EQ(Slurp(Save()), oldSave);
  ASSERT_EQ(Play(*h, "menu quit\n"), 0);
  GameState saved = TitleState();
  std::string why;
  ASSERT_TRUE(moki::LoadSave(Slurp(Save()), saved, why)) << why;
  EXPECT_EQ(saved.roundNumber, 1);
  EXPECT_EQ(saved.money, 3000);
}

TEST_F(Continuing, ABearBeatenThenTheWindowClosedComesBackWithItsAbility) {
  auto f = MakeForm(7);
  GameState& gs = f->gs;
  NewGameThroughTheOpening(*f, 0);
  // Every door open and the bear in the deepest room; the party below the
  // hall's door.
  gs.winsByCast[0] = 9;
  gs.bearRoom = 3;
  PlaceParty(gs, 30, 9, 1, 30, 10);
  gs.partnerSide = gs.partnerPrevSide = 3;
  ASSERT_EQ(Play(*f, Steps("U")), 0);
  ASSERT_EQ(gs.currentRoom, 0);
  ASSERT_EQ(Play(*f, Steps("DDDDDDDLDDDRD")), 0);
  ASSERT_EQ(gs.currentRoom, 1);
  ASSERT_EQ(Play(*f, Steps("UUUUUUUUUUU")), 0);
  ASSERT_EQ(gs.currentRoom, 2);
  ASSERT_EQ(Play(*f, Steps("DDDDDDDDDDD")), 0);
  ASSERT_EQ(gs.currentRoom, 3);
  ASSERT_EQ(Play(*f, Steps("UUUUUUUUUUUL")), 0);
  ASSERT_EQ(gs.playerX, 17);
  ASSERT_EQ(gs.playerY, 1);

  // Talk to the bear, pay, and win by leading the fireball into it.
  AutoReader reader;
  reader.gs = &gs;
  reader.answers = {0, 0, 0, 0};
  reader.closeAtEnd = true;
  testing_support::LookAheadPlayer player(gs);
  plat::headless::SetIdleHook([&] {
    reader();
    if (gs.GameMode == moki::kModeBear)
      player();
    else
      player.Release();
  });
  ASSERT_EQ(Play(*f,
                 "press space\nuntil GameMode 3 120000\nuntil GameMode 2 600000\n"
                 "until dialogueState 0 120000\nwait 6000\n"),
            0);
  plat::headless::SetIdleHook(nullptr);
  ASSERT_EQ(gs.specialAbilities[2], 1);
  ASSERT_EQ(gs.castX[22], 14);  // the bear stays in its room, sulking
  ASSERT_EQ(gs.castY[22], 6);

  // The aftermath was a rest point: the save already has the ability.
  ASSERT_TRUE(SaveThere());
  EXPECT_NE(Slurp(Save()).find("\"specialAbilities\": [0,0,1]"), std::string::npos);

  // The window is closed while the party stands in the room.
  ASSERT_EQ(Play(*f, "wait 200\nclose\n"), 0);
  const auto was = Seen(gs, true);
  const plat::Surface picture = Picture(*f);

  std::unique_ptr<Form1> g;
  ASSERT_TRUE(ContinueInNewRun(g, 11));
  ExpectResumed();
  ExpectSame(was, Seen(g->gs, true));
  EXPECT_EQ(g->gs.GameMode, moki::kModeRoom);
  EXPECT_EQ(g->gs.roomOccupancy[6][14], 22);
  EXPECT_TRUE(plat::Window().px == picture.px) << "the room looks different";

  // The bear is where it stood: a step down and a turn left face it, and it
  // says its last lines.
  AutoReader again;
  again.gs = &g->gs;
  again.closeAtEnd = true;
  bool heard = false;
  plat::headless::SetIdleHook([&] {
    heard = heard || g->gs.messageText.find(U"お兄さーん") != std::u32string::npos;
    again();
  });
  ASSERT_EQ(Play(*g, Steps("DDDDLD") + "press space\nuntil dialogueState -1 60000\nwait 1000\n"),
            0);
  EXPECT_EQ(g->gs.playerX, 14);
  EXPECT_EQ(g->gs.playerY, 5);
  EXPECT_TRUE(heard);
}

TEST_F(Continuing, GameOverTakesTheSaveAndTheContinueItemWithIt) {
  auto f = MakeForm(4);
  GameState& gs = f->gs;
  NewGameThroughTheOpening(*f, 0);
  // The ninth match-day lost: the receptionist has the bad news.
  gs.roundNumber = 10;
  gs.talkEntry[2] = 2;
  ASSERT_EQ(Play(*f, "wait 100\nmenu quit\n"), 0);
  ASSERT_TRUE(SaveThere());

  // Continued, she calls the party over at once, as after the match, and
  // her closing words end the game.
  auto g = MakeForm(6);
  AutoReader reader;
  reader.gs = &g->gs;
  reader.closeAtEnd = true;
  bool heard = false;
  plat::headless::SetIdleHook([&] {
    heard = heard || g->gs.messageText.find(U"ゲームオーバー") != std::u32string::npos;
    reader();
  });
  ASSERT_EQ(Play(*g,
                 "wait 100\nmenu continue\nuntil label1Visible true 5000\n"
                 "until GameMode 0 120000\nwait 100\n",
                 true),
            0);
  plat::headless::SetIdleHook(nullptr);
  EXPECT_TRUE(heard);
  EXPECT_FALSE(SaveThere());
  EXPECT_FALSE(fs::exists(Save() + ".tmp"));
  EXPECT_TRUE(plat::MenuEnabled(moki::kMenuStart));
  EXPECT_FALSE(plat::MenuEnabled(moki::kMenuContinue));

  // The next run starts with つづきから disabled, and choosing it anyway does nothing.
  auto h = MakeForm(8);
  ASSERT_EQ(Play(*h, "wait 100\nmenu continue\nwait 500\n", true), 0);
  EXPECT_FALSE(plat::MenuEnabled(moki::kMenuContinue));
  EXPECT_EQ(h->gs.GameMode, moki::kModeTitle);
  EXPECT_EQ(plat::headless::MessageBoxCount(), 0);
}

TEST_F(Continuing, QuittingInAMatchOrADialogueKeepsTheLastRestPoint) {
  auto f = MakeForm(12);
  NewGameThroughTheOpening(*f, 0);
  ASSERT_EQ(Play(*f, "menu quit\n"), 0);
  const std::string rest = Slurp(Save());
  ASSERT_FALSE(rest.empty());

  // Continued, a match booked and the window closed in its middle.
  std::unique_ptr<Form1> g;
  ASSERT_TRUE(ContinueInNewRun(g, 13));
  PlaceParty(g->gs, 20, 10, 1, 20, 11);
  AutoReader reader;
  reader.gs = &g->gs;
  reader.answers = {1, 0, 0, 1, 1, 0};  // no ranking, play, play, manager
  reader.closeAtEnd = true;
  plat::headless::SetIdleHook([&] { reader(); });
  ASSERT_EQ(Play(*g, "press space\nuntil GameMode 4 60000\nwait 5000\nclose\n"), 0);
  plat::headless::SetIdleHook(nullptr);
  EXPECT_EQ(g->gs.GameMode, moki::kModeMatch);
  EXPECT_EQ(Slurp(Save()), rest);

  // Continued again, 終了 in the middle of the receptionist's words.
  ASSERT_TRUE(ContinueInNewRun(g, 14));
  PlaceParty(g->gs, 20, 10, 1, 20, 11);
  ASSERT_EQ(Play(*g, "press space\nwait 300\nmenu quit\n"), 0);
  EXPECT_GT(g->gs.dialogueState, 0);
  EXPECT_EQ(Slurp(Save()), rest);
}

// --- Saves that cannot be used --------------------------------------------------

// A save of a game just begun: the hall, two cells in from the entrance.
std::string FreshSave() {
  auto f = MakeForm(2);
  NewGameThroughTheOpening(*f, 1);
  return moki::SaveGame(f->gs);
}

std::string Replace(std::string s, const std::string& from, const std::string& to) {
  const size_t at = s.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) s.replace(at, from.size(), to);
  return s;
}

TEST_F(Continuing, ASecondCopyOnTheSameSaveSaysSoAndPlaysWithoutSaving) {
  const std::string mine = FreshSave() + "\n";  // a text the game itself never writes
  TempDir data;                                 // a folder no game of this process has claimed
  const std::string inherited = getenv("XDG_DATA_HOME");
  setenv("XDG_DATA_HOME", data.dir.c_str(), 1);
  fs::create_directories(plat::DataDir());
  std::ofstream(Save(), std::ios::binary) << mine;
  // The first copy, still running, holds the save's folder.
  const int first = open(plat::DataDir().c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(flock(first, LOCK_EX | LOCK_NB), 0);

  // Told once the window has its language (here English, as from the
  // desktop), at the first thing the game is handed.
  auto f = MakeForm(3);
  std::u32string told;
  int boxesAtLoad = -1;
  ASSERT_EQ(RunWith("lang en\nwait 1000\nmenu continue\nwait 100\nmenu quit\n",
                    [&] {
                      moki::Form_Load(*f);
                      boxesAtLoad = plat::headless::MessageBoxCount();
                      plat::headless::MainLoop();
                    }),
            0);
  told = plat::headless::LastMessageBoxText();
  EXPECT_EQ(boxesAtLoad, 0);
  EXPECT_NE(told.find(U"Another copy of the game"), std::u32string::npos) << plat::ToUtf8(told);
  EXPECT_EQ(plat::headless::MessageBoxCount(), 1);
  EXPECT_EQ(f->gs.GameMode, moki::kModeHall);  // continued, and quit at rest
  EXPECT_EQ(Slurp(Save()), mine);
  EXPECT_EQ(std::distance(fs::directory_iterator(plat::DataDir()), fs::directory_iterator()), 1);
  close(first);
  setenv("XDG_DATA_HOME", inherited.c_str(), 1);
}

// Two rests of a game in the hall, as the game saves at them.
void RestTwice(const GameState& walking) {
  auto window = MakeForm(1);  // the run's handlers are a live window's
  RunWith("wait 2000\n", [&] {
    moki::WriteSave(walking);
    moki::WriteSave(walking);
    plat::headless::MainLoop();
  });
}

TEST_F(Continuing, ASaveThatCannotBeUsedIsToldKeptAndLeavesTheTitleAsItWas) {
  const std::string good = FreshSave();
  const std::string docs = plat::DataDir() + "/../Documents";
  struct Case {
    const char* what;
    std::string text;                     // the file's contents; empty: a folder in its place
    std::u32string reason;                // said in the box
    std::function<void()> lay = nullptr;  // what else is there before
    std::u32string stays = {};            // said when the file stays where it is, not kept aside
  };
  const auto allBadTaken = [&] {
    for (int n = 1; n <= plat::kMostBadFiles; ++n) {
      std::ostringstream bad;
      bad << Save() << ".bad";
      if (n > 1) bad << "." << n;
      if (!fs::exists(bad.str())) std::ofstream(bad.str()) << "an older bad save " << n;
    }
  };
  const Case cases[] = {
      {"corrupt", "{\"version\": 1, money: 3000}", U"こわれています"},
      {"cut off", good.substr(0, good.size() / 2), U"途中で切れています"},
      {"money below 0", Replace(good, "\"money\": 3000", "\"money\": -5"),
       U"セーブデータの所持金が正しくありません"},
      {"no such talk", Replace(good, "\"talkEntry\": [0,0,0", "\"talkEntry\": [0,0,9"),
       U"セーブデータの話の進み具合が正しくありません"},
      {"a value twice", Replace(good, "\"money\": 3000,", "\"money\": 3000,\"money\": 5,"),
       U"セーブデータの所持金が二度書かれています"},
      {"too big", std::string(300 << 10, ' '), U"ファイルが大きすぎます"},
      // A newer game's save is that game's: it stays for it.
      {"newer", Replace(good, "\"version\": 1", "\"version\": 2"), U"新しい版", nullptr,
       U"このファイルはそのまま残してあります。新しい版のゲームなら"},
      // Only a plain file is ever set aside: a folder stays, and so does one a link leads to.
      {"folder", "", U"save.json はふつうのファイルではないので", [] {},
       U"save.json はそのまま残してあります"},
      {"link to a folder", "", U"save.json はふつうのファイルではないので",
       [&] {
         fs::remove_all(Save());
         fs::create_directories(docs + "/inside");
         fs::create_directory_symlink(docs, Save());
       },
       U"save.json はそのまま残してあります"},
      // With no .bad name free, the bad save stays, and is not saved over.
      {"every .bad name taken", "{\"version\": 1, money: 3000}", U"こわれています", allBadTaken,
       U"save.json.bad から save.json.bad.10 までが全部うまっています"},
  };
  fs::create_directories(plat::DataDir());
  std::vector<std::string> kept;  // each bad save under a name of its own
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(Save());  // what a row before left where it was
    if (c.text.empty()) {
      fs::create_directories(Save() + "/inside");
    } else {
      std::ofstream(Save(), std::ios::binary) << c.text;
    }
    if (c.lay) c.lay();
    auto f = MakeForm(1);
    std::string before;
    bool enabled = false;
    ASSERT_EQ(RunWith("wait 100\nmenu continue\nwait 1000\n",
                      [&] {
                        moki::Form_Load(*f);
                        before = moki::StateJson(f->gs);
                        enabled = plat::MenuEnabled(moki::kMenuContinue);
                        plat::headless::MainLoop();
                      }),
              0);
    EXPECT_TRUE(enabled);
    ASSERT_EQ(plat::headless::MessageBoxCount(), 1);
    const std::u32string box = plat::headless::LastMessageBoxText();
    EXPECT_NE(box.find(U"セーブデータを読めませんでした"), std::u32string::npos);
    EXPECT_NE(box.find(c.reason), std::u32string::npos) << plat::ToUtf8(box);
    // The title as it was, with スタート.
    EXPECT_EQ(moki::StateJson(f->gs), before);
    EXPECT_EQ(f->gs.GameMode, moki::kModeTitle);
    EXPECT_TRUE(plat::MenuEnabled(moki::kMenuStart));
    EXPECT_FALSE(plat::MenuEnabled(moki::kMenuContinue));
    EXPECT_FALSE(plat::TimerEnabled());
    for (const std::string& before : kept) EXPECT_TRUE(fs::exists(before)) << before;
    if (!c.stays.empty()) {
      EXPECT_NE(box.find(c.stays), std::u32string::npos) << plat::ToUtf8(box);
      EXPECT_TRUE(c.text.empty() ? fs::exists(Save() + "/inside") : Slurp(Save()) == c.text);
      EXPECT_FALSE(fs::exists(docs + ".bad"));
      // Nor is it saved over at the next rest: told once, the game goes on.
      // (A newer game's save is reached only through スタート, which asks.)
      if (c.lay == nullptr) continue;
      GameState walking = TitleState();
      ASSERT_TRUE(moki::LoadSave(good, walking, before)) << before;
      RestTwice(walking);
      EXPECT_TRUE(c.text.empty() ? fs::exists(Save() + "/inside") : Slurp(Save()) == c.text);
      EXPECT_EQ(plat::headless::MessageBoxCount(), 1);  // told once at the two rests
      EXPECT_NE(plat::headless::LastMessageBoxText().find(U"上には保存しません"),
                std::u32string::npos);
      continue;
    }
    const std::string name =
        "save.json.bad" + (kept.empty() ? "" : "." + std::to_string(kept.size() + 1));
    EXPECT_NE(box.find(plat::FromUtf8(" " + name + " ")), std::u32string::npos)
        << plat::ToUtf8(box);
    // Kept, whole, beside where it was, with every one kept before.
    EXPECT_FALSE(fs::exists(Save()));
    kept.push_back(plat::DataDir() + "/" + name);
    EXPECT_EQ(Slurp(kept.back()), c.text);
  }
  // Once a .bad name is free again, the bad save goes aside at the next rest,
  // and the game saves.
  fs::remove(Save() + ".bad.7");
  GameState walking = TitleState();
  std::string why;
  ASSERT_TRUE(moki::LoadSave(good, walking, why)) << why;
  RestTwice(walking);
  EXPECT_EQ(plat::headless::MessageBoxCount(), 0);
  EXPECT_EQ(Slurp(Save() + ".bad.7"), "{\"version\": 1, money: 3000}");
  EXPECT_EQ(Slurp(Save()), good);
}

// スタート over a newer game's save: the player is asked first, and the save
// is replaced (at the next rest) only after yes. No, lit first, keeps the
// title and the file byte for byte. Each answer is recorded and plays back
// to the same state, wherever the file has gone since.
TEST_F(Continuing, ANewerGamesSaveIsReplacedOnlyWhenThePlayerSaysYes) {
  const std::string newer = Replace(FreshSave(), "\"version\": 1", "\"version\": 7");
  fs::create_directories(plat::DataDir());
  const struct {
    const char* keys;  // what the player does while the box is up
    bool yes;
  } answers[] = {
      {"", false},  // nothing: the lit button, no
      {"presskey Left\npresskey Escape\n", false},
      {"presskey Tab\npresskey Right\npresskey Return\n", false},
      {"pad press dpleft\npad press b\n", false},
      {"presskey Left\npresskey Return\n", true},
      {"pad press dpright\npad press a\n", true},
  };
  for (const auto& a : answers) {
    SCOPED_TRACE(a.keys);
    fs::remove(Save());
    std::ofstream(Save(), std::ios::binary) << newer;
    auto f = MakeForm(4);
    AutoReader reader;
    reader.gs = &f->gs;
    reader.answers = {1};
    reader.closeAtEnd = true;
    plat::headless::SetIdleHook([&] { reader(); });
    plat::recording::StartInMemory();
    EXPECT_EQ(
        RunWith("wait 100\nmenu start\nwait 100\n" + std::string(a.keys) +
                    (a.yes ? "until GameMode 1 2000\nuntil timerEnabled true 60000\nwait 100\n"
                           : "wait 1000\n"),
                [&] {
                  moki::Form_Load(*f);
                  plat::headless::MainLoop();
                }),
        0);
    const std::string recorded = plat::recording::Finish();
    plat::headless::SetIdleHook(nullptr);
    const std::string seen = plat::internal::GetHandlers().dumpJson();
    EXPECT_EQ(plat::headless::MessageBoxCount(), 1);
    EXPECT_NE(plat::headless::LastMessageBoxText().find(U"版 7"), std::u32string::npos);
    EXPECT_NE(plat::headless::DumpJson().find(a.yes ? "\"answer\":\"yes\"" : "\"answer\":\"no\""),
              std::string::npos);
    EXPECT_EQ(f->gs.GameMode, a.yes ? moki::kModeHall : moki::kModeTitle);
    EXPECT_EQ(Slurp(Save()), newer);  // replaced only at a rest
    EXPECT_FALSE(fs::exists(Save() + ".bad"));

    fs::remove(Save());  // playback takes the file from the recording
    auto again = MakeForm(99);
    std::string why;
    ASSERT_TRUE(plat::recording::StartPlaybackOf(recorded, why)) << why;
    EXPECT_EQ(plat::headless::Run([&] {
                moki::Form_Load(*again);
                plat::headless::MainLoop();
              }),
              0);
    EXPECT_TRUE(plat::recording::LastVerdict().reached) << plat::recording::LastVerdict().message;
    EXPECT_EQ(plat::internal::GetHandlers().dumpJson(), seen);
    EXPECT_FALSE(fs::exists(Save()));
    if (!a.yes) continue;
    std::ofstream(Save(), std::ios::binary) << newer;
    moki::SaveIfAtRest(f->gs);
    EXPECT_EQ(Slurp(Save()), moki::SaveGame(f->gs));
  }
}

// A JSON value written back as text, for changing one value of a save.
std::string Write(const moki::json::Value& v) {
  using K = moki::json::Value::Kind;
  std::string o;
  switch (v.kind) {
    case K::Null:
      return "null";
    case K::Bool:
      return v.boolean ? "true" : "false";
    case K::Number: {
      std::ostringstream s;
      s.precision(17);
      s << v.number;
      return s.str();
    }
    case K::String:
      moki::json::AppendString(o, v.text);
      return o;
    case K::Array:
    case K::Object:
      o = v.kind == K::Array ? "[" : "{";
      for (size_t i = 0; i < v.items.size(); ++i) {
        if (i) o += ",";
        if (v.kind == K::Object) {
          moki::json::AppendString(o, v.keys[i]);
          o += ":";
        }
        o += Write(v.items[i]);
      }
      return o + (v.kind == K::Array ? "]" : "}");
  }
  return o;
}

// Every number in the value, depth first.
void Leaves(moki::json::Value& v, std::vector<moki::json::Value*>& out) {
  if (v.kind == moki::json::Value::Kind::Number) out.push_back(&v);
  for (auto& item : v.items) Leaves(item, out);
}

TEST(SaveReader, ChecksEveryValueBeforeApplyingAnyAndReadsBackWhatItWrote) {
  auto f = MakeForm(2);
  NewGameThroughTheOpening(*f, 0);
  std::vector<std::string> saves = {moki::SaveGame(f->gs)};
  moki::EnterRoom(*f, 0);  // and one in a room, with the room's tiles
  saves.push_back(moki::SaveGame(f->gs));

  GameState title = TitleState();
  const std::string untouched = moki::StateJson(title);
  for (const std::string& save : saves) {
    // What it wrote, it reads back, and writes again the same.
    {
      GameState loaded = TitleState();
      std::string why;
      ASSERT_TRUE(moki::LoadSave(save, loaded, why)) << why;
      EXPECT_EQ(moki::SaveGame(loaded), save);
    }
    moki::json::Value root;
    ASSERT_EQ(moki::json::Parse(save, root).fault, moki::json::Fault::None);
    std::vector<moki::json::Value*> leaves;
    Leaves(root, leaves);
    ASSERT_GT(leaves.size(), 200u);
    int rejected = 0;
    for (moki::json::Value* leaf : leaves) {
      const moki::json::Value keep = *leaf;
      // Below every range, a fraction, beyond 32 bits, and not a number at all.
      for (const char* bad : {"-1", "0.5", "1e12", "\"1\"", "null", "[1]"}) {
        moki::json::Value replaced;
        ASSERT_EQ(moki::json::Parse(bad, replaced).fault, moki::json::Fault::None);
        *leaf = replaced;
        std::string why;
        const bool loaded = moki::LoadSave(Write(root), title, why);
        EXPECT_FALSE(loaded) << bad << " in place of " << keep.number;
        EXPECT_FALSE(why.empty());
        rejected += loaded ? 0 : 1;
      }
      *leaf = keep;
    }
    EXPECT_EQ(rejected, int(leaves.size()) * 6);
    // A value missing, or one the game does not know.
    for (size_t i = 0; i < root.keys.size(); ++i) {
      moki::json::Value less = root;
      less.keys.erase(less.keys.begin() + long(i));
      less.items.erase(less.items.begin() + long(i));
      std::string why;
      EXPECT_FALSE(moki::LoadSave(Write(less), title, why)) << root.keys[i];
    }
    std::string why;
    EXPECT_FALSE(moki::LoadSave(Replace(save, "{", "{\"cheat\": 1,"), title, why));
    EXPECT_NE(why.find("知らないデータ"), std::string::npos) << why;
    // Two people on one cell: in range one by one, not together.
    EXPECT_FALSE(
        moki::LoadSave(Replace(Replace(save, "\"castX\": [0,0,20,10,", "\"castX\": [0,0,20,20,"),
                               "\"castY\": [0,0,8,29,", "\"castY\": [0,0,8,8,"),
                       title, why));
    EXPECT_NE(why.find("みんなの居場所が正しくありません"), std::string::npos) << why;
  }
  EXPECT_EQ(moki::StateJson(title), untouched);
}

// The counts that grow in play stop at the top of what the save holds: a
// game saved there, a match later (won, then lost), saves a game its loader
// takes; one past the top is refused.
TEST(SaveReader, CountsAtTheTopOfTheirRangeStayThere) {
  std::string top = FreshSave();
  top = Replace(top, "\"money\": 3000", "\"money\": 999999999");
  top = Replace(top, "\"roundNumber\": 1", "\"roundNumber\": 32767");
  std::string wins = "[0";
  for (int c = 1; c < moki::kTeamCastCount; ++c) wins += ",0";
  std::string allTop = "[32767";
  for (int c = 1; c < moki::kTeamCastCount; ++c) allTop += ",32767";
  top = Replace(top, "\"winsByCast\": " + wins + "]", "\"winsByCast\": " + allTop + "]");
  std::string why;
  const std::pair<const char*, const char*> pastTheTop[] = {
      {"\"money\": 999999999", "\"money\": 1000000000"},
      {"\"roundNumber\": 32767", "\"roundNumber\": 32768"},
      {"\"winsByCast\": [32767", "\"winsByCast\": [32768"}};
  for (const auto& [at, past] : pastTheTop) {
    GameState over = TitleState();
    EXPECT_FALSE(moki::LoadSave(Replace(top, at, past), over, why)) << past;
  }
  for (bool won : {true, false}) {
    auto f = MakeForm(3);
    ASSERT_TRUE(moki::LoadSave(top, f->gs, why)) << why;
    moki::ResetMatch(f->gs);
    f->gs.GameMode = moki::kModeMatch;
    f->gs.homeScore = won ? 3 : 0;
    f->gs.awayScore = won ? 0 : 1;
    ASSERT_EQ(RunWith("wait 10000\n", [&] { moki::MatchResult(*f); }), 0);
    EXPECT_EQ(f->gs.roundNumber, 32767);
    EXPECT_EQ(f->gs.winsByCast[won ? 0 : size_t(f->gs.opponentCast)], 32767);
    EXPECT_EQ(f->gs.money, 999999999);
    GameState again = TitleState();
    EXPECT_TRUE(moki::LoadSave(moki::SaveGame(f->gs), again, why)) << why;
  }
  // The day's other matches, settled when the hero's is booked.
  GameState gs = TitleState();
  ASSERT_TRUE(moki::LoadSave(top, gs, why)) << why;
  gs.roundNumber = 1;
  gs.schedulePos = 3;  // seats 2 and 3 of the first day
  gs.matchPending = 1;
  gs.leagueSeats[2] = 5, gs.leagueSeats[3] = 6;  // two computer teams
  moki::ScheduleStep(gs);
  EXPECT_EQ(gs.winsByCast[6], 32767);
}

// The members of struct `name` as the header declares them, each line's
// names ("i16 playerX = 0, playerY = 0;" declares two).
std::vector<std::string> Members(const std::string& header, const std::string& name) {
  const size_t from = header.find("struct " + name + " {");
  std::string body = header.substr(from, header.find("\n};", from) - from);
  body = std::regex_replace(body, std::regex("//[^\n]*"), "");
  // Without template arguments, initial values and {}: "type name, name;".
  for (const std::regex inner("<[^<>]*>|\\{[^{}]*\\}|=[^,;]*"); std::regex_search(body, inner);)
    body = std::regex_replace(body, inner, "");
  std::vector<std::string> out;
  const std::regex line("\\n\\s*[\\w:]+\\s+([\\w\\s,]+);"), word("\\w+");
  const std::sregex_iterator end;
  for (std::sregex_iterator l(body.begin(), body.end(), line); l != end; ++l) {
    const std::string names = (*l)[1];
    for (std::sregex_iterator w(names.begin(), names.end(), word); w != end; ++w)
      out.push_back(w->str());
  }
  return out;
}

// The state's dump lists every field of GameState (and of the records in
// it) once, so that a recording's checks see all of the game; the save's
// values are fields of it under the same names, with the same values.
TEST(StateDump, HoldsEveryFieldOnceAndTheSavesValuesAreFieldsOfIt) {
  const std::string header = Slurp(std::string(MOKI_SOURCE_DIR) + "/src/core/game_state.h");
  auto f = MakeForm(2);
  NewGameThroughTheOpening(*f, 1);
  moki::json::Value dump;
  ASSERT_EQ(moki::json::Parse(moki::StateJson(f->gs), dump).fault, moki::json::Fault::None);
  const std::vector<std::string> fields = Members(header, "GameState");
  EXPECT_GT(fields.size(), 140u);  // the header was read
  for (const std::string& field : fields) EXPECT_NE(dump.Find(field), nullptr) << field;
  EXPECT_EQ(dump.keys.size(), fields.size() + 1);  // and pageEndMark, the window's
  for (const auto& [record, field] : {std::pair<const char*, const char*>{"MatchPlayer", "players"},
                                      {"MatchBall", "ball"},
                                      {"FakeBall", "fakeBalls"}}) {
    const moki::json::Value* v = dump.Find(field);
    ASSERT_NE(v, nullptr);
    const moki::json::Value& one = v->kind == moki::json::Value::Kind::Array ? v->items[0] : *v;
    const std::vector<std::string> members = Members(header, record);
    EXPECT_EQ(one.keys, members) << record;
  }

  moki::json::Value save;
  ASSERT_EQ(moki::json::Parse(moki::SaveGame(f->gs), save).fault, moki::json::Fault::None);
  for (size_t i = 0; i < save.keys.size(); ++i) {
    const std::string& key = save.keys[i];
    if (key == "version") continue;
    std::string value;
    ASSERT_TRUE(moki::FieldJson(f->gs, key, value)) << key << " is no field of the state";
    moki::json::Value field;
    moki::json::Parse(value, field);
    // rankOrder is saved from position 1; the others whole.
    if (key == "rankOrder") field.items.erase(field.items.begin());
    EXPECT_EQ(Write(save.items[i]), Write(field)) << key;
  }
}

TEST(SaveReader, TheFuzzSeedsHoldASaveInTheHallOneInARoomAndTwoThatCannotBeUsed) {
  const fs::path dir = fs::path(MOKI_SOURCE_DIR) / "fuzz" / "corpus" / "save";
  for (const char* name : {"hall", "room", "cut_off", "newer"}) {
    const std::string text = Slurp((dir / name).string());
    ASSERT_FALSE(text.empty()) << name;
    GameState gs = TitleState();
    std::string why;
    const bool usable = std::string(name) == "hall" || std::string(name) == "room";
    EXPECT_EQ(moki::LoadSave(text, gs, why), usable) << name << ": " << why;
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    moki_fuzz::ReadSave(bytes, text.size());  // aborts on a broken promise
  }
}

}  // namespace
