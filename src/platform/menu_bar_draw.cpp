// The menu bar as every backend draws it into the picture: titles side by
// side from the left, each with its access key underlined; the open menu
// drops down under its title. Where the pointer falls in it, too.
#include <algorithm>

#include "platform/internal.h"
#include "platform/text.h"

namespace plat::internal {

namespace {

constexpr int kDropY = kMenuBarH, kItemH = 24;
constexpr int kTitleGap = 16, kBarLeft = 10;

const std::vector<Menu>& Menus() {
  return GetControls().menus;
}

Controls& MenuC() {
  return GetControls();
}

int TitleLeft(int index) {
  int x = kBarLeft;
  for (int i = 0; i < index; ++i)
    x += TextWidth(ShownLabel(Menus()[size_t(i)].title), FontKind::Regular) + kTitleGap;
  return x;
}

int DropWidth(const Menu& m) {
  int w = 150;
  for (const MenuItem& item : m.items)
    w = std::max(w, TextWidth(ShownLabel(item.label), FontKind::Regular) + 48);
  return w;
}

// Prints a label with its access key underlined.
void PrintLabel(Surface& out, int x, int y, const std::u32string& label, Color c) {
  std::u32string shown = ShownLabel(label);
  PrintText(out, x, y, shown, c, FontKind::Regular);
  size_t amp = label.find(U'&');
  if (amp == std::u32string::npos || amp >= shown.size()) return;
  int ux = x + TextWidth(shown.substr(0, amp), FontKind::Regular);
  DrawLine(out, ux, y + 15, ux + TextWidth(shown.substr(amp, 1), FontKind::Regular) - 1, y + 15, c);
}

// The open menu hangs over the play area: drawn there with its top at dropY.
void DrawMenuDrop(Surface& out, int dropY) {
  if (!MenuC().menuOpen || MenuC().menuIndex >= int(Menus().size())) return;
  const Color bar = RGB(236, 236, 240), text = kBlack, grey = RGB(150, 150, 156);
  const Color highlight = RGB(60, 90, 170);
  const Menu& m = Menus()[size_t(MenuC().menuIndex)];
  const int left = TitleLeft(MenuC().menuIndex) - kBarLeft, w = DropWidth(m);
  const int n = int(m.items.size());
  FillBox(out, left + 3, dropY + 3, left + w + 2, dropY + n * kItemH + 6, RGB(30, 30, 40));
  FillBox(out, left, dropY, left + w - 1, dropY + n * kItemH + 3, bar);
  DrawRect(out, left, dropY, left + w - 1, dropY + n * kItemH + 3, RGB(120, 120, 130));
  for (int i = 0; i < n; ++i) {
    const MenuItem& item = m.items[size_t(i)];
    bool enabled = MenuEnabled(item.id);
    int y = dropY + 2 + i * kItemH;
    Color c = enabled ? text : grey;
    if (i == MenuC().menuCursor) {
      FillBox(out, left + 2, y, left + w - 3, y + kItemH - 1, highlight);
      if (enabled) c = kWhite;
    }
    PrintLabel(out, left + 24, y + 4, item.label, c);
  }
}

}  // namespace

// The menu bar, on a picture of its own above the play area.
void DrawMenuBar(Surface& out) {
  const Color bar = RGB(236, 236, 240), text = kBlack;
  const Color highlight = RGB(60, 90, 170);
  FillBox(out, 0, 0, kPlayW - 1, kMenuBarH - 1, bar);
  DrawLine(out, 0, kMenuBarH - 1, kPlayW - 1, kMenuBarH - 1, RGB(180, 180, 190));
  for (size_t i = 0; i < Menus().size(); ++i) {
    const bool open = MenuC().menuOpen && int(i) == MenuC().menuIndex;
    const int x = TitleLeft(int(i));
    const int w = TextWidth(ShownLabel(Menus()[i].title), FontKind::Regular);
    if (open) FillBox(out, x - 8, 1, x + w + 6, kMenuBarH - 2, highlight);
    PrintLabel(out, x, 2, Menus()[i].title, open ? kWhite : text);
  }
}

// The item of the open menu under a point of the picture, or -1.
int MenuItemAt(int x, int y) {
  if (!MenuC().menuOpen || MenuC().menuIndex >= int(Menus().size())) return -1;
  const Menu& m = Menus()[size_t(MenuC().menuIndex)];
  const int left = TitleLeft(MenuC().menuIndex) - kBarLeft;
  if (x < left || x >= left + DropWidth(m) || y < kDropY + 2) return -1;
  int item = (y - kDropY - 2) / kItemH;
  return item < int(m.items.size()) ? item : -1;
}

// The menu whose title is under a point of the bar, or -1.
int MenuTitleAt(int x, int y) {
  if (y < 0 || y >= kMenuBarH) return -1;
  for (size_t i = 0; i < Menus().size(); ++i) {
    int left = TitleLeft(int(i)) - kTitleGap / 2;
    int right = TitleLeft(int(i)) + TextWidth(ShownLabel(Menus()[i].title), FontKind::Regular) +
                kTitleGap / 2;
    if (x >= left && x < right) return int(i);
  }
  return -1;
}

const Surface& WithMenu(const Surface& play, Surface& bar, Surface& composed, bool barInPicture) {
  // The play area goes out as the game drew it, with no copy, unless a
  // control or the open menu lies over it.
  DrawMenuBar(bar);
  const Surface* out = &PlayAreaSeen(play, composed);
  if (MenuC().menuOpen) {
    if (out != &composed) composed = play;
    // In full screen the bar shows over the play area while a menu is open.
    if (!barInPicture) BitBlt(composed, 0, 0, kPlayW, kMenuBarH, bar, 0, 0, Rop::Copy);
    DrawMenuDrop(composed, barInPicture ? kDropY - kMenuBarH : kDropY);
    out = &composed;
  }
  return *out;
}

}  // namespace plat::internal
