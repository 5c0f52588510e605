// The cast of the tournament: who is called what, who stands where, and the
// script each of them speaks, in the game's language.
#include "story/cast_tables.h"

#include "story/language.h"
#include "story/scripts.h"

namespace moki {

void InitMapCast(GameState& gs) {
  // Hall slots 0..12: the league players who wait in the hall, then 受付 and
  // サンタ at the counter.
  gs.hallCastSlots = {4, 5, 6, 8, 9, 10, 14, 15, 17, 18, 19, 2, 3};
  // Room slots 0..6 stand in room 0; slot 7 is the bear room's host.
  gs.roomCastSlots = {7, 11, 12, 13, 16, 20, 21, 22};
}

void InitCastNames(GameState& gs) {
  const LanguageTexts& t = Texts(gs);
  for (int c = 0; c < kCastCount; ++c) gs.castNames[size_t(c)] = t.castNames[size_t(c)];
}

void InitScripts(GameState& gs) {
  gs.lineBreak = U"\r\n";
  for (int speaker = 0; speaker < kCastCount; ++speaker) {
    WString& script = gs.scriptTable[size_t(speaker)];
    script.clear();
    for (ScriptPieces pieces : {StoryScriptPieces(speaker), ChatterScriptPieces(speaker)})
      for (const ScriptPiece& piece : pieces)
        script += Translated(gs.language, piece.key, piece.text);
  }
}

}  // namespace moki
