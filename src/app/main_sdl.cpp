// 大会にモキモキ: the game in a real window.
#include "platform/platform.h"
#include "platform/settings.h"
#include "shell/form1.h"

int main() {
  static moki::Form1 form;  // the window object lives for the program's life
  // The window opens as the player left it.
  plat::LoadSettings(plat::SettingsPath());
  plat::CreateMainWindow(U"大会にモキモキ");
  moki::ConnectWindow(form);
  moki::Form_Load(form);
  for (;;) plat::WaitEvents(-1);
}
