// The script interpreter and its action codes, driven through the real keys
// on the headless backend.
#include "story/actions.h"
#include "story/cast_stats.h"
#include "story/dialogue.h"
#include "story/screens.h"
#include "test_support.h"

namespace {

using moki::Form1;
using moki::GameState;
using testing_support::MakeForm;
using testing_support::RunWith;

// Runs script for speaker in the hall, as a talk would, while the scenario
// presses keys. Returns the exit code of the run.
int Talk(Form1& f, int speaker, const std::u32string& script, const std::string& scenario) {
  GameState& gs = f.gs;
  if (gs.GameMode == moki::kModeTitle) gs.GameMode = moki::kModeHall;
  return RunWith(scenario, [&] {
    gs.dialogueState = 1;
    gs.scriptText = script;
    plat::SetLabelVisible(true);
    moki::RunScript(f, speaker);
    plat::headless::MainLoop();
  });
}

TEST(DialogueScript, ASpaceDuringTypingDoesNotTurnThePage) {
  auto f = MakeForm();
  GameState& gs = f->gs;
  // "press space" comes while the first page is still being typed.
  Talk(*f, 2, U"あいうえおかきくけこ#.さしすせそ#E", "wait 60\npress space\nwait 800\n");
  EXPECT_EQ(gs.messageText, U"あいうえおかきくけこ");
  EXPECT_EQ(gs.dialogueState, 2);  // the press was counted, but before the page end

  auto g = MakeForm();
  Talk(*g, 2, U"あいうえおかきくけこ#.さしすせそ#E", "wait 800\npress space\nwait 800\n");
  EXPECT_EQ(g->gs.messageText, U"さしすせそ");
  EXPECT_EQ(g->gs.dialogueState, -1);
  EXPECT_TRUE(g->gs.scriptText.empty());
}

TEST(DialogueScript, QuestionAnsweredDownContinuesAfterTheSecondLabelOnAClearedWindow) {
  auto f = MakeForm();
  GameState& gs = f->gs;
  Talk(*f, 2, U"どうする？#?ab#aはい側#GE#bいいえ側#E",
       "wait 500\npress down\npress space\nwait 600\n");
  EXPECT_EQ(gs.messageText, U"いいえ側");
  EXPECT_FALSE(plat::YesNoVisible(0));
  EXPECT_FALSE(plat::YesNoVisible(1));
  EXPECT_EQ(gs.choicePending, 0);
  EXPECT_EQ(gs.choiceLabels, U"ab");

  auto g = MakeForm();
  Talk(*g, 2, U"どうする？#?ab#aはい側#GE#bいいえ側#E", "wait 500\npress space\nwait 600\n");
  EXPECT_EQ(g->gs.messageText, U"はい側");
}

TEST(DialogueScript, JumpsFindTheFirstLabelAndMissingLabelsEndTheScript) {
  auto f = MakeForm();
  Talk(*f, 2, U"一#Gx二#x三#GE#x四#E", "wait 600\n");
  EXPECT_EQ(f->gs.messageText, U"一三");  // a jump keeps the page
  EXPECT_EQ(f->gs.dialogueState, -1);

  auto g = MakeForm();
  Talk(*g, 2, U"一#Gq二#E", "wait 600\n");
  EXPECT_EQ(g->gs.messageText, U"一");
  EXPECT_EQ(g->gs.dialogueState, -1);
}

TEST(DialogueScript, LineBreaksIndentForMostSpeakersButNotTheReceptionist) {
  auto f = MakeForm();
  Talk(*f, 2, U"あ#,い#E", "wait 1000\n");
  EXPECT_EQ(f->gs.messageText, U"あ\r\nい");
  auto g = MakeForm();
  Talk(*g, 1, U"あ#,い#E", "wait 1000\n");
  EXPECT_EQ(g->gs.messageText, U"あ\r\n\u3000\u3000\u3000\u3000\u3000い");
}

TEST(DialogueScript, ThirtyCharactersTakeAboutASecondToType) {
  auto f = MakeForm();
  std::u32string page(30, U'モ');
  double t0 = plat::headless::Now();
  double typed = -1;
  RunWith("wait 3000\n", [&] {
    f->gs.GameMode = moki::kModeHall;
    f->gs.dialogueState = 1;
    f->gs.scriptText = page + U"#E";
    plat::SetLabelVisible(true);
    moki::RunScript(*f, 2);
    typed = plat::headless::Now() - t0;
    plat::headless::MainLoop();
  });
  // One character per wait of more than 30 ms.
  EXPECT_GT(typed, 30 * 30.0);
  EXPECT_LT(typed, 30 * 40.0);
}

TEST(DialogueEntries, EllieAtStateFivePlaysEntryFiveAndMovesToThree) {
  auto f = MakeForm();
  GameState& gs = f->gs;
  gs.talkEntry[10] = 5;
  Talk(*f, 10, gs.scriptTable[10], "wait 20000\n");
  EXPECT_EQ(gs.messageText.rfind(U"エリー「タダほど高いものはないと、思い知らされる", 0), 0u)
      << plat::ToUtf8(gs.messageText);
  EXPECT_EQ(gs.talkEntry[10], 3);
  EXPECT_EQ(gs.dialogueState, -1);
}

TEST(DialogueEntries, EndOfScriptAdvancesOnlyTheListedSpeakers) {
  struct Case {
    int speaker, before, after;
  } cases[] = {{4, 0, 1},  {4, 1, 1},  {4, 2, 3},  {5, 0, 1},  {5, 2, 1},  {6, 0, 1},
               {9, 1, 1},  {10, 2, 3}, {10, 4, 5}, {11, 0, 1}, {12, 2, 1}, {15, 2, 3},
               {15, 3, 1}, {15, 4, 4}, {14, 1, 1}, {8, 3, 3}};
  for (const Case& c : cases) {
    auto f = MakeForm();
    f->gs.talkEntry[size_t(c.speaker)] = static_cast<int16_t>(c.before);
    Talk(*f, c.speaker, U"あ#E", "wait 300\n");
    EXPECT_EQ(f->gs.talkEntry[size_t(c.speaker)], c.after)
        << "speaker " << c.speaker << " from " << c.before;
  }
}

class DialogueShop : public ::testing::Test {
 protected:
  void SetUp() override {
    f = MakeForm();
    GameState& gs = f->gs;
    gs.shopItem = 2;  // 北風, 150 ドール
    gs.shopCount = 3;
  }
  std::unique_ptr<Form1> f;
};

TEST_F(DialogueShop, HallMoneyCheckComparesWithTheTotalAndPaysNothing) {
  GameState& gs = f->gs;
  gs.money = 449;
  Talk(*f, 3, U"#Cde#d払える#GE#e足りない#E", "wait 500\n");
  EXPECT_EQ(gs.messageText, U"足りない");
  EXPECT_EQ(gs.money, 449);

  auto g = MakeForm();
  g->gs.shopItem = 2;
  g->gs.shopCount = 3;
  g->gs.money = 450;
  Talk(*g, 3, U"#Cde#d払える#GE#e足りない#E", "wait 500\n");
  EXPECT_EQ(g->gs.messageText, U"払える");
  EXPECT_EQ(g->gs.money, 450);
}

TEST_F(DialogueShop, BearRoomFeeIsOneHundredPaidAtOnce) {
  GameState& gs = f->gs;
  gs.GameMode = moki::kModeRoom;
  gs.currentRoom = 1;
  gs.money = 99;
  Talk(*f, 22, U"#Cde#d払える#GE#e足りない#E", "wait 500\n");
  EXPECT_EQ(gs.messageText, U"足りない");
  EXPECT_EQ(gs.money, 99);

  auto g = MakeForm();
  g->gs.GameMode = moki::kModeRoom;
  g->gs.currentRoom = 1;
  g->gs.money = 100;
  Talk(*g, 22, U"#Cde#d払える#GE#e足りない#E", "wait 500\n");
  EXPECT_EQ(g->gs.messageText, U"払える");
  EXPECT_EQ(g->gs.money, 0);
}

TEST_F(DialogueShop, BuyingPutsTheItemOnAKeyAndASecondPurchaseReplacesTheCount) {
  GameState& gs = f->gs;
  gs.money = 1000;
  Talk(*f, 3, U"「#IN」が#IK個、#IMドール#K1#M#E", "wait 1500\n");
  EXPECT_EQ(gs.messageText, U"「北風」が3個、450ドール");
  EXPECT_EQ(gs.slotItem[1], 2);
  EXPECT_EQ(gs.slotCount[2][1], 3);
  EXPECT_EQ(gs.money, 550);
  EXPECT_EQ(gs.talkEntry[3], 1);  // sold out until the next match
  gs.shopCount = 2;
  Talk(*f, 3, U"#K1#M#E", "wait 500\n");
  EXPECT_EQ(gs.slotCount[2][1], 2);
  EXPECT_EQ(gs.money, 250);
}

TEST_F(DialogueShop, ExplainingAnEmptyKeyNamesNothing) {
  GameState& gs = f->gs;
  Talk(*f, 16, U"#XP1#E", "wait 500\n");
  EXPECT_EQ(gs.messageText, U"「何もなし」か、これはうん、これは文字通り何もなし");
  auto g = MakeForm();
  Talk(*g, 16, U"#XQ#E", "wait 500\n");  // neither P nor K: consumed, nothing written
  EXPECT_EQ(g->gs.messageText, U"");
}

class DialogueLeague : public ::testing::Test {
 protected:
  void SetUp() override {
    f = MakeForm(3);
    GameState& gs = f->gs;
    // A fixed seating: seat k holds these teams, the hero on seat 4.
    const int16_t seats[10] = {5, 7, 9, 11, 0, 4, 6, 8, 10, 12};
    for (int k = 0; k < 10; ++k) {
      gs.leagueSeats[size_t(k)] = seats[k];
      gs.rankOrder[size_t(k + 1)] = seats[k];
    }
    gs.heroRank = 5;
    gs.roundNumber = 3;
    gs.winsByCast.fill(0);
  }
  std::unique_ptr<Form1> f;
};

TEST_F(DialogueLeague, NamingTheOpponentAndBookingAgree) {
  GameState& gs = f->gs;
  // Match-day 3 pairs seats 0-3, 1-5, 2-7, 4-8, 6-9: the hero (seat 4) meets seat 8.
  Talk(*f, 2, U"第#N節の対戦相手は#Oさんです#B#E", "wait 1500\n");
  EXPECT_EQ(gs.messageText, U"第3節の対戦相手は9位のエリーさんです");
  EXPECT_EQ(gs.opponentCast, 10);
  EXPECT_EQ(gs.opponentBackOffset, 9);
  EXPECT_EQ(gs.matchPending, 1);
  int others = 0;
  for (int c = 1; c < 22; ++c) others += gs.winsByCast[size_t(c)];
  EXPECT_EQ(others, 4);  // one win for each pairing without the hero
  EXPECT_EQ(gs.winsByCast[0], 0);
  EXPECT_EQ(gs.winsByCast[11], 1);  // seat 3 (11) beat seat 0 (5): the larger index wins
  EXPECT_EQ(gs.winsByCast[5], 0);
}

TEST_F(DialogueLeague, TheFinalIsAgainstTheReceptionistAndTheSeller) {
  GameState& gs = f->gs;
  gs.roundNumber = 10;
  Talk(*f, 2, U"#B#U3#E", "wait 500\n");
  EXPECT_EQ(gs.opponentCast, 2);
  EXPECT_EQ(gs.opponentBackOffset, 1);
  EXPECT_EQ(gs.messageText, U"受付とサンタ");
  int wins = 0;
  for (int16_t w : gs.winsByCast) wins += w;
  EXPECT_EQ(wins, 0);
}

TEST_F(DialogueLeague, StoryCodesAndTheEasyCourse) {
  GameState& gs = f->gs;
  gs.money = 100;
  Talk(*f, 2, U"#U4#U1#Z2#Y1#E", "wait 500\n");
  EXPECT_EQ(gs.money, 15100);
  EXPECT_EQ(gs.talkEntry[2], 3);
  EXPECT_EQ(gs.playerRole, 2);
  EXPECT_EQ(gs.motivated, 1);
  EXPECT_EQ(gs.gameOver, 0);
  moki::ResetCastStats(gs);
  float hero = gs.castMaxSpeed[0];
  Talk(*f, 1, U"#Y0#U0#E", "wait 500\n");
  EXPECT_EQ(gs.motivated, 0);
  EXPECT_EQ(gs.gameOver, 1);
  // Values from the new-game table, weakened once.
  EXPECT_FLOAT_EQ(gs.castMaxSpeed[2], 20.0f / 3.0f * 2.0f);
  EXPECT_FLOAT_EQ(gs.castAccel[4], 0.8f / 3.0f * 2.0f);
  EXPECT_EQ(gs.castShotPower[2], 16);
  EXPECT_EQ(gs.castShotPower[9], 1);   // 1.33 rounds to 1
  EXPECT_EQ(gs.castShotPower[16], 3);  // 3.33
  EXPECT_EQ(gs.castAimCone[4], 30);    // 45 loses 15
  EXPECT_EQ(gs.castAimCone[14], 30);   // 30 is not above 30
  EXPECT_EQ(gs.castAimCone[11], 0);
  EXPECT_EQ(gs.castTurnStep[12], 15);  // 25 capped
  EXPECT_EQ(gs.castTurnStep[5], 10);
  EXPECT_EQ(gs.castMaxSpeed[0], hero);  // the hero's team keeps its strength
}

TEST_F(DialogueLeague, TheRankingStartsEveryNameInOneColumn) {
  GameState& gs = f->gs;
  // The same name on every row: past the labels, every row must look alike.
  for (int k = 1; k <= 10; ++k) gs.rankOrder[size_t(k)] = 4;
  moki::DrawRanking(*f);
  const plat::Surface& w = plat::Window();
  const plat::Color paper = w.At(300, 8);
  auto strip = [&](int k) {
    std::vector<uint32_t> px;
    for (int y = 32 * k; y < 32 * k + 32; ++y)
      for (int x = 140; x < 320; ++x) px.push_back(w.At(x, y));
    return px;
  };
  const std::vector<uint32_t> first = strip(1);
  EXPECT_TRUE(std::any_of(first.begin(), first.end(), [&](uint32_t c) { return c != paper; }));
  for (int k = 2; k <= 10; ++k) EXPECT_TRUE(strip(k) == first) << "row " << k;
}

}  // namespace

namespace {

// The page-end mark as the game draws it: a ▼ in the label's bottom right
// corner, rows 420..424, 9 pixels wide at the top, on the label's white.
bool ShowsMark(const plat::Surface& s) {
  for (int r = 0; r < 5; ++r) {
    for (int x = 528 + r; x <= 536 - r; ++x)
      if (s.At(x, 420 + r) != plat::kBlack) return false;
    if (s.At(527 + r, 420 + r) != plat::kWhite || s.At(537 - r, 420 + r) != plat::kWhite)
      return false;
  }
  return true;
}

struct FrameNote {
  double at;
  bool markOn, shows, yesNo, label;
  int16_t state;
  int minX = 9999, minY = 9999, maxX = -1, maxY = -1;  // changed since the last frame
};

}  // namespace

TEST_F(DialogueLeague, AMarkBlinksOnlyWhileACompletePageWaitsForSpace) {
  GameState& gs = f->gs;
  std::vector<FrameNote> notes;
  plat::Surface last;
  plat::headless::SetFrameHook([&](const plat::Surface& s) {
    FrameNote n{plat::headless::Now(), plat::PageEndMark(),
                ShowsMark(s),          plat::YesNoVisible(0) || plat::YesNoVisible(1),
                plat::LabelVisible(),  gs.dialogueState};
    if (last.w == s.w && last.h == s.h)
      for (int y = 0; y < s.h; ++y)
        for (int x = 0; x < s.w; ++x)
          if (s.At(x, y) != last.At(x, y))
            n.minX = std::min(n.minX, x), n.maxX = std::max(n.maxX, x),
            n.minY = std::min(n.minY, y), n.maxY = std::max(n.maxY, y);
    last = s;
    notes.push_back(n);
  });
  // A page, a question, the ranking screen, and the last page.
  const int code = Talk(*f, 2, U"あいう#.えおか#?ab#aきく#Rけこ#E",
                        "until pageEndMark true 1000\nwait 2000\npress space\nwait 1500\n"
                        "press space\nwait 1500\npress space\nwait 1500\n");
  plat::headless::SetFrameHook(nullptr);
  EXPECT_EQ(code, 0);  // the scenario sees the mark come on
  EXPECT_EQ(gs.dialogueState, -1);
  EXPECT_EQ(gs.messageText, U"きくけこ");  // the ranking screen keeps the page
  EXPECT_FALSE(plat::PageEndMark());

  // Nowhere but at the page end: not while typing, nor under the question,
  // the ranking, or the ended script waiting for its closing Space.
  EXPECT_FALSE(ShowsMark(plat::headless::LastFrame()));
  bool sawQuestion = false, sawRanking = false;
  std::vector<double> blinks;  // when the mark went on or off
  bool shown = false;
  int waitFrames = 0;
  for (const FrameNote& n : notes) {
    if (!n.markOn) {
      EXPECT_FALSE(n.shows) << "at " << n.at << " ms";
      sawQuestion |= n.yesNo;
      sawRanking |= !n.label && n.state > 0;
      continue;
    }
    ++waitFrames;
    if (n.shows != shown) {
      blinks.push_back(n.at);
      shown = n.shows;
      // A blink changes the mark's few pixels and nothing else.
      EXPECT_GE(n.minX, 520);
      EXPECT_LE(n.maxX, 543);
      EXPECT_GE(n.minY, 412);
      EXPECT_LE(n.maxY, 431);
    }
  }
  EXPECT_TRUE(sawQuestion);
  EXPECT_TRUE(sawRanking);
  // About two seconds of waiting: lit and dark a quarter second each, and
  // no frame in between (the wait sleeps from blink to blink).
  ASSERT_GE(blinks.size(), 7u);
  for (size_t i = 1; i < blinks.size(); ++i)
    EXPECT_NEAR(blinks[i] - blinks[i - 1], 250.0, 17.0) << "blink " << i;
  EXPECT_LE(waitFrames, int(blinks.size()) + 2);
}
