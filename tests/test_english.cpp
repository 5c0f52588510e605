// The game in English, played through its keys: a whole season and a bear
// game with no Japanese character on the screen, the title's own lettering,
// and a switch of language in the middle of a talk that carries the talk on
// in the other language.
#include <algorithm>
#include <cstdio>
#include <cctype>
#include <fstream>
#include <set>

#include "core/screen_colors.h"
#include "platform/scenario.h"
#include "player_files/user_files.h"
#include "story/language.h"
#include "test_support.h"

using namespace moki;
using testing_support::AutoReader;
using testing_support::HasJapanese;
using testing_support::MakeForm;
using testing_support::RunWith;

namespace {

using testing_support::Steps;

// Everything the player is shown: the lines printed on the window, the
// message window's text, the result boxes. Remembers what was Japanese.
struct Watch {
  GameState* gs = nullptr;
  std::set<std::string> japanese;
  std::u32string everything;  // all English shown, for looking things up
  int boxes = 0;
  std::vector<std::u32string> captions, scores;

  void See(const std::u32string& s) {
    if (HasJapanese(s)) japanese.insert(plat::ToUtf8(s));
    everything += s;
    everything += U'\n';
  }
  void Look() {
    if (plat::LabelVisible() && !gs->messageText.empty()) See(gs->messageText);
    if (plat::headless::MessageBoxCount() != boxes) {
      boxes = plat::headless::MessageBoxCount();
      captions.push_back(plat::headless::LastMessageBoxCaption());
      scores.push_back(plat::headless::LastMessageBoxText());
      See(captions.back());
      See(scores.back());
    }
  }
  bool Saw(const std::u32string& s) const { return everything.find(s) != std::u32string::npos; }
};

// A new game from the menu, its opening answered yes.
void NewGame(Form1& f, Watch& watch, bool load) {
  AutoReader reader;
  reader.gs = &f.gs;
  reader.answers = {0};
  reader.closeAtEnd = true;
  plat::headless::SetIdleHook([&] {
    watch.Look();
    reader();
  });
  const int code =
      RunWith("menu start\nuntil GameMode 1 2000\nuntil timerEnabled true 60000\nwait 100\n", [&] {
        if (load) {
          Form_Load(f);
          SetLanguage(f, kLangEnglish);
        }
        plat::headless::MainLoop();
      });
  plat::headless::SetIdleHook(nullptr);
  EXPECT_EQ(code, 0);
}

// The first start follows the desktop: LC_ALL, then LC_MESSAGES, then LANG,
// the first that is set and not empty; only a Japanese locale is Japanese.
TEST(English, TheFirstStartFollowsTheDesktopsLocale) {
  struct Row {
    const char *language, *all, *messages, *lang;
    int expected;
  };
  const Row rows[] = {
      {nullptr, nullptr, nullptr, "ja_JP.UTF-8", kLangJapanese},
      {nullptr, nullptr, nullptr, "en_US.UTF-8", kLangEnglish},
      {nullptr, nullptr, nullptr, "C", kLangEnglish},
      {nullptr, "POSIX", nullptr, "ja_JP.UTF-8", kLangEnglish},
      {nullptr, "", "ja_JP.eucJP", "en_GB.UTF-8", kLangJapanese},
      {nullptr, "ja", "en_US.UTF-8", "en_US.UTF-8", kLangJapanese},
      {nullptr, nullptr, "", "", kLangEnglish},
      {nullptr, nullptr, nullptr, nullptr, kLangEnglish},
      {nullptr, nullptr, nullptr, "jv_ID.UTF-8", kLangEnglish},  // Javanese is not Japanese
      {nullptr, nullptr, nullptr, "de_DE.UTF-8", kLangEnglish},  // no German: English
      // LANGUAGE first, as gettext programs read it: its first language the
      // game has, whatever the locale says.
      {"ja", nullptr, nullptr, "en_US.UTF-8", kLangJapanese},
      {"ja", nullptr, nullptr, "C", kLangJapanese},
      {"de:ja_JP:en", "en_US.UTF-8", nullptr, nullptr, kLangJapanese},
      {"de:fr", nullptr, nullptr, "ja_JP.UTF-8", kLangJapanese},
      {"", nullptr, nullptr, "ja_JP.UTF-8", kLangJapanese},
      {"en", nullptr, nullptr, "ja_JP.UTF-8", kLangEnglish},
  };
  for (const Row& r : rows)
    EXPECT_EQ(LanguageFromLocale(r.language, r.all, r.messages, r.lang), r.expected)
        << (r.language ? r.language : "-") << " " << (r.all ? r.all : "-") << " "
        << (r.messages ? r.messages : "-") << " " << (r.lang ? r.lang : "-");
}

}  // namespace

TEST(English, ASeasonAndABearGameShowNoJapanese) {
  auto f = MakeForm(5);
  GameState& gs = f->gs;
  gs.language = kLangEnglish;  // as the settings file would have it at start-up
  Watch watch;
  watch.gs = &gs;
  plat::SetPrintObserver([&](int, int, const std::u32string& s, plat::Color) { watch.See(s); });

  NewGame(*f, watch, true);
  EXPECT_TRUE(watch.Saw(U"Mokimoki: Kua (main character), the day has finally come!"));
  EXPECT_TRUE(watch.Saw(U"Cursor keys: move your character"));  // the title's help

  // The season: nine league wins, the final, two defences, then a loss.
  testing_support::SeasonPlayer player;
  player.gs = &gs;
  player.look = [&] { watch.Look(); };
  player.plan = std::vector<bool>(12, true);
  player.plan.push_back(false);
  ASSERT_EQ(testing_support::PlaySeason(player), 0);
  EXPECT_EQ(gs.winsByCast[0], 12);
  EXPECT_EQ(gs.roundNumber, 14);
  EXPECT_EQ(gs.GameMode, kModeTitle);
  // A match level at the end of the clock is played again at once, its box
  // saying so first; the replay, decided by the plan as soon as it starts,
  // may show its box before the watch looks again.
  std::vector<std::string> results;
  size_t draws = 0;
  for (const std::u32string& c : watch.captions)
    if (c == U"Draw! Extra time")
      ++draws;
    else
      results.push_back(plat::ToUtf8(c));
  ASSERT_GE(results.size() + draws, 13u);
  ASSERT_GE(results.size(), 13u - draws);
  for (size_t k = 0; k + 1 < results.size(); ++k) EXPECT_EQ(results[k], "You win!");
  EXPECT_EQ(results.back(), "You lose");
  // She spoke English all the way: the league, the ranking, the prize, the
  // final, the challengers and the end.
  EXPECT_TRUE(watch.Saw(U"Receptionist: This is the match reception desk."));
  EXPECT_TRUE(watch.Saw(U"10th"));  // the ranking screen's last line
  EXPECT_TRUE(watch.Saw(U"Your opponent in round 1 is "));
  EXPECT_TRUE(watch.Saw(U"You are currently 1st of 10."));  // #P as an ordinal
  EXPECT_TRUE(watch.Saw(U", currently "));
  EXPECT_TRUE(watch.Saw(U"Please accept the winner's prize of 15,000 dolls."));
  EXPECT_TRUE(watch.Saw(U"Champions, you have received a challenge.\r\nIt's from "));
  EXPECT_TRUE(watch.Saw(U"Anyway, game ovah!"));
  EXPECT_TRUE(watch.Saw(U"-TIME "));  // the match's clock line, with English names
  EXPECT_TRUE(watch.Saw(U"Kua "));

  // A new game, and down to the first bear room with three wins.
  NewGame(*f, watch, false);
  gs.winsByCast[0] = 3;
  for (auto& row : gs.hallOccupancy)
    for (auto& who : row)
      if (who == 0 || who == 1) who = -1;
  gs.playerX = 30, gs.playerY = 9, gs.playerFacing = 1;
  gs.partnerX = 30, gs.partnerY = 10, gs.partnerSide = gs.partnerPrevSide = 3;
  gs.hallOccupancy[9][30] = 0, gs.hallOccupancy[10][30] = 1;
  auto run = [&](const std::string& scenario) {
    return RunWith(scenario, [&] { plat::headless::MainLoop(); });
  };
  ASSERT_EQ(run(Steps("U")), 0);
  ASSERT_EQ(run(Steps("DDDDDDDLDDDRD")), 0);
  ASSERT_EQ(gs.currentRoom, 1);
  ASSERT_EQ(run(Steps("UUUU")), 0);

  // The host sells the game (yes to all); the fireball is steered into the
  // bear by hand once the game runs.
  AutoReader reader;
  reader.gs = &gs;
  reader.answers = {0, 0, 0, 0};
  reader.closeAtEnd = true;
  double bearFrom = -1;
  plat::headless::SetIdleHook([&] {
    watch.Look();
    reader();
    if (gs.GameMode != kModeBear || !plat::TimerEnabled()) return;
    if (bearFrom < 0) bearFrom = plat::headless::Now();
    if (plat::headless::Now() - bearFrom > 1000) {
      gs.fireX = gs.bearX + float(16 << gs.bearIndex) - 9;
      gs.fireY = gs.bearY + float(16 << gs.bearIndex) - 9;
    }
  });
  plat::headless::SetFrameHook([&](const plat::Surface&) { watch.Look(); });
  const int code =
      run("press space\nuntil GameMode 3 120000\nuntil GameMode 2 600000\n"
          "until dialogueState 0 120000\nwait 1000\npress ctrl\nwait 500\npress ctrl\nwait 500\n");
  plat::headless::SetIdleHook(nullptr);
  plat::headless::SetFrameHook(nullptr);
  ASSERT_EQ(code, 0);
  EXPECT_EQ(gs.specialAbilities[0], 1);
  EXPECT_TRUE(watch.Saw(U"Welcome to Mr. Bear's secret basement!"));
  EXPECT_TRUE(watch.Saw(U"here's your very special item, \"Dash\"!"));
  EXPECT_TRUE(watch.Saw(U"\"Dash\": press Up and Down on the cursor keys together"));
  // The Ctrl pause's status screen: the round, and the money less the fee
  // with its thousands marked.
  EXPECT_TRUE(watch.Saw(U"Round 1"));
  EXPECT_TRUE(watch.Saw(U"2,900 dolls"));
  plat::SetPrintObserver(nullptr);

  for (const std::string& s : watch.japanese) ADD_FAILURE() << "Japanese shown: " << s;
}

TEST(English, SwitchingInTheMiddleOfATalkGoesOnInTheOtherLanguage) {
  auto f = MakeForm(3);
  GameState& gs = f->gs;
  testing_support::NewGameThroughTheOpening(*f, 0);
  testing_support::PlaceParty(gs, 20, 10, 1, 20, 11);

  // The receptionist in Japanese. A few characters into her first line the
  // player switches to English: the page is written again in English up to
  // the end of the line, and the talk goes on in English.
  AutoReader reader;
  reader.gs = &gs;
  reader.answers = {0, 0, 0, 0};
  reader.closeAtEnd = false;
  int step = 0;
  std::u32string rewritten, questionRewritten, afterRanking, rankingLabel;
  std::vector<std::u32string> printed;
  plat::SetPrintObserver(
      [&](int, int, const std::u32string& s, plat::Color) { printed.push_back(s); });
  plat::headless::SetIdleHook([&] {
    if (step == 0 && gs.messageText.size() >= 4) {
      SetLanguage(*f, kLangEnglish);
      rewritten = gs.messageText;
      step = 1;
    } else if (step == 1 && gs.drawRanking == 1) {
      // Back to Japanese while the ranking is up: drawn again at once.
      printed.clear();
      SetLanguage(*f, kLangJapanese);
      rankingLabel = printed.empty() ? U"" : printed.front();
      step = 2;
    } else if (step == 2 && gs.drawRanking == 0 && gs.choicePending == 1) {
      afterRanking = gs.messageText;
      SetLanguage(*f, kLangEnglish);  // while the question waits
      questionRewritten = gs.messageText;
      step = 3;
    }
    reader();
  });
  const int code =
      RunWith("press space\nuntil dialogueState -1 120000\n", [&] { plat::headless::MainLoop(); });
  plat::headless::SetIdleHook(nullptr);
  plat::SetPrintObserver(nullptr);
  ASSERT_EQ(code, 0);
  // Part-way through the first line, the page is written whole up to its
  // question: English breaks its lines in its own places.
  EXPECT_EQ(plat::ToUtf8(rewritten),
            "Receptionist: This is the match reception desk.\r\n"
            "Would you like to see the current ranking first?");
  EXPECT_EQ(plat::ToUtf8(rankingLabel), "１位　　　");
  EXPECT_EQ(plat::ToUtf8(afterRanking), "試合を行いますか？");
  EXPECT_EQ(plat::ToUtf8(questionRewritten), "Would you like to play a match?");
  // The rest in English, and booked as in Japanese.
  EXPECT_EQ(plat::ToUtf8(gs.messageText), "Very well then, let's play ball!");
  EXPECT_EQ(gs.matchPending, 1);
  EXPECT_EQ(gs.playerRole, 1);
  EXPECT_EQ(gs.castNames[2], U"Receptionist");
  EXPECT_EQ(gs.itemName[0], U"Nothing");
}

TEST(English, TheTitleWearsItsLetteringInTheLanguageShown) {
  auto f = MakeForm(2);
  Form_Load(*f);
  const plat::Surface ja = plat::headless::LastFrame();
  ASSERT_EQ(RunWith("lang en\nwait 100\n", [&] { plat::headless::MainLoop(); }), 0);
  const plat::Surface en = plat::headless::LastFrame();
  // In full screen, where the menu bar hides, a fifth line says how to open it.
  std::vector<std::u32string> printed;
  plat::SetPrintObserver(
      [&](int, int, const std::u32string& s, plat::Color) { printed.push_back(s); });
  ASSERT_EQ(RunWith("press f11\nwait 100\n", [&] { plat::headless::MainLoop(); }), 0);
  EXPECT_EQ(printed.size(), 5u);
  EXPECT_EQ(printed.back(), Texts(kLangEnglish).titleMenuHelp);
  printed.clear();
  ASSERT_EQ(RunWith("press f11\nwait 100\n", [&] { plat::headless::MainLoop(); }), 0);
  EXPECT_EQ(printed.size(), 4u);
  plat::SetPrintObserver(nullptr);
  ASSERT_EQ(RunWith("lang ja\nwait 100\n", [&] { plat::headless::MainLoop(); }), 0);
  const plat::Surface back = plat::headless::LastFrame();
  ASSERT_TRUE(ja.w == en.w && ja.h == en.h);
  // Back in Japanese, the title is again exactly what it was.
  EXPECT_TRUE(back.px == ja.px);

  // The lettering's place: each frame shows there its own language's
  // picture through its mask, over the window's background.
  constexpr int kLeft = 24, kTop = 32, kW = 560, kH = 120;
  auto wears = [&](const plat::Surface& frame, const plat::Surface& pic, const char* what) {
    int drawn = 0;
    for (int y = 0; y < kH; ++y) {
      for (int x = 0; x < kW; ++x) {
        const bool figure = pic.At(x, y + kH) == plat::kWhite;
        const uint32_t want = figure ? pic.At(x, y) : kWindowBackground;
        if (frame.At(kLeft + x, kTop + y) != want) {
          ADD_FAILURE() << what << " title: lettering pixel (" << x << "," << y << ") is wrong";
          return;
        }
        drawn += figure;
      }
    }
    EXPECT_GT(drawn, kW * kH / 4) << what;
  };
  wears(ja, f->pics.Picdaiji, "Japanese");
  wears(en, f->pics.PicdaijiEn, "English");
  int differ = 0;
  for (int y = kTop; y < kTop + kH; ++y)
    for (int x = kLeft; x < kLeft + kW; ++x) differ += ja.At(x, y) != en.At(x, y);
  EXPECT_GT(differ, kW * kH / 4);
  // Above the help lines nothing else changes: the opening picture and the
  // background are the same in both languages.
  for (int y = 0; y < 280; ++y)
    for (int x = 0; x < ja.w; ++x) {
      if (x >= kLeft && x < kLeft + kW && y >= kTop && y < kTop + kH) continue;
      ASSERT_EQ(ja.At(x, y), en.At(x, y)) << "(" << x << "," << y << ")";
    }
}

TEST(English, TheScenarioRunnerSwitchesWithLang) {
  auto f = MakeForm(1);
  GameState& gs = f->gs;
  std::string err;
  std::vector<plat::scenario::Command> cmds;
  EXPECT_FALSE(plat::scenario::Parse("lang english\n", cmds, err));
  EXPECT_FALSE(plat::scenario::Parse("lang\n", cmds, err));
  const int code = RunWith(
      "lang en\nwait 100\ndump\nmenu start\nuntil yesNoVisible [true,false] 20000\ndump\n"
      "lang ja\ndump\n",
      [&] {
        Form_Load(*f);
        plat::headless::MainLoop();
      });
  EXPECT_EQ(code, 0);
  const auto& dumps = plat::headless::Dumps();
  ASSERT_GE(dumps.size(), 3u);
  EXPECT_NE(dumps[0].find("\"language\":1"), std::string::npos);
  EXPECT_NE(dumps[1].find("\"messageText\":\"Mokimoki: Kua (main character)"), std::string::npos);
  EXPECT_NE(dumps[2].find("\"language\":0"), std::string::npos);
  EXPECT_NE(dumps[2].find("\"messageText\":\"モキモキ「くあ(主人公)、"), std::string::npos);
  EXPECT_EQ(gs.language, kLangJapanese);
  // A code the game does not know ends the run with status 2.
  EXPECT_EQ(RunWith("lang xx\n", [&] { plat::headless::MainLoop(); }), 2);
}

// Every language made from a catalogue, played through its keys: the opening,
// a purchase from サンタ with the status screen, a match to its result box,
// the key screen and a save that cannot be read. Nothing on the screen is
// Japanese; and in a pseudo-language (qps: every text of the catalogue in
// brackets) every text is bracketed whole: one without brackets is a text no
// catalogue holds, one with a bracket missing was cut. The names of the
// keyboard's keys and the controller's buttons are not the game's words.
// Last, the question a newer game's save asks at スタート, as drawn.
TEST(Languages, EveryCatalogueLanguagePlaysInItsOwnWords) {
  testing_support::TempDir home("moki-test-languages-");
  const char* oldHome = getenv("XDG_DATA_HOME");
  const std::string keptHome = oldHome ? oldHome : "";
  setenv("XDG_DATA_HOME", home.dir.c_str(), 1);
  for (int lang = 1; lang < LanguageCount(); ++lang) {
    SCOPED_TRACE(LanguageCode(lang));
    const bool bracketed = Texts(lang).ui[size_t(UiText::Caption)][0] == U'[';
    std::vector<std::string> faults;
    bool keyScreen = false;
    bool watching = false;  // from the moment the language is chosen
    std::u32string open;    // a text whose end is still to come
    // One text as the player reads it: each of its lines.
    size_t lines = 0;  // every text seen
    auto see = [&](const std::u32string& text) {
      if (!watching) return;
      ++lines;
      if (HasJapanese(text)) faults.push_back("Japanese: " + plat::ToUtf8(text));
      if (!bracketed) return;
      size_t from = 0;
      while (from <= text.size()) {
        size_t end = text.find_first_of(U"\r\n", from);
        if (end == std::u32string::npos) end = text.size();
        std::u32string line = text.substr(from, end - from);
        from = end + 1 + (end + 1 < text.size() && text[end] == U'\r' && text[end + 1] == U'\n');
        const size_t a = line.find_first_not_of(U" \u3000"), b = line.find_last_not_of(U" \u3000");
        if (a == std::u32string::npos) continue;
        line = open + line.substr(a, b - a + 1);
        // A text laid out over two lines (or printed in two pieces) is
        // whole when its pieces are.
        open.clear();
        if (line.front() == U'[' && std::count(line.begin(), line.end(), U'[') >
                                        std::count(line.begin(), line.end(), U']')) {
          open = line + U' ';
          continue;
        }
        const bool plain = std::all_of(line.begin(), line.end(), [](char32_t c) {
          return c < 0x80 && (std::isdigit(int(c)) || c == U'-' || c == U' ' || c == U',');
        });
        const bool keyNames =
            keyScreen && std::all_of(line.begin(), line.end(), [](char32_t c) { return c < 0x80; });
        if (!plain && !keyNames && (line.front() != U'[' || line.back() != U']'))
          faults.push_back("not whole: " + plat::ToUtf8(line));
      }
    };
    auto f = MakeForm(5);
    GameState& gs = f->gs;
    plat::SetPrintObserver([&](int, int, const std::u32string& s, plat::Color c) {
      if (c != plat::RGB(8, 8, 20) || !keyScreen) see(s);  // not the key screen's shadows
    });
    int boxes = plat::headless::MessageBoxCount();
    auto lookAtBoxes = [&] {
      if (plat::headless::MessageBoxCount() == boxes) return;
      boxes = plat::headless::MessageBoxCount();
      see(plat::headless::LastMessageBoxCaption());
      see(plat::headless::LastMessageBoxText());
    };
    // A page is looked at whole, when it waits for the player.
    auto lookAtPage = [&] {
      if (plat::LabelVisible() && (gs.choicePending == 1 || plat::PageEndMark()))
        see(gs.messageText);
      lookAtBoxes();
    };

    // The opening, yes to the question.
    AutoReader reader;
    reader.gs = &gs;
    reader.answers = {0};
    reader.closeAtEnd = true;
    plat::headless::SetIdleHook([&] {
      lookAtPage();
      reader();
    });
    ASSERT_EQ(
        RunWith("menu start\nuntil GameMode 1 2000\nuntil timerEnabled true 60000\nwait 100\n",
                [&] {
                  Form_Load(*f);
                  SetLanguage(*f, static_cast<i16>(lang));
                  watching = true;
                  plat::headless::MainLoop();
                }),
        0);
    // A purchase from サンタ: yes, yes, the status screen, no to Z, yes to X.
    testing_support::PlaceParty(gs, 12, 29, 0, 13, 29);
    gs.shopItem = 21;
    gs.shopCount = 2;
    gs.money = 3000;
    AutoReader buyer;
    buyer.gs = &gs;
    buyer.answers = {0, 0, 0, 1, 0};
    plat::headless::SetIdleHook([&] {
      lookAtPage();
      buyer();
    });
    ASSERT_EQ(RunWith("press space\nuntil dialogueState -1 60000\npress space\nwait 100\n",
                      [&] { plat::headless::MainLoop(); }),
              0);
    EXPECT_EQ(gs.slotItem[1], 21);
    // The key screen, and the ranking.
    keyScreen = true;
    ASSERT_EQ(
        RunWith("menu keys\nwait 100\npress esc\nwait 100\n", [&] { plat::headless::MainLoop(); }),
        0);
    keyScreen = false;
    // A match to its end: the result box.
    auto m = testing_support::LeagueMatchForm(3, 1);
    SetLanguage(*m, static_cast<i16>(lang));
    m->gs.countsLeft = 2;
    m->gs.homeScore = 3;
    plat::SetTimerEnabled(true);
    const int before = plat::headless::MessageBoxCount();
    ASSERT_EQ(RunWith("wait 4000\n", [&] { plat::headless::MainLoop(); }), 0);
    lookAtBoxes();
    EXPECT_GT(plat::headless::MessageBoxCount(), before);
    EXPECT_EQ(plat::headless::LastMessageBoxCaption(), Texts(lang).resultWin);
    // A save cut short: the box at つづきから.
    std::ofstream(plat::DataDir() + "/save.json") << "{\"version\": 1, \"money\"";
    auto g = MakeForm(1);
    ASSERT_EQ(RunWith("wait 100\nmenu continue\nwait 1000\n",
                      [&] {
                        watching = false;
                        Form_Load(*g);
                        SetLanguage(*g, static_cast<i16>(lang));
                        watching = true;
                        plat::headless::MainLoop();
                      }),
              0);
    lookAtBoxes();
    EXPECT_NE(
        plat::headless::LastMessageBoxText().find(Texts(lang).saveTexts[size_t(SaveText::CutOff)]),
        std::u32string::npos);
    // A newer game's save at スタート: the box's caption, lines and buttons
    // as they are drawn; it is answered no, and the title stays.
    std::ofstream(plat::DataDir() + "/save.json") << "{\"version\": 99}";
    auto q = MakeForm(1);
    bool drawn = false;
    plat::headless::SetIdleHook([&] {
      if (!drawn && plat::headless::MessageBoxCount() > 0)
        drawn = (plat::headless::LastFrame(), true);
    });
    ASSERT_EQ(RunWith("wait 100\nmenu start\nwait 1000\n",
                      [&] {
                        watching = false;
                        Form_Load(*q);
                        SetLanguage(*q, static_cast<i16>(lang));
                        watching = true;
                        plat::headless::MainLoop();
                      }),
              0);
    EXPECT_TRUE(drawn);
    EXPECT_EQ(q->gs.GameMode, kModeTitle);
    std::remove((plat::DataDir() + "/save.json").c_str());  // the next language starts anew
    plat::headless::SetIdleHook(nullptr);
    plat::SetPrintObserver(nullptr);
    if (!open.empty()) faults.push_back("cut: " + plat::ToUtf8(open));
    EXPECT_GT(lines, 60u);  // the talks, the screens and the boxes were all seen
    for (const std::string& fault : faults) ADD_FAILURE() << fault;
  }
  if (oldHome)
    setenv("XDG_DATA_HOME", keptHome.c_str(), 1);
  else
    unsetenv("XDG_DATA_HOME");
}
