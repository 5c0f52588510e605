// The fixed tables: the item catalogue, the computer item schedules and the
// cast's new-game match strengths.
#include <gtest/gtest.h>

#include <set>

#include "core/game_state.h"
#include "story/cast_stats.h"
#include "story/item_catalogue.h"

using namespace moki;

namespace {

GameState WithTables() {
  GameState gs;
  initComputerItemSchedules(gs);
  initItemCatalogue(gs);
  ResetCastStats(gs);
  return gs;
}

}  // namespace

TEST(TableItems, EmptyItemAndSpotChecksAcrossTheCatalogue) {
  const GameState gs = WithTables();
  EXPECT_EQ(gs.itemName[0], U"何もなし");
  EXPECT_EQ(gs.itemPrice[0], 0);
  EXPECT_EQ(gs.itemDescription[0], U"うん、これは文字通り何もなし");

  // Rows far apart, so a row shifted or dropped anywhere shows up.
  EXPECT_EQ(gs.itemName[1], U"東風");
  EXPECT_EQ(gs.itemPrice[3], 200);
  EXPECT_EQ(gs.itemName[9], U"冷凍");
  EXPECT_EQ(gs.itemDescription[9], U"前衛のまわり５×５マスを氷に変えます");
  EXPECT_EQ(gs.itemName[13], U"球体");
  EXPECT_EQ(gs.itemPrice[13], 550);
  EXPECT_EQ(gs.itemPrice[14], 700);
  EXPECT_EQ(gs.itemName[18], U"ボールリモコン");
  EXPECT_EQ(gs.itemPrice[18], 750);
  EXPECT_EQ(gs.itemName[19], U"おなもみ");
  EXPECT_EQ(gs.itemName[25], U"キャタピラ");
  EXPECT_EQ(gs.itemPrice[25], 500);

  int sum = 0;
  for (int i = 0; i < kItemCount; ++i) sum += gs.itemPrice[i];
  EXPECT_EQ(sum, 10400);
}

TEST(TableItems, LongDescriptionIsExact) {
  const GameState gs = WithTables();
  EXPECT_EQ(gs.itemName[24], U"後ろに目");
  EXPECT_EQ(gs.itemDescription[24],
            U"後衛を選択したときに、前衛が必ず相手ゴールの方向にボールを飛ばしてくれます、"
            U"自殺点をされるイラつきから開放されます、試合終了まで続くので使うんなら早めの"
            U"ほうがいいかもしれないです、前衛を選択したときは意味がないです");
  // The seller's lines for the two winds keep their wording.
  EXPECT_EQ(gs.itemDescription[2], U"北から風が吹いて、前衛とボールが下のほうに動きます");
  EXPECT_EQ(gs.itemDescription[4], U"南から風が吹いて、前衛とボールが上のほうに動きます");
}

TEST(TableItems, EveryItemForSaleHasItsOwnNameTextAndPrice) {
  const GameState gs = WithTables();
  std::set<WString> names, texts;
  for (int i = 1; i < kItemCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_FALSE(gs.itemName[i].empty());
    EXPECT_GE(gs.itemPrice[i], 100);
    // A 16-bit total for the largest offer (7 pieces) must not overflow.
    EXPECT_LE(gs.itemPrice[i] * 7, 32767);
    names.insert(gs.itemName[i]);
    texts.insert(gs.itemDescription[i]);
  }
  EXPECT_EQ(names.size(), 25u);
  EXPECT_EQ(texts.size(), 25u);
}

TEST(TableSchedules, EveryScheduleIsPairsOfItemsTheComputerCanPlay) {
  const GameState gs = WithTables();
  const std::set<int> playable = {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 19};
  for (int c = 0; c <= 3; ++c) EXPECT_TRUE(gs.ComputerItemSchedule[c].empty()) << c;
  std::set<int> used;
  for (int c = 4; c < kTeamCastCount; ++c) {
    SCOPED_TRACE(c);
    const WString& s = gs.ComputerItemSchedule[c];
    ASSERT_FALSE(s.empty());
    ASSERT_EQ(s.size() % 2, 0u);
    for (size_t k = 0; k < s.size(); k += 2) {
      ASSERT_TRUE(s[k] >= U'0' && s[k] <= U'9' && s[k + 1] >= U'0' && s[k + 1] <= U'9');
      const int item = (s[k] - U'0') * 10 + (s[k + 1] - U'0');
      EXPECT_TRUE(playable.count(item)) << "item " << item;
      used.insert(item);
    }
  }
  // Between them the computer teams play every item they can play.
  EXPECT_EQ(used, playable);

  EXPECT_EQ(gs.ComputerItemSchedule[4], U"00000100120001");
  EXPECT_EQ(gs.ComputerItemSchedule[12], U"000800080008000815");
  EXPECT_EQ(gs.ComputerItemSchedule[17], U"000913000013000913000013");
  EXPECT_EQ(gs.ComputerItemSchedule[21], U"1608080008");
}

TEST(TableCastStats, NewGameValuesInSinglePrecision) {
  GameState gs = WithTables();
  // The hero's accel is the single nearest 0.4, not the double.
  EXPECT_EQ(gs.castAccel[0], 0.4f);
  EXPECT_NE(static_cast<double>(gs.castAccel[0]), 0.4);
  EXPECT_EQ(gs.castMaxSpeed[0], 5.0f);
  EXPECT_EQ(gs.castTurnStep[1], 10);
  EXPECT_EQ(gs.castShotPower[1], 8);
  EXPECT_EQ(gs.castAimCone[1], 45);

  // The final pair.
  EXPECT_EQ(gs.castMaxSpeed[2], 20.0f);
  EXPECT_EQ(gs.castAccel[2], 20.0f);
  EXPECT_EQ(gs.castMaxSpeed[3], 10.0f);
  EXPECT_EQ(gs.castAimCone[3], 180);

  // Rows that stand out, spread over the forwards and backs.
  EXPECT_EQ(gs.castMaxSpeed[9], 25.0f);
  EXPECT_EQ(gs.castShotPower[9], 2);
  EXPECT_EQ(gs.castAimCone[11], 0);
  EXPECT_EQ(gs.castShotPower[11], 24);
  EXPECT_EQ(gs.castTurnStep[12], 25);
  EXPECT_EQ(gs.castAimCone[14], 30);
  EXPECT_EQ(gs.castAccel[17], 1.6f);
  EXPECT_EQ(gs.castAccel[18], 3.0f);
  EXPECT_EQ(gs.castMaxSpeed[20], 2.5f);
  EXPECT_EQ(gs.castAimCone[20], 15);
  EXPECT_EQ(gs.castMaxSpeed[21], 15.0f);
  EXPECT_EQ(gs.castAimCone[21], 120);

  // A new game restores weakened strengths.
  for (int c = 0; c < kTeamCastCount; ++c) {
    gs.castMaxSpeed[c] = 1;
    gs.castTurnStep[c] = 1;
  }
  ResetCastStats(gs);
  EXPECT_EQ(gs.castMaxSpeed[6], 7.5f);
  EXPECT_EQ(gs.castTurnStep[4], 20);
  for (int c = 0; c < kTeamCastCount; ++c) EXPECT_GT(gs.castMaxSpeed[c], 1.0f) << c;
}
