// The player's settings: the file read and written with every kind of bad
// line, the keys chosen on the key screen walking, talking and using items,
// the window's scale and full screen across two starts. Through the real
// keys on the headless backend, with real files in a fresh folder.
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <fstream>
#include <sstream>

#include "platform/internal.h"
#include "platform/scenario.h"
#include "player_files/bindings.h"
#include "player_files/settings.h"
#include "player_files/settings_ini.h"
#include "shell/key_screen.h"
#include "test_support.h"
#include "shell/menu_ids.h"

namespace fs = std::filesystem;
using moki::GameState;
using testing_support::MakeForm;
using testing_support::RunWith;
using Names = std::vector<std::string>;

namespace {

using testing_support::Slurp;
using testing_support::TempDir;

void Put(const std::string& path, const std::string& text) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::vector<int> Lines(const std::vector<plat::SettingsWarning>& warnings) {
  std::vector<int> lines;
  for (const auto& w : warnings) lines.push_back(w.line);
  return lines;
}

// Plays body-less scenario text on the form's game, from the title.
int Play(moki::Form1& f, const std::string& scenario) {
  return RunWith(scenario, [&] {
    moki::Form_Load(f);
    plat::headless::MainLoop();
  });
}

// The window as the last dump saw it.
std::string WindowJson() {
  const std::string& d = plat::headless::Dumps().back();
  size_t at = d.find("\"window\":");
  return at == std::string::npos ? "" : d.substr(at + 9, d.find('}', at) - at - 8);
}

}  // namespace

TEST(SettingsFile, ReadsWhatItCanAndNamesEveryLineItCannot) {
  const std::string text =
      "\xEF\xBB\xBF# the player's own\r\n"  // 1
      "stray = 1\n"                         // 2: before any section
      "[window]\n"                          // 3
      "scale = 3   # three times\n"         // 4
      "fullscreen = maybe\n"                // 5: not true or false
      "scale = 2\n"                         // 6: set again
      "[Keys]\n"                            // 7
      "up = w, keypad 8\n"                  // 8
      "left = Banana\n"                     // 9: no such key
      "right = Escape\n"                    // 10: the window's own
      "down = W\n"                          // 11: already up's
      "jump = J\n"                          // 12: no such game key
      "this is not a setting\n"             // 13
      "z = Comma, Hash, Comma\n"            // 14
      "ctrl = 2\n"                          // 15: x's default, so x goes without it
      "[sound]\n"                           // 16: unknown section
      "volume = 11\n"                       // 17
      "[game]\n"                            // 18
      "language = en\n"                     // 19
      "[pad]\n"                             // 20
      "up = DPUp, y\n"                      // 21
      "left = banana\n"                     // 22: no such button
      "right = back\n"                      // 23: the menu's own
      "ctrl = a\n"                          // 24: space's default, so space goes without it
      "z = dpup\n"                          // 25: already up's
      "[window]\n"                          // 26: the section again
      "scaling = sideways\n"                // 27
      "[recording]\n"                       // 28
      "keep = many\n";                      // 29: not a number
  std::vector<plat::SettingsWarning> w;
  plat::Settings s = plat::ParseSettings(text, w);
  EXPECT_EQ(s.scale, 3);
  EXPECT_FALSE(s.fullscreen);
  EXPECT_EQ(s.keys[plat::kKeyUp], (Names{"W", "Keypad 8"}));
  EXPECT_EQ(s.keys[plat::kKeyLeft], Names{"Left"});
  EXPECT_EQ(s.keys[plat::kKeyRight], Names{"Right"});
  EXPECT_EQ(s.keys[plat::kKeyDown], Names{"Down"});
  EXPECT_EQ(s.keys[plat::kKeyZ], (Names{"Comma", "Hash"}));
  EXPECT_EQ(s.keys[plat::kKeyCtrl], Names{"2"});
  EXPECT_EQ(s.keys[plat::kKeyX], Names{"X"});
  EXPECT_EQ(s.game, (std::vector<std::pair<std::string, std::string>>{{"language", "en"}}));
  EXPECT_EQ(s.pad[plat::kKeyUp], (Names{"dpup", "y"}));
  EXPECT_EQ(s.pad[plat::kKeyLeft], Names{"dpleft"});
  EXPECT_EQ(s.pad[plat::kKeyRight], Names{"dpright"});
  EXPECT_EQ(s.pad[plat::kKeyCtrl], Names{"a"});
  EXPECT_EQ(s.pad[plat::kKeySpace], Names{});
  EXPECT_EQ(s.pad[plat::kKeyX], Names{});  // y went to up
  EXPECT_EQ(s.pad[plat::kKeyZ], Names{"x"});
  EXPECT_EQ(s.scaling, plat::Scaling::Whole);
  EXPECT_EQ(Lines(w),
            (std::vector<int>{2, 5, 6, 9, 10, 11, 12, 13, 15, 16, 21, 22, 23, 24, 25, 27, 29}));
  ASSERT_EQ(w.size(), 17u);
  EXPECT_EQ(s.keepSessions, 5);
  EXPECT_NE(w[16].text.find("keep must be a whole number from 0"), std::string::npos) << w[16].text;
  EXPECT_NE(w[11].text.find("\"banana\" is not the name of a controller button"), std::string::npos)
      << w[11].text;
  EXPECT_NE(w[12].text.find("opens the menu"), std::string::npos) << w[12].text;
  EXPECT_NE(w[13].text.find("space has no button"), std::string::npos) << w[13].text;
  EXPECT_NE(w[14].text.find("already up's button (line 21)"), std::string::npos) << w[14].text;
  EXPECT_NE(w[15].text.find("scaling must be whole or fit"), std::string::npos) << w[15].text;
  EXPECT_NE(w[3].text.find("\"Banana\" is not the name of a key"), std::string::npos) << w[3].text;
  EXPECT_NE(w[3].text.find("left keeps its default (Left)"), std::string::npos) << w[3].text;
  EXPECT_NE(w[5].text.find("already up's key (line 8)"), std::string::npos) << w[5].text;
  EXPECT_NE(w[8].text.find("x goes without it"), std::string::npos) << w[8].text;

  // Out of range, and a default lost altogether.
  w.clear();
  s = plat::ParseSettings("[window]\nscale = 17\n[keys]\nleft = Up\n[recording]\nkeep = 0\n", w);
  EXPECT_EQ(s.scale, 0);
  EXPECT_EQ(s.keepSessions, 0);  // none recorded
  EXPECT_EQ(s.keys[plat::kKeyUp], Names{});
  EXPECT_EQ(Lines(w), (std::vector<int>{2, 4}));
  EXPECT_NE(w[1].text.find("up has no key"), std::string::npos) << w[1].text;

  // Key names: any case in, SDL's spelling out; the file's own characters by name.
  EXPECT_EQ(plat::KeyNameOf(plat::KeyCodeOf("left shift")), "Left Shift");
  EXPECT_EQ(plat::KeyNameOf(plat::KeyCodeOf(",")), "Comma");
  EXPECT_EQ(plat::KeyCodeOf("Hash"), plat::KeyCodeOf("#"));
  EXPECT_EQ(plat::KeyCodeOf("Banana"), 0);
}

// What the game writes it reads back as the same settings, with no warning:
// over hand-edited files with bad lines, keys given twice and defaults taken
// by other game keys (up = Left alone leaves left without a key), written
// whole or over the usable lines of the file as the game keeps them.
TEST(SettingsFile, WhatTheGameWritesReadsBackAsTheSameSettings) {
  const Names keys = {
      "Left", "Up", "Right", "Down", "Space",    "Left Shift", "Right Ctrl", "Z",      "X",
      "C",    "1",  "3",     "W",    "Keypad 8", "Comma",      "Hash",       "F1",     "Tab",
      "=",    ";",  "[",     "]",    "/",        "Escape",     "Return",     "Banana", ""};
  Names buttons = {"banana", ""};
  for (int b = 0; b < plat::kPadButtonCount; ++b) buttons.push_back(plat::PadButtonName(b));
  const Names window = {"scale = 2",         "scale = 0",       "scale = 99",
                        "fullscreen = true", "fullscreen = no", "scaling = fit",
                        "scaling = sideways"};
  std::mt19937 rng(7);
  auto pick = [&rng](const Names& from) { return from[rng() % from.size()]; };
  std::vector<std::string> texts = {"[keys]\nup = Left\n"};
  for (int round = 0; round < 300; ++round) {
    std::string text = "# mine\n[window]\n";
    for (int i = int(rng() % 3); i > 0; --i) text += pick(window) + "\n";
    for (const char* section : {"[keys]", "[pad]"}) {
      text += std::string(section) + "\n";
      for (int i = int(rng() % 6); i > 0; --i) {
        std::string names;
        for (int n = int(rng() % 3); n >= 0; --n)
          names += (names.empty() ? "" : ", ") + pick(section[1] == 'k' ? keys : buttons);
        text += std::string(plat::GameKeyName(int(rng() % plat::kGameKeyCount))) + " = " + names +
                (rng() % 4 == 0 ? "  # hand made\n" : "\n");
      }
      if (rng() % 5 == 0) text += "not a line\n";
    }
    if (rng() % 3 == 0) text += "[game]\nlanguage = en\n";
    texts.push_back(text);
  }
  for (const std::string& text : texts) {
    std::vector<plat::SettingsWarning> w;
    const plat::Settings read = plat::ParseSettings(text, w);
    std::vector<int> unusable;
    for (const auto& warning : w)
      if (!warning.lineUsed) unusable.push_back(warning.line);
    const std::string kept =
        w.empty() ? text : plat::ini::UsableLines(text, unusable, plat::SettingsSections());
    for (const std::string& written :
         {plat::FormatSettings(read, ""), plat::FormatSettings(read, kept)}) {
      std::vector<plat::SettingsWarning> again;
      const plat::Settings back = plat::ParseSettings(written, again);
      EXPECT_TRUE(again.empty()) << text << "--- written:\n"
                                 << written << "--- warns: " << again.front().text;
      EXPECT_EQ(plat::SettingsChanged(read, back), Names{}) << text << "--- written:\n" << written;
      EXPECT_EQ(back.game, read.game) << text;
    }
  }
}

TEST(SettingsFile, WritingKeepsThePlayersLinesAndDropsOnlyTheBadOnes) {
  const std::string before =
      "# mine\n"
      "[window]\n"
      "scale = 3  # big\n"
      "fullscreen = maybe\n"
      "border = thin\n"
      "\n"
      "[keys]\n"
      "# arrows and WASD\n"
      "up = Up, W\n"
      "this is not a setting\n"
      "up = S\n"
      "\n"
      "[sound]\n"
      "volume = 11\n"
      "[game]\n"
      "language = en\n";
  std::vector<plat::SettingsWarning> w;
  plat::Settings s = plat::ParseSettings(before, w);
  s.scale = 2;
  s.fullscreen = true;
  s.keys[plat::kKeyZ] = {"Q"};
  s.game.emplace_back("speed", "fast");
  s.scaling = plat::Scaling::Fit;
  s.pad[plat::kKeyZ] = {"leftshoulder", "x"};
  EXPECT_EQ(plat::FormatSettings(s, before),
            "# mine\n"
            "[window]\n"
            "scale = 2  # big\n"
            "fullscreen = true\n"
            "border = thin\n"
            "scaling = fit\n"
            "\n"
            "[keys]\n"
            "# arrows and WASD\n"
            "up = Up, W\n"
            "left = Left\n"
            "right = Right\n"
            "down = Down\n"
            "space = Space\n"
            "shift = Left Shift, Right Shift\n"
            "ctrl = Left Ctrl, Right Ctrl\n"
            "z = Q\n"
            "x = X, 2\n"
            "c = C, 3\n"
            "\n"
            "[sound]\n"
            "volume = 11\n"
            "[game]\n"
            "language = en\n"
            "speed = fast\n"
            "\n"
            "[pad]\n"
            "left = dpleft\n"
            "up = dpup\n"
            "right = dpright\n"
            "down = dpdown\n"
            "space = a\n"
            "shift = b\n"
            "ctrl = start\n"
            "z = leftshoulder, x\n"
            "x = y\n"
            "c = rightshoulder\n"
            "\n"
            "[recording]\n"
            "keep = 5\n");

  // A whole new file reads back as written, without a word.
  plat::Settings mine = plat::DefaultSettings();
  mine.scale = 4;
  mine.keys[plat::kKeyC] = {"Comma", "Keypad 3"};
  mine.game = {{"language", "en"}};
  mine.keepSessions = 3;
  const std::string fresh = plat::FormatSettings(mine, "");
  w.clear();
  plat::Settings back = plat::ParseSettings(fresh, w);
  EXPECT_TRUE(w.empty()) << w.front().text;
  EXPECT_EQ(back.scale, 4);
  EXPECT_EQ(back.keys, mine.keys);
  EXPECT_EQ(back.pad, mine.pad);
  EXPECT_EQ(back.game, mine.game);
  EXPECT_EQ(back.keepSessions, 3);
  EXPECT_NE(fresh.find("c = Comma, Keypad 3\n"), std::string::npos);
}

TEST(SettingsFile, ABadFileWarnsByLineIsLeftAloneAndIsKeptAsBadWhenTheGameWrites) {
  TempDir t;
  const std::string path = t / "mokimoki/settings.ini";
  // Its last lines: a section whose name would drive the terminal, and
  // binary junk, neither of which the new file carries.
  const std::string bad =
      "[window]\nscale = 40\nfullscreen = true\n[keys]\nup = Banana\nnonsense\ndown = S\n"
      "[so\x1b[2Jund]\nvolume = 11\n# \x01\x02\xff\n[c1\xc2\x9b"
      "2J]\n[stray\x9b"
      "2J]\n";
  Put(path, bad);
  testing::internal::CaptureStderr();
  plat::LoadSettings(path);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find(path + ":2: scale must be"), std::string::npos) << err;
  EXPECT_NE(err.find(path + ":5: \"Banana\""), std::string::npos) << err;
  EXPECT_NE(err.find(path + ":6: not a"), std::string::npos) << err;
  EXPECT_NE(err.find("[so\\x1b[2jund]"), std::string::npos) << err;
  EXPECT_EQ(err.find('\x1b'), std::string::npos);
  // C1 controls (U+009B starts a command too), and bytes that are no
  // character, are shown escaped as well.
  EXPECT_NE(err.find("[c1\\u009b2j]"), std::string::npos) << err;
  EXPECT_NE(err.find("[stray\\x9b2j]"), std::string::npos) << err;
  EXPECT_EQ(err.find('\x9b'), std::string::npos);
  // Each bad line's default applies; the good lines count.
  EXPECT_EQ(plat::CurrentSettings().scale, 0);
  EXPECT_TRUE(plat::CurrentSettings().fullscreen);
  EXPECT_EQ(plat::CurrentSettings().keys[plat::kKeyUp], Names{"Up"});
  EXPECT_EQ(plat::internal::BoundVk(plat::KeyCodeOf("S")), plat::VK_DOWN);
  EXPECT_EQ(plat::internal::BoundVk(plat::KeyCodeOf("Down")), 0);

  // Nothing changed: nothing written, whatever the player did the same again.
  EXPECT_EQ(plat::BindKey(plat::kKeyUp, "up").result, plat::BindResult::Unchanged);
  plat::internal::RecordFullscreen(true);
  EXPECT_EQ(plat::BindKey(plat::kKeyDown, "s").result, plat::BindResult::Unchanged);
  EXPECT_EQ(Slurp(path), bad);
  EXPECT_FALSE(fs::exists(path + ".bad"));

  // The first change keeps the old file as .bad and writes a whole good one.
  plat::BindOutcome o = plat::BindKey(plat::kKeyRight, "D");
  EXPECT_EQ(o.result, plat::BindResult::Changed);
  EXPECT_TRUE(o.saved);
  EXPECT_EQ(Slurp(path + ".bad"), bad);
  std::vector<plat::SettingsWarning> w;
  plat::Settings written = plat::ParseSettings(Slurp(path), w);
  EXPECT_TRUE(w.empty()) << w.front().text;
  EXPECT_EQ(written.keys, plat::CurrentSettings().keys);
  EXPECT_EQ(written.keys[plat::kKeyRight], Names{"D"});
  EXPECT_TRUE(written.fullscreen);
  EXPECT_EQ(Slurp(path).find("volume"), std::string::npos) << Slurp(path);
  EXPECT_EQ(Slurp(path).find('\x01'), std::string::npos);
  EXPECT_FALSE(fs::exists(path + ".tmp"));
  // Later changes leave the .bad file as the player had it.
  EXPECT_EQ(plat::BindKey(plat::kKeyRight, "F").result, plat::BindResult::Changed);
  EXPECT_EQ(Slurp(path + ".bad"), bad);
  EXPECT_EQ(plat::ParseSettings(Slurp(path), w).keys[plat::kKeyRight], Names{"F"});
  plat::UseDefaultSettings();
}

TEST(SettingsFile, UnreadableMissingOrUnwritableNeverStopsTheGame) {
  TempDir t;
  // A folder where the file should be, or at the end of its link, cannot be
  // read: the defaults apply, and a change applies unsaved, the folder left
  // where it is and named.
  const std::string path = t / "a/mokimoki/settings.ini", linked = t / "a/Documents";
  std::string err;
  for (const bool link : {false, true}) {
    SCOPED_TRACE(link ? "a link to a folder" : "a folder");
    fs::create_directories(link ? linked + "/mine" : path + "/mine");
    if (link) fs::create_directory_symlink(linked, path);
    testing::internal::CaptureStderr();
    plat::LoadSettings(path);
    EXPECT_EQ(plat::CurrentSettings().keys, plat::DefaultSettings().keys);
    EXPECT_FALSE(plat::SetGameSetting("language", link ? "ja" : "en"));
    err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(path + ": not a plain file"), std::string::npos) << err;
    EXPECT_NE(
        err.find("(" + (link ? linked : path) + ": not a plain file; it is left where it is)"),
        std::string::npos)
        << err;
    EXPECT_TRUE(fs::is_directory((link ? linked : path) + "/mine"));
    EXPECT_FALSE(fs::exists(path + ".bad") || fs::exists(linked + ".bad"));
    EXPECT_EQ(plat::GameSetting("language"), link ? "ja" : "en");
    fs::remove_all(path);
  }

  // No file: no word, and the folder is made by the first change.
  const std::string fresh = t / "b/mokimoki/settings.ini";
  testing::internal::CaptureStderr();
  plat::LoadSettings(fresh);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_FALSE(fs::exists(t / "b"));
  EXPECT_EQ(plat::GameSetting("language"), "");
  EXPECT_EQ(plat::BindKey(plat::kKeySpace, "E").result, plat::BindResult::Changed);
  EXPECT_NE(Slurp(fresh).find("space = E\n"), std::string::npos);

  // A file where the folder should be: the change applies, a warning says
  // the settings are not saved, and the game plays on.
  Put(t / "c/mokimoki", "in the way");
  const std::string blocked = t / "c/mokimoki/settings.ini";
  plat::LoadSettings(blocked);
  testing::internal::CaptureStderr();
  plat::BindOutcome o = plat::BindKey(plat::kKeySpace, "E");
  err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(o.result, plat::BindResult::Changed);
  EXPECT_FALSE(o.saved);
  EXPECT_NE(err.find("cannot write the settings"), std::string::npos) << err;
  EXPECT_EQ(plat::internal::BoundVk(plat::KeyCodeOf("E")), plat::VK_SPACE);
  EXPECT_EQ(Slurp(t / "c/mokimoki"), "in the way");

  // The path follows XDG_CONFIG_HOME, or ~/.config without it.
  const char* xdg = getenv("XDG_CONFIG_HOME");
  std::string saved = xdg ? xdg : "";
  setenv("XDG_CONFIG_HOME", t.dir.c_str(), 1);
  EXPECT_EQ(plat::SettingsPath(), t / "mokimoki/settings.ini");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(plat::SettingsPath(), std::string(getenv("HOME")) + "/.config/mokimoki/settings.ini");
  if (xdg) setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  plat::UseDefaultSettings();
}

TEST(SettingsScenario, SettingsComesFirstAndKeyboardKeysGoByName) {
  std::vector<plat::scenario::Command> cmds;
  std::string err;
  ASSERT_TRUE(plat::scenario::Parse(
      "seed 3\nsettings my.ini\npresskey Left_Shift 100\nkeydown w\nkeyup W\nresize 608 468\n",
      cmds, err))
      << err;
  ASSERT_EQ(cmds.size(), 6u);
  EXPECT_EQ(cmds[1].op, plat::scenario::Op::Settings);
  EXPECT_EQ(cmds[1].file, "my.ini");
  EXPECT_EQ(cmds[2].key, plat::KeyCodeOf("Left Shift"));
  EXPECT_EQ(cmds[2].ms, 100);
  EXPECT_EQ(cmds[3].key, cmds[4].key);
  EXPECT_EQ(cmds[5].w, 608);
  EXPECT_FALSE(plat::scenario::Parse("wait 1\nsettings my.ini\n", cmds, err));
  EXPECT_NE(err.find("line 2"), std::string::npos);
  EXPECT_FALSE(plat::scenario::Parse("presskey Banana\n", cmds, err));
  EXPECT_FALSE(plat::scenario::Parse("resize 0 468\n", cmds, err));
}

TEST(SettingsWindow, ScaleAndFullScreenAreRememberedAcrossTwoStarts) {
  TempDir t;
  const std::string file = t / "settings.ini";
  auto f = MakeForm();
  // The first start opens at the largest scale that fits (2 on the headless
  // screen). A drag that ends where it began writes nothing.
  EXPECT_EQ(Play(*f, "settings " + file + "\nresize 700 500\nwait 100\nresize 1300 1000\n" +
                         "wait 1000\ndump\n"),
            0);
  EXPECT_EQ(WindowJson(), "{\"width\":1300,\"height\":1000,\"scale\":2,\"fullscreen\":false}");
  EXPECT_FALSE(fs::exists(file));
  // Made smaller, the window's scale is written once the drag has settled.
  RunWith("resize 1000 700\nwait 300\n", [] { plat::headless::MainLoop(); });
  EXPECT_FALSE(fs::exists(file));
  RunWith("wait 300\n", [] { plat::headless::MainLoop(); });
  EXPECT_NE(Slurp(file).find("scale = 1\nfullscreen = false\n"), std::string::npos);
  RunWith("press f11\nwait 100\n", [] { plat::headless::MainLoop(); });
  EXPECT_NE(Slurp(file).find("scale = 1\nfullscreen = true\n"), std::string::npos);

  // The second start opens full screen, and F11 brings the window at 1x.
  auto g = MakeForm();
  EXPECT_EQ(Play(*g, "settings " + file + "\nwait 100\ndump\npress f11\nwait 100\n"), 0);
  EXPECT_EQ(WindowJson(), "{\"width\":608,\"height\":468,\"scale\":1,\"fullscreen\":false}");
  EXPECT_EQ(plat::headless::Dumps().size(), 2u);
  const std::string& first = plat::headless::Dumps()[0];
  EXPECT_NE(first.find("\"window\":{\"width\":608,\"height\":468,\"scale\":2,\"fullscreen\":true}"),
            std::string::npos)
      << first;
  EXPECT_NE(Slurp(file).find("fullscreen = false\n"), std::string::npos);

  // Whole multiples leave the 1920 x 1080 screen's picture at 2x; fit, chosen
  // from the menu, fills its height (the bar hidden in full screen), centred,
  // from 3x down. The choice is remembered.
  RunWith("press f11\nwait 100\ndump\nmenu fit\nwait 100\ndump\n",
          [] { plat::headless::MainLoop(); });
  const auto& dumps = plat::headless::Dumps();
  ASSERT_GE(dumps.size(), 3u);  // the two, and the run's last
  EXPECT_NE(dumps[dumps.size() - 3].find(
                "\"picture\":{\"scaling\":\"whole\",\"x\":352,\"y\":92,\"w\":1216,\"h\":896}"),
            std::string::npos);
  EXPECT_NE(dumps.back().find(
                "\"picture\":{\"scaling\":\"fit\",\"x\":227,\"y\":0,\"w\":1466,\"h\":1080}"),
            std::string::npos)
      << dumps.back();
  EXPECT_NE(Slurp(file).find("scaling = fit\n"), std::string::npos);
}

TEST(SettingsKeys, KeysChosenOnTheKeyScreenWalkTalkAndUseItems) {
  TempDir t;
  const std::string file = t / "settings.ini";
  auto f = MakeForm(11);
  GameState& gs = f->gs;
  testing_support::NewGameThroughTheOpening(*f, 0);
  ASSERT_EQ(gs.playerY, 31);
  // Up becomes W, Space becomes E and Z becomes Q, each chosen on the screen.
  int code = RunWith("settings " + file +
                         "\nmenu keys\npress down\npress space\npresskey W\n"
                         "press down\npress down\npress down\npress space\npresskey E\n"
                         "press down\npress down\npress down\npress space\npresskey Q\n"
                         "press esc\nwait 100\n",
                     [] { plat::headless::MainLoop(); });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(gs.keyScreenShown, 0);
  EXPECT_TRUE(plat::TimerEnabled());
  const std::string text = Slurp(file);
  EXPECT_NE(text.find("up = W\n"), std::string::npos) << text;
  EXPECT_NE(text.find("space = E\n"), std::string::npos) << text;
  EXPECT_NE(text.find("z = Q\n"), std::string::npos) << text;

  // The old Up key does nothing now; W walks.
  RunWith("presskey Up 400\nwait 300\n", [] { plat::headless::MainLoop(); });
  EXPECT_EQ(gs.playerY, 31);
  RunWith("presskey W 400\nwait 300\n", [] { plat::headless::MainLoop(); });
  EXPECT_LT(gs.playerY, 31);

  // E talks to the receptionist across the counter; Space does not.
  testing_support::PlaceParty(gs, 20, 10, 1, 20, 11);
  gs.castFacing[2] = 0;
  RunWith("presskey Space\nwait 200\n", [] { plat::headless::MainLoop(); });
  EXPECT_EQ(gs.dialogueState, 0);
  RunWith("presskey E\nwait 200\n", [] { plat::headless::MainLoop(); });
  EXPECT_NE(gs.dialogueState, 0);

  // A new start reads the keys back: Q uses the item on Z, Z no longer does,
  // and 2 still uses the one on X.
  auto m = testing_support::LeagueMatchForm(1, 1);
  GameState& ms = m->gs;
  ms.slotItem = {16, 16, 22};  // 停電 on Z and X
  ms.slotCount[16][0] = 2, ms.slotCount[16][1] = 2;
  code = RunWith("settings " + file + "\npresskey Z\npresskey Q\npresskey 1\npresskey 2\nwait 50\n",
                 [] { plat::headless::MainLoop(); });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(ms.slotCount[16][0], 1);
  EXPECT_EQ(ms.slotCount[16][1], 1);
}

TEST(SettingsKeyScreen, RefusesAKeyTakenOrKeptByTheWindowAndEscapeLeavesIt) {
  TempDir t;
  const std::string file = t / "settings.ini";
  auto f = MakeForm();
  GameState& gs = f->gs;
  struct Seen {
    int16_t waiting, note, other;
    std::u32string key;
    bool warned;  // the note line is drawn in the warning colour
  };
  std::vector<Seen> seen;
  plat::headless::SetDumpSink([&](const std::string&) {
    const plat::Surface& frame = plat::headless::LastFrame();
    bool warned = false;
    for (int y = 350; y < 380; ++y)
      for (int x = 40; x < 400; ++x) warned = warned || frame.At(x, y) == plat::RGB(255, 224, 120);
    seen.push_back(
        {gs.keyScreenWaiting, gs.keyScreenNote, gs.keyScreenOther, gs.keyScreenKey, warned});
  });
  // Left is highlighted first. Up is the up key's, Return the window's.
  int code = Play(*f, "settings " + file +
                          "\nmenu keys\npress space\ndump\npresskey Up\ndump\n"
                          "presskey Return\ndump\npresskey Escape\ndump\nwait 100\n");
  plat::headless::SetDumpSink(nullptr);
  EXPECT_EQ(code, 0);
  ASSERT_EQ(seen.size(), 5u);
  EXPECT_EQ(seen[0].note, moki::kNoteWaiting);
  EXPECT_FALSE(seen[0].warned);
  EXPECT_EQ(seen[1].waiting, 1);
  EXPECT_EQ(seen[1].note, moki::kNoteTaken);
  EXPECT_EQ(seen[1].other, plat::kKeyUp);
  EXPECT_EQ(seen[1].key, U"Up");
  EXPECT_TRUE(seen[1].warned);
  EXPECT_EQ(seen[2].note, moki::kNoteReserved);
  EXPECT_EQ(seen[2].waiting, 1);
  EXPECT_TRUE(seen[2].warned);
  EXPECT_EQ(seen[3].note, moki::kNoteUnchanged);
  EXPECT_EQ(seen[3].waiting, 0);
  EXPECT_EQ(gs.keyScreenShown, 1);
  EXPECT_EQ(plat::CurrentSettings().keys, plat::DefaultSettings().keys);
  EXPECT_FALSE(fs::exists(file));

  // The controller's column, with the controller alone: Right, Down to up's
  // row, A; Y is x's and is refused, the left shoulder taken; B closes the
  // screen. The next start has it.
  auto g = MakeForm();
  struct Pad {
    int16_t column, waiting, note;
    std::u32string key;
  };
  std::vector<Pad> pad;
  plat::headless::SetDumpSink([&](const std::string&) {
    pad.push_back(
        {g->gs.keyScreenColumn, g->gs.keyScreenWaiting, g->gs.keyScreenNote, g->gs.keyScreenKey});
  });
  code = Play(*g, "settings " + file +
                      "\nmenu keys\npad press dpright\npad press dpdown\npad press a\ndump\n"
                      "pad press y\ndump\npad press leftshoulder\ndump\npad press b\nwait 100\n");
  plat::headless::SetDumpSink(nullptr);
  EXPECT_EQ(code, 0);
  ASSERT_EQ(pad.size(), 4u);  // and the run's last
  EXPECT_EQ(pad[0].column, 1);
  EXPECT_EQ(pad[0].note, moki::kNoteWaiting);
  EXPECT_EQ(pad[1].note, moki::kNoteTaken);
  EXPECT_EQ(pad[1].key, U"Y");
  EXPECT_EQ(pad[1].waiting, 1);
  EXPECT_EQ(pad[2].note, moki::kNoteChanged);
  EXPECT_EQ(pad[2].waiting, 0);
  EXPECT_EQ(g->gs.keyScreenShown, 0);
  EXPECT_NE(Slurp(file).find("[pad]\nleft = dpleft\nup = leftshoulder\n"), std::string::npos)
      << Slurp(file);
  auto h = MakeForm();
  EXPECT_EQ(Play(*h, "settings " + file + "\nwait 100\n"), 0);
  EXPECT_EQ(plat::GameKeyOfButton(plat::kPadLeftShoulder), plat::kKeyUp);
  EXPECT_EQ(plat::GameKeyOfButton(plat::kPadUp), -1);
}

TEST(SettingsKeyScreen, OpenedInADialogueHoldsItAndGivesItBackAsItWas) {
  auto f = MakeForm();
  GameState& gs = f->gs;
  struct Seen {
    int16_t dialogue, shown;
    bool label, start, keysItem;
    std::u32string text;
  };
  std::vector<Seen> seen;
  plat::headless::SetDumpSink([&](const std::string&) {
    seen.push_back({gs.dialogueState, gs.keyScreenShown, plat::LabelVisible(),
                    plat::MenuEnabled(moki::kMenuStart), plat::MenuEnabled(moki::kMenuKeys),
                    gs.messageText});
  });
  // The opening types its first page; the screen opens halfway through it.
  int code = Play(*f,
                  "menu start\nwait 600\nmenu keys\nwait 10\ndump\npress space\npress esc\n"
                  "wait 2000\ndump\npress esc\nwait 10\ndump\nwait 3000\ndump\n");
  plat::headless::SetDumpSink(nullptr);
  EXPECT_EQ(code, 0);
  ASSERT_EQ(seen.size(), 5u);
  EXPECT_EQ(seen[0].shown, 1);
  EXPECT_FALSE(seen[0].label);
  EXPECT_FALSE(seen[0].start);
  EXPECT_FALSE(seen[0].keysItem);
  // Nothing is typed and Space turns no page while the screen is up.
  EXPECT_EQ(seen[1].text, seen[0].text);
  EXPECT_EQ(seen[1].dialogue, seen[0].dialogue);
  EXPECT_EQ(seen[2].shown, 0);
  EXPECT_TRUE(seen[2].label);
  EXPECT_FALSE(seen[2].start);  // a game is running
  EXPECT_TRUE(seen[2].keysItem);
  // The opening goes on where it was.
  EXPECT_GT(seen[3].text.size(), seen[2].text.size());
  EXPECT_EQ(seen[3].text.substr(0, seen[2].text.size()), seen[2].text);
}

TEST(SettingsLanguage, TheMenuSwitchesAtOnceAndTheNextStartRemembersIt) {
  TempDir t;
  const std::string file = t / "settings.ini";
  Put(file, "# mine\n[window]\nscale = 1\n");
  auto f = MakeForm();
  // Japanese at first: its own item is greyed, English can be chosen.
  EXPECT_EQ(Play(*f, "settings " + file + "\nwait 100\nmenu japanese\nwait 100\ndump\n" +
                         "menu english\nwait 100\ndump\n"),
            0);
  ASSERT_EQ(plat::headless::Dumps().size(), 3u);
  EXPECT_NE(plat::headless::Dumps()[0].find("\"language\":0"), std::string::npos);
  EXPECT_NE(plat::headless::Dumps()[1].find("\"language\":1"), std::string::npos);
  EXPECT_EQ(f->gs.castNames[0], U"Kua");
  EXPECT_FALSE(plat::MenuEnabled(moki::kMenuLanguage + 1));
  EXPECT_TRUE(plat::MenuEnabled(moki::kMenuLanguage));
  EXPECT_EQ(plat::MenuBar()[0].title, U"&File");
  const std::string written = Slurp(file);
  EXPECT_EQ(written.rfind("# mine\n[window]\nscale = 1\n", 0), 0u) << written;
  EXPECT_NE(written.find("[game]\nlanguage = en\n"), std::string::npos) << written;

  // The next start speaks English from its title on; `lang` for one run
  // does not touch the file.
  auto g = MakeForm();
  EXPECT_EQ(Play(*g, "settings " + file + "\nwait 100\ndump\nlang ja\nwait 100\n"), 0);
  EXPECT_NE(plat::headless::Dumps()[0].find("\"language\":1"), std::string::npos);
  EXPECT_EQ(plat::MenuBar()[0].title, U"ファイル(&F)");
  EXPECT_NE(Slurp(file).find("language = en"), std::string::npos);

  // Edited by hand (or by another copy of the game) while the game runs: the
  // game's next write changes its own setting and leaves the rest as found.
  const std::string edited = "# mine, edited\n[window]\nscale = 3\n[keys]\nup = W\n[game]\n" +
                             std::string("language = en\n");
  Put(file, edited);
  EXPECT_TRUE(plat::SetGameSetting("language", "ja"));
  EXPECT_EQ(plat::BindKey(plat::kKeyDown, "S").result, plat::BindResult::Changed);
  const std::string now = Slurp(file);
  for (const char* line : {"# mine, edited\n[window]\nscale = 3\n", "[keys]\nup = W\n",
                           "down = S\n", "[game]\nlanguage = ja\n"})
    EXPECT_NE(now.find(line), std::string::npos) << line << " in\n" << now;

  // Two copies changing a setting each at the same moment: every round,
  // the file holds both changes.
  int go[2], done[2];
  ASSERT_EQ(pipe(go), 0);
  ASSERT_EQ(pipe(done), 0);
  plat::LoadSettings(file);
  constexpr int kRounds = 40;
  const pid_t other = fork();
  char byte = 0;
  int lost = 0;
  for (int round = 0; round < kRounds; ++round) {
    if (other == 0) {
      if (read(go[0], &byte, 1) != 1) _exit(1);
      plat::SetGameSetting("other", std::to_string(round));
      if (write(done[1], &byte, 1) != 1) _exit(1);
      continue;
    }
    ASSERT_EQ(write(go[1], &byte, 1), 1);
    plat::SetGameSetting("mine", std::to_string(round));
    ASSERT_EQ(read(done[0], &byte, 1), 1);
    std::vector<plat::SettingsWarning> warnings;
    const plat::Settings both = plat::ParseSettings(Slurp(file), warnings);
    const std::vector<std::pair<std::string, std::string>> want = {
        {"mine", std::to_string(round)}, {"other", std::to_string(round)}};
    for (const auto& setting : want)
      if (std::find(both.game.begin(), both.game.end(), setting) == both.game.end()) ++lost;
  }
  if (other == 0) _exit(0);
  EXPECT_EQ(lost, 0) << "changes lost in " << kRounds << " rounds";
  int status = 1;
  waitpid(other, &status, 0);
  EXPECT_EQ(status, 0);
  plat::UseDefaultSettings();
}
