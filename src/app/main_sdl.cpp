// 大会にモキモキ: the game in a real window.
#include <cstdlib>
#include <iostream>
#include <string>

#include "app/command_line.h"
#include "platform/platform.h"
#include "platform/recording.h"
#include "platform/settings.h"
#include "shell/form1.h"
#include "story/language.h"

int main(int argc, char** argv) {
  // The command line is answered before anything opens a window.
  moki::CommandLine cl;
  std::string error;
  if (!moki::ParseCommandLine(argc, argv, cl, error)) {
    std::cerr << "mokimoki: " << error << "\nTry 'mokimoki --help' for the options.\n";
    return moki::kExitUsage;
  }
  if (cl.help) {
    std::cout << moki::HelpText();
    return moki::kExitOk;
  }
  if (cl.version) {
    std::cout << moki::VersionText();
    return moki::kExitOk;
  }
  if (!cl.record.empty() && !plat::StartRecording(cl.record, error)) {
    std::cerr << "mokimoki: cannot record: " << error << "\n";
    return moki::kExitUsage;
  }
  if (!cl.play.empty() && !plat::StartPlayback(cl.play, error)) {
    std::cerr << "mokimoki: cannot play " << error << "\n";
    return moki::kExitUsage;
  }
  static moki::Form1 form;  // the window object lives for the program's life
  // The window opens as the player left it.
  plat::LoadSettings(plat::SettingsPath());
  plat::CreateMainWindow(U"大会にモキモキ");
  moki::ConnectWindow(form);
  moki::Form_Load(form);
  // --lang for this run; else the language chosen from the menu, which
  // Form_Load has set; else, on the first start, the desktop's.
  int lang = cl.lang;
  if (lang < 0 && moki::LanguageFromCode(plat::GameSetting("language").c_str()) < 0)
    lang = moki::LanguageFromLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                    std::getenv("LANG"));
  if (lang >= 0 && lang != form.gs.language) plat::ChooseLanguage(moki::Texts(lang).code);
  for (;;) plat::WaitEvents(-1);
}
