// The window's menu bar: ファイル to start, continue and quit, 設定 for the
// keys, the language and how the picture is enlarged, ヘルプ for a fault report. Its words follow
// the language of the game.
#include <vector>

#include "platform/platform.h"
#include "player_files/sessions.h"
#include "shell/menu_ids.h"
#include "shell/window_events.h"
#include "story/language.h"

namespace moki {

void SetGameMenuBar(const GameState& gs) {
  const int lang = gs.language;
  auto item = [lang](UiText text, int id) { return plat::MenuItem{UiString(lang, text), id}; };
  std::vector<plat::Menu> menus = {
      {UiString(lang, UiText::MenuFile),
       {item(UiText::MenuStart, kMenuStart), item(UiText::MenuContinue, kMenuContinue),
        item(UiText::MenuQuit, kMenuQuit)}},
      {UiString(lang, UiText::MenuSettings), {item(UiText::MenuKeys, kMenuKeys)}},
  };
  // One item for each language, named in the words of the game now (a
  // language that the game's words do not name, in its own); the one in use
  // is greyed.
  for (int other = 0; other < LanguageCount(); ++other) {
    menus[1].items.push_back({LanguageMenuName(lang, other), LanguageMenuId(other)});
    plat::SetMenuEnabled(LanguageMenuId(other), other != lang);
  }
  // And how the picture is enlarged; the way in use is greyed too.
  menus[1].items.push_back(item(UiText::ScalingWhole, kMenuWhole));
  menus[1].items.push_back(item(UiText::ScalingFit, kMenuFit));
  plat::SetMenuEnabled(kMenuWhole, plat::FitScaling());
  plat::SetMenuEnabled(kMenuFit, !plat::FitScaling());
  // ヘルプ: a fault report, and the folder it goes to where the desktop opens folders.
  menus.push_back({UiString(lang, UiText::MenuHelp), {item(UiText::MenuReport, kMenuReport)}});
  if (plat::CanOpenFolders())
    menus.back().items.push_back(item(UiText::MenuOpenFolder, kMenuOpenFolder));
  plat::SetMenuBar(menus);
}

int LanguageMenuId(int lang) {
  return kMenuLanguage + lang;
}

int LanguageOfMenuId(int id) {
  const int lang = id - kMenuLanguage;
  return lang >= 0 && lang < LanguageCount() ? lang : -1;
}

std::vector<std::pair<std::string, int>> MenuNames() {
  std::vector<std::pair<std::string, int>> names = {
      {"start", kMenuStart}, {"quit", kMenuQuit}, {"continue", kMenuContinue}, {"keys", kMenuKeys}};
  for (int lang = 0; lang < LanguageCount(); ++lang)
    names.emplace_back(lang == 0              ? std::string("japanese")
                       : lang == kLangEnglish ? std::string("english")
                                              : std::string(Texts(lang).code),
                       kMenuLanguage + lang);
  names.emplace_back("whole", kMenuWhole);
  names.emplace_back("fit", kMenuFit);
  names.emplace_back("report", kMenuReport);
  return names;
}

}  // namespace moki
