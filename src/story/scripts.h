// The dialogue texts of the cast, written in the script language that
// RunScript types out. A script may be kept in several pieces; InitScripts
// joins the pieces of each speaker in order.
//
// Every language has its own tables of the same shape: the same speakers,
// the same pieces and the same sequence of codes, only the words differ.
#pragma once

#include <vector>

namespace moki {

using ScriptPieces = std::vector<const char32_t*>;

// The story's people: the opening (モキモキ), 受付, サンタ, ぴーす, タキシード and
// the bear room's host. Empty for anyone else.
ScriptPieces StoryScriptPieces(int speaker);
ScriptPieces StoryScriptPiecesEn(int speaker);

// The chatterers of the hall and of room 0 (the league players who only talk).
// Empty for anyone else.
ScriptPieces ChatterScriptPieces(int speaker);
ScriptPieces ChatterScriptPiecesEn(int speaker);

}  // namespace moki
