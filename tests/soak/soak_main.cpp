// mokimoki-soak SEED MINUTES: a random player plays the whole game headless
// for MINUTES of virtual time, from スタート through seasons, rooms, the
// bear's basement and matches in every role, and checks the game's state at
// every frame and every idle moment. On a broken rule it prints the seed,
// the virtual time and the state, and exits with status 1.
//
// The player mixes pure random keys with purposeful stretches: walking a
// path over the hall or room map to a chosen person and talking, answering
// questions at random, going down to the basement. To reach the basement and
// long seasons it helps itself by hand, all of it here and counted in the
// summary: it opens basement doors, tops up money, and decides some match
// results just before the final count.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "minigame/bear_rules.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "shell/window_events.h"
#include "shell/state_json.h"

namespace {

using namespace moki;

// --- Figures --------------------------------------------------------------------

struct Figures {
  long games = 0, gamesOver = 0, finals = 0, challenges = 0;
  long matches = 0, wins = 0, losses = 0, draws = 0;
  std::array<long, 3> roleMatches{};  // manager, forward, back
  long bearGames = 0, bearWins = 0;
  long talks = 0, answers = 0, purchases = 0, itemsUsed = 0, pauses = 0;
  long roomVisits = 0, randomStretches = 0;
  long doorsOpenedByHand = 0, moneyGrants = 0, resultsDecided = 0;
  long frameChecks = 0, idleChecks = 0, tickChecks = 0;
  int maxRound = 0;
};

// --- The invariants ---------------------------------------------------------------

struct Checker {
  const GameState* gs = nullptr;
  uint64_t seed = 0;
  Figures* fig = nullptr;
  // Counters that only grow within a game; a sudden drop is a 16-bit wrap.
  int lastRound = 1;
  std::array<int, kTeamCastCount> lastWins{};

  [[noreturn]] void Fail(const std::string& what) const {
    std::cout << "SOAK FAILURE seed=" << seed << " virtual_ms=" << plat::headless::Now() << ": "
              << what << "\n"
              << plat::headless::DumpJson() << std::endl;
    std::exit(1);
  }
  void Range(const char* name, long v, long lo, long hi) const {
    if (v < lo || v > hi) {
      std::ostringstream s;
      s << name << " = " << v << " outside " << lo << ".." << hi;
      Fail(s.str());
    }
  }
  void Finite(const char* name, float v) const {
    if (!std::isfinite(v)) Fail(std::string(name) + " is not finite");
  }

  void NewGame() {
    lastRound = 1;
    lastWins.fill(0);
  }

  // Rules that hold whenever the game shows a frame or waits.
  void Always() const {
    const GameState& g = *gs;
    Range("GameMode", g.GameMode, 0, 4);
    if (g.money < 0) Fail("money is negative: " + std::to_string(g.money));
    if (g.GameMode == kModeTitle) return;  // what the last game left behind
    Range("dialogueState", g.dialogueState, -1, 30000);
    Range("choicePending", g.choicePending, 0, 1);
    Range("choiceCursor", g.choiceCursor, 0, 1);
    Range("statusShown", g.statusShown, 0, 1);
    Range("roundNumber", g.roundNumber, 1, 30000);
    Range("heroRank", g.heroRank, 1, 10);
    Range("bearRoom", g.bearRoom, 1, 3);
    Range("currentRoom", g.currentRoom, 0, 3);
    Range("wanderSlot", g.wanderSlot, 0, 10);
    Range("playerFacing", g.playerFacing, 0, 3);
    Range("partnerSide", g.partnerSide, 0, 4);
    Range("playerRole", g.playerRole, 0, 2);
    Range("shopItem", g.shopItem, 1, 25);
    Range("shopCount", g.shopCount, 0, 14);
    for (int k = 0; k < 4; ++k) Range("arrowHeld", g.arrowHeld[size_t(k)], 0, 1);
    Range("shiftHeld", g.shiftHeld, 0, 1);
    for (int s = 0; s < 3; ++s) {
      Range("slotItem", g.slotItem[size_t(s)], 0, kItemCount - 1);
      Range("specialAbilities", g.specialAbilities[size_t(s)], 0, 1);
    }
    for (const auto& item : g.slotCount)
      for (i16 c : item) Range("slotCount", c, 0, 30000);
    for (i16 t : g.talkEntry) Range("talkEntry", t, 0, 20);
    for (i16 w : g.winsByCast) Range("winsByCast", w, 0, 30000);
    if (g.roundNumber < lastRound) Fail("roundNumber went back (a wrap?)");
    for (int c = 0; c < kTeamCastCount; ++c)
      if (g.winsByCast[size_t(c)] < lastWins[size_t(c)]) Fail("winsByCast went back (a wrap?)");
    // The ranking is a permutation of the ten teams.
    std::set<int> teams(g.rankOrder.begin() + 1, g.rankOrder.end());
    if (teams != std::set<int>{0, 4, 5, 6, 7, 8, 9, 10, 11, 12})
      Fail("rankOrder is not the ten teams");
    if (g.rankOrder[size_t(g.heroRank)] != 0) Fail("heroRank does not point at the hero's team");
    Match();
    Hall();
  }

  // The match's item state stays within the ranges its timers give it.
  void Match() const {
    const GameState& g = *gs;
    Range("countsLeft", g.countsLeft, -1, 60);
    Range("homeScore", g.homeScore, 0, 30000);
    Range("awayScore", g.awayScore, 0, 30000);
    Range("extraTime", g.extraTime, 0, 1);
    Range("matchFrozen", g.matchFrozen, 0, 1);
    Range("windDirection", g.windDirection, -1, 3);
    Range("quakeTime", g.quakeTime, 0, 300);
    Range("blackoutTime", g.blackoutTime, 0, 11);
    Range("fakeBallTime", g.fakeBallTime, 0, 11);
    Range("remoteBallTime", g.remoteBallTime, 0, 16);
    Range("sphereCount", g.sphereCount, -1, 10);
    for (int s = 0; s < 4; ++s) {
      const size_t i = size_t(s);
      Range("caughtFlag", g.caughtFlag[i], 0, 1);
      Range("caughtTimer", g.caughtTimer[i], -1, 100);
      Range("rubberFlag", g.rubberFlag[i], 0, 1);
      Range("rubberAge", g.rubberAge[i], 0, 10);
      Range("reverseAge", g.reverseAge[i], 0, 10);
      Range("animFrame", g.players[i].animFrame, 0, 7);
    }
    for (int k = 0; k < 11; ++k) Range("sphereAge", g.sphereAge[size_t(k)], 0, 300);
    for (int side = 0; side < 2; ++side) Range("stickyBall", g.stickyBall[size_t(side)], 0, 6);
    if (g.GameMode == kModeMatch) {
      Range("opponentCast", g.opponentCast, 2, 21);
      Range("awayBack cast", g.opponentCast + g.opponentBackOffset, 2, 21);
    }
    if (g.opponentBonus < 0 || g.opponentBonus > 16) Fail("opponentBonus outside 0..16");
    for (const auto& row : g.trapGrid)
      for (i16 t : row) Range("trapGrid", t, 0, 5);
  }

  // Occupancy of the hall against the positions: the people always, the
  // party while it is in the hall or in a match booked from it.
  void Hall() const {
    const GameState& g = *gs;
    std::array<std::array<int, kHallSize>, kHallSize> expect;
    for (auto& row : expect) row.fill(-1);
    for (int slot = 0; slot < kHallSlots; ++slot) {
      const int c = g.hallCastSlots[size_t(slot)];
      const int x = g.castX[size_t(c)], y = g.castY[size_t(c)];
      Range("hall person x", x, 10, 30);
      Range("hall person y", y, 8, 33);
      if (g.hallMap[size_t(y)][size_t(x)] != 10)
        Fail("hall person " + std::to_string(c) + " off the floor");
      if (expect[size_t(y)][size_t(x)] != -1) Fail("two hall people on one cell");
      expect[size_t(y)][size_t(x)] = c;
    }
    const bool partyHere = g.GameMode == kModeHall || g.GameMode == kModeMatch;
    if (partyHere) {
      Range("playerX", g.playerX, 10, 30);
      Range("playerY", g.playerY, 8, 33);
      const i16 tile = g.hallMap[size_t(g.playerY)][size_t(g.playerX)];
      if (tile != 10 && tile != 18) Fail("the hero stands on hall tile " + std::to_string(tile));
      if (expect[size_t(g.playerY)][size_t(g.playerX)] != -1) Fail("the hero stands on a person");
      expect[size_t(g.playerY)][size_t(g.playerX)] = 0;
      if (g.partnerX != g.playerX || g.partnerY != g.playerY) {
        if (std::abs(g.partnerX - g.playerX) + std::abs(g.partnerY - g.playerY) != 1)
          Fail("the partner is not beside the hero");
        if (expect[size_t(g.partnerY)][size_t(g.partnerX)] != -1)
          Fail("the partner stands on a person");
        expect[size_t(g.partnerY)][size_t(g.partnerX)] = 1;
      }
    }
    for (int y = 0; y < kHallSize; ++y)
      for (int x = 0; x < kHallSize; ++x) {
        const int have = g.hallOccupancy[size_t(y)][size_t(x)];
        const int want = expect[size_t(y)][size_t(x)];
        if (!partyHere && (have == 0 || have == 1)) continue;  // the party's marks wait there
        if (have != want) {
          std::ostringstream s;
          s << "hallOccupancy at (" << x << ", " << y << ") is " << have << ", expected " << want;
          Fail(s.str());
        }
      }
  }

  // After each match step: everybody inside the playing area.
  void AfterMatchStep() const {
    const GameState& g = *gs;
    for (int s = 0; s < 4; ++s) {
      const MatchPlayer& p = g.players[size_t(s)];
      const bool forward = s == homeForward || s == awayForward;
      Finite("player x", p.x);
      Finite("player y", p.y);
      Finite("player speed", p.speed);
      // Once the clock has run out (countsLeft -1) no step follows: the
      // result box is up over a repaint of the field, and the kick-off
      // that comes after it puts everybody back. A wind the computer used
      // at that last count has blown both forwards once more, by its 6
      // pixels, after the last step's bounds; nothing else moves them.
      const float slack = forward && g.countsLeft < 0 ? 6.f : 0.f;
      if (p.y < 32 - slack || p.y > 384 + slack)
        Fail("player " + std::to_string(s) + " y outside 32..384");
      if (forward) {
        if (p.x < 32 - slack || p.x > 544 + slack)
          Fail("forward " + std::to_string(s) + " x outside 32..544");
        // A hit with the sticky ball hands the ball's direction over as it
        // is; the next step brings it back into 0..359.
        if (p.heading < -1800 || p.heading > 1800)
          Fail("forward " + std::to_string(s) + " heading " + std::to_string(p.heading));
      } else {
        const float want = s == homeBack ? 32.f : 544.f;
        if (p.x != want) Fail("back " + std::to_string(s) + " left its goal line");
      }
      Range("shotAngle", p.shotAngle, -1800, 1800);
    }
    Finite("ball x", g.ball.x);
    Finite("ball y", g.ball.y);
    Finite("ball speed", g.ball.speed);
    // Bounces reflect the direction as it is and the ball's step brings it
    // back by 360 once, so it may stand a turn or two outside 0..359; only a
    // runaway would be wrong.
    Range("ball direction", g.ball.direction, -1800, 1800);
  }

  // After each step of the bear's game that hit nothing.
  void AfterBearStep() const {
    const GameState& g = *gs;
    const MatchPlayer& h = g.players[homeForward];
    Range("bearIndex", g.bearIndex, 0, 2);
    if (!(h.x >= 32 && h.x <= 480 && h.y >= 32 && h.y <= 384)) Fail("the hero left the basement");
    const int w = 32 << g.bearIndex;
    if (!(g.bearX >= 32 && g.bearX + w <= 512 && g.bearY >= 32 && g.bearY + 2 * w <= 416))
      Fail("the bear left its bounds");
    Finite("fireX", g.fireX);
    Finite("fireY", g.fireY);
    Range("fireDirection", g.fireDirection, 0, 359);
    Range("fireFrame", g.fireFrame, 0, 1);
  }

  void Remember() {
    lastRound = gs->roundNumber;
    for (int c = 0; c < kTeamCastCount; ++c) lastWins[size_t(c)] = gs->winsByCast[size_t(c)];
  }
};

// --- Walking by a map -----------------------------------------------------------------

constexpr int kDX[4] = {-1, 0, 1, 0};
constexpr int kDY[4] = {0, -1, 0, 1};

struct Goal {
  enum Kind { None, Cell, Talk } kind = None;
  int x = 0, y = 0, face = -1;  // stand on (x, y); for a talk, face `face` then Space
  int person = -1;              // a person to stand beside (moves with him)
  double until = 0;             // give up after this virtual time
};

// First step (0..3) from (sx, sy) towards (gx, gy) over cells passable(x, y),
// or -1 when there is no way or the goal is reached.
template <typename Passable>
int FirstStep(int sx, int sy, int gx, int gy, int w, int h, Passable passable) {
  if (sx == gx && sy == gy) return -1;
  std::vector<int> from(size_t(w * h), -2);
  std::deque<int> q;
  from[size_t(gy * w + gx)] = -1;
  q.push_back(gy * w + gx);
  while (!q.empty()) {
    const int c = q.front();
    q.pop_front();
    const int cx = c % w, cy = c / w;
    for (int d = 0; d < 4; ++d) {
      const int nx = cx - kDX[d], ny = cy - kDY[d];  // a step d from (nx, ny) reaches (cx, cy)
      if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
      const int n = ny * w + nx;
      if (from[size_t(n)] != -2) continue;
      if (nx == sx && ny == sy) return d;
      if (!passable(nx, ny)) continue;
      from[size_t(n)] = d;
      q.push_back(n);
    }
  }
  return -1;
}

// --- The player ------------------------------------------------------------------------

class SoakPlayer {
 public:
  SoakPlayer(Form1& f, uint64_t seed, Figures& fig)
      : f_(f), gs_(f.gs), rng_(seed * 7919 + 17), fig_(fig) {
    check_.gs = &gs_;
    check_.seed = seed;
    check_.fig = &fig;
  }

  void OnFrame() {
    Observe();
    check_.Always();
    ++fig_.frameChecks;
    // A running match shows one frame at the end of each step, after the
    // bounds. (The computer's wind, used at the count that follows, and an
    // item key between ticks may push a forward out again; the next step
    // brings him back before anything is drawn; after the last count there
    // is no next step, see AfterMatchStep.) The self-destruct's
    // animation draws from inside a step, before the bounds.
    if (gs_.GameMode == kModeMatch && plat::TimerEnabled() && gs_.specialAbilities[2] == 0) {
      check_.AfterMatchStep();
      ++fig_.tickChecks;
    }
    // The bear's game shows a frame at the end of each step that hit nothing
    // (the red X stops the timer). Before its first step the hero still
    // stands where he talked to the bear, which may lie beyond the game's
    // bounds until that step brings him in; the fireball has not yet left
    // its start or turned its picture.
    if (gs_.GameMode == kModeBear && (gs_.fireFrame != 0 || gs_.fireX != 200 || gs_.fireY != 50))
      bearStepped_ = true;
    if (gs_.GameMode != kModeBear) bearStepped_ = false;
    if (gs_.GameMode == kModeBear && bearStepped_ && plat::TimerEnabled()) {
      check_.AfterBearStep();
      ++fig_.tickChecks;
    }
    if (gs_.GameMode == kModeMatch) Decide();
    if (gs_.dialogueState != 0 || !plat::TimerEnabled()) return;
    if (gs_.GameMode == kModeHall) Walk(false);
    if (gs_.GameMode == kModeRoom) Walk(true);
  }

  void OnIdle() {
    Observe();
    check_.Always();
    ++fig_.idleChecks;
    const double now = plat::headless::Now();
    if (gs_.statusShown == 1 && gs_.dialogueState == 0) {
      if (now >= pauseEnds_) Press(plat::VK_CONTROL);
      return;
    }
    if (gs_.GameMode == kModeTitle) {
      if (now >= titleUntil_) {
        if (plat::MenuEnabled(0)) plat::headless::QueueMenu(0);
        titleUntil_ = now + Uniform(300, 3000);
      }
      return;
    }
    if (gs_.dialogueState != 0) return Read();
    if (gs_.GameMode == kModeMatch) return PlayMatch();
    if (gs_.GameMode == kModeBear) return PlayBear();
    // Hall or room waiting between ticks (rare): random keys keep it moving.
    if (now < stretchEnds_) RandomKeys(0.3);
  }

  void Report(std::ostream& out) const {
    const Figures& x = fig_;
    out << "games=" << x.games << " games_over=" << x.gamesOver << " finals=" << x.finals
        << " challenges=" << x.challenges << " max_round=" << x.maxRound << " matches=" << x.matches
        << " wins=" << x.wins << " losses=" << x.losses << " draws=" << x.draws
        << " as_manager=" << x.roleMatches[0] << " as_forward=" << x.roleMatches[1]
        << " as_back=" << x.roleMatches[2] << " bear_games=" << x.bearGames
        << " bear_wins=" << x.bearWins << " talks=" << x.talks << " answers=" << x.answers
        << " purchases=" << x.purchases << " items_used=" << x.itemsUsed << " pauses=" << x.pauses
        << " room_visits=" << x.roomVisits << " random_stretches=" << x.randomStretches
        << " doors_opened_by_hand=" << x.doorsOpenedByHand << " money_grants=" << x.moneyGrants
        << " results_decided=" << x.resultsDecided << " frame_checks=" << x.frameChecks
        << " idle_checks=" << x.idleChecks << " tick_checks=" << x.tickChecks
        << " frames=" << plat::headless::FrameCount() << "\n";
  }

 private:
  // --- Random helpers ---
  double Uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng_); }
  int Below(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng_)); }
  bool Chance(double p) { return Uniform(0, 1) < p; }

  static void Press(int vk) {
    plat::headless::QueueKeyDown(vk);
    plat::headless::QueueKeyUp(vk);
  }
  void Down(int vk) {
    if (held_.insert(vk).second) plat::headless::QueueKeyDown(vk);
  }
  void Up(int vk) {
    if (held_.erase(vk)) plat::headless::QueueKeyUp(vk);
  }
  void ReleaseAll() {
    for (int vk : std::vector<int>(held_.begin(), held_.end())) Up(vk);
  }
  // Holds exactly one arrow (d 0..3), or none (d -1).
  void HoldArrow(int d) {
    for (int k = 0; k < 4; ++k)
      if (k != d) Up(plat::VK_LEFT + k);
    if (d >= 0) Down(plat::VK_LEFT + d);
  }

  // Every key the game knows and a few it ignores.
  void RandomKeys(double rate) {
    static constexpr int kKeys[] = {
        plat::VK_LEFT,  plat::VK_UP,      plat::VK_RIGHT,   plat::VK_DOWN,
        plat::VK_SHIFT, plat::VK_SPACE,   plat::VK_CONTROL, plat::VK_Z,
        plat::VK_X,     plat::VK_C,       plat::VK_1,       plat::VK_2,
        plat::VK_3,     plat::VK_NUMPAD1, plat::VK_RETURN,  plat::VK_ESCAPE};
    if (!Chance(rate)) return;
    const int vk = kKeys[Below(int(std::size(kKeys)))];
    if (vk == plat::VK_CONTROL) {
      if (!Chance(0.05)) return;
      ++fig_.pauses;
      pauseEnds_ = plat::headless::Now() + Uniform(100, 3000);
      Press(vk);
    } else if (held_.count(vk)) {
      Up(vk);
    } else if ((vk >= plat::VK_LEFT && vk <= plat::VK_DOWN) || vk == plat::VK_SHIFT) {
      Down(vk);
    } else {
      Press(vk);
    }
  }

  // --- What happened since the last look ---
  bool bearStepped_ = false;

  void Observe() {
    const int boxes = plat::headless::MessageBoxCount();
    if (boxes != lastBoxes_) {
      lastBoxes_ = boxes;
      ++fig_.matches;
      const std::u32string cap = plat::headless::LastMessageBoxCaption();
      if (cap == U"　勝ち") ++fig_.wins;
      if (cap == U"　負け") ++fig_.losses;
      if (cap == U"　同点延長") ++fig_.draws;
    }
    if (gs_.GameMode != lastMode_) ModeChanged();
    if (gs_.dialogueState > 0 && lastDialogue_ <= 0) ++fig_.talks;
    lastDialogue_ = gs_.dialogueState;
    // Items: counts that grow outside a match were bought, counts that fall
    // in a match were used.
    for (int i = 0; i < kItemCount; ++i)
      for (int s = 0; s < 3; ++s) {
        const i16 now = gs_.slotCount[size_t(i)][size_t(s)];
        const i16 before = counts_[size_t(i)][size_t(s)];
        if (now > before && gs_.GameMode != kModeMatch && gs_.GameMode != kModeTitle)
          ++fig_.purchases;
        if (now < before && gs_.GameMode == kModeMatch) fig_.itemsUsed += before - now;
      }
    counts_ = gs_.slotCount;
    if (gs_.GameMode != kModeTitle) {
      fig_.maxRound = std::max<int>(fig_.maxRound, gs_.roundNumber);
      check_.Remember();
    }
  }

  void ModeChanged() {
    const i16 was = lastMode_;
    lastMode_ = gs_.GameMode;
    ReleaseAll();
    goal_ = Goal{};
    if (was == kModeTitle && gs_.GameMode != kModeTitle) {
      ++fig_.games;
      check_.NewGame();
      // Some games are played to the challenges, the rest as they fall.
      champion_ = Chance(0.6);
      plannedWins_ = champion_ ? 10 + Below(5) : 0;
      basement_ = false;
    }
    if (gs_.GameMode == kModeTitle) {
      ++fig_.gamesOver;
      titleUntil_ = plat::headless::Now() + Uniform(300, 3000);
    }
    if (gs_.GameMode == kModeMatch && was != kModeMatch) {
      if (gs_.extraTime == 0) ++fig_.roleMatches[size_t(std::clamp<int>(gs_.playerRole, 0, 2))];
      if (gs_.roundNumber == 10) ++fig_.finals;
      if (gs_.roundNumber > 10) ++fig_.challenges;
    }
    if (gs_.GameMode == kModeRoom && was == kModeHall) ++fig_.roomVisits;
    if (gs_.GameMode == kModeBear) {
      ++fig_.bearGames;
      lookAhead_ = Chance(0.6);
    }
    if (was == kModeBear && gs_.talkEntry[22] == 1) ++fig_.bearWins;
  }

  // --- Dialogue ---
  void Read() {
    const double now = plat::headless::Now();
    if (gs_.messageText != seenText_ || gs_.dialogueState != seenState_) {
      seenText_ = gs_.messageText;
      seenState_ = gs_.dialogueState;
      pageSince_ = now;
      pageWait_ = Uniform(100, 900);
    }
    if (Chance(0.02)) RandomKeys(1.0);  // fidgeting: arrows and items do nothing here
    if (gs_.choicePending == 1) {
      if (answer_ < 0) answer_ = Chance(0.75) ? 0 : 1;  // mostly yes: the story goes on
      if (now - pageSince_ < pageWait_) return;
      if (gs_.choiceCursor != answer_) {
        Press(answer_ == 1 ? plat::VK_DOWN : plat::VK_UP);
      } else {
        Press(plat::VK_SPACE);
        ++fig_.answers;
        answer_ = -1;
      }
      pageSince_ = now;
      return;
    }
    if (now - pageSince_ >= pageWait_) {
      ReleaseAll();
      Press(plat::VK_SPACE);
      pageSince_ = now;
    }
  }

  // --- Matches ---
  // Decides the result just before the last count when the plan says so.
  void Decide() {
    if (gs_.countsLeft != 0 || gs_.extraTime != 0) return;
    if (!champion_) return;
    const bool win = gs_.winsByCast[0] < plannedWins_;
    if (win && gs_.homeScore <= gs_.awayScore) {
      gs_.homeScore = static_cast<i16>(gs_.awayScore + 1 + Below(3));
      ++fig_.resultsDecided;
    }
    if (!win && gs_.homeScore >= gs_.awayScore) {
      gs_.awayScore = static_cast<i16>(gs_.homeScore + 1);
      ++fig_.resultsDecided;
    }
  }

  void PlayMatch() {
    Decide();
    if (!plat::TimerEnabled()) return;  // the intro, the self-destruct, the box
    // Arrows, Shift and the item keys at random, now and then a pause.
    static constexpr int kKeys[] = {plat::VK_LEFT, plat::VK_UP, plat::VK_RIGHT, plat::VK_DOWN,
                                    plat::VK_SHIFT};
    if (Chance(0.15)) {
      const int vk = kKeys[Below(5)];
      if (held_.count(vk))
        Up(vk);
      else
        Down(vk);
    }
    if (Chance(0.02)) {
      static constexpr int kItemKeys[] = {plat::VK_Z, plat::VK_X, plat::VK_C,
                                          plat::VK_1, plat::VK_2, plat::VK_3};
      Press(kItemKeys[Below(6)]);
    }
    if (Chance(0.0005)) {
      ++fig_.pauses;
      pauseEnds_ = plat::headless::Now() + Uniform(100, 3000);
      Press(plat::VK_CONTROL);
    }
    if (Chance(0.002)) Press(plat::VK_SPACE);
  }

  // --- The bear ---
  struct Keys {
    bool left, up, right, shift;
  };
  static constexpr Keys kBearKeys[6] = {{false, true, false, false}, {true, true, false, false},
                                        {false, true, true, false},  {true, true, false, true},
                                        {false, true, true, true},   {false, false, false, false}};
  void HoldKeys(const Keys& k) {
    k.left ? Down(plat::VK_LEFT) : Up(plat::VK_LEFT);
    k.up ? Down(plat::VK_UP) : Up(plat::VK_UP);
    k.right ? Down(plat::VK_RIGHT) : Up(plat::VK_RIGHT);
    Up(plat::VK_DOWN);
    k.shift ? Down(plat::VK_SHIFT) : Up(plat::VK_SHIFT);
  }
  // Holding each way of the keys for 30 ticks in the mind, he takes the one
  // that keeps the fireball off him and brings it nearest the bear.
  double Imagine(const Keys& k) {
    GameState& s = mind_;
    s.players = gs_.players, s.roomMap = gs_.roomMap;
    s.castMaxSpeed = gs_.castMaxSpeed, s.castAccel = gs_.castAccel;
    s.castTurnStep = gs_.castTurnStep, s.homeCastIndex = gs_.homeCastIndex;
    s.bearIndex = gs_.bearIndex, s.bearX = gs_.bearX, s.bearY = gs_.bearY;
    s.bearDirection = gs_.bearDirection, s.bearSpeed = gs_.bearSpeed;
    s.fireX = gs_.fireX, s.fireY = gs_.fireY, s.fireDirection = gs_.fireDirection;
    s.fireSpeed = gs_.fireSpeed;
    s.arrowHeld = {k.left, k.up, k.right, 0};
    s.shiftHeld = k.shift;
    double closest = 1e9, fireToBear = 1e9;
    const int half = 16 << BearLevel(s);
    for (int t = 0; t < 30; ++t) {
      MoveBearHero(s);
      MoveBear(s);
      MoveFireball(s);
      const BearHit hit = JudgeBearGame(s);
      if (hit == BearHit::HeroLoses) return -1000 + t;
      if (hit == BearHit::HeroWins) return 1000 - t;
      KeepInBasement(s);
      const MatchPlayer& h = s.players[homeForward];
      closest = std::min(closest, double(std::hypot(s.fireX - h.x - 7, s.fireY - h.y - 7)));
      fireToBear =
          std::min(fireToBear,
                   double(std::hypot(s.fireX + 9 - s.bearX - half, s.fireY + 9 - s.bearY - half)));
    }
    const MatchPlayer& h = s.players[homeForward];
    const double wall = double(std::min({h.x - 32, 480 - h.x, h.y - 32, 384 - h.y}));
    return std::min(closest, 60.0) - fireToBear + std::min(wall, 40.0);
  }
  void PlayBear() {
    if (!plat::TimerEnabled()) return;
    if (!lookAhead_) {
      PlayMatch();  // the same random keys; the item keys do nothing here
      return;
    }
    int best = 0;
    double bestScore = -1e9;
    for (int a = 0; a < 6; ++a) {
      const double s = Imagine(kBearKeys[a]);
      if (s > bestScore) bestScore = s, best = a;
    }
    HoldKeys(kBearKeys[best]);
  }

  // --- Walking ---
  bool HallPassable(int x, int y) const {
    const i16 t = gs_.hallMap[size_t(y)][size_t(x)];
    return (t == 10 || (t == 18 && goal_.x == x && goal_.y == y)) &&
           gs_.hallOccupancy[size_t(y)][size_t(x)] < 2;
  }
  bool RoomPassable(int x, int y) const {
    const i16 t = gs_.roomMap[size_t(y)][size_t(x)];
    if (t >= 11 && t <= 16) return false;
    if ((t == 17 || t == 18) && !(goal_.x == x && goal_.y == y)) return false;
    return gs_.roomOccupancy[size_t(y)][size_t(x)] < 2;
  }

  // A person's cell and a free neighbour to stand on, facing him.
  bool BesidePerson(bool room, int c) {
    const int px = gs_.castX[size_t(c)], py = gs_.castY[size_t(c)];
    int bestD = -1, bestDist = 1 << 30;
    for (int d = 0; d < 4; ++d) {
      const int x = px - kDX[d], y = py - kDY[d];  // stand here, face d
      if (x < 0 || y < 0 || x >= (room ? 19 : 40) || y >= (room ? 14 : 40)) continue;
      const bool ok = room ? (RoomPassable(x, y) || (x == gs_.playerX && y == gs_.playerY))
                           : (HallPassable(x, y) || (x == gs_.playerX && y == gs_.playerY));
      if (!ok) continue;
      const int dist = std::abs(x - gs_.playerX) + std::abs(y - gs_.playerY);
      if (dist < bestDist) bestDist = dist, bestD = d;
    }
    if (bestD < 0) return false;
    goal_.x = px - kDX[bestD], goal_.y = py - kDY[bestD], goal_.face = bestD;
    return true;
  }

  void ChooseHallGoal() {
    const double now = plat::headless::Now();
    goal_ = Goal{};
    goal_.until = now + 60000;
    if (gs_.money < 300) {
      gs_.money += 3000;  // pocket money, so the shop and the bear stay open
      ++fig_.moneyGrants;
    }
    const int r = Below(100);
    if (r < 8) {
      ++fig_.randomStretches;
      stretchEnds_ = now + Uniform(2000, 20000);
      return;
    }
    if (r < 55) {  // the receptionist, across her counter
      goal_.kind = Goal::Talk, goal_.x = 20, goal_.y = 10, goal_.face = 1;
    } else if (r < 65) {  // the seller, across his counter
      goal_.kind = Goal::Talk, goal_.x = 12, goal_.y = 29, goal_.face = 0;
    } else if (r < 80) {
      goal_.kind = Goal::Talk, goal_.person = gs_.hallCastSlots[size_t(Below(11))];
    } else if (r < 92) {  // the door to the rooms, and perhaps down to the bear
      goal_.kind = Goal::Cell, goal_.x = 30, goal_.y = 8;
      basement_ = Chance(0.7);
    } else {
      goal_.kind = Goal::Cell;
      do {
        goal_.x = 10 + Below(21), goal_.y = 8 + Below(26);
      } while (gs_.hallMap[size_t(goal_.y)][size_t(goal_.x)] != 10);
    }
  }

  struct RoomInfo {
    int doorX, doorY, exitX, exitY;
  };
  static constexpr RoomInfo kRoomInfo[4] = {
      {17, 12, 17, 1}, {17, 1, 17, 12}, {17, 12, 17, 1}, {-1, -1, 17, 12}};

  void ChooseRoomGoal() {
    goal_ = Goal{};
    goal_.until = plat::headless::Now() + 60000;
    const int room = gs_.currentRoom;
    const RoomInfo& info = kRoomInfo[room];
    if (Chance(0.05)) {
      ++fig_.randomStretches;
      stretchEnds_ = plat::headless::Now() + Uniform(2000, 10000);
      return;
    }
    if (basement_ && room >= 1 && gs_.bearRoom == room && gs_.talkEntry[22] != 3 &&
        gs_.roomOccupancy[size_t(gs_.castY[22])][size_t(gs_.castX[22])] == 22) {
      goal_.kind = Goal::Talk, goal_.person = 22;
      basement_ = Chance(0.5);  // once more after this game, or home
      return;
    }
    if (room == 0 && !basement_ && Chance(0.5)) {
      goal_.kind = Goal::Talk, goal_.person = gs_.roomCastSlots[size_t(Below(7))];
      return;
    }
    if (basement_ && room < gs_.bearRoom && info.doorX >= 0) {
      // The door opens with enough wins; the soak opens it by hand.
      if (gs_.roomMap[size_t(info.doorY)][size_t(info.doorX)] != 18) {
        gs_.roomMap[size_t(info.doorY)][size_t(info.doorX)] = 18;
        ++fig_.doorsOpenedByHand;
      }
      goal_.kind = Goal::Cell, goal_.x = info.doorX, goal_.y = info.doorY;
      return;
    }
    basement_ = false;
    goal_.kind = Goal::Cell, goal_.x = info.exitX, goal_.y = info.exitY;
  }

  // Called with every frame of a walking tick: holds the arrow of the next
  // step, or turns and talks at the goal. The keys are handled after the
  // tick, before the next one.
  void Walk(bool room) {
    const double now = plat::headless::Now();
    if (now < stretchEnds_) return RandomKeys(0.05);
    if (gs_.statusShown == 1) return;
    if (goal_.kind == Goal::None || now > goal_.until) room ? ChooseRoomGoal() : ChooseHallGoal();
    if (goal_.kind == Goal::None) return;
    if (goal_.person >= 0 && !BesidePerson(room, goal_.person)) {
      HoldArrow(-1);
      return;
    }
    const int w = room ? 19 : 40, h = room ? 14 : 40;
    const bool there = gs_.playerX == goal_.x && gs_.playerY == goal_.y;
    if (!there) {
      const int d = room ? FirstStep(gs_.playerX, gs_.playerY, goal_.x, goal_.y, w, h,
                                     [&](int x, int y) { return RoomPassable(x, y); })
                         : FirstStep(gs_.playerX, gs_.playerY, goal_.x, goal_.y, w, h,
                                     [&](int x, int y) { return HallPassable(x, y); });
      HoldArrow(d);  // no way now: stand and let the people move
      if (Chance(0.002)) shift_ = !shift_;
      shift_ ? Down(plat::VK_SHIFT) : Up(plat::VK_SHIFT);
      return;
    }
    if (goal_.kind == Goal::Cell) {
      HoldArrow(-1);
      goal_ = Goal{};
      return;
    }
    if (gs_.playerFacing != goal_.face) {
      HoldArrow(goal_.face);  // blocked by the counter or the person: a turn only
      return;
    }
    HoldArrow(-1);
    if (now - lastSpace_ < 500) return;
    lastSpace_ = now;
    Press(plat::VK_SPACE);
    if (++spaceTries_ >= 3) goal_ = Goal{}, spaceTries_ = 0;
    if (goal_.person < 0 && goal_.kind == Goal::Talk)
      goal_.until = std::min(goal_.until, now + 1500);
  }

  Form1& f_;
  GameState& gs_;
  std::mt19937_64 rng_;
  Figures& fig_;
  Checker check_;
  GameState mind_;
  std::set<int> held_;
  Goal goal_;
  bool shift_ = false;
  bool champion_ = false, basement_ = false, lookAhead_ = false;
  int plannedWins_ = 0;
  int spaceTries_ = 0;
  int answer_ = -1;
  int lastBoxes_ = 0;
  i16 lastMode_ = kModeTitle, lastDialogue_ = 0, seenState_ = 0;
  std::u32string seenText_;
  double pageSince_ = 0, pageWait_ = 0, lastSpace_ = -1e9;
  double titleUntil_ = 0, stretchEnds_ = 0, pauseEnds_ = 0;
  std::array<std::array<i16, 3>, kItemCount> counts_{};
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: mokimoki-soak SEED MINUTES\n";
    return 2;
  }
  const uint64_t seed = std::strtoull(argv[1], nullptr, 10);
  const double minutes = std::atof(argv[2]);
  if (minutes <= 0) {
    std::cerr << "mokimoki-soak: MINUTES must be above 0\n";
    return 2;
  }
  std::string err;
  if (!plat::InitFonts(err)) {
    std::cerr << "mokimoki-soak: " << err << "\n";
    return 1;
  }
  plat::headless::Reset(seed);
  const long long ms = static_cast<long long>(minutes * 60000);
  if (!plat::headless::LoadScenario("wait " + std::to_string(ms) + "\n", err)) {
    std::cerr << "mokimoki-soak: " << err << "\n";
    return 2;
  }
  static Form1 form;
  ConnectWindow(form);
  static Figures figures;
  static SoakPlayer player(form, seed, figures);
  plat::headless::SetIdleHook([] { player.OnIdle(); });
  plat::headless::SetFrameHook([](const plat::Surface&) { player.OnFrame(); });
  const int code = plat::headless::Run([] {
    Form_Load(form);
    plat::headless::MainLoop();
  });
  std::cout << "soak seed=" << seed << " virtual_minutes=" << plat::headless::Now() / 60000.0
            << " ";
  player.Report(std::cout);
  return code;
}
