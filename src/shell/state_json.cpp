#include "shell/state_json.h"

#include <cmath>
#include <cstdio>

#include "core/json.h"
#include "platform/platform.h"
#include "platform/text.h"

namespace moki {

namespace {

void Put(std::string& o, int16_t v) {
  o += std::to_string(v);
}
void Put(std::string& o, int32_t v) {
  o += std::to_string(v);
}
void Put(std::string& o, float v) {
  if (!std::isfinite(v)) {
    o += "null";
    return;
  }
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", double(v));
  o += buf;
}
void Put(std::string& o, const WString& s) {
  json::AppendString(o, plat::ToUtf8(s));
}
void Put(std::string& o, const MatchPlayer& p) {
  o += "{\"x\":";
  Put(o, p.x);
  o += ",\"y\":";
  Put(o, p.y);
  o += ",\"prevX\":";
  Put(o, p.prevX);
  o += ",\"prevY\":";
  Put(o, p.prevY);
  o += ",\"vx\":";
  Put(o, p.vx);
  o += ",\"vy\":";
  Put(o, p.vy);
  o += ",\"speed\":";
  Put(o, p.speed);
  o += ",\"accel\":";
  Put(o, p.accel);
  o += ",\"maxSpeed\":";
  Put(o, p.maxSpeed);
  o += ",\"heading\":";
  Put(o, p.heading);
  o += ",\"turnStep\":";
  Put(o, p.turnStep);
  o += ",\"shotAngle\":";
  Put(o, p.shotAngle);
  o += ",\"shotSweepStep\":";
  Put(o, p.shotSweepStep);
  o += ",\"driftX\":";
  Put(o, p.driftX);
  o += ",\"driftY\":";
  Put(o, p.driftY);
  o += ",\"animFrame\":";
  Put(o, p.animFrame);
  o += ",\"groundMaxSpeed\":";
  Put(o, p.groundMaxSpeed);
  o += ",\"groundAccel\":";
  Put(o, p.groundAccel);
  o += ",\"groundTurnStep\":";
  Put(o, p.groundTurnStep);
  o += '}';
}
void Put(std::string& o, const MatchBall& b) {
  o += "{\"x\":";
  Put(o, b.x);
  o += ",\"y\":";
  Put(o, b.y);
  o += ",\"prevX\":";
  Put(o, b.prevX);
  o += ",\"prevY\":";
  Put(o, b.prevY);
  o += ",\"vx\":";
  Put(o, b.vx);
  o += ",\"vy\":";
  Put(o, b.vy);
  o += ",\"speed\":";
  Put(o, b.speed);
  o += ",\"direction\":";
  Put(o, b.direction);
  o += '}';
}
void Put(std::string& o, const FakeBall& b) {
  o += "{\"x\":";
  Put(o, b.x);
  o += ",\"y\":";
  Put(o, b.y);
  o += ",\"vx\":";
  Put(o, b.vx);
  o += ",\"vy\":";
  Put(o, b.vy);
  o += '}';
}

template <class T, size_t N>
void Put(std::string& o, const std::array<T, N>& a) {
  o += '[';
  for (size_t i = 0; i < N; ++i) {
    if (i) o += ',';
    Put(o, a[i]);
  }
  o += ']';
}

// Every field of the state, by its name, each once: the scenario runner's
// dump, a recording's checks of the state and the save's names all come from
// here (a test holds it to the fields of GameState).
template <class V>
void VisitFields(const GameState& gs, V&& v) {
  v("GameMode", gs.GameMode);
  v("arrowHeld", gs.arrowHeld);
  v("arrowPressed", gs.arrowPressed);
  v("arrowReleased", gs.arrowReleased);
  v("shiftHeld", gs.shiftHeld);
  v("choicePending", gs.choicePending);
  v("choiceCursor", gs.choiceCursor);
  v("choiceLabels", gs.choiceLabels);
  v("statusShown", gs.statusShown);
  v("language", gs.language);
  v("keyScreenShown", gs.keyScreenShown);
  v("keyScreenCursor", gs.keyScreenCursor);
  v("keyScreenWaiting", gs.keyScreenWaiting);
  v("keyScreenNote", gs.keyScreenNote);
  v("keyScreenOther", gs.keyScreenOther);
  v("keyScreenKey", gs.keyScreenKey);
  v("keyScreenColumn", gs.keyScreenColumn);
  v("frontDX", gs.frontDX);
  v("frontDY", gs.frontDY);
  v("sideDX", gs.sideDX);
  v("sideDY", gs.sideDY);
  v("castNames", gs.castNames);
  v("scriptTable", gs.scriptTable);
  v("hallCastSlots", gs.hallCastSlots);
  v("roomCastSlots", gs.roomCastSlots);
  v("lineBreak", gs.lineBreak);
  v("itemName", gs.itemName);
  v("itemPrice", gs.itemPrice);
  v("itemDescription", gs.itemDescription);
  v("ComputerItemSchedule", gs.ComputerItemSchedule);
  v("slotItem", gs.slotItem);
  v("slotCount", gs.slotCount);
  v("shopItem", gs.shopItem);
  v("shopCount", gs.shopCount);
  v("castMaxSpeed", gs.castMaxSpeed);
  v("castAccel", gs.castAccel);
  v("castTurnStep", gs.castTurnStep);
  v("castShotPower", gs.castShotPower);
  v("castAimCone", gs.castAimCone);
  v("hallMap", gs.hallMap);
  v("hallOccupancy", gs.hallOccupancy);
  v("roomMap", gs.roomMap);
  v("roomOccupancy", gs.roomOccupancy);
  v("playerX", gs.playerX);
  v("playerY", gs.playerY);
  v("playerPrevX", gs.playerPrevX);
  v("playerPrevY", gs.playerPrevY);
  v("playerFacing", gs.playerFacing);
  v("stepDX", gs.stepDX);
  v("stepDY", gs.stepDY);
  v("partnerX", gs.partnerX);
  v("partnerY", gs.partnerY);
  v("partnerPrevX", gs.partnerPrevX);
  v("partnerPrevY", gs.partnerPrevY);
  v("partnerSide", gs.partnerSide);
  v("partnerPrevSide", gs.partnerPrevSide);
  v("doorLatch", gs.doorLatch);
  v("castX", gs.castX);
  v("castY", gs.castY);
  v("castFacing", gs.castFacing);
  v("castPrevX", gs.castPrevX);
  v("castPrevY", gs.castPrevY);
  v("castStepDX", gs.castStepDX);
  v("castStepDY", gs.castStepDY);
  v("wanderSlot", gs.wanderSlot);
  v("currentRoom", gs.currentRoom);
  v("bearRoom", gs.bearRoom);
  v("leagueSeats", gs.leagueSeats);
  v("rankOrder", gs.rankOrder);
  v("heroRank", gs.heroRank);
  v("winsByCast", gs.winsByCast);
  v("roundNumber", gs.roundNumber);
  v("matchDayPairings", gs.matchDayPairings);
  v("schedulePos", gs.schedulePos);
  v("money", gs.money);
  v("scriptText", gs.scriptText);
  v("scriptPos", gs.scriptPos);
  v("scriptSpeaker", gs.scriptSpeaker);
  v("pageStartPos", gs.pageStartPos);
  v("dialogueState", gs.dialogueState);
  v("talkEntry", gs.talkEntry);
  v("messageText", gs.messageText);
  v("matchPending", gs.matchPending);
  v("bearGamePending", gs.bearGamePending);
  v("gameOver", gs.gameOver);
  v("drawRanking", gs.drawRanking);
  v("drawStatus", gs.drawStatus);
  v("players", gs.players);
  v("ball", gs.ball);
  v("trapGrid", gs.trapGrid);
  v("homeScore", gs.homeScore);
  v("awayScore", gs.awayScore);
  v("countsLeft", gs.countsLeft);
  v("lastCountTick", gs.lastCountTick);
  v("kickOffHeld", gs.kickOffHeld);
  v("playerRole", gs.playerRole);
  v("extraTime", gs.extraTime);
  v("matchFrozen", gs.matchFrozen);
  v("homeCastIndex", gs.homeCastIndex);
  v("opponentCast", gs.opponentCast);
  v("opponentBackOffset", gs.opponentBackOffset);
  v("opponentBonus", gs.opponentBonus);
  v("motivated", gs.motivated);
  v("specialAbilities", gs.specialAbilities);
  v("ballFriction", gs.ballFriction);
  v("boostSpeed", gs.boostSpeed);
  v("boostTurn", gs.boostTurn);
  v("boostAccel", gs.boostAccel);
  v("boostIgnoreTerrain", gs.boostIgnoreTerrain);
  v("boostPower", gs.boostPower);
  v("boostAim", gs.boostAim);
  v("stickyBall", gs.stickyBall);
  v("blackoutTime", gs.blackoutTime);
  v("fakeBallTime", gs.fakeBallTime);
  v("remoteBallTime", gs.remoteBallTime);
  v("quakeTime", gs.quakeTime);
  v("windDirection", gs.windDirection);
  v("fakeBalls", gs.fakeBalls);
  v("caughtFlag", gs.caughtFlag);
  v("caughtTimer", gs.caughtTimer);
  v("rubberFlag", gs.rubberFlag);
  v("rubberAnchorX", gs.rubberAnchorX);
  v("rubberAnchorY", gs.rubberAnchorY);
  v("rubberAge", gs.rubberAge);
  v("reverseAge", gs.reverseAge);
  v("sphereCount", gs.sphereCount);
  v("sphereX", gs.sphereX);
  v("sphereY", gs.sphereY);
  v("sphereAge", gs.sphereAge);
  v("lastTrapTileX", gs.lastTrapTileX);
  v("lastTrapTileY", gs.lastTrapTileY);
  v("lastTrapGuard", gs.lastTrapGuard);
  v("blastCentreX", gs.blastCentreX);
  v("blastCentreY", gs.blastCentreY);
  v("blastAngle", gs.blastAngle);
  v("scheduleCursor", gs.scheduleCursor);
  v("bearIndex", gs.bearIndex);
  v("bearX", gs.bearX);
  v("bearY", gs.bearY);
  v("bearDirection", gs.bearDirection);
  v("bearSpeed", gs.bearSpeed);
  v("fireX", gs.fireX);
  v("fireY", gs.fireY);
  v("fireDirection", gs.fireDirection);
  v("fireSpeed", gs.fireSpeed);
  v("fireFrame", gs.fireFrame);
}

}  // namespace

std::string StateJson(const GameState& gs) {
  std::string o = "{";
  VisitFields(gs, [&](const char* name, const auto& value) {
    if (o.size() > 1) o += ',';
    o += '"';
    o += name;
    o += "\":";
    Put(o, value);
  });
  // Whether the message window shows that its page waits for Space.
  o += std::string(o.size() > 1 ? "," : "") + "\"pageEndMark\":";
  o += plat::PageEndMark() ? "true" : "false";
  return o + "}";
}

bool FieldJson(const GameState& gs, const std::string& name, std::string& out) {
  if (name == "pageEndMark") {
    out = plat::PageEndMark() ? "true" : "false";
    return true;
  }
  bool found = false;
  VisitFields(gs, [&](const char* field, const auto& value) {
    if (found || name != field) return;
    out.clear();
    Put(out, value);
    found = true;
  });
  return found;
}

}  // namespace moki
