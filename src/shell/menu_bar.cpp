// The window's menu bar: ファイル to start and quit, 設定 for the keys.
#include <vector>

#include "platform/platform.h"
#include "shell/form1.h"

namespace moki {

namespace {

std::vector<plat::Menu> GameMenus() {
  return {
      {U"ファイル(&F)", {{U"スタート(&S)", plat::kMenuStart}, {U"終了(&X)", plat::kMenuQuit}}},
      {U"設定(&O)", {{U"キー設定(&K)", plat::kMenuKeys}}},
  };
}

}  // namespace

void SetGameMenuBar() {
  plat::SetMenuBar(GameMenus());
}

}  // namespace moki
