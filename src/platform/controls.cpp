#include <algorithm>

#include "platform/internal.h"
#include "platform/text.h"

namespace plat::internal {

namespace {
Handlers g_handlers;
Controls g_controls;

// Where the game put the label, its size, and the yes/no pictures (PlaceControls).
int g_labelLeft = 0, g_labelTop = 0, g_labelW = 0, g_labelH = 0;
int g_yesNoLeft = 0, g_yesNoTop = 0;
// A message box is 280 x 128 with three lines of text; a longer text widens
// it, then makes it taller, up to the play area.
constexpr int kBoxW = 280, kBoxH = 128;
constexpr int kBoxLines = 3, kBoxLineH = 18, kBoxMargin = 8, kBoxWiden = 40;
constexpr int kButtonW = 80, kButtonGap = 16;
constexpr Color kFrame = RGB(40, 44, 70);
constexpr Color kCaptionBar = RGB(48, 72, 140);
constexpr Color kButtonFace = RGB(224, 224, 228);
// The page-end mark: a ▼ 9 pixels wide and 5 high, in the bottom right
// corner of the label, on its last line (no page of the scripts fills it),
// and lit and dark for a quarter second each.
int MarkLeft() {
  return g_labelLeft + g_labelW - 16;
}
int MarkTop() {
  return g_labelTop + g_labelH - 12;
}
constexpr uint32_t kMarkBlinkMs = 250;

void DrawPageEndMark(Surface& out) {
  for (int row = 0; row < 5; ++row)
    DrawLine(out, MarkLeft() + row, MarkTop() + row, MarkLeft() + 8 - row, MarkTop() + row, kBlack);
}

void DrawLabel(Surface& out, const std::u32string& text) {
  FillBox(out, g_labelLeft, g_labelTop, g_labelLeft + g_labelW - 1, g_labelTop + g_labelH - 1,
          kWhite);
  // A thin frame just outside the box, so the white label reads as a window.
  DrawRect(out, g_labelLeft - 1, g_labelTop - 1, g_labelLeft + g_labelW, g_labelTop + g_labelH,
           kFrame);
  DrawRect(out, g_labelLeft - 2, g_labelTop - 2, g_labelLeft + g_labelW + 1,
           g_labelTop + g_labelH + 1, kFrame);
  // The label never scrolls or widens: lines past its height are cut off.
  Surface box(g_labelW, g_labelH, kWhite);
  auto lines = LayoutLabel(text, g_labelW);
  for (size_t i = 0; i < lines.size() && int(i) < g_labelH / kLabelLineHeight; ++i)
    PrintText(box, 0, int(i) * kLabelLineHeight, lines[i], kBlack, FontKind::Regular);
  BitBlt(out, g_labelLeft, g_labelTop, g_labelW, g_labelH, box, 0, 0, Rop::Copy);
}

void DrawButton(Surface& out, const Rect& r, const std::u32string& text, bool lit) {
  FillBox(out, r.x, r.y, r.x + r.w - 1, r.y + r.h - 1, kButtonFace);
  DrawRect(out, r.x, r.y, r.x + r.w - 1, r.y + r.h - 1, kFrame);
  // A question's lit button, the one Return chooses, has a dark inner frame.
  const Color inner = lit ? kCaptionBar : RGB(150, 150, 160);
  DrawRect(out, r.x + 2, r.y + 2, r.x + r.w - 3, r.y + r.h - 3, inner);
  if (lit) DrawRect(out, r.x + 3, r.y + 3, r.x + r.w - 4, r.y + r.h - 4, inner);
  PrintText(out, r.x + (r.w - TextWidth(text, FontKind::Bold)) / 2, r.y + 4, text, kBlack,
            FontKind::Bold);
}

void DrawMessageBox(Surface& out, const Controls& c) {
  const MessageBoxShape box = MessageBoxLayout(c.boxText, c.boxCaption, c.boxButtons);
  const int x = box.x, y = box.y, w = box.w, h = box.h;
  FillBox(out, x + 4, y + 4, x + w + 3, y + h + 3, RGB(20, 20, 30));  // shadow
  FillBox(out, x, y, x + w - 1, y + h - 1, RGB(240, 240, 244));
  DrawRect(out, x, y, x + w - 1, y + h - 1, kFrame);
  FillBox(out, x + 1, y + 1, x + w - 2, y + 22, kCaptionBar);
  PrintText(out, x + 8, y + 4, c.boxCaption, kWhite, FontKind::Bold);
  for (size_t i = 0; i < box.lines.size() && int(i) < box.shownLines; ++i)
    PrintText(out, x + 24, y + 36 + int(i) * kBoxLineH, box.lines[i], kBlack, FontKind::Regular);
  for (size_t i = 0; i < box.buttons.size(); ++i)
    DrawButton(out, box.buttons[i], box.buttonTexts[i], BoxAsks() && int(i) == c.boxLit);
}
}  // namespace

Handlers& GetHandlers() {
  return g_handlers;
}
Controls& GetControls() {
  return g_controls;
}

MessageBoxShape MessageBoxLayout(const std::u32string& text, const std::u32string& caption,
                                 const std::vector<std::u32string>& buttons) {
  MessageBoxShape b;
  b.buttonTexts = buttons.empty() ? std::vector<std::u32string>{U"OK"} : buttons;
  // Each button as wide as its words need, 80 at least, 16 apart.
  std::vector<int> buttonW;
  int rowW = -kButtonGap;
  for (const std::u32string& t : b.buttonTexts) {
    buttonW.push_back(std::max(kButtonW, TextWidth(t, FontKind::Bold) + 24));
    rowW += buttonW.back() + kButtonGap;
  }
  const int widest = kPlayW - 2 * kBoxMargin;
  b.w = std::min(widest, std::max({kBoxW, TextWidth(caption, FontKind::Bold) + 16, rowW + 32}));
  for (;;) {
    b.lines = LayoutLabel(text, b.w - 32, FontKind::Regular);
    if (int(b.lines.size()) <= kBoxLines || b.w >= widest) break;
    b.w = std::min(widest, b.w + kBoxWiden);
  }
  const int extra = std::max(0, int(b.lines.size()) - kBoxLines);
  b.h = std::min(kPlayH - 2 * kBoxMargin, kBoxH + extra * kBoxLineH);
  b.shownLines = kBoxLines + (b.h - kBoxH) / kBoxLineH;
  b.textW = b.w - 32;
  b.x = (kPlayW - b.w) / 2;
  b.y = (kPlayH - b.h) / 2;
  int left = b.x + (b.w - rowW) / 2;
  for (int w : buttonW) {
    b.buttons.push_back(Rect{left, b.y + b.h - 36, w, 26});
    left += w + kButtonGap;
  }
  return b;
}

int MessageBoxButtonAt(int x, int y) {
  const Controls& c = g_controls;
  const MessageBoxShape b = MessageBoxLayout(c.boxText, c.boxCaption, c.boxButtons);
  for (size_t i = 0; i < b.buttons.size(); ++i)
    if (b.buttons[i].Contains(x, y)) return int(i);
  return -1;
}

bool BoxAsks() {
  return g_controls.boxButtons.size() == 2;
}

void StepBoxButton() {
  Controls& c = g_controls;
  if (c.boxButtons.empty()) return;
  c.boxLit = (c.boxLit + 1) % int(c.boxButtons.size());
  MarkDirty();
}

void AnswerBox(int button) {
  Controls& c = g_controls;
  c.boxChosen = button;
  c.boxUp = false;
  MarkDirty();
}

void OpenMenu(int index) {
  Controls& c = g_controls;
  if (index < 0 || index >= int(c.menus.size())) return;
  c.menuOpen = true;
  c.menuIndex = index;
  c.menuCursor = -1;
  MoveMenuCursor(1);
  if (c.menuCursor < 0) c.menuCursor = 0;  // nothing to choose: the first stays lit
  MarkDirty();
}

void CloseMenu() {
  g_controls.menuOpen = false;
  MarkDirty();
}

void MoveMenuCursor(int step) {
  Controls& c = g_controls;
  if (c.menuIndex >= int(c.menus.size())) return;
  const auto& items = c.menus[size_t(c.menuIndex)].items;
  const int n = int(items.size());
  for (int tried = 1; tried <= n; ++tried) {
    const int at = ((c.menuCursor + step * tried) % n + n) % n;
    if (MenuEnabled(items[size_t(at)].id)) {
      c.menuCursor = at;
      break;
    }
  }
  MarkDirty();
}

void ChooseMenuItem(int item) {
  Controls& c = g_controls;
  c.menuOpen = false;
  MarkDirty();
  if (c.menuIndex >= int(c.menus.size())) return;
  const auto& items = c.menus[size_t(c.menuIndex)].items;
  if (item < 0 || item >= int(items.size())) return;
  const int id = items[size_t(item)].id;
  if (MenuEnabled(id) && g_handlers.menu) g_handlers.menu(id);
}

bool ControlsUp() {
  const Controls& c = g_controls;
  return c.labelVisible || (c.yesNoVisible[0] && c.yesNo[0]) || (c.yesNoVisible[1] && c.yesNo[1]) ||
         c.boxUp;
}

const Surface& PlayAreaSeen(const Surface& window, Surface& out) {
  if (!ControlsUp()) return window;
  ComposePlayArea(window, out);
  return out;
}

void ComposePlayArea(const Surface& window, Surface& out) {
  out = window;
  const Controls& c = g_controls;
  if (c.labelVisible) {
    static const std::u32string kEmpty;
    DrawLabel(out, g_handlers.labelText ? g_handlers.labelText() : kEmpty);
    if (c.markLit) DrawPageEndMark(out);
  }
  for (int k = 0; k < 2; ++k) {
    if (c.yesNoVisible[k] && c.yesNo[k])
      BitBlt(out, g_yesNoLeft, g_yesNoTop, c.yesNo[k]->w, c.yesNo[k]->h, *c.yesNo[k], 0, 0,
             Rop::Copy);
  }
  if (c.boxUp) DrawMessageBox(out, c);
}

}  // namespace plat::internal

namespace plat {

void SetHandlers(Handlers h) {
  internal::GetHandlers() = std::move(h);
  internal::HandlersSet();
}

HeldControls HoldControls(const std::vector<int>& menuIds) {
  HeldControls held;
  held.timer = TimerEnabled();
  held.label = LabelVisible();
  held.yesNo[0] = YesNoVisible(0);
  held.yesNo[1] = YesNoVisible(1);
  SetTimerEnabled(false);
  SetLabelVisible(false);
  SetYesNoVisible(0, false);
  SetYesNoVisible(1, false);
  for (int id : menuIds) {
    held.menuItems.emplace_back(id, MenuEnabled(id));
    SetMenuEnabled(id, false);
  }
  return held;
}

void RestoreControls(const HeldControls& held) {
  for (auto it = held.menuItems.rbegin(); it != held.menuItems.rend(); ++it)
    SetMenuEnabled(it->first, it->second);
  SetYesNoVisible(0, held.yesNo[0]);
  SetYesNoVisible(1, held.yesNo[1]);
  SetLabelVisible(held.label);
  Refresh();
  SetTimerEnabled(held.timer);
}

void SetLabelVisible(bool visible) {
  internal::GetControls().labelVisible = visible;
}

bool LabelVisible() {
  return internal::GetControls().labelVisible;
}
void SetPageEndMark(bool on) {
  auto& c = internal::GetControls();
  if (on && !c.pageEndMark) c.markSince = GetTickCount();
  c.pageEndMark = on;
}
bool PageEndMark() {
  return internal::GetControls().pageEndMark;
}
void SetYesNoPictures(const Surface* yes, const Surface* no) {
  internal::GetControls().yesNo[0] = yes;
  internal::GetControls().yesNo[1] = no;
}
void SetYesNoVisible(int index, bool visible) {
  if (index == 0 || index == 1) internal::GetControls().yesNoVisible[index] = visible;
  internal::MarkDirty();
}
bool YesNoVisible(int index) {
  return (index == 0 || index == 1) && internal::GetControls().yesNoVisible[index];
}
void SetMenuBar(const std::vector<Menu>& menus) {
  internal::GetControls().menus = menus;
  internal::MarkDirty();
}
const std::vector<Menu>& MenuBar() {
  return internal::GetControls().menus;
}
void SetMenuEnabled(int id, bool enabled) {
  auto& disabled = internal::GetControls().menuDisabled;
  if (id >= 0 && id < kMenuIdLimit) {
    if (enabled)
      disabled.erase(id);
    else
      disabled.insert(id);
  }
  internal::MarkDirty();
}
bool MenuEnabled(int id) {
  return id >= 0 && id < kMenuIdLimit && !internal::GetControls().menuDisabled.count(id);
}
void PlaceControls(int labelLeft, int labelTop, int labelWidth, int labelHeight, int yesNoLeft,
                   int yesNoTop) {
  internal::g_labelLeft = labelLeft;
  internal::g_labelTop = labelTop;
  internal::g_labelW = labelWidth;
  internal::g_labelH = labelHeight;
  internal::g_yesNoLeft = yesNoLeft;
  internal::g_yesNoTop = yesNoTop;
  internal::MarkDirty();
}
char32_t AccessKey(const std::u32string& label) {
  size_t amp = label.find(U'&');
  if (amp == std::u32string::npos || amp + 1 >= label.size()) return 0;
  char32_t k = label[amp + 1];
  return k >= U'a' && k <= U'z' ? k - U'a' + U'A' : k;
}
std::u32string ShownLabel(const std::u32string& label) {
  std::u32string shown = label;
  size_t amp = shown.find(U'&');
  if (amp != std::u32string::npos) shown.erase(amp, 1);
  return shown;
}

}  // namespace plat

namespace plat::internal {
namespace {
bool g_dirty = true;
bool g_drawn = false;
uint64_t g_sentVersion = 0;  // the window's picture as last sent to the screen
std::u32string g_shownLabel;
bool g_shownLabelVisible = false;
bool g_shownMarkLit = false;

// Whether the page-end mark is lit at this moment.
bool MarkLitNow() {
  const Controls& c = g_controls;
  return c.pageEndMark && c.labelVisible && (GetTickCount() - c.markSince) / kMarkBlinkMs % 2 == 0;
}

// The label's text is compared at every turn of the event pump while a
// dialogue is up; a plain loop here, from the end, where typing changes it.
bool SameText(const std::u32string& a, const std::u32string& b) {
  if (a.size() != b.size()) return false;
  const char32_t *p = a.data(), *q = b.data();
  for (size_t i = a.size(); i > 0; --i)
    if (p[i - 1] != q[i - 1]) return false;
  return true;
}

bool LabelChanged() {
  const Controls& c = g_controls;
  if (c.labelVisible != g_shownLabelVisible) return true;
  return c.labelVisible && g_handlers.labelText && !SameText(g_handlers.labelText(), g_shownLabel);
}

// The picture or a control changed since the last frame sent, the page-end
// mark's blinking aside.
bool ChangedBesidesTheMark(const Surface& window) {
  return g_dirty || LabelChanged() || window.version != g_sentVersion;
}
}  // namespace

void MarkDirty() {
  g_dirty = true;
}

void MarkDrawn() {
  g_drawn = true;
}

bool NeedsPresent() {
  return g_dirty || g_drawn || LabelChanged() || MarkLitNow() != g_shownMarkLit;
}

int64_t NextMarkBlink() {
  const Controls& c = g_controls;
  if (!c.pageEndMark || !c.labelVisible) return -1;
  const uint32_t phases = (GetTickCount() - c.markSince) / kMarkBlinkMs + 1;
  return int64_t(c.markSince) + int64_t(phases) * kMarkBlinkMs;
}

bool FrameMayChange(const Surface& window) {
  // The mark's blinking is not worked out here: that reads the clock.
  const Controls& c = g_controls;
  return ChangedBesidesTheMark(window) || (c.pageEndMark && c.labelVisible);
}

bool FrameChanged(const Surface& window) {
  g_controls.markLit = MarkLitNow();
  const bool changed = ChangedBesidesTheMark(window) || g_controls.markLit != g_shownMarkLit;
  g_sentVersion = window.version;
  return changed;
}

void PresentedNow() {
  g_dirty = false;
  g_drawn = false;
  g_shownMarkLit = g_controls.markLit;
  g_shownLabelVisible = g_controls.labelVisible;
  if (g_handlers.labelText) g_shownLabel = g_handlers.labelText();
}
}  // namespace plat::internal
