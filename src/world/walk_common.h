// Pieces shared by the hall and the rooms: guarded grid access, the held
// direction, the partner following the hero, and the frames of one step.
#pragma once

#include <functional>

#include "core/window_object.h"

namespace moki {

// The hall grid seen through a guard: cells outside the 41 x 41 grid read as
// tile 0 (which blocks) and as empty, and writes to them are dropped.
bool InHall(int x, int y);
int HallTile(const GameState& gs, int x, int y);
int HallOccupant(const GameState& gs, int x, int y);
void SetHallOccupant(GameState& gs, int x, int y, int who);

// Shuts the hall's entrance behind the party once it is in.
void ShutHallEntrance(GameState& gs);

// A room is the 19 x 14 cells its file fills; anything beyond blocks.
bool InRoom(int x, int y);
int RoomTile(const GameState& gs, int x, int y);
int RoomOccupant(const GameState& gs, int x, int y);
void SetRoomOccupant(GameState& gs, int x, int y, int who);

// The tile image for a code; a code without an image of its own shows tile 0.
const plat::Surface& TileImage(const Pictures& pics, int code);
// A character sheet by cast index (an index outside the cast draws nothing).
const plat::Surface& CharacterSheet(const Pictures& pics, int cast);
// A partner side 0..4 as an index into sideDX/sideDY (anything else: 4).
int SideIndex(int side);
// The partner's facing column for a side: the side itself, or facing down
// while the partner shares the hero's cell.
int PartnerColumn(int side);

// The first held cursor key in the order left, up, right, down, or -1.
int HeldDirection(const GameState& gs);
// Moves the hero one cell in direction d (0 left, 1 up, 2 right, 3 down) and
// turns him that way.
void StepHero(GameState& gs, int d);
// The partner takes the cell the hero left and stands behind him; with no
// step it stays where it is. Sets partnerSide/partnerPrevSide and the
// partner's cells. Touches no occupancy grid.
void PartnerFollows(GameState& gs);

// The frames of one step: first g = 0, s, 2s, ... up to 15 with the first
// walking picture, then g = 16, 16 + s, ... up to 31 with the second
// (anim 1), s being 2 pixels or 4 with Shift. Shift is read at the start of
// each half. A tick in which the hero does not move ends its frames early
// when a cursor key that is not held yet goes down.
void ForEachStepFrame(const GameState& gs, const std::function<void(int g, int anim)>& frame);

// Rebuilds Picback2 for a hero standing on (cx, cy).
void BuildHallBackgroundAt(Form1& f, int cx, int cy);

}  // namespace moki
