// The window's menu bar: ファイル to start, continue and quit, 設定 for the
// keys, the language and how the picture is enlarged, ヘルプ for a fault report. Its words follow
// the language of the game.
#include <vector>

#include "platform/platform.h"
#include "player_files/sessions.h"
#include "shell/window_events.h"
#include "story/language.h"

namespace moki {

void SetGameMenuBar(const GameState& gs) {
  const int lang = gs.language;
  auto item = [lang](UiText text, int id) { return plat::MenuItem{UiString(lang, text), id}; };
  std::vector<plat::Menu> menus = {
      {UiString(lang, UiText::MenuFile),
       {item(UiText::MenuStart, plat::kMenuStart), item(UiText::MenuContinue, plat::kMenuContinue),
        item(UiText::MenuQuit, plat::kMenuQuit)}},
      {UiString(lang, UiText::MenuSettings), {item(UiText::MenuKeys, plat::kMenuKeys)}},
  };
  // One item for each language, named in the words of the game now (a
  // language that the game's words do not name, in its own); the one in use
  // is greyed.
  for (int other = 0; other < LanguageCount(); ++other) {
    const char32_t* name = other <= kLangEnglish
                               ? UiString(lang, UiText(int(UiText::LanguageJapanese) + other))
                               : UiString(other, UiText::ThisLanguage);
    menus[1].items.push_back({name, plat::kMenuLanguage + other});
    plat::SetMenuEnabled(plat::kMenuLanguage + other, other != lang);
  }
  // And how the picture is enlarged; the way in use is greyed too.
  menus[1].items.push_back(item(UiText::ScalingWhole, plat::kMenuWhole));
  menus[1].items.push_back(item(UiText::ScalingFit, plat::kMenuFit));
  plat::SetMenuEnabled(plat::kMenuWhole, plat::FitScaling());
  plat::SetMenuEnabled(plat::kMenuFit, !plat::FitScaling());
  // ヘルプ: a fault report, and the folder it goes to where the desktop opens folders.
  menus.push_back(
      {UiString(lang, UiText::MenuHelp), {item(UiText::MenuReport, plat::kMenuReport)}});
  if (plat::CanOpenFolders())
    menus.back().items.push_back(item(UiText::MenuOpenFolder, plat::kMenuOpenFolder));
  plat::SetMenuBar(menus);
}

}  // namespace moki
