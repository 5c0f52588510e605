// The save's text, value by value: every value with its range and the
// version of the save it came in, written from the game's state and read
// back into it, checked as it comes, with the hall and the rooms rebuilt
// around what was read. save_game.cpp handles the file itself.
#pragma once

#include <cstddef>
#include <string>

#include "core/window_object.h"
#include "story/language.h"

namespace moki {

// The largest save the game reads; a save is a few kilobytes.
constexpr size_t kSaveMaxBytes = 256 * 1024;

// A text about the save in language lang, with its details filled in.
WString SayOfSave(int lang, SaveText t, FillIns values = {});
// A number in a text about the save.
WString SaveNumber(long long n);

// Reads a save's text into out as LoadSave does, why in the player's words;
// newer (when given) is set when the save was made by a newer version of the
// game, which this one never reads.
bool ReadSave(const std::string& text, GameState& out, WString& why, bool* newer = nullptr);

}  // namespace moki
