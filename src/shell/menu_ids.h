// The ids of the window's menu items, one range for each group, so that a
// group can grow (a language more) without reaching the next: ファイル's
// items from 0, the languages from 100, ヘルプ's from 150, the picture's
// scaling from 200. A
// recording keeps an id in a byte: every id is below plat::kMenuIdLimit.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace moki {

enum MenuId : int {
  kMenuStart = 0,
  kMenuQuit = 1,
  kMenuContinue = 2,
  kMenuKeys = 3,
  kMenuLanguage = 100,    // one for each language: kMenuLanguage + its number
  kMenuReport = 150,      // a fault report: the session's recording so far
  kMenuOpenFolder = 151,  // the recordings' folder opened on the desktop
  kMenuWhole = 200,       // the picture by whole multiples
  kMenuFit = 201,         // the picture as large as it fits
};
static_assert(kMenuFit < plat::kMenuIdLimit);

// The items by the names scenarios give them (menu start, menu english, ...).
std::vector<std::pair<std::string, int>> MenuNames();

}  // namespace moki
