// The computer's players, the match clock and its result, and the season as a
// player lives it: the receptionist, the match, the result box, the hall
// again, from match-day 1 through the final to the challenges and the end.
#include <set>

#include "match/computer_players.h"
#include "match/match_result.h"
#include "match/match_setup.h"
#include "match/match_tick.h"
#include "story/cast_stats.h"
#include "story/dialogue.h"
#include "player_files/bindings.h"
#include "test_support.h"

using namespace moki;
using testing_support::MakeForm;
using testing_support::NewGameThroughTheOpening;
using testing_support::PlaySeason;
using testing_support::RunWith;
using testing_support::SeasonPlayer;

namespace {

// The same match on all-grass ground, both home players the computer's.
std::unique_ptr<Form1> MatchForm(uint64_t seed = 1) {
  auto f = testing_support::LeagueMatchForm(seed, 0);
  for (auto& row : terrainGrid(f->gs)) row.fill(1);
  return f;
}

int Score(const std::u32string& box, bool home) {
  const size_t dash = box.find(U'-');
  const std::u32string part = home ? box.substr(0, dash) : box.substr(dash + 1);
  int v = 0;
  for (char32_t c : part) v = v * 10 + int(c - U'0');
  return v;
}

}  // namespace

TEST(ComputerPlayers, BlindedTheyTurnAwayAndStandAndTheSweepStaysInItsFan) {
  auto f = MatchForm();
  GameState& gs = f->gs;
  MatchPlayer& hb = gs.players[homeBack];
  std::set<int> angles;
  for (int i = 0; i < 200; ++i) {
    SteerHomeBack(gs);
    angles.insert(hb.shotAngle);
  }
  const std::set<int> fan = {355, 0, 5, 10, 15, 20, 25, 30, 35};
  EXPECT_EQ(angles, fan);
  // ナイスパス: the back aims at its forward.
  gs.specialAbilities[1] = 1;
  gs.players[homeForward].x = 32 + 100, gs.players[homeForward].y = hb.y + 100;
  SteerHomeBack(gs);
  EXPECT_EQ(hb.shotAngle, 45);

  // In a blackout the forwards turn 30 degrees off the chase and backs stop.
  MatchPlayer& af = gs.players[awayForward];
  af.x = 100, af.y = 100, af.heading = 0, af.turnStep = 10, af.speed = 0, af.maxSpeed = 5;
  af.accel = 1;
  gs.ball.x = 300, gs.ball.y = 100;  // straight ahead: it turns by its step
  SteerAwayForward(gs);
  EXPECT_EQ(af.heading, 350);
  af.heading = 0;
  gs.blackoutTime = 1;
  SteerAwayForward(gs);
  EXPECT_EQ(af.heading, 20);
  gs.players[awayBack].vy = 3;
  SteerAwayBack(gs);
  EXPECT_EQ(gs.players[awayBack].vy, 0);
  // After a dash the computer's home forward slows by 1.5 * accel a step.
  gs.blackoutTime = 0;
  MatchPlayer& hf = gs.players[homeForward];
  hf.maxSpeed = 5, hf.accel = 0.4f, hf.speed = 15, hf.turnStep = 10;
  SteerHomeForward(gs);
  EXPECT_FLOAT_EQ(hf.speed, 15 - 0.6f);
}

TEST(MatchClock, SixtyOneCountsThenOneResultEvenWithTheBoxLeftOpen) {
  auto f = MatchForm();
  GameState& gs = f->gs;
  gs.roundNumber = 3;
  gs.money = 1000;
  gs.matchPending = 1;
  std::vector<int> counts;
  plat::headless::SetIdleHook([&] {
    if (gs.GameMode == kModeMatch && gs.countsLeft >= 0 &&
        (counts.empty() || counts.back() != gs.countsLeft))
      counts.push_back(gs.countsLeft);
    if (gs.GameMode == kModeMatch && gs.countsLeft == 0) gs.homeScore = 3, gs.awayScore = 1;
  });
  plat::headless::SetMessageBoxAnswerMs(5000);
  uint32_t started = 0, ended = 0;
  int code = RunWith("until GameMode 1 90000\nwait 3000\n", [&] {
    StartMatch(*f);
    started = plat::GetTickCount();
    while (gs.GameMode == kModeMatch) plat::WaitEvents(-1);
    ended = plat::GetTickCount();
    plat::headless::MainLoop();
  });
  plat::headless::SetIdleHook(nullptr);
  EXPECT_EQ(code, 0);
  ASSERT_EQ(counts.front(), 60);
  EXPECT_EQ(counts.back(), 0);
  EXPECT_EQ(counts.size(), 61u);
  // 61 counts of a second (each taken at the first tick past it), then the
  // box stood 5 seconds.
  EXPECT_GE(ended - started, 61000u + 5000u);
  EXPECT_LE(ended - started, 61u * 1030u + 5000u);
  EXPECT_EQ(plat::headless::MessageBoxCount(), 1);
  EXPECT_EQ(plat::headless::LastMessageBoxText(), U"3-1");
  EXPECT_EQ(plat::headless::LastMessageBoxCaption(), U"　勝ち");
  EXPECT_EQ(gs.money, 1000 + 400);
  EXPECT_EQ(gs.winsByCast[0], 1);
  EXPECT_EQ(gs.roundNumber, 4);
  EXPECT_EQ(gs.talkEntry[20], 1);  // 雑亀 has news on match-day 4
  EXPECT_EQ(gs.matchPending, 0);
  EXPECT_EQ(gs.countsLeft, 60);  // already set up afresh for the next booking
}

TEST(MatchClock, ADrawIsReplayedAndTheGoldenGoalEndsTheTickAtOnce) {
  auto f = MatchForm();
  GameState& gs = f->gs;
  gs.roundNumber = 2;
  int replayStarts = 0;
  bool shot = false;
  plat::headless::SetIdleHook([&] {
    if (gs.GameMode != kModeMatch) return;
    if (gs.extraTime == 0 && gs.countsLeft == 0) gs.homeScore = gs.awayScore = 1;
    if (gs.extraTime == 1 && gs.countsLeft == 60) ++replayStarts;
    if (gs.extraTime == 1 && !shot) {
      // A shot into the away goal line as the replay kicks off.
      shot = true;
      gs.ball.x = 570, gs.ball.y = 300, gs.ball.speed = 10, gs.ball.direction = 0;
    }
  });
  // The hall shown after the result is the last thing that tick drew: a
  // repaint right then gives the very same picture.
  plat::Pixels shown, repainted;
  int code = RunWith("until GameMode 1 150000\nwait 2000\n", [&] {
    StartMatch(*f);
    while (gs.GameMode == kModeMatch) plat::WaitEvents(-1);
    shown = plat::headless::LastFrame().px;
    plat::Refresh();
    repainted = plat::headless::LastFrame().px;
    plat::headless::MainLoop();
  });
  plat::headless::SetIdleHook(nullptr);
  EXPECT_EQ(code, 0);
  EXPECT_GT(replayStarts, 0);
  EXPECT_EQ(plat::headless::MessageBoxCount(), 2);
  EXPECT_EQ(plat::headless::LastMessageBoxCaption(), U"　勝ち");
  EXPECT_EQ(gs.extraTime, 0);
  EXPECT_EQ(gs.winsByCast[0], 1);
  EXPECT_EQ(gs.roundNumber, 3);
  EXPECT_FALSE(shown.empty());
  EXPECT_TRUE(shown == repainted);
}

TEST(MatchClock, AReplayInTheChallengesIsPlayedOnTheFieldAndKickOffItsIntroShowed) {
  // From match-day 11 on every set-up draws a field; a drawn challenge is
  // replayed, and the replay must be the one its intro showed.
  for (uint64_t seed : {1u, 2u, 3u, 4u}) {
    auto f = MatchForm(seed);
    GameState& gs = f->gs;
    gs.roundNumber = 12;
    ResetMatch(gs);
    gs.homeScore = gs.awayScore = 2;
    auto introField = terrainGrid(gs);
    MatchBall introBall{};
    int introFrames = 0;
    plat::headless::SetFrameHook([&](const plat::Surface&) {
      if (gs.extraTime != 1) return;  // the result box
      introField = terrainGrid(gs);
      introBall = gs.ball;
      ++introFrames;
    });
    int code = RunWith("wait 10000\n", [&] { MatchResult(*f); });
    plat::headless::SetFrameHook(nullptr);
    EXPECT_EQ(code, 0);
    ASSERT_GT(introFrames, 60) << "seed " << seed;  // two seconds of intro
    EXPECT_EQ(gs.extraTime, 1);
    EXPECT_EQ(gs.GameMode, kModeMatch);
    EXPECT_TRUE(terrainGrid(gs) == introField) << "seed " << seed;
    EXPECT_EQ(gs.ball.speed, introBall.speed) << "seed " << seed;
    EXPECT_EQ(gs.ball.direction, introBall.direction) << "seed " << seed;
    EXPECT_EQ(gs.countsLeft, 60);
  }
}

TEST(MatchSeason, NineWinsTheFinalTwoDefencesThenALostChallengeEndsTheGame) {
  auto f = MakeForm(5);
  GameState& gs = f->gs;
  NewGameThroughTheOpening(*f, 0);
  SeasonPlayer player;
  player.gs = &gs;
  player.plan = std::vector<bool>(12, true);
  player.plan.push_back(false);
  const int code = PlaySeason(player);
  ASSERT_EQ(code, 0);

  ASSERT_EQ(player.boxes.size(), 13u);
  int32_t money = 3000 + 15000;  // the league prize
  for (size_t i = 0; i < 12; ++i)
    money += (Score(player.boxes[i], true) - Score(player.boxes[i], false)) * 200;
  EXPECT_EQ(gs.money, money);
  EXPECT_EQ(gs.winsByCast[0], 12);
  EXPECT_EQ(gs.roundNumber, 14);

  // The nine league opponents are the nine other teams, then the final pair.
  ASSERT_EQ(player.opponents.size(), 13u);
  std::set<int> league(player.opponents.begin(), player.opponents.begin() + 9);
  EXPECT_EQ(league, (std::set<int>{4, 5, 6, 7, 8, 9, 10, 11, 12}));
  EXPECT_EQ(player.opponents[9], 2);
  // Each challenger is a step stronger.
  EXPECT_EQ(player.bonuses[9], 0);
  EXPECT_EQ(player.bonuses[10], 1);
  EXPECT_EQ(player.bonuses[11], 2);
  EXPECT_EQ(player.bonuses[12], 3);

  // Her states: the league (0) nine times, then she called the hero over
  // after the ninth day (1: the final), after the final (4), after each
  // defence (7) and after the lost challenge (8); between them he talked to
  // her (6: a challenger waits).
  std::vector<int> expected(9, 0);
  for (int s : {1, 4, 6, 7, 6, 7, 6, 8}) expected.push_back(s);
  EXPECT_EQ(player.talkStates, expected);
  // The game is over: the title with スタート enabled.
  EXPECT_EQ(gs.GameMode, kModeTitle);
  EXPECT_TRUE(plat::MenuEnabled(0));
  EXPECT_FALSE(plat::TimerEnabled());
}

TEST(MatchSeason, ALossInTheLeagueEndsTheGameAfterTheNinthDay) {
  auto f = MakeForm(9);
  GameState& gs = f->gs;
  NewGameThroughTheOpening(*f, 1);  // the beginners' course plays the black ball
  // Eight days played, one of them lost.
  gs.roundNumber = 9;
  gs.winsByCast[0] = 7;
  SeasonPlayer player;
  player.gs = &gs;
  player.plan = {true};
  ASSERT_EQ(PlaySeason(player), 0);
  EXPECT_EQ(player.boxes.size(), 1u);
  EXPECT_EQ(gs.winsByCast[0], 8);
  EXPECT_EQ(gs.roundNumber, 10);
  // She calls the hero over: "これですべての試合が終了しました" and game over.
  EXPECT_EQ(player.talkStates, (std::vector<int>{0, 2}));
  EXPECT_EQ(gs.GameMode, kModeTitle);
  EXPECT_TRUE(plat::MenuEnabled(0));
}

// With a controller and nothing else: Start then A on the title starts a new
// game; the opening, the receptionist, the match and its result box are
// answered with A and the d-pad; Back, the d-pad and A quit from the menu at
// rest; a second start continues with Start, the d-pad and A.
TEST(MatchSeason, AControllerAloneStartsPlaysSavesQuitsAndContinues) {
  auto f = MakeForm(5);
  SeasonPlayer player;
  player.gs = &f->gs;
  player.plan = {true};
  player.pad = true;
  player.stopAfter = 1;
  plat::headless::SetIdleHook([&] { player(); });
  plat::headless::SetFrameHook([&](const plat::Surface&) { player.OnFrame(); });
  const int code = RunWith(
      "wait 300\npad press start\nwait 100\npad press a\nuntil GameMode 1 2000\n"
      "until roundNumber 2 2000000\nuntil timerEnabled true 60000\nwait 1000\n"
      "pad press back\nwait 100\ndump\npad press dpdown\npad press dpdown\npad press a\nwait "
      "5000\n",
      [&] {
        Form_Load(*f);
        plat::headless::MainLoop();
      });
  plat::headless::SetIdleHook(nullptr);
  plat::headless::SetFrameHook(nullptr);
  EXPECT_EQ(code, 0);
  ASSERT_EQ(player.boxes.size(), 1u);
  EXPECT_EQ(f->gs.winsByCast[0], 1);
  const int32_t money = f->gs.money;
  // Back opened ファイル on 終了, past スタート and つづきから, greyed in a game.
  const std::string& menu = plat::headless::Dumps()[plat::headless::Dumps().size() - 2];
  EXPECT_NE(menu.find("\"menu\":{\"open\":true,\"index\":0,\"cursor\":2}"), std::string::npos)
      << menu.substr(menu.find("\"tick\""));
  EXPECT_NE(menu.find("\"menuStartEnabled\":false,\"menuContinueEnabled\":false"),
            std::string::npos);
  EXPECT_NE(menu.find("\"padLast\":true"), std::string::npos);

  auto g = MakeForm(6);
  EXPECT_EQ(RunWith("wait 300\npad press start\nwait 100\npad press dpdown\npad press a\n"
                    "until GameMode 1 2000\nwait 500\n",
                    [&] {
                      Form_Load(*g);
                      plat::headless::MainLoop();
                    }),
            0);
  EXPECT_EQ(g->gs.GameMode, kModeHall);
  EXPECT_EQ(g->gs.winsByCast[0], 1);
  EXPECT_EQ(g->gs.roundNumber, 2);
  EXPECT_EQ(g->gs.money, money);
  plat::headless::Reset();  // the window as at start for the tests after (no game in it)
}

TEST(MatchClock, CtrlTwiceDuringTheIntroRunsNoStepAndTheClockStartsAtItsEnd) {
  auto f = MatchForm();
  GameState& gs = f->gs;
  // The pause opened and closed again half-way through the intro, as from a
  // match booked with the receptionist (the intro runs in a key event).
  int stepsInIntro = 0;
  bool inIntro = false;
  const float ballX = gs.ball.x;
  plat::Handlers h;
  h.keyDown = [&](int vk) { Form_KeyDown(*f, vk); };
  h.keyUp = [&](int vk) { Form_KeyUp(*f, vk); };
  h.paint = [&] { Form_Paint(*f); };
  h.timer = [&] {
    if (inIntro) ++stepsInIntro;
    Timer1_Timer(*f);
  };
  plat::SetHandlers(h);
  uint32_t introEnd = 0;
  std::vector<std::pair<int, uint32_t>> counts;  // each count and its tick
  plat::headless::SetIdleHook([&] {
    if (counts.empty() || counts.back().first != gs.countsLeft)
      counts.push_back({gs.countsLeft, plat::GetTickCount()});
  });
  int code = RunWith("wait 700\npress ctrl\nwait 200\npress ctrl\nwait 3500\n", [&] {
    inIntro = true;
    StartMatch(*f);
    inIntro = false;
    introEnd = plat::GetTickCount();
    EXPECT_EQ(gs.ball.x, ballX);  // the ball still on its spot
    plat::headless::MainLoop();
  });
  plat::headless::SetIdleHook(nullptr);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(stepsInIntro, 0);
  EXPECT_GE(introEnd, 2000u);
  EXPECT_EQ(gs.kickOffHeld, 0);
  EXPECT_TRUE(plat::TimerEnabled());
  // The clock counts a whole second after the intro's end, then every second.
  ASSERT_GE(counts.size(), 3u);
  EXPECT_EQ(counts[0].first, 60);
  EXPECT_EQ(counts[1].first, 59);
  EXPECT_GE(counts[1].second, introEnd + 1000);
  EXPECT_LE(counts[1].second, introEnd + 1060);
  EXPECT_EQ(counts[2].first, 58);
  EXPECT_GE(counts[2].second, counts[1].second + 1000);
}

TEST(MatchClock, ACtrlPauseDuringTheIntroHoldsAndADialogueAfterItStillReadsSpace) {
  auto f = MatchForm();
  GameState& gs = f->gs;
  // Ctrl during the intro: the match waits behind the status screen.
  float kickOffX = 0;
  bool timerAfterIntro = true;
  uint32_t closedAt = 0;
  int firstCountAt = -1;
  plat::headless::SetIdleHook([&] {
    if (firstCountAt < 0 && gs.countsLeft == 59) firstCountAt = int(plat::GetTickCount());
  });
  int code = RunWith("wait 1000\npress ctrl\nwait 3000\ndump\npress ctrl\nwait 2000\n", [&] {
    plat::headless::SetDumpSink([&](const std::string&) {
      if (kickOffX == 0) {
        kickOffX = gs.players[homeForward].x;
        timerAfterIntro = plat::TimerEnabled();
        closedAt = plat::GetTickCount();  // the closing Ctrl goes down now
      }
    });
    StartMatch(*f);
    plat::headless::MainLoop();
  });
  plat::headless::SetDumpSink(nullptr);
  EXPECT_EQ(code, 0);
  EXPECT_FALSE(timerAfterIntro);
  EXPECT_EQ(kickOffX, 160);  // nothing moved while paused
  EXPECT_EQ(gs.statusShown, 0);
  EXPECT_TRUE(plat::TimerEnabled());
  EXPECT_LT(gs.countsLeft, 60);  // the second Ctrl let the match go on
  // ... and started its clock: the first count a second after it.
  EXPECT_GE(firstCountAt, int(closedAt) + 1000);
  EXPECT_LE(firstCountAt, int(closedAt) + 1060);
  plat::headless::SetIdleHook(nullptr);

  // A pause still up when the receptionist calls the hero over gives way to
  // her, so Space pages through her words and closes them.
  gs.GameMode = kModeHall;
  gs.statusShown = 1, gs.drawStatus = 1;
  gs.talkEntry[2] = 2;
  testing_support::AutoReader reader;
  reader.gs = &gs;
  reader.closeAtEnd = true;
  plat::headless::SetIdleHook([&] { reader(); });
  code = RunWith("wait 60000\n", [&] {
    OpenDialogue(*f, 2);
    plat::headless::MainLoop();
  });
  plat::headless::SetIdleHook(nullptr);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(gs.gameOver, 1);  // her last words were read to the end
  EXPECT_EQ(gs.dialogueState, 0);
  EXPECT_EQ(gs.GameMode, kModeTitle);
}
