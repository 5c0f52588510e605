// A match ends in a box with the score. A draw is replayed at once with a
// golden goal; a decided match pays the winner, moves the league on, and
// after the league the receptionist speaks without being approached.
#include "match/match_result.h"

#include <string>

#include "core/numeric.h"
#include "match/match_setup.h"
#include "platform/platform.h"
#include "story/dialogue.h"
#include "story/language.h"
#include "story/league.h"
#include "world/new_game.h"

namespace moki {

namespace {

void SetTalk(GameState& gs, int cast, int entry) {
  gs.talkEntry[size_t(cast)] = static_cast<i16>(entry);
}

}  // namespace

void AdvanceStoryStates(GameState& gs) {
  switch (gs.roundNumber) {
    case 2:
      SetTalk(gs, 7, 1);
      break;
    case 3:
      SetTalk(gs, 8, 1), SetTalk(gs, 17, 1);
      break;
    case 4:
      SetTalk(gs, 20, 1);
      break;
    case 5:
      SetTalk(gs, 8, 2), SetTalk(gs, 17, 2);
      break;
    case 7:
      SetTalk(gs, 8, 3), SetTalk(gs, 17, 3), SetTalk(gs, 10, 2);
      break;
    case 8:
      SetTalk(gs, 20, 2);
      break;
    case 9:
      SetTalk(gs, 8, 4), SetTalk(gs, 17, 4);
      break;
    case 11:  // the final has been played: the hall talks about it
      for (int c = 4; c <= 9; ++c) SetTalk(gs, c, 2);
      SetTalk(gs, 10, 6), SetTalk(gs, 11, 2), SetTalk(gs, 12, 2), SetTalk(gs, 13, 1);
      SetTalk(gs, 14, 1), SetTalk(gs, 15, 4), SetTalk(gs, 8, 5), SetTalk(gs, 17, 5);
      SetTalk(gs, 18, 1), SetTalk(gs, 20, 3), SetTalk(gs, 21, 1);
      break;
    default:
      break;
  }
}

void DrawNextChallenger(GameState& gs) {
  plat::Randomize();
  gs.opponentCast = static_cast<i16>(Int(plat::Rnd() * 20) + 2);
  gs.opponentBackOffset = static_cast<i16>((Int(plat::Rnd() * 20) + 2) - gs.opponentCast);
  if (gs.opponentBonus <= 15) gs.opponentBonus += 1;  // it stops at 16
}

void SetReceptionistState(GameState& gs) {
  const int wins = gs.winsByCast[0];
  if (gs.roundNumber == 10) {
    SetTalk(gs, 2, wins == 9 ? 1 : 2);  // the final, or the end of the game
  } else if (gs.roundNumber == 11) {
    SetTalk(gs, 2, wins == 10 ? 4 : 5);
    DrawNextChallenger(gs);
  } else if (gs.roundNumber >= 12) {
    // Only a hero who has won every match so far goes on.
    SetTalk(gs, 2, gs.roundNumber == wins + 1 ? 7 : 8);
    DrawNextChallenger(gs);
  }
}

void MatchResult(Form1& f) {
  GameState& gs = f.gs;
  ResetKeys(gs);
  const LanguageTexts& t = Texts(gs);
  const std::u32string caption = gs.homeScore == gs.awayScore  ? t.resultDraw
                                 : gs.homeScore > gs.awayScore ? t.resultWin
                                                               : t.resultLoss;
  plat::MessageBox(NumberText(gs.homeScore) + U"-" + NumberText(gs.awayScore), caption);
  gs.matchPending = 0;

  if (gs.homeScore == gs.awayScore) {
    // A draw is played again at once; the first goal decides it. The replay
    // is set up once, by StartMatch: a second reset after its intro would
    // draw a new kick-off and, in the challenges, a new field, and the
    // replay would not be played on the field its intro showed.
    gs.extraTime = 1;
    StartMatch(f);
    return;
  }

  gs.extraTime = 0;
  CountUp(gs.roundNumber);
  if (gs.homeScore > gs.awayScore) {
    CountUp(gs.winsByCast[0]);
    AddMoney(gs.money, (int32_t(gs.homeScore) - gs.awayScore) * 200);
  } else if (gs.opponentCast >= 0 && gs.opponentCast < kTeamCastCount) {
    CountUp(gs.winsByCast[size_t(gs.opponentCast)]);
  }
  SortRanking(gs);
  RollShopOffer(gs);
  AdvanceStoryStates(gs);
  SetReceptionistState(gs);

  plat::SetTimerEnabled(true);
  gs.GameMode = kModeHall;
  plat::Refresh();
  // Back at rest: the result is kept before anything else can happen.
  AtRest(f);
  if (gs.roundNumber > 9) OpenDialogue(f, 2);  // the receptionist calls the hero over
  ResetMatch(gs);
}

}  // namespace moki
