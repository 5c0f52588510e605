// The tile codes the hall, room and field files are made of, and the part of
// the room grid a room or field file fills.
#pragma once

namespace moki {

constexpr int kTileFloor = 10;       // where people stand and walk
constexpr int kTileBlockFirst = 11;  // 11..16: the rooms' walls and furniture
constexpr int kTileBlockLast = 16;
constexpr int kTileStairsUp = 17;
constexpr int kTileDoor = 18;
constexpr int kTileShut = 19;  // the hall's entrance, closed behind the party
constexpr int kLastTile = 19;  // codes run 0..19

inline bool IsBlockTile(int tile) {
  return tile >= kTileBlockFirst && tile <= kTileBlockLast;
}

// A room or field file fills x 0..18, y 0..13 of the room grid.
constexpr int kRoomFileW = 19;
constexpr int kRoomFileH = 14;

}  // namespace moki
