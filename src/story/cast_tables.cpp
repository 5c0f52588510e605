// The cast of the tournament: who is called what, who stands where, and the
// script each of them speaks.
#include "story/cast_tables.h"

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
  gs.castNames = {
      U"くあ",       U"モキモキ",   U"受付", U"サンタ", U"優雅",   U"ベッカー",
      U"トゥーミー", U"タケ",       U"先輩", U"信念",   U"エリー", U"本質",
      U"ジディー",   U"ウィー団子", U"犬ラ", U"インビ", U"ぴーす", U"後輩",
      U"カツオドリ", U"タキシード", U"雑亀", U"どくろ", U"",
  };
}

void InitScripts(GameState& gs) {
  gs.lineBreak = U"\r\n";
  for (int speaker = 0; speaker < kCastCount; ++speaker) {
    WString& script = gs.scriptTable[speaker];
    script.clear();
    for (const char32_t* piece : StoryScriptPieces(speaker)) script += piece;
    for (const char32_t* piece : ChatterScriptPieces(speaker)) script += piece;
  }
}

}  // namespace moki
