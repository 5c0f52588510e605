// Whole conversations through the real keys: the opening of a new game, the
// receptionist's booking, and shopping with サンタ.
#include "story/screens.h"
#include "test_support.h"

namespace {

using moki::Form1;
using moki::GameState;
using testing_support::AutoReader;
using testing_support::MakeForm;
using testing_support::NewGameThroughTheOpening;
using testing_support::PlaceParty;
using testing_support::RunWith;

TEST(ConversationOpening, StartPlaysTheOpeningThenWalksInAndClosesTheEntrance) {
  auto f = MakeForm();
  GameState& gs = f->gs;
  NewGameThroughTheOpening(*f, 0);
  EXPECT_EQ(gs.GameMode, moki::kModeHall);
  EXPECT_EQ(gs.motivated, 1);
  EXPECT_EQ(gs.dialogueState, 0);
  EXPECT_FALSE(plat::LabelVisible());
  EXPECT_TRUE(plat::TimerEnabled());
  EXPECT_FALSE(plat::MenuEnabled(0));
  EXPECT_EQ(gs.hallMap[33][19], 19);
  EXPECT_EQ(gs.hallMap[33][20], 19);
  EXPECT_EQ(gs.playerX, 19);
  EXPECT_EQ(gs.playerY, 31);  // two cells in from the entrance
  EXPECT_EQ(gs.hallOccupancy[31][19], 0);
  EXPECT_EQ(gs.hallOccupancy[32][19], 1);

  // Saying いいえ picks the beginners' course, which weakens the opponents.
  auto g = MakeForm();
  NewGameThroughTheOpening(*g, 1);
  EXPECT_EQ(g->gs.motivated, 0);
  EXPECT_LT(g->gs.castMaxSpeed[2], gs.castMaxSpeed[2]);
  EXPECT_EQ(g->gs.castMaxSpeed[0], gs.castMaxSpeed[0]);
}

TEST(ConversationReceptionist, AcrossTheCounterShowsTheRankingAndBooksTheMatch) {
  auto f = MakeForm(11);
  GameState& gs = f->gs;
  NewGameThroughTheOpening(*f, 0);
  PlaceParty(gs, 20, 10, 1, 20, 11);  // below the counter, facing her
  gs.castFacing[2] = 0;
  // The hero's opponent on match-day 1: the seat paired with his.
  int heroSeat = gs.heroRank - 1;
  int otherSeat = heroSeat ^ 1;  // day 1 pairs seats 0-1, 2-3, ...
  int16_t expected = gs.leagueSeats[size_t(otherSeat)];

  AutoReader reader;
  reader.gs = &gs;
  reader.answers = {0, 0, 0, 0};
  bool rankingSeen = false;
  plat::headless::SetIdleHook([&] {
    rankingSeen = rankingSeen || gs.drawRanking == 1;
    reader();
  });
  size_t dumpsBefore = plat::headless::Dumps().size();
  // The closing Space starts the match: two seconds of intro with the timer
  // stopped, then the match runs and Up drives the hero's forward.
  bool timerDuringIntro = false, seenInIntro = false;
  float forwardX = 0;
  int code = RunWith(
      "press space\nuntil dialogueState -1 60000\ndump\npress space\nwait 1000\ndump\n"
      "wait 1200\ndown up\nwait 1000\nup up\nwait 100\n",
      [&] {
        plat::headless::SetDumpSink([&](const std::string&) {
          if (gs.GameMode == moki::kModeMatch && !seenInIntro) {
            seenInIntro = true;
            timerDuringIntro = plat::TimerEnabled();
            forwardX = gs.players[moki::homeForward].x;
          }
        });
        plat::headless::MainLoop();
      });
  plat::headless::SetDumpSink(nullptr);
  plat::headless::SetIdleHook(nullptr);
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(rankingSeen);
  EXPECT_EQ(gs.castFacing[2], 3);  // turned to face the hero
  EXPECT_EQ(gs.frontDY[1], -1);    // the doubled look-up across the counter is undone
  ASSERT_GT(plat::headless::Dumps().size(), dumpsBefore);
  const std::string atEnd = plat::headless::Dumps()[dumpsBefore];
  EXPECT_NE(atEnd.find("\"matchPending\":1"), std::string::npos);
  EXPECT_NE(atEnd.find("\"label1Visible\":true"), std::string::npos);
  EXPECT_EQ(gs.playerRole, 1);  // the first はい to 前衛？
  EXPECT_EQ(gs.opponentCast, expected);
  EXPECT_EQ(gs.opponentBackOffset, 9);
  int others = 0;
  for (int c = 1; c < 22; ++c) others += gs.winsByCast[size_t(c)];
  EXPECT_EQ(others, 4);
  // The closing Space hides the window and starts the match.
  EXPECT_EQ(gs.dialogueState, 0);
  EXPECT_FALSE(plat::LabelVisible());
  EXPECT_TRUE(gs.messageText.empty());
  EXPECT_EQ(gs.GameMode, moki::kModeMatch);
  EXPECT_TRUE(seenInIntro);
  EXPECT_FALSE(timerDuringIntro);
  EXPECT_TRUE(plat::TimerEnabled());
  EXPECT_EQ(forwardX, 160);  // still at kick-off during the intro
  EXPECT_GT(gs.players[moki::homeForward].x, 160 + 50);
}

TEST(ConversationSeller, BuyingPutsTheItemOnXAndTheStatusScreenShowsIt) {
  auto f = MakeForm(5);
  GameState& gs = f->gs;
  NewGameThroughTheOpening(*f, 0);
  PlaceParty(gs, 12, 29, 0, 13, 29);  // across サンタ's counter
  gs.shopItem = 21;                   // 小回り楽々, 400 ドール
  gs.shopCount = 2;
  gs.money = 3000;
  // The status screen over a plain black window, before and after.
  auto statusPicture = [&] {
    plat::Window().Fill(plat::kBlack);
    moki::DrawStatus(*f);
    return plat::Window();
  };
  plat::Surface before = statusPicture();
  // はい to buy, はい to the price, いいえ to the status screen, いいえ to Z, はい to X.
  AutoReader reader;
  reader.gs = &gs;
  reader.answers = {0, 0, 1, 1, 0};
  plat::headless::SetIdleHook([&] { reader(); });
  int code = RunWith("press space\nuntil dialogueState -1 60000\npress space\nwait 100\n",
                     [&] { plat::headless::MainLoop(); });
  plat::headless::SetIdleHook(nullptr);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(gs.slotItem[1], 21);
  EXPECT_EQ(gs.slotCount[21][1], 2);
  EXPECT_EQ(gs.slotItem[0], 0);
  EXPECT_EQ(gs.money, 2200);
  EXPECT_EQ(gs.talkEntry[3], 1);

  // The status screen's X line changed; the Z line did not.
  plat::Surface after = statusPicture();
  auto rowDiffers = [&](int y0) {
    for (int y = y0; y < y0 + 16; ++y)
      for (int x = 320; x < 600; ++x)
        if (before.At(x, y) != after.At(x, y)) return true;
    return false;
  };
  EXPECT_TRUE(rowDiffers(128));
  EXPECT_FALSE(rowDiffers(96));

  // Sold out until the next match.
  AutoReader again;
  again.gs = &gs;
  plat::headless::SetIdleHook([&] { again(); });
  RunWith("press space\nuntil dialogueState -1 20000\n", [&] { plat::headless::MainLoop(); });
  plat::headless::SetIdleHook(nullptr);
  EXPECT_NE(gs.messageText.find(U"今回はもう売り切れ！"), std::u32string::npos);
}

TEST(ConversationNobody, SpaceFacingAnEmptyCellAWallOrThePartnerDoesNothing) {
  auto f = MakeForm(2);
  GameState& gs = f->gs;
  NewGameThroughTheOpening(*f, 0);
  // Keep the wanderers out of the way: their marks go, so no one is met.
  for (auto& row : gs.hallOccupancy)
    for (auto& cell : row)
      if (cell >= 4) cell = -1;
  const struct {
    int x, y, facing, px, py;
  } cases[] = {{15, 12, 1, 16, 12},   // an empty floor cell
               {10, 12, 0, 11, 12},   // the wall
               {16, 12, 2, 17, 12}};  // the partner
  for (const auto& c : cases) {
    PlaceParty(gs, c.x, c.y, c.facing, c.px, c.py);
    int tx = c.x + gs.frontDX[size_t(c.facing)], ty = c.y + gs.frontDY[size_t(c.facing)];
    ASSERT_LT(gs.hallOccupancy[size_t(ty)][size_t(tx)], 2);
    ASSERT_TRUE(plat::TimerEnabled());
    uint64_t frames = plat::headless::FrameCount();
    moki::Form_KeyDown(*f, plat::VK_SPACE);
    EXPECT_EQ(gs.dialogueState, 0);
    EXPECT_FALSE(plat::LabelVisible());
    EXPECT_TRUE(plat::TimerEnabled());
    EXPECT_EQ(plat::headless::FrameCount(), frames);
  }
}

}  // namespace
