// mokimoki-scenario FILE: plays a scenario headless (virtual clock, scripted
// keys, captured frames) and prints the game state as JSON.
// mokimoki-scenario --replay FILE: plays a recorded session headless instead.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "platform/version.h"

#include "platform/scenario.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "platform/scenario.h"
#include "player_files/recording.h"
#include "player_files/settings.h"
#include "player_files/user_files.h"
#include "platform/text.h"
#include "shell/menu_ids.h"
#include "shell/window_events.h"

namespace {

constexpr const char* kUsage =
    "usage: mokimoki-scenario FILE\n"
    "       mokimoki-scenario --replay FILE\n";

constexpr const char* kHelp =
    "Plays the game Mokimoki at the Tournament (大会にモキモキ) without a window, on a\n"
    "virtual clock with a fixed random seed, from the scenario in FILE, and prints the\n"
    "game state as JSON; or plays a session recorded with 'mokimoki --record' (--replay).\n"
    "\n"
    "Scenario commands, one a line ('#' starts a comment):\n"
    "  seed N                   the random seed (first; default 1)\n"
    "  settings FILE            read the settings from FILE and write changes there\n"
    "  wait MS                  let MS virtual milliseconds pass\n"
    "  down KEY, up KEY         press or release one of the game's keys\n"
    "  press KEY [MS]           key down, held MS ms (default 50), key up\n"
    "  keydown NAME, keyup NAME, presskey NAME [MS]\n"
    "                           the same with a keyboard key by its SDL name (_ for a space)\n"
    "  resize W H               resize the window to W x H pixels\n"
    "  menu ITEM                start, continue, quit, keys, japanese, english, whole or fit\n"
    "  pad press|down|up BUTTON [MS]\n"
    "                           a controller's button by its SDL name (a, b, back, dpup, ...)\n"
    "  pad stick X Y            the controller's left stick (each -32768 to 32767)\n"
    "  close                    close the window\n"
    "  lang CODE                switch the language at once (ja, en, ...: --lang in\n"
    "                           mokimoki --help lists them)\n"
    "  until FIELD VALUE [MS]   wait until the state field equals VALUE (default 60000 ms)\n"
    "  shot FILE.png            write what the player sees\n"
    "  dump                     print the game state as one line of JSON\n"
    "Keys: left up right down shift ctrl space z x c 1 2 3 kp1 kp2 kp3 f11 enter esc alt\n"
    "\n"
    "Exit status: 0 at the end of the scenario or when the game quits (with --replay:\n"
    "the recorded end was reached), 1 when it was not or the game stopped on an error,\n"
    "2 for a file or line that cannot be read or a recording refused, 3 when an\n"
    "'until' runs out of time. See mokimoki-scenario(1).\n";

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
  moki::NameTheGame();
  std::string err;
  if (!plat::InitFonts(err)) {
    std::cerr << "mokimoki-scenario: " << err << "\n";
    return false;
  }
  plat::headless::Reset(1);
  plat::scenario::SetMenuNames(moki::MenuNames());  // a scenario names the game's menu items
  plat::headless::SetDumpSink([](const std::string& line) { std::cout << line << std::endl; });
  return true;
}

// Prints the final state like a scenario; the exit status says whether the
// recorded end was reached (0) or not (1); a recording refused is 2.
int Replay(const char* path) {
  if (!Prepare()) return 1;
  // MOKI_FRAME_HASHES=FILE: the hash of every frame shown, one a line, to
  // compare with the frames of the same session elsewhere (the browser's).
  static std::ofstream hashes;
  if (const char* file = std::getenv("MOKI_FRAME_HASHES"); file && *file) {
    hashes.open(file);
    plat::headless::SetFrameHook(
        [](const plat::Surface& frame) { hashes << plat::PictureHash(frame) << '\n'; });
  }
  std::string err;
  if (!plat::StartPlayback(path, err)) {
    std::cerr << "mokimoki-scenario: cannot play " << err << "\n";
    return 2;
  }
  return Play(true);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string first = argc > 1 ? argv[1] : "";
  if (argc == 2 && (first == "--help" || first == "-h")) {
    std::cout << kUsage << "\n" << kHelp;
    return 0;
  }
  if (argc == 2 && first == "--version") {
    std::cout << "mokimoki-scenario (大会にモキモキ) " MOKI_VERSION "\n";
    return 0;
  }
  if (argc == 3 && first == "--replay") return Replay(argv[2]);
  if (argc != 2 || (first.size() > 1 && first[0] == '-')) {
    std::cerr << kUsage << "Try 'mokimoki-scenario --help' for more.\n";
    return 2;
  }
  // Its size and kind are looked at before a byte is read: a huge file or a
  // device is refused at once.
  std::string text, err;
  if (plat::ReadGivenFile(argv[1], text, err, plat::scenario::kMostScriptBytes) !=
      plat::ReadStatus::Ok) {
    std::cerr << "mokimoki-scenario: cannot read " << (err.empty() ? argv[1] : err) << "\n";
    return 2;
  }
  if (!Prepare()) return 1;
  if (!plat::headless::LoadScenario(text, err)) {
    std::cerr << argv[1] << ": " << err << "\n";
    return 2;
  }
  return Play(false);
}
