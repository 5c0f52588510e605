// The ranking screen and the status screen (the Ctrl pause), printed
// straight onto the window in the window's bold font.
#include "story/screens.h"

#include <algorithm>
#include <array>

#include "platform/platform.h"
#include "platform/text.h"
#include "core/draw.h"
#include "core/screen_colors.h"
#include "story/language.h"
#include "story/script_text.h"

namespace moki {

namespace {

int Wins(const GameState& gs, int c) {
  return (c >= 0 && c < kTeamCastCount) ? gs.winsByCast[size_t(c)] : 0;
}
// Every match-day before the current one counts as played.
int Losses(const GameState& gs, int c) {
  return gs.roundNumber - 1 - Wins(gs, c);
}

// White text outlined in dark all round, so it reads over the light wooden
// floor as well as over the field.
void PrintStatus(plat::Surface& w, int x, int y, const WString& text) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (dx != 0 || dy != 0) plat::PrintText(w, x + dx, y + dy, text, plat::RGB(24, 20, 40));
  plat::PrintText(w, x, y, text, plat::kWhite);
}

WString Record(const LanguageTexts& t, int wins, int losses) {
  return FillIn(t.record, {{U"wins", NumberText(wins)}, {U"losses", NumberText(losses)}});
}

}  // namespace

void DrawRanking(Form1& f) {
  const GameState& gs = f.gs;
  const LanguageTexts& t = Texts(gs);
  const auto& kLabels = t.rankLabels;
  // The font is proportional, so the labels' full-width spaces alone do not
  // bring the names into one column ("１０位　　" is narrower than
  // "２位　　　"): every name starts where the widest label ends.
  int nameX = 0;
  for (int k = 1; k <= 10; ++k)
    nameX = std::max(nameX, plat::TextWidth(kLabels[k], plat::FontKind::Bold));
  nameX += 96;
  plat::Surface& w = plat::Window();
  w.Fill(kWindowBackground);
  for (int k = 1; k <= 10; ++k) {
    int c = gs.rankOrder[size_t(k)];
    int y = 32 * k;
    plat::PrintText(w, 96, y, kLabels[k], kWindowText);
    plat::PrintText(w, nameX, y, CastName(gs, c), kWindowText);
    plat::PrintText(w, 320, y, Record(t, Wins(gs, c), Losses(gs, c)), kWindowText);
    if (c >= 0 && c < kCastCount) DrawCharacter(w, f.pics.Picfcha[size_t(c)], 3, 48, y);
  }
}

void DrawStatus(Form1& f) {
  const GameState& gs = f.gs;
  plat::Surface& w = plat::Window();
  plat::BitBlt(w, 32, 128, 32, 32, f.pics.Picfcha[0], 96, 0, plat::Rop::Copy);
  plat::BitBlt(w, 32, 192, 32, 32, f.pics.Picfcha[1], 96, 0, plat::Rop::Copy);
  const LanguageTexts& t = Texts(gs);
  PrintStatus(w, 32, 32, FillIn(t.matchDay, {{U"day", NumberText(gs.roundNumber)}}));
  PrintStatus(w, 128, 32, gs.motivated == 1 ? t.motivatedMode : t.easyMode);
  PrintStatus(w, 32, 64, Record(t, Wins(gs, 0), Losses(gs, 0)));
  PrintStatus(w, 96, 128, t.castNames[0]);
  PrintStatus(w, 96, 192, t.castNames[1]);
  PrintStatus(w, 384, 32, FillIn(t.money, {{U"money", AmountText(gs, gs.money)}}));
  // The item keys' lines start at 320, or as far left as a language with
  // longer words needs to fit them in.
  std::array<WString, 3> keyLines;
  int keysX = 320;
  for (size_t s = 0; s < 3; ++s) {
    const int item = gs.slotItem[s];
    const bool valid = item >= 0 && item < kItemCount;
    const WString name = valid ? gs.itemName[size_t(item)] : U"";
    const int count = valid ? gs.slotCount[size_t(item)][s] : 0;
    keyLines[s] =
        valid && item == 0
            ? FillIn(t.keyEmpty, {{U"key", t.keyNames[s]}})
            : FillIn(t.keyLine,
                     {{U"key", t.keyNames[s]}, {U"item", name}, {U"count", NumberText(count)}});
    keysX = std::min(keysX, plat::kPlayW - 2 - plat::TextWidth(keyLines[s], plat::FontKind::Bold));
  }
  for (size_t s = 0; s < 3; ++s) PrintStatus(w, keysX, 96 + 32 * int(s), keyLines[s]);
  for (int a = 0; a < 3; ++a)
    if (gs.specialAbilities[size_t(a)] == 1)
      PrintStatus(w, 320, 224 + 32 * a, t.abilityNames[size_t(a)]);
}

}  // namespace moki
