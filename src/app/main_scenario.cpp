// mokimoki-scenario FILE: plays a scenario headless (virtual clock, scripted
// keys, captured frames) and prints the game state as JSON.
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/headless.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "shell/form1.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: mokimoki-scenario FILE\n";
    return 2;
  }
  std::ifstream in(argv[1]);
  if (!in) {
    std::cerr << "mokimoki-scenario: cannot read " << argv[1] << "\n";
    return 2;
  }
  std::stringstream text;
  text << in.rdbuf();
  std::string err;
  if (!plat::InitFonts(err)) {
    std::cerr << "mokimoki-scenario: " << err << "\n";
    return 1;
  }
  plat::headless::Reset(1);
  plat::headless::SetDumpSink([](const std::string& line) { std::cout << line << std::endl; });
  if (!plat::headless::LoadScenario(text.str(), err)) {
    std::cerr << argv[1] << ": " << err << "\n";
    return 2;
  }
  static moki::Form1 form;
  moki::ConnectWindow(form);
  return plat::headless::Run([] {
    moki::Form_Load(form);
    plat::headless::MainLoop();
  });
}
