// Every session of the game recorded, for a fault report: one file a session
// in a folder of the game's own, named by the time it began, the last few
// kept. A session that did not end cleanly (killed, crashed, its display
// lost) is noticed at the next start. Nothing here ever stops the game: a
// folder or a file it cannot write gives one warning, and the game plays on
// unrecorded.
#pragma once

#include <string>

namespace plat {

// $XDG_STATE_HOME/mokimoki/sessions (~/.local/state/mokimoki/sessions when the
// variable is unset or not absolute); "" when the player has no home.
std::string SessionsFolder();

// The [recording] keep of the settings file at path (5 when it does not say), read quietly (the
// game reads the file again, warnings and all, as it starts).
int KeepSetting(const std::string& settingsPath);

// At start, before the window object is made: notes a session of before that
// ended unexpectedly, starts recording this one into the folder, and removes
// the sessions older than the newest `keep` (this one counted). Only the
// game's own names are removed, never a session another copy of the game is
// recording, nor the one just noted. keep 0: nothing is recorded, and the
// sessions there are removed.
void StartSession(int keep);
// The file this session is recorded into; "" when it is not.
const std::string& SessionFile();

// --- What the game asks: recorded with a session, answered from it in playback ---

// The recording of the last session that ended unexpectedly, noticed at this
// start (its mark is gone, so it is told once); "" when there is none.
std::string UncleanSession();

// Writes this session's recording so far, which carries the game's version,
// into a file of its own in the sessions folder
// (fault-report-VERSION-TIME.rec); path is its whole path.
enum class FaultReport { Written, NotRecorded, Failed };
FaultReport WriteFaultReport(std::string& path, std::string& err);

// Whether the desktop can open a folder (xdg-open is on the PATH), and
// opening the sessions folder with it (in playback nothing is opened).
bool CanOpenFolders();
void OpenSessionsFolder();

}  // namespace plat
