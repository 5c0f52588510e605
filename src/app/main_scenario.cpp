// mokimoki-scenario FILE: plays a scenario headless (virtual clock, scripted
// keys, captured frames) and prints the game state as JSON.
// mokimoki-scenario --replay FILE: plays a recorded session headless instead.
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/headless.h"
#include "platform/platform.h"
#include "platform/recording.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "shell/form1.h"

namespace {

// replay: the settings are read first, as the game in the window read them
// before it opened (the recording hands over what it read then); a
// recording may end as early as that.
int Play(bool replay) {
  static moki::Form1 form;  // the window object lives for the program's life
  moki::ConnectWindow(form);
  return plat::headless::Run([replay] {
    if (replay) plat::LoadSettings(plat::SettingsPath());
    moki::Form_Load(form);
    plat::headless::MainLoop();
  });
}

// The fonts, a fresh headless run, and dumps printed as they come; false
// (with the reason printed) when the fonts cannot be found.
bool Prepare() {
  std::string err;
  if (!plat::InitFonts(err)) {
    std::cerr << "mokimoki-scenario: " << err << "\n";
    return false;
  }
  plat::headless::Reset(1);
  plat::headless::SetDumpSink([](const std::string& line) { std::cout << line << std::endl; });
  return true;
}

// Prints the final state like a scenario; the exit status says whether the
// recorded end was reached (0) or not (1); a recording refused is 2.
int Replay(const char* path) {
  if (!Prepare()) return 1;
  std::string err;
  if (!plat::StartPlayback(path, err)) {
    std::cerr << "mokimoki-scenario: cannot play " << err << "\n";
    return 2;
  }
  return Play(true);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--replay") return Replay(argv[2]);
  if (argc != 2) {
    std::cerr << "usage: mokimoki-scenario FILE\n       mokimoki-scenario --replay FILE\n";
    return 2;
  }
  std::ifstream in(argv[1]);
  if (!in) {
    std::cerr << "mokimoki-scenario: cannot read " << argv[1] << "\n";
    return 2;
  }
  std::stringstream text;
  text << in.rdbuf();
  if (!Prepare()) return 1;
  std::string err;
  if (!plat::headless::LoadScenario(text.str(), err)) {
    std::cerr << argv[1] << ": " << err << "\n";
    return 2;
  }
  return Play(false);
}
