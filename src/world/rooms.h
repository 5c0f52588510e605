// The rooms behind the hall's door and the bear's basement.
#pragma once

#include "core/form1.h"

namespace moki {

void EnterRoom(Form1& f, int n);
void BackToRoom(Form1& f, int n);
void BackToHall(Form1& f);
void ClearRoomOccupancy(GameState& gs);
void PlaceRoomNpcs(GameState& gs);
void RoomTick(Form1& f);

}  // namespace moki
