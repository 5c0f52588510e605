// The player's own files: the settings and the save, in the user's XDG
// folders. Everything the game reads or writes of them goes through here, so
// that a file is never half written and a file the game cannot use is kept.
#pragma once

#include <cstddef>
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
// replaced. keptAs is the whole path it was kept under. A path that is a
// symbolic link keeps the file it points to, and the link stays.
constexpr int kMostBadFiles = 10;
bool KeepAsBad(const std::string& path, std::string& keptAs, std::string& err);

// Removes the file; true when it is gone (or was never there).
bool RemoveUserFile(const std::string& path);

// Whether something is at path.
bool UserFileExists(const std::string& path);

// Claims the folder of path for this copy of the game for as long as it
// runs; false when another copy of the game holds it. The system lets go of
// the claim when the game ends, however it ends, so nothing is ever left
// behind to block the next start. Asked again, it answers as the first time.
// A folder that is not there yet is claimed by the write that makes it: a
// write into a claimed folder another copy holds fails, saying so.
bool ClaimUserFolder(const std::string& path);

}  // namespace plat
