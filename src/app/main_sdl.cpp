// 大会にモキモキ: the game in a real window.
//   mokimoki --record FILE   records the session into FILE
//   mokimoki --play FILE     plays a recorded session back
#include <iostream>
#include <string>

#include "platform/platform.h"
#include "platform/recording.h"
#include "shell/form1.h"

int main(int argc, char** argv) {
  static moki::Form1 form;  // the window object lives for the program's life
  const std::string option = argc == 3 ? argv[1] : "";
  std::string err;
  if (option == "--record" && !plat::StartRecording(argv[2], err)) {
    std::cerr << "mokimoki: cannot record: " << err << "\n";
    return 2;
  }
  if (option == "--play" && !plat::StartPlayback(argv[2], err)) {
    std::cerr << "mokimoki: cannot play " << err << "\n";
    return 2;
  }
  plat::CreateMainWindow(U"大会にモキモキ");
  moki::ConnectWindow(form);
  moki::Form_Load(form);
  for (;;) plat::WaitEvents(-1);
}
