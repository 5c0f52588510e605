// Start-up, the menu and the dispatch of each timer tick on GameMode.
#include "shell/window_events.h"

#include "items/item_use.h"
#include "match/match_setup.h"
#include "match/match_tick.h"
#include "minigame/bear_game.h"
#include "platform/platform.h"
#include "platform/scenario.h"
#include "player_files/sessions.h"
#include "player_files/settings.h"
#include "shell/save_game.h"
#include "shell/key_screen.h"
#include "shell/state_json.h"
#include "story/cast_tables.h"
#include "story/item_catalogue.h"
#include "story/language.h"
#include "story/league.h"
#include "world/hall_walk.h"
#include "world/rooms.h"
#include "shell/menu_ids.h"

namespace moki {

void NameTheGame() {
  // The class is the StartupWMClass of the game's menu entry (its .desktop file).
  plat::SetGameNames({"mokimoki", "invalid.mokimoki.mokimoki", U"大会にモキモキ"});
}

void InitControls(Form1& f) {
  plat::SetTimerEnabled(false);
  Pictures& p = f.pics;
  p.Picback1.Resize(608, 448);
  p.Picback2.Resize(672, 512);
  p.Picture1.Resize(608, 448);
  plat::SetYesNoPictures(&p.Picyesno[0], &p.Picyesno[1]);
  plat::SetYesNoVisible(0, false);
  plat::SetYesNoVisible(1, false);
  plat::SetLabelVisible(false);
  // Label1 at the bottom of the play area, the yes/no pictures to the right.
  plat::PlaceControls(64, 304, kLabelWidth, kLabelHeight, 384, 96);
  SetGameMenuBar(f.gs);
}

void InitTables(GameState& gs) {
  initComputerItemSchedules(gs);
  InitMapCast(gs);
  InitCastNames(gs);
  InitScripts(gs);
  initItemCatalogue(gs);
  InitMatchDayPairings(gs);
  RestoreFrontTable(gs);
  gs.sideDX = {1, 0, -1, 0, 0};
  gs.sideDY = {0, 1, 0, -1, 0};
}

// The [game] setting that remembers the language chosen from the menu.
constexpr const char* kLanguageSetting = "language";

void Form_Load(Form1& f) {
  LoadPictures(f.pics);
  InitControls(f);
  UpdateContinueItem();
  InitTables(f.gs);
  f.gs.GameMode = kModeTitle;
  // The language the player chose last time (Japanese unless one was chosen).
  const int lang = LanguageFromCode(plat::GameSetting(kLanguageSetting).c_str());
  if (lang > 0) ChangeLanguage(f, static_cast<i16>(lang));
  plat::Refresh();
  ClaimSave(f.gs);
}

void f1_Click(Form1& f, int id) {
  TellSaveInUse(f.gs);
  if (id == kMenuStart) {
    StartNewGame(f);
  } else if (id == kMenuContinue) {
    ContinueGame(f);
  } else if (id == kMenuQuit) {
    SaveIfAtRest(f.gs);  // quitting in a match or a dialogue keeps the last rest point
    plat::Quit();
  } else if (id == kMenuKeys) {
    OpenKeyScreen(f);
  } else if (id == kMenuReport) {
    ReportFault(f.gs);
  } else if (id == kMenuOpenFolder) {
    plat::OpenSessionsFolder();
  } else if (id == kMenuWhole || id == kMenuFit) {
    plat::SetFitScaling(id == kMenuFit);
    SetGameMenuBar(f.gs);
  } else if (LanguageOfMenuId(id) >= 0) {
    // Chosen from the menu, the language is remembered for the next start.
    const i16 lang = static_cast<i16>(LanguageOfMenuId(id));
    ChangeLanguage(f, lang);
    plat::SetGameSetting(kLanguageSetting, Texts(lang).code);
  }
}

namespace {

// The cursor keys that went down before this tick have now been seen once:
// those already let go are released.
void SettleTaps(GameState& gs, const std::array<i16, 4>& seen) {
  for (size_t d = 0; d < 4; ++d) {
    if (seen[d] == 0 || gs.arrowPressed[d] == 0) continue;
    gs.arrowPressed[d] = 0;
    if (gs.arrowReleased[d] != 0) gs.arrowHeld[d] = 0;
    gs.arrowReleased[d] = 0;
  }
}

}  // namespace

void Timer1_Timer(Form1& f) {
  TellSaveInUse(f.gs);
  // Keys that go down inside the tick (a wait handles events) are for the next one.
  const std::array<i16, 4> seen = f.gs.arrowPressed;
  switch (f.gs.GameMode) {
    case kModeHall:
      HallTick(f);
      break;
    case kModeRoom:
      RoomTick(f);
      break;
    case kModeBear:
      BearTick(f);
      break;
    case kModeMatch:
      MatchTimerTick(f);
      break;
    default:
      break;  // the title screen, or any other value: nothing
  }
  SettleTaps(f.gs, seen);
}

void ChangeLanguage(Form1& f, i16 lang) {
  SetLanguage(f, lang);
  plat::SetCaption(UiString(f.gs.language, UiText::Caption));
  SetGameMenuBar(f.gs);
}

void ConnectWindow(Form1& f) {
  plat::scenario::SetMenuNames(MenuNames());
  plat::Handlers h;
  h.keyDown = [&f](int vk) {
    TellSaveInUse(f.gs);
    Form_KeyDown(f, vk);
  };
  h.keyUp = [&f](int vk) { Form_KeyUp(f, vk); };
  h.paint = [&f] { Form_Paint(f); };
  h.timer = [&f] { Timer1_Timer(f); };
  h.menu = [&f](int index) { f1_Click(f, index); };
  h.close = [&f] { SaveIfAtRest(f.gs); };
  h.labelText = [&f]() -> const std::u32string& { return f.gs.messageText; };
  h.dumpJson = [&f] { return StateJson(f.gs); };
  h.language = [&f](const std::string& code) {
    const int lang = LanguageFromCode(code.c_str());
    if (lang >= 0) ChangeLanguage(f, static_cast<i16>(lang));
    // The run's language comes as the game starts: what the game has to say
    // at start is said in it (once; later asks find nothing to say).
    TellSaveInUse(f.gs);
    TellUncleanSession(f.gs);
    return lang >= 0;
  };
  h.keyChosen = [&f](const std::string& name) { return KeyScreenKeyChosen(f, name); };
  h.fieldJson = [&f](const std::string& name, std::string& out) {
    return FieldJson(f.gs, name, out);
  };
  h.padScreen = [&f] {
    if (f.gs.keyScreenShown != 0) return int(plat::kPadWindowScreen);
    return f.gs.GameMode == kModeTitle ? int(plat::kPadTitle) : int(plat::kPadPlay);
  };
  // The title's help and the key screen name the keys of what was pressed last.
  h.inputChanged = [&f] {
    if (f.gs.keyScreenShown != 0 || (f.gs.GameMode == kModeTitle && f.gs.statusShown == 0))
      plat::Refresh();
  };
  plat::SetHandlers(std::move(h));
  f.atRest = [&f] { WriteSave(f.gs); };
  f.gameEnded = [] { ForgetSave(); };
  f.startBooked = [&f] {
    if (f.gs.matchPending == 1) StartMatch(f);
    if (f.gs.bearGamePending == 1) StartBearGame(f);
  };
}

}  // namespace moki
