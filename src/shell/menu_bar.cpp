// The window's menu bar.
#include "platform/platform.h"
#include "shell/form1.h"

namespace moki {

void SetGameMenuBar() {
  plat::SetMenuBar({{U"ファイル(&F)",
                     {{U"スタート(&S)", plat::kMenuStart},
                      {U"つづきから(&C)", plat::kMenuContinue},
                      {U"終了(&X)", plat::kMenuQuit}}}});
}

}  // namespace moki
