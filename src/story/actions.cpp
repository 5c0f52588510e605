#include "story/actions.h"

#include "match/league.h"
#include "platform/platform.h"
#include "core/numeric.h"
#include "core/waits.h"
#include "story/screens.h"
#include "story/script_text.h"

namespace moki {

namespace {

bool InRoom(const GameState& gs) {
  return gs.GameMode == kModeRoom;
}

bool ValidItem(int i) {
  return i >= 0 && i < kItemCount;
}

// The seller's total: price times pieces, in 16 bits.
i16 TotalPrice(const GameState& gs) {
  if (!ValidItem(gs.shopItem)) return 0;
  return static_cast<i16>(gs.itemPrice[size_t(gs.shopItem)] * gs.shopCount);
}

// The special ability of each bear room.
const char32_t* RoomAbilityName(int room) {
  switch (room) {
    case 1:
      return U"ダッシュ";
    case 2:
      return U"ナイスパス";
    case 3:
      return U"自爆";
    default:
      return U"";
  }
}

const char32_t* RoomAbilityText(int room) {
  switch (room) {
    case 1:
      return U"「ダッシュ」は、カーソルキーの　上と下を同時に押すと、前衛の速度を　一気に　上げられ"
             U"ます、"
             U"これは何度使っても　なくなりません";
    case 2:
      return U"「ナイスパス」は、前衛を選んだときに、後衛が自分のいる方向に　ボールを飛ばしてくれま"
             U"す";
    case 3:
      return U"「自爆」は、これを使うともう全部・・・　　上下左右のすべてのカーソルキーを同時に押す"
             U"と使えます、"
             U"１度しか使えないので、「ここぞ」というときに使うことをお勧めします";
    default:
      return U"";
  }
}

// #R and #S: a screen instead of the message until one Space.
void ShowScreenUntilSpace(Form1& f, i16& flag, void (*draw)(Form1&)) {
  GameState& gs = f.gs;
  flag = 1;
  plat::SetLabelVisible(false);
  draw(f);
  i16 seen = gs.dialogueState;
  WaitWhile([&] { return gs.dialogueState == seen; });
  flag = 0;
  plat::Refresh();
  plat::SetLabelVisible(true);
}

// Runs the pair rule over every pair of the current match-day.
void RunSchedule(GameState& gs) {
  if (gs.roundNumber < 1 || gs.roundNumber > 9) return;
  const WString& day = gs.matchDayPairings[size_t(gs.roundNumber)];
  for (gs.schedulePos = 1; size_t(gs.schedulePos) <= day.size(); gs.schedulePos += 2)
    ScheduleStep(gs);
}

}  // namespace

void ApplyEasyCourse(GameState& gs) {
  for (int c = 2; c <= 21; ++c) {
    size_t i = size_t(c);
    gs.castMaxSpeed[i] = gs.castMaxSpeed[i] / 3.0f * 2.0f;
    gs.castAccel[i] = gs.castAccel[i] / 3.0f * 2.0f;
    if (gs.castTurnStep[i] > 15) gs.castTurnStep[i] = 15;
    gs.castShotPower[i] = CInt(double(gs.castShotPower[i]) / 3.0 * 2.0);
    if (gs.castAimCone[i] > 30) gs.castAimCone[i] = static_cast<i16>(gs.castAimCone[i] - 15);
  }
}

bool RunActionCode(Form1& f, int speaker, int& pos) {
  (void)speaker;
  GameState& gs = f.gs;
  const char32_t code = ScriptChar(gs, pos);
  const char32_t op1 = ScriptChar(gs, pos + 1);
  switch (code) {
    case U'R':
      ShowScreenUntilSpace(f, gs.drawRanking, DrawRanking);
      pos += 1;
      return true;
    case U'S':
      ShowScreenUntilSpace(f, gs.drawStatus, DrawStatus);
      pos += 1;
      return true;
    case U'P':
      gs.messageText += NumberText(gs.heroRank);
      pos += 1;
      return true;
    case U'N':
      gs.messageText += NumberText(gs.roundNumber);
      pos += 1;
      return true;
    case U'O': {  // the opponent of the day, named before booking
      RunSchedule(gs);
      int rank = 0;
      for (int r = 1; r <= 10; ++r)
        if (gs.rankOrder[size_t(r)] == gs.opponentCast) rank = r;
      gs.messageText += NumberText(rank) + U"位の" + CastName(gs, gs.opponentCast);
      pos += 1;
      return true;
    }
    case U'B':  // book this match-day's match
      gs.matchPending = 1;
      gs.schedulePos = 1;
      if (gs.roundNumber == 10) {  // the final against 受付 and サンタ
        gs.opponentCast = 2;
        gs.opponentBackOffset = 1;
      } else if (gs.roundNumber < 10) {
        RunSchedule(gs);  // also decides the day's other matches
        gs.opponentBackOffset = 9;
      }  // later: the challenger drawn after the last match stays
      pos += 1;
      return true;
    case U'Z':
      gs.playerRole = static_cast<i16>(DigitValue(op1));
      pos += 2;
      return true;
    case U'I':
      if (InRoom(gs)) {
        gs.messageText += RoomAbilityName(gs.currentRoom);
      } else if (ValidItem(gs.shopItem)) {
        if (op1 == U'N') gs.messageText += gs.itemName[size_t(gs.shopItem)];
        if (op1 == U'M') gs.messageText += NumberText(TotalPrice(gs));
        if (op1 == U'K') gs.messageText += NumberText(gs.shopCount);
      }
      pos += 2;
      return true;
    case U'C': {  // money check
      bool canPay;
      if (InRoom(gs)) {
        canPay = gs.money >= 100;  // the bear's fee is paid at once
        if (canPay) gs.money -= 100;
      } else {
        canPay = gs.money >= TotalPrice(gs);  // the seller is paid later, at #M
      }
      char32_t x = op1, y = ScriptChar(gs, pos + 2);
      gs.messageText.clear();
      pos = FindLabel(gs, canPay ? x : y);
      return true;
    }
    case U'K':
      if (InRoom(gs)) {
        if (gs.currentRoom >= 1 && gs.currentRoom <= 3)
          gs.specialAbilities[size_t(gs.currentRoom - 1)] = 1;
        pos += 1;
      } else {
        int slot = DigitValue(op1);
        if (slot <= 2 && ValidItem(gs.shopItem)) {
          gs.slotItem[size_t(slot)] = gs.shopItem;
          // A second purchase on the same key replaces the count.
          gs.slotCount[size_t(gs.shopItem)][size_t(slot)] = gs.shopCount;
        }
        pos += 2;
      }
      return true;
    case U'M':
      gs.money -= TotalPrice(gs);
      gs.talkEntry[3] = 1;  // サンタ is sold out until the next match
      pos += 1;
      return true;
    case U'V':
      gs.bearGamePending = 1;
      pos += 1;
      return true;
    case U'U':
      switch (DigitValue(op1)) {
        case 0:
          gs.gameOver = 1;
          break;
        case 1:
          gs.talkEntry[2] = 3;
          break;  // the final is offered and waits
        case 2:
          gs.talkEntry[2] = 6;
          break;  // the champion waits for a challenger
        case 3:
          gs.messageText += CastName(gs, gs.opponentCast) + U"と" +
                            CastName(gs, gs.opponentCast + gs.opponentBackOffset);
          break;
        case 4:
          gs.money += 15000;
          break;  // the league's prize
        default:
          break;
      }
      pos += 2;
      return true;
    case U'X':
      if (op1 == U'P') {
        int slot = DigitValue(ScriptChar(gs, pos + 2));
        char32_t d = ScriptChar(gs, pos + 2);
        if (d >= U'0' && d <= U'2') {
          int item = gs.slotItem[size_t(slot)];
          if (ValidItem(item))
            gs.messageText += U"「" + gs.itemName[size_t(item)] + U"」か、これは" +
                              gs.itemDescription[size_t(item)];
        }
        pos += 3;
      } else {
        if (op1 == U'K') gs.messageText += RoomAbilityText(gs.currentRoom);
        pos += 2;
      }
      return true;
    case U'Y':
      if (DigitValue(op1) != 0) {
        gs.motivated = 1;
      } else {
        gs.motivated = 0;
        ApplyEasyCourse(gs);
      }
      pos += 2;
      return true;
    default:
      return false;
  }
}

}  // namespace moki
