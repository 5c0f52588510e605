// The dialogue texts of the cast, written in the script language that
// RunScript types out. A script may be kept in several pieces; InitScripts
// joins the pieces of each speaker in order.
//
// Every piece has a name: "script." and the name is its key in the
// catalogues, where every other language keeps the same pieces with the same
// sequence of codes, only the words differ.
#pragma once

#include <vector>

namespace moki {

struct ScriptPiece {
  const char* key;  // "script.opening"
  const char32_t* text;
};
using ScriptPieces = std::vector<ScriptPiece>;

// The story's people: the opening (モキモキ), 受付, サンタ, ぴーす, タキシード and
// the bear room's host. Empty for anyone else.
ScriptPieces StoryScriptPieces(int speaker);

// The chatterers of the hall and of room 0 (the league players who only talk).
// Empty for anyone else.
ScriptPieces ChatterScriptPieces(int speaker);

}  // namespace moki
