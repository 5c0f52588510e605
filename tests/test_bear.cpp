// The bear's game in the basement: its rules tick by tick, its drawing, and
// the whole road through the real keys, from the door to the abilities used
// in a match.
#include <algorithm>
#include <cmath>
#include <string>

#include "match/match_setup.h"
#include "minigame/bear_game.h"
#include "minigame/bear_rules.h"
#include "look_ahead_player.h"
#include "test_support.h"
#include "world/field.h"
#include "world/new_game.h"
#include "world/rooms.h"

namespace {

using testing_support::Steps;

using namespace moki;
using testing_support::AutoReader;
using testing_support::LookAheadPlayer;
using testing_support::MakeForm;
using testing_support::RunWith;

// A game set up in room n as after the bear's approach, without pictures:
// the rules alone.
class BearRules : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::headless::Reset(3);
    plat::SetHandlers({});
    InitControls(f);
    InitTables(gs);
    SetupNewGame(gs);
  }
  void Play(int room) {
    gs.bearRoom = static_cast<i16>(room);
    EnterRoom(f, room);
    gs.playerX = 15, gs.playerY = 7;
    SetUpBearGame(f);
  }
  // Puts the bear's picture, the fireball and the hero at top-left corners.
  void Place(double bx, double by, double fx, double fy, double hx, double hy) {
    gs.bearX = float(bx), gs.bearY = float(by);
    gs.fireX = float(fx), gs.fireY = float(fy);
    gs.players[homeForward].x = float(hx), gs.players[homeForward].y = float(hy);
  }
  Form1 f;
  GameState& gs = f.gs;
};

TEST_F(BearRules, TheThreeRoomsDifferInBearFireballAndGround) {
  struct Room {
    int w, inset, plain, water, sand, fireSpeed, turn;
  };
  const Room rooms[3] = {
      {32, 5, 3, 2, 1, 5, 10}, {64, 10, 4, 3, 2, 6, 15}, {128, 15, 5, 4, 3, 7, 20}};
  for (int room = 1; room <= 3; ++room) {
    const Room& r = rooms[room - 1];
    SCOPED_TRACE("room " + std::to_string(room));
    Play(room);
    EXPECT_EQ(gs.GameMode, kModeBear);
    EXPECT_EQ(gs.bearIndex, room - 1);
    EXPECT_EQ(gs.playerRole, 1);
    EXPECT_EQ(gs.players[homeForward].x, 480);
    EXPECT_EQ(gs.players[homeForward].heading, 180);

    // The fireball's first flight: from (200, 50) at 45 degrees, turned by
    // the room's turn towards the hero at (480, 224).
    MoveFireball(gs);
    const int dir = 45 - r.turn;  // the hero lies at 32 degrees
    EXPECT_EQ(gs.fireDirection, dir);
    EXPECT_NEAR(gs.fireX, 200 + r.fireSpeed * std::cos(Rad(dir)), 1e-3);
    EXPECT_NEAR(gs.fireY, 50 + r.fireSpeed * std::sin(Rad(dir)), 1e-3);

    // The bear's hit box: its picture less the inset on every side. The
    // fireball's box is its corner + 2 .. + 16.
    const double bx = 200, by = 200, h = r.w;  // the picture is as tall as wide
    const double midY = by + h / 2 - 9, midX = bx + r.w / 2 - 9;
    Place(bx, by, bx + r.inset - 16, midY, 100, 380);
    EXPECT_EQ(JudgeBearGame(gs), BearHit::None) << "left of the inset";
    Place(bx, by, bx + r.inset - 15, midY, 100, 380);
    EXPECT_EQ(JudgeBearGame(gs), BearHit::HeroWins) << "one pixel inside on the left";
    Place(bx, by, bx + r.w - r.inset - 2, midY, 100, 380);
    EXPECT_EQ(JudgeBearGame(gs), BearHit::None) << "right of the inset";
    Place(bx, by, midX, by + h - r.inset - 3, 100, 380);
    EXPECT_EQ(JudgeBearGame(gs), BearHit::HeroWins) << "one pixel inside at the bottom";
    Place(bx, by, midX, by + h - r.inset - 2, 100, 380);
    EXPECT_EQ(JudgeBearGame(gs), BearHit::None) << "below the inset";

    // The bear's speed by the ground under the middle of its picture.
    const struct {
      int tile;
      int speed;
    } grounds[] = {{1, r.plain}, {2, r.water}, {3, r.sand}, {4, r.sand}};
    for (const auto& g : grounds) {
      Place(160, 160, 100, 50, 400, 300);  // the fireball far away
      const int col = TileCol(160 + r.w / 2.0), row = TileRow(160 + r.w / 2.0);
      terrainGrid(gs)[size_t(row)][size_t(col)] = static_cast<i16>(g.tile);
      MoveBear(gs);
      EXPECT_EQ(gs.bearSpeed, g.speed) << "tile " << g.tile;
      EXPECT_NEAR(std::hypot(gs.bearX - 160, gs.bearY - 160), g.speed, 1e-3) << "tile " << g.tile;
    }
    // Other ground keeps the last speed.
    for (auto& row : terrainGrid(gs)) row.fill(0);
    gs.bearSpeed = 1.5f;
    Place(160, 160, 100, 50, 400, 300);
    MoveBear(gs);
    EXPECT_EQ(gs.bearSpeed, 1.5f);
  }
}

TEST_F(BearRules, TheHeroIsJudgedBeforeTheBear) {
  Play(2);  // the bear's hit box is (x + 10, y + 10) .. (x + 54, y + 54)
  // The bear on the hero while the fireball is in the bear: lost.
  Place(200, 200, 220, 220, 240, 240);
  EXPECT_EQ(JudgeBearGame(gs), BearHit::HeroLoses);
  // The fireball on both the hero and the bear: lost.
  Place(200, 200, 246, 230, 257, 220);
  const BearGameBoxes b = MakeBearGameBoxes(gs);
  ASSERT_FALSE(IntersectRect(b.hero, b.bear));
  ASSERT_TRUE(IntersectRect(b.fire, b.bear));
  EXPECT_EQ(JudgeBearGame(gs), BearHit::HeroLoses);
  // The same fireball with the hero a pixel further: only the bear is hit.
  Place(200, 200, 246, 230, 258, 220);
  EXPECT_EQ(JudgeBearGame(gs), BearHit::HeroWins);
  // Boxes that only meet at an edge do not touch: the hero's box starts at
  // x + 4, the fireball's ends at x + 16.
  Place(400, 60, 100, 300, 112, 300);
  EXPECT_EQ(JudgeBearGame(gs), BearHit::None);
  Place(400, 60, 100, 300, 111.6, 300);  // rounded to 112 as well
  EXPECT_EQ(JudgeBearGame(gs), BearHit::None);
  Place(400, 60, 100, 300, 111.4, 300);
  EXPECT_EQ(JudgeBearGame(gs), BearHit::HeroLoses);
}

TEST_F(BearRules, AFireballOffTheFieldTurnsBackByItsTurn) {
  Play(1);
  Place(400, 60, 700, 200, 200, 200);
  gs.fireDirection = 0;  // flying away from the hero, off the field
  int turned = 0;
  while (gs.fireDirection != 180 && turned < 40) {
    const int before = gs.fireDirection;
    MoveFireball(gs);
    const int step = (gs.fireDirection - before + 360) % 360;
    ASSERT_TRUE(step == 10 || step == 350) << "from " << before << " to " << gs.fireDirection;
    ++turned;
  }
  EXPECT_GE(turned, 17);  // half a turn, 10 degrees a tick, with the drift
  EXPECT_LT(turned, 40);
  // Then it flies home, swinging about the line to the hero, and hits him.
  int ticks = 0;
  while (JudgeBearGame(gs) == BearHit::None && ticks < 200) {
    MoveFireball(gs);
    ++ticks;
  }
  EXPECT_EQ(JudgeBearGame(gs), BearHit::HeroLoses);
  EXPECT_NEAR(gs.fireY, 200, 20);
}

TEST_F(BearRules, WallsHoldTheHeroAndCornerTheBear) {
  for (int room = 1; room <= 3; ++room) {
    SCOPED_TRACE("room " + std::to_string(room));
    Play(room);
    const int w = 32 << (room - 1);
    // The hero parks in the bottom right corner: the bear chases him down
    // to the bottom wall, where its whole sheet (twice the picture's height)
    // touches y 416, and can never reach him there.
    gs.players[homeForward].x = 480, gs.players[homeForward].y = 384;
    for (int t = 0; t < 400; ++t) {
      MoveBear(gs);
      KeepInBasement(gs);
      ASSERT_EQ(JudgeBearGame(gs), BearHit::None) << "tick " << t;
    }
    EXPECT_EQ(gs.bearY + 2 * w, 416);
    EXPECT_LE(gs.bearX + w, 512);
    // Pushed beyond the corners, it stands against them.
    gs.bearX = 700, gs.bearY = 500;
    KeepInBasement(gs);
    EXPECT_EQ(gs.bearX + w, 512);
    EXPECT_EQ(gs.bearY + 2 * w, 416);
    gs.bearX = -10, gs.bearY = 0;
    KeepInBasement(gs);
    EXPECT_EQ(gs.bearX, 32);
    EXPECT_EQ(gs.bearY, 32);
    // The hero pushed against the walls stays inside too.
    gs.players[homeForward].x = -50, gs.players[homeForward].y = 900;
    KeepInBasement(gs);
    EXPECT_EQ(gs.players[homeForward].x, 32);
    EXPECT_EQ(gs.players[homeForward].y, 384);
    gs.players[homeForward].x = 700, gs.players[homeForward].y = 0;
    KeepInBasement(gs);
    EXPECT_EQ(gs.players[homeForward].x, 480);
    EXPECT_EQ(gs.players[homeForward].y, 32);
  }
}

TEST_F(BearRules, TheBearChasesTheHeroAndFleesTheFireball) {
  Play(2);  // the bear's middle is its corner + (32, 32)
  struct Case {
    const char* what;
    double bx, by, fx, fy, hx, hy;  // the corners, as Place takes them
    int direction;
    bool anyTurn = false;    // the direction taken modulo 360
    bool downRight = false;  // and the bear has moved down and to the right
  };
  const Case cases[] = {
      // Chasing: towards the hero's corner.
      {"chase right", 200, 200, 50, 400, 300, 232, 0},
      {"chase down-left", 200, 200, 50, 400, 100, 364, 135},
      // The hero's centre straight below or above: straight down or up.
      {"hero below", 200, 200, 50, 400, 216, 350, 90},
      {"hero above", 200, 200, 50, 400, 216, 40, 270},
      // Pinned at x 480 against a bear at 448, the hero's corner is straight
      // above the bear's middle though his centre is not: the bear goes
      // straight down (level with the middle) or up, never a direction from a
      // division by zero.
      {"pinned, level", 448, 200, 50, 400, 480, 232, 90},
      {"pinned, corner above, centre below", 448, 200, 50, 400, 480, 220, 90},
      {"pinned, above", 448, 200, 50, 400, 480, 100, 270},
      // A fireball within 60 pixels of the picture: away from it.
      {"fireball level, to the right", 200, 200, 300, 232, 40, 40, 180},
      {"fireball up-left", 200, 200, 150, 150, 400, 380, 45, true, true},
      // Centred straight above or below, the bear always runs up.
      {"fireball straight above", 200, 200, 223, 140, 400, 380, 270},
      // Its corner exactly on the bear's middle: no division by zero either.
      {"fireball on the middle", 200, 200, 232, 232, 400, 380, 270},
      // Just outside the box, the bear chases the hero again.
      {"fireball just outside", 200, 200, 200 + 64 + 60 - 9, 223, 40, 232, 180},
  };
  for (const Case& c : cases) {
    Place(c.bx, c.by, c.fx, c.fy, c.hx, c.hy);
    MoveBear(gs);
    EXPECT_EQ(c.anyTurn ? gs.bearDirection % 360 : gs.bearDirection, c.direction) << c.what;
    EXPECT_TRUE(std::isfinite(gs.bearX) && std::isfinite(gs.bearY)) << c.what;
    if (c.downRight) {
      EXPECT_GT(gs.bearX, c.bx) << c.what;
      EXPECT_GT(gs.bearY, c.by) << c.what;
    }
  }
}

TEST_F(BearRules, NothingOfTheLastMatchCarriesIntoTheBasement) {
  // The last match ended on water with オーバードライブ and キャタピラ, the
  // hero caught in a trap and on a rubber band, traps under the whole field,
  // and a bear that never moved.
  MatchPlayer& hero = gs.players[homeForward];
  hero.groundMaxSpeed = hero.maxSpeed = 2, hero.groundAccel = 0.2f, hero.groundTurnStep = 2;
  hero.speed = 7;
  gs.boostSpeed = gs.boostAccel = gs.boostTurn = gs.boostIgnoreTerrain = 1;
  gs.caughtFlag[homeForward] = 1, gs.caughtTimer[homeForward] = 5;
  gs.rubberFlag[homeForward] = 1, gs.rubberAnchorX[homeForward] = 48;
  gs.rubberAnchorY[homeForward] = 48;
  for (auto& row : gs.trapGrid) row.fill(1);
  gs.bearSpeed = 0;
  gs.bearRoom = 1;
  EnterRoom(f, 1);
  // The ground under the hero's start and under the bear is no terrain at all.
  for (auto& row : terrainGrid(gs)) std::fill(row.begin() + 1, row.begin() + 18, i16(0));
  gs.playerX = 15, gs.playerY = 7;
  SetUpBearGame(f);
  EXPECT_EQ(gs.bearSpeed, 3);
  for (const auto& row : gs.trapGrid)
    for (i16 t : row) ASSERT_EQ(t, 0);
  EXPECT_EQ(gs.caughtFlag[homeForward], 0);
  EXPECT_EQ(gs.rubberFlag[homeForward], 0);

  // Up with Shift: the hero accelerates by 2 x 0.4 a tick up to twice his
  // plain 5, heading left, pulled by nothing.
  gs.arrowHeld = {0, 1, 0, 0};
  gs.shiftHeld = 1;
  float top = 0;
  for (int t = 0; t < 20; ++t) {
    const float x = hero.x;
    MoveBearHero(gs);
    top = std::max(top, hero.speed);
    ASSERT_NEAR(hero.x, x - hero.speed, 1e-3) << "tick " << t;
    ASSERT_NEAR(hero.y, 224, 1e-3);
  }
  EXPECT_GE(top, 10);  // twice the plain top speed, overshot by at most one step
  EXPECT_LE(top, 10.8f + 1e-3f);
  EXPECT_EQ(hero.turnStep, 10);
}

// Test pictures: every sprite a solid colour on a white silhouette, so the
// frame shows what went where.
constexpr plat::Color kBearColour = plat::RGB(0x80, 0x40, 0x10);
constexpr plat::Color kFireColour[2] = {plat::RGB(0xF0, 0x80, 0x00), plat::RGB(0xF0, 0xF0, 0x00)};
constexpr plat::Color kHeroColour = plat::RGB(0x10, 0x40, 0xF0);
constexpr plat::Color kHostColour = plat::RGB(0x60, 0x30, 0x30);

void SolidSprite(plat::Surface& s, int x, int y, int w, int h, plat::Color c) {
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      s.Set(x + i, y + j, c);
      s.Set(x + i, y + h + j, plat::kWhite);
    }
}

TEST_F(BearRules, TheFrameShowsFloorHostHeroBearAndFireball) {
  Pictures& p = f.pics;
  for (auto& tile : p.Picmap) tile.Resize(32, 32, plat::RGB(0, 0x60, 0));
  p.Picture1.Resize(608, 448);
  for (int m = 0; m < 3; ++m) {
    p.Pickuma[size_t(m)].Resize(32 << m, 64 << m, plat::kBlack);
    SolidSprite(p.Pickuma[size_t(m)], 0, 0, 32 << m, 32 << m, kBearColour);
  }
  p.Picfire.Resize(36, 36, plat::kBlack);
  SolidSprite(p.Picfire, 0, 0, 18, 18, kFireColour[0]);
  SolidSprite(p.Picfire, 18, 0, 18, 18, kFireColour[1]);
  p.Picfcha[0].Resize(256, 64, plat::kBlack);
  SolidSprite(p.Picfcha[0], 96, 0, 32, 32, kHeroColour);
  p.Picfcha[22].Resize(256, 64, plat::kBlack);
  SolidSprite(p.Picfcha[22], 0, 0, 32, 32, kHostColour);

  for (int room = 1; room <= 3; ++room) {
    SCOPED_TRACE("room " + std::to_string(room));
    Play(room);
    const int w = 32 << (room - 1);
    gs.castX[22] = 16, gs.castY[22] = 7;
    Place(100.4, 60.6, 300, 300, 400, 330);
    gs.fireFrame = static_cast<i16>(room % 2);
    DrawBearGame(f);
    const plat::Surface& win = plat::Window();
    auto at = [&](int x, int y) { return win.At(x, y) & 0xFFFFFF; };
    // The bear's picture, W x W from its rounded corner (100, 61).
    EXPECT_EQ(at(100, 61), kBearColour);
    EXPECT_EQ(at(100 + w - 1, 61 + w - 1), kBearColour);
    EXPECT_NE(at(100 + w, 61 + w / 2), kBearColour);
    EXPECT_NE(at(100 + w / 2, 61 + w), kBearColour);
    EXPECT_NE(at(99, 61), kBearColour);
    EXPECT_NE(at(100, 60), kBearColour);
    // The fireball, 18 x 18, in the frame's colour.
    EXPECT_EQ(at(300, 300), kFireColour[room % 2]);
    EXPECT_EQ(at(317, 317), kFireColour[room % 2]);
    EXPECT_NE(at(318, 300), kFireColour[room % 2]);
    // The hero facing down, the host at his cell, the floor around.
    EXPECT_EQ(at(400, 330), kHeroColour);
    EXPECT_EQ(at(431, 361), kHeroColour);
    EXPECT_EQ(at(16 * 32, 7 * 32), kHostColour);
    EXPECT_EQ(at(40, 400), plat::RGB(0, 0x60, 0));
    // The aim mark points left from the hero (heading 180), red.
    EXPECT_EQ(at(400 + 16 - 25, 330 + 16), plat::RGB(255, 0, 0));

    // The X over the hero, and over the bear's picture.
    DrawLoserCross(f, false);
    EXPECT_EQ(at(400, 330), plat::RGB(255, 0, 0));
    EXPECT_EQ(at(416, 346), plat::RGB(255, 0, 0));
    EXPECT_EQ(at(400, 362), plat::RGB(255, 0, 0));
    DrawLoserCross(f, true);
    EXPECT_EQ(at(100 + w / 2, 61 + w / 2), plat::RGB(255, 0, 0));
    EXPECT_EQ(at(100 + w, 61), plat::RGB(255, 0, 0));
  }
}

// --- The whole road -----------------------------------------------------------

class BearRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    f = MakeForm(7);
    AutoReader opening;
    opening.gs = &gs();
    opening.answers = {0};
    opening.closeAtEnd = true;
    plat::headless::SetIdleHook([&] { opening(); });
    ASSERT_EQ(
        Run("menu start\nuntil GameMode 1 2000\nuntil timerEnabled true 60000\nwait 100\n", true),
        0);
  }
  void TearDown() override {
    plat::headless::SetIdleHook(nullptr);
    plat::headless::SetFrameHook(nullptr);
  }
  GameState& gs() { return f->gs; }

  int Run(const std::string& scenario, bool load = false) {
    return RunWith(scenario, [&] {
      if (load) Form_Load(*f);
      plat::headless::MainLoop();
    });
  }
  void Walk(const std::string& keys) { ASSERT_EQ(Run(Steps(keys)), 0) << keys; }

  // Talks to the bear in front, books the game with yes to everything and
  // plays it, steering to win or standing still; returns when the host has
  // spoken and the bear has taken its steps.
  void PlayTheBear(bool toWin) {
    const int32_t money = gs().money;
    AutoReader reader;
    reader.gs = &gs();
    reader.answers = {0, 0, 0, 0};
    reader.closeAtEnd = true;
    LookAheadPlayer player(gs());
    const std::u32string said = toWin ? U"おめでとうございまーす" : U"ざんねんでしたー！";
    bool heard = false;
    plat::headless::SetIdleHook([&] {
      heard = heard ||
              (gs().GameMode == kModeRoom && gs().messageText.find(said) != std::u32string::npos);
      reader();
      if (toWin) player();
      if (gs().GameMode != kModeBear) player.Release();
    });
    crossFrames = 0;
    crossFrom = crossTo = -1;
    plat::headless::SetFrameHook([&](const plat::Surface& s) {
      if (gs().GameMode != kModeBear || plat::TimerEnabled()) return;
      // The X's crossing point over the loser.
      const int x = toWin ? CInt(gs().bearX + (16 << gs().bearIndex))
                          : CInt(gs().players[homeForward].x + 16);
      const int y = toWin ? CInt(gs().bearY + (16 << gs().bearIndex))
                          : CInt(gs().players[homeForward].y + 16);
      if ((s.At(x, y) & 0xFFFFFF) != plat::RGB(255, 0, 0)) return;
      ++crossFrames;
      if (crossFrom < 0) crossFrom = plat::headless::Now();
      crossTo = plat::headless::Now();
    });
    ASSERT_EQ(Run("press space\nuntil GameMode 3 120000\nuntil GameMode 2 600000\n"
                  "until dialogueState 0 120000\nwait 6000\n"),
              0);
    plat::headless::SetIdleHook(nullptr);
    plat::headless::SetFrameHook(nullptr);
    EXPECT_EQ(gs().money, money - 100);
    EXPECT_EQ(gs().bearGamePending, 0);
    EXPECT_EQ(gs().GameMode, kModeRoom);
    EXPECT_TRUE(plat::TimerEnabled());
    EXPECT_GT(crossFrames, 30);
    EXPECT_GE(crossTo - crossFrom, 900);  // a second of the X, the world stopped
    EXPECT_TRUE(heard);
  }

  // What the Ctrl key shows where the abilities are listed.
  bool AbilityShown(int k) {
    const plat::Surface before = plat::Window();
    Form_KeyDown(*f, plat::VK_CONTROL);
    const plat::Surface shown = plat::Window();
    Form_KeyDown(*f, plat::VK_CONTROL);
    for (int y = 224 + 32 * k; y < 240 + 32 * k; ++y)
      for (int x = 320; x < 440; ++x)
        if (before.At(x, y) != shown.At(x, y)) return true;
    return false;
  }

  void ExpectBear(int room, int x, int y) {
    EXPECT_EQ(gs().bearRoom, room);
    EXPECT_EQ(gs().castX[22], x);
    EXPECT_EQ(gs().castY[22], y);
    EXPECT_EQ(gs().roomOccupancy[size_t(y)][size_t(x)], 22);
  }
  void ExpectHero(int x, int y) {
    EXPECT_EQ(gs().playerX, x);
    EXPECT_EQ(gs().playerY, y);
  }

  std::unique_ptr<Form1> f;
  int crossFrames = 0;
  double crossFrom = -1, crossTo = -1;
};

TEST_F(BearRoad, FromTheDoorThroughTheThreeBearsToTheAbilitiesInAMatch) {
  gs().winsByCast[0] = 9;  // every door in the basement open
  // The party below the hall's door.
  for (auto& row : gs().hallOccupancy)
    for (auto& who : row)
      if (who == 0 || who == 1) who = -1;
  gs().playerX = 30, gs().playerY = 9, gs().playerFacing = 1;
  gs().partnerX = 30, gs().partnerY = 10, gs().partnerSide = gs().partnerPrevSide = 3;
  ASSERT_EQ(gs().hallOccupancy[9][30], -1);
  ASSERT_EQ(gs().hallOccupancy[10][30], -1);
  gs().hallOccupancy[9][30] = 0, gs().hallOccupancy[10][30] = 1;

  Walk("U");
  ASSERT_EQ(gs().GameMode, kModeRoom);
  ASSERT_EQ(gs().currentRoom, 0);
  Walk("DDDDDDDLDDDRD");
  ASSERT_EQ(gs().currentRoom, 1);
  Walk("UUUU");  // below the bear, facing it
  ExpectHero(17, 8);
  EXPECT_FALSE(AbilityShown(0));

  // Room 1, lost: the bear goes back to its place and the hero stands below.
  PlayTheBear(false);
  ExpectHero(17, 9);
  ExpectBear(1, 17, 7);
  EXPECT_EQ(gs().specialAbilities[0], 0);
  EXPECT_EQ(gs().talkEntry[22], 0);
  // Room 1, won: ダッシュ, and the bear walks out through the open door.
  Walk("U");
  PlayTheBear(true);
  EXPECT_EQ(gs().specialAbilities[0], 1);
  EXPECT_TRUE(AbilityShown(0));
  EXPECT_EQ(gs().bearRoom, 2);
  ExpectHero(15, 7);
  for (const auto& row : gs().roomOccupancy)
    for (i16 who : row) EXPECT_EQ(who, -1);

  // Room 2, where it now waits below the door.
  Walk("RRUUUUUU");
  ASSERT_EQ(gs().currentRoom, 2);
  ExpectBear(2, 17, 7);
  Walk("DDDDD");
  PlayTheBear(false);
  ExpectHero(17, 5);
  ExpectBear(2, 17, 7);
  EXPECT_EQ(gs().specialAbilities[1], 0);
  Walk("D");
  PlayTheBear(true);
  EXPECT_EQ(gs().specialAbilities[1], 1);
  EXPECT_TRUE(AbilityShown(1));
  EXPECT_EQ(gs().bearRoom, 3);

  // Room 3: the bear waits beside the way in; after the hero's win it stays,
  // sulking, and says only its last lines.
  Walk("RRDDDDD");
  ASSERT_EQ(gs().currentRoom, 3);
  ExpectBear(3, 16, 1);
  Walk("UUUUUUUUUUUL");  // the last step only turns him to the bear
  ExpectHero(17, 1);
  EXPECT_EQ(gs().playerFacing, 0);
  PlayTheBear(false);
  ExpectHero(17, 2);
  ExpectBear(3, 16, 1);
  Walk("UL");
  PlayTheBear(true);
  EXPECT_EQ(gs().specialAbilities[2], 1);
  ExpectHero(15, 1);
  ExpectBear(3, 14, 6);
  EXPECT_EQ(gs().talkEntry[22], 3);
  EXPECT_EQ(gs().money, 3000 - 600);

  Walk("DDDDLD");  // beside the bear, then facing it
  ExpectHero(14, 5);
  AutoReader reader;
  reader.gs = &gs();
  bool sulks = false, offers = false;
  plat::headless::SetIdleHook([&] {
    sulks = sulks || gs().messageText.find(U"お兄さーん！") != std::u32string::npos;
    offers = offers || gs().messageText.find(U"ここはヒミツ") != std::u32string::npos;
    reader();
  });
  ASSERT_EQ(Run("press space\nuntil dialogueState -1 20000\n"), 0);
  plat::headless::SetIdleHook(nullptr);
  EXPECT_TRUE(sulks);
  EXPECT_FALSE(offers);
  ASSERT_EQ(Run("press space\nwait 100\n"), 0);

  // A match with both: Up and Down together is ダッシュ, three times the top
  // speed at once; the back's ナイスパス aims at the forward, wherever he
  // drives, every tick, instead of sweeping by 5 degrees.
  gs().opponentCast = 4, gs().opponentBackOffset = 9, gs().playerRole = 1;
  int ticks = 0, worst = 0;
  plat::headless::SetFrameHook([&](const plat::Surface&) {
    if (gs().GameMode != kModeMatch || !plat::TimerEnabled()) return;
    const MatchPlayer& fw = gs().players[homeForward];
    const MatchPlayer& back = gs().players[homeBack];
    const int off = (back.shotAngle - AngleTo(back.x, back.y, fw.x, fw.y) + 720 + 180) % 360 - 180;
    worst = std::max(worst, std::abs(off));
    ++ticks;
  });
  ASSERT_EQ(RunWith("wait 2500\ndown right\nwait 270\nup right\ndown up\ndown down\nwait 300\n",
                    [&] {
                      StartMatch(*f);
                      plat::headless::MainLoop();
                    }),
            0);
  plat::headless::SetFrameHook(nullptr);
  const MatchPlayer& fw = gs().players[homeForward];
  EXPECT_EQ(fw.heading, 90);
  EXPECT_GE(fw.speed, 3 * fw.maxSpeed - fw.accel);
  EXPECT_GT(ticks, 20);
  EXPECT_LE(worst, 3);
}

}  // namespace
