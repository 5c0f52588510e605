// The window's menu bar: ファイル to start, continue and quit, 設定 for the
// keys, the language and how the picture is enlarged. Its words follow the language of the game.
#include <vector>

#include "platform/platform.h"
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
    menus[1].items.push_back({LanguageMenuName(lang, other), LanguageMenuId(other)});
    plat::SetMenuEnabled(LanguageMenuId(other), other != lang);
  }
  // And how the picture is enlarged; the way in use is greyed too.
  menus[1].items.push_back(item(UiText::ScalingWhole, plat::kMenuWhole));
  menus[1].items.push_back(item(UiText::ScalingFit, plat::kMenuFit));
  plat::SetMenuEnabled(plat::kMenuWhole, plat::FitScaling());
  plat::SetMenuEnabled(plat::kMenuFit, !plat::FitScaling());
  plat::SetMenuBar(menus);
}

int LanguageMenuId(int lang) {
  return lang < 2 ? plat::kMenuLanguage + lang : plat::kMenuMoreLanguages + lang - 2;
}

int LanguageOfMenuId(int id) {
  for (int lang = 0; lang < LanguageCount(); ++lang)
    if (LanguageMenuId(lang) == id) return lang;
  return -1;
}

}  // namespace moki
