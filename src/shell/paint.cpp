// The repaint: the whole play area for the current GameMode, with the status
// screen over it while it is switched on.
#include "render/match_frame.h"
#include "minigame/bear_game.h"
#include "player_files/bindings.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "core/draw.h"
#include "shell/window_events.h"
#include "shell/key_screen.h"
#include "core/screen_colors.h"
#include "story/language.h"
#include "story/screens.h"
#include "world/hall_view.h"

namespace moki {

void DrawTitle(Form1& f) {
  plat::Surface& w = plat::Window();
  w.Fill(kWindowBackground);
  const Pictures& p = f.pics;
  DrawMasked(w, p.Picopening, 0, 0, 0, 48, 48, 48, 64, 192);
  // The Japanese lettering for Japanese; the one in Latin letters for every other language.
  const plat::Surface& lettering = f.gs.language == kLangJapanese ? p.Picdaiji : p.PicdaijiEn;
  DrawMasked(w, lettering, 0, 0, 0, 120, 560, 120, 24, 32);
  if (f.gs.keyScreenShown == 1) return;  // the key screen's panel covers the help
  if (plat::PadUsedLast()) {
    // The controller's buttons as the player has them.
    auto button = [](int key) -> WString {
      const auto& names = plat::CurrentSettings().pad[size_t(key)];
      return names.empty() ? WString(U"-") : plat::PadButtonLabel(plat::PadButtonOf(names[0]));
    };
    const auto& help = Texts(f.gs).pad.titleHelp;
    for (size_t k = 0; k < help.size(); ++k)
      plat::PrintText(w, 64, 288 + 32 * int(k),
                      FillIn(help[k], {{U"space", button(plat::kKeySpace)},
                                       {U"ctrl", button(plat::kKeyCtrl)},
                                       {U"shift", button(plat::kKeyShift)}}),
                      kWindowText);
    return;
  }
  const auto& help = Texts(f.gs).titleHelp;
  for (size_t k = 0; k < help.size(); ++k)
    plat::PrintText(w, 64, 288 + 32 * int(k), help[k], kWindowText);
  // In full screen the menu bar is hidden: how to open it.
  if (plat::Fullscreen())
    plat::PrintText(w, 64, 288 + 32 * int(help.size()), Texts(f.gs).titleMenuHelp, kWindowText);
}

void Form_Paint(Form1& f) {
  GameState& gs = f.gs;
  switch (gs.GameMode) {
    case kModeTitle:
      DrawTitle(f);
      break;
    case kModeHall:
      if (gs.drawRanking == 1)
        DrawRanking(f);
      else
        DrawHallView(f);
      break;
    case kModeRoom:
      DrawRoomView(f);
      break;
    case kModeBear:
      DrawBearGame(f);
      break;
    case kModeMatch:
      DrawMatch(f);
      break;
    default:
      break;
  }
  if (gs.drawStatus == 1) DrawStatus(f);
  if (gs.keyScreenShown == 1) DrawKeyScreen(f);
}

}  // namespace moki
