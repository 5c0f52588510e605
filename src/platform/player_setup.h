// What the player set up, as the platform is told it: the window's scale,
// full screen and scaling, and the keyboard keys and controller buttons of
// each of the game's actions. Whoever keeps them (the player's settings,
// above the platform) tells the platform at start and after each change;
// the platform reports back what the player changes in the window itself (a
// resize, F11, the scaling chosen), and keeps no file of its own.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace plat {

struct WindowSetup {
  int scale = 0;     // whole multiple of the picture; 0: the largest that fits
  bool fit = false;  // as large as it fits, rather than by whole multiples
  bool fullscreen = false;
};

// One of the game's actions: its name ("left"), the virtual key the game
// receives for it, and the keys (by their names, keyboard.h) and buttons (by
// their names, pad_buttons.h) the player gave it.
struct ActionKeys {
  std::string name;
  int vk = 0;
  std::vector<std::string> keys, buttons;
};

void SetWindowSetup(const WindowSetup& setup);
const WindowSetup& CurrentWindowSetup();
void SetActionKeys(std::vector<ActionKeys> actions);
const std::vector<ActionKeys>& Actions();

// Where the setup is kept. windowChanged: the player changed the window
// (false: it could not be kept). fresh: the setup a run starts from with no
// file (the headless backend's new run). load: the setup of a file a
// scenario names.
struct SetupKeeper {
  std::function<bool(const WindowSetup&)> windowChanged;
  std::function<void()> fresh;
  std::function<void(const std::string& file)> load;
};
void KeepSetupWith(SetupKeeper keeper);

}  // namespace plat

namespace plat::internal {
// The player changed the window: the setup in effect, reported to the keeper.
bool ChangeWindowSetup(const WindowSetup& setup);
// Asks the keeper for a fresh setup, or a file's.
void FreshSetup();
void LoadSetup(const std::string& file);
}  // namespace plat::internal
