// The rooms behind the hall's door and the bear's basement.
#pragma once

#include "core/window_object.h"

namespace moki {

void EnterRoom(Form1& f, int n);
void BackToRoom(Form1& f, int n);
void BackToHall(Form1& f);
void ClearRoomOccupancy(GameState& gs);
void PlaceRoomNpcs(GameState& gs);
void RoomTick(Form1& f);

// The bear of the basement: one scripted step (0 left, 1 up, 2 right,
// 3 down), drawn by a room tick; leaving for the next room after a defeat.
void BearStep(Form1& f, int d);
void BearMovesOn(GameState& gs);
// Before the bear's game the bear and the hero take their places (rooms 1
// and 2; in room 3 they stay where they talked).
void BearApproach(Form1& f);
// After the bear's game (result 1 won, 0 lost): back to the room, the host's
// words on the result, then the bear's and the hero's steps that follow it.
void EndBearGame(Form1& f, int result);

}  // namespace moki
