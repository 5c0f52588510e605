// The player's own files: the settings and the save, in the user's XDG
// folders. Everything the game reads or writes of them goes through here, so
// that a file is never half written and a file the game cannot use is kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace plat {

// $XDG_CONFIG_HOME/mokimoki (~/.config/mokimoki when unset or not absolute).
// The home is $HOME, or the user's home in the password database when HOME is
// unset or not absolute. With no home at all the folder is "" (the player is
// told once), and a file in it is never read or written: it does not exist,
// writing it keeps nothing.
std::string ConfigDir();
// $XDG_DATA_HOME/mokimoki (~/.local/share/mokimoki when unset or not absolute).
std::string DataDir();
// $XDG_STATE_HOME/mokimoki (~/.local/state/mokimoki when unset or not
// absolute), where the sessions are recorded. Not asked by the game: it is
// not recorded.
std::string StateDir();

// The player's home as the folders above are made from it; "" when none.
std::string HomeFolder();

// Why a read, a write or a keeping of a player's file failed, for the game to
// tell in the player's own words; err says the same in English, with the file.
enum class FileFault : uint8_t {
  Other,         // the system's own reason (err)
  NotPlain,      // a folder, a device, a pipe, ... in the file's place
  ReadOnly,      // the file may not be written
  InUse,         // another copy of the game holds the save
  AllBadTaken,   // no .bad name is free
  NoSpace,       // the disk (or the player's share of it) is full
  NoPermission,  // the system refuses the game
  NotFolder,     // a file where a folder of the path should be
  Count
};
// The fault of the last ReadUserFile, WriteUserFile, KeepAsBad or
// RemoveUserFile that failed (Other after one that did not).
FileFault LastFileFault();
static_assert(int(FileFault::Count) == 8, "a recording keeps the fault in recfile::kFaultCount");

enum class ReadStatus { Ok, Missing, Unreadable, TooBig };
// Reads the whole file. Missing: there is no file (not an error). Unreadable:
// it is there but cannot be read (a folder, a pipe or a device in its place,
// no permission, an I/O error); err says why in plain words. TooBig: it holds
// more than `most` bytes, of which none are read. Nothing in the way blocks:
// a pipe is refused, never opened for reading.
ReadStatus ReadUserFile(const std::string& path, std::string& contents, std::string& err,
                        size_t most = size_t(-1));

// Writes contents to a temporary file of its own, made new beside the file,
// and renames it over path, making path's folder first. A path that is a
// symbolic link writes the file it points to, and the link stays. What is
// not a plain file, and a file that is read-only, is not replaced. On failure
// err says which step failed on which file; the old file, if any, is untouched.
bool WriteUserFile(const std::string& path, const std::string& contents, std::string& err);
// The same from a thread of its own, for a recording written while the game
// plays: not recorded, and never into a folder a copy of the game claims.
bool WriteUserFileAside(const std::string& path, const std::string& contents, std::string& err);

// Keeps a file the game cannot use beside it under a name no file has yet:
// path + ".bad", then ".bad.2" up to ".bad.10"; an older one is never
// replaced. keptAs is the name it was kept under, or its whole path when a
// link led elsewhere. A path that is a symbolic link keeps the file it
// points to, and the link stays. Only a plain file is ever moved: anything
// else in its place (a folder, a device) is left where it is (NotPlain), and
// so is a file with every .bad name taken (AllBadTaken).
constexpr int kMostBadFiles = 10;
bool KeepAsBad(const std::string& path, std::string& keptAs, std::string& err);

// Removes the file; true when it is gone (or was never there). Only a plain
// file (or a link to one: the file goes, the link stays) is removed.
bool RemoveUserFile(const std::string& path);

// Whether something is at path.
bool UserFileExists(const std::string& path);

// Claims the folder of path for this copy of the game for as long as it
// runs; false when another copy of the game holds it. The system lets go of
// the claim when the game ends, however it ends, so nothing is ever left
// behind to block the next start. Asked again, it answers as the first time.
// A folder that is not there yet is claimed by the write that makes it: a
// write into a claimed folder another copy holds fails, saying so.
// The folder claimed is the one the file really is in, past any links: two
// data folders whose saves link to one file are one save.
bool ClaimUserFolder(const std::string& path);

// Removes what writes cut short left beside path: the temporary files
// "NAME.PID-N.tmp" of copies of the game that are no longer running. Nothing
// else is touched; nothing is done while a recording plays.
void ClearLeftovers(const std::string& path);

// Holds path against the other copies of the game from reading it to writing
// it back (a lock on the file itself, made empty if it is not there yet);
// the next hold waits for it. Let go by ReleaseUserFile, or when the game
// ends. -1 when it cannot be held (it is then read and written as before).
int HoldUserFile(const std::string& path);
void ReleaseUserFile(int hold);

// A file named on the command line (a recording, a scenario): read as a
// player's file is, its size and type checked before a byte is read, and
// nothing recorded.
ReadStatus ReadGivenFile(const std::string& path, std::string& contents, std::string& err,
                         size_t most);
// Whether a and b are one file (past links; a file not there yet by its
// folder and name).
bool SameFile(const std::string& a, const std::string& b);

}  // namespace plat
