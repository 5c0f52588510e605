// The Space key in the hall and the rooms: talking to the person in front,
// turning pages, and closing a dialogue, after which whatever the script
// booked (a match, the bear's game, the end of the game) begins.
#include "story/dialogue.h"

#include "platform/platform.h"
#include "core/draw.h"

namespace moki {

namespace {

void CloseDialogue(Form1& f) {
  GameState& gs = f.gs;
  plat::SetLabelVisible(false);
  gs.messageText.clear();
  plat::SetTimerEnabled(true);
  gs.dialogueState = 0;
  StartBooked(f);  // a match, or the bear's game
  if (gs.gameOver == 1) {
    plat::SetTimerEnabled(false);
    gs.GameMode = kModeTitle;
    plat::SetMenuEnabled(0, true);
    GameEnded(f);
    plat::Refresh();
  }
}

// Turns the person towards the hero, draws their cell again at once (tile,
// then the person) and starts their script.
void TalkTo(Form1& f, int c, int cellX, int cellY, int tile) {
  GameState& gs = f.gs;
  int facing = gs.playerFacing;
  gs.castFacing[size_t(c)] = static_cast<i16>(facing >= 2 ? facing - 2 : facing + 2);
  plat::SetTimerEnabled(false);
  plat::Surface& w = plat::Window();
  const plat::Surface& tileImage = f.pics.Picmap[size_t(tile >= 0 && tile < 20 ? tile : 0)];
  plat::BitBlt(w, cellX, cellY, 32, 32, tileImage, 0, 0, plat::Rop::Copy);
  DrawCharacter(w, f.pics.Picfcha[size_t(c)], gs.castFacing[size_t(c)], cellX, cellY);
  OpenDialogue(f, c);
}

void TalkInHall(Form1& f) {
  GameState& gs = f.gs;
  size_t fc = size_t(gs.playerFacing & 3);
  int tx = gs.playerX + gs.frontDX[fc], ty = gs.playerY + gs.frontDY[fc];
  auto inHall = [](int x, int y) { return x >= 0 && y >= 0 && x < kHallSize && y < kHallSize; };
  if (!inHall(tx, ty)) return;
  if (gs.hallMap[size_t(ty)][size_t(tx)] == 16) {
    // Across a counter the person two cells ahead is reached.
    gs.frontDX[fc] = static_cast<i16>(gs.frontDX[fc] * 2);
    gs.frontDY[fc] = static_cast<i16>(gs.frontDY[fc] * 2);
    tx = gs.playerX + gs.frontDX[fc];
    ty = gs.playerY + gs.frontDY[fc];
    if (!inHall(tx, ty)) return;
  }
  int c = gs.hallOccupancy[size_t(ty)][size_t(tx)];
  if (c < 2 || c >= kCastCount) return;
  TalkTo(f, c, 288 + 32 * gs.frontDX[fc], 224 + 32 * gs.frontDY[fc],
         gs.hallMap[size_t(ty)][size_t(tx)]);
}

void TalkInRoom(Form1& f) {
  GameState& gs = f.gs;
  size_t fc = size_t(gs.playerFacing & 3);
  int tx = gs.playerX + gs.frontDX[fc], ty = gs.playerY + gs.frontDY[fc];
  if (tx < 0 || ty < 0 || tx >= kRoomW || ty >= kRoomH) return;
  int c = gs.roomOccupancy[size_t(ty)][size_t(tx)];
  if (c < 2 || c >= kCastCount) return;
  TalkTo(f, c, 32 * tx, 32 * ty, gs.roomMap[size_t(ty)][size_t(tx)]);
}

}  // namespace

void OpenDialogue(Form1& f, int speaker) {
  GameState& gs = f.gs;
  plat::SetTimerEnabled(false);
  // A dialogue that opens by itself (after a result, after the bear's game)
  // takes the screen from a Ctrl pause opened during the wait before it:
  // with the pause up no Space would reach the dialogue, and with a dialogue
  // up no Ctrl would close the pause.
  gs.statusShown = 0;
  gs.drawStatus = 0;
  gs.dialogueState = 1;
  gs.scriptText = (speaker >= 0 && speaker < kCastCount) ? gs.scriptTable[size_t(speaker)] : U"";
  plat::SetLabelVisible(true);
  RunScript(f, speaker);
}

void SpaceAction(Form1& f) {
  GameState& gs = f.gs;
  if (gs.statusShown == 1) return;  // the Ctrl pause is up
  if (gs.dialogueState < 0) {
    CloseDialogue(f);
  } else if (gs.dialogueState > 0) {
    if (gs.dialogueState < 32767) ++gs.dialogueState;  // a waiting page or screen sees the press
  } else if (gs.GameMode == kModeHall) {
    TalkInHall(f);
  } else if (gs.GameMode == kModeRoom) {
    TalkInRoom(f);
  }
  RestoreFrontTable(gs);
}

}  // namespace moki
