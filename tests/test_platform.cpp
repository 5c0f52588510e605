// The platform layer: raster operations and clipping, text layout, and the
// headless backend's clock, timer, pump and scenarios.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "platform/backend.h"
#include "platform/fit_scale.h"
#include "platform/gamepad.h"
#include "platform/headless.h"
#include "platform/internal.h"
#include "player_files/bindings.h"
#include "platform/platform.h"
#include "platform/scenario.h"
#include "platform/text.h"
#include "platform/window_input.h"
#include "shell/menu_ids.h"
#include "shell/window_events.h"

namespace {

using plat::Rop;
using plat::Surface;

// A 4 x 8 sheet: a figure on white above its silhouette (white on black).
Surface SpriteSheet() {
  Surface s(4, 8, plat::kWhite);
  const char* shape[4] = {".##.", "####", "#..#", ".##."};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      bool in = shape[y][x] == '#';
      s.Set(x, y, in ? plat::RGB(10 * x + 1, 20 * y + 2, 77) : plat::kWhite);
      s.Set(x, y + 4, in ? plat::kWhite : plat::kBlack);
    }
  return s;
}

TEST(PlatformBlit, MaskedSpriteLeavesBackgroundAndPaintsFigureExactly) {
  Surface sheet = SpriteSheet();
  Surface bg(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) bg.Set(x, y, plat::RGB(x * 30, y * 30, 123));
  Surface out = bg;
  plat::BitBlt(out, 2, 3, 4, 4, sheet, 0, 4, Rop::Or);
  plat::BitBlt(out, 2, 3, 4, 4, sheet, 0, 0, Rop::And);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      int sx = x - 2, sy = y - 3;
      bool inCell = sx >= 0 && sx < 4 && sy >= 0 && sy < 4;
      bool inFigure = inCell && sheet.At(sx, sy + 4) == plat::kWhite;
      uint32_t want = inFigure ? sheet.At(sx, sy) : bg.At(x, y);
      EXPECT_EQ(out.At(x, y), want) << "at " << x << "," << y;
    }
}

TEST(PlatformBlit, ClipsAtEveryEdgeAndWithNegativeCoordinates) {
  Surface src(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) src.Set(x, y, plat::RGB(x + 1, y + 1, 9));
  struct Case {
    int dx, dy;
  } cases[] = {{-2, -1}, {4, 5}, {-3, 5}, {5, -3}, {-4, 0}, {6, 6}, {100, 100}, {-100, 2}};
  for (const Case& c : cases) {
    Surface dst(6, 6, plat::kBlack);
    plat::BitBlt(dst, c.dx, c.dy, 4, 4, src, 0, 0, Rop::Copy);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 6; ++x) {
        int sx = x - c.dx, sy = y - c.dy;
        bool covered = sx >= 0 && sx < 4 && sy >= 0 && sy < 4;
        EXPECT_EQ(dst.At(x, y), covered ? src.At(sx, sy) : plat::kBlack)
            << "blit at " << c.dx << "," << c.dy << " pixel " << x << "," << y;
      }
  }
  // A source area partly outside its own surface copies only what exists.
  Surface dst(6, 6, plat::kBlack);
  plat::BitBlt(dst, 0, 0, 6, 6, src, -1, 2, Rop::Copy);
  EXPECT_EQ(dst.At(1, 0), src.At(0, 2));
  EXPECT_EQ(dst.At(0, 0), plat::kBlack);
  EXPECT_EQ(dst.At(1, 2), plat::kBlack);  // below the source's last row
}

TEST(PlatformBlit, CopyWithinOneSurfaceUsesTheOriginalPixels) {
  Surface s(6, 1);
  for (int x = 0; x < 6; ++x) s.Set(x, 0, plat::RGB(0, 0, x));
  plat::BitBlt(s, 1, 0, 5, 1, s, 0, 0, Rop::Copy);
  for (int x = 1; x < 6; ++x) EXPECT_EQ(s.At(x, 0), plat::RGB(0, 0, x - 1));
}

TEST(PlatformBlit, EveryDrawingGivesANewVersionButRedrawingTheSamePixelsDoesNot) {
  // The match frame trusts the version to say that nothing was drawn on a
  // picture since: every drawing function must change it.
  std::string err;
  ASSERT_TRUE(plat::InitFonts(err)) << err;
  Surface s(200, 40, plat::kWhite), other(200, 40, plat::RGB(1, 2, 3));
  const Surface sheet = SpriteSheet();
  const std::vector<std::function<void()>> drawings = {
      [&] { plat::BitBlt(s, 0, 0, 4, 4, sheet, 0, 0, Rop::Copy); },
      [&] { plat::BitBlt(s, 9, 9, 4, 4, sheet, 0, 4, Rop::Or); },
      [&] { plat::BitBlt(s, 9, 9, 4, 4, sheet, 0, 0, Rop::And); },
      [&] { plat::BitBlt(s, 0, 0, 200, 40, other, 0, 0, Rop::Copy); },
      [&] { plat::DrawLine(s, 0, 0, 50, 30, plat::kBlack); },
      [&] { plat::DrawRect(s, 2, 2, 60, 30, plat::RGB(9, 9, 9)); },
      [&] { plat::FillBox(s, 5, 5, 20, 20, plat::RGB(0, 200, 0)); },
      [&] { plat::FillCircle(s, 100, 20, 8, plat::kBlack, plat::kWhite); },
      [&] { plat::PrintText(s, 3, 3, U"大会にモキモキ", plat::kBlack); },
      [&] { s.Set(7, 7, plat::RGB(7, 7, 7)); },
      [&] { s.Fill(plat::kWhite); },
      [&] { s.Resize(200, 40); }};
  // A copy made again, and a picture caught up again, look only at the cells
  // drawn on since: each drawing must name where it drew, or it stays behind.
  Surface mirror(200, 40, plat::kBlack), shown = s;
  std::vector<uint64_t> seen = {s.version};
  for (size_t i = 0; i < drawings.size(); ++i) {
    plat::BitBlt(mirror, 0, 0, 200, 40, s, 0, 0, Rop::Copy);
    plat::CatchUp(shown, s);
    plat::FillBox(mirror, 70, 30, 101, 39, plat::RGB(5, 5, 5));  // drawn over, as by a sprite
    drawings[i]();
    EXPECT_EQ(std::count(seen.begin(), seen.end(), s.version), 0) << "drawing " << i;
    seen.push_back(s.version);
    plat::BitBlt(mirror, 0, 0, 200, 40, s, 0, 0, Rop::Copy);
    EXPECT_TRUE(mirror.px == s.px) << "drawing " << i;
    plat::CatchUp(shown, s);
    EXPECT_TRUE(shown.px == s.px) << "drawing " << i;
  }
  // A picture given another's pixels is new to them all.
  s = other;
  plat::BitBlt(mirror, 0, 0, 200, 40, s, 0, 0, Rop::Copy);
  EXPECT_TRUE(mirror.px == other.px);
  EXPECT_FALSE(plat::CatchUp(shown, s).empty());
  EXPECT_TRUE(shown.px == other.px);
  // A copy carries the version; a pixel set to its own colour, or a wide
  // copy of the pixels already there, keeps it; one changed pixel does not.
  Surface copy = s;
  EXPECT_EQ(copy.version, s.version);
  s.Set(7, 7, s.At(7, 7));
  plat::BitBlt(s, 0, 0, 200, 40, copy, 0, 0, Rop::Copy);
  EXPECT_EQ(s.version, copy.version);
  copy.Set(199, 39, plat::RGB(1, 1, 1));
  plat::BitBlt(s, 0, 0, 200, 40, copy, 0, 0, Rop::Copy);
  EXPECT_NE(s.version, seen.back());
  EXPECT_EQ(s.At(199, 39), plat::RGB(1, 1, 1));
}

TEST(PlatformDraw, LinesBoxesAndCirclesStayInsideAndHitTheirEnds) {
  Surface s(20, 20, plat::kBlack);
  plat::DrawLine(s, -5, 3, 30, 3, plat::kWhite);  // crosses the whole surface
  for (int x = 0; x < 20; ++x) EXPECT_EQ(s.At(x, 3), plat::kWhite);
  plat::DrawLine(s, 2, 5, 9, 12, plat::QBColor(12));
  EXPECT_EQ(s.At(2, 5), plat::RGB(255, 0, 0));
  EXPECT_EQ(s.At(9, 12), plat::RGB(255, 0, 0));
  plat::FillBox(s, 15, 15, 40, 40, plat::QBColor(14));
  EXPECT_EQ(s.At(19, 19), plat::RGB(255, 255, 0));
  EXPECT_EQ(s.At(14, 15), plat::kBlack);
  Surface c(21, 21, plat::kBlack);
  plat::FillCircle(c, 10, 10, 5, plat::QBColor(12), plat::QBColor(15));
  EXPECT_EQ(c.At(10, 10), plat::kWhite);
  EXPECT_EQ(c.At(15, 10), plat::RGB(255, 0, 0));  // the outline
  EXPECT_EQ(c.At(16, 10), plat::kBlack);
  EXPECT_EQ(c.At(14, 14), plat::kBlack);  // outside the circle
}

class PlatformText : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string err;
    ASSERT_TRUE(plat::InitFonts(err)) << err;
  }
};

TEST_F(PlatformText, LongJapaneseLineWrapsInsideTheLabel) {
  std::u32string line(35, U'あ');
  auto lines = plat::LayoutLabel(U"\u3000\u3000\u3000\u3000\u3000" + line, moki::kLabelWidth);
  ASSERT_EQ(lines.size(), 2u);
  for (const auto& l : lines)
    EXPECT_LE(plat::TextWidth(l, plat::FontKind::Regular), moki::kLabelWidth);
  EXPECT_EQ(lines[0].size() + lines[1].size(), 40u);  // no character lost or doubled

  // A stop or a closing bracket does not begin a line, nor does an opening
  // bracket end one: the character before goes down with it.
  const size_t full = plat::LayoutLabel(line + line, moki::kLabelWidth)[0].size();
  const std::u32string a(full, U'あ'), b(full - 1, U'あ');
  EXPECT_EQ(plat::LayoutLabel(a + U"。い", moki::kLabelWidth),
            (std::vector<std::u32string>{b, U"あ。い"}));
  EXPECT_EQ(plat::LayoutLabel(b + U"（い）", moki::kLabelWidth),
            (std::vector<std::u32string>{b, U"（い）"}));
  EXPECT_EQ(plat::LayoutLabel(std::u32string(full - 2, U'あ') + U"（99）。", moki::kLabelWidth),
            (std::vector<std::u32string>{std::u32string(full - 2, U'あ'), U"（99）。"}));
  EXPECT_EQ(plat::LayoutLabel(b + U"」。い", moki::kLabelWidth),
            (std::vector<std::u32string>{std::u32string(full - 2, U'あ'), U"あ」。い"}));
}

TEST_F(PlatformText, CrLfStartsALineAndTextIsPrinted) {
  auto lines = plat::LayoutLabel(U"受付「こちらは\r\nはい\r\n", moki::kLabelWidth);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], U"はい");
  Surface s(100, 20, plat::kWhite);
  plat::PrintText(s, 2, 2, U"大会", plat::kBlack);
  int dark = 0;
  for (uint32_t p : s.px) dark += (p & 0xFF) < 128;
  EXPECT_GT(dark, 20);
  EXPECT_EQ(plat::FromUtf8(plat::ToUtf8(U"モキモキ「がんばろう、くあ！")),
            U"モキモキ「がんばろう、くあ！");
}

TEST(PlatformScenario, ParsesCommandsAndNamesTheBadLine) {
  std::vector<plat::scenario::Command> cmds;
  std::string err;
  plat::scenario::SetMenuNames(moki::MenuNames());
  ASSERT_TRUE(plat::scenario::Parse(
      "seed 7\n# comment\nwait 100\npress space\npress kp1 200\nuntil GameMode 4\n"
      "until messageText \"a b\" 500\nmenu start\nshot /tmp/x.png\ndump\n",
      cmds, err))
      << err;
  ASSERT_EQ(cmds.size(), 9u);
  EXPECT_EQ(cmds[2].ms, 50);
  EXPECT_EQ(cmds[3].key, plat::VK_NUMPAD1);
  EXPECT_EQ(cmds[4].value, "4");
  EXPECT_EQ(cmds[4].ms, 60000);
  EXPECT_EQ(cmds[5].value, "\"a b\"");
  EXPECT_EQ(cmds[5].ms, 500);
  EXPECT_FALSE(plat::scenario::Parse("wait 10\npress banana\n", cmds, err));
  EXPECT_NE(err.find("line 2"), std::string::npos) << err;
  EXPECT_FALSE(plat::scenario::Parse("wait 10\nseed 3\n", cmds, err));
  EXPECT_NE(err.find("line 2"), std::string::npos) << err;
}

// The core on a backend of the test's own (backend.h), as a third backend
// stands on it: Timer1 every 30 ms of the backend's clock, a frame sent again
// only when it changed, and a message box that holds the ticks until it
// answers itself.
namespace fake {
double now = 0;
int paced = 0, sent = 0;
bool mayChange = false;  // what the last pacing was told of its frame
}  // namespace fake

TEST(PlatformCore, ABackendOfItsOwnDrivesTheTimerTheFramesAndTheMessageBox) {
  using plat::internal::Wake;
  plat::headless::Reset();
  const plat::internal::Backend headless = plat::internal::CurrentBackend();
  fake::now = 0;
  plat::internal::UseBackend({
      [] { return fake::now; },
      [] { return false; },
      [] {},
      [](const Wake& w) {
        fake::now = std::max(fake::now, std::min({w.until, w.blink, w.resize}));
        return false;
      },
      [] { fake::now += 1; },
      [] { return 0; },
      [](bool changed) {
        fake::mayChange = changed;
        return ++fake::paced > 0;
      },
      [](const plat::Surface&, bool changed) { fake::sent += changed ? 1 : 0; },
      [](int) { return false; },
      [](const std::u32string&, const std::u32string&) { return fake::now + 200; },
      [] {},
      [] { return true; },
  });
  std::vector<double> ticks;
  plat::Handlers h;
  h.timer = [&ticks] { ticks.push_back(fake::now); };
  plat::SetHandlers(h);
  plat::SetTimerEnabled(true);
  while (fake::now < 100) plat::WaitEvents(100);
  EXPECT_EQ(ticks, (std::vector<double>{30, 60, 90}));

  plat::Window().Fill(plat::RGB(1, 2, 3));
  plat::Present();
  EXPECT_TRUE(fake::mayChange);
  const int sentOnce = fake::sent, pacedOnce = fake::paced;
  plat::Present();  // nothing new: paced (told so, the page need not wait for it), not sent
  EXPECT_EQ(fake::sent, sentOnce);
  EXPECT_EQ(fake::paced, pacedOnce + 1);
  EXPECT_FALSE(fake::mayChange);

  const double before = fake::now;
  plat::MessageBox(U"text", U"caption");
  EXPECT_GE(fake::now, before + 200);
  EXPECT_EQ(ticks.size(), 3u);  // no tick while the box was up
  plat::SetTimerEnabled(false);
  plat::SetHandlers({});
  plat::internal::UseBackend(headless);
}

// The window's own keys and mouse, as any backend hands them over: Alt alone
// and Alt with an access key open the menu bar, its keys and the pointer
// choose, F11 goes to full screen, Enter answers the message box; the rest
// reaches the game through the player's keys.
TEST(PlatformCore, TheWindowTakesItsKeysAndTheMouseAndTheGameTheRest) {
  using namespace plat::internal;
  plat::headless::Reset();
  std::vector<int> chosen, keys;
  plat::Handlers h;
  h.menu = [&](int id) { chosen.push_back(id); };
  h.keyDown = [&](int vk) { keys.push_back(vk); };
  plat::SetHandlers(h);
  plat::SetMenuBar({{U"&F", {{U"&S", moki::kMenuStart}, {U"&Q", moki::kMenuQuit}}},
                    {U"&O", {{U"&K", moki::kMenuKeys}}}});
  const auto down = [](const char* name, bool alt = false) {
    WindowKeyDown(WindowKeyOf(plat::KeyCodeOf(name)), plat::KeyCodeOf(name), alt, false);
  };
  const auto up = [](const char* name) {
    WindowKeyUp(WindowKeyOf(plat::KeyCodeOf(name)), plat::KeyCodeOf(name));
  };
  auto& c = GetControls();
  down("Left Alt"), up("Left Alt"), down("Right");
  EXPECT_TRUE(c.menuOpen && c.menuIndex == 1);
  down("Escape"), down("Left Alt"), down("F", true), up("F"), up("Left Alt");
  EXPECT_TRUE(c.menuOpen && c.menuIndex == 0);  // Alt was not alone: the menu stays
  down("Q"), down("O", true), down("Up");       // Q chooses; Alt+O opens O, Up moves in it
  WindowMouseDown(12, 5, true);                 // the title of F
  WindowMouseMove(20, 51);                      // its second item
  EXPECT_EQ(c.menuCursor, 1);
  WindowMouseDown(20, 51, true);
  c.boxUp = true;
  down("Up"), down("Return");
  EXPECT_FALSE(c.boxUp);
  // A question: Tab lights yes; the pointer answers on a button only.
  c.boxUp = true, c.boxButtons = {U"Yes", U"No"}, c.boxLit = 1;
  down("Tab");
  EXPECT_EQ(c.boxLit, 0);
  const Rect no = MessageBoxLayout(c.boxText, c.boxCaption, c.boxButtons).buttons[1];
  WindowMouseDown(no.x - 4, no.y + kMenuBarH + 5, true);
  EXPECT_TRUE(c.boxUp);
  WindowMouseDown(no.x + 4, no.y + kMenuBarH + 5, true);
  EXPECT_TRUE(!c.boxUp && c.boxChosen == 1);
  c.boxButtons.clear();
  down("F11"), down("Z", true), down("Up");  // Alt+Z: no menu's, nor the game's
  EXPECT_EQ(chosen, (std::vector<int>{moki::kMenuQuit, moki::kMenuQuit}));
  EXPECT_EQ(keys, std::vector<int>{plat::VK_UP});
  EXPECT_TRUE(plat::CurrentWindowSetup().fullscreen);
  plat::SetHandlers({});
}

TEST(PlatformHeadless, TimerTicksEvery30MsAndNeverReentersATick) {
  plat::headless::Reset(1);
  std::string err;
  ASSERT_TRUE(plat::headless::LoadScenario("wait 300\n", err));
  int ticks = 0, depth = 0, maxDepth = 0;
  plat::Handlers h;
  h.timer = [&] {
    ++ticks;
    maxDepth = std::max(maxDepth, ++depth);
    if (ticks == 3) {
      // A tick that waits inside itself: no other tick may start meanwhile.
      uint32_t start = plat::GetTickCount();
      while (plat::GetTickCount() - start < 100) plat::WaitEvents(start + 101);
    }
    --depth;
  };
  plat::SetHandlers(h);
  int code = plat::headless::Run([] {
    plat::SetTimerEnabled(true);
    plat::headless::MainLoop();
  });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(maxDepth, 1);
  // 300 ms at one tick per 30 ms, less the 100 ms spent inside the third tick
  // (the late tick is not made up for).
  EXPECT_GE(ticks, 6);
  EXPECT_LE(ticks, 8);
  plat::SetHandlers({});
}

TEST(PlatformHeadless, UntilTimesOutWithStatus3AndPressSendsDownThenUp) {
  plat::headless::Reset(1);
  std::string err;
  std::vector<std::pair<int, double>> seen;
  plat::Handlers h;
  h.keyDown = [&](int vk) { seen.push_back({vk, plat::headless::Now()}); };
  h.keyUp = [&](int vk) { seen.push_back({-vk, plat::headless::Now()}); };
  h.fieldJson = [](const std::string& f, std::string& out) {
    if (f != "GameMode") return false;
    out.assign(1, '0');  // (not = "0": a false alarm of GCC 12's -Wrestrict)
    return true;
  };
  plat::SetHandlers(h);
  ASSERT_TRUE(plat::headless::LoadScenario("press space 80\nuntil GameMode 4 1000\n", err));
  int code = plat::headless::Run([] { plat::headless::MainLoop(); });
  EXPECT_EQ(code, 3);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].first, plat::VK_SPACE);
  EXPECT_EQ(seen[1].first, -plat::VK_SPACE);
  EXPECT_NEAR(seen[1].second - seen[0].second, 80.0, 1.0);
  EXPECT_GE(plat::headless::Now(), 1080.0);
  plat::SetHandlers({});
}

TEST(PlatformHeadless, FramesArePacedAndRandomDrawsAreReproducible) {
  plat::headless::Reset(5);
  double t0 = plat::headless::Now();
  for (int i = 0; i < 16; ++i) plat::Present();
  // Sixteen frames drawn back to back are seen over about a quarter second.
  EXPECT_NEAR(plat::headless::Now() - t0, 15 * 1000.0 / 60.0, 1.0);
  EXPECT_EQ(plat::headless::FrameCount(), 16u);
  // Only the first differed from what the screen showed; the rest kept their
  // time but were not sent again. A change of a pixel, of Label1 or of a
  // control is sent; drawing the same picture again is not.
  EXPECT_EQ(plat::headless::SentFrameCount(), 1u);
  plat::Window().Set(3, 4, plat::RGB(1, 2, 3));
  plat::Present();
  EXPECT_EQ(plat::headless::SentFrameCount(), 2u);
  EXPECT_EQ(plat::headless::LastFrame().At(3, 4), plat::RGB(1, 2, 3));
  plat::Window().Set(3, 4, plat::RGB(1, 2, 3));
  plat::Present();
  EXPECT_EQ(plat::headless::SentFrameCount(), 2u);
  plat::SetLabelVisible(true);
  plat::Present();
  plat::SetMenuEnabled(0, false);
  plat::Present();
  EXPECT_EQ(plat::headless::SentFrameCount(), 4u);
  EXPECT_EQ(plat::headless::FrameCount(), 20u);

  plat::headless::Reset(5);
  double a = plat::Rnd();
  plat::Randomize();
  double b = plat::Rnd();
  plat::Randomize();  // same virtual millisecond: still a different draw
  double c = plat::Rnd();
  plat::headless::Reset(5);
  EXPECT_EQ(plat::Rnd(), a);
  plat::Randomize();
  EXPECT_EQ(plat::Rnd(), b);
  EXPECT_NE(b, c);
  for (int i = 0; i < 1000; ++i) {
    double r = plat::Rnd();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
  }
}

TEST(PlatformHeadless, MessageBoxIsAnsweredAfterHalfASecondAndBlocksKeysAndTicks) {
  plat::headless::Reset(1);
  std::string err;
  int keys = 0, ticks = 0;
  plat::Handlers h;
  h.keyDown = [&](int) { ++keys; };
  h.timer = [&] { ++ticks; };
  plat::SetHandlers(h);
  ASSERT_TRUE(plat::headless::LoadScenario("wait 100\npress space\nwait 1000\n", err));
  double shownAt = 0, closedAt = 0;
  int ticksDuringBox = -1;
  plat::headless::Run([&] {
    shownAt = plat::headless::Now();
    int before = ticks;
    plat::SetTimerEnabled(true);
    plat::MessageBox(U"3-1", U"　勝ち");
    ticksDuringBox = ticks - before;
    closedAt = plat::headless::Now();
    plat::headless::MainLoop();
  });
  EXPECT_EQ(plat::headless::MessageBoxCount(), 1);
  EXPECT_EQ(plat::headless::LastMessageBoxCaption(), U"　勝ち");
  EXPECT_NEAR(closedAt - shownAt, 500.0, 17.0);
  EXPECT_EQ(ticksDuringBox, 0);
  EXPECT_EQ(keys, 0);  // the Space went to the box
  EXPECT_GT(ticks, 0);
  plat::SetHandlers({});
}

// --- The game controller ----------------------------------------------------------

using plat::internal::PadInput;

// What reached the game: +vk for a key down, -vk for a key up.
struct KeyLog {
  std::vector<int> keys;
  PadInput pads;
  PadInput::Send Send() {
    return [this](int vk, bool down) { keys.push_back(down ? vk : -vk); };
  }
  std::vector<int> Button(int pad, int button, bool down) {
    keys.clear();
    pads.Button(pad, button, down, Send());
    return keys;
  }
  std::vector<int> Stick(int pad, int axis, int value) {
    keys.clear();
    pads.Stick(pad, axis, value, Send());
    return keys;
  }
  std::vector<int> Press(int button) {  // down and up
    Button(0, button, true);
    std::vector<int> both = keys;
    Button(0, button, false);
    both.insert(both.end(), keys.begin(), keys.end());
    return both;
  }
};

TEST(PlatformGamepad, ButtonsAreTheGamesKeysDownAndUp) {
  plat::headless::Reset();
  KeyLog log;
  const std::pair<int, int> buttons[] = {{plat::kPadA, plat::VK_SPACE},
                                         {plat::kPadB, plat::VK_SHIFT},
                                         {plat::kPadX, plat::VK_Z},
                                         {plat::kPadY, plat::VK_X},
                                         {plat::kPadRightShoulder, plat::VK_C},
                                         {plat::kPadStart, plat::VK_CONTROL},
                                         {plat::kPadLeft, plat::VK_LEFT},
                                         {plat::kPadUp, plat::VK_UP},
                                         {plat::kPadRight, plat::VK_RIGHT},
                                         {plat::kPadDown, plat::VK_DOWN}};
  for (auto [button, vk] : buttons) {
    EXPECT_EQ(log.Button(3, button, true), std::vector<int>{vk}) << "button " << button;
    EXPECT_EQ(log.Button(3, button, false), std::vector<int>{-vk}) << "button " << button;
  }
  // Buttons the game has no key for send nothing.
  EXPECT_TRUE(log.Button(3, plat::kPadLeftShoulder, true).empty());
  EXPECT_TRUE(log.Button(3, plat::kPadLeftShoulder, false).empty());
  EXPECT_TRUE(plat::PadUsedLast());
}

TEST(PlatformGamepad, TheStickLeansPastADeadZoneAndSharesTheCursorKeysWithTheDpad) {
  plat::headless::Reset();
  KeyLog log;
  const int dead = PadInput::kDeadZone;
  EXPECT_TRUE(log.Stick(1, PadInput::kLeftX, dead).empty());
  EXPECT_TRUE(log.Stick(1, PadInput::kLeftY, -dead).empty());
  EXPECT_TRUE(log.Stick(1, 7, 32767).empty());  // no such axis
  EXPECT_EQ(log.Stick(1, PadInput::kLeftX, dead + 1), std::vector<int>{plat::VK_RIGHT});
  EXPECT_TRUE(log.Stick(1, PadInput::kLeftX, 30000).empty());  // still right
  // Swinging straight across lets go of one side before pressing the other.
  EXPECT_EQ(log.Stick(1, PadInput::kLeftX, -32768),
            (std::vector<int>{-plat::VK_RIGHT, plat::VK_LEFT}));
  EXPECT_EQ(log.Stick(1, PadInput::kLeftY, 20000), std::vector<int>{plat::VK_DOWN});
  // Left on the d-pad as well: Left stays down until both let go.
  EXPECT_TRUE(log.Button(1, plat::kPadLeft, true).empty());
  EXPECT_TRUE(log.Stick(1, PadInput::kLeftX, 0).empty());
  EXPECT_EQ(log.Button(1, plat::kPadLeft, false), std::vector<int>{-plat::VK_LEFT});
  // A second controller holding Down, then the first one unplugged: Down
  // stays held by the second; the first one's Shift is let go.
  EXPECT_TRUE(log.Button(2, plat::kPadDown, true).empty());
  EXPECT_EQ(log.Button(1, plat::kPadB, true), std::vector<int>{plat::VK_SHIFT});
  log.keys.clear();
  log.pads.Removed(1, log.Send());
  EXPECT_EQ(log.keys, std::vector<int>{-plat::VK_SHIFT});
  EXPECT_EQ(log.Button(2, plat::kPadDown, false), std::vector<int>{-plat::VK_DOWN});

  // Looking ahead at waiting events changes nothing.
  auto feed = [](int to) {
    return [to](PadInput& look, const PadInput::Send& send) {
      look.Stick(2, PadInput::kLeftY, -100, send);
      if (to > 1) look.Stick(2, PadInput::kLeftY, -32000, send);
    };
  };
  EXPECT_TRUE(log.pads.WouldPress(plat::VK_UP, feed(2)));
  EXPECT_FALSE(log.pads.WouldPress(plat::VK_UP, feed(1)));
  EXPECT_FALSE(log.pads.WouldPress(plat::VK_DOWN, feed(2)));
  EXPECT_EQ(log.Stick(2, PadInput::kLeftY, -32000), std::vector<int>{plat::VK_UP});
}

// The menu bar, the title and the key screen take presses of their own;
// what they take never reaches the game, nor does its release.
TEST(PlatformGamepad, BackWorksTheMenuBarAndTheTitleAndTheKeyScreenTakeTheirButtons) {
  plat::headless::Reset();
  std::vector<int> chosen;
  int screen = plat::kPadPlay;
  plat::Handlers h;
  h.menu = [&](int id) { chosen.push_back(id); };
  h.padScreen = [&] { return screen; };
  std::vector<std::string> captured;
  h.keyChosen = [&](const std::string& name) {
    captured.push_back(name);
    return true;
  };
  plat::SetHandlers(h);
  plat::SetMenuBar(
      {{U"F", {{U"S", moki::kMenuStart}, {U"C", moki::kMenuContinue}, {U"Q", moki::kMenuQuit}}},
       {U"O", {{U"K", moki::kMenuKeys}}}});
  plat::SetMenuEnabled(moki::kMenuContinue, false);
  const auto& c = plat::internal::GetControls();
  KeyLog log;
  // A held on the way in goes up for the game when the menu opens over it.
  EXPECT_EQ(log.Button(0, plat::kPadA, true), std::vector<int>{plat::VK_SPACE});
  EXPECT_TRUE(log.Button(0, plat::kPadBack, true).empty());
  EXPECT_TRUE(log.Button(0, plat::kPadBack, false).empty());
  EXPECT_TRUE(c.menuOpen);
  EXPECT_EQ(log.Button(0, plat::kPadA, false), std::vector<int>{-plat::VK_SPACE});
  EXPECT_TRUE(log.Press(plat::kPadDown).empty());  // past the greyed つづきから
  EXPECT_EQ(c.menuCursor, 2);
  EXPECT_TRUE(log.Press(plat::kPadUp).empty());
  EXPECT_EQ(c.menuCursor, 0);
  EXPECT_TRUE(log.Stick(0, PadInput::kLeftX, 32767).empty());  // the stick: the next menu
  EXPECT_EQ(c.menuIndex, 1);
  EXPECT_TRUE(log.Stick(0, PadInput::kLeftX, 0).empty());
  EXPECT_TRUE(log.Press(plat::kPadB).empty());  // closes, and nothing chosen
  EXPECT_FALSE(c.menuOpen);
  EXPECT_TRUE(chosen.empty());
  // On the title Start opens the first menu, and A chooses its first item.
  screen = plat::kPadTitle;
  EXPECT_TRUE(log.Press(plat::kPadStart).empty());
  EXPECT_TRUE(c.menuOpen);
  EXPECT_EQ(c.menuIndex, 0);
  EXPECT_TRUE(log.Press(plat::kPadA).empty());
  EXPECT_EQ(chosen, std::vector<int>{moki::kMenuStart});
  // The key screen: the d-pad, A and B are its cursor keys, Enter and Escape.
  screen = plat::kPadWindowScreen;
  EXPECT_EQ(log.Press(plat::kPadDown), (std::vector<int>{plat::VK_DOWN, -plat::VK_DOWN}));
  EXPECT_EQ(log.Press(plat::kPadA), (std::vector<int>{plat::VK_RETURN, -plat::VK_RETURN}));
  EXPECT_EQ(log.Press(plat::kPadB), (std::vector<int>{plat::VK_ESCAPE, -plat::VK_ESCAPE}));
  EXPECT_TRUE(log.Press(plat::kPadY).empty());
  // Waiting for a new button, the next press is it; Back gives up.
  for (int button : {plat::kPadLeftShoulder, plat::kPadBack}) {
    plat::CaptureNextKey(true);
    EXPECT_TRUE(log.Press(button).empty());
  }
  EXPECT_EQ(captured, (std::vector<std::string>{"pad:leftshoulder", "Escape"}));
  EXPECT_FALSE(c.menuOpen);
  plat::SetHandlers({});
}

}  // namespace

namespace {

// Fit on a 1280 x 800 screen: the 608 x 448 picture 800 high, centred, from
// 2x down. A lone white column anywhere keeps the same width (1086 / 608 of
// a column, blended at its edges only); a changed rectangle redrawn alone
// gives the same pixels as the whole picture drawn at once.
TEST(PlatformFit, SharpPixelsOfEvenWidthCentredOnTheScreen) {
  using plat::internal::PlaceFit;
  const auto at = PlaceFit(1280, 800, plat::kPlayW, plat::kPlayH);
  EXPECT_EQ(std::vector<int>({at.x, at.y, at.w, at.h, at.scale}),
            std::vector<int>({97, 0, 1086, 800, 2}));
  const auto whole = plat::internal::PlaceWhole(1280, 800, plat::kPlayW, plat::kPlayH);
  EXPECT_EQ(std::vector<int>({whole.x, whole.y, whole.w, whole.scale}),
            std::vector<int>({336, 176, 608, 1}));
  plat::internal::FitScaler fit;
  fit.Prepare(plat::kPlayW, plat::kPlayH, at);
  std::vector<uint32_t> all(1280 * 800, 0);
  for (int column : {0, 1, 2, 3, 100, 301, 444, 606, 607}) {
    Surface picture(plat::kPlayW, plat::kPlayH, plat::kBlack);
    plat::FillBox(picture, column, 0, column, plat::kPlayH - 1, plat::kWhite);
    const plat::Area drawn =
        fit.Draw(nullptr, picture, {0, 0, picture.w, picture.h}, all.data(), 1280, 800, 1280);
    EXPECT_EQ(std::vector<int>({drawn.x, drawn.y, drawn.w, drawn.h}),
              std::vector<int>({97, 0, 1086, 800}));
    double width = 0;
    int touched = 0;
    for (int x = 0; x < 1280; ++x) {
      const uint32_t p = all[size_t(400) * 1280 + size_t(x)];
      EXPECT_EQ(p & 0xFF, (p >> 16) & 0xFF);  // grey: white and black only blended
      width += double(p & 0xFF) / 255;
      touched += (p & 0xFF) != 0;
    }
    EXPECT_NEAR(width, 1086.0 / 608, 0.01) << "column " << column;
    EXPECT_LE(touched, 3) << "column " << column;
  }
  Surface picture(plat::kPlayW, plat::kPlayH, plat::kBlack);
  for (int y = 0; y < picture.h; ++y)
    for (int x = 0; x < picture.w; ++x) picture.Set(x, y, plat::RGB(x % 256, y % 256, 77));
  std::vector<uint32_t> part(1280 * 800, 0x123456);
  fit.Draw(nullptr, picture, {0, 0, picture.w, picture.h}, all.data(), 1280, 800, 1280);
  const plat::Area changed =
      fit.Draw(nullptr, picture, {300, 200, 3, 2}, part.data(), 1280, 800, 1280);
  EXPECT_GT(changed.w, 0);
  for (int y = changed.y; y < changed.y + changed.h; ++y)
    for (int x = changed.x; x < changed.x + changed.w; ++x)
      ASSERT_EQ(part[size_t(y) * 1280 + size_t(x)], all[size_t(y) * 1280 + size_t(x)])
          << x << "," << y;
}

bool Covered(const std::vector<plat::Area>& areas, int x, int y) {
  for (const plat::Area& a : areas)
    if (x >= a.x && y >= a.y && x < a.x + a.w && y < a.y + a.h) return true;
  return false;
}

TEST(PlatformChanges, AreasCoverEveryChangeAndStayNearIt) {
  Surface before(100, 50, plat::kBlack);
  EXPECT_TRUE(plat::ChangedAreas(before, before).empty());

  // Two small changes far apart are two rectangles of one cell each.
  Surface now = before;
  now.Set(3, 4, plat::kWhite);
  now.Set(90, 45, plat::kWhite);
  auto areas = plat::ChangedAreas(before, now, 32, 16);
  ASSERT_EQ(areas.size(), 2u);
  EXPECT_TRUE(Covered(areas, 3, 4));
  EXPECT_TRUE(Covered(areas, 90, 45));
  // The cell at the right and bottom edges is cut to the picture.
  for (const plat::Area& a : areas) {
    EXPECT_LE(a.w, 32);
    EXPECT_LE(a.h, 16);
    EXPECT_LE(a.x + a.w, 100);
    EXPECT_LE(a.y + a.h, 50);
  }

  // A change over the same columns of adjacent cell rows grows one rectangle
  // downwards; one spreading wider starts another.
  now = before;
  plat::FillBox(now, 40, 10, 60, 40, plat::kWhite);
  areas = plat::ChangedAreas(before, now, 32, 16);
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_EQ(areas[0].x, 32);
  EXPECT_EQ(areas[0].y, 0);
  EXPECT_EQ(areas[0].w, 32);
  EXPECT_EQ(areas[0].h, 48);
  now.Set(70, 47, plat::kWhite);
  areas = plat::ChangedAreas(before, now, 32, 16);
  EXPECT_EQ(areas.size(), 2u);

  // Scattered changes: every changed pixel is covered, nothing is outside.
  now = before;
  for (int i = 0; i < 40; ++i) now.Set((i * 37) % 100, (i * 23) % 50, plat::QBColor(i % 15 + 1));
  areas = plat::ChangedAreas(before, now, 8, 8);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 100; ++x)
      if (now.At(x, y) != before.At(x, y)) {
        EXPECT_TRUE(Covered(areas, x, y)) << x << "," << y;
      }
  int covered = 0;
  for (const plat::Area& a : areas) {
    EXPECT_GE(a.x, 0);
    EXPECT_GE(a.y, 0);
    EXPECT_LE(a.x + a.w, 100);
    EXPECT_LE(a.y + a.h, 50);
    covered += a.w * a.h;
  }
  EXPECT_LE(covered, 40 * 64);  // at most one cell per change: no overlaps

  // A picture of another size is new everywhere.
  Surface other(100, 60, plat::kBlack);
  areas = plat::ChangedAreas(before, other);
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_EQ(areas[0].w * areas[0].h, 100 * 60);
}

TEST(PlatformChanges, ScalingFillsWholeSquaresAndKeepsToThePicture) {
  Surface src(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) src.Set(x, y, plat::RGB(x * 60, y * 80, 7));
  const uint32_t kUntouched = 0xDEADBEEF;

  // Area (1, 1, 2, 2) at 3x, the picture's corner at (2, 1) of a 20 x 12 picture.
  std::vector<uint32_t> dst(20 * 12, kUntouched);
  plat::Area out = plat::ScaleArea(src, {1, 1, 2, 2}, 3, dst.data(), 20, 12, 20, 2, 1);
  EXPECT_EQ(out.x, 5);
  EXPECT_EQ(out.y, 4);
  EXPECT_EQ(out.w, 6);
  EXPECT_EQ(out.h, 6);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 20; ++x) {
      bool inside = x >= 5 && x < 11 && y >= 4 && y < 10;
      uint32_t want = inside ? src.At((x - 2) / 3, (y - 1) / 3) : kUntouched;
      EXPECT_EQ(dst[size_t(y * 20 + x)], want) << x << "," << y;
    }

  // Cut at the picture's right and bottom edges, rows apart by a wider pitch.
  std::vector<uint32_t> small(7 * 5, kUntouched);
  out = plat::ScaleArea(src, {0, 0, 4, 3}, 2, small.data(), 5, 5, 7, 0, 0);
  EXPECT_EQ(out.w, 5);
  EXPECT_EQ(out.h, 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(small[size_t(y * 7 + x)], src.At(x / 2, y / 2));
    EXPECT_EQ(small[size_t(y * 7 + 5)], kUntouched);
  }

  // At 1x the picture is copied as it is, even starting left of and above it.
  std::vector<uint32_t> one(4 * 3, kUntouched);
  out = plat::ScaleArea(src, {0, 0, 4, 3}, 1, one.data(), 4, 3, 4, -1, -1);
  EXPECT_EQ(out.w, 3);
  EXPECT_EQ(out.h, 2);
  EXPECT_EQ(one[0], src.At(1, 1));
  EXPECT_EQ(one[size_t(1 * 4 + 2)], src.At(3, 2));
  EXPECT_EQ(one[3], kUntouched);                  // right of the last source column
  EXPECT_EQ(one[size_t(2 * 4 + 0)], kUntouched);  // below the last source row

  // An area off the source or off the picture draws nothing.
  EXPECT_EQ(plat::ScaleArea(src, {5, 0, 2, 2}, 2, dst.data(), 20, 12, 20, 0, 0).w, 0);
  EXPECT_EQ(plat::ScaleArea(src, {0, 0, 2, 2}, 2, dst.data(), 20, 12, 20, 30, 0).w, 0);
}

}  // namespace
