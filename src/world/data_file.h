// The data files: the hall map, the rooms and the match fields. All are text
// files of decimal integers separated by commas or line ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/game_state.h"

namespace moki {

// Reads exactly `count` numbers, each 0..19, from path. On any fault (missing
// or empty file, a folder or other non-file in its place, no permission, too
// few numbers, not a number, out of range) returns false and sets err to a
// message naming the file, what is wrong and where. Only the head of the file
// is read, so a huge file costs no more than a normal one.
bool ReadNumberFile(const std::string& path, int count, std::vector<int16_t>& out,
                    std::string& err);

// The game's readers. A fault stops the program with a clear message.
void LoadHallMap(GameState& gs);                // data/rftmap.dat into hallMap rows/cols 0..39
void LoadRoomFile(GameState& gs, int room);     // data/chkN.dat into roomMap x 0..18, y 0..13
void LoadBattleFile(GameState& gs, int field);  // data/btlN.dat into roomMap (terrainGrid)

}  // namespace moki
