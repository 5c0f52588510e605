// Pieces shared by the two backends; not for the game.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/player_setup.h"
#include "platform/session.h"
#include "platform/surface.h"

namespace plat::internal {

// Random generator state (both backends draw from the same generator).
void SeedRandom(uint64_t seed);

// Control state shared by both backends' compositions.
struct Controls {
  bool labelVisible = false;
  bool yesNoVisible[2] = {false, false};
  const Surface* yesNo[2] = {nullptr, nullptr};
  std::set<int> menuDisabled;  // the ids of the items the game disabled
  std::vector<Menu> menus;
  // The menu bar: whether a menu is dropped down, which, and its highlighted item.
  bool menuOpen = false;
  int menuIndex = 0;
  int menuCursor = 0;
  bool altAlone = false;     // Alt is down and nothing else was pressed since
  bool pageEndMark = false;  // the blinking ▼ of a page waiting for Space
  uint32_t markSince = 0;    // the tick it came on at
  bool markLit = false;      // its state in the frame being shown
  bool boxUp = false;
  std::u32string boxText, boxCaption;
  // A question's two buttons, yes and no, in the game's words (none: OK
  // alone), the one Return chooses, and the one chosen once it is answered.
  std::vector<std::u32string> boxButtons;
  int boxLit = 0;
  int boxChosen = -1;
};
Controls& GetControls();

// Composes what the player sees of the play area: the window's picture with
// Label1, the yes/no picture and the message box over it.
void ComposePlayArea(const Surface& window, Surface& out);
// Whether Label1, a yes/no picture or the message box is up.
bool ControlsUp();
// What the player sees of the play area: the window's picture itself while
// no control is up (no copy), otherwise out, composed as above.
const Surface& PlayAreaSeen(const Surface& window, Surface& out);

// The message box as drawn over the play area; the OK button's rectangle is
// returned so the SDL backend can hit-test clicks.
struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};
// Where a message box stands, the lines it shows and its buttons: wide and
// tall enough for its whole text, its caption and its buttons' words where
// the play area has room. No buttons given: OK alone.
struct MessageBoxShape {
  int x = 0, y = 0, w = 0, h = 0;
  int textW = 0;       // the width its lines are laid out in
  int shownLines = 0;  // how many lines it has room for
  std::vector<std::u32string> lines;
  std::vector<std::u32string> buttonTexts;
  std::vector<Rect> buttons;  // side by side, centred under the text
};
MessageBoxShape MessageBoxLayout(const std::u32string& text, const std::u32string& caption,
                                 const std::vector<std::u32string>& buttons = {});
// The button of the box that is up under a point of the play area; -1: none.
int MessageBoxButtonAt(int x, int y);
// The box that is up as keys, buttons and the pointer work it: whether it
// asks a question (its buttons yes, 0, and no, 1), the other button lit,
// and the box closed with a button chosen.
bool BoxAsks();
void StepBoxButton();
void AnswerBox(int button);

// The menu bar as worked by keys, buttons and the mouse, the same in both
// backends. Opening a menu highlights its first item that can be chosen; the
// cursor steps over items that cannot; choosing closes the menu and hands the
// item's id to the game.
void OpenMenu(int index);
void CloseMenu();
void MoveMenuCursor(int step);  // +1 down, -1 up, wrapping
void ChooseMenuItem(int item);

// The menu bar as drawn (menu_bar_draw.cpp): the bar itself, kMenuBarH high,
// and what the player sees of the play area under it: play as
// PlayAreaSeen gives it, with the open menu dropped over it (and in full
// screen, barInPicture false, the bar too). composed is the room for it.
void DrawMenuBar(Surface& out);
const Surface& WithMenu(const Surface& play, Surface& bar, Surface& composed, bool barInPicture);
// The item of the open menu, or the menu whose title, is under a point of
// the picture whose top is the bar's; -1: none.
int MenuItemAt(int x, int y);
int MenuTitleAt(int x, int y);

// How the platform's words on standard error begin: "NAME: " with the
// program's name (GameNames), "" before the game told it.
std::string MessageLead();

}  // namespace plat::internal

namespace plat::internal {
// Something other than the game's picture changed (a control, the menu, the
// window itself was uncovered or resized): the next frame is sent to the
// screen whatever its pixels.
void MarkDirty();
// The game drew on the window: the next frame is sent if its pixels changed.
void MarkDrawn();
bool NeedsPresent();
// The tick count at which the page-end mark next goes on or off; -1 while it
// is off. A wait for events sleeps no longer than until then.
int64_t NextMarkBlink();
// Whether the frame about to be shown, the window's picture with the
// controls over it, may differ from the last one sent: the window was drawn
// on since (its version tells, without looking at the pixels), or a control
// changed. The window's version is remembered as sent.
bool FrameChanged(const Surface& window);
// The same asked beforehand, changing nothing; true also while the page-end
// mark blinks.
bool FrameMayChange(const Surface& window);
// Call after a frame was shown, or found unchanged and not sent again.
void PresentedNow();
}  // namespace plat::internal

namespace plat::internal {
// --- The keyboard, through the player's keys (platform/keyboard.cpp) ----------
// The table from keyboard keys to the game's, made from the actions' keys
// (player_setup.h).
void RouteKeys();
// Forgets the keys held down and any wait for a new key.
void ForgetHeldKeys();
// The virtual key a keyboard key (SDL keycode) stands for; 0: none.
int BoundVk(int32_t keycode);
// The key as the window knows it (window_input.h): VK_UP, VK_RETURN for
// either Enter, VK_MENU for either Alt, 'A' to 'Z' and so on; 0: none of its.
int WindowKeyOf(int32_t keycode);
// A keyboard key went down. While the key screen waits for a new key, the key
// goes there and 0 is returned; otherwise its virtual key (0: none), which is
// also what KeyboardUp gives when the key goes up.
int KeyboardDown(int32_t keycode, bool repeat);
int KeyboardUp(int32_t keycode);
bool CapturingKey();
// Hands the key screen the new key or button it waits for (a button as
// "pad:" and its name) and stops waiting.
void DeliverCapturedKey(const std::string& name);

// --- The window as the player left it ---------------------------------------------
constexpr int kMenuBarH = 20;
constexpr int kWindowH = kPlayH + kMenuBarH;  // the picture with the menu bar
constexpr double kResizeSettleMs = 500;
// The scale the window opens at: the remembered one, as far as `most` lets
// it, or `fit` (the largest that fits comfortably) when none is remembered.
int OpeningScale(int fit, int most);
bool OpeningFullscreen();
void WindowOpened(int scale);
// The player resized the window at nowMs. Once the sizes have settled
// (ResizeSettled turns true, once), the backend records the scale shown.
void WindowResized(double nowMs);
double ResizeDeadline();  // < 0: nothing to settle
bool ResizeSettled(double nowMs);
// The scale the window shows, or its full screen, as the player made it:
// reported to the setup's keeper when it differs from the setup
// (window_resize.cpp).
void RecordScale(int scale);
void RecordFullscreen(bool on);
}  // namespace plat::internal
