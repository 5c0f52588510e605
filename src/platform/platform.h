// What the game asks of its platform: the window with its controls, the frame
// timer, the tick counter, the event pump, random numbers, and ending the
// program. Two backends implement it: SDL2 for players, headless for tests.
// Only src/platform knows how.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/surface.h"

namespace plat {

constexpr int kPlayW = 608;
constexpr int kPlayH = 448;

// Virtual-key codes the game receives.
enum VKey : int {
  VK_TAB = 9,  // the window's, for a question box's buttons; never the game's
  VK_SHIFT = 16,
  VK_CONTROL = 17,
  VK_MENU = 18,  // Alt: the window's menu bar, never the game's
  VK_RETURN = 13,
  VK_ESCAPE = 27,
  VK_SPACE = 32,
  VK_LEFT = 37,
  VK_UP = 38,
  VK_RIGHT = 39,
  VK_DOWN = 40,
  VK_1 = 49,
  VK_2 = 50,
  VK_3 = 51,
  VK_C = 67,
  VK_X = 88,
  VK_Z = 90,
  VK_NUMPAD1 = 97,
  VK_NUMPAD2 = 98,
  VK_NUMPAD3 = 99,
  VK_F11 = 122,  // full screen: the window's, never the game's
};

// What a controller's buttons do besides the game's keys (gamepad.h): on
// the title Start and A open the menu; on a screen of the window's own the
// d-pad, A and B are the cursor keys, Enter and Escape.
enum PadScreen : int { kPadPlay, kPadTitle, kPadWindowScreen };

// The window's event handlers, set once by the window object.
struct Handlers {
  std::function<void(int)> keyDown;
  std::function<void(int)> keyUp;
  std::function<void()> paint;
  std::function<void()> timer;
  std::function<void(int)> menu;                     // id of the chosen menu item
  std::function<const std::u32string&()> labelText;  // the current text of Label1
  std::function<std::string()> dumpJson;             // the game state as a JSON object
  std::function<bool(const std::string&, std::string&)> fieldJson;  // one field as JSON
  std::function<bool(const std::string&)> language;  // switch to the language of a code ("en")
  // The key the player pressed while the key screen waited for one
  // (CaptureNextKey), by its keyboard name; false: nothing was waiting.
  std::function<bool(const std::string&)> keyChosen;
  // The player closes the window; the program ends after it returns.
  std::function<void()> close;
  std::function<int()> padScreen;  // the PadScreen the game is on
  std::function<void()>
      inputChanged;  // the keyboard or a controller, whichever was not, was pressed
};
void SetHandlers(Handlers h);

// --- The window -------------------------------------------------------------
// Opens the main window with its caption and menu bar (the headless backend
// has nothing to open). On failure the program stops with a clear message.
void CreateMainWindow(const std::u32string& caption);
// Hands the game a language chosen on the command line ("ja", "en"), as an
// event of its own (a recording keeps it).
void ChooseLanguage(const std::string& code);
// Changes the window's caption (when the language changes).
void SetCaption(const std::u32string& caption);
// The 608 x 448 play area. The game draws on it; Present shows it.
Surface& Window();
// Shows the window's picture now, with the controls over it. Paced to at most
// one frame per display refresh (1/60 s). A frame like the last one sent
// keeps its place in time but is not sent to the screen again.
void Present();
// Repaints at once: runs the paint handler, then shows the result.
void Refresh();
// Whether a key-down of vk is waiting to be handled (not an auto-repeat of a
// held key). Lets a long run of frames end early for the player's key; the
// event itself is handled as usual, after the frames.
bool KeyDownWaiting(int vk);

// Where the game puts Label1, the message label, and how large it is; and
// where the two yes/no pictures go.
void PlaceControls(int labelLeft, int labelTop, int labelWidth, int labelHeight, int yesNoLeft,
                   int yesNoTop);
// Label1, the message label.
void SetLabelVisible(bool visible);
bool LabelVisible();
// The two yes/no pictures; the game hands their images over once.
void SetYesNoPictures(const Surface* yes, const Surface* no);
void SetYesNoVisible(int index, bool visible);
bool YesNoVisible(int index);

// A screen over the game (the key screen) stops it and covers its controls:
// HoldControls stops the timer, hides Label1 and the yes/no pictures and
// disables the menu items given, and returns how all of them were;
// RestoreControls puts back exactly those, repaints, then starts the timer
// again if it ran.
struct HeldControls {
  bool timer = false, label = false, yesNo[2] = {false, false};
  std::vector<std::pair<int, bool>> menuItems;  // id, enabled
};
HeldControls HoldControls(const std::vector<int>& menuIds);
void RestoreControls(const HeldControls& held);

// --- The menu bar ------------------------------------------------------------
// The game gives its menu items ids from 0 to kMenuIdLimit - 1; the menu
// handler receives them.
constexpr int kMenuIdLimit = 256;
// "&" marks the access key in a title or label, as in U"&Start"; it is
// shown underlined, without the "&".
struct MenuItem {
  std::u32string label;
  int id = 0;
};
struct Menu {
  std::u32string title;
  std::vector<MenuItem> items;
};
// Sets the menus of the bar (at start-up, and again to relabel them). Until
// the game sets it, the bar is empty.
void SetMenuBar(const std::vector<Menu>& menus);
const std::vector<Menu>& MenuBar();
// Items are enabled until the game disables them (an id out of range never is).
void SetMenuEnabled(int id, bool enabled);
bool MenuEnabled(int id);
// The access key of a title or label (the letter after "&"), and the text as
// shown, without the "&".
char32_t AccessKey(const std::u32string& label);
std::u32string ShownLabel(const std::u32string& label);

// The mark at the end of a page: while it is on and Label1 is shown, a small
// ▼ blinks twice a second at the bottom right inside the label, lit first.
// Only the mark's few pixels change at each blink, and a wait for events
// wakes at the blinks and at nothing else of its own.
void SetPageEndMark(bool on);
bool PageEndMark();

// How the picture is enlarged: shown at once, and told to whoever keeps the
// window's setup (player_setup.h).
void SetFitScaling(bool fit);
bool FitScaling();
// Whether the window covers the screen (F11): the menu bar is then hidden
// until Alt or the controller's Back opens it.
bool Fullscreen();

// Modal message box with an OK button; returns when it is closed. While it is
// up no key handler runs and no timer tick starts.
void MessageBox(const std::u32string& text, const std::u32string& caption);
// The same box asking a question, with two buttons in the game's words:
// true when the player chose yes. The no button is lit first; Left, Right
// and Tab move between the two, Return and Space choose the lit one, Escape
// is no; the pointer clicks either; a controller's d-pad moves, A chooses,
// B is no.
bool AskYesNo(const std::u32string& text, const std::u32string& caption, const std::u32string& yes,
              const std::u32string& no);

// --- Timer1, clock and events ------------------------------------------------
constexpr uint32_t kTimerInterval = 30;
void SetTimerEnabled(bool enabled);
bool TimerEnabled();
// Milliseconds since start-up.
uint32_t GetTickCount();
// Handles every pending event (keys, repaints, menu, a due timer tick) and
// returns without waiting.
void DoEvents();
// Handles pending events; when there are none, sleeps until an event arrives
// or the tick count reaches deadline (deadline < 0: no deadline).
void WaitEvents(int64_t deadline);
// Ends the program at once with exit status 0.
[[noreturn]] void Quit();

// --- Random numbers ------------------------------------------------------------
// Uniform real in [0, 1).
double Rnd();
// Reseeds from the clock, mixing the clock into the generator's state so that
// two reseeds within one millisecond still give different draws.
void Randomize();

// --- Files and errors -------------------------------------------------------------
// The game's names, as the platform shows them or looks for them: told once,
// first thing, before the platform looks for a file or opens a window.
struct GameNames {
  // The program's: its words on standard error begin "NAME: ", its icon is
  // icons/.../NAME.png, and installed as
  // PREFIX/games/NAME it keeps its data in PREFIX/share/games/NAME.
  std::string program;
  // The desktop's name for the game's windows (X11 class, Wayland app id):
  // the name of its menu entry.
  std::string windowClass;
  // The window's caption until the game sets one (a fatal error's box shows it).
  std::u32string caption;
};
void SetGameNames(GameNames names);
const GameNames& GetGameNames();
// The folder holding data/ and assets/ (no trailing slash): the executable's
// own folder in a build, PREFIX/share/games/NAME for an executable installed
// as PREFIX/games/NAME (GameNames::program).
std::string ProgramDir();
// Shows msg in a message box (when there is a window), prints it on standard
// error, and ends the program with a non-zero status.
[[noreturn]] void FatalError(const std::string& msg);

}  // namespace plat
