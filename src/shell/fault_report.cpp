// The player's side of the sessions' recordings: the word at start that the
// last session ended unexpectedly, and the fault report from the menu ヘルプ.
#include "platform/platform.h"
#include "platform/text.h"
#include "player_files/recording.h"
#include "player_files/sessions.h"
#include "shell/window_events.h"
#include "story/language.h"

namespace moki {

namespace {

void Tell(int lang, const WString& text) {
  plat::MessageBox(text, UiString(lang, UiText::Caption));
}

}  // namespace

void TellUncleanSession(const GameState& gs) {
  const std::string file = plat::UncleanSession();
  if (file.empty()) return;
  const int lang = gs.language;
  Tell(lang, FillIn(UiString(lang, UiText::ReportUnclean), {{U"file", plat::FromUtf8(file)}}));
}

void ReportFault(const GameState& gs) {
  const int lang = gs.language;
  std::string file, why;
  switch (plat::WriteFaultReport(file, why)) {
    case plat::FaultReport::Written: {
      WString text = FillIn(UiString(lang, UiText::ReportWritten),
                            {{U"file", plat::FromUtf8(file)},
                             {U"version", plat::FromUtf8(plat::recording::GameVersion())}});
      if (plat::CanOpenFolders())
        text.append(1, U'\n').append(UiString(lang, UiText::ReportOpenFolder));
      Tell(lang, text);
      break;
    }
    case plat::FaultReport::NotRecorded:
      Tell(lang, UiString(lang, UiText::ReportNotRecorded));
      break;
    default:
      Tell(lang, FillIn(UiString(lang, UiText::ReportFailed), {{U"why", plat::FromUtf8(why)}}));
      break;
  }
}

}  // namespace moki
