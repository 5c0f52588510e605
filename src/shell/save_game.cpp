// The save's file: where it is, which copy of the game may write it, when
// it is written, and what スタート and つづきから do with it. What the file
// holds is in save_fields.cpp.
#include "shell/save_game.h"

#include <iterator>
#include <string>
#include <utility>

#include "core/json.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "player_files/user_files.h"
#include "shell/menu_ids.h"
#include "shell/save_fields.h"
#include "story/dialogue.h"
#include "story/language.h"

namespace moki {

namespace {

// --- What the player is told ----------------------------------------------------
// Every text about the save is in the language tables; a detail the system or
// the file gives (a reason, a number, a file name) is filled in by name.
using Text = SaveText;

WString Say(int lang, Text t, FillIns values = {}) {
  return SayOfSave(lang, t, values);
}

void Tell(int lang, const WString& text) {
  plat::MessageBox(text, Say(lang, Text::Caption));
}

// Why the save could not be read, kept or written, in the player's words;
// the system's own reason (err) when the game has none of its own.
WString SayWhy(int lang, const std::string& err) {
  static constexpr Text kWhy[] = {Text::Count,           Text::WhyNotPlain,    Text::WhyReadOnly,
                                  Text::WhyInUse,        Text::WhyAllBadTaken, Text::WhyNoSpace,
                                  Text::WhyNoPermission, Text::WhyNotFolder};
  static_assert(std::size(kWhy) == size_t(plat::FileFault::Count));
  const auto fault = size_t(plat::LastFileFault());
  if (fault == 0 || fault >= std::size(kWhy)) return plat::FromUtf8(err);
  return Say(lang, kWhy[fault], {{U"file", U"save.json"}});
}

// What this copy of the game knows of the save beyond the game's state.
struct SaveHold {
  bool inUseUntold = false;  // another copy holds it, and the player is yet to be told
  bool badInPlace = false;   // a save that cannot be used stays where it is: not saved over
  bool badTold = false;      // ... and the player was told so when the game would have saved
};
SaveHold& Hold() {
  static SaveHold hold;
  return hold;
}

// After a result from the final on, the receptionist calls the hero over;
// a save made at that moment still holds her news (her entries 1, 2, 4, 5,
// 7 and 8), which she has always told by the time the party walks again.
bool ReceptionistHasNews(const GameState& gs) {
  const int e = gs.talkEntry[2];
  return gs.roundNumber > 9 && e != 0 && e != 3 && e != 6;
}

}  // namespace

std::string SavePath() {
  return plat::DataDir() + "/save.json";
}

bool AtRestNow(const GameState& gs) {
  return (gs.GameMode == kModeHall || gs.GameMode == kModeRoom) && gs.dialogueState == 0 &&
         gs.choicePending == 0 && gs.statusShown == 0 && gs.drawStatus == 0 &&
         gs.drawRanking == 0 && gs.matchPending == 0 && gs.bearGamePending == 0 && gs.gameOver == 0;
}

// Whether this copy of the game may write the save: another copy started
// first on the same save keeps it (this one was told at start).
bool SaveIsOurs() {
  return plat::ClaimUserFolder(SavePath());
}

void ClaimSave(const GameState&) {
  Hold() = SaveHold{};
  // Told in the player's language once the window has it (TellSaveInUse).
  if (!SaveIsOurs()) Hold().inUseUntold = true;
  plat::ClearLeftovers(SavePath());
}

void TellSaveInUse(const GameState& gs) {
  if (!std::exchange(Hold().inUseUntold, false)) return;
  Tell(gs.language, Say(gs.language, Text::InUse));
}

// A save that could not be set aside is not saved over: it goes aside now
// if it can (a .bad name was freed), else the player is told, once.
bool BadSaveOutOfTheWay(const GameState& gs) {
  SaveHold& hold = Hold();
  if (!hold.badInPlace) return true;
  const std::string path = SavePath();
  std::string kept, err;
  if (plat::UserFileExists(path) && !plat::KeepAsBad(path, kept, err)) {
    if (!std::exchange(hold.badTold, true))
      Tell(gs.language, Say(gs.language, Text::CannotWrite, {{U"why", SayWhy(gs.language, err)}}) +
                            U"\n" +
                            Say(gs.language, Text::NotSavedOver, {{U"file", U"save.json"}}));
    return false;
  }
  hold.badInPlace = false;
  return true;
}

void WriteSave(const GameState& gs) {
  if (gs.GameMode != kModeHall && gs.GameMode != kModeRoom) return;
  if (!SaveIsOurs() || !BadSaveOutOfTheWay(gs)) return;
  std::string err;
  if (!plat::WriteUserFile(SavePath(), SaveGame(gs), err))
    Tell(gs.language, Say(gs.language, Text::CannotWrite, {{U"why", SayWhy(gs.language, err)}}));
}

bool MayStartAnew(const GameState& gs) {
  std::string text, err;
  if (plat::ReadUserFile(SavePath(), text, err, kSaveMaxBytes) != plat::ReadStatus::Ok) return true;
  json::Value root;
  if (json::Parse(text, root).fault != json::Fault::None) return true;
  const json::Value* version = root.Find("version");
  if (!version || !version->IsInt(kSaveVersion + 1, 1LL << 40)) return true;
  // A newer game's save, never read by this one: replaced only when the
  // player says so.
  const int lang = gs.language;
  return plat::AskYesNo(Say(lang, Text::StartOverNewer,
                            {{U"version", SaveNumber(static_cast<long long>(version->number))}}),
                        Say(lang, Text::Caption), UiString(lang, UiText::Yes),
                        UiString(lang, UiText::No));
}

void SaveIfAtRest(const GameState& gs) {
  if (AtRestNow(gs)) WriteSave(gs);
}

void ForgetSave() {
  if (SaveIsOurs()) plat::RemoveUserFile(SavePath());
  plat::SetMenuEnabled(kMenuContinue, false);
}

void UpdateContinueItem() {
  plat::SetMenuEnabled(kMenuContinue, plat::UserFileExists(SavePath()));
}

void ContinueGame(Form1& f) {
  GameState& gs = f.gs;
  if (gs.GameMode != kModeTitle) return;  // only from the title
  const std::string path = SavePath();
  std::string text, err;
  WString why;
  bool newer = false;
  switch (plat::ReadUserFile(path, text, err, kSaveMaxBytes)) {
    case plat::ReadStatus::Missing:
      plat::SetMenuEnabled(kMenuContinue, false);
      Tell(gs.language, Say(gs.language, Text::NoSave));
      return;
    case plat::ReadStatus::Unreadable:
      why = Say(gs.language, Text::Unreadable, {{U"why", SayWhy(gs.language, err)}});
      break;
    case plat::ReadStatus::TooBig:
      why = Say(gs.language, Text::TooBig);
      break;
    case plat::ReadStatus::Ok:
      if (ReadSave(text, gs, why, &newer)) {
        plat::SetMenuEnabled(kMenuStart, false);  // as in a game begun with スタート
        plat::SetMenuEnabled(kMenuContinue, false);
        ResetKeys(gs);
        plat::SetLabelVisible(false);
        plat::SetYesNoVisible(0, false);
        plat::SetYesNoVisible(1, false);
        plat::SetTimerEnabled(true);
        plat::Refresh();
        if (ReceptionistHasNews(gs)) OpenDialogue(f, 2);
        return;
      }
      break;
  }
  // The save cannot be used: it is set aside, never lost, and the title stays.
  plat::SetMenuEnabled(kMenuContinue, false);
  if (newer) {  // not this game's to set aside: it stays for the game that made it
    Tell(gs.language, Say(gs.language, Text::CannotRead) + U"\n" + why + U"\n" +
                          Say(gs.language, Text::NewerKept));
    return;
  }
  std::string keptAs;
  err.clear();
  WString kept;
  if (plat::KeepAsBad(path, keptAs, err)) {
    // Named as the player finds it: beside the save, or where its link points.
    kept = Say(gs.language, Text::KeptAsBad, {{U"file", plat::FromUtf8(keptAs)}});
  } else {
    // Where it is, it is not saved over until it can go aside.
    Hold().badInPlace = true;
    kept = Say(gs.language, Text::NotKept,
               {{U"file", U"save.json.bad"}, {U"why", SayWhy(gs.language, err)}}) +
           U"\n" + Say(gs.language, Text::NotSavedOver, {{U"file", U"save.json"}});
  }
  Tell(gs.language, Say(gs.language, Text::CannotRead) + U"\n" + why + U"\n" + kept);
}

}  // namespace moki
