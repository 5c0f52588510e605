// The whole state of one run of the game: one record, owned by the window
// object for the program's life. Every subsystem reads and writes its own
// fields here; the names are the game's own so that code and rules can be
// read side by side.
//
// Integers are 16-bit unless noted (money is 32-bit); positions and speeds in
// a match are single-precision. Tables indexed from 1 (ranking positions,
// match-days) keep an unused slot 0.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace moki {

using i16 = int16_t;
using WString = std::u32string;  // one code unit per character, as the scripts count them

// A number as the game writes it: decimal, no sign for positives, no padding.
inline WString NumberText(long long n) {
  const std::string d = std::to_string(n);
  return WString(d.begin(), d.end());
}

// The most the counts that grow in play (the match-day, each team's wins) and
// the purse can hold: they stop there, and the save holds every value they
// can reach.
constexpr i16 kCountMax = 32767;
constexpr int32_t kMoneyMax = 999999999;
inline void CountUp(i16& n) {
  if (n < kCountMax) ++n;
}
inline void AddMoney(int32_t& money, long long amount) {
  const long long sum = money + amount;
  money = static_cast<int32_t>(sum > kMoneyMax ? kMoneyMax : sum);
}

constexpr int kCastCount = 23;      // cast indices 0..22
constexpr int kTeamCastCount = 22;  // cast indices 0..21 (the bear has no team)
constexpr int kBearCast = 22;       // the bear, last of the cast
constexpr int kItemCount = 26;      // items 0..25
constexpr int kHallSize = 41;       // hallMap and hallOccupancy: 0..40 in both directions
constexpr int kRoomW = 20;          // roomMap / terrainGrid: x 0..19
constexpr int kRoomH = 15;          //                        y 0..14
constexpr int kHallSlots = 13;
constexpr int kRoomSlots = 8;
constexpr int kRoomPeopleCount = 7;  // the people of room 0, in room slots 0..6

template <int W, int H>
using Grid = std::array<std::array<i16, W>, H>;  // indexed [y][x]

// The languages the game speaks; every text a player reads has one table per
// language, all in the same shape.
// Japanese is the game's own language; English is the first catalogue the
// build lists (the others follow it: LanguageCount() says how many).
enum : int16_t { kLangJapanese = 0, kLangEnglish = 1 };

// Game modes: what a timer tick and a repaint do.
enum : i16 { kModeTitle = 0, kModeHall = 1, kModeRoom = 2, kModeBear = 3, kModeMatch = 4 };

// Player slots of a match.
enum : int { homeForward = 0, homeBack = 1, awayForward = 2, awayBack = 3 };

struct MatchPlayer {
  float x = 0, y = 0;
  float prevX = 0, prevY = 0;
  float vx = 0, vy = 0;  // for a back, vy is its vertical speed, kept between steps
  float speed = 0;       // forwards only
  float accel = 0;
  float maxSpeed = 0;
  i16 heading = 0;               // forwards only, degrees
  i16 turnStep = 0;              // forwards only
  i16 shotAngle = 0;             // the home back's shot direction
  i16 shotSweepStep = 0;         // the computer's sweep of shotAngle, +5 or -5
  float driftX = 0, driftY = 0;  // rubber pull of a forward
  i16 animFrame = 0;             // 0..7
  // The movement values the ground gave at the last step, before the home
  // side's boosts: on ground that is not 1..4 a player keeps these, and the
  // boosts are applied afresh to them every step.
  float groundMaxSpeed = 0, groundAccel = 0;
  i16 groundTurnStep = 0;
};

struct MatchBall {
  float x = 0, y = 0;
  float prevX = 0, prevY = 0;
  float vx = 0, vy = 0;
  float speed = 0;
  i16 direction = 0;
};

struct FakeBall {
  float x = 0, y = 0;
  i16 vx = 0;
  float vy = 0;
};

struct GameState;
// The match field and the minigame's ground share the room grid.
Grid<kRoomW, kRoomH>& terrainGrid(GameState& gs);
const Grid<kRoomW, kRoomH>& terrainGrid(const GameState& gs);

struct GameState {
  // --- Shell -------------------------------------------------------------
  i16 GameMode = kModeTitle;

  // Keys (KeyState) and the yes/no choice.
  std::array<i16, 4> arrowHeld{};  // 0 left, 1 up, 2 right, 3 down
  // A cursor key counts as held for at least one tick: arrowPressed marks a
  // key that went down since the last tick, and arrowReleased a key let go
  // before any tick saw it, whose arrowHeld is cleared once a tick has.
  std::array<i16, 4> arrowPressed{};
  std::array<i16, 4> arrowReleased{};
  i16 shiftHeld = 0;
  i16 choicePending = 0;
  i16 choiceCursor = 0;
  WString choiceLabels;
  i16 statusShown = 0;           // the Ctrl pause is up
  i16 language = kLangJapanese;  // whose words every text is in (kLangJapanese, a catalogue)

  // The key screen (設定 > キー設定), over any mode; the game waits while it is up.
  i16 keyScreenShown = 0;
  i16 keyScreenCursor = 0;   // the highlighted game key, 0 left .. 9 c
  i16 keyScreenWaiting = 0;  // waiting for the new key of the highlighted one
  i16 keyScreenNote = 0;     // what the line under the list says (KeyScreenNote)
  i16 keyScreenOther = -1;   // the game key that already has the pressed key
  WString keyScreenKey;      // the name of the key pressed
  i16 keyScreenColumn = 0;   // 0: the keyboard's keys, 1: the controller's buttons

  // Fixed direction tables (frontDX/frontDY may be doubled for one look-up at a counter).
  std::array<i16, 4> frontDX{}, frontDY{};
  std::array<i16, 5> sideDX{}, sideDY{};

  // --- Cast and scripts ----------------------------------------------------
  std::array<WString, kCastCount> castNames;
  std::array<WString, kCastCount> scriptTable;
  std::array<i16, kHallSlots> hallCastSlots{};
  std::array<i16, kRoomSlots> roomCastSlots{};
  WString lineBreak;

  // --- Items ---------------------------------------------------------------
  std::array<WString, kItemCount> itemName;
  std::array<i16, kItemCount> itemPrice{};
  std::array<WString, kItemCount> itemDescription;
  std::array<WString, kTeamCastCount> ComputerItemSchedule;
  std::array<i16, 3> slotItem{};
  std::array<std::array<i16, 3>, kItemCount> slotCount{};  // [item][slot]
  i16 shopItem = 0;
  i16 shopCount = 0;

  // --- Match strengths (CastStats) ------------------------------------------
  std::array<float, kTeamCastCount> castMaxSpeed{};
  std::array<float, kTeamCastCount> castAccel{};
  std::array<i16, kTeamCastCount> castTurnStep{};
  std::array<i16, kTeamCastCount> castShotPower{};
  std::array<i16, kTeamCastCount> castAimCone{};

  // --- World: hall and rooms ------------------------------------------------
  Grid<kHallSize, kHallSize> hallMap{};
  Grid<kHallSize, kHallSize> hallOccupancy{};
  // The room grid is also the match field (terrainGrid) and the minigame's ground.
  Grid<kRoomW, kRoomH> roomMap{};
  Grid<kRoomW, kRoomH> roomOccupancy{};

  i16 playerX = 0, playerY = 0;
  i16 playerPrevX = 0, playerPrevY = 0;
  i16 playerFacing = 0;
  i16 stepDX = 0, stepDY = 0;
  i16 partnerX = 0, partnerY = 0;
  i16 partnerPrevX = 0, partnerPrevY = 0;
  i16 partnerSide = 0, partnerPrevSide = 0;
  i16 doorLatch = 0;

  std::array<i16, kCastCount> castX{}, castY{}, castFacing{};
  std::array<i16, kCastCount> castPrevX{}, castPrevY{};
  std::array<i16, kCastCount> castStepDX{}, castStepDY{};
  i16 wanderSlot = 0;
  i16 currentRoom = 0;
  i16 bearRoom = 1;

  // --- League ---------------------------------------------------------------
  std::array<i16, 10> leagueSeats{};
  std::array<i16, 11> rankOrder{};  // positions 1..10
  i16 heroRank = 0;
  std::array<i16, kTeamCastCount> winsByCast{};
  i16 roundNumber = 1;
  std::array<WString, 10> matchDayPairings;  // match-days 1..9
  i16 schedulePos = 0;
  int32_t money = 0;  // ドール

  // --- Dialogue -------------------------------------------------------------
  WString scriptText;
  i16 scriptPos = 0;
  i16 scriptSpeaker = -1;  // whose script scriptText is
  i16 pageStartPos = 0;    // where the page now shown began in scriptText
  i16 dialogueState = 0;   // 0 none, >0 running (+1 per Space), -1 ended
  std::array<i16, kCastCount> talkEntry{};
  WString messageText;
  i16 matchPending = 0;
  i16 bearGamePending = 0;
  i16 gameOver = 0;
  i16 drawRanking = 0;
  i16 drawStatus = 0;

  // --- Match ----------------------------------------------------------------
  std::array<MatchPlayer, 4> players{};
  MatchBall ball{};
  Grid<kRoomW, kRoomH> trapGrid{};
  i16 homeScore = 0, awayScore = 0;
  i16 countsLeft = 0;
  int32_t lastCountTick = 0;
  // The kick-off waits: 1 while the intro is drawn, 2 when the intro ended
  // under the Ctrl pause (the Ctrl that closes the pause kicks off); else 0.
  i16 kickOffHeld = 0;
  i16 playerRole = 1;  // 1 forward, 2 back, 0 manager
  i16 extraTime = 0;
  i16 matchFrozen = 0;
  i16 homeCastIndex = 0;
  i16 opponentCast = 0;
  i16 opponentBackOffset = 0;
  float opponentBonus = 0;
  i16 motivated = 0;
  std::array<i16, 3> specialAbilities{};  // 0 ダッシュ, 1 ナイスパス, 2 自爆
  float ballFriction = 0;                 // friction of the last terrain 1..4 under the ball

  // Item effects of a match.
  i16 boostSpeed = 0, boostTurn = 0, boostAccel = 0, boostIgnoreTerrain = 0;
  i16 boostPower = 0, boostAim = 0;
  std::array<i16, 2> stickyBall{};
  i16 blackoutTime = 0, fakeBallTime = 0, remoteBallTime = 0, quakeTime = 0;
  i16 windDirection = -1;
  std::array<FakeBall, 21> fakeBalls{};
  std::array<i16, 4> caughtFlag{}, caughtTimer{};
  std::array<i16, 4> rubberFlag{}, rubberAnchorX{}, rubberAnchorY{}, rubberAge{};
  std::array<i16, 4> reverseAge{};
  i16 sphereCount = -1;
  std::array<i16, 11> sphereX{}, sphereY{}, sphereAge{};
  std::array<i16, 2> lastTrapTileX{}, lastTrapTileY{}, lastTrapGuard{};
  float blastCentreX = 0, blastCentreY = 0;
  i16 blastAngle = 0;
  std::array<i16, 2> scheduleCursor{};

  // --- Bear minigame ----------------------------------------------------------
  i16 bearIndex = 0;
  float bearX = 0, bearY = 0;
  i16 bearDirection = 0;
  float bearSpeed = 0;
  float fireX = 0, fireY = 0;
  i16 fireDirection = 0;
  float fireSpeed = 0;
  i16 fireFrame = 0;
};

inline Grid<kRoomW, kRoomH>& terrainGrid(GameState& gs) {
  return gs.roomMap;
}
inline const Grid<kRoomW, kRoomH>& terrainGrid(const GameState& gs) {
  return gs.roomMap;
}

}  // namespace moki
