// 大会にモキモキ: the game in a real window.
#include <cstdlib>
#include <iostream>
#include <string>

#include "app/command_line.h"
#include "platform/platform.h"
#include "player_files/recording.h"
#include "player_files/sessions.h"
#include "player_files/settings.h"
#include "player_files/user_files.h"
#include "shell/save_game.h"
#include "shell/window_events.h"
#include "story/language.h"

int main(int argc, char** argv) {
  moki::NameTheGame();
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
  if (!cl.record.empty()) {
    // Never the player's save or settings, even where neither is yet.
    for (const std::string& own : {moki::SavePath(), plat::SettingsPath()})
      if (plat::SameFile(cl.record, own)) {
        std::cerr << "mokimoki: cannot record: " << cl.record
                  << " is where the game keeps the player's "
                  << (own == plat::SettingsPath() ? "settings" : "save") << "\n";
        return moki::kExitUsage;
      }
    if (!plat::StartRecording(cl.record, error)) {
      std::cerr << "mokimoki: cannot record: " << error << "\n";
      return moki::kExitUsage;
    }
    std::cerr << "mokimoki: recording this session to " << cl.record << ". "
              << plat::kRecordingHolds << "\n";
  }
  if (!cl.play.empty() && !plat::StartPlayback(cl.play, error)) {
    std::cerr << "mokimoki: cannot play " << error << "\n";
    return moki::kExitUsage;
  }
  // Every other session is recorded for a fault report, the last few kept.
  if (cl.record.empty() && cl.play.empty())
    plat::StartSession(plat::KeepSetting(plat::SettingsPath()));
  static moki::Form1 form;  // the window object lives for the program's life
  // The window opens as the player left it, in the language of --lang for
  // this run, else the one chosen from the menu, else (on the first start)
  // the desktop's.
  plat::LoadSettings(plat::SettingsPath());
  int lang = cl.lang;
  if (lang < 0) lang = moki::LanguageFromCode(plat::GameSetting("language").c_str());
  if (lang < 0)
    lang = moki::LanguageFromLocale(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                    std::getenv("LC_MESSAGES"), std::getenv("LANG"));
  plat::CreateMainWindow(moki::UiString(lang, moki::UiText::Caption));
  moki::ConnectWindow(form);
  moki::Form_Load(form);  // in the language of the menu's choice
  // This run's language, handed over as an event (a recording keeps it), even
  // when it is the menu's choice: the game speaks it from here on, and the
  // boxes of the start (another copy on the save, a session that ended
  // unexpectedly) wait for it.
  plat::ChooseLanguage(moki::Texts(lang).code);
  for (;;) plat::WaitEvents(-1);
}
