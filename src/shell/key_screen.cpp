#include "shell/key_screen.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/waits.h"
#include "player_files/bindings.h"
#include "platform/platform.h"
#include "player_files/settings.h"
#include "platform/text.h"
#include "story/language.h"
#include "shell/menu_ids.h"

namespace moki {

namespace {

static_assert(kKeyScreenRows == plat::kGameKeyCount);

const KeyScreenTexts& KeyTexts(const GameState& gs) {
  return Texts(gs).keyScreen;
}

WString Fill(const char32_t* pattern, const GameState& gs) {
  const KeyScreenTexts& t = KeyTexts(gs);
  const int cursor = gs.keyScreenCursor;
  const int other = gs.keyScreenOther;
  auto label = [&t](int k) {
    return k >= 0 && k < plat::kGameKeyCount ? t.labels[size_t(k)] : U"";
  };
  return FillIn(pattern,
                {{U"key", label(cursor)}, {U"other", label(other)}, {U"name", gs.keyScreenKey}});
}

void WaitForKey(Form1& f) {
  f.gs.keyScreenWaiting = 1;
  plat::CaptureNextKey(true);
}

void PrintShadowed(plat::Surface& w, int x, int y, const WString& text, plat::Color c) {
  plat::PrintText(w, x + 1, y + 1, text, plat::RGB(8, 8, 20));
  plat::PrintText(w, x, y, text, c);
}

// Cuts text to fit width, ending it with "…" when cut.
WString Fit(const WString& text, int width) {
  if (plat::TextWidth(text, plat::FontKind::Bold) <= width) return text;
  WString cut = text;
  while (!cut.empty() && plat::TextWidth(cut + U"…", plat::FontKind::Bold) > width) cut.pop_back();
  return cut + U"…";
}

}  // namespace

void OpenKeyScreen(Form1& f) {
  GameState& gs = f.gs;
  if (gs.keyScreenShown != 0) return;
  // What the screen stops and covers, to put back as it was. No game starts
  // under the screen; 終了 stays.
  const plat::HeldControls held = plat::HoldControls({kMenuStart, kMenuContinue, kMenuKeys});
  // A cursor key held when the screen opened does not walk on when it closes.
  ResetKeys(gs);
  gs.keyScreenShown = 1;
  gs.keyScreenWaiting = 0;
  gs.keyScreenNote = kNoteHelp;
  gs.keyScreenColumn = plat::PadUsedLast() ? 1 : 0;
  plat::Refresh();

  WaitWhile([&gs] { return gs.keyScreenShown != 0; });

  plat::CaptureNextKey(false);
  gs.keyScreenWaiting = 0;
  plat::RestoreControls(held);
}

bool KeyScreenKeyChosen(Form1& f, const std::string& name) {
  GameState& gs = f.gs;
  if (gs.keyScreenShown == 0 || gs.keyScreenWaiting == 0) return false;
  plat::CaptureNextKey(false);
  gs.keyScreenKey = plat::ChosenLabel(name);
  const plat::BindOutcome o = plat::BindChosen(gs.keyScreenCursor, name, gs.keyScreenColumn == 1);
  switch (o.result) {
    case plat::BindResult::Changed:
      gs.keyScreenWaiting = 0;
      gs.keyScreenNote = o.saved ? kNoteChanged : kNoteNotSaved;
      break;
    case plat::BindResult::Unchanged:
    case plat::BindResult::Cancelled:
      gs.keyScreenWaiting = 0;
      gs.keyScreenNote = kNoteUnchanged;
      break;
    case plat::BindResult::Taken:
      gs.keyScreenOther = static_cast<i16>(o.other);
      gs.keyScreenNote = kNoteTaken;
      WaitForKey(f);
      break;
    case plat::BindResult::Reserved:
      gs.keyScreenNote = kNoteReserved;
      WaitForKey(f);
      break;
    case plat::BindResult::Unknown:
      WaitForKey(f);
      break;
  }
  plat::Refresh();
  return true;
}

void KeyScreenKey(Form1& f, int keyCode) {
  GameState& gs = f.gs;
  if (gs.keyScreenWaiting != 0) {
    // The new key comes from the keyboard itself (CaptureNextKey); Escape
    // from anywhere else gives up as well.
    if (keyCode != plat::VK_ESCAPE) return;
    plat::CaptureNextKey(false);
    gs.keyScreenWaiting = 0;
    gs.keyScreenNote = kNoteUnchanged;
    plat::Refresh();
    return;
  }
  switch (keyCode) {
    case plat::VK_UP:
      gs.keyScreenCursor =
          static_cast<i16>((gs.keyScreenCursor + plat::kGameKeyCount - 1) % plat::kGameKeyCount);
      gs.keyScreenNote = kNoteHelp;
      break;
    case plat::VK_DOWN:
      gs.keyScreenCursor = static_cast<i16>((gs.keyScreenCursor + 1) % plat::kGameKeyCount);
      gs.keyScreenNote = kNoteHelp;
      break;
    case plat::VK_LEFT:
    case plat::VK_RIGHT:
      gs.keyScreenColumn = keyCode == plat::VK_LEFT ? 0 : 1;
      gs.keyScreenNote = kNoteHelp;
      break;
    case plat::VK_SPACE:
    case plat::VK_RETURN:
      gs.keyScreenNote = kNoteWaiting;
      WaitForKey(f);
      break;
    case plat::VK_ESCAPE:
      gs.keyScreenShown = 0;  // OpenKeyScreen puts the game back
      return;
    default:
      return;
  }
  plat::Refresh();
}

void DrawKeyScreen(Form1& f) {
  const GameState& gs = f.gs;
  const KeyScreenTexts& t = KeyTexts(f.gs);
  const plat::Color panel = plat::RGB(24, 28, 56), frame = plat::RGB(200, 204, 230);
  const plat::Color text = plat::kWhite, dim = plat::RGB(176, 184, 220);
  const plat::Color pick = plat::RGB(60, 90, 170), wait = plat::RGB(170, 100, 40);
  const plat::Color warn = plat::RGB(255, 224, 120);
  constexpr int kLeft = 8, kTop = 16, kRight = 599, kBottom = 431;
  constexpr int kLabelX = 22, kGap = 9, kTitleY = 28;
  const bool pad = plat::PadUsedLast();
  const PadTexts& pt = Texts(f.gs).pad;
  const auto& keys = plat::CurrentSettings().keys;
  const auto& buttons = plat::CurrentSettings().pad;
  // Each row's keyboard keys and controller buttons, and the columns as wide
  // as their widest: the keys and buttons are shown whole ("Left Shift, Right
  // Shift"), and the actions have what is left.
  std::array<WString, kKeyScreenRows> keyNames, buttonNames;
  auto width = [](const WString& s) { return plat::TextWidth(s, plat::FontKind::Bold); };
  int labelW = 0, keysW = width(pt.keyboard), padW = width(pt.controller);
  for (size_t k = 0; k < size_t(plat::kGameKeyCount); ++k) {
    for (const std::string& n : keys[k])
      keyNames[k] += (keyNames[k].empty() ? U"" : U", ") + plat::FromUtf8(n);
    for (const std::string& n : buttons[k])
      buttonNames[k] += (buttonNames[k].empty() ? U"" : U", ") +
                        WString(plat::PadButtonLabel(plat::PadButtonOf(n)));
    labelW = std::max(labelW, width(t.labels[k]));
    keysW = std::max(keysW, width(keyNames[k]));
    padW = std::max(padW, width(buttonNames[k]));
  }
  const int kPadX = std::max(kRight - 12 - padW, 300);
  const int kKeysX = std::max(kPadX - kGap - keysW, 220);
  const int kActionX = kLabelX + labelW + kGap;
  const int actionW = kKeysX - 8 - kActionX;
  // An action too long for its column takes two lines; the rows are then
  // taller, and the columns' names go up beside the title to make room.
  std::array<std::vector<WString>, kKeyScreenRows> actions;
  bool twoLines = false;
  for (size_t k = 0; k < size_t(plat::kGameKeyCount); ++k) {
    actions[k] = {t.actions[k]};
    if (width(t.actions[k]) <= actionW) continue;
    actions[k] = plat::LayoutLabel(t.actions[k], actionW, plat::FontKind::Bold, true);
    if (actions[k].size() > 2)
      actions[k] = {actions[k][0], Fit(actions[k][1] + actions[k][2], actionW)};
    twoLines = true;
  }
  const int kRowH = twoLines ? 32 : 28;
  const int kHeadY = twoLines ? kTitleY : 40;
  const int kRowTop = twoLines ? 52 : 64;
  const int kTextDown = twoLines ? 8 : 0;  // a one-line text, in the middle of its row
  plat::Surface& w = plat::Window();
  plat::FillBox(w, kLeft, kTop, kRight, kBottom, panel);
  plat::DrawRect(w, kLeft, kTop, kRight, kBottom, frame);
  plat::DrawRect(w, kLeft + 2, kTop + 2, kRight - 2, kBottom - 2, frame);
  PrintShadowed(w, kLabelX, kTitleY, Fit(t.title, kKeysX - kGap - kLabelX), text);
  PrintShadowed(w, kKeysX, kHeadY, pt.keyboard, dim);
  PrintShadowed(w, kPadX, kHeadY, pt.controller, dim);
  // The chosen row is lit under every text: a two-line row's lines come
  // close to the next row's.
  const int litTop = kRowTop + gs.keyScreenCursor * kRowH;
  if (gs.keyScreenCursor >= 0 && gs.keyScreenCursor < plat::kGameKeyCount)
    plat::FillBox(w, kLeft + 10, litTop - 4, kRight - 10, litTop + kRowH - (twoLines ? 3 : 6),
                  gs.keyScreenWaiting != 0 ? wait : pick);
  for (int k = 0; k < plat::kGameKeyCount; ++k) {
    const int top = kRowTop + k * kRowH, y = top + kTextDown;
    const bool here = k == gs.keyScreenCursor;
    PrintShadowed(w, kLabelX, y, t.labels[size_t(k)], text);
    const std::vector<WString>& action = actions[size_t(k)];
    for (size_t l = 0; l < action.size(); ++l)
      PrintShadowed(w, kActionX, action.size() > 1 ? top - 1 + 16 * int(l) : y,
                    Fit(action[l], actionW), here ? text : dim);
    // The column being changed has a frame of its own.
    const int x = gs.keyScreenColumn == 1 ? kPadX : kKeysX;
    if (here)
      plat::DrawRect(w, x - 6, y - 3, (gs.keyScreenColumn == 1 ? kRight - 12 : kPadX - 8), y + 21,
                     frame);
    const bool waitingHere = here && gs.keyScreenWaiting != 0;
    const WString shownKeys =
        waitingHere && gs.keyScreenColumn == 0 ? WString(t.waitingMark) : keyNames[size_t(k)];
    const WString shownButtons =
        waitingHere && gs.keyScreenColumn == 1 ? WString(t.waitingMark) : buttonNames[size_t(k)];
    PrintShadowed(w, kKeysX, y, Fit(shownKeys, kPadX - 8 - kKeysX), text);
    PrintShadowed(w, kPadX, y, Fit(shownButtons, kRight - 12 - kPadX), text);
  }
  const int noteY = kRowTop + plat::kGameKeyCount * kRowH + 12;
  WString note, second;
  switch (gs.keyScreenNote) {
    case kNoteWaiting:
      note = Fill(gs.keyScreenColumn == 1 ? pt.waiting : t.waiting, gs);
      second = pad ? pt.escape : t.escape;
      break;
    case kNoteChanged:
      note = Fill(t.changed, gs);
      break;
    case kNoteNotSaved:
      note = Fill(t.notSaved, gs);
      break;
    case kNoteUnchanged:
      note = t.unchanged;
      break;
    case kNoteTaken:
      note = Fill(t.taken, gs);
      second = pad ? pt.pressAnother : t.pressAnother;
      break;
    case kNoteReserved:
      note = Fill(t.reserved, gs);
      second = pad ? pt.pressAnother : t.pressAnother;
      break;
    default:
      break;
  }
  const bool refused = gs.keyScreenNote == kNoteTaken || gs.keyScreenNote == kNoteReserved ||
                       gs.keyScreenNote == kNoteNotSaved;
  const WString help = pad ? pt.help : t.help;
  if (note.empty()) {
    // The help alone takes both lines when its words need them.
    const std::vector<WString> lines =
        plat::LayoutLabel(help, kRight - 16 - kLabelX, plat::FontKind::Bold, true);
    const int top = lines.size() > 1 ? noteY : noteY + 24;
    for (size_t l = 0; l < lines.size() && l < 2; ++l)
      PrintShadowed(
          w, kLabelX, top + 24 * int(l),
          l == 1 ? Fit(lines.size() > 2 ? lines[1] + lines[2] : lines[1], kRight - 16 - kLabelX)
                 : lines[0],
          dim);
    return;
  }
  PrintShadowed(w, kLabelX, noteY, Fit(note, kRight - 16 - kLabelX), refused ? warn : text);
  PrintShadowed(w, kLabelX, noteY + 24, Fit(second.empty() ? help : second, kRight - 16 - kLabelX),
                dim);
}

}  // namespace moki
