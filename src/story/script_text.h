// Reading a script: 1-based positions, labels and the text helpers the
// interpreter and its action codes share.
#pragma once

#include <string>

#include "core/game_state.h"

namespace moki {

// The character at 1-based position pos of scriptText, or 0 past either end.
inline char32_t ScriptChar(const GameState& gs, int pos) {
  if (pos < 1 || size_t(pos) > gs.scriptText.size()) return 0;
  return gs.scriptText[size_t(pos) - 1];
}

// A digit operand: the decimal value of one character (anything else is 0).
inline int DigitValue(char32_t c) {
  return (c >= U'0' && c <= U'9') ? int(c - U'0') : 0;
}

// The position right after the first "#" + label in scriptText, searching
// from the start; past the end when the label does not occur.
int FindLabel(const GameState& gs, char32_t label);

// The name of cast member c, or nothing for an index outside the cast.
inline const WString& CastName(const GameState& gs, int c) {
  static const WString kNone;
  return (c >= 0 && c < kCastCount) ? gs.castNames[size_t(c)] : kNone;
}

}  // namespace moki
