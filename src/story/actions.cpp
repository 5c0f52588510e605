#include "story/actions.h"

#include "platform/platform.h"
#include "core/numeric.h"
#include "core/waits.h"
#include "story/catalogue.h"
#include "story/language.h"
#include "story/league.h"
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

// The special ability of each bear room (1..3), or nothing.
WString RoomAbilityName(const GameState& gs) {
  const int room = gs.currentRoom;
  return (room >= 1 && room <= 3) ? Texts(gs).abilityNames[size_t(room - 1)] : U"";
}

WString RoomAbilityText(const GameState& gs) {
  const int room = gs.currentRoom;
  return (room >= 1 && room <= 3) ? Texts(gs).abilityTexts[size_t(room - 1)] : U"";
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

WString CodeText(const GameState& gs, int pos) {
  const char32_t code = ScriptChar(gs, pos);
  const char32_t op1 = ScriptChar(gs, pos + 1);
  switch (code) {
    case U'P':
      return Ordinal(gs.language, gs.heroRank);
    case U'N':
      return NumberText(gs.roundNumber);
    case U'O': {  // the opponent's ranking position and name
      int rank = 0;
      for (int r = 1; r <= 10; ++r)
        if (gs.rankOrder[size_t(r)] == gs.opponentCast) rank = r;
      return FillIn(Texts(gs).opponent, {{U"rank", NumberText(rank)},
                                         {U"ordinal", Ordinal(gs.language, rank)},
                                         {U"name", CastName(gs, gs.opponentCast)}});
    }
    case U'I':
      if (InRoom(gs)) return RoomAbilityName(gs);
      if (!ValidItem(gs.shopItem)) return U"";
      if (op1 == U'N') return gs.itemName[size_t(gs.shopItem)];
      if (op1 == U'M') return AmountText(gs, TotalPrice(gs));
      if (op1 == U'K') return NumberText(gs.shopCount);
      return U"";
    case U'U':
      if (DigitValue(op1) != 3) return U"";
      return FillIn(Texts(gs).pair,
                    {{U"first", CastName(gs, gs.opponentCast)},
                     {U"second", CastName(gs, gs.opponentCast + gs.opponentBackOffset)}});
    case U'X':
      if (op1 == U'P') {
        char32_t d = ScriptChar(gs, pos + 2);
        if (d < U'0' || d > U'2') return U"";
        int item = gs.slotItem[size_t(DigitValue(d))];
        if (!ValidItem(item)) return U"";
        return FillIn(Texts(gs).itemExplained,
                      {{U"item", gs.itemName[size_t(item)]},
                       {U"explanation", gs.itemDescription[size_t(item)]}});
      }
      return op1 == U'K' ? RoomAbilityText(gs) : U"";
    default:
      return U"";
  }
}

int CodeLength(const GameState& gs, int pos) {
  return 1 + OperandCount(ScriptChar(gs, pos), InRoom(gs), ScriptChar(gs, pos + 1));
}

WString LineBreakText(const GameState& gs, int speaker) {
  WString text = gs.lineBreak;
  if (speaker != 2 && speaker != 3 && speaker != 19 && speaker != 22) text += Texts(gs).lineIndent;
  return text;
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
    case U'N':
      gs.messageText += CodeText(gs, pos);
      pos += 1;
      return true;
    case U'O':  // the opponent of the day, named before booking
      RunSchedule(gs);
      gs.messageText += CodeText(gs, pos);
      pos += 1;
      return true;
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
      gs.messageText += CodeText(gs, pos);
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
          gs.messageText += CodeText(gs, pos);
          break;
        case 4:
          AddMoney(gs.money, 15000);
          break;  // the league's prize
        default:
          break;
      }
      pos += 2;
      return true;
    case U'X':
      gs.messageText += CodeText(gs, pos);
      pos += op1 == U'P' ? 3 : 2;
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
